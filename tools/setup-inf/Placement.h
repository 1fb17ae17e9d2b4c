// setup's install plan (setup/script) for one platform reading and installation type, with its
// modules and files tied to their lines. Folders are named, since the machine is not known.
#pragma once

#include "script/InstallPlan.h"
#include "setup-inf/ScriptReading.h"

#include <string>
#include <vector>

constexpr char kInstallDirName[] = "<install dir>";
constexpr char kSystemDirName[] = "<system dir>";

enum class Selection {
    Typical,
    Minimum,
    Custom,     // the boxes as the page shows them first: ticked for the modules in Typical
    Everything, // every module, as a Custom installation with every box ticked
};

bool Selects(Selection selection, const ModuleAt& module);

struct Placed : PlannedFile {
    const ModuleAt* at = nullptr;
    const FileAt* fileAt = nullptr;
};

struct Plan {
    std::vector<Placed> files;    // in placement order
    std::vector<std::string> log; // the records of a new log
};

Plan PlaceFiles(const PlatformReading& platform, Selection selection);

// The plan as show prints it: the modules in list order with their Custom boxes, the files in
// placement order with their targets and shortcuts, and the uninstall log; or the reader's refusal
// for that platform (then `refused` is set).
std::string PlanText(const ScriptReading& reading, int kind, Selection selection, bool& refused);
