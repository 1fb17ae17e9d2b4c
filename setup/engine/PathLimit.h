// Paths against the platform's limit of 260 bytes (259 characters and the terminator). A path
// that would not fit is never handed to the platform: these calls fail for it with
// ERROR_FILENAME_EXCED_RANGE, as the platform's ANSI entry points fail an over-long path.
#pragma once

#include <windows.h>

#include <string>

// "%s\\%s" of a directory and a name, whatever the length.
std::string JoinPath(const char* dir, const char* name);

// False, with the last error set, when the path is too long for the platform.
bool WithinPathLimit(const char* path);

// One look at a file: whether it is there, with its attribute word and last-write time, or the
// error that says why not.
struct FileLook {
    bool found = false;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    FILETIME lastWrite{};
    DWORD error = 0;
};
FileLook LookAtFile(const char* path);

// The path's short (8.3) form, or the path itself when it has none.
std::string ShortPath(const std::string& path);

bool DeletePath(const char* path);
bool CopyPath(const char* from, const char* to);                  // replaces an existing target
bool RenamePath(const char* from, const char* to);                // MoveFileA: no existing target
bool MovePath(const char* from, const char* to, DWORD moveFlags); // MoveFileExA
bool SetPathAttributes(const char* path, DWORD attributes);
bool CreateDirectoryPath(const char* path);
