// The progress window.
#include "wizard/ProgressDlg.h"

#include "resources/resource.h"

CProgressDlg::CProgressDlg() : CDialog(IDD_PROGRESS) {}

BOOL CProgressDlg::Create(CWnd* parent)
{
    return CDialog::Create(IDD_PROGRESS, parent);
}

void CProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_STATUSLINE, statusLine);
    DDX_Control(pDX, IDC_PROGRESSBAR, progressBar);
    DDX_Control(pDX, IDC_FILELINE, fileLine);
}

void CProgressDlg::SetStatusText(const char* text)
{
    statusLine.SetWindowText(text);
    ShowNow();
}

void CProgressDlg::SetFileText(const char* text)
{
    fileText = text;
}

void CProgressDlg::SetFilesDone(int done)
{
    filesDone = done;
}

void CProgressDlg::ShowProgress()
{
    if (GetTickCount() - lastPaint >= kPaintIntervalMs)
        ShowNow();
}

void CProgressDlg::ShowNow()
{
    if (!m_hWnd)
        return;
    // The first paint also replaces the template's placeholder text of the file line.
    if (fileText != shownFileText || !fileLineShown) {
        fileLine.SetWindowText(fileText.c_str());
        shownFileText = fileText;
        fileLineShown = true;
    }
    if (filesDone != shownFilesDone) {
        progressBar.SetPos(filesDone);
        shownFilesDone = filesDone;
    }
    RepaintNow();
    lastPaint = GetTickCount();
}
