#include "SystemFolders.h"

#include "Owners.h"
#include "portable/FolderNames.h"

#include <string>
#include <vector>

namespace {

const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUserShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// A folder value of the registry, expanded where it holds variables; empty when there is none.
std::string FolderValue(HKEY root, const char* key, const char* name)
{
    OwnedKey opened;
    if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, opened.Out()) != ERROR_SUCCESS)
        return "";
    char value[MAX_PATH];
    DWORD size = sizeof value, type = 0;
    if (RegQueryValueExA(opened.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
        return "";
    value[size < sizeof value ? size : sizeof value - 1] = '\0'; // stored without its end, maybe
    if (type == REG_SZ)
        return value;
    char expanded[MAX_PATH];
    const DWORD length = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
    return length != 0 && length <= sizeof expanded ? expanded : "";
}

std::string WindowsFolder(UINT(WINAPI* query)(LPSTR, UINT))
{
    char folder[MAX_PATH];
    const UINT length = query(folder, sizeof folder);
    return length != 0 && length < sizeof folder ? folder : "";
}

std::string ShortForm(const std::string& path)
{
    char shortPath[MAX_PATH];
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return length != 0 && length < sizeof shortPath ? shortPath : "";
}

// Every name of every system folder, long and short, without trailing backslashes.
std::vector<std::string> SystemFolderNames()
{
    const std::string windows = WindowsFolder(GetWindowsDirectoryA);
    std::vector<std::string> folders = {windows, WindowsFolder(GetSystemDirectoryA), windows + "\\System",
                                        windows + "\\System32"};
    folders.push_back(FolderValue(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir"));
    folders.push_back(FolderValue(HKEY_LOCAL_MACHINE, kCurrentVersion, "CommonFilesDir"));
    for (const char* key : {kShellFolders, kUserShellFolders}) {
        for (const char* name : {"Start Menu", "Programs", "Startup", "Desktop"})
            folders.push_back(FolderValue(HKEY_CURRENT_USER, key, name));
        for (const char* name : {"Common Start Menu", "Common Programs", "Common Startup", "Common Desktop"})
            folders.push_back(FolderValue(HKEY_LOCAL_MACHINE, key, name));
    }
    std::vector<std::string> names;
    for (const std::string& folder : folders) {
        if (folder.empty() || folder == "\\System" || folder == "\\System32")
            continue;
        names.push_back(WithoutTrailingBackslashes(folder));
        const std::string shortName = ShortForm(folder);
        if (!shortName.empty())
            names.push_back(WithoutTrailingBackslashes(shortName));
    }
    return names;
}

} // namespace

bool IsSystemFolder(const char* path)
{
    if (IsRootFolder(path))
        return true;
    static const std::vector<std::string> names = SystemFolderNames();
    const std::string folder = WithoutTrailingBackslashes(path);
    const std::string shortName = WithoutTrailingBackslashes(ShortForm(folder));
    for (const std::string& name : names)
        if (lstrcmpiA(name.c_str(), folder.c_str()) == 0 ||
            (!shortName.empty() && lstrcmpiA(name.c_str(), shortName.c_str()) == 0))
            return true;
    return false;
}
