// Modules that no platform keeps, and modules past the ten boxes of a Custom installation.
#include "setup-inf/Checks.h"

#include <map>

namespace {

constexpr int kCustomBoxes = 10;

void CheckPlatforms(const ScriptReading& reading, const std::vector<int>& allowed, Findings& findings)
{
    for (std::size_t h = 0; h < reading.headers.size(); ++h) {
        if (KeptSomewhere(reading, static_cast<int>(h)))
            continue;
        const HeaderLine& header = reading.headers[h];
        findings.Report("S206", header.line,
                        "module " + Quoted(header.name) +
                            " is on none of the platforms that line 4 allows (" + PlatformList(allowed) +
                            "), so setup never installs it");
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
                        "module " + Quoted(header.name) + " has no box in Custom on " + PlatformList(kinds) +
                            ": only the first ten modules of the list (the last ten of the script) "
                            "get one, and a Custom installation always installs the others" +
                            (inNoType ? ", though neither Typical nor Minimum installs it" : ""));
    }
}

} // namespace

void CheckModules(const ScriptReading& reading, Findings& findings)
{
    const std::vector<int> allowed = AllowedKinds(reading);
    if (allowed.empty())
        return;
    CheckPlatforms(reading, allowed, findings);
    CheckBoxes(reading, allowed, findings);
}
