// A product installed with setup.exe and removed again through the command it registered, as the
// system's software-removal panel starts it: afterwards the machine is as it was, but for what
// stays by design. The sample, and examples/hello as cpack made it (the test cpack-distribution).
#include "InstallTestSupport.h"
#include "NextStart.h"
#include "Process.h"
#include "ProgmanServer.h"
#include "SetupSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace e2e;
using namespace testing_support;

namespace {

struct Product {
    const char* name;
    const char* dist;
    std::vector<std::string> files;
    const char* program; // below the destination
    const char* runtime; // the shared file in the system directory
};
const Product kSample = {"Sample Editor",
                         CORVEL_SAMPLE_DIST,
                         {"Setup.inf", "edit.exe", "edit.hlp", "edrt.dll", "Uninstall.exe"},
                         "edit.exe",
                         "edrt.dll"};
const Product kHello = {
    "Hello World",
    CORVEL_HELLO_DIST,
    {"Setup.inf", "hello.exe", "greet.exe", "hellort.dll", "readme.txt", "greeting.txt", "Uninstall.exe"},
    "bin\\hello.exe",
    "hellort.dll"};

std::set<std::string> SubKeys(HKEY root, const std::string& key)
{
    std::set<std::string> names;
    HKEY h;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return names;
    char name[MAX_PATH];
    for (DWORD i = 0; RegEnumKeyA(h, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        names.insert(name);
    RegCloseKey(h);
    return names;
}

std::set<std::string> Counts()
{
    std::set<std::string> counts;
    HKEY h;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedDllsKey, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return counts;
    char name[1024];
    DWORD nameSize = sizeof name, count = 0, size = sizeof count;
    for (DWORD i = 0; RegEnumValueA(h, i, name, &nameSize, nullptr, nullptr, reinterpret_cast<BYTE*>(&count),
                                    &size) == ERROR_SUCCESS;
         ++i, nameSize = sizeof name, size = sizeof count)
        counts.insert(std::string(name) + "=" + std::to_string(count));
    RegCloseKey(h);
    return counts;
}

// What an install may touch, as one set of lines: files and folders, uninstall entries, shared
// counts, and the groups and items of Program Manager.
std::set<std::string> MachineState(const std::string& scratch, const ProgmanServer* progman)
{
    std::set<std::string> state;
    ListTree(scratch, true, &state);
    ListTree(UserPrograms(), true, &state);
    ListTree(ReadString(HKEY_LOCAL_MACHINE,
                        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        "Common Programs"),
             true, &state);
    ListTree(SystemDir(), false, &state);
    ListTree(WindowsDir(), false, &state);
    for (const std::string& key :
         SubKeys(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"))
        state.insert("uninstall key " + key);
    for (const std::string& count : Counts())
        state.insert("count " + count);
    if (progman)
        for (const ProgmanGroupState& group : progman->Groups()) {
            state.insert("group " + group.name);
            for (const ProgmanItemState& item : group.items)
                state.insert("item " + group.name + "@" + item.title);
        }
    return state;
}

struct Platform {
    const char* version;
    bool progman;     // Windows NT 3.x: Program Manager items instead of links
    bool keepsShared; // Windows 95 counts nothing, so shared files stay after an uninstall
    const Product* product = &kSample;
    const char* variant = ""; // "read-only": from a CD, every file read-only; "no-folder": the
                              // script's Start-menu folder line is empty
};

// The distribution as a variant has it.
bool MakeVariant(const Distribution& dist, const Product& made, const std::string& variant)
{
    if (variant == "read-only") {
        for (const std::string& name : made.files)
            if (!SetFileAttributesA((dist.Dir() + "\\" + name).c_str(), FILE_ATTRIBUTE_READONLY))
                return false;
        return true;
    }
    if (variant != "no-folder")
        return true;
    const std::string script = dist.Dir() + "\\Setup.inf";
    std::string text = ReadTextFile(script);
    const std::string head = std::string(made.name) + "\r\n" + made.name + "\r\n";
    const std::string::size_type at = text.find(head);
    if (at == std::string::npos)
        return false;
    text.replace(at, head.size(), std::string(made.name) + "\r\n\r\n");
    return WriteTextFile(script, text);
}

class RoundTrip : public testing::TestWithParam<Platform> {};

TEST_P(RoundTrip, TheRegisteredUninstallLeavesOnlyTheDestinationDirectory)
{
    const Platform& platform = GetParam();
    WindowsVersion version(platform.version);
    NextStartGuard nextStart;
    const Product& made = *platform.product;
    Distribution dist(std::string("e2e-roundtrip-") + platform.version + platform.variant);
    ASSERT_TRUE(dist.Ready());
    for (const std::string& name : made.files)
        ASSERT_TRUE(dist.CopyIn(name, std::string(made.dist) + "\\" + name)) << name;
    ASSERT_TRUE(MakeVariant(dist, made, platform.variant));
    const std::string runtime = SystemDir() + "\\" + made.runtime;
    ProductGuard product(made.name);
    PathGuard placed(
        {runtime, UserPrograms() + "\\" + made.name, UserPrograms() + "\\" + made.name + ".lnk"});
    // Something of other products that must stay as it is.
    ASSERT_TRUE(SetDword(HKEY_LOCAL_MACHINE, kSharedDllsKey, "C:\\Other\\other.dll", 2));
    std::unique_ptr<ProgmanServer> progman;
    if (platform.progman) {
        ProgmanServerOptions options;
        options.startup = {"[CreateGroup(Accessories)]", "[AddItem(C:\\WINDOWS\\NOTEPAD.EXE,Notepad)]"};
        progman = std::make_unique<ProgmanServer>(options);
        ASSERT_TRUE(progman->Answering());
    }
    const std::string scratch = dist.Target("");
    const std::set<std::string> before = MachineState(scratch.substr(0, scratch.size() - 1), progman.get());

    // Setup meets what the old system lacks and Wine has, as it would on the real one.
    const std::string system = platform.version;
    std::optional<OldWindowsGaps> gaps;
    if (system == "win95" || system == "nt351") {
        gaps.emplace(system);
        ASSERT_TRUE(gaps->Active());
    }

    // A destination with a space: the registered command names the uninstaller unquoted.
    const std::string dest = dist.Target(made.name);
    SetupSession setup(dist.Dir());
    ASSERT_TRUE(InstallWithDefaults(setup, dest));
    std::vector<ui::MessageBoxSeen> boxes;
    ASSERT_TRUE(setup.RunToEnd(&boxes));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Installation complete. You can now run the installed program.");
    ASSERT_TRUE(PathExists(dest + "\\" + made.program));
    if (gaps) {
        // Every copy went the way the old system leaves: the file look by search, the rename by
        // name once the copy is closed, and on Windows 95 the rename without MoveFileExA.
        const std::vector<std::string> refused = gaps->Lines();
        std::vector<std::string> expected = {"in place", "not found: GetFileAttributesExA",
                                             "not found: SetFileInformationByHandle"};
        if (system == "win95")
            expected.push_back("not implemented: MoveFileExA");
        for (const std::string& line : expected)
            EXPECT_NE(std::find(refused.begin(), refused.end(), line), refused.end()) << line;
    }
    // The log is the one the install plan foresees, byte for byte: setup and setup-inf's show
    // read the script and place its files alike.
    EXPECT_EQ(ReadTextFile(dest + "\\.UnInst.inf"), PlannedLog(dist.Dir() + "\\Setup.inf", system, dest));
    if (std::string(platform.variant) == "no-folder") {
        // The Programs folder is the system's: no record names it.
        const std::string log = ReadTextFile(dest + "\\.UnInst.inf");
        EXPECT_EQ(log.find("dir " + UserPrograms() + "\r\n"), std::string::npos) << log;
        EXPECT_EQ(log.find("pmngr "), std::string::npos) << log;
    }

    const std::string command = ReadString(HKEY_LOCAL_MACHINE, UninstallKey(made.name), "UninstallString");
    ASSERT_EQ(command, dest + "\\Uninstall.exe \"" + dest + "\\.UnInst.inf\"");
    ui::Process uninstall(command, dest, "y\r\n");
    ASSERT_TRUE(uninstall.Started());
    DWORD exitCode = 1;
    ASSERT_TRUE(uninstall.Wait(60000, &exitCode));
    EXPECT_EQ(exitCode, 0u) << uninstall.Output();
    EXPECT_NE(uninstall.Output().find(std::string(made.name) + " will now be uninstalled"),
              std::string::npos);

    // The uninstaller cannot delete itself while it runs; Windows does at its next start.
    EXPECT_TRUE(PathExists(dest + "\\Uninstall.exe"));
    ASSERT_TRUE(RestartWindows());

    std::set<std::string> expected = before;
    expected.insert(dest); // it held the log while the replay tried to remove it
    if (platform.keepsShared) {
        expected.insert(runtime);
        // Windows 95 keeps the list it carried out at its start as wininit.bak.
        expected.insert(WindowsDir() + "\\wininit.bak");
    }
    const std::set<std::string> after = MachineState(scratch.substr(0, scratch.size() - 1), progman.get());
    for (const std::string& line : after)
        EXPECT_TRUE(expected.count(line)) << "left behind: " << line;
    for (const std::string& line : expected)
        EXPECT_TRUE(after.count(line)) << "gone: " << line;
}

INSTANTIATE_TEST_SUITE_P(Platforms, RoundTrip,
                         testing::Values(Platform{"nt40", false, false}, Platform{"win95", false, true},
                                         Platform{"nt351", true, false},
                                         Platform{"nt40", false, false, &kSample, "read-only"},
                                         Platform{"win95", false, true, &kSample, "read-only"},
                                         Platform{"nt40", false, false, &kSample, "no-folder"},
                                         Platform{"win95", false, true, &kSample, "no-folder"},
                                         Platform{"nt351", true, false, &kSample, "no-folder"}),
                         [](const testing::TestParamInfo<Platform>& info) {
                             std::string name = std::string(info.param.version) + info.param.variant;
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });
INSTANTIATE_TEST_SUITE_P(Hello, RoundTrip,
                         testing::Values(Platform{"nt40", false, false, &kHello},
                                         Platform{"win95", false, true, &kHello},
                                         Platform{"nt351", true, false, &kHello}),
                         [](const testing::TestParamInfo<Platform>& info) { return info.param.version; });

} // namespace
