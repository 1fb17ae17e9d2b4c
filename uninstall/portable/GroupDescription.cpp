#include "portable/GroupDescription.h"

#include <cstdlib>
#include <cstring>

// The start of the next field at or after p, and its end through *end; null when none is left.
static const char* NextField(const char* p, const char** end)
{
    while (*p == ',')
        ++p;
    if (!*p)
        return nullptr;
    const char* q = p;
    if (*q == '"') {
        const char* closing = std::strchr(q + 1, '"');
        if (closing)
            q = closing + 1;
    }
    while (*q && *q != ',')
        ++q;
    *end = q;
    return p;
}

bool GroupDescriptionSaysEmpty(const char* description)
{
    const char* end = description;
    const char* field = nullptr;
    for (int i = 0; i < 3; ++i) {
        field = NextField(end, &end);
        if (!field)
            return false;
    }
    // strtol reads blanks, a sign and digits, and stops at the first other character; the field
    // ends at a comma, which is not a digit, so it never reads into the next one.
    return std::strtol(field, nullptr, 10) == 0;
}
