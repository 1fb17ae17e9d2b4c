#include "engine/SharedCount.h"

#include "engine/UninstallLog.h"
#include "framework/WinApp.h"
#include "platform/ScopedWin.h"

#include <cstdio>

namespace {

const char kSharedDllsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const DWORD kHighestCount = 0xFFFFFFFF;

} // namespace

int IncrementSharedCount(std::FILE* log, const char* path)
{
    // The system keeps this key; setup never makes it.
    ScopedRegKey key;
    LONG opened =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedDllsKey, 0, KEY_WRITE | KEY_QUERY_VALUE, key.Out());
    if (opened != ERROR_SUCCESS) {
        char message[128];
        std::snprintf(message, sizeof message,
                      "Failed to open the registery counter for this shared file. Error = %u",
                      static_cast<unsigned>(opened));
        AfxMessageBox(message);
        return 0;
    }

    // No value, or one longer than a 4-byte count, counts as 0. A count at its highest stays
    // there: wrapped to 0 it would let an uninstall delete a file that others still use.
    DWORD stored = 0;
    DWORD size = sizeof stored;
    DWORD count = 1;
    if (RegQueryValueExA(key.Get(), path, nullptr, nullptr, reinterpret_cast<BYTE*>(&stored), &size) ==
        ERROR_SUCCESS)
        count = stored == kHighestCount ? kHighestCount : stored + 1;

    const bool written = RegSetValueExA(key.Get(), path, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count),
                                        sizeof count) == ERROR_SUCCESS;
    key.Reset();
    if (!written) {
        AfxMessageBox("Failed to increment the registery counter for this shared file.");
        return 1;
    }
    // Only a count that was raised is logged: the uninstaller lowers every one it reads, and a
    // count lowered that was never raised can delete a file that another product counts on.
    WriteIncRecord(log, path);
    return 1;
}
