// The window on screen while the files are placed: a status line, a file line and a bar. The
// install run dispatches no messages while it works, so the window paints when told. The status
// line is shown as it changes (once per module). The file line and the bar are only kept as they
// change (once per file) and reach their controls when the window is painted, at most every
// kPaintIntervalMs: a person cannot follow faster, and telling the controls of every file cost
// the copy loop as much as the copy itself. Call ShowNow before anything is shown over them.
#pragma once

#include "framework/Dialog.h"

#include <windows.h>

#include <string>

class CProgressDlg : public CDialog {
public:
    static constexpr DWORD kPaintIntervalMs = 40;

    CProgressDlg();

    // Creates the window from its template, hidden; ShowWindow(SW_SHOW) shows and paints it.
    BOOL Create(CWnd* parent = nullptr);
    void DoDataExchange(CDataExchange* pDX) override;

    // Shown at once, with the file line and the bar as they are kept.
    void SetStatusText(const char* text);
    // The file now placed, and the number placed so far (of the range set once with the bar's
    // SetRange): kept for the next paint.
    void SetFileText(const char* text);
    void SetFilesDone(int done);

    // Paints what has changed when the last paint is kPaintIntervalMs old; ShowNow paints it now.
    void ShowProgress();
    void ShowNow();

    CStatic statusLine;
    CProgressCtrl progressBar;
    CStatic fileLine;

private:
    std::string fileText, shownFileText;
    bool fileLineShown = false;
    int filesDone = 0, shownFilesDone = 0;
    DWORD lastPaint = 0;
};
