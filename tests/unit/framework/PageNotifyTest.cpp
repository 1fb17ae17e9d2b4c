// The one place where the sheet's PSN_ notifications meet the page's overridables: every code,
// both answers, and what the sheet receives.
#include "framework/PropertyPage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A page without a window whose overridables answer as told and say that they were called.
class AnsweringPage : public CPropertyPage {
public:
    AnsweringPage() : CPropertyPage(130) {}
    BOOL OnSetActive() override { return Called("active", boolAnswer); }
    BOOL OnKillActive() override { return Called("kill", boolAnswer); }
    LRESULT OnWizardNext() override { return Called("next", jumpAnswer); }
    LRESULT OnWizardBack() override { return Called("back", jumpAnswer); }
    BOOL OnWizardFinish() override { return Called("finish", boolAnswer); }
    BOOL OnQueryCancel() override { return Called("querycancel", boolAnswer); }
    void OnReset() override { Called("reset", 0); }

    using CPropertyPage::OnMessage;

    BOOL boolAnswer = TRUE;
    LRESULT jumpAnswer = 0;
    std::string called;

private:
    template <typename T>
    T Called(const char* what, T answer)
    {
        called = what;
        return answer;
    }
};

TEST(PageNotify, EachNotificationIsAnsweredInTheSheetsTerms)
{
    struct Case {
        UINT code;
        BOOL boolAnswer;
        LRESULT jumpAnswer;
        const char* overridable;
        LRESULT sheetReceives;
    } cases[] = {
        {PSN_SETACTIVE, TRUE, 0, "active", 0},    // show the page
        {PSN_SETACTIVE, FALSE, 0, "active", -1},  // refuse it
        {PSN_KILLACTIVE, TRUE, 0, "kill", FALSE}, // let it go
        {PSN_KILLACTIVE, FALSE, 0, "kill", TRUE}, // keep it
        {PSN_WIZNEXT, TRUE, 0, "next", 0},        // the following page
        {PSN_WIZNEXT, TRUE, -1, "next", -1},      // stay
        {PSN_WIZNEXT, TRUE, 133, "next", 133},    // the page of template 133
        {PSN_WIZBACK, TRUE, 0, "back", 0},
        {PSN_WIZBACK, TRUE, -1, "back", -1},
        {PSN_WIZBACK, TRUE, 131, "back", 131},
        {PSN_WIZFINISH, TRUE, 0, "finish", 0},            // end the sheet
        {PSN_WIZFINISH, FALSE, 0, "finish", TRUE},        // keep it open
        {PSN_QUERYCANCEL, TRUE, 0, "querycancel", FALSE}, // let Cancel end it
        {PSN_QUERYCANCEL, FALSE, 0, "querycancel", TRUE}, // keep it open
        {PSN_RESET, TRUE, 0, "reset", 0},
    };
    for (const auto& c : cases) {
        AnsweringPage page;
        page.boolAnswer = c.boolAnswer;
        page.jumpAnswer = c.jumpAnswer;
        LRESULT result = 12345;
        ASSERT_TRUE(page.OnSheetNotify(c.code, &result)) << c.overridable;
        EXPECT_EQ(page.called, c.overridable);
        EXPECT_EQ(result, c.sheetReceives)
            << c.overridable << " answering " << c.boolAnswer << "/" << c.jumpAnswer;
    }
}

TEST(PageNotify, OtherCodesAreLeftToTheSheet)
{
    for (UINT code : {UINT(PSN_APPLY), UINT(PSN_HELP), UINT(PSN_TRANSLATEACCELERATOR), 0u}) {
        AnsweringPage page;
        LRESULT result = 77;
        EXPECT_FALSE(page.OnSheetNotify(code, &result)) << code;
        EXPECT_EQ(result, 77);
        EXPECT_EQ(page.called, "");
    }
}

// A WM_NOTIFY is the sheet's when it comes from the page's parent; a control's own codes (a list
// view's, say) can have the values of PSN_ codes and must not move the wizard.
TEST(PageNotify, OnlyTheSheetsNotificationsReachTheOverridables)
{
    HWND sheet = CreateWindowA("STATIC", "sheet", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND pageWindow = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 5, 5, sheet, nullptr, nullptr, nullptr);
    HWND control = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 2, 2, pageWindow, nullptr, nullptr, nullptr);
    ASSERT_TRUE(sheet && pageWindow && control);
    for (HWND from : {sheet, control}) {
        AnsweringPage page;
        page.m_hWnd = pageWindow;
        NMHDR header{from, 0, UINT(PSN_WIZNEXT)};
        LRESULT result = 77;
        const bool taken = page.OnMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result);
        EXPECT_EQ(taken, from == sheet);
        EXPECT_EQ(page.called, from == sheet ? "next" : "");
        page.m_hWnd = nullptr;
    }
    DestroyWindow(sheet);
}

TEST(PageNotify, DefaultsLetEveryMoveHappen)
{
    CPropertyPage page(130);
    struct Case {
        UINT code;
        LRESULT sheetReceives;
    } cases[] = {
        {PSN_SETACTIVE, 0}, {PSN_KILLACTIVE, FALSE},  {PSN_WIZNEXT, 0}, {PSN_WIZBACK, 0},
        {PSN_WIZFINISH, 0}, {PSN_QUERYCANCEL, FALSE}, {PSN_RESET, 0},
    };
    for (const auto& c : cases) {
        LRESULT result = 12345;
        ASSERT_TRUE(page.OnSheetNotify(c.code, &result)) << c.code;
        EXPECT_EQ(result, c.sheetReceives) << c.code;
    }
}

} // namespace
