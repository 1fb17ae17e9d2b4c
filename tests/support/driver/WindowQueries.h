// Finding the windows of another process and reading what they show: texts, check marks,
// whether a control can be seen and used.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// Which top-level window to look for; an empty field or a zero process id matches any.
struct WindowQuery {
    std::string caption;
    std::string className;
    DWORD processId = 0;
    std::function<bool(HWND)> accept = nullptr; // a further test, such as the controls it must have
};

// The first visible top-level window that matches, or null.
HWND FindTopWindow(const WindowQuery& query);
// Waits up to timeoutMs for such a window; null when none came.
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs);

std::string ClassOf(HWND window);
// The text of a window's title bar (read without asking its program, so a busy program cannot
// hold the driver up).
std::string WindowText(HWND window);
// The text a control holds (an edit's or combo box's contents, a label, a button's text); empty
// when there is no such control.
std::string ControlText(HWND parent, int id);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; -1 when there is no such control.
int CheckState(HWND parent, int id);
// Whether the user sees the control (it and all its parents are shown) and can use it; false
// when there is no such control.
bool IsVisible(HWND parent, int id);
bool IsEnabled(HWND parent, int id);

} // namespace ui
