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

void CProgressDlg::Hold()
{
    if (held)
        return;
    fileLine.SetRedraw(FALSE);
    progressBar.SetRedraw(FALSE);
    held = true;
}

void CProgressDlg::SetFileText(const char* text)
{
    Hold();
    fileLine.SetWindowText(text);
    ShowProgress();
}

void CProgressDlg::StepIt()
{
    Hold();
    progressBar.StepIt();
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
    if (held) {
        // Redraw back on draws nothing by itself.
        fileLine.SetRedraw(TRUE);
        progressBar.SetRedraw(TRUE);
        fileLine.Invalidate();
        progressBar.Invalidate();
        held = false;
    }
    RepaintNow();
    lastPaint = GetTickCount();
}
