// File placement on the running platform kind (the executable runs as Windows 95, NT 3.51 and
// NT 4.0): real files, the prefix's registry, a restart carried out by Wine, the messages as the
// user sees them, and the records read from the log's bytes.
#include "PlacementTestSupport.h"
#include "engine/PathLimit.h"

#include "engine/FilePlacement.h"
#include "engine/Platform.h"
#include "engine/SystemFolders.h"
#include "engine/UninstallLog.h"

#include "HeldFile.h"
#include "MessageBoxes.h"
#include "ProgmanServer.h"
#include "RegistryGuard.h"
#include "ScratchDir.h"
#include "VersionFixtures.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

using namespace testing_support;
using version_fixtures::Place;
using version_fixtures::WrittenOnDay;

namespace {

const char kProduct[] = "Corvel Test";
const char kSharedDlls[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
using Messages = std::vector<std::string>;
const Messages kNone;

bool OnNT(int kind)
{
    return kind == kPlatformNT3 || kind == kPlatformNT4;
}

// An install run's surroundings on the platform the prefix reports: the system folders it
// looked up, a destination directory and Start-menu folders of the test's own, the distribution
// as the current directory, and an open uninstall log.
class Placement : public ::testing::Test {
protected:
    void SetUp() override
    {
        kind = DetectPlatform();
        ASSERT_NE(kind, kPlatformUnknown);
        ASSERT_TRUE(LookupSystemFolders());
        ASSERT_TRUE(MakeDirs(install) && MakeDirs(dist) && MakeDirs(userMenu) && MakeDirs(commonMenu));
        lstrcpynA(context.installDir, install.c_str(), sizeof context.installDir);
        lstrcpynA(context.menuFolder, kProduct, sizeof context.menuFolder);
        lstrcpynA(UserProgramFolderDir, userMenu.c_str(), sizeof UserProgramFolderDir);
        lstrcpynA(ProgramFolderDir, commonMenu.c_str(), sizeof ProgramFolderDir);
        GetCurrentDirectoryA(sizeof savedDir, savedDir);
        ASSERT_TRUE(SetCurrentDirectoryA(dist.c_str()));

        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
        CoInitialize(nullptr);
        context.productName = kProduct;
        context.log = OpenUninstallLog(context.installDir, kProduct);
        ASSERT_NE(context.log, nullptr);
    }

    void TearDown() override
    {
        if (context.log)
            std::fclose(context.log);
        CoUninitialize();
        SetCurrentDirectoryA(savedDir);
    }

    bool Install(int shared, int system, const char* source, const char* dest, int shortcutKind = 0,
                 const char* shortcutName = "")
    {
        ModuleEntry module = MakeModule(shared, system);
        FileEntry file = MakeFile(source, dest, shortcutKind, shortcutName);
        const PlanFolders folders{context.installDir, SystemDir, UserProgramFolderDir, ProgramFolderDir,
                                  context.menuFolder};
        const bool placed = InstallFile(context, PlaceFile(module, file, folders));
        messages = watcher.Take();
        return placed;
    }

    // The records after the log's header, as the bytes on disk.
    std::string Records() const
    {
        const std::string header = std::string(kProduct) + "\r\ndir " + install + "\r\n";
        const std::string text = ReadTextFile(install + "\\.UnInst.inf");
        EXPECT_EQ(text.compare(0, header.size(), header), 0) << text;
        return text.size() < header.size() ? "" : text.substr(header.size());
    }

    // The records added since the last call.
    std::string NewRecords()
    {
        const std::string all = Records();
        const std::string added = all.substr(std::min(seen, all.size()));
        seen = all.size();
        return added;
    }

    std::string Failure(const char* source, const std::string& fileDir, const char* dest,
                        const char* names) const
    {
        return "Failed to install file: " + dist + "\\" + source + " --> " + fileDir + "\\" + dest +
               "\r\nFlags = " + names;
    }

    DWORD Count(const std::string& path) const
    {
        DWORD count = 0;
        return ReadDword(HKEY_LOCAL_MACHINE, kSharedDlls, path, &count) ? count : 0;
    }

    ui::MessageBoxWatcher watcher;
    RegistryKeyGuard sharedDlls{HKEY_LOCAL_MACHINE, kSharedDlls};
    ScratchDir dir{"placement"};
    const std::string install = dir / "install";
    const std::string dist = dir / "dist";
    const std::string userMenu = dir / "menu\\user";
    const std::string commonMenu = dir / "menu\\common";
    char savedDir[MAX_PATH] = "";
    int kind = kPlatformUnknown;
    InstallContext context;
    Messages messages;
    size_t seen = 0;
};

// Placement as the install run does it, knowing its directories: each copy says what it made, so
// a file placed again in a directory the run created is still compared with the first copy.
TEST_F(Placement, InARunThatKnowsItsDirectoriesAFilePlacedAgainIsCompared)
{
    ASSERT_TRUE(Place("v1-2-3-4", dist + "\\x.dll", 10));
    context.runDirectories.Begin();
    EXPECT_TRUE(Install(0, 0, "x.dll", "new\\x.dll"));
    EXPECT_FALSE(Install(0, 0, "x.dll", "new\\x.dll")) << "equal dates: the copy in place stays";
    context.runDirectories.End();
    EXPECT_EQ(messages, kNone);
    EXPECT_EQ(Records(), "dir " + install + "\\new\r\nfile 0 0 " + install + "\\new\\x.dll\r\n");
}

TEST_F(Placement, RecordsOfEachFileInTheirOrder)
{
    ASSERT_TRUE(Place("v1-2-3-4", dist + "\\edit.hlp", 10));
    ASSERT_TRUE(Place("v1-2-3-5", dist + "\\edit.exe", 10));
    ASSERT_TRUE(Place("noversion", dist + "\\readme.txt", 10));
    std::optional<ProgmanServer> progman;
    if (kind == kPlatformNT3) {
        progman.emplace();
        ASSERT_TRUE(progman->Answering());
    }
    const struct {
        const char* source;
        const char* dest;
        int shortcutKind;
        const char* shortcutName;
        std::string target;
        std::string folder; // of its shell link
    } files[] = {
        {"edit.hlp", "help\\edit.hlp", 1, "Sample Help", install + "\\help\\edit.hlp", userMenu},
        {"edit.exe", "edit.exe", 1, "Sample Editor", install + "\\edit.exe", userMenu},
        {"readme.txt", "readme.txt", 7, "Read Me", install + "\\readme.txt", commonMenu},
    };
    std::string expected = "dir " + install + "\\help\r\n";
    for (const auto& f : files) {
        SCOPED_TRACE(f.source);
        EXPECT_TRUE(Install(1, 0, f.source, f.dest, f.shortcutKind, f.shortcutName));
        EXPECT_EQ(messages, kNone);
        EXPECT_EQ(ReadTextFile(f.target), ReadTextFile(dist + "\\" + f.source));
        if (OnNT(kind))
            expected += "inc " + f.target + "\r\n";
        expected += "file 1 0 " + f.target + "\r\n";
        const std::string link = f.folder + "\\" + kProduct + "\\" + f.shortcutName + ".lnk";
        if (kind == kPlatformNT3) {
            expected += std::string("pmngr ") + kProduct + "@" + f.shortcutName + "\r\n";
        } else {
            // The folder is logged for every link, also when it is there already.
            expected += "dir " + f.folder + "\\" + kProduct + "\r\nfile 0 0 " + link + "\r\n";
        }
        EXPECT_EQ(PathExists(link), kind != kPlatformNT3);
        EXPECT_EQ(Count(f.target), OnNT(kind) ? 1u : 0u);
    }
    EXPECT_EQ(Records(), expected);
    EXPECT_EQ(context.rebootNeeded, 0);

    if (progman) {
        const auto groups = progman->Groups();
        ASSERT_EQ(groups.size(), 1u);
        EXPECT_EQ(groups[0].name, kProduct);
        ASSERT_EQ(groups[0].items.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(groups[0].items[i].title, files[i].shortcutName);
            EXPECT_EQ(groups[0].items[i].command, files[i].target);
        }
    }
}

TEST_F(Placement, FileDirectoryOfTheDestination)
{
    ASSERT_TRUE(Place("v1-2-3-4", dist + "\\x.dll", 10));
    ASSERT_TRUE(MakeDirs(install + "\\old"));
    ASSERT_TRUE(MakeDirs(install + "\\a"));
    // 259 characters: the longest destination directory the wizard can hand over.
    const std::string longBase = install + "\\" + std::string(kPathBufferSize - 2 - install.size(), 'L');
    const struct {
        const char* what;
        std::string base; // the install directory
        const char* dest;
        bool placed;
        std::string fileDir;
        bool dirRecord;
        Messages shown;
    } cases[] = {
        {"no sub-directory", install, "x.dll", true, install, false, kNone},
        {"one level", install, "one\\x.dll", true, install + "\\one", true, kNone},
        {"one level, there already", install, "old\\x.dll", true, install + "\\old", false, kNone},
        {"base with its backslash", install + "\\", "two\\x.dll", true, install + "\\two", true, kNone},
        {"two levels, the first there", install, "a\\b\\x.dll", true, install + "\\a\\b", true, kNone},
        // Only the last level is made: the copy finds no directory and fails in both attempts.
        {"two levels, the first missing",
         install,
         "m\\n\\x.dll",
         false,
         install + "\\m\\n",
         false,
         {Failure("x.dll", install + "\\m\\n", "x.dll", "")}},
        // The platform refuses every path below it: the copy fails in both attempts.
        {"beyond the path limit",
         longBase,
         "sub\\x.dll",
         false,
         longBase + "\\sub",
         false,
         {"Copy failed.", "Copy failed.", Failure("x.dll", longBase + "\\sub", "x.dll", "VIF_CANNOTCREATE")}},
    };
    std::string expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        lstrcpynA(context.installDir, c.base.c_str(), sizeof context.installDir);
        EXPECT_EQ(Install(0, 0, "x.dll", c.dest), c.placed);
        EXPECT_EQ(messages, c.shown);
        if (c.dirRecord)
            expected += "dir " + c.fileDir + "\r\n";
        if (c.placed)
            expected += "file 0 0 " + c.fileDir + "\\x.dll\r\n";
        EXPECT_EQ(Records(), expected);
        EXPECT_EQ(WrittenOnDay(c.fileDir + "\\x.dll"), c.placed ? 10 : 0);
    }
}

// The rename of the new copy goes by the path as the name-based calls make it: an update through
// a destination typed with its backslash reaches the file the copy looked at.
TEST_F(Placement, AnUpdateThroughADestinationWithItsBackslash)
{
    ASSERT_TRUE(Place("v1-2-3-5", dist + "\\u.dll", 10));
    ASSERT_TRUE(Place("v1-2-3-4", install + "\\u.dll", 5));
    lstrcpynA(context.installDir, (install + "\\").c_str(), sizeof context.installDir);
    EXPECT_TRUE(Install(0, 0, "u.dll", "u.dll"));
    EXPECT_EQ(messages, kNone);
    EXPECT_EQ(WrittenOnDay(install + "\\u.dll"), 10);
    EXPECT_FALSE(PathExists(install + "\\~u.dll.tmp"));
    EXPECT_EQ(Records(), "file 0 0 " + install + "\\\\u.dll\r\n");
}

TEST_F(Placement, SkippedAndFailedFilesLeaveNoRecord)
{
    const std::string target = install + "\\lib.dll";
    const std::string source = dist + "\\lib.dll";
    std::optional<ProgmanServer> progman;
    if (kind == kPlatformNT3)
        progman.emplace();
    enum Hold { Nothing, Current, Source };
    const struct {
        const char* what;
        int sourceDay;  // 0: no source
        int currentDay; // 0: no copy in place
        DWORD currentAttributes;
        Hold hold;
        bool placed;
        Messages shown;
        const char* dest = "lib.dll";
        DWORD sourceAttributes = FILE_ATTRIBUTE_NORMAL; // from a CD: read-only
    } cases[] = {
        {"equal dates", 10, 10, FILE_ATTRIBUTE_NORMAL, Nothing, false, kNone},
        {"a later copy in place", 10, 20, FILE_ATTRIBUTE_NORMAL, Nothing, false, kNone},
        {"no source",
         0,
         5,
         FILE_ATTRIBUTE_NORMAL,
         Nothing,
         false,
         {Failure("lib.dll", install, "lib.dll", "VIF_CANNOTREADSRC")}},
        {"an older read-only copy", 10, 5, FILE_ATTRIBUTE_READONLY, Nothing, true, kNone},
        {"the copy in place held open",
         10,
         5,
         FILE_ATTRIBUTE_NORMAL,
         Current,
         false,
         {Failure("lib.dll", install, "lib.dll", "")}},
        // The temporary copy took the source's read-only bit, and still goes when it cannot be
        // put in place.
        {"a read-only source, the copy in place held open",
         10,
         5,
         FILE_ATTRIBUTE_NORMAL,
         Current,
         false,
         {Failure("lib.dll", install, "lib.dll", "")},
         "lib.dll",
         FILE_ATTRIBUTE_READONLY},
        // Both attempts fail to read the source and say so; the replacement at the next start
        // cannot read it either, and says nothing more.
        {"the source held open",
         10,
         0,
         FILE_ATTRIBUTE_NORMAL,
         Source,
         false,
         {"Copy failed.", "Copy failed."}},
        // Names the system would change: the file would land where no uninstall reaches it.
        {"a device name",
         10,
         0,
         FILE_ATTRIBUTE_NORMAL,
         Nothing,
         false,
         {Failure("lib.dll", install, "aux.dll", "VIF_CANNOTCREATE")},
         "aux.dll"},
        {"a trailing dot",
         10,
         0,
         FILE_ATTRIBUTE_NORMAL,
         Nothing,
         false,
         {Failure("lib.dll", install + "\\doc.", "lib.dll", "VIF_CANNOTCREATE")},
         "doc.\\lib.dll"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(source);
        RemoveTree(target);
        if (c.sourceDay) {
            ASSERT_TRUE(Place("v1-2-3-5", source, static_cast<WORD>(c.sourceDay)));
            ASSERT_TRUE(SetFileAttributesA(source.c_str(), c.sourceAttributes));
        }
        if (c.currentDay) {
            ASSERT_TRUE(Place("v1-2-3-4", target, static_cast<WORD>(c.currentDay)));
            ASSERT_TRUE(SetFileAttributesA(target.c_str(), c.currentAttributes));
        }
        std::optional<HeldFile> held;
        if (c.hold != Nothing) {
            held.emplace(HeldFile::Open(c.hold == Current ? target : source, 0));
            ASSERT_TRUE(held->Holding());
        }

        EXPECT_EQ(Install(0, 0, "lib.dll", c.dest, 1, "Library"), c.placed);
        EXPECT_EQ(messages, c.shown);
        held.reset();
        EXPECT_EQ(WrittenOnDay(target), c.placed ? c.sourceDay : c.currentDay);
        EXPECT_FALSE(PathExists(target + ".tmp"));
        EXPECT_FALSE(PathExists(install + "\\~lib.dll.tmp")) << "a temporary copy was left";
        SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (c.placed) {
            EXPECT_EQ(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
            EXPECT_EQ(NewRecords().find("file 0 0 " + target + "\r\n"), 0u);
            SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        } else {
            EXPECT_EQ(NewRecords(), "");
        }
    }
    EXPECT_EQ(context.rebootNeeded, 0);
}

TEST_F(Placement, AFileInUseIsReplacedAtTheNextStart)
{
    NextStartGuard nextStart;
    const std::string source = dist + "\\tool.exe";
    const std::string target = install + "\\tool.exe";
    const std::string temp = target + ".tmp";
    ASSERT_TRUE(Place("v1-2-3-5", source, 20));
    ASSERT_TRUE(HeldFile::CopyHolderTo(target));
    ASSERT_TRUE(SetWriteTime(target, 2001, 2, 10));
    const std::string running = ReadTextFile(target);
    HeldFile held = HeldFile::Run(target);
    ASSERT_TRUE(held.Holding());

    // A newer file whose copy in place is a running program: neither skipped nor failed.
    EXPECT_TRUE(Install(1, 0, "tool.exe", "tool.exe"));
    EXPECT_EQ(messages, kNone);
    EXPECT_EQ(context.rebootNeeded, 1);
    EXPECT_EQ(Records(),
              (OnNT(kind) ? "inc " + target + "\r\n" : std::string()) + "file 1 0 " + target + "\r\n");
    EXPECT_EQ(Count(target), OnNT(kind) ? 1u : 0u);
    EXPECT_EQ(ReadTextFile(target), running);
    EXPECT_EQ(ReadTextFile(temp), ReadTextFile(version_fixtures::Path("v1-2-3-5")));
    EXPECT_EQ(WrittenOnDay(source), 20) << "the distribution lost its file";

    // Windows 95 reads wininit.ini before long names exist: the pair is in the short forms.
    char renamed[MAX_PATH] = "";
    GetPrivateProfileStringA("rename", ShortPath(target).c_str(), "", renamed, sizeof renamed, "wininit.ini");
    if (kind == kPlatformWin95) {
        EXPECT_NE(ShortPath(temp), temp) << "the scratch folder has a long name";
        EXPECT_EQ(std::string(renamed), ShortPath(temp));
        EXPECT_TRUE(PendingMoves().empty());
    } else {
        EXPECT_EQ(std::string(renamed), "");
        EXPECT_EQ(PendingMoves(), (std::vector<std::string>{"\\??\\" + temp, "!\\??\\" + target}));
    }

    // The flag only ever goes up: an ordinary file after it leaves it set.
    ASSERT_TRUE(Place("v1-2-3-4", dist + "\\plain.dll", 10));
    EXPECT_TRUE(Install(0, 0, "plain.dll", "plain.dll"));
    EXPECT_EQ(context.rebootNeeded, 1);

    held.Release();
    ASSERT_TRUE(RestartWindows());
    EXPECT_EQ(ReadTextFile(target), ReadTextFile(version_fixtures::Path("v1-2-3-5")));
    EXPECT_FALSE(PathExists(temp));
    EXPECT_TRUE(PendingMoves().empty());
    EXPECT_FALSE(PathExists(NextStartGuard::WininitPath()));
}

TEST_F(Placement, AFileInUseOnAnUnknownPlatformIsNotInstalled)
{
    NextStartGuard nextStart;
    const std::string target = install + "\\tool.exe";
    ASSERT_TRUE(Place("v1-2-3-5", dist + "\\tool.exe", 20));
    ASSERT_TRUE(HeldFile::CopyHolderTo(target));
    ASSERT_TRUE(SetWriteTime(target, 2001, 2, 10));
    HeldFile held = HeldFile::Run(target);
    ASSERT_TRUE(held.Holding());

    PlatformKind = kPlatformUnknown;
    const bool placed = Install(1, 0, "tool.exe", "tool.exe");
    PlatformKind = kind;
    EXPECT_FALSE(placed);
    EXPECT_EQ(messages,
              Messages{"Dont know how to install shared files on this syste. Shared files will not be "
                       "installed. if they are in use by Windows."});
    EXPECT_EQ(Records(), "");
    EXPECT_EQ(context.rebootNeeded, 0);
    EXPECT_FALSE(PathExists(target + ".tmp"));
    EXPECT_TRUE(PendingMoves().empty());
}

TEST_F(Placement, SharedFileCopiesInTheWindowsDirectories)
{
    const char name[] = "corvdup.dll";
    WindowsCopiesGuard copies(name);
    const std::string target = std::string(SystemDir) + "\\" + name;
    const std::string tested[] = {std::string(WindowsDir) + "\\" + name,
                                  std::string(WindowsDir) + "\\System\\" + name,
                                  std::string(WindowsDir) + "\\System32\\" + name};
    ASSERT_EQ(copies.Path(2), target) << "the tests expect the system directory to be system32";
    ASSERT_TRUE(Place("v1-2-3-5", dist + "\\" + name, 10));
    const std::string warning = std::string("Warning. Multiple copies of the shared file ") + name +
                                " is found in the following paths:";
    const std::string closing = "\r\nThis can cause problems with this and other programs. Please consider "
                                "appropriate actions to resolve this possible problem.";

    const struct {
        const char* what;
        int days[3]; // of the copies in Windows, System, System32; 0: none
        bool placed;
        Messages shown;
        bool kept[3]; // the copy is still there afterwards
    } cases[] = {
        {"one, older, in the Windows directory: compared and deleted there",
         {5, 0, 0},
         true,
         kNone,
         {false, false, true}},
        {"one, later, in the Windows directory: compared there",
         {20, 0, 0},
         false,
         kNone,
         {true, false, false}},
        {"one, older, in System", {0, 5, 0}, true, kNone, {false, false, true}},
        {"Windows and System32: the last one found is current",
         {5, 0, 5},
         true,
         {warning + "\r\n" + tested[0] + "\r\n" + tested[2] + closing},
         {true, false, true}},
        {"all three",
         {5, 5, 5},
         true,
         {warning + "\r\n" + tested[0] + "\r\n" + tested[1] + "\r\n" + tested[2] + closing},
         {true, true, true}},
    };
    std::string expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int place = 0; place < 3; ++place) {
            RemoveTree(copies.Path(place));
            if (c.days[place]) {
                ASSERT_TRUE(Place("v1-2-3-4", copies.Path(place), static_cast<WORD>(c.days[place])));
            }
        }

        EXPECT_EQ(Install(0, 1, name, name), c.placed);
        EXPECT_EQ(messages, c.shown);
        for (int place = 0; place < 3; ++place)
            EXPECT_EQ(PathExists(copies.Path(place)), c.kept[place]) << place;
        EXPECT_EQ(WrittenOnDay(target), c.placed ? 10 : 0);
        if (c.placed && OnNT(kind))
            expected += "inc " + target + "\r\n";
        if (c.placed)
            expected += "file 0 1 " + target + "\r\n";
        EXPECT_EQ(Records(), expected);
    }
}

// A destination volume that fills up (drive Q:, 64 KiB, made by the full-volume fixture): the
// disk-space message shows once for the file, no part of it and no record is left, and the next
// file that fits goes on.
class FullVolume : public Placement {};

TEST_F(FullVolume, TheDiskSpaceMessageShowsOnceAndTheNextFileGoesOn)
{
    const std::string fileDir = "Q:\\Corvel";
    if (GetDriveTypeA("Q:\\") == DRIVE_NO_ROOT_DIR)
        GTEST_SKIP() << "no full volume on Q: (the full-volume fixture mounts one as root)";
    RemoveTree(fileDir);
    ASSERT_TRUE(CreateDirectoryA(fileDir.c_str(), nullptr));
    lstrcpynA(context.installDir, fileDir.c_str(), sizeof context.installDir);
    ASSERT_TRUE(WriteTextFile(dist + "\\big.bin", std::string(256 * 1024, 'b')));
    ASSERT_TRUE(WriteTextFile(dist + "\\small.txt", "small"));

    EXPECT_FALSE(Install(0, 0, "big.bin", "big.bin"));
    EXPECT_EQ(messages,
              (Messages{"Copy failed.", "The file can not be copied due to insufficient disk space."}));
    EXPECT_TRUE(Install(0, 0, "small.txt", "small.txt"));
    EXPECT_EQ(messages, kNone);

    std::set<std::string> left;
    ListTree(fileDir, false, &left);
    EXPECT_EQ(left, std::set<std::string>{fileDir + "\\small.txt"});
    EXPECT_EQ(NewRecords(), "file 0 0 " + fileDir + "\\small.txt\r\n");
    RemoveTree(fileDir);
}

} // namespace
