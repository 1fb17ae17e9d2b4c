// Step 2: Typical, Minimum or Custom installation.
#pragma once

#include "framework/PropertyPage.h"

// The user's choice of installation, as the radio buttons of the page number them.
enum InstallType { kTypicalInstall = 0, kMinimumInstall = 1, kCustomInstall = 2 };

class CInstallType : public CPropertyPage {
public:
    CInstallType();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnSetActive() override;
    // Only a Custom installation shows the module page.
    LRESULT OnWizardNext() override;

    int installType = kTypicalInstall;
};
