// setup.exe run as a user runs it: started in its distribution directory, its wizard driven
// page by page, and every message box it shows read and answered until it ends. Shared by the
// end-to-end tests and the demo.
#pragma once

#include "MessageBoxes.h"
#include "Process.h"
#include "Wizard.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kStartMs = 30000;  // a cold Wine may take a while to show the first window
constexpr DWORD kEffectMs = 10000; // a page change, a click, a box
constexpr DWORD kRunMs = 120000;   // an installation after Finish

// What setup.exe's windows are called.
extern const char* const kSplashCaption;
extern const char* const kProgressCaption;
extern const char* const kWelcomeTitle;
extern const char* const kTypeTitle;
extern const char* const kModulesTitle;
extern const char* const kFolderTitle;
extern const char* const kFinishTitle;

class SetupSession {
  public:
    // Starts directory\setup.exe with that directory as its current directory.
    explicit SetupSession(const std::string& directory);
    SetupSession(const SetupSession&) = delete;
    SetupSession& operator=(const SetupSession&) = delete;

    bool Started() const { return process.Started(); }
    DWORD Id() const { return process.Id(); }
    ui::Process& Program() { return process; }

    // Waits for the wizard to show; null when it did not.
    HWND WaitForWizard(DWORD timeoutMs = kStartMs);
    HWND Wizard() const { return wizard; }
    HWND Page() const;
    std::string Title() const;
    // "title | buttons" with the buttons a user can press ("Back Next"), once the page has set
    // the expected ones (a page sets them by a posted message after it shows).
    std::string Look(const std::string& expectedButtons);

    // Presses a wizard button and waits for its effect: another page, or the wizard gone.
    bool Press(ui::WizardButton button);
    bool Type(int id, const std::string& text);
    // Clicks a radio button or check box of the page and waits until it shows `state`.
    bool Click(int id, int state);

    // Answers every message box until the program ends, and keeps what they said; false when it
    // did not end in time (it is then killed).
    bool RunToEnd(std::vector<ui::MessageBoxSeen>* boxes, DWORD* exitCode = nullptr,
                  DWORD timeoutMs = kRunMs);

  private:
    ui::Process process;
    HWND wizard = nullptr;
};

// The lines of a text such as the uninstall log, without their ends (CR LF or LF).
std::vector<std::string> Lines(const std::string& text);


} // namespace e2e
