// The checker's rules: a stable id each, its severity and one line on what it finds. Findings name
// their rule; `--disable ID` or a remark line "setup-inf: disable ID..." in the script silences one.
#pragma once

#include <string>
#include <vector>

// An error is a line on which setup fails or installs something other than its author meant; a
// warning one that is probably not meant.
enum class Severity { Warning, Error };

struct Rule {
    const char* id;
    Severity severity;
    const char* summary;
};

const std::vector<Rule>& Rules();
// The rule of that id, or null.
const Rule* FindRule(const std::string& id);
