// What the platform's error codes mean to the versioned copy: the one place that turns a Win32
// error code into a result word.
#pragma once

#include <windows.h>

// The file could not be read (as against: it carries no version information).
bool IsReadError(DWORD error);

// The result of a refused delete of the current copy; 0 lets the copy go on. The system bit
// counts only in an attribute word that was actually read.
DWORD DeleteRefusal(DWORD error, bool attributesRead, DWORD attributes);

// The result of a copy that failed.
DWORD CopyFailure(DWORD error);
