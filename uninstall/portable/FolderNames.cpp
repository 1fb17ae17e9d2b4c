#include "portable/FolderNames.h"

std::string WithoutTrailingBackslashes(const std::string& path)
{
    std::string::size_type end = path.size();
    while (end > 0 && path[end - 1] == '\\')
        --end;
    return path.substr(0, end);
}

bool IsRootFolder(const std::string& path)
{
    const std::string folder = WithoutTrailingBackslashes(path);
    if (folder.empty())
        return !path.empty();
    if (folder.size() == 2 && folder[1] == ':')
        return true;
    // \\server\share: two names after the two leading backslashes, and nothing below them.
    if (folder.compare(0, 2, "\\\\") != 0)
        return false;
    const std::string::size_type share = folder.find('\\', 2);
    return share != std::string::npos && share > 2 && share + 1 < folder.size() &&
           folder.find('\\', share + 1) == std::string::npos;
}
