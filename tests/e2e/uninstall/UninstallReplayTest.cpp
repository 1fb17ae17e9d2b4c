// Uninstall.exe replaying real logs: what goes, in which order, and what it prints on the way.
#include "ConsoleProgram.h"
#include "HeldFile.h"
#include "NextStart.h"
#include "NoProgramManager.h"
#include "ProgmanServer.h"
#include "RegistryGuard.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace testing_support;

namespace {

const char kSharedDlls[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const char kUninstallKeys[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

std::string Replayed(const std::string& product, const std::string& replayOutput)
{
    return "This program will uninstall " + product +
           "\r\n\r\nPress Y and [ENTER] to uninstall or just [ENTER] to abort." + product +
           " will now be uninstalled\r\n\r\n" + replayOutput + "Done. Press [ENTER] to exit.";
}

bool IsEmptyDirectory(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    int entries = 0;
    do
        ++entries;
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return entries == 2; // "." and ".."
}

// An install of the sample product on Windows NT 4, laid out in the scratch folder: its files,
// its link, the count of its shared runtime, its uninstall registration, and its log.
TEST(UninstallReplay, TheSampleInstallIsUndoneNewestFirst)
{
    ScratchDir dir("uninstall-sample");
    const std::string dest = dir / "Apps\\Sample";
    const std::string help = dest + "\\help";
    const std::string system = dir / "WINNT\\system32";
    const std::string menu = dir / "Menu\\Programs\\Sample Editor";
    const std::string runtime = system + "\\edrt.dll";
    const std::string link = menu + "\\Sample Editor.lnk";
    const std::string productKey = std::string(kUninstallKeys) + "\\Sample Editor";
    RegistryKeyGuard counts(HKEY_LOCAL_MACHINE, kSharedDlls);
    RegistryKeyGuard registration(HKEY_LOCAL_MACHINE, productKey);

    for (const auto& folder : {help, system, menu})
        ASSERT_TRUE(MakeDirs(folder));
    for (const auto& file : {runtime, help + "\\edit.hlp", dest + "\\edit.exe", link})
        ASSERT_TRUE(WriteTextFile(file, "installed"));
    ASSERT_TRUE(SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, runtime, 1));
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, productKey, "DisplayName", "Sample Editor"));
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, productKey, "UninstallString",
                          dest + "\\Uninstall.exe \"" + dest + "\\.UnInst.inf\""));
    const std::string log = dest + "\\.UnInst.inf";
    ASSERT_TRUE(WriteTextFile(log, Lines({
                                       "Sample Editor",
                                       "dir " + dest,
                                       "inc " + runtime,
                                       "file 1 1 " + runtime,
                                       "dir " + help,
                                       "file 0 0 " + help + "\\edit.hlp",
                                       "file 0 0 " + dest + "\\edit.exe",
                                       "dir " + menu,
                                       "file 0 0 " + link,
                                       "key HKEY_LOCAL_MACHINE " + productKey,
                                       "key HKEY_LOCAL_MACHINE " + productKey + "\\DisplayName",
                                       "key HKEY_LOCAL_MACHINE " + productKey + "\\UninstallString",
                                   })));

    // As the removal panel starts it: the registered command's quoted log path.
    auto run = e2e::RunToEnd(CORVEL_UNINSTALL_EXE, "\"" + log + "\"", dir.Path(), "y\r\n");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output,
              Replayed("Sample Editor", "Deleting file " + link + "  .. Deleted.\r\n" + "Deleting file " +
                                            dest + "\\edit.exe  .. Deleted.\r\n" + "Deleting file " + help +
                                            "\\edit.hlp  .. Deleted.\r\n"));

    // Each folder went only because its files went before it; the destination held the log.
    EXPECT_FALSE(PathExists(menu));
    EXPECT_FALSE(PathExists(help));
    EXPECT_TRUE(IsEmptyDirectory(dest));
    EXPECT_FALSE(PathExists(runtime)) << "its count went from 1 to 0";
    DWORD count;
    EXPECT_FALSE(ReadDword(HKEY_LOCAL_MACHINE, kSharedDlls, runtime, &count))
        << "the count goes with the file";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, productKey)) << "the key goes, values and all";
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKeys));
    EXPECT_TRUE(IsEmptyDirectory(system));
    EXPECT_TRUE(IsEmptyDirectory(dir / "Menu\\Programs")) << "only what the log names goes";
}

TEST(UninstallReplay, OnlyFileRecordsWithBothNumbersZeroDeleteTheirFile)
{
    ScratchDir dir("uninstall-files");
    struct File {
        const char* record; // the record, before the file's path
        const char* name;
        bool exists;
        bool held;
        const char* printed;   // what the replay prints after "Deleting file <path> ", if anything
        bool readOnly = false; // copied so from a read-only distribution
    } files[] = {
        {"file 0 0 ", "plain.txt", true, false, " .. Deleted.\r\n"},
        // Already gone (a run stopped right after deleting it): nothing is left to delete.
        {"file 0 0 ", "missing.txt", false, false, " .. Deleted.\r\n"},
        {"file 0 0 ", "read-only.txt", true, false, " .. Deleted.\r\n", true},
        {"file 0 0 ", "held.txt", true, true, " .. Failed to delete file.\r\n"},
        {"file 1 0 ", "shared.txt", true, false, nullptr},
        {"file 0 1 ", "system.txt", true, false, nullptr},
        {"file 1 1 ", "both.txt", true, false, nullptr},
        {"fxyz 0 0 ", "misspelled.txt", true, false, " .. Deleted.\r\n"},
        {"File 0 0 ", "capital.txt", true, false, nullptr},
        {" file 0 0 ", "indented.txt", true, false, nullptr},
    };
    // Beside the files: what a killed setup left of its copies (marked hidden and system while
    // written), and the user's own files of such names.
    const struct {
        const char* name;
        DWORD attributes;
        bool stays;
    } beside[] = {
        {"~cv1a2b3.tmp", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false},
        {"~cv1a2", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY, false},
        {"~cv4d5e6.tmp", FILE_ATTRIBUTE_HIDDEN, true},
        {"~plain.txt.tmp", FILE_ATTRIBUTE_NORMAL, true},
    };
    for (const auto& b : beside) {
        ASSERT_TRUE(WriteTextFile(dir / b.name, "left"));
        ASSERT_TRUE(SetFileAttributesA((dir / b.name).c_str(), b.attributes));
    }
    // A directory of the log's that holds nothing but such a copy: killed before its first file.
    const std::string copyOnly = dir / "copy-only", copy = copyOnly + "\\~cv7f8e9.tmp";
    ASSERT_TRUE(MakeDirs(copyOnly));
    ASSERT_TRUE(WriteTextFile(copy, ""));
    ASSERT_TRUE(SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    std::vector<std::string> lines = {"Files Product", "dir " + copyOnly};
    std::vector<HeldFile> holders;
    for (const auto& f : files) {
        const std::string path = dir / f.name;
        if (f.exists) {
            ASSERT_TRUE(WriteTextFile(path, "installed"));
        }
        if (f.readOnly) {
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        if (f.held) {
            holders.push_back(HeldFile::Open(path, 0));
            ASSERT_TRUE(holders.back().Holding());
        }
        lines.push_back(f.record + path);
    }
    ASSERT_TRUE(WriteTextFile(dir / "files.inf", Lines(lines)));

    auto run = e2e::RunToEnd(CORVEL_UNINSTALL_EXE, "files.inf", dir.Path(), "y\r\n");
    std::string printed;
    for (auto f = std::rbegin(files); f != std::rend(files); ++f)
        if (f->printed)
            printed += "Deleting file " + (dir / f->name) + " " + f->printed;
    EXPECT_EQ(run.output, Replayed("Files Product", printed));
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(PathExists(copyOnly)) << "a directory kept by a killed setup's copy";
    for (const auto& f : files) {
        bool gone = f.printed && std::string(f.printed) == " .. Deleted.\r\n";
        EXPECT_EQ(PathExists(dir / f.name), f.exists && !gone) << f.name;
    }
    for (const auto& b : beside) {
        EXPECT_EQ(PathExists(dir / b.name), b.stays) << b.name;
        SetFileAttributesA((dir / b.name).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// On Windows NT 3.x the shortcut is a Program Manager item: the replay removes it, and the group
// with its last item; with no Program Manager to answer, the failure is printed and the replay
// goes on.
TEST(UninstallReplay, TheProgramManagerEntryOfAnNt3InstallGoes)
{
    struct Case {
        const char* what;
        bool serverRuns;
        const char* printed;
    } cases[] = {
        {"Program Manager running", true, ""},
        {"no Program Manager", false, "****DdeClientTransaction Failed"},
    };
    for (const auto& c : cases) {
        ScratchDir dir("uninstall-progman");
        const std::string dest = dir / "Apps\\Sample";
        ASSERT_TRUE(MakeDirs(dest));
        ASSERT_TRUE(WriteTextFile(dest + "\\edit.exe", "installed"));
        ASSERT_TRUE(WriteTextFile(dest + "\\.UnInst.inf", Lines({
                                                              "Sample Editor",
                                                              "dir " + dest,
                                                              "file 0 0 " + dest + "\\edit.exe",
                                                              "pmngr Sample Editor@Sample Editor",
                                                          })));
        NoProgramManager none;
        ASSERT_TRUE(none.Silent());
        ProgmanServerOptions options;
        options.startup = {"[CreateGroup(Sample Editor)]", "[AddItem(" + dest + "\\edit.exe,Sample Editor)]"};
        std::unique_ptr<ProgmanServer> server;
        if (c.serverRuns) {
            server.reset(new ProgmanServer(options));
            ASSERT_TRUE(server->Answering());
        }

        auto run = e2e::RunToEnd(CORVEL_UNINSTALL_EXE, ".UnInst.inf", dest, "y\r\n");
        EXPECT_EQ(run.output, Replayed("Sample Editor", std::string(c.printed) + "Deleting file " + dest +
                                                            "\\edit.exe  .. Deleted.\r\n"))
            << c.what;
        EXPECT_EQ(run.exitCode, 0u) << c.what;
        if (server) {
            EXPECT_TRUE(server->Groups().empty()) << c.what;
        }
    }
}

// Lines the setup program never writes: cut short, without their separator, naming a key's parent
// by a trailing backslash, or longer than the line buffer. None of them may change anything.
TEST(UninstallReplay, RecordsThatCannotBeTakenApartChangeNothing)
{
    ScratchDir dir("uninstall-malformed");
    const std::string kept = dir / "kept.txt";
    const std::string testKeys = "SOFTWARE\\Corvel Tests";
    const std::string keptKey = testKeys + "\\Kept";
    RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, testKeys);
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, keptKey, "Value", "data"));
    ASSERT_TRUE(WriteTextFile(kept, "installed"));
    // The tail of an over-long line would be a record of its own if lines were only cut short.
    const std::string overlong = "dir " + std::string(1035, 'x') + "file 0 0 " + kept;
    ASSERT_TRUE(WriteTextFile(dir / "malformed.inf", Lines({
                                                         "Malformed Product",
                                                         overlong,
                                                         "file 0 0",
                                                         "f",
                                                         "di",
                                                         "inc",
                                                         "pmngr",
                                                         "pmngr no separator",
                                                         "key HKEY_LOCAL_MACHINE " + keptKey + "\\",
                                                         "key HKEY_LOCAL_MACHINE Kept",
                                                         "key hkey_local_machine " + keptKey,
                                                         "key HKEY_LOCAL_MACHINE",
                                                         "",
                                                         "xfile 0 0 " + kept,
                                                     })));

    auto run = e2e::RunToEnd(CORVEL_UNINSTALL_EXE, "malformed.inf", dir.Path(), "y\r\n");
    EXPECT_EQ(run.output, Replayed("Malformed Product", ""));
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(PathExists(kept));
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, keptKey, "Value"), "data");
}

// A script without a Start-menu folder once logged the Programs folder itself: an empty folder of
// the system's stays, however the log spells it, while a product's own empty folder goes.
TEST(UninstallReplay, AFolderOfTheSystemNeverGoes)
{
    ScratchDir dir("uninstall-system-folders");
    const std::string programs = dir / "Start Menu\\Programs";
    const std::string own = dir / "Start Menu\\Programs\\Product";
    const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    RegistryValueGuard guard(HKEY_CURRENT_USER, kShellFolders, "Programs");
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, kShellFolders, "Programs", programs));
    ASSERT_TRUE(MakeDirs(own));
    std::string upper = programs;
    CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    ASSERT_TRUE(WriteTextFile(dir / "folders.inf", Lines({
                                                       "Folders Product",
                                                       "dir " + programs + "\\",
                                                       "dir " + upper,
                                                       "dir " + programs + "\\",
                                                       "dir " + own,
                                                   })));

    auto run = e2e::RunToEnd(CORVEL_UNINSTALL_EXE, "folders.inf", dir.Path(), "y\r\n");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(PathExists(own));
    EXPECT_TRUE(IsEmptyDirectory(programs));
}

} // namespace

// The uninstaller lies in the product's directory and runs from there, as the registered command
// starts it; Windows deletes no running program, so its own file goes at the next start.
TEST(UninstallReplay, ItsOwnFileGoesAtTheNextStartOfWindows)
{
    NextStartGuard nextStart;
    ScratchDir dir("uninstall-self");
    const std::string dest = dir / "Product";
    const std::string exe = dest + "\\Uninstall.exe";
    const std::string log = dest + "\\.UnInst.inf";
    ASSERT_TRUE(MakeDirs(dest));
    ASSERT_TRUE(CopyFileA(CORVEL_UNINSTALL_EXE, exe.c_str(), FALSE));
    ASSERT_TRUE(WriteTextFile(log, Lines({"Self Product", "dir " + dest, "file 0 0 " + exe})));
    // Another program has left a file of its own to delete at the next start.
    const std::string other = dir / "other.dll";
    ASSERT_TRUE(WriteTextFile(other, "x"));
    char shortOther[MAX_PATH];
    ASSERT_NE(GetShortPathNameA(other.c_str(), shortOther, MAX_PATH), 0u);
    const std::string othersList = "[rename]\r\nNUL=" + std::string(shortOther) + "\r\n";
    const bool windows95 = (GetVersion() & 0x80000000u) != 0;
    if (windows95) {
        ASSERT_TRUE(WriteTextFile(NextStartGuard::WininitPath(), othersList));
    }

    auto run = e2e::RunToEnd(exe, "\"" + log + "\"", dest, "y\r\n");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output,
              Replayed("Self Product", "Deleting file " + exe + "  .. Failed to delete file.\r\n"));
    ASSERT_TRUE(PathExists(exe)) << "a running program is not deleted";
    EXPECT_FALSE(PathExists(log));

    if (windows95) {
        // Windows 95 carries wininit.ini out before long names exist: the short name is listed,
        // after the other program's line.
        char shortExe[MAX_PATH];
        ASSERT_NE(GetShortPathNameA(exe.c_str(), shortExe, MAX_PATH), 0u);
        EXPECT_EQ(ReadTextFile(NextStartGuard::WininitPath()), othersList + "NUL=" + shortExe + "\r\n");
    } else
        EXPECT_EQ(PendingMoves(), (std::vector<std::string>{"\\??\\" + exe, ""}));
    ASSERT_TRUE(RestartWindows());
    EXPECT_FALSE(PathExists(exe));
    EXPECT_EQ(PathExists(other), !windows95);
    EXPECT_TRUE(IsEmptyDirectory(dest)) << "the destination stays: the log lay in it";
}
