// Start-menu shortcuts on Windows 95 and NT 4: shell link files written through the shell's
// link object.
#pragma once

#include <windows.h>

// Writes linkPath as a link to target, with the description and the target's directory as its
// working directory. The link's folder must exist. Returns the failure of making the link
// object or of asking it for its file interface, otherwise the result of the save.
HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description);
