// setup.exe run as a user runs it: started in its distribution directory, its wizard driven
// page by page by the driver's wizard user, and every message box it shows read and answered
// until it ends. Shared by the end-to-end tests, the demo and the bench.
#pragma once

#include "MessageBoxes.h"
#include "Process.h"
#include "WizardUser.h"
#include "resources/resource.h" // the ids and captions of setup.exe's windows

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

using ui::kEffectMs;
using ui::kStartMs;
constexpr DWORD kRunMs = 120000; // an installation after Finish

class SetupSession : public ui::WizardUser {
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

    // Answers every message box until the program ends, and keeps what they said; false when it
    // did not end in time (it is then killed).
    bool RunToEnd(std::vector<ui::MessageBoxSeen>* boxes, DWORD* exitCode = nullptr,
                  DWORD timeoutMs = kRunMs);

private:
    ui::Process process;
};

// The lines of a text such as the uninstall log, without their ends (CR LF or LF).
std::vector<std::string> Lines(const std::string& text);

} // namespace e2e
