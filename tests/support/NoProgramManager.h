// Program Manager as the tests need it on Wine's desktop, where the desktop process (explorer)
// serves the PROGMAN DDE service. DDE finds its servers by broadcasting WM_DDE_INITIATE to the
// top-level windows of the caller's desktop, so a server whose windows are not top-level cannot
// be reached. NoProgramManager moves the DDE server-name windows of every other process under
// the message-only parent while it lives, and puts them back when it goes: the desktop's own
// service answers again at once, with its state untouched. Guards of this kind do not nest.
#pragma once

#include <windows.h>

#include <vector>

namespace testing_support {

// The process that answers a connection to service and topic "PROGMAN" on this desktop, or 0.
DWORD ProgramManagerProcess();

// The process that owns this desktop (Wine's explorer), started on first use.
DWORD DesktopProcess();

// Waits up to timeoutMs until the desktop's own Program Manager answers (a fresh desktop
// registers it shortly after it starts); false when it did not. Server windows of the desktop
// that a crashed test left out of reach are put back first.
bool WaitForDesktopProgramManager(DWORD timeoutMs);

// While it lives, no DDE server of another process answers on this desktop (servers started
// later by the test do).
class NoProgramManager {
public:
    NoProgramManager();
    ~NoProgramManager();
    NoProgramManager(const NoProgramManager&) = delete;
    NoProgramManager& operator=(const NoProgramManager&) = delete;

    // True when nothing answered "PROGMAN" once the servers were out of reach.
    bool Silent() const { return silent; }

private:
    void HideServers();
    std::vector<HWND> hidden;
    bool silent = false;
};

} // namespace testing_support
