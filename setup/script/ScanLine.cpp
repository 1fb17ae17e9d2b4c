#include "script/ScanLine.h"

#include <cstdint>
#include <cstring>

namespace {

const char* ScanNumber(const char* in, int* number)
{
    // 32-bit arithmetic: a run of digits too long for an int wraps rather than failing.
    std::uint32_t value = 0;
    for (; *in >= '0' && *in <= '9'; ++in)
        value = value * 10 + static_cast<std::uint32_t>(*in - '0');
    if (number)
        *number = static_cast<int>(value);
    return in;
}

const char* ScanText(const char* in, char delimiter, char* text, std::size_t size)
{
    std::size_t length = 0;
    for (; *in && *in != delimiter; ++in)
        if (length + 1 < size)
            text[length++] = *in;
    if (text && size)
        text[length] = '\0';
    return in;
}

} // namespace

int ScanLine(const char* line, const char* pattern, std::initializer_list<ScanField> fields)
{
    const char* in = line;
    const ScanField* field = fields.begin();
    for (const char* p = pattern; *p; ++p) {
        if (*p == '%' && (p[1] == 'd' || p[1] == 's')) {
            // A conversion without a destination still moves the read position.
            const ScanField* dest = field != fields.end() ? field++ : nullptr;
            if (p[1] == 'd')
                in = ScanNumber(in, dest ? dest->number : nullptr);
            else
                in = ScanText(in, p[2], dest ? dest->text : nullptr, dest ? dest->textSize : 0);
            ++p;
            continue;
        }
        const char* found = std::strchr(in, *p);
        in = found ? found + 1 : in + std::strlen(in);
    }
    return 0;
}
