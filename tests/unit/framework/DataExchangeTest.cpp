// Data exchange on real controls: the program's page templates, made as children of a pop-up.
#include "framework/Dialog.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class ExchangeDialog : public CDialog {
public:
    explicit ExchangeDialog(UINT id) : CDialog(id) {}
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (exchange)
            exchange(pDX);
    }
    std::function<void(CDataExchange*)> exchange;
};

// A page template made into a child window of a pop-up, as the sheet would.
class PageUnderTest : public ::testing::Test {
protected:
    void Make(UINT templateId)
    {
        ASSERT_TRUE(owner.Create(IDD_PROGRESS));
        page = std::make_unique<ExchangeDialog>(templateId);
        ASSERT_TRUE(page->Create(templateId, &owner));
    }
    HWND Control(int id) { return page->GetDlgItem(id); }

    CDialog owner{IDD_PROGRESS};
    std::unique_ptr<ExchangeDialog> page;
};

TEST_F(PageUnderTest, TextGoesBothWaysAndIsCutToTheLimit)
{
    Make(IDD_WELCOME);
    std::string path;
    page->exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_DESTPATH, path, 259); };
    struct Case {
        std::string written;
        std::string shown;
    } cases[] = {
        {"C:\\Program Files\\Product", "C:\\Program Files\\Product"},
        {"", ""},
        {std::string(259, 'a'), std::string(259, 'a')},
        {std::string(260, 'b'), std::string(259, 'b')},
        {"C:\\" + std::string(400, 'c'), "C:\\" + std::string(256, 'c')},
    };
    for (const auto& c : cases) {
        path = c.written;
        page->UpdateData(FALSE);
        EXPECT_EQ(WindowText(Control(IDC_DESTPATH)), c.shown);
        EXPECT_EQ(path, c.shown) << "the field holds what the user sees";
        EXPECT_EQ(SendMessageA(Control(IDC_DESTPATH), EM_GETLIMITTEXT, 0, 0), 259);
        path = "stale";
        page->UpdateData(TRUE);
        EXPECT_EQ(path, c.shown);
    }
    // What the user types in place of it comes back whole.
    SetWindowTextA(Control(IDC_DESTPATH), "D:\\Elsewhere");
    page->UpdateData(TRUE);
    EXPECT_EQ(path, "D:\\Elsewhere");
}

TEST_F(PageUnderTest, RadioGroupIndexGoesBothWays)
{
    Make(IDD_INSTALLTYPE);
    int choice = 0;
    page->exchange = [&](CDataExchange* pDX) { DDX_Radio(pDX, IDC_TYPICAL, choice); };
    const int buttons[] = {IDC_TYPICAL, IDC_MINIMUM, IDC_CUSTOM};
    for (int written : {0, 1, 2, 0}) {
        choice = written;
        page->UpdateData(FALSE);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(IsDlgButtonChecked(page->m_hWnd, buttons[i]), i == written ? 1u : 0u) << written;
        choice = 99;
        page->UpdateData(TRUE);
        EXPECT_EQ(choice, written);
    }
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(page->m_hWnd, buttons[i], BST_UNCHECKED);
    page->UpdateData(TRUE);
    EXPECT_EQ(choice, -1) << "no button checked";
}

TEST_F(PageUnderTest, CheckBoxesGoBothWays)
{
    Make(IDD_MODULES);
    int checks[3] = {};
    page->exchange = [&](CDataExchange* pDX) {
        for (int k = 0; k < 3; ++k)
            DDX_Check(pDX, IDC_MODULE1 + k, checks[k]);
    };
    checks[0] = 1;
    checks[1] = 0;
    checks[2] = 7; // any nonzero value ticks the box
    page->UpdateData(FALSE);
    EXPECT_EQ(IsDlgButtonChecked(page->m_hWnd, IDC_MODULE1), 1u);
    EXPECT_EQ(IsDlgButtonChecked(page->m_hWnd, IDC_MODULE1 + 1), 0u);
    EXPECT_EQ(IsDlgButtonChecked(page->m_hWnd, IDC_MODULE1 + 2), 1u);
    CheckDlgButton(page->m_hWnd, IDC_MODULE1, BST_UNCHECKED);
    CheckDlgButton(page->m_hWnd, IDC_MODULE1 + 1, BST_CHECKED);
    page->UpdateData(TRUE);
    EXPECT_EQ(checks[0], 0);
    EXPECT_EQ(checks[1], 1);
    EXPECT_EQ(checks[2], 1);
}

TEST_F(PageUnderTest, ComboTextSelectsTheFirstEntryItBegins)
{
    Make(IDD_SELECTFOLDER);
    CComboBox list;
    std::string folder;
    page->exchange = [&](CDataExchange* pDX) {
        DDX_Control(pDX, IDC_FOLDERLIST, list);
        DDX_CBString(pDX, IDC_FOLDERLIST, folder, 259);
    };
    page->UpdateData(FALSE);
    ASSERT_EQ(list.m_hWnd, Control(IDC_FOLDERLIST));
    for (const char* name : {"Games", "Accessories", "Game Tools", "StartUp", "Accessories Extra"})
        list.AddString(name);
    ASSERT_EQ(list.GetLBText(0), "Accessories") << "the list is sorted";

    struct Case {
        std::string written;
        std::string readBack; // what the combo box shows and the field gets back
        const char* selected; // the entry selected, or null
    } cases[] = {
        {"Games", "Games", "Games"},
        {"game", "Game Tools", "Game Tools"}, // the first entry in list order
        {"ACCESS", "Accessories", "Accessories"},
        {"Accessories Extra", "Accessories Extra", "Accessories Extra"},
        {"Corvel Test", "Corvel Test", nullptr},       // a new folder
        {"Games and more", "Games and more", nullptr}, // longer than an entry: no match
        {std::string(300, 'z'), std::string(259, 'z'), nullptr},
        {"", "", nullptr}, // not the first entry: none
    };
    for (const auto& c : cases) {
        folder = c.written;
        page->UpdateData(FALSE);
        int selection = list.GetCurSel();
        if (c.selected)
            EXPECT_EQ(selection >= 0 ? list.GetLBText(selection) : "(none)", c.selected) << c.written;
        else
            EXPECT_EQ(selection, CB_ERR) << c.written;
        folder = "stale";
        page->UpdateData(TRUE);
        EXPECT_EQ(folder, c.readBack);
    }
    // The list's edit field takes no more than the limit.
    HWND edit = GetWindow(list.m_hWnd, GW_CHILD);
    char cls[16] = {};
    while (edit && (GetClassNameA(edit, cls, sizeof cls), lstrcmpiA(cls, "Edit") != 0))
        edit = GetWindow(edit, GW_HWNDNEXT);
    ASSERT_TRUE(edit);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 259);
    // Typed text comes back as typed, even where it begins an entry.
    SetWindowTextA(list.m_hWnd, "Gam");
    page->UpdateData(TRUE);
    EXPECT_EQ(folder, "Gam");
}

TEST_F(PageUnderTest, ExchangeWithoutTheControlLeavesTheField)
{
    Make(IDD_FINISH);
    std::string text = "kept";
    int check = 1;
    page->exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_DESTPATH, text);
        DDX_Check(pDX, IDC_MODULE1, check);
    };
    page->UpdateData(TRUE);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(check, 1);
}

TEST(Dialog, DestroyingTheObjectDestroysItsWindow)
{
    HWND window;
    {
        CDialog dialog(IDD_SPLASH);
        ASSERT_TRUE(dialog.Create(IDD_SPLASH));
        window = dialog.m_hWnd;
        ASSERT_TRUE(IsWindow(window));
        EXPECT_FALSE(dialog.Create(IDD_SPLASH)) << "one window per object";
    }
    EXPECT_FALSE(IsWindow(window));

    CDialog dialog(IDD_SPLASH);
    ASSERT_TRUE(dialog.Create(IDD_SPLASH));
    EXPECT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_FALSE(dialog.DestroyWindow());
}

TEST(Dialog, AMissingTemplateCreatesNothing)
{
    CDialog dialog(999);
    EXPECT_FALSE(dialog.Create(999));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

} // namespace
