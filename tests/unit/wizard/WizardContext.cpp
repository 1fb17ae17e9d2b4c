// The wizard's context of each test.
#include "WizardContext.h"

#include "engine/Platform.h"
#include "engine/SystemFolders.h"

namespace {

void CopyPath(char (&buffer)[kPathBufferSize], const std::string& text)
{
    lstrcpynA(buffer, text.c_str(), kPathBufferSize);
}

} // namespace

WizardContext::WizardContext(const ContextSettings& settings)
{
    script.productName = settings.productName;
    script.programFolder = settings.programFolder;
    for (const ModuleLine& line : settings.modules) { // newest first, as the reader builds it
        auto* module = new ModuleEntry{};
        CopyPath(module->name, line.name);
        module->typical = line.typical;
        module->next = script.modules;
        script.modules = module;
    }
    PlatformKind = settings.platformKind;
    CopyPath(ProgramDir, settings.programDir);
    CopyPath(UserProgramFolderDir, settings.userProgramFolderDir);
}

WizardContext::~WizardContext()
{
    FreeModuleList(script.modules);
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
