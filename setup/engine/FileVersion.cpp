#include "engine/FileVersion.h"

#include "engine/ErrorClasses.h"
#include "engine/PathLimit.h"

#include <winver.h>

#include <memory>
#include <new>

VersionRead ReadFileVersion(const char* path, FileVersion* version)
{
    DWORD handle = 0;
    const DWORD size = WithinPathLimit(path) ? GetFileVersionInfoSizeA(path, &handle) : 0;
    if (size == 0)
        return IsReadError(GetLastError()) ? VersionRead::Unreadable : VersionRead::None;

    std::unique_ptr<BYTE[]> block(new (std::nothrow) BYTE[size]);
    void* fixed = nullptr;
    UINT length = 0;
    if (!block || !GetFileVersionInfoA(path, handle, size, block.get()) ||
        !VerQueryValueA(block.get(), "\\", &fixed, &length))
        return VersionRead::Unreadable;
    // A block whose root holds no fixed part has no file version to read.
    if (length < sizeof(VS_FIXEDFILEINFO))
        return VersionRead::Unreadable;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    version->ms = info->dwFileVersionMS;
    version->ls = info->dwFileVersionLS;
    return VersionRead::Read;
}
