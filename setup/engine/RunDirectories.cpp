#include "engine/RunDirectories.h"

#include "engine/PathLimit.h"

namespace {

// File names compare without case, in the ANSI code page.
std::string Folded(std::string text)
{
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

bool RunDirectories::Create(const std::string& dir)
{
    const std::string key = Folded(dir);
    if (remembering && known.count(key))
        return false;
    const bool created = CreateDirectoryPath(dir.c_str());
    if (remembering && (created || GetLastError() == ERROR_ALREADY_EXISTS))
        known[key].created = created;
    return created;
}

void RunDirectories::Created(const std::string& dir)
{
    if (remembering)
        known[Folded(dir)].created = true;
}

bool RunDirectories::MayHold(const std::string& dir, const std::string& name) const
{
    const auto found = known.find(Folded(dir));
    if (found == known.end() || !found->second.created || name.find('~') != std::string::npos)
        return true;
    return found->second.names.count(Folded(name)) != 0;
}

void RunDirectories::Put(const std::string& path)
{
    const size_t nameAt = path.find_last_of('\\');
    if (nameAt == std::string::npos)
        return;
    const auto found = known.find(Folded(path.substr(0, nameAt)));
    if (found != known.end() && found->second.created)
        found->second.names.insert(Folded(path.substr(nameAt + 1)));
}
