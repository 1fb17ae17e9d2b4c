#include "EscapedBytes.h"

#include <cstdio>

namespace testing_support {

std::string EscapeBytes(const std::string& bytes)
{
    std::string text;
    for (unsigned char c : bytes) {
        switch (c) {
        case '\\':
            text += "\\\\";
            break;
        case '\t':
            text += "\\t";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\0':
            text += "\\0";
            break;
        default:
            if (c < 0x20 || c > 0x7e) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                text += hex;
            } else {
                text += static_cast<char>(c);
            }
        }
    }
    return text;
}

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool UnescapeBytes(const std::string& text, std::string* bytes)
{
    bytes->clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            *bytes += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\':
            *bytes += '\\';
            break;
        case 't':
            *bytes += '\t';
            break;
        case 'r':
            *bytes += '\r';
            break;
        case 'n':
            *bytes += '\n';
            break;
        case '0':
            *bytes += '\0';
            break;
        case 'x': {
            int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
            int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
            if (high < 0 || low < 0)
                return false;
            *bytes += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

} // namespace testing_support
