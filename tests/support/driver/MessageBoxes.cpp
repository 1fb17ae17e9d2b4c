#include "MessageBoxes.h"

#include "Waiting.h"
#include "WindowQueries.h"

namespace ui {
namespace {

// The static control that carries a message box's text.
constexpr int kMessageTextId = 0xFFFF;

} // namespace

HWND FindMessageBox(DWORD processId)
{
    return FindTopWindow({"", "#32770", processId, [](HWND window) {
                              return GetDlgItem(window, kMessageTextId) && GetDlgItem(window, IDOK);
                          }});
}

bool WaitForMessageBox(DWORD processId, DWORD timeoutMs, MessageBoxSeen* seen, bool pressOk)
{
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox(processId)) != nullptr; }, timeoutMs))
        return false;
    if (seen)
        *seen = ReadMessageBox(box);
    if (pressOk)
        PressOk(box);
    return true;
}

MessageBoxSeen ReadMessageBox(HWND box)
{
    return MessageBoxSeen{WindowText(box), WindowText(GetDlgItem(box, kMessageTextId)), RecogniseIcon(box)};
}

void PressOk(HWND box)
{
    // Posted: the box's own loop must run to close it, whoever shows it.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitUntil([&] { return !IsWindow(box); }, 5000);
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
