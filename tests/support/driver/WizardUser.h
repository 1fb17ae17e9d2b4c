// A user in front of a wizard: reads its page, presses its buttons, clicks and types on its pages,
// and waits each time for the effect. The same user drives setup.exe run as a program and the
// install sheet run inside a test.
#pragma once

#include "Wizard.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

constexpr DWORD kStartMs = 30000;  // a cold Wine may take a while to show the first window
constexpr DWORD kEffectMs = 10000; // a page change, a click, a box

class WizardUser {
public:
    explicit WizardUser(HWND wizard = nullptr) : wizard(wizard) {}

    HWND Wizard() const { return wizard; }
    HWND Page() const { return CurrentPage(wizard); }
    // The current page once its control id can be used: a sheet shows its page a moment after
    // it appears, as a user sees before typing or clicking.
    HWND PageWith(int id) const;
    std::string Title() const { return PageTitle(wizard); }
    // "title | buttons" with the buttons a user can press ("Back Next"), once the page has set
    // the expected ones (a page sets them by a posted message after it shows).
    std::string Look(const std::string& expectedButtons);

    // Presses a wizard button and waits for its effect: another page, or the wizard gone.
    bool Press(WizardButton button);
    // Clicks a radio button or check box of the page and waits until it shows `state`.
    bool Click(int id, int state);
    bool Type(int id, const std::string& text);

    // Every control of the current page: "id class 'text'" with [x] or [ ] for a button's check
    // mark and "hidden" for a control the user cannot see.
    std::vector<std::string> Controls() const;
    // Saves the wizard's image when the screenshot script asked for pictures.
    void Shoot(const std::string& name) const;

    std::vector<std::string> notes; // what the user saw, for the test to check afterwards
    bool closed = false;            // Finish or Cancel closed the wizard

protected:
    HWND wizard;
};

} // namespace ui
