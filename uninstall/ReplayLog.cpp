#include "ReplayLog.h"

#include "Files.h"

namespace {

HANDLE OpenForCutting(const char* path)
{
    return CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
}

} // namespace

ReplayLog::ReplayLog(const char* path) : file(OpenForCutting(path))
{
    DWORD attributes;
    if (!file && GetLastError() == ERROR_ACCESS_DENIED && ClearReadOnly(path, &attributes))
        *file.Out() = OpenForCutting(path);
}

void ReplayLog::CutAt(long offset, bool durable)
{
    if (!file || offset < 0)
        return;
    if (SetFilePointer(file.Get(), offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !SetEndOfFile(file.Get()))
        return;
    if (durable)
        FlushFileBuffers(file.Get());
}
