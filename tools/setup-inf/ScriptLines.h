// A setup script as setup.exe's text-mode stream gives it to the reader: its bytes from Setup.inf,
// or from a readable source in which "^A" stands for SOH.
#pragma once

#include "script/ScriptPatterns.h"

#include <cstddef>
#include <string>
#include <vector>

struct ScriptText {
    std::string name;            // the file as findings name it
    bool readableSource = false; // "^A" stood for SOH
    std::string bytes;           // with SOH bytes and LF line ends: what setup's text mode reads
    std::string readable;        // the part of it the reader gets: up to a Ctrl-Z
    int ctrlZLine = 0;           // the line of that Ctrl-Z, 0 when there is none
    int lastLine = 0;            // the number of the file's last line
};

// A script from the contents of a file. A readable source has no SOH bytes but a "^A".
ScriptText MakeScriptText(const std::string& name, const std::string& contents);

// The whole file, or false with the reason.
bool ReadWholeFile(const std::string& path, std::string& contents, std::string& reason);

// Setup.inf's bytes: SOH for "^A" and CR LF line ends.
std::string SetupInfBytes(const ScriptText& script);
