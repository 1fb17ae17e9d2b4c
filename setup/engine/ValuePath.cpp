#include "engine/ValuePath.h"

#include <cstring>

bool SplitValuePath(const char* path, ValuePath* split)
{
    std::size_t length = std::strlen(path);
    if (length >= sizeof split->keyPath)
        return false;
    std::memcpy(split->keyPath, path, length + 1);
    char* slash = std::strrchr(split->keyPath, '\\');
    if (!slash)
        return false;
    *slash = '\0';
    split->valueName = slash + 1;
    return true;
}
