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

// The directory's files and sub-directories by their folded names, as Windows finds them.
void ListDirectory(const std::string& dir, std::map<std::string, std::string>& files,
                   std::set<std::string>& directories)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        const std::string name = Folded(entry.path().filename().string());
        if (entry.is_directory(error))
            directories.insert(name);
        else if (entry.is_regular_file(error))
            files.emplace(name, entry.path().string());
    }
}

} // namespace

void CheckDistribution(const ScriptReading& reading, const std::string& dir, Findings& findings)
{
    std::map<std::string, std::string> files;
    std::set<std::string> directories;
    ListDirectory(dir, files, directories);
    std::set<std::string> used = {"SETUP.EXE", "SETUP.INF"};
    for (int kind : AllowedKinds(reading))
        for (const ModuleAt& module : reading.On(kind).modules)
            for (const FileAt& file : module.files) {
                const std::string name = FileNamePart(file.entry->source);
                used.insert(Folded(name));
                if (directories.count(Folded(name)))
                    findings.Report("S602", file.line, {Quoted(name)});
                else if (!name.empty() && !files.count(Folded(name)))
                    findings.Report("S601", file.line, {Quoted(name)});
            }
    for (const auto& [folded, path] : files)
        if (!used.count(folded))
            findings.Report("S603", path, 1, {});
}
