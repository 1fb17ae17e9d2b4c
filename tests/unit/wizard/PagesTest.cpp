// What each page shows and what the user's choices leave in the pages' fields.
#include "WizardContext.h"
#include "WizardSession.h"
#include "resources/resource.h"
#include "wizard/InstallSheet.h"

#include <gtest/gtest.h>

namespace {

using ui::WizardButton;
using Lines = std::vector<std::string>;

const char* const kWelcome =
    "Corvel Install for Windows95 and NT\r\n\r\nThis program will install Corvel Test on your PC.";
const char* const kPrompt = "Select a name for the Start Menu entry (or Program Folder in Windows NT 3.51).";

TEST(Pages, EveryPageShowsItsTexts)
{
    ContextSettings settings;
    settings.modules = {{"Program", 1}, {"Help", 0}, {"Samples", 1}};
    WizardContext context(settings);
    CInstallSheet sheet("Corvel Installation Wizard", context.script);
    std::vector<Lines> pages;
    auto play = [&](WizardUser& user) {
        const char* shots[] = {"wizard-welcome", "wizard-type", "wizard-modules", "wizard-folder",
                               "wizard-finish"};
        for (int i = 0; i < 5; ++i) {
            user.Look(i == 0 ? "Next" : i == 4 ? "Back Finish" : "Back Next");
            pages.push_back(user.Controls());
            user.Shoot(shots[i]);
            if (i == 1 && !user.Click(IDC_CUSTOM, BST_CHECKED))
                return;
            if (i < 4 && !user.Press(WizardButton::Next))
                return;
        }
        user.Press(WizardButton::Finish);
    };
    ASSERT_EQ(RunWizard(sheet, play), 12325);
    // clang-format off
    ASSERT_EQ(pages.size(), 5u);
    EXPECT_EQ(pages[0], (Lines{
        std::string("1001 Static '") + kWelcome + "'",
        "1000 Edit 'C:\\Program Files\\Corvel Test'",
        "-1 Static 'Destination Path'",
        "-1 Static picture",
    }));
    EXPECT_EQ(pages[1], (Lines{
        "1002 Button 'Typical - This will install the typical modules for this progra,' [x]",
        "1003 Button 'Minimum - This will only install the files neccesary to run this program' [ ]",
        "1004 Button 'Custom - This allows you to select the modules to Install' [ ]",
    }));
    // Box k shows the module at list position k: the script's last module first.
    EXPECT_EQ(pages[2], (Lines{
        "1005 Button 'Samples' [x]", "1006 Button 'Help' [ ]", "1007 Button 'Program' [x]",
        "1008 Button 'Module1' [ ] hidden", "1009 Button 'Module1' [ ] hidden", "1010 Button 'Module1' [ ] hidden",
        "1011 Button 'Module1' [ ] hidden", "1012 Button 'Module1' [ ] hidden", "1013 Button 'Module1' [ ] hidden",
        "1014 Button 'Module1' [ ] hidden",
    }));
    EXPECT_EQ(pages[3], (Lines{
        std::string("1007 Static '") + kPrompt + "'",
        "1006 ComboBox 'Corvel Test'",
        "-1 Static 'Folder'",
    }));
    EXPECT_EQ(pages[4], (Lines{
        "-1 Static 'Corvel Install is ready to finish the installation'",
        "-1 Static picture",
    }));
    EXPECT_EQ(sheet.welcomeTab.welcomeText, kWelcome);
    EXPECT_EQ(sheet.welcomeTab.destPath, "C:\\Program Files\\Corvel Test");
    // clang-format on
    EXPECT_EQ(sheet.installTypeTab.installType, 2);
    EXPECT_EQ(sheet.selectFolderTab.prompt, kPrompt);
    EXPECT_EQ(sheet.selectFolderTab.folderName, "Corvel Test");
    const int checks[kModuleBoxes] = {1, 0, 1};
    for (int k = 0; k < kModuleBoxes; ++k)
        EXPECT_EQ(sheet.modulesTab.checks[k], checks[k]) << k;
}

TEST(Pages, ModuleBoxesFollowTheListToTen)
{
    struct Case {
        int modules;
        int boxes;
    } cases[] = {{0, 0}, {1, 1}, {3, 3}, {10, 10}, {12, 10}};
    for (const auto& c : cases) {
        ContextSettings settings;
        settings.modules = NumberedModules(c.modules);
        WizardContext context(settings);
        CInstallSheet sheet("Corvel Installation Wizard", context.script);
        Lines boxes;
        auto play = [&](WizardUser& user) {
            if (user.Press(WizardButton::Next) && user.Click(IDC_CUSTOM, BST_CHECKED) &&
                user.Press(WizardButton::Next))
                boxes = user.Controls();
            user.Press(WizardButton::Cancel);
        };
        RunWizard(sheet, play);
        Lines expected;
        for (int k = 0; k < kModuleBoxes; ++k) {
            const int inScript = c.modules - k; // list position k is the script's module from the end
            expected.push_back(std::to_string(IDC_MODULE1 + k) + " Button '" +
                               (k < c.boxes ? "Module " + std::to_string(inScript) : std::string("Module1")) +
                               "'" + (k < c.boxes && inScript % 2 ? " [x]" : " [ ]") +
                               (k < c.boxes ? "" : " hidden"));
        }
        EXPECT_EQ(boxes, expected) << c.modules << " modules";
        for (int k = 0; k < kModuleBoxes; ++k)
            EXPECT_EQ(sheet.modulesTab.checks[k], k < c.boxes ? (c.modules - k) % 2 : 0)
                << c.modules << "/" << k;
    }
}

TEST(Pages, GoingBackKeepsWhatWasTypedAndTicked)
{
    ContextSettings settings;
    settings.modules = NumberedModules(3); // list: Module 3 (typical), Module 2, Module 1 (typical)
    WizardContext context(settings);
    CInstallSheet sheet("Corvel Installation Wizard", context.script);
    Lines seen;
    auto note = [&](WizardUser& user, int id) { seen.push_back(::WindowText(GetDlgItem(user.Page(), id))); };
    auto check = [&](WizardUser& user, int id) {
        seen.push_back(IsDlgButtonChecked(user.Page(), id) ? "[x]" : "[ ]");
    };
    auto play = [&](WizardUser& user) {
        if (!user.Type(IDC_DESTPATH, "D:\\Apps\\Mine") || !user.Press(WizardButton::Next) ||
            !user.Click(IDC_CUSTOM, BST_CHECKED) || !user.Press(WizardButton::Next) ||
            !user.Click(IDC_MODULE1, BST_UNCHECKED) || !user.Click(IDC_MODULE1 + 1, BST_CHECKED) ||
            !user.Press(WizardButton::Next) || !user.Type(IDC_FOLDERLIST, "My Folder") ||
            !user.Press(WizardButton::Back))
            return;
        check(user, IDC_MODULE1);
        check(user, IDC_MODULE1 + 1);
        check(user, IDC_MODULE1 + 2);
        if (!user.Press(WizardButton::Back))
            return;
        check(user, IDC_CUSTOM);
        if (!user.Press(WizardButton::Back))
            return;
        note(user, IDC_DESTPATH);
        if (!user.Press(WizardButton::Next) || !user.Press(WizardButton::Next) ||
            !user.Press(WizardButton::Next))
            return;
        note(user, IDC_FOLDERLIST);
        if (user.Press(WizardButton::Next))
            user.Press(WizardButton::Finish);
    };
    ASSERT_EQ(RunWizard(sheet, play), 12325);
    EXPECT_EQ(seen, (Lines{"[ ]", "[x]", "[x]", "[x]", "D:\\Apps\\Mine", "My Folder"}));
    EXPECT_EQ(sheet.welcomeTab.destPath, "D:\\Apps\\Mine");
    EXPECT_EQ(sheet.installTypeTab.installType, 2);
    EXPECT_EQ(sheet.modulesTab.checks[0], 0);
    EXPECT_EQ(sheet.modulesTab.checks[1], 1);
    EXPECT_EQ(sheet.modulesTab.checks[2], 1);
    EXPECT_EQ(sheet.selectFolderTab.folderName, "My Folder");
}

// The edit and the combo box take at most 259 characters; longer defaults are cut where the
// user sees them, and what the user sees is what the fields get.
TEST(Pages, PathAndFolderHoldAtMost259Characters)
{
    // clang-format off
    struct Case {
        const char* what;
        std::string product, folder, programDir;
        std::string destPath, folderName;
    } cases[] = {
        {"a long product name", std::string(300, 'p'), "Folder", "C:\\Program Files",
         ("C:\\Program Files\\" + std::string(300, 'p')).substr(0, 259), "Folder"},
        {"a long folder name", "Product", std::string(270, 'f'), "C:\\Program Files", "C:\\Program Files\\Product",
         std::string(259, 'f')},
        {"exactly 259", std::string(256, 'q'), std::string(259, 'g'), "C:", "C:\\" + std::string(256, 'q'),
         std::string(259, 'g')},
        {"NT 3.x: the product's folder at the root of the drive", "Product", "Group", "C:", "C:\\Product", "Group"},
    };
    // clang-format on
    for (const auto& c : cases) {
        ContextSettings settings;
        settings.productName = c.product;
        settings.programFolder = c.folder;
        settings.programDir = c.programDir;
        WizardContext context(settings);
        CInstallSheet sheet("Corvel Installation Wizard", context.script);
        std::string shownPath, shownFolder, typedPath, typedFolder;
        // A user typing at the end of the field: a full field takes no more.
        auto typeMore = [](HWND edit) {
            SendMessageA(edit, EM_SETSEL, 0x7FFF, 0x7FFF);
            SendMessageA(edit, WM_CHAR, 'x', 0);
            return ::WindowText(edit) + "|limit " + std::to_string(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
        };
        auto play = [&](WizardUser& user) {
            HWND edit = GetDlgItem(user.Page(), IDC_DESTPATH);
            shownPath = ::WindowText(edit);
            typedPath = typeMore(edit);
            if (!user.Press(WizardButton::Next) || !user.Press(WizardButton::Next))
                return;
            HWND combo = GetDlgItem(user.Page(), IDC_FOLDERLIST);
            shownFolder = ::WindowText(combo);
            typedFolder = typeMore(FindWindowExA(combo, nullptr, "Edit", nullptr));
            if (user.Press(WizardButton::Next))
                user.Press(WizardButton::Finish);
        };
        ASSERT_EQ(RunWizard(sheet, play), 12325) << c.what;
        EXPECT_EQ(shownPath, c.destPath) << c.what;
        EXPECT_EQ(shownFolder, c.folderName) << c.what;
        EXPECT_EQ(typedPath, sheet.welcomeTab.destPath + "|limit 259") << c.what;
        EXPECT_EQ(typedFolder, sheet.selectFolderTab.folderName + "|limit 259") << c.what;
        EXPECT_LE(sheet.welcomeTab.destPath.size(), 259u) << c.what;
        EXPECT_LE(sheet.selectFolderTab.folderName.size(), 259u) << c.what;
        if (c.destPath.size() < 259) {
            EXPECT_EQ(sheet.welcomeTab.destPath, c.destPath + "x") << c.what;
        }
        if (c.folderName.size() < 259) {
            EXPECT_EQ(sheet.selectFolderTab.folderName, c.folderName + "x") << c.what;
        }
    }
}

} // namespace
