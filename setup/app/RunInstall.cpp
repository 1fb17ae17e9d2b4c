// The install run.
#include "app/SetupApp.h"

bool CSetupApp::RunInstall()
{
    // Not built yet: the program starts and ends.
    return false;
}
