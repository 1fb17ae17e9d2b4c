// Each line's shape: what the reader makes of a header or a file line against what its author
// wrote, lines too long for the reader, lines it takes for remarks, file lines it drops.
#include "setup-inf/Checks.h"

#include "platform/PathBuffer.h"

namespace {

void CheckLength(const ReadPiece& line, Findings& findings)
{
    // The reader takes the rest of a line that does not fit its buffer for a line of its own.
    if (!line.continued && line.length > line.text.size())
        findings.Report("S108", line.number, {std::to_string(line.length)});
}

void CheckCtrlZ(const ScriptText& script, Findings& findings)
{
    const std::string rest = script.bytes.substr(script.readable.size() + (script.ctrlZLine ? 1 : 0));
    if (script.ctrlZLine && rest.find_first_not_of(" \t\r\n\x1a") != std::string::npos)
        findings.Report("S109", script.ctrlZLine);
}

// The first valid UTF-8 sequence of two or more bytes in the text, or empty.
std::string Utf8Sequence(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        std::size_t n = 1;
        while (length && n < length && i + n < text.size() &&
               (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
            ++n;
        if (length && n == length)
            return text.substr(i, length);
    }
    return "";
}

// What the text of any line holds that setup reads otherwise than its author's editor shows it.
void CheckText(const ScriptText& script, const ReadPiece& line, Findings& findings)
{
    // A CR just before the line end changes nothing; one with text after it is a line end missed.
    const std::size_t cr = line.text.find('\r');
    if (cr != std::string::npos && cr + 1 < line.text.size() && line.text[cr + 1] != '\n')
        findings.Report("S111", line.number);
    const bool notation = script.readableSource || script.bytes.find(kSoh) == std::string::npos;
    if (notation && line.text.find("^a") != std::string::npos)
        findings.Report("S112", line.number);
    const std::string utf8 = Utf8Sequence(line.text);
    if (!utf8.empty())
        findings.Report("S113", line.number, {Quoted(utf8), std::to_string(utf8.size())});
}

void CheckRemark(const ReadPiece& line, Findings& findings)
{
    const std::size_t first = line.text.find_first_not_of(" \t");
    if (first > 0 && first != std::string::npos && (line.text[first] == '@' || line.text[first] == kSoh))
        findings.Report("S110", line.number);
}

void CheckHeader(const ReadPiece& line, const HeaderLine& header, Findings& findings)
{
    const std::vector<std::string> fields = SohFields(line.text);
    if (fields.size() < 3) {
        findings.Report("S202", line.number);
        return;
    }
    const auto& read = header.numbers;
    std::vector<long> written;
    bool asWritten = WrittenNumbers(fields[2], kHeaderNumbers, written);
    for (std::size_t i = 0; asWritten && i < written.size(); ++i)
        asWritten = written[i] == read[i];
    if (asWritten && fields.size() == 3)
        CheckExtraWords(line.number, fields[2], kHeaderNumbers, "seven numbers after the module name",
                        findings);
    if (!asWritten)
        findings.Report("S201", line.number, {NumbersText(read.data(), kHeaderNumbers)});
    const std::size_t length = header.name.size();
    if (length >= kPathBufferSize)
        findings.Report("S203", line.number, {std::to_string(length)});
    else if (length == 0)
        findings.Report("S204", line.number);
}

// The rule and detail for a file line of `sohCount` SOH bytes (fewer than six).
void ReportMissingField(int line, std::size_t sohCount, Findings& findings)
{
    static const char* const open[] = {"", "source", "", "destination", "", "shortcut name"};
    if (sohCount == 2)
        findings.Report("S317", line);
    else if (sohCount == 4)
        findings.Report("S318", line);
    else
        findings.Report("S302", line, {open[sohCount]});
}

void CheckFileLine(const ReadPiece& line, const FileAt& read, Findings& findings)
{
    const std::vector<std::string> fields = SohFields(line.text);
    std::vector<long> kind;
    const bool kindWritten = fields.size() > 4 && WrittenNumbers(fields[4], 1, kind);
    if (fields.size() < 7) {
        // Without a shortcut the missing kind and name change nothing.
        const bool harmless =
            fields.size() == 5 &&
            ((kindWritten && kind[0] == 0) || fields[4].find_first_not_of(" \t\n") == std::string::npos);
        if (!harmless)
            ReportMissingField(line.number, fields.size() - 1, findings);
        return;
    }
    // Past the shortcut name's closing SOH, the sixth.
    std::size_t rest = 0;
    for (int soh = 0; soh < 6; ++soh)
        rest = line.text.find(kSoh, rest) + 1;
    const std::size_t extra = line.text.find_first_not_of(" \t\n", rest);
    if (extra != std::string::npos)
        findings.Report("S304", line.number,
                        {"four fields of a file line",
                         Quoted(line.text.substr(extra, line.text.find_last_not_of(" \t\n") + 1 - extra))});
    std::string differ;
    auto compare = [&differ](bool same, const std::string& what) {
        if (!same)
            differ += (differ.empty() ? "" : ", ") + what;
    };
    const FileEntry& entry = *read.entry;
    // A field cut to its buffer is reported for its length.
    compare(read.scannedDest == fields[3].substr(0, kPathBufferSize - 1),
            "the destination as " + Quoted(read.scannedDest));
    compare(kindWritten && kind[0] == entry.shortcutKind,
            "the shortcut kind as " + std::to_string(entry.shortcutKind));
    compare(entry.shortcutName == fields[5].substr(0, kPathBufferSize - 1),
            "the shortcut name as " + Quoted(entry.shortcutName));
    if (!differ.empty())
        findings.Report("S303", line.number, {differ});
}

// A run of file lines that belong to no module, reported once at its first line.
void CheckDropped(const ScriptReading& reading, std::size_t first, std::size_t end, Findings& findings)
{
    int count = 0;
    for (std::size_t i = first; i < end; ++i)
        count += reading.lines[i].kind == ScriptLineKind::File;
    const int endedBy = reading.lines[first].endedBy;
    const std::string after =
        " and the " + std::to_string(count - 1) + " file line" + (count > 2 ? "s" : "") + " after it";
    findings.Report(
        "S301", reading.lines[first].number,
        {endedBy ? "after the \"@\" line " + std::to_string(endedBy) + " without SOH, which ended its module"
                 : "before the first module header",
         count > 1 ? after : ""});
}

} // namespace

void CheckExtraWords(int line, const std::string& text, std::size_t count, const char* what,
                     Findings& findings)
{
    std::size_t pos = 0;
    for (std::size_t i = 0; i < count && pos != std::string::npos; ++i) {
        pos = text.find_first_not_of(" \t", pos);
        pos = pos == std::string::npos ? pos : text.find_first_of(" \t\n", pos);
    }
    const std::size_t extra = pos == std::string::npos ? pos : text.find_first_not_of(" \t\n", pos);
    if (extra != std::string::npos)
        findings.Report("S304", line,
                        {what, Quoted(text.substr(extra, text.find_last_not_of(" \t\n") + 1 - extra))});
}

void CheckLineShapes(const ScriptReading& reading, Findings& findings)
{
    const auto& lines = reading.lines;
    CheckCtrlZ(reading.script, findings);
    std::vector<const FileAt*> files(lines.size()); // each file line as some platform keeps it
    for (const PlatformReading& platform : reading.platforms)
        for (const ModuleAt& module : platform.modules)
            for (const FileAt& file : module.files)
                files[file.piece] = &file;
    bool runReported = false; // the dropped file lines since the last "@" line
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ReadPiece& line = lines[i];
        CheckLength(line, findings);
        if (!line.continued)
            CheckText(reading.script, line, findings);
        if (line.continued || line.Head())
            continue;
        if (line.kind == ScriptLineKind::Header || line.kind == ScriptLineKind::BadHeader)
            runReported = false;
        if (line.kind == ScriptLineKind::Other)
            CheckRemark(line, findings);
        else if (line.kind == ScriptLineKind::BadHeader)
            findings.Report("S205", line.number);
        else if (line.kind == ScriptLineKind::Header)
            CheckHeader(line, reading.headers[line.header], findings);
        else if (line.header >= 0 && files[i])
            CheckFileLine(line, *files[i], findings);
        else if (line.header < 0 && !runReported) {
            std::size_t end = i;
            while (end < lines.size() && lines[end].kind != ScriptLineKind::Header &&
                   lines[end].kind != ScriptLineKind::BadHeader)
                ++end;
            CheckDropped(reading, i, end, findings);
            runReported = true;
        }
    }
}
