// The table of rules. Ids are stable: a rule that goes leaves its id unused.
#include "setup-inf/Rules.h"

namespace {

constexpr Severity E = Severity::Error, W = Severity::Warning;

} // namespace

const std::vector<Rule>& Rules()
{
    static const std::vector<Rule> rules = {
        // The file and its first four lines.
        {"S101", E, "the format line gives no format number of 1 or more"},
        {"S102", E, "the script ends before its fourth line"},
        {"S103", E, "a head line looks like a module header or a file line"},
        {"S104", E, "the product name is empty"},
        {"S105", W, "the product name or the Start-menu folder name starts with a blank"},
        {"S106", E, "the platforms line reads otherwise than written"},
        {"S107", E, "the platforms line allows no platform"},
        {"S108", E, "a line longer than the 779 characters setup reads at a time"},
        {"S109", E, "a Ctrl-Z ends the script before its end"},
        {"S110", E, "an indented module header or file line, which setup takes for a remark"},
        {"S111", E, "lines that end in CR alone, which setup does not take for line ends"},
        {"S112", E, "\"^a\" in lower case, which the notation does not take for SOH"},
        {"S113", W, "UTF-8 text, which setup reads in the ANSI code page"},
        {"S114", E, "a ^A source shipped as Setup.inf"},
        {"S115", W, "a disable remark names no rule"},
        {"S116", E, "a product name too long for the uninstall registration"},
        // Module headers.
        {"S201", E, "a module header reads otherwise than written"},
        {"S202", E, "the module name has no closing SOH"},
        {"S203", E, "the module name is longer than 259 characters"},
        {"S204", W, "the module name is empty"},
        {"S205", W, "a line starts with \"@\" but no SOH follows: it ends the current module"},
        {"S206", W, "a module is on none of the platforms allowed"},
        {"S207", W, "a module has no box in Custom"},
        {"S208", W, "a module has no files"},
        {"S209", W, "two modules of one name on one platform"},
        // File lines.
        {"S301", E, "a file line outside any module, which setup drops"},
        {"S302", E, "a file line misses an SOH"},
        {"S303", E, "a file line reads otherwise than written"},
        {"S304", W, "text after a line's last field, which setup drops"},
        {"S305", E, "the source is empty"},
        {"S306", W, "the source has a directory part, which setup does not use"},
        {"S307", E, "a name with a character that no file name can take"},
        {"S308", E, "a text field longer than the 259 characters setup keeps"},
        {"S309", E, "(NULL) not in capitals or with blanks"},
        {"S310", E, "the destination is empty"},
        {"S311", E, "the destination climbs out with \"..\""},
        {"S312", E, "the destination names a drive"},
        {"S313", E, "the destination starts with a backslash"},
        {"S314", E, "the destination has a slash"},
        {"S315", E, "a name that ends in a space or a dot, which the uninstaller cannot delete"},
        {"S316", E, "a reserved device name (CON, AUX, NUL, COM1, LPT1, ...)"},
        // Where files land.
        {"S401", E, "two files go to one place"},
        {"S402", W, "two files go to one place in a Custom installation"},
        {"S403", W, "two files may go to one place through a short name"},
        {"S404", E, "a destination two directory levels below anything made"},
        {"S405", W, "a system destination two directory levels below anything made"},
        {"S406", E, "the uninstaller is installed elsewhere than the top of the install directory"},
        {"S407", E, "no file line installs Uninstall.exe where the uninstall command runs it"},
        {"S408", E, "an installation type leaves out the uninstaller"},
        // Shortcuts, the Start-menu folder and Program Manager.
        {"S501", W, "the Start-menu folder name is empty"},
        {"S502", E, "the Start-menu folder name has a character a folder name cannot take"},
        {"S503", E, "the Program Manager group name is longer than 112 characters"},
        {"S504", E, "the Program Manager group name has a character its commands end at"},
        {"S505", W, "the Program Manager group name has an \"@\""},
        {"S506", W, "shortcut kind 0 with a shortcut name"},
        {"S507", W, "a shortcut without a name"},
        {"S508", E, "the shortcut name has a character a file name cannot take"},
        {"S509", E, "a double quote in a Program Manager item name"},
        {"S510", W, "a Program Manager item the uninstaller cannot remove"},
        {"S511", E, "two shortcuts of one name in one place"},
        // The distribution directory.
        {"S601", E, "a source that the distribution directory lacks"},
        {"S602", E, "a source that is a directory"},
        {"S603", W, "a file that no line installs"},
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
