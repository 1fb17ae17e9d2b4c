#include "app/OneSetupAtATime.h"

namespace {

// Named in the machine's one namespace of the systems this runs on (Windows 95, NT 3.51).
const char kClaimName[] = "Corvel Install setup";

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

OneSetupAtATime::OneSetupAtATime()
{
    claim = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DWORD), kClaimName);
    const bool first = claim && GetLastError() != ERROR_ALREADY_EXISTS;
    if (claim)
        owner = static_cast<DWORD*>(MapViewOfFile(claim, FILE_MAP_WRITE, 0, 0, sizeof(DWORD)));
    if (first && owner)
        *owner = GetCurrentProcessId();
    // Without the object at all (no memory for it), setup runs as it always did.
    claimed = first || !claim;
}

OneSetupAtATime::~OneSetupAtATime()
{
    if (owner)
        UnmapViewOfFile(owner);
    if (claim)
        CloseHandle(claim);
}

void OneSetupAtATime::BringOtherToFront() const
{
    Search search = {owner ? *owner : 0, nullptr};
    if (!search.process)
        return;
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    if (IsIconic(search.found))
        ShowWindow(search.found, SW_RESTORE);
    SetForegroundWindow(search.found);
}
