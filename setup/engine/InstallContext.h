// What the operations of one install run share: the folders the user chose, the product, the
// open uninstall log, whether the machine must restart, and what the run knows of its
// directories. The application owns one; tests make their own.
#pragma once

#include "engine/RunDirectories.h"
#include "platform/PathBuffer.h"

#include <cstdio>
#include <string>

struct InstallContext {
    char installDir[kPathBufferSize] = ""; // the destination directory
    char menuFolder[kPathBufferSize] = ""; // the Start-menu folder or Program Manager group
    std::string productName;
    std::FILE* log = nullptr; // every operation appends its records here
    int rebootNeeded = 0;     // a file waits for the next start of Windows
    RunDirectories runDirectories;
};
