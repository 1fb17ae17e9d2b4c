#include "Controls.h"

#include "Waiting.h"
#include "WindowQueries.h"

namespace ui {
namespace {

constexpr DWORD kAnswerMs = 5000;

// The control, when a user could act on it; else null.
HWND Usable(HWND parent, int id)
{
    HWND control = GetDlgItem(parent, id);
    if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control))
        return nullptr;
    return control;
}

} // namespace

bool SetText(HWND parent, int id, const std::string& text)
{
    HWND control = Usable(parent, id);
    LRESULT accepted = 0;
    return control &&
           SendWithin(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), kAnswerMs, &accepted) &&
           accepted != FALSE;
}

bool Click(HWND parent, int id)
{
    HWND control = Usable(parent, id);
    return control && PostMessageA(control, BM_CLICK, 0, 0);
}

bool WaitForCheck(HWND parent, int id, int state, DWORD timeoutMs)
{
    return WaitUntil([&] { return CheckState(parent, id) == state; }, timeoutMs);
}

} // namespace ui
