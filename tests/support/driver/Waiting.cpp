#include "Waiting.h"

#include <cstdlib>

namespace ui {

DWORD Allowed(DWORD timeoutMs)
{
    static const DWORD scale = [] {
        char text[16] = "";
        const DWORD length = GetEnvironmentVariableA("CORVEL_WAIT_SCALE", text, sizeof text);
        const unsigned long value = length && length < sizeof text ? std::strtoul(text, nullptr, 10) : 0;
        return value >= 1 && value <= 100 ? static_cast<DWORD>(value) : 1;
    }();
    if (timeoutMs == INFINITE || timeoutMs > (INFINITE - 1) / scale)
        return timeoutMs == INFINITE ? INFINITE : INFINITE - 1;
    return timeoutMs * scale;
}

void Pause(DWORD ms)
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_SENDMESSAGE);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); // answers what was sent; leaves what was posted
}

bool WaitForObject(HANDLE object, DWORD timeoutMs)
{
    timeoutMs = Allowed(timeoutMs);
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        const DWORD left = waited >= timeoutMs ? 0 : timeoutMs - waited;
        const DWORD result = MsgWaitForMultipleObjects(1, &object, FALSE, left, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0)
            return true;
        if (result != WAIT_OBJECT_0 + 1)
            return false;
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); // answers what was sent
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD intervalMs)
{
    timeoutMs = Allowed(timeoutMs);
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Pause(intervalMs);
    }
}

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs, LRESULT* result)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, Allowed(timeoutMs), &answer))
        return false;
    if (result)
        *result = static_cast<LRESULT>(answer);
    return true;
}

} // namespace ui
