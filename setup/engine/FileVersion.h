// A file's version from its version information: the file version of the fixed part.
#pragma once

#include <windows.h>

struct FileVersion {
    DWORD ms = 0;
    DWORD ls = 0;
};

enum class VersionRead {
    Read,       // *version holds it
    None,       // the file carries no version information
    Unreadable, // the file, or its version information, could not be read
};

// Only the version block is read, into storage sized by the platform's size call.
VersionRead ReadFileVersion(const char* path, FileVersion* version);

// True when the file version a is at least b (MS word first, then LS word).
inline bool AtLeast(const FileVersion& a, const FileVersion& b)
{
    return a.ms > b.ms || (a.ms == b.ms && a.ls >= b.ls);
}
