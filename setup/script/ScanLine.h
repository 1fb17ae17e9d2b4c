// The setup script's own small pattern scanner. Its rules make the script's lexical rules: text
// fields enclosed in SOH bytes, unsigned numbers, fields separated by exactly one space.
#pragma once

#include <cstddef>
#include <initializer_list>

// One destination of a pattern's conversion: an int for %d, a text buffer for %s. A text
// buffer's size bounds the copy; longer fields are cut to fit with their terminator.
class ScanField {
public:
    ScanField(int* number) : number(number) {}
    template <std::size_t N>
    ScanField(char (&text)[N]) : text(text), textSize(N)
    {
    }

    int* number = nullptr;
    char* text = nullptr;
    std::size_t textSize = 0;
};

// Scans `line` by `pattern`:
//  - a pattern character other than % skips the input up to and past the next equal character
//    (or to the end of the input when there is none);
//  - %d reads decimal digits only (no sign, no blanks); a field that starts otherwise reads 0;
//  - %s copies up to the pattern character that follows it, which stays unread, or to the end.
// Every destination is written, so fields missing at the end read as 0 or as empty text.
// Always returns 0: callers never learn how many fields were found.
int ScanLine(const char* line, const char* pattern, std::initializer_list<ScanField> fields);
