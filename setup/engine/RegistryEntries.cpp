// Registry keys and text values that setup makes, each logged as a "key" record once it exists.
#include "app/SetupApp.h"
#include "engine/ScopedWin.h"
#include "engine/UninstallLog.h"

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

int CSetupApp::CreateRegistryKey(HKEY root, const char* keyPath)
{
    char noClass[] = "";
    ScopedRegKey key;
    if (RegCreateKeyExA(root, keyPath, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS)
        return 0;
    key.Reset();
    WriteKeyRecord(logFile, RootName(root), keyPath);
    return 1;
}

int CSetupApp::SetRegistryString(HKEY root, const char* valuePath, const char* text)
{
    // Key path and value name, split at the last backslash. A path that does not fit is refused
    // whole: a cut one would name another value.
    char keyPath[kPathBufferSize];
    size_t length = std::strlen(valuePath);
    if (length >= sizeof keyPath)
        return 0;
    std::memcpy(keyPath, valuePath, length + 1);
    char* slash = std::strrchr(keyPath, '\\');
    if (!slash)
        return 0;
    *slash = '\0';
    const char* valueName = slash + 1;

    ScopedRegKey key;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_WRITE, key.Out()) != ERROR_SUCCESS)
        return 0;
    LONG written = RegSetValueExA(key.Get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                  static_cast<DWORD>(std::strlen(text) + 1));
    key.Reset();
    if (written != ERROR_SUCCESS)
        return 0;
    WriteKeyRecord(logFile, RootName(root), valuePath);
    return 1;
}
