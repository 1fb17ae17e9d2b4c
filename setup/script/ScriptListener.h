// What the setup script reader did with each line it read, for a listener that wants to know
// (the script checker). setup.exe reads without one.
#pragma once

#include "script/InstallModel.h"

enum class ScriptLineKind {
    Format,        // line 1
    ProductName,   // line 2
    ProgramFolder, // line 3
    Platforms,     // line 4
    Header,        // "@" or "@@" and SOH
    BadHeader,     // "@" or "@@" without SOH: ends the current module
    File,          // first byte SOH
    Other,         // anything else: ignored
};

enum class LineFate {
    Read,          // a head line, taken
    PastEnd,       // a head line the script does not have: read as empty
    Refused,       // the format or platforms line that ends the reading with a message
    Kept,          // a header or file line that became part of the model
    NotOnPlatform, // a header of a module that does not exist on the running platform
    NoModule,      // a file line without a current module
    Ignored,       // a remark, or a bad header
};

struct ScriptLineEvent {
    int number = 0;         // the line's number in the script, from 1
    bool continued = false; // the remainder of a line longer than the reader's buffer
    const char* text = "";  // the piece as read, with its newline when it reached it
    ScriptLineKind kind = ScriptLineKind::Other;
    LineFate fate = LineFate::Ignored;
    int format = 0; // Format: the number read
    // Header: the fields as read (only for the call unless kept). File: its module, when kept.
    const ModuleEntry* module = nullptr;
    const FileEntry* file = nullptr; // File, kept: the entry made
    const char* scannedDest = "";    // File, kept: the destination before it was completed
    int endedBy = 0; // File without a module: the header or "@" line that ended the last one, 0 if none
};

class ScriptListener {
public:
    virtual ~ScriptListener() = default;
    virtual void OnLine(const ScriptLineEvent& line) = 0;
};
