// The install plan over named folders, its entries tied back to the script's lines, and as show
// prints it.
#include "setup-inf/Placement.h"

#include "platform/PlatformKinds.h"

#include <map>
#include <sstream>

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

namespace {

const char* SelectionTitle(Selection selection)
{
    switch (selection) {
    case Selection::Typical:
        return "Typical";
    case Selection::Minimum:
        return "Minimum";
    default:
        return "Custom, with the boxes as they are first shown";
    }
}

void WriteModules(std::ostream& out, const PlatformReading& platform, Selection selection)
{
    out << "Modules, in list order:\n";
    for (auto module = platform.modules.rbegin(); module != platform.modules.rend(); ++module) {
        const ModuleEntry& entry = *module->entry;
        out << "  " << entry.name << ": ";
        if (module->position < kCustomBoxes)
            out << "box " << module->position + 1
                << (entry.typical ? ", ticked at first" : ", not ticked at first");
        else
            out << "no box";
        if (entry.shared || entry.system)
            out << (entry.shared && entry.system ? "; shared, system"
                    : entry.shared               ? "; shared"
                                                 : "; system");
        out << (Selects(selection, *module) ? "; installed\n" : "; left out\n");
    }
}

void WriteFile(std::ostream& out, const Placed& p, int kind, const ScriptModel& head)
{
    const FileEntry& file = *p.file;
    out << "  " << p.target << " (" << p.module->name << ", line " << p.fileAt->line << ")";
    if (p.refusedName)
        out << ": not placed, setup refuses a name the system would change";
    else if (!p.missingDir.empty())
        out << ": not placed, " << p.missingDir << " does not exist";
    else if (file.shortcutKind != 0 && kind == kPlatformNT3 && head.programFolder.empty())
        out << ", no Program Manager item (no group)";
    else if (file.shortcutKind != 0 && kind == kPlatformNT3)
        out << ", Program Manager item " << file.shortcutName << " in group " << head.programFolder;
    else if (file.shortcutKind != 0)
        out << ", shortcut "
            << (file.shortcutKind == 1 || kind == kPlatformWin95 ? "<user Programs>" : "<common Programs>")
            << (head.programFolder.empty() ? "" : "\\" + head.programFolder) << "\\" << file.shortcutName
            << ".lnk";
    out << "\n";
}

} // namespace

std::string PlanText(const ScriptReading& reading, int kind, Selection selection, bool& refused)
{
    const PlatformReading& platform = reading.On(kind);
    std::ostringstream out;
    refused = platform.refused;
    if (refused) {
        out << "setup refuses to install on " << PlatformName(kind) << ": " << platform.message << "\n";
        return out.str();
    }
    const ScriptModel& head = platform.model;
    out << head.productName << ", on " << PlatformName(kind) << ", " << SelectionTitle(selection) << "\n";
    WriteModules(out, platform, selection);
    const Plan plan = PlaceFiles(platform, selection);
    out << "Files, in placement order:\n";
    for (const Placed& p : plan.files)
        WriteFile(out, p, kind, head);
    out << "Uninstall log (.UnInst.inf in " << kInstallDirName << "), a new one:\n";
    for (const std::string& record : plan.log)
        out << "  " << record << "\n";
    return out.str();
}
