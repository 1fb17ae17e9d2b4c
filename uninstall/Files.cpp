#include "Files.h"

bool ClearReadOnly(const char* path, DWORD* attributes)
{
    *attributes = GetFileAttributesA(path);
    return *attributes != INVALID_FILE_ATTRIBUTES && (*attributes & FILE_ATTRIBUTE_READONLY) &&
           SetFileAttributesA(path, *attributes & ~FILE_ATTRIBUTE_READONLY);
}

bool RemoveFile(const char* path)
{
    if (DeleteFileA(path))
        return true;
    DWORD error = GetLastError();
    DWORD attributes;
    if (error != ERROR_ACCESS_DENIED || !ClearReadOnly(path, &attributes)) {
        SetLastError(error);
        return false;
    }
    if (DeleteFileA(path))
        return true;
    error = GetLastError();
    SetFileAttributesA(path, attributes); // in use, say: it stays as it was
    SetLastError(error);
    return false;
}

bool IsGone(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
