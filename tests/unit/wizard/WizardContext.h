// What the wizard shows, set for one test and put back afterwards: the script's product, default
// folder and module list, the platform kind and the two folders.
#pragma once

#include "script/SetupScriptReader.h"

#include <string>
#include <vector>

struct ModuleLine {
    std::string name;
    int typical;
};

struct ContextSettings {
    std::string productName = "Corvel Test";
    std::string programFolder = "Corvel Test";
    std::vector<ModuleLine> modules; // in script order
    int platformKind = 3;
    std::string programDir = "C:\\Program Files";
    std::string userProgramFolderDir = "C:\\corvel-tests\\no-programs";
};

class WizardContext {
public:
    explicit WizardContext(const ContextSettings& settings);
    ~WizardContext();
    WizardContext(const WizardContext&) = delete;
    WizardContext& operator=(const WizardContext&) = delete;

    ScriptModel script; // what the sheet is made over
};

// n modules named "Module 1" .. "Module n" in script order; every other one typical.
std::vector<ModuleLine> NumberedModules(int n);
