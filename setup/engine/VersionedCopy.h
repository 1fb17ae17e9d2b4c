// The versioned copy: a file goes over the copy in place only when it is strictly later by date
// and not older by file version; every other outcome is a word of VIF_ bits.
#pragma once

#include "engine/RunDirectories.h"

#include <windows.h>

// Installs srcDir\srcFileName as destDir\destFileName when it is newer than the copy in curDir
// (flags: kCopyForce, kCopyKeep); returns the VIF_ bits of the version API, 0 on success.
DWORD CopyVersionedFile(RunDirectories& directories, DWORD flags, const char* srcFileName,
                        const char* destFileName, const char* srcDir, const char* destDir, char* curDir,
                        char* tmpFile, DWORD* tmpFileLen);
