// Shell link files as the install writes them on Windows 95 and NT 4, read back through the
// shell's own link object.
#include "engine/ShellLink.h"

#include "ScratchDir.h"
#include "StartMenuTestSupport.h"

#include <gtest/gtest.h>

using testing_support::PathExists;
using testing_support::ScratchDir;
using testing_support::WriteTextFile;

namespace {

TEST(CreateShortcut, LinkReadsBackWithTargetDescriptionAndTargetsDirectory)
{
    const ComApartment com;
    ScratchDir dir("shortcut-readback");
    ASSERT_TRUE(WriteTextFile(dir / "Tool.exe", "MZ"));
    struct Case {
        std::string target;
        std::string description;
        std::string workDir;
    } const cases[] = {
        {dir / "Tool.exe", "Corvel Tools 2.0", dir.Path()},
        {"C:\\Tool.exe", "Corvel", "C:"}, // the root of a drive: the bare drive
        {dir / "sub dir\\Program With Spaces.exe", "", dir / "sub dir"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const std::string link = dir / "Entry.lnk";

        EXPECT_EQ(CreateShortcut(c.target.c_str(), link.c_str(), c.description.c_str()), S_OK);

        const LinkContents read = ReadLink(link);
        ASSERT_EQ(read.loaded, S_OK);
        EXPECT_EQ(read.path, c.target);
        EXPECT_EQ(read.description, c.description);
        EXPECT_EQ(read.workDir, c.workDir);
    }
}

TEST(CreateShortcut, LinkThatCannotBeSavedLeavesNoFile)
{
    const ComApartment com;
    ScratchDir dir("shortcut-failures");
    ASSERT_TRUE(WriteTextFile(dir / "Tool.exe", "MZ"));
    const std::string target = dir / "Tool.exe";
    // 259 characters is the most a path may have; a longer link path is not cut down to that.
    const std::string longName = std::string(259 - dir.Path().size() - 1 - 4, 'n');
    struct Case {
        std::string link;
        HRESULT result;
    } const cases[] = {
        {dir / "Missing Folder\\Tool.lnk", HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)},
        {dir / (longName + "x.lnk"), HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);

        EXPECT_EQ(CreateShortcut(target.c_str(), c.link.c_str(), "Corvel"), c.result);

        EXPECT_FALSE(PathExists(c.link));
        EXPECT_FALSE(PathExists(dir / (longName + "x.ln")));
        EXPECT_FALSE(PathExists(dir / (longName + ".lnk")));
    }
    // The longest path that fits is written.
    const std::string longest = dir / (longName + ".lnk");
    ASSERT_EQ(longest.size(), 259u);
    EXPECT_EQ(CreateShortcut(target.c_str(), longest.c_str(), "Corvel"), S_OK);
    EXPECT_EQ(ReadLink(longest).path, target);
}

} // namespace
