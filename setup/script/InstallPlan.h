// The install plan: what an install run does from the install model alone, on a machine that has
// none of the product's files yet. Module selection for the platform and installation type, the
// files in placement order with their targets, the directories made, and the uninstall log's
// records. Folders are given by name, so the plan reads the same with real paths or placeholders.
#pragma once

#include "script/InstallModel.h"

#include <string>
#include <vector>

constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr int kCustomBoxes = 10; // the Custom page's boxes, for the first ten modules of the list

enum : int {
    kInstallTypical = 0,
    kInstallMinimum = 1,
    kInstallCustom = 2
}; // the wizard's installation types

// The registration's three records, each only when setup can write it: a value path must fit the
// 260-byte work buffer it is split in, and a key name has at most 255 characters.
struct UninstallRegistration {
    std::string key;
    bool keyMade = false, displayName = false, uninstallString = false;
};
UninstallRegistration PlanRegistration(const std::string& productName);

struct PlanFolders {
    std::string installDir, systemDir;
    std::string userPrograms, commonPrograms; // on Windows 95 both the user's Programs folder
    std::string menuFolder;                   // the Start-menu folder or Program Manager group chosen
};

struct InstallChoice {
    int platformKind = 0;
    int installType = kInstallTypical;
    std::vector<bool> boxes; // Custom: the boxes ticked, in list order; empty: as first shown
};

// Whether the install run installs the module at `position` in the list (0 is its head).
bool Selects(const InstallChoice& choice, const ModuleEntry& module, int position);

struct PlannedFile {
    const ModuleEntry* module = nullptr;
    const FileEntry* file = nullptr;
    std::string dir;          // the file directory
    std::string target;       // the file's path in it
    bool makesDir = false;    // its placement makes the directory
    std::string missingDir;   // the directory that must exist first and does not: the file is not placed
    bool refusedName = false; // a name the system would change: setup refuses the file
};

// Where one file of a module goes on any machine: its directory below the install or system
// directory, its path there, and whether setup refuses its name.
PlannedFile PlaceFile(const ModuleEntry& module, const FileEntry& file, const PlanFolders& folders);

struct InstallPlan {
    std::vector<const ModuleEntry*> modules; // the modules installed, in list order
    std::vector<PlannedFile> files;          // in placement order
    std::vector<std::string> log;            // a new uninstall log's lines, without their line ends
};

InstallPlan PlanInstall(const ModuleEntry* modules, const std::string& productName,
                        const InstallChoice& choice, const PlanFolders& folders);

// Upper case as Windows compares file names in the ANSI code page (Windows-1252).
std::string Folded(std::string text);
