// The reader's view of a line through ScanLine itself, and the author's view beside it.
#include "setup-inf/LineFields.h"

#include "script/ScanLine.h"
#include "setup-inf/ScriptLines.h"

#include <cstdlib>
#include <sstream>

namespace {

// Larger than any piece the reader holds, so that a text field is seen whole.
using WholeField = char[kLinePieceSize + 2];

} // namespace

int ReadFormat(const std::string& line)
{
    WholeField name;
    int format = 0;
    ScanLine(line.c_str(), kFormatPattern, {name, &format});
    return format;
}

std::array<int, 3> ReadPlatforms(const std::string& line)
{
    std::array<int, 3> allow{};
    ScanLine(line.c_str(), kPlatformsPattern, {&allow[0], &allow[1], &allow[2]});
    return allow;
}

HeaderReading ReadHeader(const char* fromSoh)
{
    WholeField name;
    HeaderReading header;
    auto& n = header.numbers;
    ScanLine(fromSoh, kHeaderPattern, {name, &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6]});
    header.name = name;
    return header;
}

FileLineReading ReadFileLine(const std::string& line)
{
    WholeField source, dest, shortcutName;
    FileLineReading file;
    ScanLine(line.c_str(), kFileLinePattern, {source, dest, &file.shortcutKind, shortcutName});
    file.source = source;
    file.dest = dest;
    file.shortcutName = shortcutName;
    return file;
}

const char* HeaderStart(const std::string& line)
{
    const char* header = line.c_str() + (line.size() > 1 && line[1] == '@' ? 2 : 1);
    return *header == kSoh ? header : nullptr;
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

bool ReadsAsWritten(const std::string& fileLine)
{
    const std::vector<std::string> fields = SohFields(fileLine);
    std::vector<long> kind;
    return fields.size() >= 7 && WrittenNumbers(fields[4], 1, kind) &&
           kind[0] == ReadFileLine(fileLine).shortcutKind;
}

bool WrittenNumbers(const std::string& text, std::size_t count, std::vector<long>& numbers)
{
    std::istringstream words(text);
    std::string word;
    numbers.clear();
    while (numbers.size() < count && words >> word) {
        char* end = nullptr;
        const long value = std::strtol(word.c_str(), &end, 10);
        if (*end != '\0')
            return false;
        numbers.push_back(value);
    }
    return numbers.size() == count;
}

std::string NumbersText(const int* numbers, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += (i ? " " : "") + std::to_string(numbers[i]);
    return text;
}
