// Removing Program Manager items and groups over real DDE.
#include "ProgramManager.h"

#include "RegistryGuard.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Wine's Program Manager keeps each group as a folder of the user's Programs folder.
std::string WineGroupFolder(const std::string& group)
{
    return ReadString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      "Programs") +
           "\\" + group;
}

bool GoneWithin(const std::string& path, DWORD timeoutMs)
{
    for (DWORD waited = 0; PathExists(path); waited += 50) {
        if (waited >= timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

TEST(ProgramManagerWine, AnItemGoesFromItsGroupAndTheGroupOnRequest)
{
    const std::string group = "Corvel Progman Wine";
    const std::string folder = WineGroupFolder(group);
    ASSERT_TRUE(MakeDirs(folder));
    ASSERT_TRUE(WriteTextFile(folder + "\\One.lnk", "link"));
    ASSERT_TRUE(WriteTextFile(folder + "\\Two.lnk", "link"));

    testing::internal::CaptureStdout();
    DeleteProgmanItem(group.c_str(), "One");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(GoneWithin(folder + "\\One.lnk", 5000));
    EXPECT_TRUE(PathExists(folder + "\\Two.lnk"));

    testing::internal::CaptureStdout();
    DeleteProgmanGroup(group.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(GoneWithin(folder, 5000));
    RemoveTree(folder);
}

} // namespace
