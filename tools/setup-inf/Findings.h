// What the checker found: one line each, "FILE:LINE: error: ..." or "FILE:LINE: warning: ...".
// An error is a line on which setup fails or installs something other than its author meant; a
// warning one that is probably not meant.
#pragma once

#include <string>
#include <vector>

enum class Severity { Warning, Error };

struct Finding {
    std::string file;
    int line = 0;
    Severity severity = Severity::Error;
    std::string text;
};

class Findings {
public:
    explicit Findings(std::string script) : script(std::move(script)) {}

    void Error(int line, const std::string& text) { Add(script, line, Severity::Error, text); }
    void Warning(int line, const std::string& text) { Add(script, line, Severity::Warning, text); }
    // A finding about another file than the script; the same finding twice is kept once.
    void Add(const std::string& file, int line, Severity severity,
             const std::string& text); // control bytes as ^X

    // The script's findings by line, then those of other files, each in the order found.
    std::vector<std::string> Lines() const;
    int Count(Severity severity) const;

private:
    std::string script;
    std::vector<Finding> found;
};

// A name or path as a finding quotes it.
std::string Quoted(const std::string& text);
