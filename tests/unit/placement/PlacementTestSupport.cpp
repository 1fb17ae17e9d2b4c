#include "PlacementTestSupport.h"

#include "ScratchDir.h"
#include "engine/SystemFolders.h"

#include <windows.h>

#include <cstring>

using namespace testing_support;

WindowsCopiesGuard::WindowsCopiesGuard(const std::string& fileName) : name(fileName)
{
    RemoveAll();
}

WindowsCopiesGuard::~WindowsCopiesGuard()
{
    RemoveAll();
}

std::string WindowsCopiesGuard::Path(int place) const
{
    static const char* const subDirs[] = {"", "\\system", "\\system32"};
    return std::string(WindowsDir) + subDirs[place] + "\\" + name;
}

void WindowsCopiesGuard::RemoveAll() const
{
    for (int place = 0; place < 3; ++place)
        RemoveTree(Path(place));
}

ModuleEntry MakeModule(int shared, int system)
{
    ModuleEntry module{};
    lstrcpynA(module.name, "Corvel Module", sizeof module.name);
    module.shared = shared;
    module.system = system;
    module.selected = 1;
    return module;
}

FileEntry MakeFile(const char* source, const char* dest, int shortcutKind, const char* shortcutName)
{
    FileEntry file{};
    lstrcpynA(file.source, source, sizeof file.source);
    lstrcpynA(file.dest, dest, sizeof file.dest);
    file.shortcutKind = shortcutKind;
    lstrcpynA(file.shortcutName, shortcutName, sizeof file.shortcutName);
    return file;
}
