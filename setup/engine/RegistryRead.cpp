#include "engine/RegistryRead.h"

#include "engine/ValuePath.h"
#include "platform/ScopedWin.h"
#include "script/InstallModel.h"

#include <vector>

namespace {

// An expansion that does not fit would be incomplete, so it fails the read.
int ExpandInPlace(char* buffer, DWORD size)
{
    std::vector<char> expanded(size);
    DWORD needed = ExpandEnvironmentStringsA(buffer, expanded.data(), size);
    if (needed > size)
        return 0;
    if (needed != 0)
        lstrcpynA(buffer, expanded.data(), static_cast<int>(size));
    return 1;
}

} // namespace

int ReadRegistryString(HKEY root, const char* path, char* buffer, DWORD size)
{
    ValuePath value;
    if (!SplitValuePath(path, &value))
        return 0;
    ScopedRegKey key;
    if (RegOpenKeyExA(root, value.keyPath, 0, KEY_QUERY_VALUE, key.Out()) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0;
    DWORD bytes = size;
    if (RegQueryValueExA(key.Get(), value.valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                         &bytes) != ERROR_SUCCESS)
        return 0;
    // Text stored without its terminator: terminate it when there is room, else it is too long.
    if (bytes == 0 || buffer[bytes - 1] != '\0') {
        if (bytes >= size)
            return 0;
        buffer[bytes] = '\0';
    }
    if (type == REG_EXPAND_SZ)
        return ExpandInPlace(buffer, size);
    return 1;
}
