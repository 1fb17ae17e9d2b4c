// libFuzzer target: Program Manager's description of a group, as the uninstaller reads it to decide
// whether a group has items left. The first byte picks the form of the rest:
//   even: the rest is the reply as it came, copied the way the uninstaller copies it (its bytes
//         and a terminator after them), so the sanitizers see a read past the reply;
//   odd:  the rest is a group name, a group file's path, an item count and whatever follows,
//         separated by NUL bytes, put together as a description with the name in quotes or not
//         and with empty fields between them; the answer must then be what the count says.
#include "portable/GroupDescription.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// The reader's answer for a description held in a buffer of exactly its size.
bool SaysEmpty(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy)
        std::abort();
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    const bool empty = GroupDescriptionSaysEmpty(copy);
    std::free(copy);
    return empty;
}

// Whether a count field reads as the number 0: blanks, a sign, then digits up to the first other
// character, all of them 0 (or none at all). Counted by hand, so that a number too big for a long
// is still not 0.
bool ReadsAsZero(const std::string& field)
{
    auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    std::size_t i = 0;
    while (i < field.size() && blank(field[i]))
        ++i;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        ++i;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        if (field[i] != '0')
            return false;
    return true;
}

// Splits at the first NUL byte: the part before it, and the rest moves past it.
std::string Take(std::string& rest)
{
    const std::size_t nul = rest.find('\0');
    std::string part = rest.substr(0, nul);
    rest = nul == std::string::npos ? std::string() : rest.substr(nul + 1);
    return part;
}

// An unquoted field: no commas, and no quote where it begins (that would make it a quoted one).
std::string Unquoted(std::string field)
{
    field.erase(std::remove(field.begin(), field.end(), ','), field.end());
    if (!field.empty() && field[0] == '"')
        field[0] = '\'';
    return field;
}

void CheckRawReply(const std::string& reply)
{
    const bool empty = SaysEmpty(reply);
    // Empty fields are skipped, so commas in front change nothing.
    Check(SaysEmpty(",," + reply) == empty);
    // Three fields need two commas between them and a character each before the terminator.
    if (empty) {
        const std::string text = reply.substr(0, reply.find('\0'));
        const std::size_t commas = std::count(text.begin(), text.end(), ',');
        Check(commas >= 2 && text.size() - commas >= 3);
    }
}

void CheckBuiltDescription(std::uint8_t shape, std::string parts)
{
    std::string name = Take(parts);
    const std::string path = Unquoted(Take(parts));
    const std::string count = Unquoted(Take(parts));
    const std::string& rest = parts;
    if (path.empty() || count.empty())
        return;
    const bool quoted = shape & 2;
    if (quoted) {
        // A quoted name may hold commas, but not the quote that would close it early.
        name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
        name = '"' + name + '"';
    } else {
        name = Unquoted(name);
        if (name.empty())
            return;
    }
    const std::string lead(shape >> 2 & 3, ',');
    const std::string gap1(1 + (shape >> 4 & 1), ','), gap2(1 + (shape >> 5 & 1), ',');
    std::string description = lead + name + gap1 + path + gap2 + count;
    if (!rest.empty() || shape & 0x40)
        description += ',' + rest;
    Check(SaysEmpty(description) == ReadsAsZero(count));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1)
        CheckBuiltDescription(data[0], rest);
    else
        CheckRawReply(rest);
    return 0;
}
