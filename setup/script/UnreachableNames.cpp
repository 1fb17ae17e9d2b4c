#include "script/UnreachableNames.h"

#include <cctype>

namespace {

const char* const kDevices[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

} // namespace

UnreachableName CheckComponent(const std::string& part, const char** device)
{
    if (part.empty() || part == "." || part == "..")
        return UnreachableName::None;
    if (part.back() == ' ')
        return UnreachableName::TrailingSpace;
    if (part.back() == '.')
        return UnreachableName::TrailingDot;
    // The stem before the first dot, its trailing spaces dropped, is what names a device.
    std::string stem = part.substr(0, part.find('.'));
    stem.erase(stem.find_last_not_of(' ') + 1);
    for (char& c : stem)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* name : kDevices)
        if (stem == name) {
            if (device)
                *device = name;
            return UnreachableName::Device;
        }
    return UnreachableName::None;
}

UnreachableName CheckPath(const std::string& path, const char** device)
{
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = path.find('\\', start);
        const UnreachableName found = CheckComponent(path.substr(start, end - start), device);
        if (found != UnreachableName::None || end == std::string::npos)
            return found;
        start = end + 1;
    }
}
