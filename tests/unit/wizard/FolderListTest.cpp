// The folder page's list: the sub-folders of the user's Programs folder, and the default folder
// matched against them.
#include "MessageBoxes.h"
#include "ProgmanServer.h"
#include "ScratchDir.h"
#include "WizardContext.h"
#include "WizardSession.h"
#include "framework/Wnd.h"
#include "resources/resource.h"
#include "wizard/InstallSheet.h"

#include <gtest/gtest.h>

namespace {

using testing_support::NoProgramManager;
using testing_support::ProgmanServer;
using testing_support::ProgmanServerOptions;
using testing_support::ScratchDir;
using ui::WizardButton;
using Lines = std::vector<std::string>;

struct FolderPage {
    bool finished = false;
    Lines list;
    std::string text;
    int selected = -2;
    std::string folderName; // what the sheet kept after Finish
    std::string destPath;
};

// Runs the wizard in this context to the folder page, reads it, and finishes.
FolderPage ReadFolderPage(const ContextSettings& settings)
{
    WizardContext context(settings);
    CInstallSheet sheet("Corvel Installation Wizard", context.script);
    FolderPage page;
    page.finished = RunWizard(sheet, [&](WizardUser& user) {
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
                    }) == 12325;
    page.folderName = sheet.selectFolderTab.folderName;
    page.destPath = sheet.welcomeTab.destPath;
    return page;
}

ContextSettings Settings(int platformKind, const std::string& folder, const std::string& programs)
{
    ContextSettings settings;
    settings.platformKind = platformKind;
    settings.programFolder = folder;
    settings.userProgramFolderDir = programs;
    if (platformKind == 2)
        settings.programDir = "C:";
    return settings;
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
        std::string shown; // and read back after Finish
        int selected;
    } cases[] = {
        {"a folder that only begins an entry selects it", 3, "Corvel T", "Corvel Tools", 2},
        {"case is ignored", 1, "GAMES", "Games", 3},
        {"the first entry in list order wins", 3, "Corvel", "corvel", 1},
        {"a new folder is kept as it is", 3, "Corvel Test", "Corvel Test", -1},
        {"a name longer than every entry matches none", 1, "StartUp Items", "StartUp Items", -1},
        {"an empty default selects no entry", 3, "", "", -1},
    };
    for (const auto& c : cases) {
        FolderPage page = ReadFolderPage(Settings(c.platformKind, c.folder, programs.Path()));
        ASSERT_TRUE(page.finished) << c.what;
        EXPECT_EQ(page.list, all) << c.what;
        EXPECT_EQ(page.text, c.shown) << c.what;
        EXPECT_EQ(page.selected, c.selected) << c.what;
        EXPECT_EQ(page.folderName, c.shown) << c.what;
    }
}

TEST(FolderList, AProgramsFolderThatCannotBeSearchedGivesAnEmptyList)
{
    ScratchDir scratch("wizard-noprograms");
    for (const std::string& dir : {scratch / "missing", std::string(250, 'x')}) {
        FolderPage page = ReadFolderPage(Settings(3, "Corvel Test", dir));
        ASSERT_TRUE(page.finished) << dir;
        EXPECT_EQ(page.list, Lines{}) << dir;
        EXPECT_EQ(page.text, "Corvel Test");
    }
}

// On Windows NT 3.x the list holds Program Manager's groups; the Programs folder is not read.
TEST(FolderList, OnNT3TheListHoldsProgramManagersGroups)
{
    ScratchDir programs("wizard-programs-nt3");
    ASSERT_TRUE(CreateDirectoryA((programs / "Not A Group").c_str(), nullptr));
    ProgmanServerOptions options;
    options.startup = {"[CreateGroup(Main)][CreateGroup(Corvel Tools)][CreateGroup(Accessories)]"};
    ProgmanServer server(options);
    ASSERT_TRUE(server.Answering());

    struct Case {
        std::string folder;
        std::string shown;
        int selected;
    } cases[] = {{"corvel", "Corvel Tools", 1}, {"Main", "Main", 2}, {"Corvel Test", "Corvel Test", -1}};
    for (const auto& c : cases) {
        FolderPage page = ReadFolderPage(Settings(2, c.folder, programs.Path()));
        ASSERT_TRUE(page.finished) << c.folder;
        EXPECT_EQ(page.list, (Lines{"Accessories", "Corvel Tools", "Main"})) << c.folder;
        EXPECT_EQ(page.text, c.shown);
        EXPECT_EQ(page.selected, c.selected);
        EXPECT_EQ(page.folderName, c.shown);
        EXPECT_EQ(page.destPath, "C:\\Corvel Test");
    }
}

TEST(FolderList, OnNT3WithoutProgramManagerTheListIsEmpty)
{
    NoProgramManager none;
    ASSERT_TRUE(none.Silent());
    ui::MessageBoxWatcher boxes;
    FolderPage page = ReadFolderPage(Settings(2, "Corvel Test", ""));
    ASSERT_TRUE(page.finished);
    EXPECT_EQ(page.list, Lines{});
    EXPECT_EQ(page.text, "Corvel Test");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{}) << "the wizard shows no messages of its own";
}

} // namespace
