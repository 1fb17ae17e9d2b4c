// setup.exe's own wizard: its pages show what its script says, the installation type decides
// which pages come and which modules are installed, and the folder page picks an existing folder.
#include "Controls.h"
#include "InstallTestSupport.h"
#include "SetupSession.h"
#include "WindowQueries.h"

#include <gtest/gtest.h>

using namespace e2e;
using namespace testing_support;
using ui::WizardButton;

namespace {

const std::vector<ModuleSpec> kThreeModules = {
    {"Alpha", 1, 0, {"alpha.txt"}}, // typical only
    {"Beta", 0, 1, {"beta.txt"}},   // minimum only
    {"Gamma", 1, 1, {"gamma.txt"}}, // both
};

// The files of the three modules that the installation placed in dest.
std::vector<std::string> Placed(const std::string& dest)
{
    std::vector<std::string> placed;
    for (const char* name : {"alpha.txt", "beta.txt", "gamma.txt"})
        if (PathExists(dest + "\\" + name))
            placed.push_back(name);
    return placed;
}

// The module boxes as the page shows them: "Gamma [x]" for a box that can be seen.
std::vector<std::string> Boxes(HWND page)
{
    std::vector<std::string> boxes;
    for (int id = IDC_MODULE1; id <= IDC_MODULE10; ++id)
        if (ui::IsVisible(page, id))
            boxes.push_back(ui::ControlText(page, id) +
                            (ui::CheckState(page, id) == BST_CHECKED ? " [x]" : " [ ]"));
    return boxes;
}

bool Centred(HWND window)
{
    RECT rect, area;
    GetWindowRect(window, &rect);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int dx = (rect.left - area.left) - (area.right - rect.right);
    const int dy = (rect.top - area.top) - (area.bottom - rect.bottom);
    return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

bool Finished(SetupSession& setup)
{
    std::vector<ui::MessageBoxSeen> boxes;
    return setup.RunToEnd(&boxes) && boxes.size() == 1 &&
           boxes[0].text == "Installation complete. You can now run the installed program.";
}

TEST(Wizard, PagesShowTheScriptAndKeepWhatTheUserChoseBothWays)
{
    Distribution dist("e2e-wizard-pages");
    ASSERT_TRUE(PrepareProduct(dist, "Corvel Wiring", "Corvel Wiring Folder", kThreeModules));
    ProductGuard product("Corvel Wiring");
    const std::string dest = dist.Target("Wiring");
    SetupSession setup(dist.Dir());
    ASSERT_TRUE(setup.WaitForWizard());
    EXPECT_TRUE(Centred(setup.Wizard()));

    EXPECT_EQ(setup.Look("Next"), std::string(CAPTION_WELCOME) + " | Next");
    EXPECT_EQ(
        ui::ControlText(setup.Page(), IDC_WELCOMETEXT),
        "Corvel Install for Windows95 and NT\r\n\r\nThis program will install Corvel Wiring on your PC.");
    EXPECT_EQ(ui::ControlText(setup.Page(), IDC_DESTPATH), ProgramFilesDir() + "\\Corvel Wiring");
    ASSERT_TRUE(setup.Type(IDC_DESTPATH, dest));

    ASSERT_TRUE(setup.Press(WizardButton::Next));
    EXPECT_EQ(setup.Look("Back Next"), std::string(CAPTION_INSTALLTYPE) + " | Back Next");
    EXPECT_EQ(ui::CheckState(setup.Page(), IDC_TYPICAL), BST_CHECKED);
    ASSERT_TRUE(setup.Click(IDC_CUSTOM, BST_CHECKED));

    ASSERT_TRUE(setup.Press(WizardButton::Next));
    EXPECT_EQ(setup.Look("Back Next"), std::string(CAPTION_MODULES) + " | Back Next");
    // The last module of the script on the first box, each checked as the script's Typical says.
    EXPECT_EQ(Boxes(setup.Page()), (std::vector<std::string>{"Gamma [x]", "Beta [ ]", "Alpha [x]"}));
    ASSERT_TRUE(setup.Click(IDC_MODULE1, BST_UNCHECKED));
    ASSERT_TRUE(setup.Click(IDC_MODULE1 + 1, BST_CHECKED));

    ASSERT_TRUE(setup.Press(WizardButton::Next));
    EXPECT_EQ(setup.Look("Back Next"), std::string(CAPTION_SELECTFOLDER) + " | Back Next");
    EXPECT_EQ(ui::ControlText(setup.Page(), IDC_FOLDERPROMPT),
              "Select a name for the Start Menu entry (or Program Folder in Windows NT 3.51).");
    EXPECT_EQ(ui::ControlText(setup.Page(), IDC_FOLDERLIST), "Corvel Wiring Folder");

    ASSERT_TRUE(setup.Press(WizardButton::Next));
    EXPECT_EQ(setup.Look("Back Finish"), std::string(CAPTION_FINISH) + " | Back Finish");

    // Back to the start: every page as the user left it.
    ASSERT_TRUE(setup.Press(WizardButton::Back));
    EXPECT_EQ(setup.Look("Back Next"), std::string(CAPTION_SELECTFOLDER) + " | Back Next");
    ASSERT_TRUE(setup.Press(WizardButton::Back));
    EXPECT_EQ(setup.Look("Back Next"), std::string(CAPTION_MODULES) + " | Back Next");
    EXPECT_EQ(Boxes(setup.Page()), (std::vector<std::string>{"Gamma [ ]", "Beta [x]", "Alpha [x]"}));
    ASSERT_TRUE(setup.Press(WizardButton::Back));
    EXPECT_EQ(setup.Look("Back Next"), std::string(CAPTION_INSTALLTYPE) + " | Back Next");
    EXPECT_EQ(ui::CheckState(setup.Page(), IDC_CUSTOM), BST_CHECKED);
    ASSERT_TRUE(setup.Press(WizardButton::Back));
    EXPECT_EQ(setup.Look("Next"), std::string(CAPTION_WELCOME) + " | Next");
    EXPECT_EQ(ui::ControlText(setup.Page(), IDC_DESTPATH), dest);

    for (int page = 0; page < 4; ++page)
        ASSERT_TRUE(setup.Press(WizardButton::Next)) << page;
    ASSERT_TRUE(setup.Press(WizardButton::Finish));
    ASSERT_TRUE(Finished(setup));
    EXPECT_EQ(Placed(dest), (std::vector<std::string>{"alpha.txt", "beta.txt"}));
}

TEST(Wizard, InstallTypeDecidesThePagesAndTheModules)
{
    // clang-format off
    struct Case {
        const char* name;
        bool customFirst; // Custom chosen first, its boxes all cleared, then back
        int radio;
        const char* afterType;    // the page Next leads to from the type page
        std::vector<int> untick;  // boxes cleared on the module page
        const char* beforeFolder; // the page Back leads to from the folder page
        std::vector<std::string> placed;
    } cases[] = {
        {"typical", false, IDC_TYPICAL, CAPTION_SELECTFOLDER, {}, CAPTION_INSTALLTYPE, {"alpha.txt", "gamma.txt"}},
        {"minimum", false, IDC_MINIMUM, CAPTION_SELECTFOLDER, {}, CAPTION_INSTALLTYPE, {"beta.txt", "gamma.txt"}},
        {"custom", false, IDC_CUSTOM, CAPTION_MODULES, {IDC_MODULE1 + 2}, CAPTION_MODULES, {"gamma.txt"}},
        {"custom then typical", true, IDC_TYPICAL, CAPTION_SELECTFOLDER, {}, CAPTION_INSTALLTYPE,
         {"alpha.txt", "gamma.txt"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Distribution dist("e2e-wizard-types");
        ASSERT_TRUE(PrepareProduct(dist, "Corvel Types", "Corvel Types", kThreeModules));
        ProductGuard product("Corvel Types");
        const std::string dest = dist.Target("Types");
        SetupSession setup(dist.Dir());
        ASSERT_TRUE(EnterDestination(setup, dest));
        if (c.customFirst) {
            ASSERT_TRUE(setup.Click(IDC_CUSTOM, BST_CHECKED));
            ASSERT_TRUE(setup.Press(WizardButton::Next));
            for (int id : {IDC_MODULE1, IDC_MODULE1 + 2})
                ASSERT_TRUE(setup.Click(id, BST_UNCHECKED));
            ASSERT_TRUE(setup.Press(WizardButton::Back));
        }
        ASSERT_TRUE(setup.Click(c.radio, BST_CHECKED));

        ASSERT_TRUE(setup.Press(WizardButton::Next));
        EXPECT_EQ(setup.Title(), c.afterType);
        for (int id : c.untick)
            ASSERT_TRUE(setup.Click(id, BST_UNCHECKED));
        if (setup.Title() == CAPTION_MODULES) {
            ASSERT_TRUE(setup.Press(WizardButton::Next));
        }
        ASSERT_EQ(setup.Title(), CAPTION_SELECTFOLDER);
        ASSERT_TRUE(setup.Press(WizardButton::Back));
        EXPECT_EQ(setup.Title(), c.beforeFolder);

        while (setup.Title() != CAPTION_FINISH)
            ASSERT_TRUE(setup.Press(WizardButton::Next)) << setup.Title();
        ASSERT_TRUE(setup.Press(WizardButton::Finish));
        ASSERT_TRUE(Finished(setup));
        EXPECT_EQ(Placed(dest), c.placed);
    }
}

TEST(Wizard, CustomInstallOfTwelveModulesInstallsTheTwoWithoutBoxes)
{
    std::vector<ModuleSpec> modules;
    for (int n = 1; n <= 12; ++n) {
        const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
        modules.push_back({"Module " + number, 1, 1, {"m" + number + ".txt"}});
    }
    Distribution dist("e2e-wizard-twelve");
    ASSERT_TRUE(PrepareProduct(dist, "Corvel Twelve", "Corvel Twelve", modules));
    ProductGuard product("Corvel Twelve");
    const std::string dest = dist.Target("Twelve");
    SetupSession setup(dist.Dir());
    ASSERT_TRUE(EnterDestination(setup, dest));
    ASSERT_TRUE(setup.Click(IDC_CUSTOM, BST_CHECKED));
    ASSERT_TRUE(setup.Press(WizardButton::Next));
    const std::vector<std::string> lastTen = {
        "Module 12 [x]", "Module 11 [x]", "Module 10 [x]", "Module 09 [x]", "Module 08 [x]",
        "Module 07 [x]", "Module 06 [x]", "Module 05 [x]", "Module 04 [x]", "Module 03 [x]"};
    EXPECT_EQ(Boxes(setup.Page()), lastTen);
    for (int id = IDC_MODULE1; id <= IDC_MODULE10; ++id)
        ASSERT_TRUE(setup.Click(id, BST_UNCHECKED)) << id;
    ASSERT_TRUE(setup.Press(WizardButton::Next));
    ASSERT_TRUE(setup.Press(WizardButton::Next));
    ASSERT_TRUE(setup.Press(WizardButton::Finish));
    ASSERT_TRUE(Finished(setup));

    const std::string key = "key HKEY_LOCAL_MACHINE " + UninstallKey("Corvel Twelve");
    EXPECT_EQ(
        ReadTextFile(dest + "\\.UnInst.inf"),
        LogText({"Corvel Twelve", "dir " + dest, "file 0 0 " + dest + "\\m02.txt",
                 "file 0 0 " + dest + "\\m01.txt", key, key + "\\DisplayName", key + "\\UninstallString"}));
}

TEST(Wizard, DefaultFolderThatBeginsAnExistingFolderSelectsIt)
{
    const std::string existing = UserPrograms() + "\\Corvel Prefix Tools";
    PathGuard folder({existing});
    ASSERT_TRUE(MakeDirs(existing));
    Distribution dist("e2e-wizard-prefix");
    ASSERT_TRUE(dist.WriteScript("^AScript^A 1\nCorvel Prefix\ncorvel prefix\n1 1 1\n"
                                 "@^ATool^A 1 1 1 0 0 1 1\n^Atool.txt^A ^A(NULL)^A 1 ^APrefix Tool^A\n"));
    ASSERT_TRUE(dist.AddFile("tool.txt", "tool\r\n"));
    ProductGuard product("Corvel Prefix");
    const std::string dest = dist.Target("Prefix");
    SetupSession setup(dist.Dir());
    ASSERT_TRUE(EnterDestination(setup, dest));
    ASSERT_TRUE(setup.Press(WizardButton::Next));
    ASSERT_EQ(setup.Title(), CAPTION_SELECTFOLDER);
    EXPECT_EQ(ui::ControlText(setup.Page(), IDC_FOLDERLIST), "Corvel Prefix Tools");
    ASSERT_TRUE(setup.Press(WizardButton::Next));
    ASSERT_TRUE(setup.Press(WizardButton::Finish));
    ASSERT_TRUE(Finished(setup));

    const std::vector<std::string> log = Lines(ReadTextFile(dest + "\\.UnInst.inf"));
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[3], "dir " + existing);
    EXPECT_EQ(log[4], "file 0 0 " + existing + "\\Prefix Tool.lnk");
    EXPECT_EQ(LinkTarget(existing + "\\Prefix Tool.lnk"), dest + "\\tool.txt");
}

} // namespace
