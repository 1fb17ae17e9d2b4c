// What the wizard reads of the install context, set for one test and put back afterwards: the
// product, the default folder, the module list, the platform kind and the two folders.
#pragma once

#include <string>
#include <vector>

struct ModuleLine {
    std::string name;
    int typical;
};

struct ContextSettings {
    std::string productName = "Corvel Test";
    std::string programFolder = "Corvel Test";
    std::vector<ModuleLine> modules;   // in script order
    int platformKind = 3;
    std::string programDir = "C:\\Program Files";
    std::string userProgramFolderDir = "C:\\corvel-tests\\no-programs";
};

class InstallContext {
public:
    explicit InstallContext(const ContextSettings& settings);
    ~InstallContext();
    InstallContext(const InstallContext&) = delete;
    InstallContext& operator=(const InstallContext&) = delete;
};

// n modules named "Module 1" .. "Module n" in script order; every other one typical.
std::vector<ModuleLine> NumberedModules(int n);
