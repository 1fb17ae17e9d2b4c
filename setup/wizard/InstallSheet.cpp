// The installation wizard's sheet.
#include "wizard/InstallSheet.h"

CInstallSheet* ActiveSheet = nullptr;

CInstallSheet::CInstallSheet(const char* caption, const ScriptModel& script, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), script(script)
{
    ActiveSheet = this;
    AddPage(&welcomeTab);
    AddPage(&installTypeTab);
    AddPage(&modulesTab);
    AddPage(&selectFolderTab);
    AddPage(&finishTab);
    SetWizardMode();
}

CInstallSheet::~CInstallSheet()
{
    if (ActiveSheet == this)
        ActiveSheet = nullptr;
}
