// The same operations against Wine's own Program Manager, a real peer: it keeps groups as
// folders of the user's Programs folder and items as links in them.
#include "engine/ProgramManager.h"

#include "MessageBoxes.h"
#include "ScratchDir.h"
#include "StartMenuTestSupport.h"
#include "WineProgramManager.h"

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::FolderEntries;
using testing_support::PathExists;
using testing_support::ScratchDir;
using testing_support::WaitForPath;
using testing_support::WineProgramManager;
using testing_support::WriteTextFile;

namespace {

TEST(WineProgramManager, MakesTheGroupAndTheItemAndListsTheGroup)
{
    const ComApartment com;
    ScratchDir dir("wine-progman");
    ASSERT_TRUE(WriteTextFile(dir / "Corvel Tool.exe", "MZ"));
    const std::string target = dir / "Corvel Tool.exe";
    WineProgramManager wine;
    ASSERT_TRUE(wine.Answering());
    const std::string group = wine.GroupFolder("Corvel Wine Group");
    ui::MessageBoxWatcher boxes;

    // Twice, as a second install of the same product does.
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(AddProgmanGroup("Corvel Wine Group"), 1);
        EXPECT_TRUE(WaitForPath(group, true));
        EXPECT_EQ(AddProgmanItem("Corvel Tool", target.c_str()), 1);
        ASSERT_TRUE(WaitForPath(group + "\\Corvel Tool.lnk", true));
    }

    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(FolderEntries(group, false), std::vector<std::string>{"Corvel Tool.lnk"});
    const LinkContents link = ReadLink(group + "\\Corvel Tool.lnk");
    EXPECT_EQ(link.path, target);
    EXPECT_EQ(link.workDir, dir.Path());

    const auto entries = ProgmanGroupNames();
    EXPECT_EQ(entries, FolderEntries(wine.ProgramsFolder()));
    EXPECT_NE(std::find(entries.begin(), entries.end(), "Corvel Wine Group"), entries.end());
}

TEST(WineProgramManager, ItemOfAMissingProgramIsRefusedSilently)
{
    const ComApartment com;
    ScratchDir dir("wine-progman-missing");
    WineProgramManager wine;
    ASSERT_TRUE(wine.Answering());
    ui::MessageBoxWatcher boxes;

    EXPECT_EQ(AddProgmanGroup("Corvel Wine Missing"), 1);
    EXPECT_EQ(AddProgmanItem("Ghost", (dir / "Ghost.exe").c_str()), 1);

    EXPECT_TRUE(WaitForPath(wine.GroupFolder("Corvel Wine Missing"), true));
    EXPECT_FALSE(PathExists(wine.GroupFolder("Corvel Wine Missing") + "\\Ghost.lnk"));
    EXPECT_TRUE(boxes.Texts().empty());
}

} // namespace
