// The platform kind of the Windows version the test runs under, and the folders looked up for it.
#include "engine/Platform.h"
#include "MessageBoxes.h"
#include "RegistryGuard.h"
#include "engine/SystemFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace testing_support;

// The kind the installer must see under the version the harness set for this run.
int ExpectedKind()
{
    const struct {
        const char* setting;
        int kind;
    } versions[] = {
        {"", kPlatformNT4},        {"default", kPlatformNT4},   {"win95", kPlatformWin95},
        {"win98", kPlatformWin95}, {"nt351", kPlatformNT3},     {"nt40", kPlatformNT4},
        {"win2k", kPlatformNT4},   {"win31", kPlatformUnknown},
    };
    const char* setting = std::getenv("CORVEL_WINVER");
    for (const auto& v : versions)
        if (std::strcmp(v.setting, setting ? setting : "") == 0)
            return v.kind;
    ADD_FAILURE() << "no expectation for CORVEL_WINVER " << setting;
    return -1;
}

void ClearFolders()
{
    for (char* folder : {ProgramDir, UserProgramFolderDir, ProgramFolderDir, WindowsDir, SystemDir})
        folder[0] = '\0';
}

TEST(DetectPlatform, GivesTheKindOfTheRunningVersion)
{
    const int expected = ExpectedKind();
    ui::MessageBoxWatcher watcher;
    EXPECT_EQ(DetectPlatform(), expected);
    EXPECT_EQ(PlatformKind, expected);
    const auto seen = watcher.Seen();
    if (expected == kPlatformUnknown) {
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "Unknown version of Windows. Install aborted.");
        EXPECT_EQ(seen[0].caption, "platform-test");
    } else {
        EXPECT_TRUE(seen.empty());
    }
}

// The folders of the running platform, from values the test puts in the prefix's registry.
TEST(LookupSystemFolders, FillsTheFoldersOfTheRunningPlatform)
{
    const char* currentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    const char* common = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const char* user = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const char* userShell = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    RegistryValueGuard g1(HKEY_LOCAL_MACHINE, currentVersion, "ProgramFilesDir");
    RegistryValueGuard g2(HKEY_LOCAL_MACHINE, common, "Common Programs");
    RegistryValueGuard g3(HKEY_CURRENT_USER, user, "Programs");
    RegistryValueGuard g4(HKEY_CURRENT_USER, userShell, "Programs");
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, currentVersion, "ProgramFilesDir", "D:\\Apps"));
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, common, "Common Programs", "D:\\All Users\\Programs"));
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, user, "Programs", "D:\\Profile\\Programs"));
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, userShell, "Programs", "%CORVEL_PROFILE%\\Start Menu\\Programs",
                          REG_EXPAND_SZ));
    ASSERT_TRUE(SetEnvironmentVariableA("CORVEL_PROFILE", "E:\\Profiles\\Tester"));

    const struct {
        int kind;
        const char* program;
        const char* user;
        const char* common;
    } expectations[] = {
        {kPlatformWin95, "D:\\Apps", "D:\\Profile\\Programs", "D:\\Profile\\Programs"},
        {kPlatformNT3, "C:", "", ""},
        {kPlatformNT4, "D:\\Apps", "E:\\Profiles\\Tester\\Start Menu\\Programs", "D:\\All Users\\Programs"},
    };
    PlatformKind = ExpectedKind();
    ClearFolders();
    ui::MessageBoxWatcher watcher;
    if (PlatformKind == kPlatformUnknown) {
        EXPECT_EQ(LookupSystemFolders(), 0);
        EXPECT_STREQ(WindowsDir, "");
    }
    for (const auto& e : expectations) {
        if (e.kind != PlatformKind)
            continue;
        EXPECT_EQ(LookupSystemFolders(), 1);
        EXPECT_STREQ(ProgramDir, e.program);
        EXPECT_STREQ(UserProgramFolderDir, e.user);
        EXPECT_STREQ(ProgramFolderDir, e.common);
        EXPECT_STREQ(WindowsDir, "C:\\windows");
        EXPECT_STREQ(SystemDir, "C:\\windows\\system32");
    }
    EXPECT_TRUE(watcher.Texts().empty());
}

// With the prefix's own settings, every folder found is a folder that exists.
TEST(LookupSystemFolders, FindsTheFoldersOfThePrefix)
{
    PlatformKind = ExpectedKind();
    if (PlatformKind == kPlatformUnknown)
        GTEST_SKIP() << "no folders on an unknown platform";
    ClearFolders();
    ASSERT_EQ(LookupSystemFolders(), 1);
    for (const char* folder : {ProgramDir, UserProgramFolderDir, ProgramFolderDir, WindowsDir, SystemDir}) {
        if (PlatformKind == kPlatformNT3 && !*folder)
            continue;
        EXPECT_EQ(std::strchr(folder, '%'), nullptr) << folder;
        const DWORD attributes = GetFileAttributesA(folder);
        EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << folder;
    }
}

} // namespace
