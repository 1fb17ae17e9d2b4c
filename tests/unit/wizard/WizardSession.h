// The wizard as the install run shows it (modal, on this thread) with a user on another thread
// who drives it through the UI driver and writes down what each page showed. The user's notes
// are checked on the main thread once the sheet has closed.
#pragma once

#include "SetupSession.h"
#include "Wizard.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CInstallSheet;

constexpr DWORD kWindowMs = 20000;   // a cold Wine may take a while to show the first window
constexpr DWORD kEffectMs = 5000;

// The page titles, as the end-to-end tests know them too.
using e2e::kFinishTitle;
using e2e::kFolderTitle;
using e2e::kModulesTitle;
using e2e::kTypeTitle;
using e2e::kWelcomeTitle;

class User {
public:
    explicit User(HWND wizard) : wizard(wizard) {}

    // The title and the usable wizard buttons ("Back Next"), once the buttons the page sets are
    // in place (they are posted), as "title | buttons".
    std::string Look(const char* expectedButtons);
    // Presses a button and waits for its effect: another page, or the sheet gone.
    bool Press(ui::WizardButton button);
    // Clicks a radio button or check box of the current page and waits for the new state.
    bool Click(int id, int expectedState);
    bool Type(int id, const std::string& text);

    HWND Page() const { return ui::CurrentPage(wizard); }
    // Every control of the current page: "id class 'text'" with [x] or [ ] for a button's check
    // mark and "hidden" for a control the user cannot see.
    std::vector<std::string> Controls() const;
    // Saves the sheet's image when the screenshot script asked for pictures.
    void Shoot(const std::string& name) const;

    HWND wizard;
    std::vector<std::string> notes;
    bool closed = false;
};

// Runs sheet.DoModal() while `play` acts on the wizard. A sheet still open after `play` is
// cancelled, so a failing test never hangs. Returns DoModal's result.
INT_PTR RunWizard(CInstallSheet& sheet, const std::function<void(User&)>& play, std::vector<std::string>* notes = nullptr);
