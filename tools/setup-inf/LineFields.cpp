// The author's view of a line.
#include "setup-inf/LineFields.h"

#include "setup-inf/ScriptLines.h"

#include <cstdlib>
#include <sstream>

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

bool ReadsAsWritten(const std::string& fileLine, int shortcutKindRead)
{
    const std::vector<std::string> fields = SohFields(fileLine);
    std::vector<long> kind;
    return fields.size() >= 7 && WrittenNumbers(fields[4], 1, kind) && kind[0] == shortcutKindRead;
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
