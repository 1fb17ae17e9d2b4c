// A script read by setup.exe's own reader once for each platform kind, with every module and file
// of the install models tied to the line it came from. The lines are sorted as the reader sorts
// them: the first four by position, later ones by their first byte.
#pragma once

#include "script/SetupScriptReader.h"
#include "setup-inf/LineFields.h"
#include "setup-inf/ScriptLines.h"

#include <array>
#include <string>
#include <vector>

enum class LineKind { Head, Header, BadHeader, File, Other };

// What each piece of the script is to the reader (a file line's module is the header before it).
struct LineRole {
    LineKind kind = LineKind::Other;
    int header = -1; // Header: its index; File: the index of the header it belongs to, or -1
    int endedBy = 0; // File without a header: the line of the "@" line that ended it, 0 if none
};

struct HeaderLine {
    int line = 0;
    HeaderReading fields;
    std::vector<int> pieces; // the indexes of its file lines' pieces
};

struct FileAt {
    int line = 0;
    int piece = 0;
    const FileEntry* entry = nullptr;
    bool whole = false; // the line has all its SOH bytes (else its shape is its finding)
};

struct ModuleAt {
    int header = 0; // index into ScriptReading::headers
    int line = 0;
    int position = 0; // in the module list, newest first: the Custom box is position + 1
    const ModuleEntry* entry = nullptr;
    std::vector<FileAt> files; // in script order
};

struct PlatformReading {
    PlatformReading() = default;
    ~PlatformReading() { FreeModuleList(model.modules); }
    PlatformReading(const PlatformReading&) = delete;
    PlatformReading& operator=(const PlatformReading&) = delete;

    int kind = 0;
    bool refused = false; // the reader refused the script for this platform kind
    std::string message;  // the message it showed then
    ScriptModel model;
    std::vector<ModuleAt> modules; // in script order
};

class ScriptReading {
public:
    explicit ScriptReading(const ScriptText& script);

    // Why the script could not be read as setup reads it; empty when it was.
    std::string fault;

    const ScriptText& script;
    std::vector<LineRole> roles;              // one per piece
    std::vector<HeaderLine> headers;          // the headers with SOH, in script order
    std::array<PlatformReading, 3> platforms; // Windows 95, NT 3.x, NT 4

    const PlatformReading& On(int kind) const { return platforms[kind - 1]; }
    bool Allowed(int kind) const { return !On(kind).refused; }
    // The platforms of the model that line 4 allows, and the head the reader read.
    const ScriptModel& Head() const { return platforms[2].model; }
};

// "Windows 95", "NT 3.x", "NT 4".
const char* PlatformName(int kind);
// The header number that says whether a module exists on the platform kind.
HeaderNumber OnPlatform(int kind);
