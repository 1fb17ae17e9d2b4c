// Step 1: the welcome text and the destination directory.
#pragma once

#include "framework/PropertyPage.h"

#include <string>

class CWelcomeTab : public CPropertyPage {
public:
    CWelcomeTab();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    std::string destPath; // at most 259 characters: the edit field takes no more
    std::string welcomeText;
};
