#include "HeldFile.h"

#include "Waiting.h"

#include <cstdio>

namespace testing_support {

std::string HolderProgram()
{
    return CORVEL_FILE_HOLDER_EXE;
}

HeldFile HeldFile::Start(const std::string& exe, const std::string& args)
{
    char eventName[64];
    static LONG serial = 0;
    std::snprintf(eventName, sizeof eventName, "corvel-held-%lu-%ld", GetCurrentProcessId(),
                  InterlockedIncrement(&serial));
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, eventName);
    std::string command = "\"" + exe + "\" " + eventName + " " + args;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    HeldFile held;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        HANDLE waits[] = {ready, pi.hProcess};
        if (WaitForMultipleObjects(2, waits, FALSE, ui::Allowed(10000)) == WAIT_OBJECT_0)
            held.process = pi.hProcess;
        else {
            TerminateProcess(pi.hProcess, 1);
            CloseHandle(pi.hProcess);
        }
    }
    CloseHandle(ready);
    return held;
}

HeldFile HeldFile::Open(const std::string& path, DWORD shareMode)
{
    return Start(HolderProgram(), "open \"" + path + "\" " + std::to_string(shareMode));
}

HeldFile HeldFile::Load(const std::string& path)
{
    return Start(HolderProgram(), "load \"" + path + "\"");
}

HeldFile HeldFile::Run(const std::string& exePath)
{
    return Start(exePath, "run");
}

bool HeldFile::CopyHolderTo(const std::string& exePath)
{
    return CopyFileA(HolderProgram().c_str(), exePath.c_str(), FALSE) != 0;
}

HeldFile::HeldFile(HeldFile&& other) noexcept : process(other.process)
{
    other.process = nullptr;
}

HeldFile::~HeldFile()
{
    Release();
}

void HeldFile::Release()
{
    if (!process)
        return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    process = nullptr;
}

} // namespace testing_support
