// A distribution directory against its script: every source must be there, since setup copies each
// from the directory it runs in, and everything there should be something the script installs.
#include "setup-inf/Checks.h"
#include "setup-inf/Placement.h"

#include "script/FileNamePart.h"

#include <filesystem>
#include <map>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The directory's files by their folded names, as Windows finds them.
std::map<std::string, std::string> FilesIn(const std::string& dir)
{
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        if (entry.is_regular_file(error))
            files.emplace(Folded(entry.path().filename().string()), entry.path().string());
    return files;
}

} // namespace

void CheckDistribution(const ScriptReading& reading, const std::string& dir, Findings& findings)
{
    const auto files = FilesIn(dir);
    std::set<std::string> used = {"SETUP.EXE", "SETUP.INF"};
    for (int kind : AllowedKinds(reading))
        for (const ModuleAt& module : reading.On(kind).modules)
            for (const FileAt& file : module.files) {
                const std::string name = FileNamePart(file.entry->source);
                used.insert(Folded(name));
                if (!name.empty() && !files.count(Folded(name)))
                    findings.Report("S601", file.line,
                                    "the source " + Quoted(name) + " is not in the distribution directory");
            }
    for (const auto& [folded, path] : files)
        if (!used.count(folded))
            findings.Report("S603", path, 1,
                            "no line of Setup.inf installs this file: add a file line "
                            "for it, or leave it out of the distribution");
}
