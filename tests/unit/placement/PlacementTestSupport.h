// What the placement tests share: the restart that carries out replacements left for the next
// start of Windows, guards for what such a restart reads, and install-model entries.
#pragma once

#include "RegistryGuard.h"
#include "script/InstallModel.h"

#include <string>
#include <vector>

// Restarts "Windows" as Wine does it: wineboot -r carries out the pending moves and the renames
// listed in wininit.ini.
bool RestartWindows();

// The pending moves of the next start (PendingFileRenameOperations), one string each.
std::vector<std::string> PendingMoves();

// While it lives, what the next start would do belongs to the test: the pending moves and
// wininit.ini (with the wininit.bak that a restart leaves) are removed again when it goes.
class NextStartGuard {
  public:
    NextStartGuard();
    ~NextStartGuard();
    NextStartGuard(const NextStartGuard&) = delete;
    NextStartGuard& operator=(const NextStartGuard&) = delete;

    static std::string WininitPath();

  private:
    testing_support::RegistryValueGuard pending;
};

// A file of this name in the Windows directory and its System and System32 sub-directories,
// removed when the guard is made and when it goes.
class WindowsCopiesGuard {
  public:
    explicit WindowsCopiesGuard(const std::string& name);
    ~WindowsCopiesGuard();
    WindowsCopiesGuard(const WindowsCopiesGuard&) = delete;
    WindowsCopiesGuard& operator=(const WindowsCopiesGuard&) = delete;

    // 0: the Windows directory, 1: System, 2: System32.
    std::string Path(int place) const;

  private:
    void RemoveAll() const;
    std::string name;
};

ModuleEntry MakeModule(int shared, int system);
FileEntry MakeFile(const char* source, const char* dest, int shortcutKind = 0, const char* shortcutName = "");
