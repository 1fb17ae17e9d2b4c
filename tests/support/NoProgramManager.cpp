#include "NoProgramManager.h"

#include "Waiting.h"

#include <ddeml.h>

namespace testing_support {
namespace {

// Wine's DDEML gives each registered service a window of this class; it is the one that
// receives WM_DDE_INITIATE.
constexpr char kServerNameClass[] = "WineDdeServerName";

HDDEDATA CALLBACK NoTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

BOOL CALLBACK CollectServerWindow(HWND window, LPARAM param)
{
    char cls[64];
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() && GetClassNameA(window, cls, sizeof cls) &&
        lstrcmpA(cls, kServerNameClass) == 0)
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

} // namespace

DWORD ProgramManagerProcess()
{
    DWORD instance = 0;
    if (DdeInitializeA(&instance, NoTransactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return 0;
    DWORD pid = 0;
    HSZ progman = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
    if (HCONV conv = DdeConnect(instance, progman, progman, nullptr)) {
        CONVINFO info{};
        info.cb = sizeof info;
        if (DdeQueryConvInfo(conv, QID_SYNC, &info))
            GetWindowThreadProcessId(info.hwndPartner, &pid);
        DdeDisconnect(conv);
    }
    DdeFreeStringHandle(instance, progman);
    DdeUninitialize(instance);
    return pid;
}

DWORD DesktopProcess()
{
    DWORD pid = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &pid);
    return pid;
}

bool WaitForDesktopProgramManager(DWORD timeoutMs)
{
    // Wine's desktop never parks its own DDE windows there: these were left by a test that ended
    // before its guard could put them back.
    const DWORD desktop = DesktopProcess();
    HWND parked = nullptr;
    std::vector<HWND> stranded;
    while ((parked = FindWindowExA(HWND_MESSAGE, parked, kServerNameClass, nullptr))) {
        DWORD pid = 0;
        GetWindowThreadProcessId(parked, &pid);
        if (pid == desktop)
            stranded.push_back(parked);
    }
    for (HWND window : stranded)
        SetParent(window, nullptr);

    return ui::WaitUntil([&] { return desktop && ProgramManagerProcess() == desktop; }, timeoutMs, 100);
}

NoProgramManager::NoProgramManager()
{
    // Hidden before it has registered, the desktop's service would turn up later, mid-test.
    WaitForDesktopProgramManager(15000);
    for (int attempt = 0; attempt < 5 && !silent; ++attempt) {
        HideServers();
        silent = ProgramManagerProcess() == 0;
    }
}

NoProgramManager::~NoProgramManager()
{
    for (HWND window : hidden)
        if (IsWindow(window))
            SetParent(window, nullptr);
}

void NoProgramManager::HideServers()
{
    std::vector<HWND> servers;
    EnumWindows(CollectServerWindow, reinterpret_cast<LPARAM>(&servers));
    for (HWND window : servers)
        if (SetParent(window, HWND_MESSAGE))
            hidden.push_back(window);
}

} // namespace testing_support
