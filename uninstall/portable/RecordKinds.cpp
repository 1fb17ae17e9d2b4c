#include "portable/RecordKinds.h"

#include <cstring>

RecordKind ClassifyRecord(const char* line, const char** data)
{
    static const struct {
        char letter;
        RecordKind kind;
        std::size_t dataAt;
    } kinds[] = {
        {'d', RecordKind::Dir, 4}, {'f', RecordKind::File, 5},  {'i', RecordKind::Inc, 4},
        {'k', RecordKind::Key, 4}, {'p', RecordKind::Pmngr, 6},
    };
    for (const auto& k : kinds) {
        if (line[0] != k.letter)
            continue;
        // Never step past the terminator, whatever the line holds.
        if (std::strlen(line) < k.dataAt)
            return RecordKind::None;
        *data = line + k.dataAt;
        return k.kind;
    }
    return RecordKind::None;
}

const char* FileRecordPath(const char* data)
{
    // "%d %d %s": both numbers are 0 exactly when characters 0 and 2 are "0".
    if (std::strlen(data) < 4 || data[0] != '0' || data[2] != '0')
        return nullptr;
    return data + 4;
}

bool SplitKeyRecord(const char* data, KeyRecord* key)
{
    static const struct {
        const char* name;
        RootKey root;
    } roots[] = {
        {"HKEY_CURRENT_USER", RootKey::CurrentUser},
        {"HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
        {"HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
        {"HKEY_USERS", RootKey::Users},
    };
    const char* space = std::strchr(data, ' ');
    if (!space)
        return false;
    std::size_t rootLength = static_cast<std::size_t>(space - data);
    bool known = false;
    for (const auto& r : roots) {
        if (std::strlen(r.name) == rootLength && std::strncmp(r.name, data, rootLength) == 0) {
            key->root = r.root;
            known = true;
            break;
        }
    }
    const char* path = space + 1;
    std::size_t pathLength = std::strlen(path);
    if (!known || pathLength >= kKeyPathSize)
        return false;
    std::memcpy(key->parent, path, pathLength + 1);
    char* last = std::strrchr(key->parent, '\\');
    // A path ending in a backslash names no sub-key: deleting "" would delete that key itself.
    if (!last || last[1] == '\0')
        return false;
    std::memcpy(key->name, last + 1, std::strlen(last + 1) + 1);
    last[1] = '\0';
    return true;
}

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool IsRegistrationKey(const KeyRecord& key)
{
    // Registry names compare without regard to case; ASCII folding is enough for this one.
    static const char kRegistrations[] = "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\UNINSTALL\\";
    if (key.root != RootKey::LocalMachine)
        return false;
    for (std::size_t i = 0; kRegistrations[i]; ++i)
        if (UpperAscii(key.parent[i]) != kRegistrations[i])
            return false;
    return true;
}

bool SplitProgmanRecord(const char* data, char (&group)[kLogLineSize], const char** item)
{
    const char* at = std::strchr(data, '@');
    std::size_t length = at ? static_cast<std::size_t>(at - data) : 0;
    if (!at || length >= sizeof group)
        return false;
    std::memcpy(group, data, length);
    group[length] = '\0';
    *item = at + 1;
    return true;
}
