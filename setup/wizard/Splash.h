// The window on screen while setup reads the system and its script.
#pragma once

#include "framework/Dialog.h"

class CSplash : public CDialog {
public:
    CSplash();

    // Creates the window from its template, hidden; ShowWindow(SW_SHOW) shows and paints it.
    BOOL Create(CWnd* parent = nullptr);
};
