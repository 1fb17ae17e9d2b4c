// Short names as Windows makes them, far enough to tell which names can meet.
#include "setup-inf/ShortNames.h"

#include "script/InstallPlan.h"

#include <cctype>
#include <cstring>

namespace {

bool ShortNameCharacter(char c)
{
    return static_cast<unsigned char>(c) > 0x20 && !std::strchr(".\"*+,/:;<=>?[\\]|", c);
}

// The name's stem before its last dot and its extension after it.
void Split(const std::string& name, std::string& stem, std::string& ext)
{
    const std::size_t dot = name.rfind('.');
    stem = dot == std::string::npos ? name : name.substr(0, dot);
    ext = dot == std::string::npos ? "" : name.substr(dot + 1);
}

// The alias stem and extension Windows derives from a long name, without the "~N".
std::string AliasKey(const std::string& name)
{
    std::string stem, ext;
    Split(name, stem, ext);
    auto clean = [](const std::string& part, std::size_t limit) {
        std::string out;
        for (char c : part)
            if (c != ' ' && c != '.' && out.size() < limit)
                out += ShortNameCharacter(c) ? c : '_';
        return out;
    };
    return Folded(clean(stem, 6) + "~." + clean(ext, 3));
}

std::string ComponentKey(const std::string& name)
{
    if (IsAliasName(name)) {
        std::string stem, ext;
        Split(name, stem, ext);
        return Folded(stem.substr(0, stem.rfind('~')) + "~." + ext);
    }
    return IsShortName(name) ? Folded(name) : AliasKey(name);
}

} // namespace

bool IsShortName(const std::string& name)
{
    std::string stem, ext;
    Split(name, stem, ext);
    if (stem.empty() || stem.size() > 8 || ext.size() > 3)
        return false;
    for (char c : stem + ext)
        if (!ShortNameCharacter(c))
            return false;
    return true;
}

bool IsAliasName(const std::string& name)
{
    std::string stem, ext;
    Split(name, stem, ext);
    const std::size_t tilde = stem.rfind('~');
    if (!IsShortName(name) || tilde == std::string::npos || tilde == 0 || tilde + 1 == stem.size())
        return false;
    for (std::size_t i = tilde + 1; i < stem.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(stem[i])))
            return false;
    return true;
}

std::string ShortKey(const std::string& path)
{
    std::string key;
    for (std::size_t start = 0;;) {
        const std::size_t end = path.find('\\', start);
        key += ComponentKey(path.substr(start, end - start));
        if (end == std::string::npos)
            return key;
        key += '\\';
        start = end + 1;
    }
}
