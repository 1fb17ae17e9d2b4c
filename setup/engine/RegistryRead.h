// Reading one text value of the registry, as the folder lookup needs it.
#pragma once

#include <windows.h>

// Reads the value named by `path` (the key path and the value name, separated by the last
// backslash) under `root` into `buffer` of `size` bytes. A REG_EXPAND_SZ value comes back with
// its environment-variable references expanded. Returns 1 when read, 0 when the key cannot be
// opened or the value cannot be read or does not fit, expanded, in `size` bytes. Shows nothing.
int ReadRegistryString(HKEY root, const char* path, char* buffer, DWORD size);
