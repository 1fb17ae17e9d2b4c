// Which standard icon a message box shows. Icon handles of another process cannot be compared
// (each process loads its own copy of the standard icons), so the driver compares what the
// screen shows in the box's icon control with each standard icon drawn by itself on the same
// background.
#pragma once

#include <windows.h>

namespace ui {

enum class BoxIcon { None, Hand, Question, Exclamation, Asterisk, Unknown };

// "none", "hand", "question", "exclamation", "asterisk", "unknown".
const char* IconName(BoxIcon icon);

// The icon the message box shows; Unknown when the icon on screen matched no standard icon
// within timeoutMs (the box may not have painted it yet when it is first found).
BoxIcon RecogniseIcon(HWND box, DWORD timeoutMs = 3000);

} // namespace ui
