// The log path from the command line, and the arguments it reports.
#include "portable/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLine, TheLastPathCountsAndSlashArgumentsAreReported)
{
    struct Case {
        std::vector<const char*> arguments;
        const char* path;
        const char* printed;
    } cases[] = {
        {{}, ".UnInst.inf", ""},
        {{"C:\\Apps\\Sample\\.UnInst.inf"}, "C:\\Apps\\Sample\\.UnInst.inf", ""},
        {{"/x"}, ".UnInst.inf", "Unknown argument /x\n"},
        {{"a.inf", "/q", "b c.inf"}, "b c.inf", "Unknown argument /q\n"},
        {{"/", "a.inf", "/?"}, "a.inf", "Unknown argument /\nUnknown argument /?\n"},
        {{"-x"}, "-x", ""},
        {{""}, "", ""},
    };
    for (const auto& c : cases) {
        std::vector<char*> argv = {const_cast<char*>("Uninstall.exe")};
        for (const char* a : c.arguments)
            argv.push_back(const_cast<char*>(a));
        std::FILE* out = std::tmpfile();
        ASSERT_NE(out, nullptr);
        EXPECT_STREQ(LogPathFromArguments(static_cast<int>(argv.size()), argv.data(), out), c.path);
        std::rewind(out);
        char printed[256] = {};
        std::fread(printed, 1, sizeof printed - 1, out);
        std::fclose(out);
        EXPECT_STREQ(printed, c.printed) << c.path;
    }
}

} // namespace
