// Step 2 a: the modules of a Custom installation, one check box for each of the first ten
// modules of the list.
#pragma once

#include "framework/PropertyPage.h"

constexpr int kModuleBoxes = 10;

class CModules : public CPropertyPage {
public:
    CModules();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    // Entry k: the box of the module at list position k is checked.
    int checks[kModuleBoxes] = {};
};
