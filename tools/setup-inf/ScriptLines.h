// A setup script as setup.exe's reader meets it: its bytes (from Setup.inf, or from a readable
// source in which "^A" stands for SOH) cut into the pieces that the reader's 780-byte line
// buffer takes, each with the number of the line it came from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr char kSoh = '\x01';

// setup reads at most 779 characters of a line at a time, its newline included.
constexpr std::size_t kLinePieceSize = 779;

struct ScriptLine {
    int number = 0;         // the line's number in the file, from 1
    std::string text;       // the piece as the reader holds it: with the newline, when it reached it
    bool continued = false; // the rest of a longer line, which the reader takes as a line of its own
    std::size_t length = 0; // the whole line's characters with its newline (on every piece)
};

struct ScriptText {
    std::string name;            // the file as findings name it
    bool readableSource = false; // "^A" stood for SOH
    std::string bytes;           // with SOH bytes and LF line ends: what setup's text mode reads
    std::string readable;        // the part of it the reader gets: up to a Ctrl-Z
    int ctrlZLine = 0;           // the line of that Ctrl-Z, 0 when there is none
    std::vector<ScriptLine> lines;
    int lastLine = 0; // the number of the file's last line
};

// A script from the contents of a file. A readable source has no SOH bytes but a "^A".
ScriptText MakeScriptText(const std::string& name, const std::string& contents);

// The whole file, or false with the reason.
bool ReadWholeFile(const std::string& path, std::string& contents, std::string& reason);

// Setup.inf's bytes: SOH for "^A" and CR LF line ends.
std::string SetupInfBytes(const ScriptText& script);
