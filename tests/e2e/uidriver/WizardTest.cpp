// Driving the fixture's wizard and message boxes from this process, as a user would: every
// capability of the driver, each checked against what the fixture reports it received.
#include "Wizard.h"
#include "Controls.h"
#include "FixtureIds.h"
#include "FixtureProgram.h"
#include "MessageBoxes.h"
#include "Process.h"
#include "ScratchDir.h"
#include "ScreenImage.h"
#include "Waiting.h"
#include "WindowQueries.h"
#include "WizardUser.h"

#include <gtest/gtest.h>

#include <set>

using namespace ui;
using testing_support::ScratchDir;

namespace {

bool ButtonUsable(HWND wizard, WizardButton button)
{
    int id = WizardButtonId(button);
    return IsVisible(wizard, id) && IsEnabled(wizard, id);
}

TEST(WindowQueries, WaitingForAWindowThatNeverComesTimesOut)
{
    const DWORD start = GetTickCount();
    EXPECT_EQ(WaitForWindow({"No Such Window", "#32770", 0}, 400), nullptr);
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, ui::Allowed(400)); // stretched as every wait is on a slow machine
    EXPECT_LT(waited, ui::Allowed(3000));
}

// The first page: read the defaults, type a name, tick the box, and press a button whose
// handler shows a modal box (the click is posted, so the driver stays free to answer it).
void FillNamePage(HWND wizard, DWORD pid)
{
    HWND page = CurrentPage(wizard);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(ControlText(page, IDC_NAME), "Default Name");
    EXPECT_EQ(CheckState(page, IDC_NEWS), BST_UNCHECKED);
    EXPECT_FALSE(IsVisible(page, IDC_NEWS_NOTE));
    EXPECT_TRUE(WaitUntil([&] { return ButtonUsable(wizard, WizardButton::Next); }, kEffectMs));
    EXPECT_FALSE(IsEnabled(wizard, WizardButtonId(WizardButton::Back)));
    EXPECT_FALSE(Press(wizard, WizardButton::Back, 0)) << "a disabled button cannot be pressed";
    EXPECT_FALSE(IsVisible(wizard, WizardButtonId(WizardButton::Finish)));
    EXPECT_TRUE(Shoot(wizard, "uidriver-fixture-name-page"));

    EXPECT_TRUE(SetText(page, IDC_NAME, "Ada Lovelace"));
    EXPECT_EQ(ControlText(page, IDC_NAME), "Ada Lovelace");
    EXPECT_TRUE(Click(page, IDC_NEWS));
    EXPECT_TRUE(WaitForCheck(page, IDC_NEWS, BST_CHECKED, kEffectMs));
    EXPECT_TRUE(WaitUntil([&] { return IsVisible(page, IDC_NEWS_NOTE); }, kEffectMs));
    EXPECT_EQ(ControlText(page, IDC_NEWS_NOTE), "News comes by post.");

    EXPECT_TRUE(Click(page, IDC_GREET));
    MessageBoxSeen seen;
    ASSERT_TRUE(WaitForMessageBox(pid, kEffectMs, &seen, false));
    EXPECT_EQ(seen.caption, "Fixture Setup");
    EXPECT_EQ(seen.text, "Hello, Ada Lovelace!");
    EXPECT_STREQ(IconName(seen.icon), "asterisk");
    EXPECT_FALSE(Press(wizard, WizardButton::Next, 0)) << "the box is modal";
    PressOk(FindMessageBox(pid));
    EXPECT_EQ(FindMessageBox(pid), nullptr);
}

// The second page: a radio group, and a combo box that only the last choice enables.
void FillKindPage(HWND wizard)
{
    HWND page = CurrentPage(wizard);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(CheckState(page, IDC_TYPICAL), BST_CHECKED);
    EXPECT_EQ(ControlText(page, IDC_CUSTOM), "C&ustom");
    EXPECT_FALSE(IsEnabled(page, IDC_FOLDER));
    EXPECT_FALSE(SetText(page, IDC_FOLDER, "X:\\")) << "a user cannot type into a disabled box";
    EXPECT_FALSE(Click(page, 4242)) << "no such control";

    EXPECT_TRUE(Click(page, IDC_CUSTOM));
    EXPECT_TRUE(WaitForCheck(page, IDC_CUSTOM, BST_CHECKED, kEffectMs));
    EXPECT_EQ(CheckState(page, IDC_TYPICAL), BST_UNCHECKED);
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(page, IDC_FOLDER); }, kEffectMs));
    EXPECT_EQ(ControlText(page, IDC_FOLDER), "C:\\Fixture");
    EXPECT_TRUE(SetText(page, IDC_FOLDER, "E:\\Elsewhere"));
    EXPECT_EQ(ControlText(page, IDC_FOLDER), "E:\\Elsewhere");
    EXPECT_TRUE(WaitUntil([&] { return ButtonUsable(wizard, WizardButton::Back); }, kEffectMs));
    EXPECT_TRUE(Shoot(wizard, "uidriver-fixture-kind-page"));
}

// What the screen shows of the window was saved: the window's size, and not one flat colour.
void CheckWindowImage(HWND window, const std::string& path)
{
    ASSERT_TRUE(SaveWindowImage(window, path));
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const size_t rowBytes = (width * 3 + 3) / 4 * 4;
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 54 + rowBytes * height);
    Image image = LoadBitmap(path);
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    std::set<uint32_t> colours(image.pixels.begin(), image.pixels.end());
    EXPECT_GE(colours.size(), 4u) << "a blank image";
    // The title bar is drawn in another colour than the dialog's face below it.
    EXPECT_NE(image.At(width / 2, 8), image.At(width / 2, height / 2 + 40));
}

TEST(Wizard, DrivenToFinishReportsEverythingTheUserEntered)
{
    ScratchDir dir("uidriver-finish");
    Process p(FixtureCommand("wizard 5"), dir.Path(), "typed\r\nlines\n");
    ASSERT_TRUE(p.Started()) << p.StartError();
    HWND wizard = WaitForWizard(p.Id(), kStartMs);
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(WaitForWindow({"Your Name", "#32770", p.Id()}, kEffectMs), wizard);
    EXPECT_EQ(PageTitle(wizard), "Your Name");

    FillNamePage(wizard, p.Id());
    HWND namePage = CurrentPage(wizard);
    ASSERT_TRUE(Press(wizard, WizardButton::Next));
    ASSERT_EQ(WaitForNewPage(wizard, "Your Name", kEffectMs), "Setup Type");
    FillKindPage(wizard);

    ASSERT_TRUE(Press(wizard, WizardButton::Back));
    ASSERT_EQ(WaitForNewPage(wizard, "Setup Type", kEffectMs), "Your Name");
    EXPECT_EQ(CurrentPage(wizard), namePage);
    EXPECT_EQ(ControlText(namePage, IDC_NAME), "Ada Lovelace");
    ASSERT_TRUE(Press(wizard, WizardButton::Next));
    ASSERT_EQ(WaitForNewPage(wizard, "Your Name", kEffectMs), "Setup Type");
    ASSERT_TRUE(Press(wizard, WizardButton::Next));
    ASSERT_EQ(WaitForNewPage(wizard, "Setup Type", kEffectMs), "Ready");

    EXPECT_EQ(ControlText(CurrentPage(wizard), IDC_SUMMARY), "Ada Lovelace|news|custom|E:\\Elsewhere");
    EXPECT_TRUE(WaitUntil([&] { return ButtonUsable(wizard, WizardButton::Finish); }, kEffectMs));
    EXPECT_FALSE(IsVisible(wizard, WizardButtonId(WizardButton::Next)));
    CheckWindowImage(wizard, dir / "wizard.bmp");
    EXPECT_TRUE(Shoot(wizard, "uidriver-fixture-ready-page"));
    ASSERT_TRUE(Press(wizard, WizardButton::Finish));
    EXPECT_TRUE(WaitForWizardClosed(wizard, kEffectMs));

    const struct {
        const char* text;
        BoxIcon icon;
    } boxes[] = {
        {"A box without an icon.", BoxIcon::None},
        {"A box with the hand.", BoxIcon::Hand},
        {"A box with the question mark.", BoxIcon::Question},
        {"A box with the exclamation mark.", BoxIcon::Exclamation},
        {"A box with the asterisk.", BoxIcon::Asterisk},
    };
    for (const auto& box : boxes) {
        MessageBoxSeen seen;
        ASSERT_TRUE(WaitForMessageBox(p.Id(), kEffectMs, &seen)) << box.text;
        EXPECT_EQ(seen.caption, "Fixture Setup");
        EXPECT_EQ(seen.text, box.text);
        EXPECT_STREQ(IconName(seen.icon), IconName(box.icon)) << box.text;
    }

    DWORD code = 0;
    ASSERT_TRUE(p.Wait(kEffectMs, &code));
    EXPECT_EQ(code, 5u);
    EXPECT_EQ(p.Output(), "input: [typed\r\nlines\n]\n"
                          "greet: 1\n"
                          "sheet: 1\n"
                          "name: Ada Lovelace\nnews: 1\nkind: custom\nfolder: E:\\Elsewhere\n"
                          "box none: 1\nbox hand: 1\nbox question: 1\nbox exclamation: 1\nbox asterisk: 1\n");
    EXPECT_EQ(p.Errors(), "fixture: done\n");
}

TEST(Wizard, CancelEndsTheSheetWithoutAnswers)
{
    Process p(FixtureCommand("wizard 0"));
    ASSERT_TRUE(p.Started());
    HWND wizard = WaitForWizard(p.Id(), kStartMs);
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(Press(wizard, WizardButton::Cancel));
    EXPECT_TRUE(WaitForWizardClosed(wizard, kEffectMs));
    MessageBoxSeen seen;
    ASSERT_TRUE(WaitForMessageBox(p.Id(), kEffectMs, &seen));
    EXPECT_EQ(seen.text, "Setup was cancelled.");
    EXPECT_STREQ(IconName(seen.icon), "exclamation");
    DWORD code = 1;
    ASSERT_TRUE(p.Wait(kEffectMs, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(p.Output(), "input: []\nsheet: 0\nbox cancelled: 1\n");
}

} // namespace
