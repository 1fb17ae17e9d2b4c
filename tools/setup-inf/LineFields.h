// One line two ways: as setup.exe's reader reads it (its own ScanLine patterns) and as its author
// wrote it (the text between the SOH bytes, the numbers between the blanks). Where the two differ,
// the line does not say what it seems to.
#pragma once

#include "script/ScriptPatterns.h"

#include <array>
#include <string>
#include <vector>

// A header's numbers, in their order.
enum HeaderNumber { kOnNT351, kOnNT4, kOnWin95, kShared, kSystem, kTypical, kMinimum, kHeaderNumbers };

struct HeaderReading {
    std::string name; // whole, however long: the reader's buffer keeps 259 characters of it
    std::array<int, kHeaderNumbers> numbers{};
};

struct FileLineReading {
    std::string source, dest, shortcutName; // as scanned, before the destination is completed
    int shortcutKind = 0;
};

int ReadFormat(const std::string& line);
std::array<int, 3> ReadPlatforms(const std::string& line);
// The header from the SOH that starts it (after "@" or "@@").
HeaderReading ReadHeader(const char* fromSoh);
FileLineReading ReadFileLine(const std::string& line);

// The SOH at which a line starting with "@" has its header, or null when none follows "@"/"@@".
const char* HeaderStart(const std::string& line);

// The texts between SOH bytes: [0] before the first, [1] after it, and so on.
std::vector<std::string> SohFields(const std::string& line);

// A file line with all its SOH bytes whose shortcut kind reads as written: the checks of its
// names look at it only then, since its shape is reported already otherwise.
bool ReadsAsWritten(const std::string& fileLine);

// The first `count` blank-separated words of the text as the integers an author means by them
// (a sign allowed); false when there are fewer, or one is not an integer.
bool WrittenNumbers(const std::string& text, std::size_t count, std::vector<long>& numbers);

// "1 0 1": numbers as a finding quotes them.
std::string NumbersText(const int* numbers, std::size_t count);
