// The window on screen while the files are placed: a status line, a file line and a bar. The
// install run dispatches no messages while it works, so every change is painted at once.
#pragma once

#include "framework/Dialog.h"

class CProgressDlg : public CDialog {
public:
    CProgressDlg();

    // Creates the window from its template, hidden; ShowWindow(SW_SHOW) shows and paints it.
    BOOL Create(CWnd* parent = nullptr);
    void DoDataExchange(CDataExchange* pDX) override;

    void SetStatusText(const char* text);
    void SetFileText(const char* text);

    CStatic statusLine;
    CProgressCtrl progressBar;
    CStatic fileLine;
};
