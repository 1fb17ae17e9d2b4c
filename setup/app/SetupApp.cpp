// The install context shared by the install engine: the destination directory and the
// Start-menu folder chosen in the wizard.
#include "app/SetupApp.h"

char InstallDir[kPathBufferSize];
char MenuFolder[kPathBufferSize];

BOOL CSetupApp::InitInstance()
{
    return RunInstall();
}
