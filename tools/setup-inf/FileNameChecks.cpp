// A file line's source and destination as names: what setup does with each that its author
// would not expect.
#include "setup-inf/Checks.h"

#include "platform/PathBuffer.h"
#include "script/FileNamePart.h"
#include "script/InstallPlan.h"
#include "script/UnreachableNames.h"

#include <cstring>

namespace {

// The reader keeps a text field in a path buffer with its terminator.
constexpr std::size_t kFieldLimit = kPathBufferSize - 1;

// A file line's names as written, whole: the reader's buffers keep kFieldLimit characters of each.
struct FileLineReading {
    std::string source, dest, shortcutName;
};

// The first character of the text that no file name can take, or 0.
char BadNameCharacter(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("*?\"<>|", c))
            return c;
    return 0;
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ClimbsOut(const std::string& dest)
{
    for (const std::string& part : Components(dest))
        if (part == "..")
            return true;
    return false;
}

// Win32 drops a trailing space or dot of a name and takes a device name for the device, so
// setup's copy lands under another name or nowhere, and the uninstaller's delete misses it.
void CheckTargetName(int line, const std::string& completed, Findings& findings)
{
    for (const std::string& part : Components(completed)) {
        const char* device = nullptr;
        switch (CheckComponent(part, &device)) {
        case UnreachableName::TrailingSpace:
            findings.Report("S315", line, {Quoted(completed), "a space"});
            break;
        case UnreachableName::TrailingDot:
            findings.Report("S315", line, {Quoted(completed), "a dot"});
            break;
        case UnreachableName::Device:
            findings.Report("S316", line, {Quoted(completed), device});
            break;
        case UnreachableName::None:
            break;
        }
    }
}

void CheckLength(int line, const std::string& what, std::size_t length, Findings& findings)
{
    if (length > kFieldLimit)
        findings.Report("S308", line, {what, std::to_string(length)});
}

void CheckSource(int line, const FileLineReading& file, Findings& findings)
{
    const std::string name = FileNamePart(file.source.c_str());
    if (file.source.empty())
        findings.Report("S305", line);
    else if (name != file.source)
        findings.Report("S306", line, {Quoted(name), Quoted(file.source)});
    if (char c = BadNameCharacter(file.source))
        findings.Report("S307", line, {"source", Quoted(std::string(1, c))});
    CheckLength(line, "the source", file.source.size(), findings);
}

void CheckDestShape(int line, const std::string& dest, const std::string& base, Findings& findings)
{
    if (ClimbsOut(dest))
        findings.Report("S311", line, {base});
    if (dest.find(':') != std::string::npos)
        findings.Report("S312", line, {base});
    if (dest[0] == '\\')
        findings.Report("S313", line, {base});
    if (dest.find('/') != std::string::npos)
        findings.Report("S314", line);
    if (char c = BadNameCharacter(dest))
        findings.Report("S307", line, {"destination", Quoted(std::string(1, c))});
}

void CheckDest(int line, const FileLineReading& file, const std::string& base, Findings& findings)
{
    const std::string& dest = file.dest;
    if (dest.empty()) {
        findings.Report("S310", line, {base});
        return;
    }
    if (dest != "(NULL)" && Folded(Trimmed(dest)) == "(NULL)") {
        findings.Report("S309", line, {Quoted(dest)});
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
    std::vector<bool> seen(reading.lines.size());
    for (const PlatformReading& platform : reading.platforms)
        for (const ModuleAt& module : platform.modules)
            for (const FileAt& at : module.files) {
                const ReadPiece& line = reading.lines[at.piece];
                if (line.continued || !at.whole || seen[at.piece])
                    continue;
                seen[at.piece] = true;
                const std::vector<std::string> fields = SohFields(line.text);
                const FileLineReading file{fields[1], fields[3], fields[5]};
                CheckSource(line.number, file, findings);
                CheckDest(line.number, file, BaseName(reading.headers[module.header]), findings);
                CheckTargetName(line.number, at.entry->dest, findings);
                CheckLength(line.number, "the shortcut name", file.shortcutName.size(), findings);
            }
}
