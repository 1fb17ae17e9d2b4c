// The platform's file calls behind the path limit.
#include "engine/PathLimit.h"

#include "platform/ScopedWin.h"
#include "script/InstallModel.h"

#include <cstring>

std::string JoinPath(const char* dir, const char* name)
{
    std::string path(dir);
    path += '\\';
    path += name;
    return path;
}

bool WithinPathLimit(const char* path)
{
    if (std::strlen(path) < static_cast<size_t>(kPathBufferSize))
        return true;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return false;
}

namespace {

// GetFileAttributesExA answers in one call what a search answers in three (open the directory,
// read it, close it), and the same for every name a file can have. Windows 95 and NT 3.51 do
// not have it: there the search is asked.
using GetAttributesEx = BOOL(WINAPI*)(LPCSTR, GET_FILEEX_INFO_LEVELS, LPVOID);

GetAttributesEx AttributesCall()
{
    static const auto call = reinterpret_cast<GetAttributesEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileAttributesExA")));
    return call;
}

bool LookUp(const char* path, FileLook* look)
{
    if (GetAttributesEx call = AttributesCall()) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!call(path, GetFileExInfoStandard, &data))
            return false;
        look->attributes = data.dwFileAttributes;
        look->lastWrite = data.ftLastWriteTime;
        return true;
    }
    WIN32_FIND_DATAA data;
    ScopedFind find(FindFirstFileA(path, &data));
    if (!find.Valid())
        return false;
    look->attributes = data.dwFileAttributes;
    look->lastWrite = data.ftLastWriteTime;
    return true;
}

} // namespace

FileLook LookAtFile(const char* path)
{
    FileLook look;
    look.found = WithinPathLimit(path) && LookUp(path, &look);
    if (!look.found) {
        look.error = GetLastError();
        look.attributes = INVALID_FILE_ATTRIBUTES;
    }
    return look;
}

bool DeletePath(const char* path)
{
    return WithinPathLimit(path) && DeleteFileA(path);
}

bool CopyPath(const char* from, const char* to)
{
    return WithinPathLimit(from) && WithinPathLimit(to) && CopyFileA(from, to, FALSE);
}

bool RenamePath(const char* from, const char* to)
{
    return WithinPathLimit(from) && WithinPathLimit(to) && MoveFileA(from, to);
}

bool MovePath(const char* from, const char* to, DWORD moveFlags)
{
    return WithinPathLimit(from) && WithinPathLimit(to) && MoveFileExA(from, to, moveFlags);
}

bool SetPathAttributes(const char* path, DWORD attributes)
{
    return WithinPathLimit(path) && SetFileAttributesA(path, attributes);
}

bool CreateDirectoryPath(const char* path)
{
    return WithinPathLimit(path) && CreateDirectoryA(path, nullptr);
}

std::string ShortPath(const std::string& path)
{
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return length != 0 && length < sizeof shortPath ? std::string(shortPath, length) : path;
}
