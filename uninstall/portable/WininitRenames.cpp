#include "portable/WininitRenames.h"

#include <cstddef>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// One line of the text: [begin, end) without its line end, next where the following line begins.
struct Line {
    std::size_t begin, end, next;
};

Line LineAt(const std::string& text, std::size_t begin)
{
    std::size_t end = text.find('\n', begin);
    const std::size_t next = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos)
        end = text.size();
    if (end > begin && text[end - 1] == '\r')
        --end;
    return {begin, end, next};
}

// The line's text with the blanks around it taken off, as the profile functions read it.
std::string Trimmed(const std::string& text, const Line& line)
{
    std::size_t begin = line.begin, end = line.end;
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool IsRenameHeader(const std::string& trimmed)
{
    static const char kHeader[] = "[RENAME]";
    if (trimmed.size() != sizeof kHeader - 1)
        return false;
    for (std::size_t i = 0; i < trimmed.size(); ++i)
        if (UpperAscii(trimmed[i]) != kHeader[i])
            return false;
    return true;
}

// Where the new line goes: after the section's last line that is not blank (its header when it
// has none), or npos when the file has no [rename] section.
std::size_t EndOfRenameSection(const std::string& text)
{
    std::size_t at = std::string::npos;
    for (std::size_t begin = 0; begin < text.size();) {
        const Line line = LineAt(text, begin);
        const std::string trimmed = Trimmed(text, line);
        if (at != std::string::npos && !trimmed.empty() && trimmed[0] == '[')
            break;
        if (at == std::string::npos ? IsRenameHeader(trimmed) : !trimmed.empty())
            at = line.next;
        begin = line.next;
    }
    return at;
}

} // namespace

std::string WithRenameLine(const std::string& wininit, const std::string& line)
{
    std::size_t at = EndOfRenameSection(wininit);
    std::string added = line + "\r\n";
    if (at == std::string::npos) {
        at = wininit.size();
        added = "[rename]\r\n" + added;
    }
    if (at > 0 && wininit[at - 1] != '\n')
        added = (wininit[at - 1] == '\r' ? "\n" : "\r\n") + added;
    return wininit.substr(0, at) + added + wininit.substr(at);
}
