#include "script/FileNamePart.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct NameCase {
    const char* path;
    const char* name;
};

TEST(FileNamePart, OnlyTheBackslashSeparates)
{
    const NameCase cases[] = {
        {"disk1\\app.exe", "app.exe"},
        {"app.exe", "app.exe"},
        {"a\\b\\c.dll", "c.dll"},
        {"bin\\", ""},
        {"", ""},
        {"dir/sub/file.txt", "dir/sub/file.txt"},
        {"C:file.txt", "C:file.txt"},
        {"\\\\server\\share\\x", "x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(FileNamePart(c.path)), c.name) << c.path;
}

} // namespace
