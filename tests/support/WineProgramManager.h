// Wine's own Program Manager (served by the desktop's explorer) for tests that drive it. It
// turns groups into folders of the user's Programs folder and items into links, and opens a
// folder window (an explorer process) for every group it creates or shows. The guard ends the
// folder windows opened and removes the group folders made while it lived.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace testing_support {

class WineProgramManager {
public:
    WineProgramManager();
    ~WineProgramManager();
    WineProgramManager(const WineProgramManager&) = delete;
    WineProgramManager& operator=(const WineProgramManager&) = delete;

    // Wine's own service is the one that answers "PROGMAN" on this desktop.
    bool Answering() const { return answering; }

    // The user's Programs folder, where Wine keeps the groups.
    const std::string& ProgramsFolder() const { return programs; }
    std::string GroupFolder(const std::string& group) const { return programs + "\\" + group; }

    // Ends the folder windows opened so far.
    void CloseFolderWindows();

private:
    std::string programs;
    std::set<std::string> foldersBefore;
    std::set<DWORD> processesBefore;
    bool answering = false;
};

// The sub-folders (or the files) of a folder, in the order the file system lists them, which is
// the order of Wine's group list.
std::vector<std::string> FolderEntries(const std::string& folder, bool folders = true);

// Waits up to timeoutMs until the path exists (or, with exists false, is gone): Wine's shell
// sometimes finishes a change a moment after it acknowledged the command.
bool WaitForPath(const std::string& path, bool exists, DWORD timeoutMs = 5000);

} // namespace testing_support
