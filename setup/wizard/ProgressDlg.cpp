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
    statusLine.RepaintNow();
}

void CProgressDlg::SetFileText(const char* text)
{
    fileLine.SetWindowText(text);
    fileLine.RepaintNow();
}
