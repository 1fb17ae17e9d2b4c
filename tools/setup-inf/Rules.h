// The checker's rules: a stable id each, its severity and the text of its findings, which is also
// its summary. `--disable ID` or a remark line "setup-inf: disable ID..." in the script silences one.
#pragma once

#include <string>
#include <vector>

// An error is a line on which setup fails or installs something other than its author meant; a
// warning one that is probably not meant.
enum class Severity { Warning, Error };

struct Rule {
    const char* id;
    Severity severity;
    const char* text; // "{}" for each detail of a finding
};

const std::vector<Rule>& Rules();
// The rule of that id, or null.
const Rule* FindRule(const std::string& id);
// A finding's text: the rule's with its details in place, or with "..." for those not given.
std::string RuleText(const Rule& rule, const std::vector<std::string>& details);
