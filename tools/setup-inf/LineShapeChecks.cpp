// Each line's shape: what the reader makes of a header or a file line against what its author
// wrote, lines too long for the reader, lines it takes for remarks, file lines it drops.
#include "setup-inf/Checks.h"

namespace {

const char* const kHeaderNumbersText = " (NT 3.x, NT 4, Windows 95, shared, system, Typical, Minimum)";

void CheckLength(const ReadPiece& line, Findings& findings)
{
    // The reader takes the rest of a line that does not fit its buffer for a line of its own.
    if (!line.continued && line.length > line.text.size())
        findings.Report("S108", line.number,
                        "this line has " + std::to_string(line.length) +
                            " characters with its line end; setup reads at most 779 at a time and "
                            "takes the rest for a line of its own");
}

void CheckCtrlZ(const ScriptText& script, Findings& findings)
{
    const std::string rest = script.bytes.substr(script.readable.size() + (script.ctrlZLine ? 1 : 0));
    if (script.ctrlZLine && rest.find_first_not_of(" \t\r\n\x1a") != std::string::npos)
        findings.Report("S109", script.ctrlZLine,
                        "setup reads the script in text mode, which ends at this Ctrl-Z: it "
                        "never reads the lines after it; remove the Ctrl-Z");
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
    if (line.text.find('\r') != std::string::npos)
        findings.Report(
            "S111", line.number,
            "this line holds a CR without a LF after it: setup takes only CR LF or LF for a line "
            "end, so what follows the CR stays on this line; save the script with CR LF line ends");
    const bool notation = script.readableSource || script.bytes.find(kSoh) == std::string::npos;
    if (notation && line.text.find("^a") != std::string::npos)
        findings.Report("S112", line.number,
                        "\"^a\" is not SOH: the notation takes only \"^A\", in capitals");
    const std::string utf8 = Utf8Sequence(line.text);
    if (!utf8.empty())
        findings.Report("S113", line.number,
                        "this line holds UTF-8 text (" + Quoted(utf8) + " is " + std::to_string(utf8.size()) +
                            " bytes), which setup reads in the ANSI code page, one character per byte: save "
                            "the script in the ANSI code page");
}

void CheckRemark(const ReadPiece& line, Findings& findings)
{
    const std::size_t first = line.text.find_first_not_of(" \t");
    if (first > 0 && first != std::string::npos && (line.text[first] == '@' || line.text[first] == kSoh))
        findings.Report("S110", line.number,
                        "this line starts with a blank, so setup takes it for a remark: a module "
                        "header or a file line starts in the first column");
}

void CheckHeader(const ReadPiece& line, const HeaderLine& header, Findings& findings)
{
    const std::vector<std::string> fields = SohFields(line.text);
    if (fields.size() < 3) {
        findings.Report("S202", line.number,
                        "the module name has no closing SOH (^A), so the header's numbers read as 0");
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
        findings.Report("S201", line.number,
                        "the module header reads as " + NumbersText(read.data(), kHeaderNumbers) +
                            kHeaderNumbersText +
                            ", not as written: one space between the numbers, no blank before the "
                            "first, no sign");
    const std::size_t length = header.name.size();
    if (length > 259)
        findings.Report("S203", line.number,
                        "the module name has " + std::to_string(length) +
                            " characters; setup keeps the first 259");
    else if (length == 0)
        findings.Report("S204", line.number, "the module name is empty: its box in Custom has no label");
}

// The fields a file line is missing, or the one whose SOH does not close; empty when it has all.
std::string MissingField(std::size_t sohCount)
{
    switch (sohCount) {
    case 1:
        return "the source has no closing SOH (^A)";
    case 2:
        return "the line ends after the source: a file line has a source, a destination, a shortcut kind and "
               "a "
               "shortcut name";
    case 3:
        return "the destination has no closing SOH (^A)";
    case 4:
        return "the line ends before the shortcut name: write ^A^A for none";
    case 5:
        return "the shortcut name has no closing SOH (^A)";
    default:
        return "";
    }
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
            findings.Report("S302", line.number, MissingField(fields.size() - 1));
        return;
    }
    // Past the shortcut name's closing SOH, the sixth.
    std::size_t rest = 0;
    for (int soh = 0; soh < 6; ++soh)
        rest = line.text.find(kSoh, rest) + 1;
    const std::size_t extra = line.text.find_first_not_of(" \t\n", rest);
    if (extra != std::string::npos)
        findings.Report("S304", line.number,
                        "setup reads four fields of a file line and drops the rest: " +
                            Quoted(line.text.substr(extra, line.text.find_last_not_of(" \t\n") + 1 - extra)));
    std::string differ;
    auto compare = [&differ](bool same, const std::string& what) {
        if (!same)
            differ += (differ.empty() ? "" : ", ") + what;
    };
    const FileEntry& entry = *read.entry;
    // A field cut to its buffer is reported for its length.
    compare(read.scannedDest == fields[3].substr(0, 259), "the destination as " + Quoted(read.scannedDest));
    compare(kindWritten && kind[0] == entry.shortcutKind,
            "the shortcut kind as " + std::to_string(entry.shortcutKind));
    compare(entry.shortcutName == fields[5].substr(0, 259),
            "the shortcut name as " + Quoted(entry.shortcutName));
    if (!differ.empty())
        findings.Report("S303", line.number,
                        "setup reads " + differ +
                            ", not as written: one space between the fields, the shortcut kind a "
                            "number without blank or sign");
}

// A run of file lines that belong to no module, reported once at its first line.
void CheckDropped(const ScriptReading& reading, std::size_t first, std::size_t end, Findings& findings)
{
    int count = 0;
    for (std::size_t i = first; i < end; ++i)
        count += reading.lines[i].kind == ScriptLineKind::File;
    const int endedBy = reading.lines[first].endedBy;
    std::string text = endedBy ? "this file line comes after the \"@\" line " + std::to_string(endedBy) +
                                     " without SOH, which ended its module"
                               : "this file line comes before the first module header";
    text += ", so setup drops it";
    if (count > 1)
        text += " and the " + std::to_string(count - 1) + " file line" + (count > 2 ? "s" : "") + " after it";
    findings.Report("S301", reading.lines[first].number, text + ": put it below a module header");
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
                        "setup reads " + std::string(what) + " and drops the rest: " +
                            Quoted(text.substr(extra, text.find_last_not_of(" \t\n") + 1 - extra)));
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
            findings.Report("S205", line.number,
                            "this line starts with \"@\" but no SOH follows, so setup ends the "
                            "current module here and drops its file lines up to the next header; "
                            "begin a remark with another character");
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
