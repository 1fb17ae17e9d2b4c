// The finish page.
#include "wizard/Finish.h"

#include "resources/resource.h"
#include "wizard/InstallSheet.h"

CFinish::CFinish() : CPropertyPage(IDD_FINISH) {}

BOOL CFinish::OnSetActive()
{
    ActiveSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}
