#include "WineProgramManager.h"

#include "NoProgramManager.h"
#include "RegistryGuard.h"
#include "ScratchDir.h"
#include "Waiting.h"

#include <tlhelp32.h>

namespace testing_support {
namespace {

std::set<DWORD> ExplorerProcesses()
{
    std::set<DWORD> pids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return pids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, "explorer.exe") == 0)
            pids.insert(entry.th32ProcessID);
    CloseHandle(snapshot);
    return pids;
}

BOOL CALLBACK CloseWindowsOf(HWND window, LPARAM pid)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(pid))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Asks the process to close its windows (again and again: a folder window that is still
// starting has none yet), and ends it when it has not gone within a few seconds.
void EndProcess(DWORD pid)
{
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    if (!process)
        return;
    bool gone = false;
    for (int attempt = 0; attempt < 30 && !gone; ++attempt) {
        EnumWindows(CloseWindowsOf, static_cast<LPARAM>(pid));
        gone = WaitForSingleObject(process, 100) == WAIT_OBJECT_0;
    }
    if (!gone) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
}

} // namespace

std::vector<std::string> FolderEntries(const std::string& folder, bool folders)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = entry.cFileName;
        bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder == folders && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

bool WaitForPath(const std::string& path, bool exists, DWORD timeoutMs)
{
    return ui::WaitUntil([&] { return PathExists(path) == exists; }, timeoutMs, 50);
}

WineProgramManager::WineProgramManager()
    : programs(ReadString(HKEY_CURRENT_USER,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                          "Programs"))
{
    answering = WaitForDesktopProgramManager(15000);
    for (const std::string& name : FolderEntries(programs))
        foldersBefore.insert(name);
    processesBefore = ExplorerProcesses();
    processesBefore.insert(DesktopProcess());
}

WineProgramManager::~WineProgramManager()
{
    CloseFolderWindows();
    for (const std::string& name : FolderEntries(programs)) {
        if (foldersBefore.count(name))
            continue;
        // A folder window that was still starting may hold the folder for a moment.
        ui::WaitUntil([&] { return RemoveTree(programs + "\\" + name); }, 5000, 100);
    }
}

void WineProgramManager::CloseFolderWindows()
{
    for (DWORD pid : ExplorerProcesses())
        if (!processesBefore.count(pid))
            EndProcess(pid);
}

} // namespace testing_support
