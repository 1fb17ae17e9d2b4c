// The module page: box k stands for the module at position k of the list (newest first), so
// the boxes show the last ten modules of the script.
#include "wizard/Modules.h"

#include "resources/resource.h"
#include "wizard/InstallSheet.h"

CModules::CModules() : CPropertyPage(IDD_MODULES) {}

void CModules::DoDataExchange(CDataExchange* pDX)
{
    for (int k = 0; k < kModuleBoxes; ++k)
        DDX_Check(pDX, IDC_MODULE1 + k, checks[k]);
}

// Only on first display, so coming back to the page keeps the user's ticks.
BOOL CModules::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    int k = 0;
    for (const ModuleEntry* module = ActiveSheet->script.modules; module && k < kModuleBoxes;
         module = module->next, ++k) {
        SetDlgItemTextA(m_hWnd, IDC_MODULE1 + k, module->name);
        checks[k] = module->typical;
    }
    for (; k < kModuleBoxes; ++k)
        ::ShowWindow(GetDlgItem(IDC_MODULE1 + k), SW_HIDE);
    UpdateData(FALSE);
    return TRUE;
}
