#include "MessageBoxes.h"

namespace ui {
namespace {

// The static control that carries a message box's text.
constexpr int kMessageTextId = 0xFFFF;

std::string TextOf(HWND window)
{
    char buffer[4096];
    int n = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? n : 0);
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || !IsWindowVisible(window))
        return TRUE;
    char cls[16];
    if (!GetClassNameA(window, cls, sizeof cls) || lstrcmpA(cls, "#32770") != 0)
        return TRUE;
    if (!GetDlgItem(window, kMessageTextId) || !GetDlgItem(window, IDOK))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindMessageBox(DWORD processId)
{
    BoxSearch search{processId, nullptr};
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitForMessageBox(DWORD processId, DWORD timeoutMs, MessageBoxSeen* seen, bool pressOk)
{
    DWORD start = GetTickCount();
    HWND box = nullptr;
    while (!(box = FindMessageBox(processId))) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
    if (seen)
        *seen = ReadMessageBox(box);
    if (pressOk)
        PressOk(box);
    return true;
}

MessageBoxSeen ReadMessageBox(HWND box)
{
    return MessageBoxSeen{TextOf(box), TextOf(GetDlgItem(box, kMessageTextId))};
}

void PressOk(HWND box)
{
    // Posted: the box's own loop must run to close it, whoever shows it.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (DWORD waited = 0; IsWindow(box) && waited < 5000; waited += 10)
        Sleep(10);
}

MessageBoxWatcher::MessageBoxWatcher()
{
    InitializeCriticalSection(&lock);
    stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    SetEvent(stop);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(stop);
    DeleteCriticalSection(&lock);
}

DWORD WINAPI MessageBoxWatcher::Watch(void* param)
{
    auto* self = static_cast<MessageBoxWatcher*>(param);
    const DWORD pid = GetCurrentProcessId();
    while (WaitForSingleObject(self->stop, 20) == WAIT_TIMEOUT) {
        HWND window = FindMessageBox(pid);
        if (!window)
            continue;
        MessageBoxSeen box = ReadMessageBox(window);
        // Kept before the box is answered, so the code that showed it finds it recorded.
        EnterCriticalSection(&self->lock);
        self->seen.push_back(box);
        LeaveCriticalSection(&self->lock);
        PressOk(window);
    }
    return 0;
}

std::vector<std::string> MessageBoxWatcher::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& box : Seen())
        texts.push_back(box.text);
    return texts;
}

std::vector<std::string> MessageBoxWatcher::Take()
{
    std::vector<std::string> texts = Texts();
    EnterCriticalSection(&lock);
    seen.clear();
    LeaveCriticalSection(&lock);
    return texts;
}

std::vector<MessageBoxSeen> MessageBoxWatcher::Seen() const
{
    EnterCriticalSection(&lock);
    std::vector<MessageBoxSeen> copy = seen;
    LeaveCriticalSection(&lock);
    return copy;
}

} // namespace ui
