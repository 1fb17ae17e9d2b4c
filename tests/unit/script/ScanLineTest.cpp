// The scanner's lexical rules, through the patterns the script reader uses.
#include "script/ScanLine.h"
#include "ScriptTestText.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(ScanLine, NumbersAreUnsignedDigitsSeparatedByOneSpace)
{
    struct Case {
        const char* line;
        int a, b, c;
    } cases[] = {
        {"1 1 1", 1, 1, 1},
        {" 1 1 1", 0, 1, 1}, // a leading blank is not skipped
        {"1  1 1", 1, 0, 1}, // the second space ends the second field
        {"007 10 4294967295", 7, 10, -1},
        {"-5 +6 7", 0, 0, 7},    // no sign
        {"12abc 3 x", 12, 3, 0}, // text after a number is skipped up to the space
        {"2", 2, 0, 0},          // missing fields read as 0
        {"", 0, 0, 0},
        {"4294967296 4294967297 9", 0, 1, 9}, // 32-bit arithmetic
    };
    for (const auto& c : cases) {
        int a = -7, b = -7, n = -7;
        EXPECT_EQ(ScanLine(c.line, "%d %d %d", {&a, &b, &n}), 0);
        EXPECT_EQ(a, c.a) << c.line;
        EXPECT_EQ(b, c.b) << c.line;
        EXPECT_EQ(n, c.c) << c.line;
    }
}

TEST(ScanLine, TextFieldsRunToTheirDelimiter)
{
    struct Case {
        const char* line;
        const char* text;
        int number;
    } cases[] = {
        {SOH "Script" SOH " 1", "Script", 1},
        {SOH "two words, \"quoted\"" SOH " 12", "two words, \"quoted\"", 12},
        {"junk before" SOH "x" SOH " 3", "x", 3}, // the literal SOH skips what precedes it
        {SOH SOH " 5", "", 5},
        {SOH "no end\n", "no end\n", 0}, // no closing SOH: the text runs to the end
        {SOH "x" SOH "  1", "x", 0},
        {SOH "x" SOH "tail 4", "x", 4}, // after the closing SOH, skipped to the space
        {"no delimiter at all", "", 0}, // the first literal runs off the end
        {"", "", 0},
    };
    for (const auto& c : cases) {
        char text[260] = "stale";
        int number = -7;
        ScanLine(c.line, SOH "%s" SOH " %d", {text, &number});
        EXPECT_EQ(std::string(text), c.text) << c.line;
        EXPECT_EQ(number, c.number) << c.line;
    }
}

} // namespace
