// Run once by wine-up: starts the prefix's desktop (Wine does so for the first process that asks
// for the desktop window) and waits until its Program Manager DDE service answers, so that the
// tests find a settled desktop, and the desktop process holds the harness's log files, not the
// output pipes of the first test.
#include <windows.h>
#include <cstdio>
#include <ddeml.h>

static HDDEDATA CALLBACK IgnoreDde(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

static bool ProgramManagerAnswers()
{
    DWORD inst = 0;
    if (DdeInitializeA(&inst, IgnoreDde, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return false;
    HSZ progman = DdeCreateStringHandleA(inst, "PROGMAN", CP_WINANSI);
    HCONV conv = DdeConnect(inst, progman, progman, nullptr);
    if (conv)
        DdeDisconnect(conv);
    DdeFreeStringHandle(inst, progman);
    DdeUninitialize(inst);
    return conv != nullptr;
}

int main()
{
    if (!GetDesktopWindow()) {
        std::printf("wine-warmup: no desktop window\n");
        return 1;
    }
    for (int waited = 0; waited < 30000; waited += 200) {
        if (ProgramManagerAnswers()) {
            std::printf("wine-warmup: desktop and Program Manager ready after %d ms\n", waited);
            return 0;
        }
        Sleep(200);
    }
    std::printf("wine-warmup: Program Manager did not answer within 30 s\n");
    return 1;
}
