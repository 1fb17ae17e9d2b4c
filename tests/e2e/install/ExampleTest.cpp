// The sample script installed as a Typical installation into a new directory, on each kind of
// Windows: the uninstall log byte for byte, the files, the Start-menu entry, the shared count, the
// registration, the closing message and what the progress window showed on the way.
#include "InstallTestSupport.h"
#include "ProgmanServer.h"
#include "SetupSession.h"

#include <gtest/gtest.h>

#include <memory>

using namespace e2e;
using namespace testing_support;
using ui::WizardButton;

namespace {

const char kExampleScript[] = "^AScript^A 1\n"
                              "Sample Editor\n"
                              "Sample Editor\n"
                              "1 1 1\n"
                              "\n"
                              "@^AEditor^A 1 1 1 0 0 1 1\n"
                              "^Aedit.exe^A ^A(NULL)^A 1 ^ASample Editor^A\n"
                              "^Aedit.hlp^A ^Ahelp\\^A 0 ^A^A\n"
                              "@@^ARuntime^A 1 1 1 1 1 1 0\n"
                              "^Aedrt.dll^A ^A(NULL)^A 0 ^A^A\n"
                              "@^AExtras^A 0 0 1 0 0 0 0\n";

const char* const kExampleFiles[] = {"edit.exe", "edit.hlp", "edrt.dll"};

std::string SampleFile(const std::string& name)
{
    return std::string(CORVEL_SAMPLE_DIST) + "\\" + name;
}

struct Platform {
    const char* version;
    bool counts;  // Windows NT keeps shared counts
    bool progman; // Windows NT 3.x makes Program Manager items instead of links
};

void InstallExample(const Platform& platform)
{
    SCOPED_TRACE(platform.version);
    WindowsVersion version(platform.version);
    Distribution dist(std::string("e2e-example-") + platform.version);
    ASSERT_TRUE(dist.Ready());
    ASSERT_TRUE(dist.WriteScript(kExampleScript));
    for (const char* name : kExampleFiles)
        ASSERT_TRUE(dist.CopyIn(name, SampleFile(name))) << name;
    const std::string system = SystemDir();
    const std::string menuFolder = UserPrograms() + "\\Sample Editor";
    ProductGuard product("Sample Editor");
    PathGuard placed({system + "\\edrt.dll", menuFolder});
    std::unique_ptr<ProgmanServer> progman;
    if (platform.progman) {
        progman = std::make_unique<ProgmanServer>();
        ASSERT_TRUE(progman->Answering());
    }
    ProgressTrace trace;
    ASSERT_TRUE(trace.Active());

    const std::string dest = dist.Target("Sample");
    SetupSession setup(dist.Dir());
    ASSERT_TRUE(EnterDestination(setup, dest));
    ASSERT_TRUE(setup.Press(WizardButton::Next)); // Typical, as the page starts
    EXPECT_EQ(setup.Look("Back Next"), std::string(CAPTION_SELECTFOLDER) + " | Back Next");
    ASSERT_TRUE(setup.Press(WizardButton::Next));
    ASSERT_TRUE(setup.Press(WizardButton::Finish));
    std::vector<ui::MessageBoxSeen> boxes;
    DWORD exitCode = 1;
    ASSERT_TRUE(setup.RunToEnd(&boxes, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "setup");
    EXPECT_EQ(boxes[0].text, "Installation complete. You can now run the installed program.");
    EXPECT_STREQ(ui::IconName(boxes[0].icon), "exclamation");

    // The log, in the order of the run: the Runtime module first (the list runs backwards), and
    // of the Editor's files the help file first.
    std::vector<std::string> log = {"Sample Editor", "dir " + dest};
    if (platform.counts)
        log.push_back("inc " + system + "\\edrt.dll");
    log.push_back("file 1 1 " + system + "\\edrt.dll");
    log.push_back("dir " + dest + "\\help");
    log.push_back("file 0 0 " + dest + "\\help\\edit.hlp");
    log.push_back("file 0 0 " + dest + "\\edit.exe");
    if (platform.progman) {
        log.push_back("pmngr Sample Editor@Sample Editor");
    } else {
        log.push_back("dir " + menuFolder);
        log.push_back("file 0 0 " + menuFolder + "\\Sample Editor.lnk");
    }
    const std::string key = "key HKEY_LOCAL_MACHINE " + UninstallKey("Sample Editor");
    log.insert(log.end(), {key, key + "\\DisplayName", key + "\\UninstallString"});
    EXPECT_EQ(ReadTextFile(dest + "\\.UnInst.inf"), LogText(log));

    const std::pair<std::string, const char*> files[] = {{system + "\\edrt.dll", "edrt.dll"},
                                                         {dest + "\\help\\edit.hlp", "edit.hlp"},
                                                         {dest + "\\edit.exe", "edit.exe"}};
    for (const auto& [installed, source] : files) {
        EXPECT_TRUE(PathExists(installed)) << installed;
        EXPECT_EQ(ReadTextFile(installed), ReadTextFile(SampleFile(source))) << installed;
    }

    if (platform.progman) {
        EXPECT_FALSE(PathExists(menuFolder)) << "Program Manager keeps the entry";
        const auto groups = progman->Groups();
        ASSERT_EQ(groups.size(), 1u);
        EXPECT_EQ(groups[0].name, "Sample Editor");
        ASSERT_EQ(groups[0].items.size(), 1u);
        EXPECT_EQ(groups[0].items[0].title, "Sample Editor");
        EXPECT_EQ(groups[0].items[0].command, dest + "\\edit.exe");
    } else {
        EXPECT_EQ(LinkTarget(menuFolder + "\\Sample Editor.lnk"), dest + "\\edit.exe");
    }

    DWORD count = 0;
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, system + "\\edrt.dll", &count), platform.counts);
    if (platform.counts) {
        EXPECT_EQ(count, 1u);
    }
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, UninstallKey("Sample Editor"), "DisplayName"), "Sample Editor");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, UninstallKey("Sample Editor"), "UninstallString"),
              dest + "\\Uninstall.exe \"" + dest + "\\.UnInst.inf\"");

    // Each module's status line with its first file; its last file and the bar at its end.
    EXPECT_TRUE(trace.Shows({
        "status Prepering to copy files",
        "file ",
        "range 0 3",
        "status Copying files (Runtime)...",
        "file edrt.dll",
        "pos 1",
        "status Copying files (Editor)...",
        "file help\\edit.hlp",
        "file edit.exe",
        "pos 3",
        "status Registering Uninstall program...",
        "file ",
    }));
}

TEST(Example, TypicalInstallOnEachWindows)
{
    const Platform platforms[] = {
        {"nt40", true, false},
        {"win95", false, false},
        {"nt351", true, true},
    };
    for (const Platform& platform : platforms)
        InstallExample(platform);
}

} // namespace
