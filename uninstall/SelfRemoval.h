// The uninstaller runs from the product's directory, and Windows deletes no running program: when
// the log names the uninstaller's own file, that file is left to the next start of Windows.
#pragma once

// True when the path names this program's own executable.
bool IsOwnProgram(const char* path);

// Has Windows delete the file at its next start: a delayed delete on Windows NT, a NUL entry in
// the rename section of wininit.ini on Windows 95.
bool DeleteAtNextStart(const char* path);
