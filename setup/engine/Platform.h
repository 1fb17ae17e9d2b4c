// The platform the installer runs on, decided once at the start of the run.
#pragma once

#include "platform/PlatformKinds.h"

#include <windows.h>

// 0 until DetectPlatform has run; then one of the kPlatform kinds.
extern int PlatformKind;

// The version record of the last query; only its platform id and major version are consulted.
extern OSVERSIONINFOA VersionInfo;

// Queries the version and sets PlatformKind. An unknown platform shows "Unknown version of
// Windows. Install aborted." and returns 0; otherwise returns the kind.
int DetectPlatform();
