#include "script/SetupScriptReader.h"

#include "platform/PlatformKinds.h"
#include "script/FileNamePart.h"
#include "script/ScanLine.h"
#include "script/ScriptPatterns.h"

#include <algorithm>
#include <cstring>

namespace {

const char kSoh = '\x01';

// A line gives at most 779 characters, its newline included; the rest of a longer line is read
// as a line of its own.
constexpr int kLineBufferSize = 780;
using LineBuffer = char[kLineBufferSize];

// Past the end of the script a line reads as empty text (and its numbers as 0).
void ReadLine(std::FILE* script, LineBuffer& line)
{
    if (!std::fgets(line, kLineBufferSize, script))
        line[0] = '\0';
}

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
ModuleEntry* ReadModuleHeader(const char* line, int platformKind)
{
    const char* header = line + (line[1] == '@' ? 2 : 1);
    if (*header != kSoh)
        return nullptr;
    ModuleEntry module{};
    ScanLine(header, kHeaderPattern,
             {module.name, &module.onNT351, &module.onNT4, &module.onWin95, &module.shared, &module.system,
              &module.typical, &module.minimum});
    return ExistsOn(module, platformKind) ? new ModuleEntry(module) : nullptr;
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

void ReadFileLine(const char* line, ModuleEntry& module)
{
    // Every such line yields an entry, however its fields read.
    FileEntry* file = new FileEntry{};
    file->next = module.files;
    module.files = file;
    ScanLine(line, kFileLinePattern, {file->source, file->dest, &file->shortcutKind, file->shortcutName});
    CompleteDest(*file);
}

} // namespace

int ReadScriptModel(std::FILE* script, int platformKind, ScriptModel& model,
                    const std::function<void(const char*)>& report)
{
    LineBuffer line;
    char formatName[kPathBufferSize];
    int format = 0;
    ReadLine(script, line);
    ScanLine(line, kFormatPattern, {formatName, &format});
    if (format < 1) {
        report("Unknown .inf file format.");
        return 0;
    }

    ReadLine(script, line);
    model.productName = RightTrimmed(line);
    ReadLine(script, line);
    model.programFolder = RightTrimmed(line);
    ReadLine(script, line);
    ScanLine(line, kPlatformsPattern, {&model.allowNT351, &model.allowNT4, &model.allowWin95});
    if (const char* refusal = Refusal(model, platformKind)) {
        report(refusal);
        return 0;
    }

    ModuleEntry* current = nullptr;
    while (std::fgets(line, sizeof line, script)) {
        if (line[0] == '@') {
            current = ReadModuleHeader(line, platformKind);
            if (current) {
                current->next = model.modules;
                model.modules = current;
            }
        } else if (line[0] == kSoh && current) {
            ReadFileLine(line, *current);
        }
    }
    return 1;
}
