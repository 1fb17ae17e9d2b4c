// Deleting what the log says setup installed. Files copied from read-only media keep their
// read-only attribute, and Windows deletes no read-only file: the attribute goes first.
#pragma once

#include <windows.h>

// DeleteFileA, and where the read-only attribute refused it, once more without it. A file that
// still cannot go keeps its attribute. The last error is the delete's.
bool RemoveFile(const char* path);

// The file, or the directory it was in, is not there: nothing left to delete.
bool IsGone(DWORD error);

// Clears the read-only attribute of a file that has it; false when there is nothing to clear.
bool ClearReadOnly(const char* path, DWORD* attributes);
