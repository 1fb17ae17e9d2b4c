// The test's application object and the install context of each test.
#include "InstallContext.h"

#include "app/SetupApp.h"
#include "engine/Platform.h"
#include "engine/SystemFolders.h"

#include <cstring>

CSetupApp theApp;

namespace {

void CopyPath(char (&buffer)[kPathBufferSize], const std::string& text)
{
    lstrcpynA(buffer, text.c_str(), kPathBufferSize);
}

} // namespace

InstallContext::InstallContext(const ContextSettings& settings)
{
    theApp.productName = settings.productName;
    theApp.programFolder = settings.programFolder;
    theApp.modules = nullptr;
    for (const ModuleLine& line : settings.modules) {   // newest first, as the reader builds it
        auto* module = new ModuleEntry{};
        CopyPath(module->name, line.name);
        module->typical = line.typical;
        module->next = theApp.modules;
        theApp.modules = module;
    }
    PlatformKind = settings.platformKind;
    CopyPath(ProgramDir, settings.programDir);
    CopyPath(UserProgramFolderDir, settings.userProgramFolderDir);
}

InstallContext::~InstallContext()
{
    FreeModuleList(theApp.modules);
    theApp.modules = nullptr;
    theApp.productName.clear();
    theApp.programFolder.clear();
    PlatformKind = 0;
    ProgramDir[0] = '\0';
    UserProgramFolderDir[0] = '\0';
}

std::vector<ModuleLine> NumberedModules(int n)
{
    std::vector<ModuleLine> modules;
    for (int i = 1; i <= n; ++i)
        modules.push_back({"Module " + std::to_string(i), i % 2});
    return modules;
}
