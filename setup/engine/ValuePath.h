// A registry value addressed by one path: the key path and the value name, split at the last
// backslash in a 260-byte work buffer.
#pragma once

#include "platform/PathBuffer.h"

struct ValuePath {
    char keyPath[kPathBufferSize];
    const char* valueName;
};

// False when the path does not fit the work buffer (a cut one would name another value) or has
// no backslash to split at.
bool SplitValuePath(const char* path, ValuePath* split);
