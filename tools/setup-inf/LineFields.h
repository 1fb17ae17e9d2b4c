// A line as its author wrote it (the text between the SOH bytes, the numbers between the blanks),
// to set beside what setup.exe's reader made of it. Where the two differ, the line does not say
// what it seems to.
#pragma once

#include <array>
#include <string>
#include <vector>

// A header's numbers, in their order.
enum HeaderNumber { kOnNT351, kOnNT4, kOnWin95, kShared, kSystem, kTypical, kMinimum, kHeaderNumbers };

// The texts between SOH bytes: [0] before the first, [1] after it, and so on.
std::vector<std::string> SohFields(const std::string& line);

// A file line with all its SOH bytes whose shortcut kind reads as written: the checks of its
// names look at it only then, since its shape is reported already otherwise.
bool ReadsAsWritten(const std::string& fileLine, int shortcutKindRead);

// The first `count` blank-separated words of the text as the integers an author means by them
// (a sign allowed); false when there are fewer, or one is not an integer.
bool WrittenNumbers(const std::string& text, std::size_t count, std::vector<long>& numbers);

// "1 0 1": numbers as a finding quotes them.
std::string NumbersText(const int* numbers, std::size_t count);
