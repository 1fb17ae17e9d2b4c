// Registry keys and text values that setup makes, each logged as a "key" record once it exists.
#pragma once

#include <windows.h>

#include <cstdio>

// 1 when made (and logged), 0 when not.
int CreateRegistryKey(std::FILE* log, HKEY root, const char* keyPath);
// valuePath is the key path and the value name joined by a backslash.
int SetRegistryString(std::FILE* log, HKEY root, const char* valuePath, const char* text);
