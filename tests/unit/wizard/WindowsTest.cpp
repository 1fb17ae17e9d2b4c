// The splash and progress windows as the install run uses them: made, shown, updated between
// steps without a message loop, and taken down.
#include "ScreenImage.h"
#include "framework/Wnd.h"
#include "resources/resource.h"
#include "wizard/ProgressDlg.h"
#include "wizard/Splash.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

RECT ScreenRect(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// How many pixels of the screen area differ between two captures.
int Changed(const ui::Image& before, const ui::Image& after)
{
    int changed = 0;
    for (size_t i = 0; i < before.pixels.size() && i < after.pixels.size(); ++i)
        changed += before.pixels[i] != after.pixels[i];
    return changed;
}

TEST(Splash, ShowsItsTextUntilDestroyed)
{
    auto splash = std::make_unique<CSplash>();
    ASSERT_TRUE(splash->Create());
    HWND window = splash->m_hWnd;
    EXPECT_FALSE(IsWindowVisible(window)) << "shown only when asked";
    splash->ShowWindow(SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_EQ(WindowText(window), "Corvel Install for Windows95 and NT");
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_SYSMENU),
              WS_POPUP | WS_CAPTION);
    HWND text = GetWindow(window, GW_CHILD);
    EXPECT_EQ(WindowText(text), "Corvel Install is initializig and prepering installation");
    HWND icon = GetWindow(text, GW_HWNDNEXT);
    EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0) << "the program's icon is shown";
    ui::Shoot(window, "splash");
    splash.reset(); // the window goes with the object
    EXPECT_FALSE(IsWindow(window));
}

TEST(ProgressDlg, ShowsTheRunsLinesAndItsBar)
{
    CProgressDlg progress;
    ASSERT_TRUE(progress.Create());
    progress.ShowWindow(SW_SHOW);
    progress.SetFocus();
    EXPECT_TRUE(IsWindowVisible(progress.m_hWnd));
    EXPECT_EQ(GetWindow(progress.m_hWnd, GW_OWNER), nullptr);
    EXPECT_EQ(WindowText(progress.m_hWnd), "Corvel Install - Installing");
    EXPECT_TRUE(GetFocus() == progress.m_hWnd || IsChild(progress.m_hWnd, GetFocus()));
    ASSERT_EQ(progress.statusLine.m_hWnd, progress.GetDlgItem(IDC_STATUSLINE));
    ASSERT_EQ(progress.fileLine.m_hWnd, progress.GetDlgItem(IDC_FILELINE));
    ASSERT_EQ(progress.progressBar.m_hWnd, progress.GetDlgItem(IDC_PROGRESSBAR));

    // The order of the install run: prepare, one module of three files, register. A file line
    // and a bar kept between paints reach their controls with the next status line or ShowNow.
    struct Step {
        const char* status; // null: unchanged
        const char* file;   // null: unchanged
        int done;
        bool showNow;
        const char* fileShown;
        int positionShown;
    } steps[] = {
        {"Prepering to copy files", nullptr, 0, false, "", 0}, // never the template's "Static"
        {nullptr, "bin\\edit.exe", 0, false, "", 0},
        {"Copying files (Program files)...", nullptr, 0, false, "bin\\edit.exe", 0},
        {nullptr, "bin\\edrt.dll", 1, false, "bin\\edit.exe", 0},
        {nullptr, "Help\\edit.hlp", 2, true, "Help\\edit.hlp", 2},
        {nullptr, nullptr, 3, true, "Help\\edit.hlp", 3},
        {"Registering Uninstall program...", "", 3, false, "", 3},
    };
    progress.progressBar.SetRange(0, 3);
    std::string status = "Static";
    for (const auto& s : steps) {
        if (s.file)
            progress.SetFileText(s.file);
        progress.SetFilesDone(s.done);
        if (s.status) {
            progress.SetStatusText(s.status);
            status = s.status;
        }
        if (s.showNow)
            progress.ShowNow();
        EXPECT_EQ(WindowText(progress.GetDlgItem(IDC_STATUSLINE)), status);
        EXPECT_EQ(WindowText(progress.GetDlgItem(IDC_FILELINE)), s.fileShown) << status;
        EXPECT_EQ(progress.progressBar.GetPos(), s.positionShown) << status;
        if (s.positionShown == 2)
            ui::Shoot(progress.m_hWnd, "progress");
    }
    PBRANGE range{};
    SendMessageA(progress.progressBar.m_hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 3);
    EXPECT_TRUE(progress.DestroyWindow());
    EXPECT_EQ(progress.m_hWnd, nullptr);
}

// The run dispatches no messages while it copies: what the window shows changes when it is told
// to show it (the status line at once), not at the next message loop.
TEST(ProgressDlg, EveryUpdateReachesTheScreenWithoutAMessageLoop)
{
    CProgressDlg progress;
    ASSERT_TRUE(progress.Create());
    progress.ShowWindow(SW_SHOW);
    progress.SetFocus();
    progress.SetStatusText("Prepering to copy files");
    progress.progressBar.SetRange(0, 4);
    Sleep(300); // the window manager's own work after the first show

    struct Update {
        const char* what;
        std::function<void()> apply;
        HWND area;
    } updates[] = {
        {"status line", [&] { progress.SetStatusText("Copying files (Program files)..."); },
         progress.statusLine.m_hWnd},
        {"file line", [&] { progress.SetFileText("bin\\edit.exe"), progress.ShowNow(); },
         progress.fileLine.m_hWnd},
        {"bar step", [&] { progress.SetFilesDone(1), progress.ShowNow(); }, progress.progressBar.m_hWnd},
        {"bar step", [&] { progress.SetFilesDone(2), progress.ShowNow(); }, progress.progressBar.m_hWnd},
        {"file line emptied", [&] { progress.SetFileText(""), progress.ShowNow(); },
         progress.fileLine.m_hWnd},
    };
    for (auto& u : updates) {
        ui::Image before = ui::CaptureScreen(ScreenRect(u.area));
        u.apply();
        ui::Image after = ui::CaptureScreen(ScreenRect(u.area));
        EXPECT_GT(Changed(before, after), 10) << u.what;
    }
}

} // namespace
