// Acting on the controls of another process as a user would: typing into an edit or a combo
// box, clicking a button, radio button or check box. Like a user, the driver cannot act on a
// control that is hidden or disabled: those calls return false.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Replaces the text of an edit or of a combo box's edit field (WM_SETTEXT, sent: the control
// holds the new text when this returns).
bool SetText(HWND parent, int id, const std::string& text);

// Clicks the button. The click is posted, not sent: a handler that opens a modal box does not
// return until the box is gone, and the driver must stay free to answer that box. So the effect
// comes later; wait for it (WaitForCheck, WaitForMessageBox, WaitForWindow...).
bool Click(HWND parent, int id);

// Waits up to timeoutMs until the button's check state is `state` (BST_CHECKED...).
bool WaitForCheck(HWND parent, int id, int state, DWORD timeoutMs);

} // namespace ui
