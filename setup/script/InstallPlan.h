// The install plan: what an install run does from the install model alone.
#pragma once

#include "script/InstallModel.h"

#include <string>
#include <vector>

constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
// The registration's three records, each only when setup can write it: a value path must fit the
// 260-byte work buffer it is split in, and a key name has at most 255 characters.
struct UninstallRegistration {
    std::string key;
    bool keyMade = false, displayName = false, uninstallString = false;
};
UninstallRegistration PlanRegistration(const std::string& productName);

// Upper case as Windows compares file names in the ANSI code page (Windows-1252).
std::string Folded(std::string text);
