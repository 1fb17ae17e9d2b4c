#include "script/FileNamePart.h"
#include "script/UnreachableNames.h"

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

// What Win32's name-based calls would change, in any component of a destination.
TEST(UnreachableNames, TrailingSpacesAndDotsAndDevices)
{
    const struct {
        const char* path;
        UnreachableName found;
        const char* device;
    } cases[] = {
        {"edit.exe", UnreachableName::None, nullptr},
        {"help\\edit.hlp", UnreachableName::None, nullptr},
        {"..\\edit.exe", UnreachableName::None, nullptr},
        {"help\\", UnreachableName::None, nullptr},
        {"edit.exe ", UnreachableName::TrailingSpace, nullptr},
        {"edit.", UnreachableName::TrailingDot, nullptr},
        {"help.\\edit.hlp", UnreachableName::TrailingDot, nullptr},
        {"aux.hlp", UnreachableName::Device, "AUX"},
        {"help\\Com1", UnreachableName::Device, "COM1"},
        {"nul .txt", UnreachableName::Device, "NUL"},
        {"auxiliary.hlp", UnreachableName::None, nullptr},
        {"com10", UnreachableName::None, nullptr},
    };
    for (const auto& c : cases) {
        const char* device = nullptr;
        EXPECT_EQ(CheckPath(c.path, &device), c.found) << c.path;
        EXPECT_STREQ(device, c.device) << c.path;
    }
}

} // namespace
