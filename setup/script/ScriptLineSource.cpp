#include "script/ScriptLineSource.h"

#include <cstring>

bool StreamLineSource::ReadLine(char* line, int size)
{
    return std::fgets(line, size, stream) != nullptr;
}

bool TextLineSource::ReadLine(char* line, int size)
{
    if (size < 2 || position >= text.size())
        return false;
    const std::size_t room = static_cast<std::size_t>(size - 1);
    const std::size_t newline = text.find('\n', position);
    const std::size_t end = newline == std::string::npos ? text.size() : newline + 1;
    const std::size_t length = std::min(end - position, room);
    std::memcpy(line, text.data() + position, length);
    line[length] = '\0';
    position += length;
    return true;
}
