// A script read by setup.exe's own reader once without a platform (every line told apart, no module
// kept) and once for each platform kind, with what the reader said of each line: its kind, the
// module or file it made, the header its file lines fell under.
#pragma once

#include "script/SetupScriptReader.h"
#include "setup-inf/ScriptLines.h"

#include <array>
#include <string>
#include <vector>

// A header's numbers, in their order.
enum HeaderNumber { kOnNT351, kOnNT4, kOnWin95, kShared, kSystem, kTypical, kMinimum, kHeaderNumbers };

// The texts between SOH bytes, as the author wrote them: [0] before the first, [1] after it, ...
std::vector<std::string> SohFields(const std::string& line);

// One piece of a line as the reader read it.
struct ReadPiece {
    int number = 0;
    bool continued = false; // the remainder of a longer line, which the reader takes as a line of its own
    std::string text;       // with the newline, when it reached it
    std::size_t length = 0; // the whole line's characters with its newline (on every piece)
    ScriptLineKind kind = ScriptLineKind::Other;
    int header = -1; // Header: its index; File: the index of the header above it, or -1
    int endedBy = 0; // File without a header: the "@" line without SOH that ended it, 0 if none

    bool Head() const { return kind <= ScriptLineKind::Platforms; }
};

struct HeaderLine {
    int line = 0;
    std::string name; // as written, however long: the reader's buffer keeps 259 characters of it
    std::array<int, kHeaderNumbers> numbers{};
    std::vector<int> pieces; // the indexes of its file lines' pieces
};

struct FileAt {
    int line = 0;
    int piece = 0;
    const FileEntry* entry = nullptr;
    std::string scannedDest; // the destination before the reader completed it
    bool whole = false;      // the line has all its SOH bytes (else its shape is its finding)
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

    const ScriptText& script;
    int format = 0;
    std::vector<ReadPiece> lines;             // every piece, from the reading without a platform
    std::vector<HeaderLine> headers;          // the headers with SOH, in script order
    PlatformReading any;                      // without a platform: the head as read
    std::array<PlatformReading, 3> platforms; // Windows 95, NT 3.x, NT 4

    const PlatformReading& On(int kind) const { return platforms[kind - 1]; }
    bool Allowed(int kind) const { return !On(kind).refused; }
    const ScriptModel& Head() const { return any.model; }
    // The piece of a head line (0 to 3), or null when the script ends before it.
    const ReadPiece* HeadLine(int index) const;
};

// "Windows 95", "NT 3.x", "NT 4".
const char* PlatformName(int kind);
// The header number that says whether a module exists on the platform kind.
HeaderNumber OnPlatform(int kind);
