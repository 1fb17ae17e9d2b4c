// Each lookup stops at the first registry value it cannot read, with that value's message.
#include "engine/SystemFolders.h"
#include "MessageBoxes.h"
#include "RegistryGuard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testing_support;

const char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kCommon[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUser[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUserShell[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

TEST(LookupSystemFolders, EachFailureWithItsMessage)
{
    // Expands to more than the 259 characters a folder buffer holds.
    ASSERT_TRUE(SetEnvironmentVariableA("CORVEL_LONG", std::string(300, 'x').c_str()));
    const struct {
        const char* what;
        int (*lookup)();
        HKEY root;
        const char* key;
        const char* value;
        std::string data; // empty: the value is removed
        DWORD type;
        int result;
        const char* message;
        char* notLookedUp; // a folder the lookup must not reach after the failure
    } cases[] = {
        {"NT 4 program files", LookupSystemFoldersNT4, HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir",
         "", REG_SZ, 0, "Failed to get registery value for ProgramDir", ProgramFolderDir},
        {"NT 4 common programs", LookupSystemFoldersNT4, HKEY_LOCAL_MACHINE, kCommon, "Common Programs", "",
         REG_SZ, 0, "Failed to get registery value for ProgramFolderDir", UserProgramFolderDir},
        {"NT 4 user programs", LookupSystemFoldersNT4, HKEY_CURRENT_USER, kUserShell, "Programs", "", REG_SZ,
         0, "Failed to get registery value for UserProgramFolderDir", WindowsDir},
        {"NT 4 user programs expanded too long", LookupSystemFoldersNT4, HKEY_CURRENT_USER, kUserShell,
         "Programs", "%CORVEL_LONG%", REG_EXPAND_SZ, 0,
         "Failed to get registery value for UserProgramFolderDir", WindowsDir},
        {"Windows 95 program files too long", LookupSystemFoldersWin95, HKEY_LOCAL_MACHINE, kCurrentVersion,
         "ProgramFilesDir", std::string(260, 'p'), REG_SZ, 0, "Failed to get registery value for ProgramDir",
         UserProgramFolderDir},
        {"Windows 95 user programs", LookupSystemFoldersWin95, HKEY_CURRENT_USER, kUser, "Programs", "",
         REG_SZ, 0, "Failed to get registery value for UserProgramFolderDir", ProgramFolderDir},
        {"NT 3.x reads no registry", LookupSystemFoldersNT351, HKEY_LOCAL_MACHINE, kCurrentVersion,
         "ProgramFilesDir", "", REG_SZ, 1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        RegistryValueGuard guard(c.root, c.key, c.value);
        if (c.data.empty())
            DeleteValue(c.root, c.key, c.value);
        else
            ASSERT_TRUE(SetString(c.root, c.key, c.value, c.data, c.type)) << c.what;
        for (char* folder : {ProgramDir, UserProgramFolderDir, ProgramFolderDir, WindowsDir, SystemDir})
            folder[0] = '\0';

        ui::MessageBoxWatcher watcher;
        EXPECT_EQ(c.lookup(), c.result) << c.what;
        EXPECT_EQ(watcher.Texts(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.what;
        if (c.notLookedUp) {
            EXPECT_STREQ(c.notLookedUp, "") << c.what;
        }
        EXPECT_STREQ(WindowsDir, c.result ? "C:\\windows" : "") << c.what;
    }
}

} // namespace
