// The window on screen while the files are placed: a status line, a file line and a bar. The
// install run dispatches no messages while it works, so the window paints when told. The lines
// and the bar take every change at once, but the window shows them at most every
// kPaintIntervalMs: a person cannot follow faster, and the controls drawing themselves for every
// file cost the copy loop almost as much as the copies. Between two paints the file line and
// the bar are held (WM_SETREDRAW off); call ShowNow before anything else is shown over them.
#pragma once

#include "framework/Dialog.h"

#include <windows.h>

class CProgressDlg : public CDialog {
public:
    static constexpr DWORD kPaintIntervalMs = 40;

    CProgressDlg();

    // Creates the window from its template, hidden; ShowWindow(SW_SHOW) shows and paints it.
    BOOL Create(CWnd* parent = nullptr);
    void DoDataExchange(CDataExchange* pDX) override;

    // Shown at once: it changes once per module.
    void SetStatusText(const char* text);
    void SetFileText(const char* text);
    // PBM_STEPIT to the bar.
    void StepIt();

    // Paints what has changed when the last paint is kPaintIntervalMs old; ShowNow paints it now.
    void ShowProgress();
    void ShowNow();

    CStatic statusLine;
    CProgressCtrl progressBar;
    CStatic fileLine;

private:
    // Keeps the file line and the bar from drawing each change as it comes.
    void Hold();

    DWORD lastPaint = 0;
    bool held = false;
};
