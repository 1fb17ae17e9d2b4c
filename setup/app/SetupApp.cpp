// The application object's hooks into the framework.
#include "app/SetupApp.h"

#include "wizard/ProgressDlg.h"

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
