// A file line's source and destination as names: what setup does with each that its author
// would not expect.
#include "setup-inf/Checks.h"

#include "script/FileNamePart.h"

#include <cstring>

namespace {

constexpr std::size_t kFieldLimit = 259;

// The first character of the text that no file name can take, or 0.
char BadNameCharacter(const std::string& text, const char* alsoBad = "")
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("*?\"<>|", c) ||
            (c && std::strchr(alsoBad, c)))
            return c;
    return 0;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ClimbsOut(const std::string& dest)
{
    for (std::size_t start = 0;;) {
        const std::size_t end = dest.find('\\', start);
        if (dest.substr(start, end - start) == "..")
            return true;
        if (end == std::string::npos)
            return false;
        start = end + 1;
    }
}

void CheckLength(int line, const std::string& what, std::size_t length, Findings& findings)
{
    if (length > kFieldLimit)
        findings.Error(line,
                       what + " has " + std::to_string(length) + " characters; setup keeps the first 259");
}

void CheckSource(int line, const FileLineReading& file, Findings& findings)
{
    const std::string name = FileNamePart(file.source.c_str());
    if (file.source.empty())
        findings.Error(line, "the source is empty: name a file of the distribution directory");
    else if (name != file.source)
        findings.Warning(line, "setup copies only " + Quoted(name) +
                                   " from the distribution directory itself: "
                                   "the directory part of " +
                                   Quoted(file.source) + " is not used");
    if (char c = BadNameCharacter(file.source))
        findings.Error(line,
                       "the source has a character that no file name can take: " + Quoted(std::string(1, c)));
    CheckLength(line, "the source", file.source.size(), findings);
}

void CheckDestShape(int line, const std::string& dest, const std::string& base, Findings& findings)
{
    if (ClimbsOut(dest))
        findings.Error(line,
                       "the destination climbs out of " + base + " with \"..\": setup places files below it");
    if (dest.find(':') != std::string::npos)
        findings.Error(line, "the destination names a drive, but setup places it below " + base +
                                 ", where a colon makes no valid name");
    if (dest[0] == '\\')
        findings.Error(line, "the destination starts with a backslash, but setup still places it below " +
                                 base + ": leave the backslash out");
    if (dest.find('/') != std::string::npos)
        findings.Error(line,
                       "the destination has a slash, which setup does not take for a directory separator: "
                       "it makes no directory for it; write a backslash");
    if (char c = BadNameCharacter(dest))
        findings.Error(line, "the destination has a character that no file name can take: " +
                                 Quoted(std::string(1, c)));
}

void CheckDest(int line, const FileLineReading& file, const std::string& base, Findings& findings)
{
    const std::string& dest = file.dest;
    if (dest.empty()) {
        findings.Error(line, "the destination is empty, so setup copies onto " + base +
                                 " itself: write (NULL) to install the file under its source name");
        return;
    }
    if (dest != "(NULL)" && Upper(Trimmed(dest)) == "(NULL)") {
        findings.Error(line,
                       "setup takes only (NULL) in capitals and without blanks for the source's name: it "
                       "installs this file as " +
                           Quoted(dest));
        return;
    }
    CheckDestShape(line, dest, base, findings);
    CheckLength(line, "the destination", dest.size(), findings);
    const std::size_t nameLength = std::strlen(FileNamePart(file.source.c_str()));
    const std::size_t completed = dest == "(NULL)"      ? nameLength
                                  : dest.back() == '\\' ? dest.size() + nameLength
                                                        : 0;
    // A source cut to its buffer is reported with the source.
    if (dest.size() <= kFieldLimit && file.source.size() <= kFieldLimit)
        CheckLength(line, "the destination with the source's name appended", completed, findings);
}

} // namespace

void CheckFileNames(const ScriptReading& reading, Findings& findings)
{
    const auto& lines = reading.script.lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineRole& role = reading.roles[i];
        if (role.kind != LineKind::File || role.header < 0 || lines[i].continued ||
            !KeptSomewhere(reading, role.header) || SohFields(lines[i].text).size() < 7)
            continue;
        const FileLineReading file = ReadFileLine(lines[i].text);
        CheckSource(lines[i].number, file, findings);
        CheckDest(lines[i].number, file, BaseName(reading.headers[role.header]), findings);
        CheckLength(lines[i].number, "the shortcut name", file.shortcutName.size(), findings);
    }
}
