// The destination page: its defaults come from the product name and the program files folder.
#include "wizard/WelcomeTab.h"

#include "engine/SystemFolders.h"
#include "resources/resource.h"
#include "wizard/InstallSheet.h"

CWelcomeTab::CWelcomeTab() : CPropertyPage(IDD_WELCOME) {}

void CWelcomeTab::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DESTPATH, destPath, kPathBufferSize - 1);
    DDX_Text(pDX, IDC_WELCOMETEXT, welcomeText);
}

// Only on first display, so coming back to the page keeps what the user typed.
BOOL CWelcomeTab::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const std::string& productName = ActiveSheet->script.productName;
    welcomeText = "Corvel Install for Windows95 and NT\r\n\r\nThis program will install " + productName +
                  " on your PC.";
    // On NT 3.x ProgramDir is a drive ("C:"): the product's folder at the root of that drive.
    destPath = std::string(ProgramDir) + "\\" + productName;
    UpdateData(FALSE);
    return TRUE;
}

BOOL CWelcomeTab::OnSetActive()
{
    ActiveSheet->SetWizardButtons(PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}
