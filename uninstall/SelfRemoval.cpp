#include "SelfRemoval.h"

#include <windows.h>

namespace {

bool FullPath(const char* path, char (&full)[MAX_PATH])
{
    char* name = nullptr;
    DWORD length = GetFullPathNameA(path, MAX_PATH, full, &name);
    return length != 0 && length < MAX_PATH;
}

bool IsWindows95Family()
{
    return (GetVersion() & 0x80000000u) != 0;
}

} // namespace

bool IsOwnProgram(const char* path)
{
    char own[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    char fullOwn[MAX_PATH], fullPath[MAX_PATH];
    return FullPath(own, fullOwn) && FullPath(path, fullPath) && lstrcmpiA(fullOwn, fullPath) == 0;
}

bool DeleteAtNextStart(const char* path)
{
    if (!IsWindows95Family())
        return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
    // Windows 95 reads wininit.ini before long names exist: the short name goes there.
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path, shortPath, MAX_PATH);
    const char* name = length != 0 && length < MAX_PATH ? shortPath : path;
    return WritePrivateProfileStringA("rename", "NUL", name, "wininit.ini") != 0;
}
