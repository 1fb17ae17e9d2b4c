// What the checker found: one line each, "FILE:LINE: error: [S101] ..." or "FILE:LINE: warning:
// [S206] ...", the severity that of the rule.
#pragma once

#include "setup-inf/Rules.h"

#include <set>
#include <string>
#include <vector>

struct Finding {
    std::string file;
    int line = 0;
    const Rule* rule = nullptr;
    std::string text;
};

class Findings {
public:
    explicit Findings(std::string script) : script(std::move(script)) {}

    void Report(const char* rule, int line, const std::vector<std::string>& details = {})
    {
        Report(rule, script, line, details);
    }
    // A finding about another file than the script; the same finding twice is kept once.
    void Report(const char* rule, const std::string& file, int line,
                const std::vector<std::string>& details); // control bytes as ^X
    // Findings of the rule are left out from here on; false for an id of no rule.
    bool Disable(const std::string& rule);

    // The script's findings by line, then those of other files, each in the order found.
    std::vector<std::string> Lines() const;
    int Count(Severity severity) const;

private:
    std::string script;
    std::vector<Finding> found;
    std::set<std::string> disabled;
};

// A name or path as a finding quotes it.
std::string Quoted(const std::string& text);
