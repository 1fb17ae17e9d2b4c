#include "NextStart.h"

#include "ScratchDir.h"
#include "Waiting.h"

#include <windows.h>

namespace testing_support {

namespace {

const char kSessionManager[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
const char kPendingMoves[] = "PendingFileRenameOperations";

std::string InWindowsDir(const char* name)
{
    char dir[MAX_PATH];
    UINT length = GetWindowsDirectoryA(dir, sizeof dir);
    return std::string(dir, length < sizeof dir ? length : 0) + "\\" + name;
}

} // namespace

bool RestartWindows()
{
    char command[] = "wineboot.exe -r";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    DWORD exitCode = 1;
    bool ended = WaitForSingleObject(pi.hProcess, ui::Allowed(60000)) == WAIT_OBJECT_0 &&
                 GetExitCodeProcess(pi.hProcess, &exitCode);
    CloseHandle(pi.hProcess);
    return ended && exitCode == 0;
}

std::vector<std::string> PendingMoves()
{
    std::vector<std::string> moves;
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadValue(HKEY_LOCAL_MACHINE, kSessionManager, kPendingMoves, &type, &data) || type != REG_MULTI_SZ)
        return moves;
    // Strings one after another, each with its NUL, and one more NUL at the end of the list.
    const char* text = reinterpret_cast<const char*>(data.data());
    for (size_t at = 0; at < data.size();) {
        size_t end = at;
        while (end < data.size() && text[end])
            ++end;
        moves.emplace_back(text + at, end - at);
        at = end + 1;
    }
    if (!moves.empty() && moves.back().empty())
        moves.pop_back();
    return moves;
}

NextStartGuard::NextStartGuard() : pending(HKEY_LOCAL_MACHINE, kSessionManager, kPendingMoves)
{
    RemoveTree(WininitPath());
    RemoveTree(InWindowsDir("wininit.bak"));
}

NextStartGuard::~NextStartGuard()
{
    RemoveTree(WininitPath());
    RemoveTree(InWindowsDir("wininit.bak"));
}

std::string NextStartGuard::WininitPath()
{
    return InWindowsDir("wininit.ini");
}

} // namespace testing_support
