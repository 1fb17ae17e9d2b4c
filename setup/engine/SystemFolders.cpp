#include "engine/SystemFolders.h"

#include "engine/Platform.h"
#include "engine/RegistryRead.h"
#include "framework/WinApp.h"

#include <cstddef>
#include <cstdio>

char ProgramDir[kPathBufferSize];
char UserProgramFolderDir[kPathBufferSize];
char ProgramFolderDir[kPathBufferSize];
char WindowsDir[kPathBufferSize];
char SystemDir[kPathBufferSize];

namespace {

const char kProgramFilesDir[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\ProgramFilesDir";
const char kCommonPrograms[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Common Programs";
const char kUserShellPrograms[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\Programs";
const char kShellPrograms[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Programs";

// Their results are not tested: the buffers start empty and stay so when a call fails.
void ReadWindowsFolders()
{
    GetWindowsDirectoryA(WindowsDir, sizeof WindowsDir);
    GetSystemDirectoryA(SystemDir, sizeof SystemDir);
}

// One folder read from the registry, and the message when it cannot be.
struct FolderValue {
    HKEY root;
    const char* path;
    char* folder; // one of the folder buffers
    const char* failure;
};

// The values in order; the first one that cannot be read ends the lookup with its message.
template <std::size_t N>
int ReadFolders(const FolderValue (&values)[N])
{
    for (const FolderValue& value : values) {
        if (!ReadRegistryString(value.root, value.path, value.folder, kPathBufferSize)) {
            AfxMessageBox(value.failure);
            return 0;
        }
    }
    ReadWindowsFolders();
    return 1;
}

} // namespace

int LookupSystemFoldersNT4()
{
    const FolderValue values[] = {
        {HKEY_LOCAL_MACHINE, kProgramFilesDir, ProgramDir, "Failed to get registery value for ProgramDir"},
        {HKEY_LOCAL_MACHINE, kCommonPrograms, ProgramFolderDir,
         "Failed to get registery value for ProgramFolderDir"},
        {HKEY_CURRENT_USER, kUserShellPrograms, UserProgramFolderDir,
         "Failed to get registery value for UserProgramFolderDir"},
    };
    return ReadFolders(values);
}

int LookupSystemFoldersWin95()
{
    // Windows 95 has no common Start menu: both folders are the user's.
    const FolderValue values[] = {
        {HKEY_LOCAL_MACHINE, kProgramFilesDir, ProgramDir, "Failed to get registery value for ProgramDir"},
        {HKEY_CURRENT_USER, kShellPrograms, UserProgramFolderDir,
         "Failed to get registery value for UserProgramFolderDir"},
        {HKEY_CURRENT_USER, kShellPrograms, ProgramFolderDir,
         "Failed to get registery value for ProgramFolderDir"},
    };
    return ReadFolders(values);
}

int LookupSystemFoldersNT351()
{
    // No program files directory and no Start menu: programs go to the Windows drive's root, and
    // shortcuts become Program Manager items.
    ReadWindowsFolders();
    std::snprintf(ProgramDir, sizeof ProgramDir, "%c:", WindowsDir[0]);
    UserProgramFolderDir[0] = '\0';
    ProgramFolderDir[0] = '\0';
    return 1;
}

int LookupSystemFolders()
{
    switch (PlatformKind) {
    case kPlatformWin95:
        return LookupSystemFoldersWin95();
    case kPlatformNT3:
        return LookupSystemFoldersNT351();
    case kPlatformNT4:
        return LookupSystemFoldersNT4();
    default:
        return 0;
    }
}
