// The wizard as the install run shows it (modal, on this thread) with a user on another thread
// who drives it through the UI driver and writes down what each page showed. The user's notes
// are checked on the main thread once the sheet has closed.
#pragma once

#include "WizardUser.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CInstallSheet;

using ui::WizardUser;

// Runs sheet.DoModal() while `play` acts on the wizard. A sheet still open after `play` is
// cancelled, so a failing test never hangs. Returns DoModal's result.
INT_PTR RunWizard(CInstallSheet& sheet, const std::function<void(WizardUser&)>& play,
                  std::vector<std::string>* notes = nullptr);
