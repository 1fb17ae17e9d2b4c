#include "engine/FileExists.h"

#include "engine/PathLimit.h"

bool FileExists(const char* path, DWORD* attributes)
{
    *attributes = WithinPathLimit(path) ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    return *attributes != INVALID_FILE_ATTRIBUTES;
}
