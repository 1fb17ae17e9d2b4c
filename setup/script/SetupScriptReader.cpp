#include "script/SetupScriptReader.h"

#include "platform/PlatformKinds.h"
#include "script/FileNamePart.h"
#include "script/ScanLine.h"
#include "script/ScriptPatterns.h"

#include <algorithm>
#include <cstring>

namespace {

// A line gives at most 779 characters, its newline included; the rest of a longer line is read
// as a line of its own.
constexpr int kLineBufferSize = 780;
using LineBuffer = char[kLineBufferSize];

// The lines of one reading, numbered as the script's own lines, and what became of each.
class Lines {
public:
    Lines(ScriptLineSource& source, ScriptListener* listener) : source(source), listener(listener) {}

    // The next piece; false at the end, where a line reads as empty text (and its numbers as 0).
    bool Next(LineBuffer& line)
    {
        event = ScriptLineEvent{};
        if (!source.ReadLine(line, kLineBufferSize)) {
            line[0] = '\0';
            whole = true;
            event.number = ++number;
            event.fate = LineFate::PastEnd;
            return false;
        }
        event.continued = !whole;
        number += whole ? 1 : 0;
        whole = std::strchr(line, '\n') != nullptr;
        event.number = number;
        event.text = line;
        return true;
    }

    // Tells the listener what the last piece was.
    void Tell(ScriptLineKind kind, LineFate fate)
    {
        event.kind = kind;
        if (event.fate != LineFate::PastEnd)
            event.fate = fate;
        if (listener)
            listener->OnLine(event);
    }

    ScriptLineEvent event;

private:
    ScriptLineSource& source;
    ScriptListener* listener;
    int number = 0;
    bool whole = true; // the last piece ended its line
};

std::string RightTrimmed(const char* line)
{
    std::size_t length = std::strlen(line);
    while (length > 0 && std::strchr(" \t\r\n\v\f", line[length - 1]))
        --length;
    return std::string(line, length);
}

bool ExistsOn(const ModuleEntry& module, int platformKind)
{
    switch (platformKind) {
    case kPlatformWin95:
        return module.onWin95 != 0;
    case kPlatformNT3:
        return module.onNT351 != 0;
    case kPlatformNT4:
        return module.onNT4 != 0;
    default:
        return false;
    }
}

// The refusal message when the script does not allow the running platform, else null.
const char* Refusal(const ScriptModel& model, int platformKind)
{
    if (platformKind == kPlatformWin95 && model.allowWin95 == 0)
        return "This program can not be installed on Windows 95";
    if (platformKind == kPlatformNT3 && model.allowNT351 == 0)
        return "This program can not be installed on NT 3.51";
    if (platformKind == kPlatformNT4 && model.allowNT4 == 0)
        return "This program can not be installed on NT 4";
    return nullptr;
}

// A module header, from its first '@'. Returns the module when it exists on the running platform,
// else null: a header without SOH after its '@' or "@@", or a module of other platforms, ends the
// current module.
ModuleEntry* ReadModuleHeader(const char* line, int platformKind, Lines& lines)
{
    const char* header = line + (line[1] == '@' ? 2 : 1);
    if (*header != kSoh) {
        lines.Tell(ScriptLineKind::BadHeader, LineFate::Ignored);
        return nullptr;
    }
    ModuleEntry module{};
    ScanLine(header, kHeaderPattern,
             {module.name, &module.onNT351, &module.onNT4, &module.onWin95, &module.shared, &module.system,
              &module.typical, &module.minimum});
    ModuleEntry* kept = ExistsOn(module, platformKind) ? new ModuleEntry(module) : nullptr;
    lines.event.module = kept ? kept : &module;
    lines.Tell(ScriptLineKind::Header, kept ? LineFate::Kept : LineFate::NotOnPlatform);
    return kept;
}

// "(NULL)" names the source's file; a destination ending in a backslash is a folder for it.
void CompleteDest(FileEntry& file)
{
    const char* name = FileNamePart(file.source);
    std::size_t length = std::strlen(file.dest);
    if (std::strcmp(file.dest, "(NULL)") == 0)
        length = 0;
    else if (length == 0 || file.dest[length - 1] != '\\')
        return;
    // Cut to the buffer when the joined path would not fit.
    std::size_t room = sizeof file.dest - 1 - length;
    std::size_t take = std::min(std::strlen(name), room);
    std::memmove(file.dest + length, name, take);
    file.dest[length + take] = '\0';
}

void ReadFileLine(const char* line, ModuleEntry& module, Lines& lines)
{
    // Every such line yields an entry, however its fields read.
    FileEntry* file = new FileEntry{};
    file->next = module.files;
    module.files = file;
    ScanLine(line, kFileLinePattern, {file->source, file->dest, &file->shortcutKind, file->shortcutName});
    char scanned[kPathBufferSize];
    std::memcpy(scanned, file->dest, sizeof scanned);
    CompleteDest(*file);
    lines.event.module = &module;
    lines.event.file = file;
    lines.event.scannedDest = scanned;
    lines.Tell(ScriptLineKind::File, LineFate::Kept);
}

} // namespace

int ReadScriptModel(std::FILE* script, int platformKind, ScriptModel& model,
                    const std::function<void(const char*)>& report)
{
    StreamLineSource source(script);
    return ReadScriptModel(source, platformKind, model, report, nullptr);
}

int ReadScriptModel(ScriptLineSource& source, int platformKind, ScriptModel& model,
                    const std::function<void(const char*)>& report, ScriptListener* listener)
{
    Lines lines(source, listener);
    LineBuffer line;
    char formatName[kPathBufferSize];
    int format = 0;
    lines.Next(line);
    ScanLine(line, kFormatPattern, {formatName, &format});
    lines.event.format = format;
    lines.Tell(ScriptLineKind::Format, format < 1 ? LineFate::Refused : LineFate::Read);
    if (format < 1) {
        report("Unknown .inf file format.");
        return 0;
    }

    lines.Next(line);
    model.productName = RightTrimmed(line);
    lines.Tell(ScriptLineKind::ProductName, LineFate::Read);
    lines.Next(line);
    model.programFolder = RightTrimmed(line);
    lines.Tell(ScriptLineKind::ProgramFolder, LineFate::Read);
    lines.Next(line);
    ScanLine(line, kPlatformsPattern, {&model.allowNT351, &model.allowNT4, &model.allowWin95});
    const char* refusal = Refusal(model, platformKind);
    lines.Tell(ScriptLineKind::Platforms, refusal ? LineFate::Refused : LineFate::Read);
    if (refusal) {
        report(refusal);
        return 0;
    }

    ModuleEntry* current = nullptr;
    int endedBy = 0; // the line that left no current module
    while (lines.Next(line)) {
        if (line[0] == '@') {
            current = ReadModuleHeader(line, platformKind, lines);
            endedBy = current ? 0 : lines.event.number;
            if (current) {
                current->next = model.modules;
                model.modules = current;
            }
        } else if (line[0] == kSoh && current) {
            ReadFileLine(line, *current, lines);
        } else if (line[0] == kSoh) {
            lines.event.endedBy = endedBy;
            lines.Tell(ScriptLineKind::File, LineFate::NoModule);
        } else {
            lines.Tell(ScriptLineKind::Other, LineFate::Ignored);
        }
    }
    return 1;
}
