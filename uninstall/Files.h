// Deleting what the log says setup installed. Files copied from read-only media keep their
// read-only attribute, and Windows deletes no read-only file: the attribute goes first.
#pragma once

#include <windows.h>

#include <set>
#include <string>

// DeleteFileA, and where the read-only attribute refused it, once more without it. A file that
// still cannot go keeps its attribute. The last error is the delete's.
bool RemoveFile(const char* path);

// Setup copies a file beside its target under a temporary name, "~cv" and hexadecimal digits
// ".tmp" (or the start of that), marked hidden and system until it is in place. Such a file that
// a killed setup left in a directory the log names (by a file in it or by its own record) goes,
// once per directory (swept: the directories done, folded as the file system compares names); a
// file of that name without the mark is not setup's and stays.
void RemoveLeftoverCopies(const std::string& dir, std::set<std::string>& swept);

// The file, or the directory it was in, is not there: nothing left to delete.
bool IsGone(DWORD error);

// Clears the read-only attribute of a file that has it; false when there is nothing to clear.
bool ClearReadOnly(const char* path, DWORD* attributes);
