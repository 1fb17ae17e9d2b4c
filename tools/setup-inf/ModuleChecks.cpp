// Modules that no platform keeps, and modules past the ten boxes of a Custom installation.
#include "setup-inf/Checks.h"
#include "setup-inf/Placement.h"

#include <map>

namespace {

constexpr int kCustomBoxes = 10;

void CheckPlatforms(const ScriptReading& reading, const std::vector<int>& allowed, Findings& findings)
{
    for (std::size_t h = 0; h < reading.headers.size(); ++h) {
        if (KeptSomewhere(reading, static_cast<int>(h)))
            continue;
        const HeaderLine& header = reading.headers[h];
        findings.Report("S206", header.line, {Quoted(header.name), PlatformList(allowed)});
    }
}

void CheckBoxes(const ScriptReading& reading, const std::vector<int>& allowed, Findings& findings)
{
    std::map<int, std::vector<int>> boxless; // header index: the platform kinds where it has no box
    for (int kind : allowed)
        for (const ModuleAt& module : reading.On(kind).modules)
            if (module.position >= kCustomBoxes)
                boxless[module.header].push_back(kind);
    for (const auto& [index, kinds] : boxless) {
        const HeaderLine& header = reading.headers[index];
        const bool inNoType = !header.numbers[kTypical] && !header.numbers[kMinimum];
        findings.Report("S207", header.line,
                        {Quoted(header.name), PlatformList(kinds),
                         inNoType ? ", though neither Typical nor Minimum installs it" : ""});
    }
}

// Modules without files (a box that installs nothing), and two modules of one name on a platform,
// which the Custom page and the progress window cannot tell apart.
void CheckContents(const ScriptReading& reading, const std::vector<int>& allowed, Findings& findings)
{
    std::map<int, int> sameName; // header index: the line of the first module of its name
    for (int kind : allowed) {
        std::map<std::string, int> byName;
        for (const ModuleAt& module : reading.On(kind).modules) {
            const auto [first, fresh] = byName.emplace(Folded(module.entry->name), module.line);
            if (!fresh)
                sameName.emplace(module.header, first->second);
        }
    }
    for (const auto& [index, first] : sameName)
        findings.Report("S209", reading.headers[index].line,
                        {Quoted(reading.headers[index].name), std::to_string(first)});
    for (std::size_t h = 0; h < reading.headers.size(); ++h)
        if (reading.headers[h].pieces.empty() && KeptSomewhere(reading, static_cast<int>(h)))
            findings.Report("S208", reading.headers[h].line, {Quoted(reading.headers[h].name)});
}

} // namespace

void CheckModules(const ScriptReading& reading, Findings& findings)
{
    const std::vector<int> allowed = AllowedKinds(reading);
    if (allowed.empty())
        return;
    CheckPlatforms(reading, allowed, findings);
    CheckBoxes(reading, allowed, findings);
    CheckContents(reading, allowed, findings);
}
