// Writing out the install plan, records as setup/engine/UninstallLog.h lays them out.
#include "setup-inf/InstallPlan.h"

#include "platform/PlatformKinds.h"

#include <sstream>

namespace {

constexpr int kCustomBoxes = 10;

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

// The Start-menu folder of a shortcut: the Programs folder its kind names (Windows 95 has one).
std::string ShortcutFolder(int kind, const FileEntry& file, const std::string& menuFolder)
{
    const bool user = file.shortcutKind == 1 || kind == kPlatformWin95;
    return std::string(user ? "<user Programs>" : "<common Programs>") + "\\" + menuFolder;
}

void WriteFile(std::ostream& out, std::ostream& log, const Placed& p, int kind, const ScriptModel& head)
{
    const FileEntry& file = *p.file->entry;
    const ModuleEntry& module = *p.module->entry;
    out << "  " << p.target << " (" << module.name << ", line " << p.file->line << ")";
    if (!p.missingDir.empty()) {
        out << ": not placed, " << p.missingDir << " does not exist\n";
        return;
    }
    if (p.makesDir)
        log << "  dir " << p.dir << "\n";
    if (kind != kPlatformWin95 && (module.shared || module.system))
        log << "  inc " << p.target << "\n";
    log << "  file " << module.shared << " " << module.system << " " << p.target << "\n";
    if (file.shortcutKind != 0 && kind == kPlatformNT3) {
        out << ", Program Manager item " << file.shortcutName << " in group " << head.programFolder;
        log << "  pmngr " << head.programFolder << "@" << file.shortcutName << "\n";
    } else if (file.shortcutKind != 0) {
        const std::string folder = ShortcutFolder(kind, file, head.programFolder);
        const std::string link = folder + "\\" + file.shortcutName + ".lnk";
        out << ", shortcut " << link;
        log << "  dir " << folder << "\n  file 0 0 " << link << "\n";
    }
    out << "\n";
}

} // namespace

std::string InstallPlan(const ScriptReading& reading, int kind, Selection selection, bool& refused)
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
    std::ostringstream log;
    log << "  " << head.productName << "\n  dir " << kInstallDirName << "\n";
    out << "Files, in placement order:\n";
    for (const Placed& p : PlaceFiles(platform, selection))
        WriteFile(out, log, p, kind, head);
    const UninstallRegistration registration = PlanRegistration(head.productName);
    if (registration.keyMade)
        log << "  key HKEY_LOCAL_MACHINE " << registration.key << "\n";
    if (registration.displayName)
        log << "  key HKEY_LOCAL_MACHINE " << registration.key << "\\DisplayName\n";
    if (registration.uninstallString)
        log << "  key HKEY_LOCAL_MACHINE " << registration.key << "\\UninstallString\n";
    out << "Uninstall log (.UnInst.inf in " << kInstallDirName << "), a new one:\n" << log.str();
    return out.str();
}
