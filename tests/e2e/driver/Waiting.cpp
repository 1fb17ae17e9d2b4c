#include "Waiting.h"

namespace ui {

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kPollMs);
    }
}

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs, LRESULT* result)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &answer))
        return false;
    if (result)
        *result = static_cast<LRESULT>(answer);
    return true;
}

} // namespace ui
