// Starting programs with the driver: standard input in, standard output and error out byte for
// byte, the current directory, exit codes, time-outs and killing.
#include "Process.h"
#include "FixtureProgram.h"
#include "ScratchDir.h"
#include "Wizard.h"

#include <gtest/gtest.h>

using testing_support::ScratchDir;

namespace {

std::string EveryByte(size_t length)
{
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(i * 7 % 256);
    return bytes;
}

std::string Alphabets(long length)
{
    std::string bytes;
    for (long i = 0; i < length; ++i)
        bytes.push_back(static_cast<char>('a' + i % 26));
    return bytes;
}

TEST(Process, PassesInputAndCapturesOutputByteForByte)
{
    struct Case {
        const char* what;
        std::string input;
        long errorBytes;
        DWORD exitCode;
    } cases[] = {
        {"no input", "", 0, 0},
        {"line ends and control bytes kept", std::string("a\r\nb\nc\x1a\0d", 9), 10, 3},
        // Far more than a pipe holds: neither side may wait for the other.
        {"large input and output", EveryByte(300000), 2000000, 255},
    };
    for (const auto& c : cases) {
        ui::Process p(
            FixtureCommand("flood " + std::to_string(c.exitCode) + " " + std::to_string(c.errorBytes)), {},
            c.input);
        ASSERT_TRUE(p.Started()) << c.what << ": error " << p.StartError();
        DWORD code = 0;
        ASSERT_TRUE(p.Wait(60000, &code)) << c.what;
        EXPECT_EQ(code, c.exitCode) << c.what;
        EXPECT_TRUE(p.Output() == c.input) << c.what << ": " << p.Output().size() << " bytes back";
        EXPECT_TRUE(p.Errors() == Alphabets(c.errorBytes)) << c.what << ": " << p.Errors().size() << " bytes";
    }
}

TEST(Process, RunsInTheGivenCurrentDirectory)
{
    ScratchDir dir("uidriver-cwd");
    ui::Process p("cmd.exe /c cd", dir.Path());
    ASSERT_TRUE(p.Started());
    DWORD code = 1;
    ASSERT_TRUE(p.Wait(30000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(p.Output(), dir.Path() + "\r\n");
}

TEST(Process, ReportsWhyItCouldNotStart)
{
    ui::Process p("C:\\corvel-tests\\no-such-program.exe");
    EXPECT_FALSE(p.Started());
    EXPECT_EQ(p.StartError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(p.Wait(0));
    EXPECT_EQ(p.Output(), "");
}

TEST(Process, WaitTimesOutOnARunningProgramWhichKillThenEnds)
{
    ui::Process p(FixtureCommand("wizard 0"));
    ASSERT_TRUE(p.Started());
    ASSERT_NE(ui::WaitForWizard(p.Id(), 20000), nullptr);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(p.Wait(300));
    EXPECT_GE(GetTickCount() - start, 300u);
    p.Kill(9);
    DWORD code = 0;
    ASSERT_TRUE(p.Wait(0, &code));
    EXPECT_EQ(code, 9u);
}

} // namespace
