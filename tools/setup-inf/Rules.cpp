// The table of rules, each with the text of its findings: "{}" takes the finding's details in
// order. Ids are stable: a rule that goes leaves its id unused.
#include "setup-inf/Rules.h"

namespace {

constexpr Severity E = Severity::Error, W = Severity::Warning;

} // namespace

const std::vector<Rule>& Rules()
{
    static const std::vector<Rule> rules = {
        // The file and its first four lines.
        {"S101", E,
         "setup refuses this format line with \"Unknown .inf file format.\": write ^A, a name, ^A, one space "
         "and a number of 1 or more"},
        {"S102", E,
         "the script ends before its fourth line: the format line, the product name, the Start-menu folder "
         "and the platforms line come first, in this order"},
        {"S103", E,
         "setup reads line {} as {} by its place, but it looks like a module header or a file line: is a "
         "line missing above it?"},
        {"S104", E,
         "the product name is empty: setup names the uninstall registration, the log and the default "
         "destination directory after it"},
        {"S105", W, "{} starts with a blank, which setup keeps: remove it"},
        {"S106", E,
         "the platforms line reads as {} (NT 3.x, NT 4, Windows 95), not as written: one space between the "
         "numbers, no blank before the first, no sign{}"},
        {"S107", E, "the platforms line allows no platform: setup refuses to install anywhere"},
        {"S108", E,
         "this line has {} characters with its line end; setup reads at most 779 at a time and takes the "
         "rest for a line of its own"},
        {"S109", E,
         "setup reads the script in text mode, which ends at this Ctrl-Z: it never reads the lines after it; "
         "remove the Ctrl-Z"},
        {"S110", E,
         "this line starts with a blank, so setup takes it for a remark: a module header or a file line "
         "starts in the first column"},
        {"S111", E,
         "this line holds a CR without a LF after it: setup takes only CR LF or LF for a line end, so what "
         "follows the CR stays on this line; save the script with CR LF line ends"},
        {"S112", E, "\"^a\" is not SOH: the notation takes only \"^A\", in capitals"},
        {"S113", W,
         "this line holds UTF-8 text ({} is {} bytes), which setup reads in the ANSI code page, one "
         "character per byte: save the script in the ANSI code page"},
        {"S114", E,
         "this Setup.inf has \"^A\" where setup needs the SOH byte, so setup refuses it with \"Unknown .inf "
         "file format.\": make it with setup-inf build"},
        {"S115", W, "no rule has the id {}: see setup-inf rules"},
        {"S116", E,
         "the product name has {} characters: with more than 191 setup cannot register the uninstall "
         "command"},
        // Module headers.
        {"S201", E,
         "the module header reads as {} (NT 3.x, NT 4, Windows 95, shared, system, Typical, Minimum), not as "
         "written: one space between the numbers, no blank before the first, no sign"},
        {"S202", E, "the module name has no closing SOH (^A), so the header's numbers read as 0"},
        {"S203", E, "the module name has {} characters; setup keeps the first 259"},
        {"S204", W, "the module name is empty: its box in Custom has no label"},
        {"S205", W,
         "this line starts with \"@\" but no SOH follows, so setup ends the current module here and drops "
         "its file lines up to the next header; begin a remark with another character"},
        {"S206", W,
         "module {} is on none of the platforms that line 4 allows ({}), so setup never installs it"},
        {"S207", W,
         "module {} has no box in Custom on {}: only the first ten modules of the list (the last ten of the "
         "script) get one, and a Custom installation always installs the others{}"},
        {"S208", W, "module {} has no file lines: its installation installs nothing"},
        {"S209", W,
         "module {} has the name of the module of line {}: the Custom page shows two boxes of one label"},
        // File lines.
        {"S301", E, "this file line comes {}, so setup drops it{}: put it below a module header"},
        {"S302", E, "the {} has no closing SOH (^A)"},
        {"S303", E,
         "setup reads {}, not as written: one space between the fields, the shortcut kind a number without "
         "blank or sign"},
        {"S304", W, "setup reads {} and drops the rest: {}"},
        {"S305", E, "the source is empty: name a file of the distribution directory"},
        {"S306", W,
         "setup copies only {} from the distribution directory itself: the directory part of {} is not used"},
        {"S307", E, "the {} has a character that no file name can take: {}"},
        {"S308", E, "{} has {} characters; setup keeps the first 259"},
        {"S309", E,
         "setup takes only (NULL) in capitals and without blanks for the source's name: it installs this "
         "file as {}"},
        {"S310", E,
         "the destination is empty, so setup copies onto {} itself: write (NULL) to install the file under "
         "its source name"},
        {"S311", E, "the destination climbs out of {} with \"..\": setup places files below it"},
        {"S312", E,
         "the destination names a drive, but setup places it below {}, where a colon makes no valid name"},
        {"S313", E,
         "the destination starts with a backslash, but setup still places it below {}: leave the backslash "
         "out"},
        {"S314", E,
         "the destination has a slash, which setup does not take for a directory separator: it makes no "
         "directory for it; write a backslash"},
        {"S315", E,
         "the destination {} has a name that ends in {}, which Windows would drop: setup refuses the file "
         "(\"Failed to install file\", VIF_CANNOTCREATE)"},
        {"S316", E,
         "the destination {} names the device {}, not a file: setup refuses the file (\"Failed to install "
         "file\", VIF_CANNOTCREATE); choose another name"},
        {"S317", E,
         "the line ends after the source: a file line has a source, a destination, a shortcut kind and a "
         "shortcut name"},
        {"S318", E, "the line ends before the shortcut name: write ^A^A for none"},
        // Where files land.
        {"S401", E,
         "this file goes to the same place as the one of line {}, {}: the one placed later replaces it, or "
         "is skipped as not newer"},
        {"S402", W,
         "this file goes to the same place as the one of line {}, {}: the one placed later replaces it, or "
         "is skipped as not newer (in a Custom installation with both ticked)"},
        {"S403", W, "this file may go to the same place as the one of line {}: {}"},
        {"S404", E,
         "setup makes only the last level of {}, and no file placed before this one makes {} ({}, {}): give "
         "a file line further down the script a destination in it"},
        {"S405", W,
         "setup makes only the last level of {}, and no file placed before this one makes {} ({}, {}): give "
         "a file line further down the script a destination in it, unless every machine has it"},
        {"S406", E,
         "this installs the uninstaller as {}, but the uninstall command that setup registers runs <install "
         "dir>\\Uninstall.exe"},
        {"S407", E,
         "no file line installs Uninstall.exe at the top of the install directory{}, where the uninstall "
         "command that setup registers runs it: add one with the destination (NULL) to a module of every "
         "installation type"},
        {"S408", E,
         "a {} installation{} leaves out this module and with it Uninstall.exe, but still registers the "
         "uninstall command that runs it"},
        // Shortcuts, the Start-menu folder and Program Manager.
        {"S501", W,
         "the Start-menu folder name is empty: setup puts the shortcuts straight into the Programs folder, "
         "and Program Manager makes no group without a name"},
        {"S502", E, "the Start-menu folder name has a character that a folder name cannot take: {}{}"},
        {"S503", E, "the Program Manager group name has {} characters; its commands take at most 112"},
        {"S504", E, "Program Manager cannot take {} in a group name: its commands end the name there"},
        {"S505", W,
         "the Program Manager group name has an \"@\", where Uninstall.exe cuts its uninstall record: it "
         "cannot remove the items"},
        {"S506", W,
         "shortcut kind 0 makes no shortcut, so its name is not used: write 1 (the user's Programs folder) "
         "or 2 (the common one)"},
        {"S507", W, "the shortcut has no name: setup makes it as \".lnk\", or an item without a title"},
        {"S508", E,
         "the shortcut name has a character that a file name cannot take: {}; setup cannot save the "
         "shortcut"},
        {"S509", E,
         "Program Manager cannot take a double quote in an item name: setup's command for it ends the name "
         "there"},
        {"S510", W,
         "Uninstall.exe cannot remove this Program Manager item: its command ends the name at the {}"},
        {"S511", E,
         "this shortcut has the name of the one of line {}, {}, in the same place: the one made later "
         "replaces it"},
        {"S512", W,
         "Uninstall.exe cannot remove this Program Manager item: its name has {} characters and its command "
         "takes at most 113"},
        // The distribution directory.
        {"S601", E, "the source {} is not in the distribution directory"},
        {"S602", E,
         "the source {} is a directory of the distribution directory: setup copies files only; name the "
         "files in it, each on a line of its own"},
        {"S603", W,
         "no line of Setup.inf installs this file: add a file line for it, or leave it out of the "
         "distribution"},
    };
    return rules;
}

const Rule* FindRule(const std::string& id)
{
    for (const Rule& rule : Rules())
        if (id == rule.id)
            return &rule;
    return nullptr;
}

std::string RuleText(const Rule& rule, const std::vector<std::string>& details)
{
    std::string text;
    std::size_t next = 0;
    for (const char* p = rule.text; *p; ++p) {
        if (p[0] == '{' && p[1] == '}') {
            text += next < details.size() ? details[next++] : "...";
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}
