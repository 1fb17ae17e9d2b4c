// Where the files land: two files at one target (also through a short name), sub-directories
// that setup cannot make, and the uninstaller that the registered uninstall command runs.
#include "setup-inf/Checks.h"
#include "setup-inf/Placement.h"
#include "setup-inf/ShortNames.h"

#include "script/FileNamePart.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

const char* SelectionName(Selection selection)
{
    return selection == Selection::Typical   ? "Typical"
           : selection == Selection::Minimum ? "Minimum"
                                             : "Custom";
}

// The short name of one path that can stand for a long name of the other, or empty.
std::string ShortNameMeeting(const std::string& a, const std::string& b)
{
    const auto partsA = Components(a), partsB = Components(b);
    for (std::size_t i = 0; i < partsA.size() && i < partsB.size(); ++i) {
        const std::string &x = partsA[i], &y = partsB[i];
        if (IsAliasName(x) && !IsShortName(y))
            return Quoted(x) + " can be the short name of " + Quoted(y);
        if (IsAliasName(y) && !IsShortName(x))
            return Quoted(y) + " can be the short name of " + Quoted(x);
    }
    return "";
}

// Both modules are installed together by Typical or Minimum, not only by a Custom choice.
bool InstalledTogether(const ModuleAt& a, const ModuleAt& b)
{
    for (Selection selection : {Selection::Typical, Selection::Minimum})
        if (Selects(selection, a) && Selects(selection, b))
            return true;
    return false;
}

void CheckSameTargets(const PlatformReading& platform, Findings& findings)
{
    std::map<std::string, std::vector<const Placed*>> byTarget, byShortKey;
    const std::vector<Placed> placed = PlaceFiles(platform, Selection::Everything).files;
    for (const Placed& p : placed)
        if (p.fileAt->whole)
            byTarget[Folded(p.target)].push_back(&p);
    for (auto& [target, group] : byTarget) {
        std::sort(group.begin(), group.end(),
                  [](const Placed* a, const Placed* b) { return a->fileAt->line < b->fileAt->line; });
        const Placed& first = *group[0];
        byShortKey[ShortKey(target)].push_back(&first);
        for (std::size_t i = 1; i < group.size(); ++i) {
            findings.Report(InstalledTogether(*first.at, *group[i]->at) ? "S401" : "S402",
                            group[i]->fileAt->line, {std::to_string(first.fileAt->line), first.target});
        }
    }
    for (const auto& [key, group] : byShortKey)
        for (std::size_t i = 0; i < group.size(); ++i)
            for (std::size_t j = 0; j < i; ++j) {
                const std::string meeting = ShortNameMeeting(group[i]->target, group[j]->target);
                const int a = std::min(group[i]->fileAt->line, group[j]->fileAt->line);
                if (!meeting.empty())
                    findings.Report("S403", std::max(group[i]->fileAt->line, group[j]->fileAt->line),
                                    {std::to_string(a), meeting});
            }
}

void CheckDirectories(const PlatformReading& platform, std::set<int>& reported, Findings& findings)
{
    for (Selection selection : {Selection::Typical, Selection::Minimum, Selection::Everything})
        for (const Placed& p : PlaceFiles(platform, selection).files) {
            if (p.missingDir.empty() || !p.fileAt->whole || !reported.insert(p.fileAt->line).second)
                continue;
            findings.Report(p.module->system ? "S405" : "S404", p.fileAt->line,
                            {p.dir, p.missingDir, PlatformName(platform.kind), SelectionName(selection)});
        }
}

// The registered uninstall command runs <install dir>\Uninstall.exe.
bool IsUninstaller(const FileEntry& file)
{
    return Folded(FileNamePart(file.dest)) == "UNINSTALL.EXE" ||
           Folded(FileNamePart(file.source)) == "UNINSTALL.EXE";
}

bool AtTop(const ModuleAt& module, const FileAt& file)
{
    return !module.entry->system && Folded(file.entry->dest) == "UNINSTALL.EXE";
}

// Where the uninstaller is missing on each platform: per line of the uninstaller (0 when there is
// none at all) and installation type, the platform kinds.
using Gaps = std::map<std::pair<int, std::string>, std::vector<int>>;

void CheckUninstaller(const PlatformReading& platform, Gaps& gaps, Findings& findings)
{
    const FileAt* top = nullptr;
    for (const ModuleAt& module : platform.modules)
        for (const FileAt& file : module.files) {
            if (!IsUninstaller(*file.entry))
                continue;
            if (!AtTop(module, file)) {
                findings.Report("S406", file.line,
                                {std::string(module.entry->system ? kSystemDirName : kInstallDirName) + "\\" +
                                 file.entry->dest});
            } else if (!top || Selects(Selection::Typical, module)) {
                top = &file;
            }
        }
    if (!top) {
        gaps[{0, ""}].push_back(platform.kind);
        return;
    }
    for (Selection selection : {Selection::Typical, Selection::Minimum}) {
        bool installed = false;
        for (const ModuleAt& module : platform.modules)
            for (const FileAt& file : module.files)
                installed |= AtTop(module, file) && Selects(selection, module);
        if (!installed)
            gaps[{top->line, SelectionName(selection)}].push_back(platform.kind);
    }
}

void ReportGaps(const ScriptReading& reading, const Gaps& gaps, Findings& findings)
{
    const std::vector<int> allowed = AllowedKinds(reading);
    for (const auto& [where, kinds] : gaps) {
        const std::string on = kinds.size() == allowed.size() ? "" : " on " + PlatformList(kinds);
        if (where.first == 0)
            findings.Report("S407", 1, {on});
        else
            findings.Report("S408", where.first, {where.second, on});
    }
}

} // namespace

void CheckTargets(const ScriptReading& reading, Findings& findings)
{
    std::set<int> reported;
    Gaps gaps;
    for (int kind : AllowedKinds(reading)) {
        const PlatformReading& platform = reading.On(kind);
        CheckSameTargets(platform, findings);
        CheckDirectories(platform, reported, findings);
        CheckUninstaller(platform, gaps, findings);
    }
    ReportGaps(reading, gaps, findings);
}
