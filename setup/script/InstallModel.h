// The install model: what Setup.inf says to install. Modules and their files, each list singly
// linked with the newest entry at its head, so walks meet them in reverse script order.
#pragma once

#include "platform/PathBuffer.h"

struct FileEntry {
    char source[kPathBufferSize]; // only its file-name part is used
    char dest[kPathBufferSize];   // relative to the install (or system) directory
    int shortcutKind;             // 0 none, 1 user Programs, other: common Programs
    char shortcutName[kPathBufferSize];
    FileEntry* next;
};

struct ModuleEntry {
    char name[kPathBufferSize];
    FileEntry* files;
    int onNT351;
    int onNT4;
    int onWin95;
    int shared;
    int system;
    int typical;
    int minimum;
    int selected; // set by the install run after the wizard
    ModuleEntry* next;
};

// Frees a module list with all its files. The program keeps its model to the end of the process;
// this is for code that reads scripts more than once (tests, fuzzing).
void FreeModuleList(ModuleEntry* modules);
