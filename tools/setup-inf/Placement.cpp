// The install plan over named folders, its entries tied back to the script's lines.
#include "setup-inf/Placement.h"

#include "platform/PlatformKinds.h"

#include <map>

namespace {

InstallChoice ChoiceOf(int kind, Selection selection)
{
    InstallChoice choice{kind,
                         selection == Selection::Typical   ? kInstallTypical
                         : selection == Selection::Minimum ? kInstallMinimum
                                                           : kInstallCustom,
                         {}};
    if (selection == Selection::Everything)
        choice.boxes.assign(kCustomBoxes, true);
    return choice;
}

} // namespace

bool Selects(Selection selection, const ModuleAt& module)
{
    return Selects(ChoiceOf(kPlatformNT4, selection), *module.entry, module.position);
}

Plan PlaceFiles(const PlatformReading& platform, Selection selection)
{
    // Windows 95 has one Programs folder for both kinds of shortcut.
    const bool win95 = platform.kind == kPlatformWin95;
    const PlanFolders folders{kInstallDirName, kSystemDirName, "<user Programs>",
                              win95 ? "<user Programs>" : "<common Programs>", platform.model.programFolder};
    const InstallPlan plan = PlanInstall(platform.model.modules, platform.model.productName,
                                         ChoiceOf(platform.kind, selection), folders);
    std::map<const FileEntry*, std::pair<const ModuleAt*, const FileAt*>> lines;
    for (const ModuleAt& module : platform.modules)
        for (const FileAt& file : module.files)
            lines[file.entry] = {&module, &file};
    Plan placed{{}, plan.log};
    for (const PlannedFile& file : plan.files) {
        const auto [module, at] = lines.at(file.file);
        placed.files.push_back({file, module, at});
    }
    return placed;
}
