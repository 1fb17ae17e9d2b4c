// ReadSetupScript as the install run calls it: Setup.inf from the current directory, its
// messages in real message boxes, the script file closed whatever the outcome.
#include "engine/ReadSetupScript.h"
#include "MessageBoxes.h"
#include "ScratchDir.h"
#include "ScriptTestText.h"
#include "engine/Platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::ScratchDir;
using testing_support::WriteTextFile;

// Text mode: the script as a Windows editor saves it.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

class ReadSetupScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(GetCurrentDirectoryA(sizeof saved, saved), 0u);
        ASSERT_TRUE(SetCurrentDirectoryA(dir.Path().c_str()));
    }
    void TearDown() override { SetCurrentDirectoryA(saved); }

    ScratchDir dir{"read-setup-script"};
    char saved[MAX_PATH] = "";
};

TEST_F(ReadSetupScriptTest, ModelOrMessageAndTheScriptClosedOnEveryPath)
{
    const std::string example = WithCrLf(kExampleScript);
    const struct {
        const char* what;
        const char* script; // null: no Setup.inf
        int kind;
        const char* message; // null: read
    } cases[] = {
        {"missing", nullptr, kPlatformNT4, "Failed to open file."},
        {"unknown format", SOH "S" SOH " 0\nP\nF\n1 1 1\n", kPlatformNT4, "Unknown .inf file format."},
        {"not on Windows 95", SOH "S" SOH " 1\nP\nF\n1 1 0\n", kPlatformWin95,
         "This program can not be installed on Windows 95"},
        {"not on NT 3.51", SOH "S" SOH " 1\nP\nF\n0 1 1\n", kPlatformNT3,
         "This program can not be installed on NT 3.51"},
        {"not on NT 4", SOH "S" SOH " 1\nP\nF\n1 0 1\n", kPlatformNT4,
         "This program can not be installed on NT 4"},
        {"read", example.c_str(), kPlatformNT4, nullptr},
    };
    for (const auto& c : cases) {
        if (c.script) {
            ASSERT_TRUE(WriteTextFile(dir / "Setup.inf", c.script)) << c.what;
        }
        PlatformKind = c.kind;
        ui::MessageBoxWatcher watcher;
        ScriptModel model;
        EXPECT_EQ(ReadSetupScript(model), c.message ? 0 : 1) << c.what;
        const auto seen = watcher.Seen();
        if (c.message) {
            ASSERT_EQ(seen.size(), 1u) << c.what;
            EXPECT_EQ(seen[0].text, c.message) << c.what;
            EXPECT_EQ(seen[0].caption, "setup-script-test") << c.what;
        } else {
            EXPECT_TRUE(seen.empty()) << c.what;
            EXPECT_EQ(model.productName, "Sample Editor");
            EXPECT_EQ(model.programFolder, "Sample Editor");
            EXPECT_EQ(model.allowNT351 + model.allowNT4 + model.allowWin95, 3);
            EXPECT_EQ(ModelText(model.modules), kExampleModelNT);
        }
        FreeModuleList(model.modules);
        // Windows refuses to delete a file that is still open.
        if (c.script) {
            EXPECT_TRUE(DeleteFileA("Setup.inf")) << c.what << ": error " << GetLastError();
        }
    }
}

} // namespace
