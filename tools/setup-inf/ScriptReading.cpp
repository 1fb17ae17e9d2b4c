// Running the reader for each platform kind and tying its install model to the script's lines.
#include "setup-inf/ScriptReading.h"

#include "platform/PlatformKinds.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

constexpr int kHeadLines = 4;

void SortLines(ScriptReading& reading)
{
    const auto& lines = reading.script.lines;
    int header = -1; // the header of the current module
    int endedBy = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        LineRole& role = reading.roles[i];
        const std::string& text = lines[i].text;
        if (i < kHeadLines) {
            role.kind = LineKind::Head;
        } else if (!text.empty() && text[0] == '@') {
            const char* start = HeaderStart(text);
            role.kind = start ? LineKind::Header : LineKind::BadHeader;
            header = start ? static_cast<int>(reading.headers.size()) : -1;
            endedBy = start ? 0 : lines[i].number;
            if (start)
                reading.headers.push_back({lines[i].number, ReadHeader(start), {}});
            role.header = header;
        } else if (!text.empty() && text[0] == kSoh) {
            role.kind = LineKind::File;
            role.header = header;
            role.endedBy = endedBy;
            if (header >= 0)
                reading.headers[header].pieces.push_back(static_cast<int>(i));
        }
    }
}

template <typename Entry>
std::vector<const Entry*> ScriptOrder(const Entry* head)
{
    std::vector<const Entry*> entries;
    for (; head; head = head->next)
        entries.push_back(head);
    std::reverse(entries.begin(), entries.end());
    return entries;
}

// The modules of the reader's model beside the headers kept for the platform kind. They must pair
// up one to one, or this program would not read the script as setup does.
bool TieToLines(const ScriptReading& reading, PlatformReading& platform)
{
    const auto modules = ScriptOrder(platform.model.modules);
    std::size_t next = 0;
    for (std::size_t h = 0; h < reading.headers.size(); ++h) {
        const HeaderLine& header = reading.headers[h];
        if (!header.fields.numbers[OnPlatform(platform.kind)])
            continue;
        const auto files =
            next < modules.size() ? ScriptOrder(modules[next]->files) : std::vector<const FileEntry*>{};
        if (next == modules.size() || files.size() != header.pieces.size())
            return false;
        ModuleAt module{static_cast<int>(h), header.line, 0, modules[next++], {}};
        for (std::size_t f = 0; f < files.size(); ++f) {
            const ScriptLine& line = reading.script.lines[header.pieces[f]];
            module.files.push_back(
                {line.number, header.pieces[f], files[f], SohFields(line.text).size() >= 7});
        }
        platform.modules.push_back(module);
    }
    if (next != modules.size())
        return false;
    for (ModuleAt& module : platform.modules)
        module.position = static_cast<int>(--next);
    return true;
}

// The reader reads a stream. msvcrt's tmpfile() puts its file in the root of the drive, where a
// user may not write, so the stream is a file of the temporary directory.
bool Read(const ScriptText& script, PlatformReading& platform, std::string& reason)
{
    std::error_code error;
    const fs::path path =
        fs::temp_directory_path(error) / ("setup-inf-" + std::to_string(std::random_device{}()) + ".tmp");
    std::FILE* file = error ? nullptr : std::fopen(path.string().c_str(), "w+b");
    if (!file) {
        reason = error ? error.message() : path.string() + ": " + std::strerror(errno);
        return false;
    }
    std::fwrite(script.readable.data(), 1, script.readable.size(), file);
    std::rewind(file);
    platform.refused = !ReadScriptModel(file, platform.kind, platform.model,
                                        [&platform](const char* message) { platform.message = message; });
    std::fclose(file);
    fs::remove(path, error);
    return true;
}

} // namespace

ScriptReading::ScriptReading(const ScriptText& script) : script(script), roles(script.lines.size())
{
    SortLines(*this);
    for (int kind : {kPlatformWin95, kPlatformNT3, kPlatformNT4}) {
        PlatformReading& platform = platforms[kind - 1];
        platform.kind = kind;
        std::string reason;
        if (!Read(script, platform, reason)) {
            fault = "cannot make a temporary file for the reader: " + reason;
            return;
        }
        if (!platform.refused && !TieToLines(*this, platform)) {
            // Only a fault of this program: it would not read the script as setup does.
            fault = std::string("internal error: the reader's modules on ") + PlatformName(kind) +
                    " do not pair up with the script's headers";
            return;
        }
    }
}

const char* PlatformName(int kind)
{
    switch (kind) {
    case kPlatformWin95:
        return "Windows 95";
    case kPlatformNT3:
        return "NT 3.x";
    default:
        return "NT 4";
    }
}

HeaderNumber OnPlatform(int kind)
{
    return kind == kPlatformWin95 ? kOnWin95 : kind == kPlatformNT3 ? kOnNT351 : kOnNT4;
}
