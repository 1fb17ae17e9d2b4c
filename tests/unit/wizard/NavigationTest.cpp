// Where Next and Back lead from each page, with the buttons each page shows, for each kind of
// installation; and Cancel from every page.
#include "WizardContext.h"
#include "WizardSession.h"
#include "resources/resource.h"
#include "wizard/InstallSheet.h"

#include <gtest/gtest.h>

namespace {

using ui::WizardButton;
using Notes = std::vector<std::string>;

enum Action { Next, Back, Finish, Cancel, Typical, Minimum, Custom };

struct Step {
    Action action;
    const char* title = nullptr; // the page that follows a press
    const char* buttons = nullptr;
};

// Plays the steps; notes "title | buttons" after every press (and of the first page).
void Play(WizardUser& user, const std::vector<Step>& steps)
{
    user.notes.push_back(user.Look("Next"));
    for (const Step& step : steps) {
        switch (step.action) {
        case Typical:
        case Minimum:
        case Custom: {
            const int id = step.action == Typical   ? IDC_TYPICAL
                           : step.action == Minimum ? IDC_MINIMUM
                                                    : IDC_CUSTOM;
            if (!user.Click(id, BST_CHECKED))
                return user.notes.push_back("(could not choose)");
            continue;
        }
        case Finish:
        case Cancel:
            if (!user.Press(step.action == Finish ? WizardButton::Finish : WizardButton::Cancel))
                return user.notes.push_back("(still open)");
            user.notes.push_back("closed");
            continue;
        case Next:
        case Back:
            if (!user.Press(step.action == Next ? WizardButton::Next : WizardButton::Back))
                return user.notes.push_back("(no new page)");
            user.notes.push_back(user.Look(step.buttons));
        }
    }
}

Notes Expected(const std::vector<Step>& steps)
{
    Notes notes{std::string(CAPTION_WELCOME) + " | Next"};
    for (const Step& step : steps) {
        if (step.action == Finish || step.action == Cancel)
            notes.push_back("closed");
        else if (step.action == Next || step.action == Back)
            notes.push_back(std::string(step.title) + " | " + step.buttons);
    }
    return notes;
}

const char* const W = CAPTION_WELCOME;
const char* const T = CAPTION_INSTALLTYPE;
const char* const M = CAPTION_MODULES;
const char* const F = CAPTION_SELECTFOLDER;
const char* const E = CAPTION_FINISH;

TEST(Navigation, EachInstallationTypeTakesItsWayInBothDirections)
{
    // clang-format off
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int installType;
    } cases[] = {
        {"Typical skips the modules both ways",
         {{Next, T, "Back Next"}, {Next, F, "Back Next"}, {Back, T, "Back Next"}, {Back, W, "Next"},
          {Next, T, "Back Next"}, {Next, F, "Back Next"}, {Next, E, "Back Finish"}, {Back, F, "Back Next"},
          {Next, E, "Back Finish"}, {Finish}},
         0},
        {"Minimum skips the modules both ways",
         {{Next, T, "Back Next"}, {Minimum}, {Next, F, "Back Next"}, {Back, T, "Back Next"},
          {Next, F, "Back Next"}, {Next, E, "Back Finish"}, {Finish}},
         1},
        {"Custom passes through the modules both ways",
         {{Next, T, "Back Next"}, {Custom}, {Next, M, "Back Next"}, {Next, F, "Back Next"},
          {Back, M, "Back Next"}, {Back, T, "Back Next"}, {Next, M, "Back Next"}, {Next, F, "Back Next"},
          {Next, E, "Back Finish"}, {Back, F, "Back Next"}, {Back, M, "Back Next"}, {Next, F, "Back Next"},
          {Next, E, "Back Finish"}, {Finish}},
         2},
        {"Custom changed back to Typical skips them again",
         {{Next, T, "Back Next"}, {Custom}, {Next, M, "Back Next"}, {Back, T, "Back Next"}, {Typical},
          {Next, F, "Back Next"}, {Back, T, "Back Next"}, {Next, F, "Back Next"}, {Next, E, "Back Finish"},
          {Finish}},
         0},
    };
    // clang-format on
    for (const auto& c : cases) {
        ContextSettings settings;
        settings.modules = NumberedModules(3);
        WizardContext context(settings);
        CInstallSheet sheet("Corvel Installation Wizard", context.script);
        Notes notes;
        EXPECT_EQ(RunWizard(
                      sheet, [&](WizardUser& user) { Play(user, c.steps); }, &notes),
                  12325)
            << c.what;
        EXPECT_EQ(notes, Expected(c.steps)) << c.what;
        EXPECT_EQ(sheet.installTypeTab.installType, c.installType) << c.what;
    }
}

TEST(Navigation, CancelOnAnyPageEndsWithoutFinish)
{
    const std::vector<Step> toEachPage[] = {
        {},
        {{Next, T, "Back Next"}},
        {{Next, T, "Back Next"}, {Custom}, {Next, M, "Back Next"}},
        {{Next, T, "Back Next"}, {Next, F, "Back Next"}},
        {{Next, T, "Back Next"}, {Next, F, "Back Next"}, {Next, E, "Back Finish"}},
    };
    for (std::vector<Step> steps : toEachPage) {
        steps.push_back({Cancel});
        WizardContext context{ContextSettings{}};
        CInstallSheet sheet("Corvel Installation Wizard", context.script);
        Notes notes;
        const INT_PTR result = RunWizard(
            sheet, [&](WizardUser& user) { Play(user, steps); }, &notes);
        EXPECT_NE(result, 12325) << notes.size();
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(notes, Expected(steps));
    }
}

TEST(Navigation, TheSheetIsReachableWhileItLives)
{
    EXPECT_EQ(ActiveSheet, nullptr);
    {
        const ScriptModel script;
        CInstallSheet sheet("Corvel Installation Wizard", script);
        EXPECT_EQ(ActiveSheet, &sheet);
        EXPECT_EQ(sheet.GetPageCount(), 5);
        const UINT order[] = {IDD_WELCOME, IDD_INSTALLTYPE, IDD_MODULES, IDD_SELECTFOLDER, IDD_FINISH};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(sheet.GetPage(i)->TemplateId(), order[i]);
        EXPECT_TRUE(sheet.m_psh.dwFlags & PSH_WIZARD);
        EXPECT_EQ(sheet.m_psh.nStartPage, 0u);
    }
    EXPECT_EQ(ActiveSheet, nullptr);
}

} // namespace
