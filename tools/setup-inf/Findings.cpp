// Collecting and printing findings.
#include "setup-inf/Findings.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A finding stays one line whatever bytes the script gave its names.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        line += byte < 0x20 ? std::string("^") + static_cast<char>(byte + '@') : std::string(1, c);
    }
    return line;
}

} // namespace

void Findings::Report(const char* id, const std::string& file, int line,
                      const std::vector<std::string>& details)
{
    const Rule* rule = FindRule(id);
    if (!rule)
        std::abort(); // a finding of no rule is this program's own fault: the fuzz target looks for it
    if (disabled.count(id))
        return;
    const std::string text = OneLine(RuleText(*rule, details));
    for (const Finding& old : found)
        if (old.file == file && old.line == line && old.rule == rule && old.text == text)
            return;
    found.push_back({file, line, rule, text});
}

bool Findings::Disable(const std::string& rule)
{
    if (!FindRule(rule))
        return false;
    disabled.insert(rule);
    return true;
}

std::vector<std::string> Findings::Lines() const
{
    std::vector<Finding> sorted = found;
    std::stable_sort(sorted.begin(), sorted.end(), [this](const Finding& a, const Finding& b) {
        if ((a.file == script) != (b.file == script))
            return a.file == script;
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    std::vector<std::string> lines;
    for (const Finding& f : sorted)
        lines.push_back(f.file + ":" + std::to_string(f.line) +
                        (f.rule->severity == Severity::Error ? ": error: [" : ": warning: [") + f.rule->id +
                        "] " + f.text);
    return lines;
}

int Findings::Count(Severity severity) const
{
    return static_cast<int>(std::count_if(
        found.begin(), found.end(), [severity](const Finding& f) { return f.rule->severity == severity; }));
}

// Other control bytes become ^X with the rest of the finding.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted +=
            c == '\n' ? "\\n" : std::string(1, c); // the line end a field without its closing SOH takes in
    return quoted + "\"";
}
