// The install context shared by the install engine: the destination directory and the
// Start-menu folder chosen in the wizard.
#include "app/SetupApp.h"

#include "wizard/ProgressDlg.h"

char InstallDir[kPathBufferSize];
char MenuFolder[kPathBufferSize];

BOOL CSetupApp::InitInstance()
{
    return RunInstall();
}

int CSetupApp::DoMessageBox(const char* text)
{
    if (progressWindow)
        progressWindow->ShowNow();
    return CWinApp::DoMessageBox(text);
}
