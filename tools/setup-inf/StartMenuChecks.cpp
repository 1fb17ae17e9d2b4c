// Shortcuts and their folder: shell links in a folder below the Programs folder on Windows 95 and
// NT 4, Program Manager items in a group on NT 3.x, made by DDE commands that carry the names
// unquoted (group names in setup's commands, item names in Uninstall.exe's).
#include "setup-inf/Checks.h"
#include "setup-inf/Placement.h"

#include "platform/PlatformKinds.h"
#include "portable/ProgmanItemCommand.h"
#include "script/ProgmanCommands.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

// The longest group name that setup's commands take, and item name that the uninstaller's takes.
constexpr std::size_t kProgmanNameLimit = std::min(LongestName(kGroupCommandSize, kCreateGroupCommand),
                                                   LongestName(kGroupCommandSize, kShowGroupCommand));
constexpr std::size_t kProgmanItemLimit = LongestName(kCommandSize, kDeleteItemCommand);
static_assert(kProgmanNameLimit == 112 && kProgmanItemLimit == 113, "the guide states these limits");
// Program Manager ends an unquoted name at these, and a quote opens a quoted one.
constexpr char kProgmanStops[] = ",()[]\"";
// A file or folder name cannot take these (a backslash would mean a folder of its own).
constexpr char kNotInFileNames[] = "\\/:*?\"<>|";

char FirstOf(const std::string& text, const char* set)
{
    for (char c : text)
        if (std::strchr(set, c))
            return c;
    return 0;
}

std::string CharText(char c)
{
    return Quoted(std::string(1, c));
}

// The platform kinds on which some kept file line asks for a shortcut.
std::vector<int> KindsWithShortcuts(const ScriptReading& reading)
{
    std::vector<int> kinds;
    for (int kind : AllowedKinds(reading)) {
        bool any = false;
        for (const ModuleAt& module : reading.On(kind).modules)
            for (const FileAt& file : module.files)
                any |= file.entry->shortcutKind != 0;
        if (any)
            kinds.push_back(kind);
    }
    return kinds;
}

void CheckFolderName(const ScriptReading& reading, const std::vector<int>& kinds, int line,
                     Findings& findings)
{
    const std::string& folder = reading.Head().programFolder;
    bool links = false, groups = false;
    for (int kind : kinds)
        (kind == kPlatformNT3 ? groups : links) = true;
    if (folder.empty() && !kinds.empty())
        findings.Report("S501", line);
    if (char c = links ? FirstOf(folder, kNotInFileNames) : 0)
        findings.Report("S502", line, {CharText(c), c == '\\' ? " (setup makes only the last level)" : ""});
    if (!groups)
        return;
    if (folder.size() > kProgmanNameLimit)
        findings.Report("S503", line, {std::to_string(folder.size())});
    if (char c = FirstOf(folder, kProgmanStops))
        findings.Report("S504", line, {CharText(c)});
    if (folder.find('@') != std::string::npos)
        findings.Report("S505", line);
}

void CheckShortcutName(const FileEntry& file, int line, bool links, bool items, Findings& findings)
{
    const std::string name = file.shortcutName;
    if (file.shortcutKind == 0) {
        if (!name.empty())
            findings.Report("S506", line);
        return;
    }
    if (name.empty())
        findings.Report("S507", line);
    if (char c = links ? FirstOf(name, kNotInFileNames) : 0)
        findings.Report("S508", line, {CharText(c)});
    if (!items)
        return;
    if (name.find('"') != std::string::npos)
        findings.Report("S509", line);
    else if (char c = FirstOf(name, kProgmanStops))
        findings.Report("S510", line, {CharText(c)});
    else if (name.size() > kProgmanItemLimit)
        findings.Report("S512", line, {std::to_string(name.size())});
}

// Two shortcuts of one name in one folder: the later one replaces the first.
void CheckSameShortcuts(const PlatformReading& platform, Findings& findings)
{
    std::map<std::string, int> lines;
    for (const ModuleAt& module : platform.modules)
        for (const FileAt& file : module.files) {
            const FileEntry& entry = *file.entry;
            if (entry.shortcutKind == 0)
                continue;
            // Windows 95 has one Programs folder for both kinds; NT 3.x one group.
            const bool common = entry.shortcutKind != 1 && platform.kind == kPlatformNT4;
            const auto [old, fresh] =
                lines.emplace(Folded(entry.shortcutName) + (common ? "|c" : "|u"), file.line);
            if (!fresh)
                findings.Report("S511", file.line, {std::to_string(old->second), Quoted(entry.shortcutName)});
        }
}

} // namespace

void CheckStartMenu(const ScriptReading& reading, Findings& findings)
{
    const std::vector<int> kinds = KindsWithShortcuts(reading);
    const ReadPiece* folderLine = reading.HeadLine(2);
    CheckFolderName(reading, kinds, folderLine ? folderLine->number : 3, findings);
    std::map<int, std::pair<bool, bool>> uses; // line: made as a link, made as an item
    std::map<int, const FileAt*> entries;
    for (int kind : AllowedKinds(reading)) {
        for (const ModuleAt& module : reading.On(kind).modules)
            for (const FileAt& file : module.files) {
                (kind == kPlatformNT3 ? uses[file.line].second : uses[file.line].first) = true;
                entries[file.line] = &file;
            }
        CheckSameShortcuts(reading.On(kind), findings);
    }
    for (const auto& [line, use] : uses)
        if (ReadsAsWritten(reading.lines[entries[line]->piece].text, entries[line]->entry->shortcutKind))
            CheckShortcutName(*entries[line]->entry, line, use.first, use.second, findings);
}
