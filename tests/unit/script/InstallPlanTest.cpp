// The install plan of the example script against the uninstall log an install writes for it, on
// each platform kind, and the modules a Custom installation takes by its boxes.
#include "script/InstallPlan.h"
#include "ScriptTestText.h"
#include "platform/PlatformKinds.h"
#include "script/SetupScriptReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const PlanFolders kFolders{"C:\\Apps\\Sample", "C:\\WINNT\\system32", "C:\\Menu\\Programs",
                           "C:\\All\\Programs", "Sample Editor"};
const std::string kKey = "key HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

Log Planned(const std::string& script, const InstallChoice& choice, const std::string& menuFolder)
{
    PlanFolders folders = kFolders;
    folders.menuFolder = menuFolder;
    ScriptModel model;
    TextLineSource source(script);
    ReadScriptModel(
        source, choice.platformKind, model, [](const char*) {}, nullptr);
    const Log log = PlanInstall(model.modules, model.productName, choice, folders).log;
    FreeModuleList(model.modules);
    return log;
}

TEST(InstallPlan, TheLogOfEachPlatformAndChoice)
{
    // Two levels of new directories: the first made by a file placed earlier (a doubled backslash
    // means one), and one whose first level nothing makes, so its file is not placed.
    const std::string levels =
        SOH "S" SOH " 1\nP\nF\n1 1 1\n@" SOH "M" SOH " 1 1 1 0 0 1 1\n" SOH "a" SOH " " SOH "doc\\\\sub\\" SOH
            " 0 " SOH SOH "\n" SOH "b" SOH " " SOH "doc\\" SOH " 0 " SOH SOH "\n" SOH "c" SOH " " SOH
            "lib\\x\\" SOH " 0 " SOH SOH "\n";
    // A destination that is a lone backslash and a name: the empty sub-directory is joined as
    // setup joins it, and nothing is made for it.
    const std::string lone = SOH "S" SOH " 1\nP\nF\n1 1 1\n@" SOH "M" SOH " 1 1 1 0 0 1 1\n" SOH "r" SOH
                                 " " SOH "\\" SOH " 0 " SOH SOH "\n";
    // A device name in a new sub-directory: refused before its directory is made.
    const std::string device = SOH "S" SOH " 1\nP\nF\n1 1 1\n@" SOH "M" SOH " 1 1 1 0 0 1 1\n" SOH "a" SOH
                                   " " SOH "doc\\aux.hlp" SOH " 0 " SOH SOH "\n";
    const struct {
        const char* what;
        std::string script;
        InstallChoice choice;
        Log log;                                  // without the three key records of the registration
        const char* menuFolder = "Sample Editor"; // as the wizard hands it over
    } cases[] = {
        {"NT 4, Typical",
         kExampleScript,
         {kPlatformNT4, kInstallTypical, {}},
         {"Sample Editor", "dir C:\\Apps\\Sample", "inc C:\\WINNT\\system32\\edrt.dll",
          "file 1 1 C:\\WINNT\\system32\\edrt.dll", "dir C:\\Apps\\Sample\\help",
          "file 0 0 C:\\Apps\\Sample\\help\\edit.hlp", "file 0 0 C:\\Apps\\Sample\\edit.exe",
          "dir C:\\Menu\\Programs\\Sample Editor",
          "file 0 0 C:\\Menu\\Programs\\Sample Editor\\Sample Editor.lnk"}},
        {"NT 3.x, Minimum",
         kExampleScript,
         {kPlatformNT3, kInstallMinimum, {}},
         {"Sample Editor", "dir C:\\Apps\\Sample", "dir C:\\Apps\\Sample\\help",
          "file 0 0 C:\\Apps\\Sample\\help\\edit.hlp", "file 0 0 C:\\Apps\\Sample\\edit.exe",
          "pmngr Sample Editor@Sample Editor"}},
        {"Windows 95, Custom: Runtime's box alone",
         kExampleScript,
         {kPlatformWin95, kInstallCustom, {false, true}},
         {"Sample Editor", "dir C:\\Apps\\Sample", "file 1 1 C:\\WINNT\\system32\\edrt.dll"}},
        {"two levels",
         levels,
         {kPlatformNT4, kInstallTypical, {}},
         {"P", "dir C:\\Apps\\Sample", "dir C:\\Apps\\Sample\\doc", "file 0 0 C:\\Apps\\Sample\\doc\\b",
          "dir C:\\Apps\\Sample\\doc\\\\sub", "file 0 0 C:\\Apps\\Sample\\doc\\\\sub\\a"}},
        {"a lone backslash",
         lone,
         {kPlatformNT4, kInstallTypical, {}},
         {"P", "dir C:\\Apps\\Sample", "file 0 0 C:\\Apps\\Sample\\\\r"}},
        {"a device name", device, {kPlatformNT4, kInstallTypical, {}}, {"P", "dir C:\\Apps\\Sample"}},
        // No folder of its own: the link in the Programs folder itself, which no record names; on
        // NT 3.x no item.
        {"NT 4, no folder",
         kExampleScript,
         {kPlatformNT4, kInstallMinimum, {}},
         {"Sample Editor", "dir C:\\Apps\\Sample", "dir C:\\Apps\\Sample\\help",
          "file 0 0 C:\\Apps\\Sample\\help\\edit.hlp", "file 0 0 C:\\Apps\\Sample\\edit.exe",
          "file 0 0 C:\\Menu\\Programs\\Sample Editor.lnk"},
         ""},
        {"NT 3.x, no folder",
         kExampleScript,
         {kPlatformNT3, kInstallMinimum, {}},
         {"Sample Editor", "dir C:\\Apps\\Sample", "dir C:\\Apps\\Sample\\help",
          "file 0 0 C:\\Apps\\Sample\\help\\edit.hlp", "file 0 0 C:\\Apps\\Sample\\edit.exe"},
         ""},
    };
    for (const auto& c : cases) {
        Log expected = c.log;
        for (const char* value : {"", "\\DisplayName", "\\UninstallString"})
            expected.push_back(kKey + c.log[0] + value);
        EXPECT_EQ(Planned(c.script, c.choice, c.menuFolder), expected) << c.what;
    }
}

// Names compare as Windows compares them in its ANSI code page.
TEST(InstallPlan, FoldedLikeTheAnsiCodePage)
{
    EXPECT_EQ(Folded("abc\xe4\xf6\xfc\xe9\xff\x9a\xf7\xdf"), "ABC\xc4\xd6\xdc\xc9\x9f\x8a\xf7\xdf");
}

} // namespace
