// Step 3: the Start-menu folder (Program Manager group on NT 3.x) for the product's shortcuts.
#pragma once

#include "framework/PropertyPage.h"

#include <string>

class CSelectFolder : public CPropertyPage {
public:
    CSelectFolder();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // Back skips the module page unless the installation is Custom.
    LRESULT OnWizardBack() override;

    CComboBox folderList;
    std::string prompt;
    std::string folderName; // at most 259 characters: the combo box takes no more
};
