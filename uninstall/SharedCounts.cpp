#include "SharedCounts.h"

#include <windows.h>

static const char kSharedDlls[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

static void StoreCount(HKEY key, const char* path, DWORD count)
{
    RegSetValueExA(key, path, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), sizeof count);
}

void ReleaseSharedCount(const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return;
    // Whatever type the value has, its first four bytes are the count.
    DWORD count = 0;
    DWORD size = sizeof count;
    if (RegQueryValueExA(key, path, nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &size) ==
            ERROR_SUCCESS &&
        count != 0) {
        if (--count > 0)
            StoreCount(key, path, count);
        else if (DeleteFileA(path))
            RegDeleteValueA(key, path);
        else
            StoreCount(key, path, 0);
    }
    RegCloseKey(key);
}
