// The three commands over the script reader, the checks and the install plan.
#include "setup-inf/Commands.h"

#include "setup-inf/Checks.h"
#include "setup-inf/Placement.h"

#include "platform/PlatformKinds.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

constexpr int kDone = 0, kFound = 1, kFailed = 2;
constexpr char kUsage[] = "usage: setup-inf check PATH [--werror] [--disable ID]... | show PATH [--platform "
                          "win95|nt351|nt4] [--type typical|minimum|custom] | build SOURCE OUT [--werror] "
                          "[--disable ID]... | rules";

struct Options {
    std::string command;
    std::vector<std::string> paths;
    bool werror = false;
    std::vector<std::string> disabled;
    int platform = kPlatformNT4;
    Selection selection = Selection::Typical;
};

template <typename Value>
bool Choose(const std::map<std::string, Value>& choices, const std::string& word, Value& value)
{
    const auto found = choices.find(word);
    if (found != choices.end())
        value = found->second;
    return found != choices.end();
}

bool ParseOptions(const std::vector<std::string>& args, Options& options)
{
    static const std::map<std::string, std::size_t> pathCounts = {
        {"check", 1}, {"show", 1}, {"build", 2}, {"rules", 0}};
    if (args.empty() || !pathCounts.count(args[0]))
        return false;
    options.command = args[0];
    const bool show = options.command == "show";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool good = true;
        if (arg == "--werror" && !show)
            options.werror = true;
        else if (arg == "--disable" && !show && hasValue)
            good = FindRule(options.disabled.emplace_back(args[++i])) != nullptr;
        else if (arg == "--platform" && show && hasValue)
            good = Choose<int>({{"win95", kPlatformWin95}, {"nt351", kPlatformNT3}, {"nt4", kPlatformNT4}},
                               args[++i], options.platform);
        else if (arg == "--type" && show && hasValue)
            good = Choose<Selection>({{"typical", Selection::Typical},
                                      {"minimum", Selection::Minimum},
                                      {"custom", Selection::Custom}},
                                     args[++i], options.selection);
        else if (arg.rfind("--", 0) == 0)
            good = false;
        else
            options.paths.push_back(arg);
        if (!good)
            return false;
    }
    return options.paths.size() == pathCounts.at(options.command);
}

struct Input {
    ScriptText script;
    std::string dir;      // the distribution directory, when the path named one
    bool shipped = false; // the file is a Setup.inf, the one setup reads
};

// Setup.inf in a directory, found as Windows finds it, whatever its case; empty when none.
std::string ScriptIn(const std::string& dir)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        if (Folded(entry.path().filename().string()) == "SETUP.INF")
            return entry.path().string();
    return "";
}

bool Load(const std::string& path, bool directoryAllowed, Input& input, std::string& failure)
{
    std::error_code error;
    std::string file = path;
    if (fs::is_directory(path, error)) {
        input.dir = path;
        file = directoryAllowed ? ScriptIn(path) : "";
        if (file.empty()) {
            failure = directoryAllowed ? "no Setup.inf in " + path : path + " is a directory";
            return false;
        }
    }
    std::string contents, reason;
    if (!ReadWholeFile(file, contents, reason)) {
        failure = "cannot read " + file + ": " + reason;
        return false;
    }
    input.script = MakeScriptText(file, contents);
    input.shipped = Folded(fs::path(file).filename().string()) == "SETUP.INF";
    return true;
}

// Prints the findings; true when they stop the command.
bool Report(const Findings& findings, bool werror, std::ostream& out)
{
    for (const std::string& line : findings.Lines())
        out << line << "\n";
    return findings.Count(Severity::Error) > 0 || (werror && findings.Count(Severity::Warning) > 0);
}

int Run(const Options& options, std::ostream& out, std::string& failure)
{
    if (options.command == "rules") {
        for (const Rule& rule : Rules())
            out << rule.id << (rule.severity == Severity::Error ? " error   " : " warning ")
                << RuleText(rule, {}) << "\n";
        return kDone;
    }
    Input input;
    if (!Load(options.paths[0], options.command != "build", input, failure))
        return kFailed;
    if (options.command == "show") {
        const ScriptReading reading(input.script);
        bool refused = false;
        out << PlanText(reading, options.platform, options.selection, refused);
        return refused ? kFound : kDone;
    }
    Findings findings(input.script.name);
    for (const std::string& id : options.disabled)
        findings.Disable(id);
    // A source copied in place of the built file: setup reads "^A" as two characters.
    if (input.shipped && input.script.readableSource && options.command == "check")
        findings.Report("S114", 1);
    CheckScript(input.script, input.dir, findings);
    if (Report(findings, options.werror, out))
        return kFound;
    if (options.command == "check")
        return kDone;
    std::ofstream file(options.paths[1], std::ios::binary | std::ios::trunc);
    file << SetupInfBytes(input.script);
    file.close();
    if (!file)
        failure = "cannot write " + options.paths[1];
    return file ? kDone : kFailed;
}

} // namespace

int RunSetupInf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options options;
    if (!ParseOptions(args, options)) {
        err << kUsage << "\n";
        return kFailed;
    }
    std::string failure;
    const int status = Run(options, out, failure);
    if (status == kFailed)
        err << "setup-inf: " << failure << "\n";
    return status;
}
