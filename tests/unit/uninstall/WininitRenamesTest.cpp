// The uninstaller's line in wininit.ini's rename list: added to what other programs put there,
// every other byte kept.
#include "portable/WininitRenames.h"

#include <gtest/gtest.h>

namespace {

TEST(WininitRenames, TheLineIsAddedToTheListAndNothingElseChanges)
{
    const std::string ours = "NUL=C:\\PRODUC~1\\UNINST~1.EXE";
    struct Case {
        const char* what;
        std::string before, after;
    } cases[] = {
        {"no file", "", "[rename]\r\n" + ours + "\r\n"},
        {"another program's delete", "[rename]\r\nNUL=C:\\OTHER\\OLD.DLL\r\n",
         "[rename]\r\nNUL=C:\\OTHER\\OLD.DLL\r\n" + ours + "\r\n"},
        {"a section after it, blank lines kept where they are",
         "[Rename]\r\nC:\\A.DLL=C:\\A.TMP\r\n\r\n[other]\nkey=1\n",
         "[Rename]\r\nC:\\A.DLL=C:\\A.TMP\r\n" + ours + "\r\n\r\n[other]\nkey=1\n"},
        {"an empty section with blanks round its name", "[x]\r\n  [rename]  \r\n[y]\r\n",
         "[x]\r\n  [rename]  \r\n" + ours + "\r\n[y]\r\n"},
        {"no section: made at the end", "[other]\r\nkey=1\r\n",
         "[other]\r\nkey=1\r\n[rename]\r\n" + ours + "\r\n"},
        {"a last line without its line end", "[rename]\r\nNUL=C:\\OLD",
         "[rename]\r\nNUL=C:\\OLD\r\n" + ours + "\r\n"},
        {"a line end cut in two", "[other]\r", "[other]\r\n[rename]\r\n" + ours + "\r\n"},
        {"a look-alike section", "[renamed]\r\nNUL=C:\\X\r\n",
         "[renamed]\r\nNUL=C:\\X\r\n[rename]\r\n" + ours + "\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithRenameLine(c.before, ours), c.after) << c.what;
}

} // namespace
