// Driving a wizard (a property sheet in wizard mode) of another process: finding it, reading
// its current page and pressing Back, Next, Finish and Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

enum class WizardButton { Back, Next, Finish, Cancel };

// The id of that button among the sheet's children (for IsEnabled, IsVisible, ControlText).
int WizardButtonId(WizardButton button);

// The process's visible wizard, or null. It is found by what it is (a dialog with the wizard's
// buttons), not by its caption: its title bar shows the current page's caption.
HWND FindWizard(DWORD processId);
HWND WaitForWizard(DWORD processId, DWORD timeoutMs);

// The window of the page shown now (the parent of the page's controls); null when none.
HWND CurrentPage(HWND wizard);
// The current page's title, as the title bar shows it.
std::string PageTitle(HWND wizard);

// Presses the button (PSM_PRESSBUTTON, posted, so that whatever the press opens cannot block
// the driver). Like a user, it first waits up to timeoutMs until the button can be pressed (shown,
// enabled, and no modal box over the wizard); false when it never could. The effect comes later:
// wait for it.
bool Press(HWND wizard, WizardButton button, DWORD timeoutMs = 5000);

// Waits up to timeoutMs until the page title is no longer `from`; returns the new title, or an
// empty string when the time ran out or the wizard closed.
std::string WaitForNewPage(HWND wizard, const std::string& from, DWORD timeoutMs);

// Waits up to timeoutMs until the wizard window is gone.
bool WaitForWizardClosed(HWND wizard, DWORD timeoutMs);

// The wizard buttons a user can press now, by name: "Back Next", "Back Finish"...
std::string UsableButtons(HWND wizard);

} // namespace ui
