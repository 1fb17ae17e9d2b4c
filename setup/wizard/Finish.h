// The last page: Finish starts the installation.
#pragma once

#include "framework/PropertyPage.h"

class CFinish : public CPropertyPage {
public:
    CFinish();

    BOOL OnSetActive() override;
};
