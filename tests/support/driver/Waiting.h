// Bounded waiting: the driver never blocks for ever on a program that does not answer.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// How often the driver looks again while it waits for something another process does.
constexpr DWORD kPollMs = 20;

// Waits up to ms, answering meanwhile the messages that other programs send to this thread's
// windows: a program that broadcasts (a DDE client looking for its server sends to every
// top-level window) must not hang on the driver while it waits.
void Pause(DWORD ms);

// How long the driver is willing to wait, given how long it would on a machine of normal speed:
// stretched by CORVEL_WAIT_SCALE (a whole number) where Wine runs slower, e.g. on an emulated CPU.
// Every bounded wait below goes through it; what a test waits for does not change.
DWORD Allowed(DWORD timeoutMs);

// Waits up to timeoutMs for a handle (a process, an event) to be signalled, answering sent
// messages meanwhile as Pause does; true when it was signalled in time.
bool WaitForObject(HANDLE object, DWORD timeoutMs);

// Calls done() every intervalMs until it returns true or timeoutMs have passed (done() is tried
// at least once), answering sent messages in between as Pause does.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD intervalMs = kPollMs);

// Sends a message and waits at most timeoutMs for the answer; false when the window is gone,
// hung or too slow. *result gets the answer.
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs,
                LRESULT* result = nullptr);

} // namespace ui
