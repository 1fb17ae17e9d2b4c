// The install run's placement of files for one platform and installation type, on a machine that
// has none of them yet: the modules and files in the order setup places them (newest first, so the
// reverse of the script), each file's directory and target, and the directories it makes.
#pragma once

#include "script/InstallPlan.h"
#include "setup-inf/ScriptReading.h"

#include <string>
#include <vector>

// The machine's folders, named.
constexpr char kInstallDirName[] = "<install dir>";
constexpr char kSystemDirName[] = "<system dir>";

enum class Selection {
    Typical,
    Minimum,
    Custom,     // the boxes as the page shows them first: ticked for the modules in Typical
    Everything, // every module, as a Custom installation with every box ticked
};

bool Selects(Selection selection, const ModuleAt& module);

struct Placed {
    const ModuleAt* module = nullptr;
    const FileAt* file = nullptr;
    std::string dir;        // the file directory, under a named folder
    std::string target;     // the file's path there
    bool makesDir = false;  // this file's placement makes its sub-directory (a "dir" record)
    std::string missingDir; // the directory that must exist first and does not: the file is not placed
};

std::vector<Placed> PlaceFiles(const PlatformReading& platform, Selection selection);
