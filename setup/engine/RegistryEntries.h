// Registry keys and text values that setup makes, each logged as a "key" record once it exists.
#pragma once

#include "engine/InstallContext.h"

#include <windows.h>

// 1 when made (and logged), 0 when not.
int CreateRegistryKey(InstallContext& install, HKEY root, const char* keyPath);
// valuePath is the key path and the value name joined by a backslash.
int SetRegistryString(InstallContext& install, HKEY root, const char* valuePath, const char* text);
