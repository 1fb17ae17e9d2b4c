// What the placement tests share: copies of a file in the Windows directories, and install-model
// entries.
#pragma once

#include "NextStart.h"
#include "script/InstallModel.h"

#include <string>
#include <vector>

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
