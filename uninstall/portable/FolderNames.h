// Folder paths as a folder is named, whatever the spelling: without the backslashes that may end
// them, and the roots of drives and network shares, which no uninstall ever removes.
#pragma once

#include <string>

// The path without its trailing backslashes: "C:\Apps\" and "C:\Apps" name one folder.
std::string WithoutTrailingBackslashes(const std::string& path);

// A drive's root ("C:", "C:\", "\") or a share's ("\\server\share", with or without a final "\").
bool IsRootFolder(const std::string& path);
