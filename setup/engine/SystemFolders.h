// The folders the install run needs, looked up once at start for the running platform: the
// program files directory, the user's and the common Start-menu Programs folders, the Windows
// directory and the system directory.
#pragma once

#include "platform/PathBuffer.h"

// Empty until the lookup; read-only after it.
extern char ProgramDir[kPathBufferSize];           // on NT 3.x the Windows directory's drive, "C:"
extern char UserProgramFolderDir[kPathBufferSize]; // empty on NT 3.x
extern char ProgramFolderDir[kPathBufferSize];     // the user's folder on Windows 95; empty on NT 3.x
extern char WindowsDir[kPathBufferSize];
extern char SystemDir[kPathBufferSize];

// One lookup per platform kind. Each returns nonzero when every folder of its platform was found,
// or 0 after showing the message of the first registry value it could not read (the steps after
// that one are not performed). The NT 3.x lookup reads no registry and always succeeds.
int LookupSystemFoldersNT4();
int LookupSystemFoldersWin95();
int LookupSystemFoldersNT351();

// The lookup of the running PlatformKind; 0 without a message when the kind is unknown.
int LookupSystemFolders();
