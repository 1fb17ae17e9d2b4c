// The installation wizard's sheet.
#include "wizard/InstallSheet.h"

CInstallSheet* ActiveSheet = nullptr;

CInstallSheet::CInstallSheet(const char* caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
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
