// The installation after Finish, through the real program: what it does with the destination
// directory and the log, what it shows on its progress window while it works, and how it ends.
#include "HeldFile.h"
#include "InstallTestSupport.h"
#include "NextStart.h"
#include "ScreenImage.h"
#include "SetupSession.h"
#include "Waiting.h"
#include "WindowQueries.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>

using namespace e2e;
using namespace testing_support;
using ui::WizardButton;

namespace {

const char kComplete[] = "Installation complete. You can now run the installed program.";
const char kReboot[] = "Installation complete. You must now reboot the machine.";

std::vector<std::string> KeyRecords(const std::string& product)
{
    const std::string key = "key HKEY_LOCAL_MACHINE " + UninstallKey(product);
    return {key, key + "\\DisplayName", key + "\\UninstallString"};
}

std::vector<std::string> Texts(const std::vector<ui::MessageBoxSeen>& boxes)
{
    std::vector<std::string> texts;
    for (const ui::MessageBoxSeen& box : boxes)
        texts.push_back(box.text);
    return texts;
}

// An installation through the wizard's defaults into dest; the texts of the boxes it showed.
std::vector<std::string> Install(const Distribution& dist, const std::string& dest)
{
    SetupSession setup(dist.Dir());
    std::vector<ui::MessageBoxSeen> boxes;
    if (!InstallWithDefaults(setup, dest) || !setup.RunToEnd(&boxes))
        return {"(the installation did not run to its end)"};
    return Texts(boxes);
}

TEST(Run, WithNoModuleSelectedRegistersAndReportsCompletion)
{
    Distribution dist("e2e-run-none");
    ASSERT_TRUE(PrepareProduct(dist, "Corvel None", "Corvel None", {{"Extras", 0, 0, {"extra.txt"}}}));
    ProductGuard product("Corvel None");
    ProgressTrace trace;
    const std::string dest = dist.Target("None");
    EXPECT_EQ(Install(dist, dest), std::vector<std::string>{kComplete});

    std::vector<std::string> log = {"Corvel None", "dir " + dest};
    for (const std::string& record : KeyRecords("Corvel None"))
        log.push_back(record);
    EXPECT_EQ(ReadTextFile(dest + "\\.UnInst.inf"), LogText(log));
    EXPECT_FALSE(PathExists(dest + "\\extra.txt"));
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, UninstallKey("Corvel None"), "DisplayName"), "Corvel None");
    EXPECT_TRUE(trace.Shows(
        {"status Prepering to copy files", "file ", "range 0 0", "status Registering Uninstall program..."}));
}

TEST(Run, ASelectedModuleWithoutFilesStillShowsItsStatus)
{
    Distribution dist("e2e-run-empty");
    ASSERT_TRUE(PrepareProduct(dist, "Corvel Empty", "Corvel Empty",
                               {{"Empty", 1, 1, {}}, {"Docs", 1, 1, {"docs.txt"}}}));
    ProductGuard product("Corvel Empty");
    ProgressTrace trace;
    const std::string dest = dist.Target("Empty");
    EXPECT_EQ(Install(dist, dest), std::vector<std::string>{kComplete});
    EXPECT_TRUE(PathExists(dest + "\\docs.txt"));
    EXPECT_TRUE(
        trace.Shows({"status Prepering to copy files", "file ", "range 0 1", "status Copying files (Docs)...",
                     "file docs.txt", "pos 1", "status Copying files (Empty)...", "file ",
                     "status Registering Uninstall program..."}));
}

TEST(Run, AnExistingDestinationIsUsedAsItIs)
{
    Distribution dist("e2e-run-existing");
    ASSERT_TRUE(PrepareProduct(dist, "Corvel Existing", "Corvel Existing", {{"Main", 1, 1, {"main.txt"}}}));
    ProductGuard product("Corvel Existing");
    const std::string dest = dist.Target("Existing");
    ASSERT_TRUE(MakeDirs(dest));
    ASSERT_TRUE(WriteTextFile(dest + "\\notes.txt", "the user's own\r\n"));
    EXPECT_EQ(Install(dist, dest), std::vector<std::string>{kComplete});
    EXPECT_EQ(ReadTextFile(dest + "\\notes.txt"), "the user's own\r\n");
    std::vector<std::string> log = {"Corvel Existing", "dir " + dest, "file 0 0 " + dest + "\\main.txt"};
    for (const std::string& record : KeyRecords("Corvel Existing"))
        log.push_back(record);
    EXPECT_EQ(ReadTextFile(dest + "\\.UnInst.inf"), LogText(log));
}

TEST(Run, TwoInstallsIntoOneDirectoryShareOneHeader)
{
    Distribution first("e2e-run-first");
    Distribution second("e2e-run-second");
    ASSERT_TRUE(PrepareProduct(first, "Corvel First", "Corvel First", {{"Main", 1, 1, {"first.txt"}}}));
    ASSERT_TRUE(PrepareProduct(second, "Corvel Second", "Corvel Second", {{"Main", 1, 1, {"second.txt"}}}));
    ProductGuard firstProduct("Corvel First");
    ProductGuard secondProduct("Corvel Second");
    const std::string dest = first.Target("Shared");
    EXPECT_EQ(Install(first, dest), std::vector<std::string>{kComplete});
    EXPECT_EQ(Install(second, dest), std::vector<std::string>{kComplete});

    std::vector<std::string> log = {"Corvel First", "dir " + dest, "file 0 0 " + dest + "\\first.txt"};
    for (const std::string& record : KeyRecords("Corvel First"))
        log.push_back(record);
    log.push_back("file 0 0 " + dest + "\\second.txt");
    for (const std::string& record : KeyRecords("Corvel Second"))
        log.push_back(record);
    EXPECT_EQ(ReadTextFile(dest + "\\.UnInst.inf"), LogText(log));
    const std::string command = dest + "\\Uninstall.exe \"" + dest + "\\.UnInst.inf\"";
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, UninstallKey("Corvel First"), "UninstallString"), command);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, UninstallKey("Corvel Second"), "UninstallString"), command);
}

// A run that stops after Finish with its message shown over the progress window: the message,
// and what the progress window said meanwhile.
struct Stopped {
    ui::MessageBoxSeen box;
    bool progressShown = false;
    std::string status;
    std::string file;
};

Stopped StopAtFirstMessage(SetupSession& setup)
{
    Stopped stopped;
    if (!ui::WaitForMessageBox(setup.Id(), kRunMs, &stopped.box, false))
        return stopped;
    HWND progress = ui::FindTopWindow({CAPTION_PROGRESS, "#32770", setup.Id()});
    stopped.progressShown = progress && IsWindowVisible(progress);
    stopped.status = ui::ControlText(progress, IDC_STATUSLINE);
    stopped.file = ui::ControlText(progress, IDC_FILELINE);
    return stopped;
}

TEST(Run, ADestinationThatCannotBeCreatedEndsTheRun)
{
    Distribution dist("e2e-run-noparent");
    ASSERT_TRUE(PrepareProduct(dist, "Corvel No Parent", "Corvel No Parent", {{"Main", 1, 1, {"main.txt"}}}));
    ProductGuard product("Corvel No Parent");
    // A destination whose parent is missing, and one on a drive that does not exist.
    for (const std::string& dest : {dist.Target("missing\\NoParent"), std::string("P:\\Corvel No Parent")}) {
        SCOPED_TRACE(dest);
        ASSERT_EQ(GetDriveTypeA("P:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
        ProgressTrace trace;
        SetupSession setup(dist.Dir());
        ASSERT_TRUE(InstallWithDefaults(setup, dest));
        const Stopped stopped = StopAtFirstMessage(setup);
        EXPECT_EQ(stopped.box.caption, "setup");
        EXPECT_EQ(stopped.box.text, "Failed to create destination directory. Install aborted.");
        EXPECT_STREQ(ui::IconName(stopped.box.icon), "exclamation");
        EXPECT_TRUE(stopped.progressShown) << "the progress window stays up behind the message";
        EXPECT_EQ(stopped.status, "Prepering to copy files");

        std::vector<ui::MessageBoxSeen> rest;
        ASSERT_TRUE(setup.RunToEnd(&rest));
        EXPECT_EQ(Texts(rest),
                  std::vector<std::string>{"Failed to create destination directory. Install aborted."});
        EXPECT_FALSE(PathExists(dist.Target("missing")));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey("Corvel No Parent")));
        EXPECT_TRUE(trace.Shows({"status Prepering to copy files", "file "}));
    }
}

TEST(Run, ALogThatCannotBeOpenedEndsTheRun)
{
    enum Block { kDirectoryOfItsName, kHeldWithoutSharing };
    for (Block block : {kDirectoryOfItsName, kHeldWithoutSharing}) {
        SCOPED_TRACE(block == kDirectoryOfItsName ? "a directory of its name" : "held without sharing");
        Distribution dist("e2e-run-nolog");
        ASSERT_TRUE(PrepareProduct(dist, "Corvel No Log", "Corvel No Log", {{"Main", 1, 1, {"main.txt"}}}));
        ProductGuard product("Corvel No Log");
        const std::string dest = dist.Target("NoLog");
        const std::string log = dest + "\\.UnInst.inf";
        std::optional<HeldFile> held;
        if (block == kDirectoryOfItsName) {
            ASSERT_TRUE(MakeDirs(log));
        } else {
            ASSERT_TRUE(MakeDirs(dest) && WriteTextFile(log, ""));
            held.emplace(HeldFile::Open(log, 0));
            ASSERT_TRUE(held->Holding());
        }
        SetupSession setup(dist.Dir());
        ASSERT_TRUE(InstallWithDefaults(setup, dest));
        const Stopped stopped = StopAtFirstMessage(setup);
        EXPECT_EQ(stopped.box.text, "Failed to create Uninstall information file. Install aborted.");
        EXPECT_TRUE(stopped.progressShown);
        std::vector<ui::MessageBoxSeen> rest;
        ASSERT_TRUE(setup.RunToEnd(&rest));
        EXPECT_EQ(rest.size(), 1u);
        held.reset();
        EXPECT_TRUE(PathExists(dest));
        EXPECT_FALSE(PathExists(dest + "\\main.txt"));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey("Corvel No Log")));
    }
}

TEST(Run, AFileInUseIsReplacedAtTheNextStartAndAsksForAReboot)
{
    struct Case {
        const char* version;
        bool pendingMoves; // Windows NT; Windows 95 lists the rename in wininit.ini
    } cases[] = {{"nt40", true}, {"win95", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        WindowsVersion version(c.version);
        NextStartGuard nextStart;
        Distribution dist("e2e-run-inuse");
        ASSERT_TRUE(PrepareProduct(dist, "Corvel In Use", "Corvel In Use", {{"Main", 1, 1, {"tool.exe"}}}));
        ProductGuard product("Corvel In Use");
        const std::string dest = dist.Target("InUse");
        const std::string target = dest + "\\tool.exe";
        ASSERT_TRUE(MakeDirs(dest));
        ASSERT_TRUE(HeldFile::CopyHolderTo(target));
        ASSERT_TRUE(SetWriteTime(target, 2001, 2, 10)); // older than the distribution's
        HeldFile running = HeldFile::Run(target);
        ASSERT_TRUE(running.Holding());

        EXPECT_EQ(Install(dist, dest), std::vector<std::string>{kReboot});
        std::vector<std::string> log = {"Corvel In Use", "dir " + dest, "file 0 0 " + target};
        for (const std::string& record : KeyRecords("Corvel In Use"))
            log.push_back(record);
        EXPECT_EQ(ReadTextFile(dest + "\\.UnInst.inf"), LogText(log));
        EXPECT_EQ(ReadTextFile(target + ".tmp"), "tool.exe\r\n")
            << "the new file waits beside the one in use";
        if (c.pendingMoves) {
            EXPECT_EQ(PendingMoves(),
                      (std::vector<std::string>{"\\??\\" + target + ".tmp", "!\\??\\" + target}));
        } else {
            EXPECT_EQ(ReadTextFile(NextStartGuard::WininitPath()),
                      "[rename]\r\n" + ShortPath(target) + "=" + ShortPath(target + ".tmp") + "\r\n")
                << "in the short forms that Windows 95 reads before long names exist";
        }
    }
}

TEST(Run, TheProgressWindowShowsTheModuleTheFileAndTheBarAsItGoes)
{
    // A shared file with copies in two Windows directories stops the run with its warning, with
    // the progress window at that file.
    const std::string windowsCopy = WindowsDir() + "\\corvdup.dll";
    const std::string systemCopy = SystemDir() + "\\corvdup.dll";
    PathGuard copies({windowsCopy, systemCopy});
    ASSERT_TRUE(WriteTextFile(windowsCopy, "old\r\n") && SetWriteTime(windowsCopy, 2001, 2, 10));
    ASSERT_TRUE(WriteTextFile(systemCopy, "old\r\n") && SetWriteTime(systemCopy, 2001, 2, 10));
    Distribution dist("e2e-run-progress");
    ASSERT_TRUE(dist.WriteScript(
        "^AScript^A 1\nCorvel Progress\nCorvel Progress\n1 1 1\n"
        "@^AShared^A 1 1 1 1 1 1 1\n^Acorvdup.dll^A ^A(NULL)^A 0 ^A^A\n"
        "@^ATools^A 1 1 1 0 0 1 1\n^Aone.txt^A ^A(NULL)^A 0 ^A^A\n^Atwo.txt^A ^A(NULL)^A 0 ^A^A\n"));
    ASSERT_TRUE(dist.AddFile("corvdup.dll", "new\r\n") && dist.AddFile("one.txt", "1") &&
                dist.AddFile("two.txt", "2"));
    ProductGuard product("Corvel Progress");
    const std::string dest = dist.Target("Progress");
    SetupSession setup(dist.Dir());
    ASSERT_TRUE(InstallWithDefaults(setup, dest));

    const Stopped stopped = StopAtFirstMessage(setup);
    EXPECT_EQ(stopped.box.text,
              "Warning. Multiple copies of the shared file corvdup.dll is found in the following "
              "paths:\r\n" +
                  windowsCopy + "\r\n" + WindowsDir() + "\\System32\\corvdup.dll" +
                  "\r\nThis can cause problems with this and other programs. Please consider "
                  "appropriate actions to resolve this possible problem.");
    ASSERT_TRUE(stopped.progressShown);
    EXPECT_EQ(stopped.status, "Copying files (Shared)...");
    EXPECT_EQ(stopped.file, "corvdup.dll");
    HWND progress = ui::FindTopWindow({CAPTION_PROGRESS, "#32770", setup.Id()});
    HWND bar = GetDlgItem(progress, IDC_PROGRESSBAR);
    LRESULT position = -1, high = -1;
    EXPECT_TRUE(ui::SendWithin(bar, PBM_GETPOS, 0, 0, kEffectMs, &position));
    EXPECT_TRUE(ui::SendWithin(bar, PBM_GETRANGE, FALSE, 0, kEffectMs, &high));
    EXPECT_EQ(position, 2) << "the Tools module's two files are placed";
    EXPECT_EQ(high, 3);
    const std::string picture = ui::ScreenshotPath("progress");
    if (!picture.empty()) {
        EXPECT_TRUE(ui::SaveWindowImage(progress, picture));
    }

    std::vector<ui::MessageBoxSeen> rest;
    ASSERT_TRUE(setup.RunToEnd(&rest));
    EXPECT_EQ(Texts(rest), (std::vector<std::string>{stopped.box.text, kComplete}));
    EXPECT_EQ(ReadTextFile(systemCopy), "new\r\n");
    DWORD count = 0;
    EXPECT_TRUE(ReadDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, systemCopy, &count));
    EXPECT_EQ(count, 1u);
}

} // namespace
