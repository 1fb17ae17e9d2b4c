// The existence test of the install engine: one read of a path's attribute word.
#pragma once

#include <windows.h>

// True when the path's attributes could be read; *attributes holds them, or all ones when they
// could not be read (the reason stays in the last error).
bool FileExists(const char* path, DWORD* attributes);
