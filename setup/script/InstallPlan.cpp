#include "script/InstallPlan.h"

#include "platform/PathBuffer.h"
#include "platform/PlatformKinds.h"
#include "script/FileNamePart.h"
#include "script/UnreachableNames.h"

#include <set>

namespace {

constexpr std::size_t kKeyNameLimit = 255;

std::string ParentOf(const std::string& dir)
{
    const std::size_t last = dir.rfind('\\');
    return last == std::string::npos ? "" : dir.substr(0, last);
}

// A directory as Windows resolves it: repeated and trailing backslashes mean nothing.
std::string Resolved(const std::string& dir)
{
    std::string resolved;
    for (char c : dir)
        if (c != '\\' || (!resolved.empty() && resolved.back() != '\\'))
            resolved += c;
    while (!resolved.empty() && resolved.back() == '\\')
        resolved.pop_back();
    return resolved;
}

// The shortcut's records: a link and its folder, or a Program Manager item on NT 3.x.
void PlanShortcut(const FileEntry& file, const InstallChoice& choice, const PlanFolders& folders,
                  std::vector<std::string>& log)
{
    // Without a folder of its own: no group on NT 3.x, and elsewhere the link goes into the
    // Programs folder, which is the system's and no record names.
    const bool ownFolder = !folders.menuFolder.empty();
    if (choice.platformKind == kPlatformNT3) {
        if (ownFolder)
            log.push_back("pmngr " + folders.menuFolder + "@" + file.shortcutName);
        return;
    }
    const std::string& programs = file.shortcutKind == 1 ? folders.userPrograms : folders.commonPrograms;
    const std::string folder = ownFolder ? programs + "\\" + folders.menuFolder : programs;
    if (ownFolder)
        log.push_back("dir " + folder);
    log.push_back("file 0 0 " + folder + "\\" + file.shortcutName + ".lnk");
}

// The part of dest before the file name, without its last backslash.
std::string SubDirectory(const FileEntry& file)
{
    const char* name = FileNamePart(file.dest);
    return std::string(file.dest, name > file.dest ? name - file.dest - 1 : 0);
}

} // namespace

PlannedFile PlaceFile(const ModuleEntry& module, const FileEntry& file, const PlanFolders& folders)
{
    PlannedFile p{&module, &file, module.system ? folders.systemDir : folders.installDir, "", false, ""};
    // dest up to its last backslash names the sub-directory; even a lone backslash joins one.
    const char* name = FileNamePart(file.dest);
    if (name > file.dest) {
        if (p.dir.empty() || p.dir.back() != '\\')
            p.dir += '\\';
        p.dir.append(file.dest, static_cast<std::size_t>(name - file.dest - 1));
    }
    p.target = p.dir + "\\" + name;
    p.refusedName = CheckPath(file.dest) != UnreachableName::None;
    return p;
}

UninstallRegistration PlanRegistration(const std::string& productName)
{
    UninstallRegistration registration;
    registration.key = kUninstallKey + productName;
    const std::size_t keyName = productName.size() - (productName.rfind('\\') + 1);
    registration.keyMade = keyName <= kKeyNameLimit;
    const auto fits = [&](const char* value) {
        return registration.keyMade &&
               registration.key.size() + 1 + std::string(value).size() < kPathBufferSize;
    };
    registration.displayName = fits("DisplayName");
    registration.uninstallString = fits("UninstallString");
    return registration;
}

bool Selects(const InstallChoice& choice, const ModuleEntry& module, int position)
{
    switch (choice.installType) {
    case kInstallTypical:
        return module.typical != 0;
    case kInstallMinimum:
        return module.minimum != 0;
    default:
        // Modules past the tenth have no box and are always installed.
        if (position >= kCustomBoxes)
            return true;
        return choice.boxes.empty()
                   ? module.typical != 0
                   : position < static_cast<int>(choice.boxes.size()) && choice.boxes[position];
    }
}

InstallPlan PlanInstall(const ModuleEntry* modules, const std::string& productName,
                        const InstallChoice& choice, const PlanFolders& folders)
{
    InstallPlan plan;
    plan.log = {productName, "dir " + folders.installDir};
    std::set<std::string> made; // resolved and folded
    const bool counted = choice.platformKind == kPlatformNT3 || choice.platformKind == kPlatformNT4;
    int position = 0;
    for (const ModuleEntry* module = modules; module; module = module->next) {
        if (!Selects(choice, *module, position++))
            continue;
        plan.modules.push_back(module);
        const std::string& base = module->system ? folders.systemDir : folders.installDir;
        for (const FileEntry* file = module->files; file; file = file->next) {
            PlannedFile p = PlaceFile(*module, *file, folders);
            if (p.refusedName) { // before anything is made for it
                plan.files.push_back(p);
                continue;
            }
            // Only the last level is made; the base directory is there.
            const std::string level = Resolved(SubDirectory(*file));
            const std::string parent = ParentOf(level);
            if (!level.empty() && !made.count(Folded(base + "\\" + level))) {
                if (parent.empty() || made.count(Folded(base + "\\" + parent))) {
                    p.makesDir = true;
                    made.insert(Folded(base + "\\" + level));
                    plan.log.push_back("dir " + p.dir);
                } else {
                    p.missingDir = base + "\\" + parent;
                }
            }
            if (p.missingDir.empty()) {
                if (counted && (module->shared || module->system))
                    plan.log.push_back("inc " + p.target);
                plan.log.push_back("file " + std::to_string(module->shared) + " " +
                                   std::to_string(module->system) + " " + p.target);
                if (file->shortcutKind != 0)
                    PlanShortcut(*file, choice, folders, plan.log);
            }
            plan.files.push_back(p);
        }
    }
    const UninstallRegistration registration = PlanRegistration(productName);
    if (registration.keyMade)
        plan.log.push_back("key HKEY_LOCAL_MACHINE " + registration.key);
    if (registration.displayName)
        plan.log.push_back("key HKEY_LOCAL_MACHINE " + registration.key + "\\DisplayName");
    if (registration.uninstallString)
        plan.log.push_back("key HKEY_LOCAL_MACHINE " + registration.key + "\\UninstallString");
    return plan;
}

std::string Folded(std::string text)
{
    for (char& c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
            c = static_cast<char>(byte - 0x20);
        else if (byte == 0x9A || byte == 0x9C || byte == 0x9E)
            c = static_cast<char>(byte - 0x10);
        else if (byte == 0xFF)
            c = static_cast<char>(0x9F);
    }
    return text;
}
