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

void RemoveLeftoverCopies(const std::string& dir, std::set<std::string>& swept)
{
    constexpr DWORD kMark = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    std::string key = dir;
    if (!key.empty())
        CharUpperBuffA(&key[0], static_cast<DWORD>(key.size()));
    if (!swept.insert(key).second)
        return;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((dir + "\\~cv*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((entry.dwFileAttributes & (kMark | FILE_ATTRIBUTE_DIRECTORY)) == kMark)
            RemoveFile((dir + "\\" + entry.cFileName).c_str());
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

bool IsGone(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
