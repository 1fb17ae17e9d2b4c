// Running every check over one script.
#include "setup-inf/Checks.h"

#include "platform/PlatformKinds.h"

#include <cstdlib>
#include <sstream>

namespace {

constexpr char kDisableRemark[] = "setup-inf: disable ";

// Remark lines (which setup ignores) that silence rules for the whole script.
void ApplyDisableRemarks(const ScriptReading& reading, Findings& findings)
{
    for (const ReadPiece& line : reading.lines) {
        if (line.kind != ScriptLineKind::Other || line.continued || line.text.rfind(kDisableRemark, 0) != 0)
            continue;
        std::istringstream ids(line.text.substr(sizeof kDisableRemark - 1));
        std::string id;
        while (ids >> id)
            if (!findings.Disable(id))
                findings.Report("S115", line.number, {Quoted(id)});
    }
}

} // namespace

void CheckScript(const ScriptText& script, const std::string& distributionDir, Findings& findings)
{
    const ScriptReading reading(script);
    ApplyDisableRemarks(reading, findings);
    CheckHead(reading, findings);
    CheckLineShapes(reading, findings);
    // Past a refused format line setup reads nothing more.
    if (reading.format < 1)
        return;
    CheckModules(reading, findings);
    CheckFileNames(reading, findings);
    CheckTargets(reading, findings);
    CheckStartMenu(reading, findings);
    if (!distributionDir.empty())
        CheckDistribution(reading, distributionDir, findings);
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
        if (reading.headers[header].numbers[OnPlatform(kind)])
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
    return header.numbers[kSystem] ? "the system directory" : "the install directory";
}

bool ReadsAsWritten(const std::string& fileLine, int shortcutKindRead)
{
    const std::vector<std::string> fields = SohFields(fileLine);
    std::vector<long> kind;
    return fields.size() >= 7 && WrittenNumbers(fields[4], 1, kind) && kind[0] == shortcutKindRead;
}

bool WrittenNumbers(const std::string& text, std::size_t count, std::vector<long>& numbers)
{
    std::istringstream words(text);
    std::string word;
    numbers.clear();
    while (numbers.size() < count && words >> word) {
        char* end = nullptr;
        const long value = std::strtol(word.c_str(), &end, 10);
        if (*end != '\0')
            return false;
        numbers.push_back(value);
    }
    return numbers.size() == count;
}

std::string NumbersText(const int* numbers, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += (i ? " " : "") + std::to_string(numbers[i]);
    return text;
}

std::vector<std::string> Components(const std::string& path)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = path.find('\\', start);
        parts.push_back(path.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}
