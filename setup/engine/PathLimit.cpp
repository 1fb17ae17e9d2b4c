// The platform's file calls behind the path limit.
#include "engine/PathLimit.h"

#include "engine/ScopedWin.h"
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

FileLook LookAtFile(const char* path)
{
    FileLook look;
    WIN32_FIND_DATAA data;
    ScopedFind find(WithinPathLimit(path) ? FindFirstFileA(path, &data) : INVALID_HANDLE_VALUE);
    if (!find.Valid()) {
        look.error = GetLastError();
        return look;
    }
    look.found = true;
    look.attributes = data.dwFileAttributes;
    look.lastWrite = data.ftLastWriteTime;
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
