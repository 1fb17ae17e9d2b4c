#include "engine/WholeFile.h"

#include "engine/PathLimit.h"
#include "script/InstallModel.h"

#include <vector>

namespace {

// The attributes a copy keeps; CreateFileA takes no others.
constexpr DWORD kCopiedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// SetFileInformationByHandle's rename (Windows Vista and later; <winbase.h> declares it only
// for them): the file is renamed while it is still open, which saves opening it once more by
// name. Older systems rename it by name once it is closed.
struct RenameInfo {
    DWORD replaceIfExists;
    HANDLE rootDirectory;
    DWORD fileNameLength; // in bytes
    WCHAR fileName[1];
};
constexpr int kFileRenameInfo = 3;
using SetInformation = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);

SetInformation SetInformationCall()
{
    static const auto call = reinterpret_cast<SetInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetFileInformationByHandle")));
    return call;
}

// The rename takes a path of the system's own form, which a drive path has as "\??\C:\...", and
// takes it as it stands: the path goes as the name-based calls would make it (no doubled
// backslash, no trailing dot or space), so that both reach the same file.
bool RenameOpenFile(HANDLE file, const std::string& target)
{
    char full[kPathBufferSize];
    const DWORD fullLength = GetFullPathNameA(target.c_str(), sizeof full, full, nullptr);
    if (fullLength == 0 || fullLength >= sizeof full)
        return false;
    const std::string ntPath = std::string("\\??\\") + full;
    const int length = MultiByteToWideChar(CP_ACP, 0, ntPath.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return false;
    std::vector<BYTE> buffer(sizeof(RenameInfo) + static_cast<size_t>(length) * sizeof(WCHAR));
    auto* info = reinterpret_cast<RenameInfo*>(buffer.data());
    info->replaceIfExists = TRUE;
    info->rootDirectory = nullptr;
    info->fileNameLength = static_cast<DWORD>(length - 1) * sizeof(WCHAR);
    MultiByteToWideChar(CP_ACP, 0, ntPath.c_str(), -1, info->fileName, length);
    return SetInformationCall()(file, kFileRenameInfo, info, static_cast<DWORD>(buffer.size()));
}

bool IsDrivePath(const std::string& path)
{
    return path.size() > 3 && path[1] == ':' && path[2] == '\\';
}

} // namespace

std::string TemporaryPathFor(const std::string& target)
{
    const size_t nameAt = target.find_last_of('\\') + 1;
    std::string temp = target.substr(0, nameAt) + "~" + target.substr(nameAt) + ".tmp";
    if (temp.size() < static_cast<size_t>(kPathBufferSize) || nameAt == target.size())
        return temp;
    temp = target;
    temp[nameAt] = temp[nameAt] == '~' ? '_' : '~';
    return temp;
}

bool DeleteTemporary(const std::string& path)
{
    if (DeletePath(path.c_str()))
        return true;
    return GetLastError() == ERROR_ACCESS_DENIED && SetPathAttributes(path.c_str(), FILE_ATTRIBUTE_NORMAL) &&
           DeletePath(path.c_str());
}

TemporaryCopy::TemporaryCopy(const std::string& source, DWORD attributes, const std::string& target)
    : target(target), temp(TemporaryPathFor(target))
{
    error = Copy(source, attributes);
}

TemporaryCopy::~TemporaryCopy()
{
    if (placed)
        return;
    file.Reset();
    DeleteTemporary(temp);
}

DWORD TemporaryCopy::Copy(const std::string& source, DWORD attributes)
{
    if (!WithinPathLimit(source.c_str()) || !WithinPathLimit(temp.c_str()))
        return GetLastError();
    ScopedFile from(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!from.Valid())
        return GetLastError();
    FILETIME written;
    if (!GetFileTime(from.Get(), nullptr, nullptr, &written))
        return GetLastError();

    const DWORD access = GENERIC_WRITE | (SetInformationCall() && IsDrivePath(target) ? DELETE : 0);
    const DWORD kept =
        (attributes & kCopiedAttributes) ? attributes & kCopiedAttributes : FILE_ATTRIBUTE_NORMAL;
    *file.Out() = CreateFileA(temp.c_str(), access, 0, nullptr, CREATE_ALWAYS, kept, nullptr);
    if (!file.Valid() && GetLastError() == ERROR_ACCESS_DENIED) {
        // A read-only file cannot be overwritten: a leftover copied from a read-only source.
        SetPathAttributes(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
        *file.Out() = CreateFileA(temp.c_str(), access, 0, nullptr, CREATE_ALWAYS, kept, nullptr);
    }
    if (!file.Valid())
        return GetLastError();
    if (const DWORD failed = CopyContents(from.Get()))
        return failed;
    return SetFileTime(file.Get(), nullptr, nullptr, &written) ? 0 : GetLastError();
}

DWORD TemporaryCopy::CopyContents(HANDLE from)
{
    static char buffer[64 * 1024]; // one thread copies, one file at a time
    DWORD got = 0;
    while (ReadFile(from, buffer, sizeof buffer, &got, nullptr)) {
        if (got == 0)
            return 0;
        for (DWORD done = 0; done < got;) {
            DWORD put = 0;
            if (!WriteFile(file.Get(), buffer + done, got - done, &put, nullptr))
                return GetLastError();
            if (put == 0)
                return ERROR_DISK_FULL;
            done += put;
        }
    }
    return GetLastError();
}

bool TemporaryCopy::PutInPlace()
{
    if (error)
        return false;
    if (SetInformationCall() && IsDrivePath(target)) {
        placed = RenameOpenFile(file.Get(), target);
    } else {
        file.Reset();
        placed = MovePath(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
        if (!placed && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
            // Windows 95: a rename, and where something stands at the target, that goes first.
            placed = RenamePath(temp.c_str(), target.c_str()) ||
                     ((GetLastError() == ERROR_ALREADY_EXISTS || GetLastError() == ERROR_FILE_EXISTS) &&
                      DeletePath(target.c_str()) && RenamePath(temp.c_str(), target.c_str()));
        }
    }
    if (!placed)
        error = GetLastError();
    file.Reset();
    return placed;
}
