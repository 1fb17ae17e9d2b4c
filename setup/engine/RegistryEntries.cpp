#include "engine/RegistryEntries.h"

#include "engine/UninstallLog.h"
#include "engine/ValuePath.h"
#include "platform/ScopedWin.h"

#include <cstring>

namespace {

// The names the uninstaller knows the roots by; it has no name for any other root.
const char* RootName(HKEY root)
{
    static const struct {
        HKEY root;
        const char* name;
    } names[] = {
        {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
        {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
        {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    };
    for (const auto& entry : names)
        if (entry.root == root)
            return entry.name;
    return "HKEY_USERS";
}

} // namespace

int CreateRegistryKey(std::FILE* log, HKEY root, const char* keyPath)
{
    char noClass[] = "";
    ScopedRegKey key;
    if (RegCreateKeyExA(root, keyPath, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.Out(),
                        nullptr) != ERROR_SUCCESS)
        return 0;
    key.Reset();
    WriteKeyRecord(log, RootName(root), keyPath);
    return 1;
}

int SetRegistryString(std::FILE* log, HKEY root, const char* valuePath, const char* text)
{
    ValuePath value;
    if (!SplitValuePath(valuePath, &value))
        return 0;
    ScopedRegKey key;
    if (RegOpenKeyExA(root, value.keyPath, 0, KEY_WRITE, key.Out()) != ERROR_SUCCESS)
        return 0;
    LONG written = RegSetValueExA(key.Get(), value.valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                  static_cast<DWORD>(std::strlen(text) + 1));
    key.Reset();
    if (written != ERROR_SUCCESS)
        return 0;
    WriteKeyRecord(log, RootName(root), valuePath);
    return 1;
}
