// Finding, reading and dismissing the message boxes of a process, as a user would: from outside
// the code that shows them (another process, or another thread of the same one).
#pragma once

#include "MessageBoxIcons.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

struct MessageBoxSeen {
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::None;
};

// The first visible message box of the process, or null.
HWND FindMessageBox(DWORD processId);

// Waits up to timeoutMs for a message box of the process; reads it into *seen and, unless told
// otherwise, presses its OK button and waits until it is gone. False when none came.
bool WaitForMessageBox(DWORD processId, DWORD timeoutMs, MessageBoxSeen* seen, bool pressOk = true);

// The caption, text and icon of a message box.
MessageBoxSeen ReadMessageBox(HWND box);

// Presses a message box's OK button and waits until the box is gone.
void PressOk(HWND box);

// Answers every message box this process shows while it lives, on a thread of its own, and
// keeps what they said: for tests that call operations which report through message boxes.
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // The texts of the boxes answered so far, oldest first; Take() also forgets them.
    std::vector<std::string> Texts() const;
    std::vector<std::string> Take();
    std::vector<MessageBoxSeen> Seen() const;

private:
    static DWORD WINAPI Watch(void* self);

    HANDLE thread = nullptr;
    HANDLE stop = nullptr;
    mutable CRITICAL_SECTION lock;
    std::vector<MessageBoxSeen> seen;
};

} // namespace ui
