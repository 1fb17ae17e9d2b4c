// The installation type page.
#include "wizard/InstallType.h"

#include "resources/resource.h"
#include "wizard/InstallSheet.h"

CInstallType::CInstallType() : CPropertyPage(IDD_INSTALLTYPE) {}

void CInstallType::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_TYPICAL, installType);
}

BOOL CInstallType::OnSetActive()
{
    ActiveSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CInstallType::OnWizardNext()
{
    UpdateData(TRUE); // the choice decides where Next leads
    return installType == kCustomInstall ? 0 : IDD_SELECTFOLDER;
}
