// The folder page's list: the sub-folders of the user's Programs folder, and the default folder
// matched against them.
#include "InstallContext.h"
#include "ScratchDir.h"
#include "WizardSession.h"
#include "framework/Wnd.h"
#include "resources/resource.h"
#include "wizard/InstallSheet.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ScratchDir;
using ui::WizardButton;
using Lines = std::vector<std::string>;

struct FolderPage {
    Lines list;
    std::string text;
    int selected = -2;
};

// Goes to the folder page, reads it, and finishes; the folder name the sheet kept comes back.
INT_PTR ReadFolderPage(CInstallSheet& sheet, FolderPage& page)
{
    return RunWizard(sheet, [&](User& user) {
        if (!user.Press(WizardButton::Next) || !user.Press(WizardButton::Next))
            return;
        HWND combo = GetDlgItem(user.Page(), IDC_FOLDERLIST);
        const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char name[MAX_PATH] = {};
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
            page.list.push_back(name);
        }
        page.text = ::WindowText(combo);
        page.selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
        user.Shoot("wizard-folder-list");
        if (user.Press(WizardButton::Next))
            user.Press(WizardButton::Finish);
    });
}

TEST(FolderList, ListsTheProgramsFolderAndMatchesTheDefault)
{
    ScratchDir programs("wizard-programs");
    for (const char* folder : {"Games", "Accessories", "Corvel Tools", "StartUp", "corvel"})
        ASSERT_TRUE(CreateDirectoryA((programs / folder).c_str(), nullptr));
    ASSERT_TRUE(testing_support::WriteTextFile(programs / "Corvel Notes.lnk", "not a folder"));
    const Lines all{"Accessories", "corvel", "Corvel Tools", "Games", "StartUp"};

    struct Case {
        const char* what;
        int platformKind;
        std::string folder;
        Lines list;
        std::string shown;   // and read back after Finish
        int selected;
    } cases[] = {
        {"a folder that only begins an entry selects it", 3, "Corvel T", all, "Corvel Tools", 2},
        {"case is ignored", 1, "GAMES", all, "Games", 3},
        {"the first entry in list order wins", 3, "Corvel", all, "corvel", 1},
        {"a new folder is kept as it is", 3, "Corvel Test", all, "Corvel Test", -1},
        {"a name longer than every entry matches none", 1, "StartUp Items", all, "StartUp Items", -1},
    };
    for (const auto& c : cases) {
        ContextSettings settings;
        settings.platformKind = c.platformKind;
        settings.programFolder = c.folder;
        settings.userProgramFolderDir = programs.Path();
        InstallContext context(settings);
        CInstallSheet sheet("Corvel Installation Wizard");
        FolderPage page;
        ASSERT_EQ(ReadFolderPage(sheet, page), 12325) << c.what;
        EXPECT_EQ(page.list, c.list) << c.what;
        EXPECT_EQ(page.text, c.shown) << c.what;
        EXPECT_EQ(page.selected, c.selected) << c.what;
        EXPECT_EQ(sheet.selectFolderTab.folderName, c.shown) << c.what;
    }
}

TEST(FolderList, AProgramsFolderThatCannotBeSearchedGivesAnEmptyList)
{
    ScratchDir scratch("wizard-noprograms");
    for (const std::string& dir : {scratch / "missing", std::string(250, 'x')}) {
        ContextSettings settings;
        settings.programFolder = "Corvel Test";
        settings.userProgramFolderDir = dir;
        InstallContext context(settings);
        CInstallSheet sheet("Corvel Installation Wizard");
        FolderPage page;
        ASSERT_EQ(ReadFolderPage(sheet, page), 12325) << dir;
        EXPECT_EQ(page.list, Lines{}) << dir;
        EXPECT_EQ(page.text, "Corvel Test");
    }
}

} // namespace
