#include "WindowQueries.h"

#include "Waiting.h"

#include <vector>

namespace ui {
namespace {

// A control that takes longer than this to answer is taken as hung.
constexpr DWORD kAnswerMs = 5000;

struct Search {
    const WindowQuery* query;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    const WindowQuery& q = *search->query;
    if (!IsWindowVisible(window))
        return TRUE;
    if (q.processId) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid != q.processId)
            return TRUE;
    }
    if (!q.className.empty() && ClassOf(window) != q.className)
        return TRUE;
    if (!q.caption.empty() && WindowText(window) != q.caption)
        return TRUE;
    if (q.accept && !q.accept(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindTopWindow(const WindowQuery& query)
{
    Search search{&query, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(query)) != nullptr; }, timeoutMs);
    return found;
}

std::string ClassOf(HWND window)
{
    char name[256];
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string WindowText(HWND window)
{
    std::vector<char> text(8192);
    int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), n > 0 ? n : 0);
}

std::string ControlText(HWND parent, int id)
{
    HWND control = GetDlgItem(parent, id);
    LRESULT length = 0;
    if (!control || !SendWithin(control, WM_GETTEXTLENGTH, 0, 0, kAnswerMs, &length) || length <= 0)
        return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    LRESULT copied = 0;
    if (!SendWithin(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), kAnswerMs,
                    &copied))
        return {};
    return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

int CheckState(HWND parent, int id)
{
    HWND control = GetDlgItem(parent, id);
    LRESULT state = 0;
    if (!control || !SendWithin(control, BM_GETCHECK, 0, 0, kAnswerMs, &state))
        return -1;
    return static_cast<int>(state);
}

bool IsVisible(HWND parent, int id)
{
    HWND control = GetDlgItem(parent, id);
    return control && IsWindowVisible(control);
}

bool IsEnabled(HWND parent, int id)
{
    HWND control = GetDlgItem(parent, id);
    return control && IsWindowEnabled(control);
}

} // namespace ui
