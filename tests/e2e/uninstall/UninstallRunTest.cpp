// Uninstall.exe's dialogue: the command line, the confirmation and the final wait, as the bytes
// a pipe receives and the exit status.
#include "ConsoleProgram.h"
#include "ConsoleWindow.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;
using e2e::Input;

namespace {

const std::string kPrompt = "\r\n\r\nPress Y and [ENTER] to uninstall or just [ENTER] to abort.";

std::string Prompt(const std::string& product)
{
    return "This program will uninstall " + product + kPrompt;
}

std::string Proceeded(const std::string& product)
{
    return Prompt(product) + product + " will now be uninstalled\r\n\r\nDone. Press [ENTER] to exit.";
}

TEST(UninstallRun, OnlyAnAnswerBeginningWithYProceeds)
{
    struct Case {
        const char* answer;
        Input kind;
        const char* input;
        bool proceeds;
    } cases[] = {
        {"n", Input::pipe, "n\r\n", false},          {"N", Input::pipe, "N\r\n", false},
        {"ENTER alone", Input::pipe, "\r\n", false}, {"a blank, then y", Input::pipe, " y\r\n", false},
        {"input ended", Input::pipe, "", false},     {"no input at all", Input::none, "", false},
        {"y", Input::pipe, "y\r\n", true},           {"Y", Input::pipe, "Y\r\n", true},
        {"Yes", Input::pipe, "Yes\r\n", true},       {"y and the input ended", Input::pipe, "y", true},
    };
    for (const auto& c : cases) {
        ScratchDir dir("uninstall-answers");
        const std::string dest = dir / "Product";
        const std::string log = dest + "\\.UnInst.inf";
        const std::string content = "Answer Product\r\ndir " + dest + "\r\n";
        ASSERT_TRUE(MakeDirs(dest));
        ASSERT_TRUE(WriteTextFile(log, content));

        auto run = e2e::RunToEnd(CORVEL_UNINSTALL_EXE, "\"" + log + "\"", dir.Path(), c.input, c.kind);
        EXPECT_EQ(run.output, c.proceeds ? Proceeded("Answer Product") : Prompt("Answer Product"))
            << c.answer;
        EXPECT_EQ(run.exitCode, c.proceeds ? 0u : 2u) << c.answer;
        if (c.proceeds)
            EXPECT_FALSE(PathExists(log)) << c.answer;
        else
            EXPECT_EQ(ReadTextFile(log), content) << c.answer << ": the log is left as it was";
        // The header's directory is tried while the log still lies in it.
        EXPECT_TRUE(PathExists(dest)) << c.answer;
    }
}

TEST(UninstallRun, TheLastPathArgumentIsTheLogAndSlashArgumentsAreReported)
{
    struct Case {
        const char* arguments;
        std::string output;
        DWORD status;
        const char* deleted; // the log the run deletes, if any
    } cases[] = {
        {"", Proceeded("Default Log"), 0, ".UnInst.inf"},
        {"/x", "Unknown argument /x\r\n" + Proceeded("Default Log"), 0, ".UnInst.inf"},
        {"first.inf /q \"second log.inf\"", "Unknown argument /q\r\n" + Proceeded("Second Log"), 0,
         "second log.inf"},
        {"\"second log.inf\" first.inf", Proceeded("First Log"), 0, "first.inf"},
        {"missing.inf", "Unable to open missing.inf\r\nPress ENTER to exit.", 1, nullptr},
        {"-x", "Unable to open -x\r\nPress ENTER to exit.", 1, nullptr},
        {"first.inf /x missing.inf /y",
         "Unknown argument /x\r\nUnknown argument /y\r\nUnable to open missing.inf\r\nPress ENTER to exit.",
         1, nullptr},
    };
    const struct {
        const char* name;
        const char* product;
    } logs[] = {{".UnInst.inf", "Default Log"}, {"first.inf", "First Log"}, {"second log.inf", "Second Log"}};
    for (const auto& c : cases) {
        ScratchDir dir("uninstall-arguments");
        for (const auto& l : logs)
            ASSERT_TRUE(WriteTextFile(dir / l.name, std::string(l.product) + "\r\n"));

        auto run = e2e::RunToEnd(CORVEL_UNINSTALL_EXE, c.arguments, dir.Path(), "y\r\n");
        EXPECT_EQ(run.output, c.output) << c.arguments;
        EXPECT_EQ(run.exitCode, c.status) << c.arguments;
        for (const auto& l : logs) {
            bool deleted = c.deleted && std::string(c.deleted) == l.name;
            EXPECT_EQ(PathExists(dir / l.name), !deleted) << c.arguments << ": " << l.name;
        }
    }
}

TEST(UninstallRun, WaitsForACharacterAfterAMissingLog)
{
    ScratchDir dir("uninstall-wait-missing");
    e2e::ConsoleProgram program(CORVEL_UNINSTALL_EXE, "", dir.Path(), Input::pipe, "", true);
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(program.WaitForOutputEnding("Press ENTER to exit.", 30000)) << program.Output();
    EXPECT_FALSE(program.Wait(1000)) << "ended without a character";
    program.Send("\r\n");
    ASSERT_TRUE(program.Wait(30000));
    EXPECT_EQ(program.ExitCode(), 1u);
    EXPECT_EQ(program.Output(), "Unable to open .UnInst.inf\r\nPress ENTER to exit.");
}

TEST(UninstallRun, TheRestOfTheAnswerIsDiscardedBeforeTheFinalWait)
{
    ScratchDir dir("uninstall-wait-done");
    ASSERT_TRUE(WriteTextFile(dir / ".UnInst.inf", "Waiting Product\r\n"));
    // "es" and the line end of "Yes" must not count as the final ENTER.
    e2e::ConsoleProgram program(CORVEL_UNINSTALL_EXE, "", dir.Path(), Input::pipe, "Yes\r\n", true);
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(program.WaitForOutputEnding("Done. Press [ENTER] to exit.", 30000)) << program.Output();
    EXPECT_FALSE(program.Wait(1000)) << "ended on the rest of the answer";
    EXPECT_FALSE(PathExists(dir / ".UnInst.inf")) << "the log goes before the final wait";
    program.Send("\r\n");
    ASSERT_TRUE(program.Wait(30000));
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_EQ(program.Output(), Proceeded("Waiting Product"));
}

// Typed at a console, the answer arrives as a whole line once ENTER is pressed; the rest of that
// line must not end the final wait either.
TEST(UninstallRun, AnswersTypedAtAConsole)
{
    struct Case {
        const char* typed;
        bool proceeds;
    } cases[] = {
        {"Yes\r", true},
        {"no\r", false},
        {" y\r", false},
    };
    const std::string prompt = "This program will uninstall Console Product\n\nPress Y and [ENTER] to "
                               "uninstall or just [ENTER] to abort.";
    for (const auto& c : cases) {
        ScratchDir dir("uninstall-console");
        ASSERT_TRUE(WriteTextFile(dir / ".UnInst.inf", "Console Product\r\n"));
        e2e::ConsoleWindow console(CORVEL_UNINSTALL_EXE, "", dir.Path());
        ASSERT_TRUE(console.Attached()) << c.typed;
        ASSERT_TRUE(console.WaitForScreenEnding(prompt, 30000)) << console.Screen();

        console.Type(c.typed);
        if (c.proceeds) {
            const std::string answer = std::string(c.typed, std::strlen(c.typed) - 1);
            EXPECT_TRUE(console.WaitForScreenEnding(prompt + answer +
                                                        "\nConsole Product will now be uninstalled\n\n"
                                                        "Done. Press [ENTER] to exit.",
                                                    30000))
                << console.Screen();
            EXPECT_FALSE(console.Wait(1000)) << "ended on the rest of the answer's line";
            console.Type("\r");
        }
        ASSERT_TRUE(console.Wait(30000)) << c.typed;
        EXPECT_EQ(console.ExitCode(), c.proceeds ? 0u : 2u) << c.typed;
        EXPECT_EQ(PathExists(dir / ".UnInst.inf"), !c.proceeds) << c.typed;
    }
}

} // namespace
