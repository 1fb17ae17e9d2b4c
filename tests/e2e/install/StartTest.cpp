// The ways setup.exe ends before it installs anything: the user cancels the wizard, or the start
// fails (no script, a script it does not know or that refuses this Windows, a folder it cannot
// look up, a Windows it does not know). Either way nothing is written.
#include "InstallTestSupport.h"
#include "SetupSession.h"
#include "Waiting.h"
#include "WindowQueries.h"

#include <gtest/gtest.h>

#include <optional>

using namespace e2e;
using namespace testing_support;
using ui::WizardButton;

namespace {

const std::vector<ModuleSpec> kModules = {{"Main", 1, 1, {"main.txt"}}, {"Extra", 0, 0, {"extra.txt"}}};

TEST(Cancel, OnEveryPageEndsTheProgramWithNothingWritten)
{
    const char* const pages[] = {CAPTION_WELCOME, CAPTION_INSTALLTYPE, CAPTION_MODULES, CAPTION_SELECTFOLDER,
                                 CAPTION_FINISH};
    for (int cancelOn = 0; cancelOn < 5; ++cancelOn) {
        SCOPED_TRACE(pages[cancelOn]);
        Distribution dist("e2e-cancel");
        ASSERT_TRUE(PrepareProduct(dist, "Corvel Cancel", "Corvel Cancel", kModules));
        ProductGuard product("Corvel Cancel", false);
        const std::string dest = dist.Target("Cancel");
        SetupSession setup(dist.Dir());
        ASSERT_TRUE(setup.WaitForWizard());
        const std::string defaultDest = ui::ControlText(setup.Page(), IDC_DESTPATH);
        for (int page = 0; page < cancelOn; ++page) {
            if (page == 0) {
                ASSERT_TRUE(setup.Type(IDC_DESTPATH, dest));
            }
            if (page == 1) {
                ASSERT_TRUE(setup.Click(IDC_CUSTOM, BST_CHECKED)); // Custom, so that every page comes
            }
            ASSERT_TRUE(setup.Press(WizardButton::Next));
        }
        ASSERT_EQ(setup.Title(), pages[cancelOn]);
        ASSERT_TRUE(setup.Press(WizardButton::Cancel));
        std::vector<ui::MessageBoxSeen> boxes;
        DWORD exitCode = 1;
        ASSERT_TRUE(setup.RunToEnd(&boxes, &exitCode, kEffectMs));
        EXPECT_TRUE(boxes.empty()) << boxes[0].text;
        EXPECT_EQ(exitCode, 0u);
        EXPECT_FALSE(PathExists(dest));
        EXPECT_FALSE(PathExists(defaultDest)) << defaultDest;
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey("Corvel Cancel")));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kSharedDllsKey));
        EXPECT_FALSE(PathExists(UserPrograms() + "\\Corvel Cancel"));
    }
}

TEST(StartFailure, ShowsItsMessageOverTheSplashAndEnds)
{
    const char kProgramsValue[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    struct Case {
        const char* what;
        const char* version;
        const char* permissions; // line 4 of the script; null: no Setup.inf at all
        int format;
        HKEY root; // a registry value taken away meanwhile, or null
        const char* key;
        const char* value;
        const char* message;
    } cases[] = {
        {"no script", "", nullptr, 1, nullptr, nullptr, nullptr, "Failed to open file."},
        {"format 0", "", "1 1 1", 0, nullptr, nullptr, nullptr, "Unknown .inf file format."},
        {"refused on NT 4", "nt40", "1 0 1", 1, nullptr, nullptr, nullptr,
         "This program can not be installed on NT 4"},
        {"refused on Windows 95", "win95", "1 1 0", 1, nullptr, nullptr, nullptr,
         "This program can not be installed on Windows 95"},
        {"refused on NT 3.51", "nt351", "0 1 1", 1, nullptr, nullptr, nullptr,
         "This program can not be installed on NT 3.51"},
        {"no program files folder", "nt40", "1 1 1", 1, HKEY_LOCAL_MACHINE,
         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
         "Failed to get registery value for ProgramDir"},
        {"no Programs folder on Windows 95", "win95", "1 1 1", 1, HKEY_CURRENT_USER, kProgramsValue,
         "Programs", "Failed to get registery value for UserProgramFolderDir"},
        {"a Windows it does not know", "win31", "1 1 1", 1, nullptr, nullptr, nullptr,
         "Unknown version of Windows. Install aborted."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowsVersion version(c.version);
        Distribution dist("e2e-start");
        ASSERT_TRUE(dist.Ready());
        if (c.permissions) {
            ASSERT_TRUE(dist.WriteScript("^AScript^A " + std::to_string(c.format) +
                                         "\nCorvel Start\nCorvel Start\n" + c.permissions +
                                         "\n@^AMain^A 1 1 1 0 0 1 1\n"));
        }
        std::optional<RegistryValueGuard> taken;
        if (c.root) {
            taken.emplace(c.root, c.key, c.value);
            ASSERT_TRUE(DeleteValue(c.root, c.key, c.value));
        }
        SetupSession setup(dist.Dir());
        ASSERT_TRUE(setup.Started());
        ui::MessageBoxSeen seen;
        ASSERT_TRUE(ui::WaitForMessageBox(setup.Id(), kStartMs, &seen, false));
        EXPECT_EQ(seen.caption, "setup");
        EXPECT_EQ(seen.text, c.message);
        EXPECT_STREQ(ui::IconName(seen.icon), "exclamation");
        HWND splash = ui::FindTopWindow({CAPTION_SPLASH, "#32770", setup.Id()});
        EXPECT_TRUE(splash && IsWindowVisible(splash)) << "the splash window stays up behind the message";
        EXPECT_EQ(ui::FindWizard(setup.Id()), nullptr);

        std::vector<ui::MessageBoxSeen> boxes;
        DWORD exitCode = 1;
        ASSERT_TRUE(setup.RunToEnd(&boxes, &exitCode, kEffectMs));
        ASSERT_EQ(boxes.size(), 1u) << "the one message, then the end";
        EXPECT_EQ(boxes[0].text, c.message);
        EXPECT_EQ(exitCode, 0u);
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey("Corvel Start")));
        EXPECT_FALSE(PathExists(ProgramFilesDir() + "\\Corvel Start"));
    }
}

// A second setup while one runs says so and ends, the first one going on; once the first has
// ended, the next one runs as ever.
TEST(OneAtATime, ASecondSetupEndsWithItsMessageAndALaterOneRuns)
{
    Distribution dist("e2e-one");
    ASSERT_TRUE(PrepareProduct(dist, "Corvel One", "Corvel One", kModules));
    ProductGuard product("Corvel One", false);
    auto cancelled = [](SetupSession& setup) {
        std::vector<ui::MessageBoxSeen> boxes;
        DWORD exitCode = 1;
        return setup.Press(WizardButton::Cancel) && setup.RunToEnd(&boxes, &exitCode, kEffectMs) &&
               boxes.empty() && exitCode == 0;
    };
    SetupSession first(dist.Dir());
    ASSERT_TRUE(first.WaitForWizard());
    {
        SetupSession second(dist.Dir());
        ASSERT_TRUE(second.Started());
        std::vector<ui::MessageBoxSeen> boxes;
        DWORD exitCode = 1;
        ASSERT_TRUE(second.RunToEnd(&boxes, &exitCode));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "setup");
        EXPECT_EQ(boxes[0].text,
                  "Setup is already running. Finish that installation before you start another.");
        EXPECT_STREQ(ui::IconName(boxes[0].icon), "exclamation");
        EXPECT_EQ(exitCode, 0u);
    }
    EXPECT_NE(ui::FindWizard(first.Id()), nullptr) << "the first one goes on";
    ASSERT_TRUE(cancelled(first));

    SetupSession later(dist.Dir());
    ASSERT_TRUE(later.WaitForWizard());
    EXPECT_TRUE(cancelled(later));
}

} // namespace
