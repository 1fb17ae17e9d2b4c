// The splash window.
#include "wizard/Splash.h"

#include "resources/resource.h"

CSplash::CSplash() : CDialog(IDD_SPLASH) {}

BOOL CSplash::Create(CWnd* parent)
{
    return CDialog::Create(IDD_SPLASH, parent);
}
