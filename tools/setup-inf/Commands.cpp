// The three commands over the script reader, the checks and the install plan.
#include "setup-inf/Commands.h"

#include "setup-inf/Checks.h"
#include "setup-inf/Placement.h"

#include "platform/PlatformKinds.h"

#include <cerrno>
#include <cstring>
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

std::string Counted(int count, const char* what)
{
    return count == 0 ? std::string("no ") + what + "s"
                      : std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// The line that says a check ran at all, also when it found nothing.
void Summarize(const Findings& findings, const Input& input, std::ostream& out)
{
    out << input.script.name << ": " << Counted(findings.Count(Severity::Error), "error") << ", "
        << Counted(findings.Count(Severity::Warning), "warning");
    if (!input.dir.empty())
        out << ", with the files of " << input.dir;
    out << "\n";
}

// Where setup finds its folders on a fresh installation of each kind, from the registry values
// and system directories that a fresh Windows has: Windows in C:\WINDOWS (95), C:\WINNT35
// (NT 3.51) or C:\WINNT (NT 4), the program files directory C:\Program Files.
void WriteDefaultDirectories(const ScriptReading& reading, int kind, std::ostream& out)
{
    const std::string product = reading.On(kind).model.productName;
    out << "Default directories, as setup finds them on a fresh " << PlatformName(kind)
        << " installed on drive C:\n";
    if (kind == kPlatformNT3) {
        // No program files directory there: setup takes the Windows directory's drive.
        out << "  " << kInstallDirName << " C:\\" << product << " (the wizard's default)\n"
            << "  " << kSystemDirName << " C:\\WINNT35\\system32\n"
            << "  shortcuts: Program Manager items, no folders\n";
        return;
    }
    const std::string windows = kind == kPlatformWin95 ? "C:\\WINDOWS" : "C:\\WINNT";
    out << "  " << kInstallDirName << " C:\\Program Files\\" << product << " (the wizard's default)\n"
        << "  " << kSystemDirName << " " << windows << (kind == kPlatformWin95 ? "\\SYSTEM" : "\\system32")
        << "\n";
    if (kind == kPlatformWin95)
        out << "  <user Programs> and <common Programs> " << windows << "\\Start Menu\\Programs\n";
    else
        out << "  <user Programs> " << windows << "\\Profiles\\<user name>\\Start Menu\\Programs\n"
            << "  <common Programs> " << windows << "\\Profiles\\All Users\\Start Menu\\Programs\n";
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
        if (!refused)
            WriteDefaultDirectories(reading, options.platform, out);
        return refused ? kFound : kDone;
    }
    Findings findings(input.script.name);
    for (const std::string& id : options.disabled)
        findings.Disable(id);
    // A source copied in place of the built file: setup reads "^A" as two characters.
    if (input.shipped && input.script.readableSource && options.command == "check")
        findings.Report("S114", 1);
    CheckScript(input.script, input.dir, findings);
    const bool stopped = Report(findings, options.werror, out);
    if (options.command == "check")
        Summarize(findings, input, out);
    if (stopped)
        return kFound;
    if (options.command == "check")
        return kDone;
    std::ofstream file(options.paths[1], std::ios::binary | std::ios::trunc);
    file << SetupInfBytes(input.script);
    file.close();
    if (!file)
        failure = "cannot write " + options.paths[1] + ": " + std::strerror(errno);
    return file ? kDone : kFailed;
}

// A build that fails leaves no Setup.inf, not even the one before it, which would be shipped or
// tried as if it were the new one; a source given as its own output stays.
void RemoveFailedBuild(const Options& options)
{
    std::error_code error;
    if (!fs::equivalent(options.paths[0], options.paths[1], error) || error)
        fs::remove(options.paths[1], error);
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
    if (options.command == "build" && status != kDone)
        RemoveFailedBuild(options);
    if (status == kFailed)
        err << "setup-inf: " << failure << "\n";
    return status;
}
