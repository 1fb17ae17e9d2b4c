// The first four lines, which setup reads by their position whatever they hold.
#include "script/InstallPlan.h"
#include "setup-inf/Checks.h"

namespace {

bool StartsWithBlank(const std::string& text)
{
    return !text.empty() && (text[0] == ' ' || text[0] == '\t');
}

// A head line that looks like a module header or a file line: a line above it is missing.
bool LooksLikeBody(const std::string& text)
{
    return !text.empty() && (text[0] == '@' || text[0] == kSoh);
}

void CheckFormat(const ScriptReading& reading, Findings& findings)
{
    if (reading.format < 1)
        findings.Report("S101", 1);
}

void CheckNames(const ScriptReading& reading, Findings& findings)
{
    const ScriptModel& head = reading.Head();
    if (head.productName.empty())
        findings.Report("S104", reading.HeadLine(1)->number);
    else if (!PlanRegistration(head.productName).uninstallString)
        findings.Report("S116", reading.HeadLine(1)->number, {std::to_string(head.productName.size())});
    if (StartsWithBlank(head.productName))
        findings.Report("S105", reading.HeadLine(1)->number, {"the product name"});
    if (StartsWithBlank(head.programFolder))
        findings.Report("S105", reading.HeadLine(2)->number, {"the Start-menu folder name"});
}

void CheckPlatforms(const ScriptReading& reading, const std::string& line, int number, Findings& findings)
{
    const ScriptModel& head = reading.Head();
    const std::array<int, 3> read = {head.allowNT351, head.allowNT4, head.allowWin95};
    std::vector<long> written;
    const bool asWritten = WrittenNumbers(line, 3, written) && written[0] == read[0] &&
                           written[1] == read[1] && written[2] == read[2];
    const bool none = read[0] == 0 && read[1] == 0 && read[2] == 0;
    if (!asWritten)
        findings.Report("S106", number,
                        {NumbersText(read.data(), 3), none ? "; so setup refuses to install anywhere" : ""});
    else if (none)
        findings.Report("S107", number);
    else
        CheckExtraWords(number, line, 3, "three numbers", findings);
}

} // namespace

void CheckHead(const ScriptReading& reading, Findings& findings)
{
    CheckFormat(reading, findings);
    if (reading.format >= 1 && !reading.HeadLine(3))
        findings.Report("S102", reading.script.lastLine > 0 ? reading.script.lastLine : 1);
    // Past a refused format line setup reads nothing; past the end of the script, nothing is there.
    if (reading.format < 1 || !reading.HeadLine(3))
        return;
    const char* roles[] = {"the product name", "the Start-menu folder name", "the platforms line"};
    for (int i = 1; i < 4; ++i)
        if (LooksLikeBody(reading.HeadLine(i)->text))
            findings.Report("S103", reading.HeadLine(i)->number, {std::to_string(i + 1), roles[i - 1]});
    CheckNames(reading, findings);
    CheckPlatforms(reading, reading.HeadLine(3)->text, reading.HeadLine(3)->number, findings);
}
