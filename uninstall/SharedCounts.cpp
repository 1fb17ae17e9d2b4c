#include "SharedCounts.h"

#include "Files.h"
#include "Owners.h"

namespace {

const char kSharedDlls[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

void StoreCount(HKEY key, const char* path, DWORD count)
{
    RegSetValueExA(key, path, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), sizeof count);
}

} // namespace

void ReleaseSharedCount(const char* path)
{
    OwnedKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, KEY_SET_VALUE | KEY_QUERY_VALUE, key.Out()) !=
        ERROR_SUCCESS)
        return;
    // Whatever type the value has, its first four bytes are the count.
    DWORD count = 0;
    DWORD size = sizeof count;
    if (RegQueryValueExA(key.Get(), path, nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &size) !=
            ERROR_SUCCESS ||
        count == 0)
        return;
    if (--count > 0)
        StoreCount(key.Get(), path, count);
    else if (RemoveFile(path) || IsGone(GetLastError()))
        RegDeleteValueA(key.Get(), path);
    else
        StoreCount(key.Get(), path, 0);
}
