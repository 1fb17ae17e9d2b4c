// Reading a script with setup's reader and keeping what its listener was told.
#include "setup-inf/ScriptReading.h"

#include "platform/PlatformKinds.h"

#include <algorithm>

namespace {

// The pieces, from the reading that keeps no module.
class PieceRecorder : public ScriptListener {
public:
    explicit PieceRecorder(ScriptReading& reading) : reading(reading) {}
    void OnLine(const ScriptLineEvent& e) override
    {
        ReadPiece piece{e.number, e.continued, e.text, 0, e.kind};
        if (e.kind == ScriptLineKind::Format)
            reading.format = e.format;
        if (e.fate == LineFate::PastEnd)
            return;
        if (e.kind == ScriptLineKind::Header) {
            HeaderLine header{e.number, SohFields(e.text).size() > 1 ? SohFields(e.text)[1] : "", {}, {}};
            const ModuleEntry& m = *e.module;
            header.numbers = {m.onNT351, m.onNT4, m.onWin95, m.shared, m.system, m.typical, m.minimum};
            current = static_cast<int>(reading.headers.size());
            piece.header = current;
            reading.headers.push_back(header);
        } else if (e.kind == ScriptLineKind::BadHeader) {
            current = -1;
        } else if (e.kind == ScriptLineKind::File) {
            // The reader names the line that left it without a module: a header here, which
            // keeps none, or an "@" line without SOH.
            piece.header = current;
            piece.endedBy = current < 0 ? e.endedBy : 0;
            if (current >= 0)
                reading.headers[current].pieces.push_back(static_cast<int>(reading.lines.size()));
        }
        reading.lines.push_back(piece);
    }

private:
    ScriptReading& reading;
    int current = -1;
};

// The modules and files of one platform's model, tied to their lines as they are made.
class ModelRecorder : public ScriptListener {
public:
    ModelRecorder(const ScriptReading& reading, PlatformReading& platform)
        : reading(reading), platform(platform)
    {
    }
    void OnLine(const ScriptLineEvent& e) override
    {
        const int index = piece++;
        if (e.fate != LineFate::Kept)
            return;
        if (e.kind == ScriptLineKind::Header) {
            platform.modules.push_back({reading.lines[index].header, e.number, 0, e.module, {}});
        } else {
            const bool whole = SohFields(e.text).size() >= 7;
            platform.modules.back().files.push_back({e.number, index, e.file, e.scannedDest, whole});
        }
    }

private:
    const ScriptReading& reading;
    PlatformReading& platform;
    int piece = 0;
};

void Read(const ScriptText& script, PlatformReading& platform, ScriptListener& listener)
{
    TextLineSource source(script.readable);
    platform.refused = !ReadScriptModel(
        source, platform.kind, platform.model,
        [&platform](const char* message) { platform.message = message; }, &listener);
}

} // namespace

ScriptReading::ScriptReading(const ScriptText& script) : script(script)
{
    PieceRecorder pieces(*this);
    Read(script, any, pieces);
    // The pieces of one line stand together.
    for (std::size_t first = 0, end; first < lines.size(); first = end) {
        std::size_t length = 0;
        for (end = first; end < lines.size() && lines[end].number == lines[first].number; ++end)
            length += lines[end].text.size();
        for (std::size_t i = first; i < end; ++i)
            lines[i].length = length;
    }
    for (int kind : {kPlatformWin95, kPlatformNT3, kPlatformNT4}) {
        PlatformReading& platform = platforms[kind - 1];
        platform.kind = kind;
        ModelRecorder recorder(*this, platform);
        Read(script, platform, recorder);
        int position = static_cast<int>(platform.modules.size());
        for (ModuleAt& module : platform.modules)
            module.position = --position;
    }
}

std::vector<std::string> SohFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == kSoh)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

const ReadPiece* ScriptReading::HeadLine(int index) const
{
    int seen = 0;
    for (const ReadPiece& piece : lines)
        if (piece.Head() && seen++ == index)
            return &piece;
    return nullptr;
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
