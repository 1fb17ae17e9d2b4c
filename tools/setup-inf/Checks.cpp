// Running every check over one script.
#include "setup-inf/Checks.h"

#include "platform/PlatformKinds.h"

bool CheckScript(const ScriptText& script, const std::string& distributionDir, Findings& findings,
                 std::string& fault)
{
    const ScriptReading reading(script);
    fault = reading.fault;
    if (!fault.empty())
        return false;
    CheckHead(reading, findings);
    CheckLineShapes(reading, findings);
    // Past a refused format line setup reads nothing more.
    if (ReadFormat(script.lines.empty() ? "" : script.lines[0].text) < 1)
        return true;
    CheckModules(reading, findings);
    CheckFileNames(reading, findings);
    CheckTargets(reading, findings);
    CheckStartMenu(reading, findings);
    if (!distributionDir.empty())
        CheckDistribution(reading, distributionDir, findings);
    return true;
}

std::vector<int> AllowedKinds(const ScriptReading& reading)
{
    std::vector<int> kinds;
    for (int kind : {kPlatformNT3, kPlatformNT4, kPlatformWin95})
        if (reading.Allowed(kind))
            kinds.push_back(kind);
    return kinds;
}

bool KeptSomewhere(const ScriptReading& reading, int header)
{
    for (int kind : AllowedKinds(reading))
        if (reading.headers[header].fields.numbers[OnPlatform(kind)])
            return true;
    return false;
}

std::string PlatformList(const std::vector<int>& kinds)
{
    std::string list;
    for (int kind : kinds)
        list += (list.empty() ? "" : ", ") + std::string(PlatformName(kind));
    return list;
}

const char* BaseName(const HeaderLine& header)
{
    return header.fields.numbers[kSystem] ? "the system directory" : "the install directory";
}
