// What the start-menu tests share: reading a link file back, and COM for the thread.
#pragma once

#include "platform/ScopedWin.h" // ComApartment, for the tests' threads

#include <windows.h>

#include <string>

struct LinkContents {
    HRESULT loaded = E_FAIL;
    std::string path, description, workDir;
};

// Loads a link file through the shell's link object.
LinkContents ReadLink(const std::string& linkPath);
