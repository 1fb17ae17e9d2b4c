#include "engine/WholeFile.h"

#include "engine/PathLimit.h"
#include "script/InstallModel.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
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
constexpr int kFileBasicInfo = 0;
struct BasicInfo {
    LARGE_INTEGER creationTime, lastAccessTime, lastWriteTime, changeTime; // zero: left as they are
    DWORD fileAttributes;
};
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

// The attributes of an open file; only where the system has SetFileInformationByHandle.
bool SetOpenFileAttributes(HANDLE file, DWORD attributes)
{
    BasicInfo info{};
    info.fileAttributes = attributes;
    return SetInformationCall()(file, kFileBasicInfo, &info, sizeof info);
}

bool IsDrivePath(const std::string& path)
{
    return path.size() > 3 && path[1] == ':' && path[2] == '\\';
}

} // namespace

std::string TemporaryPathFor(const std::string& target, unsigned attempt)
{
    const size_t nameAt = target.find_last_of('\\') + 1;
    // FNV-1a over the name as the file system compares it: the same name in any case gives the same
    // temporary name.
    std::uint32_t hash = 2166136261u;
    for (size_t i = nameAt; i < target.size(); ++i) {
        char c = target[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    char name[13];
    std::snprintf(name, sizeof name, "~cv%05x.tmp", static_cast<unsigned>((hash + attempt) & 0xFFFFFu));
    // Cut to what fits the path limit, which is never shorter than the target's own name.
    const size_t room = static_cast<size_t>(kPathBufferSize) - 1 - nameAt;
    const size_t length = std::min(std::strlen(name), std::max(room, target.size() - nameAt));
    return target.substr(0, nameAt) + std::string(name, std::max<size_t>(length, 1));
}

bool IsOurTemporary(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & kTemporaryMark) == kTemporaryMark;
}

bool DeleteTemporary(const std::string& path)
{
    if (DeletePath(path.c_str()))
        return true;
    return GetLastError() == ERROR_ACCESS_DENIED && SetPathAttributes(path.c_str(), FILE_ATTRIBUTE_NORMAL) &&
           DeletePath(path.c_str());
}

bool TemporaryCopy::RenamesOpenFiles() const
{
    return SetInformationCall() && IsDrivePath(target);
}

TemporaryCopy::TemporaryCopy(const std::string& source, DWORD attributes, const std::string& target)
    : target(target)
{
    error = Copy(source, attributes);
}

TemporaryCopy::~TemporaryCopy()
{
    if (placed || !made)
        return;
    file.Reset();
    DeleteTemporary(temp);
}

bool TemporaryCopy::Create(DWORD access)
{
    for (unsigned attempt = 0; attempt < kNameAttempts; ++attempt) {
        temp = TemporaryPathFor(target, attempt);
        if (!WithinPathLimit(temp.c_str()))
            return false;
        // Made new, never over a file that stands there; what a killed run left is ours to remove,
        // anything else of that name is the user's, and the next name is tried.
        for (int pass = 0; pass < 2; ++pass) {
            *file.Out() = CreateFileA(temp.c_str(), access, 0, nullptr, CREATE_NEW, kTemporaryMark, nullptr);
            if (file.Valid())
                return made = true;
            if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
                return false;
            if (pass > 0 || !IsOurTemporary(temp) || !DeleteTemporary(temp))
                break;
        }
    }
    SetLastError(ERROR_FILE_EXISTS);
    return false;
}

DWORD TemporaryCopy::Copy(const std::string& source, DWORD attributes)
{
    if (!WithinPathLimit(source.c_str()))
        return GetLastError();
    ScopedFile from(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!from.Valid())
        return GetLastError();
    FILETIME written;
    if (!GetFileTime(from.Get(), nullptr, nullptr, &written))
        return GetLastError();

    const DWORD access = GENERIC_WRITE | (RenamesOpenFiles() ? DELETE : 0);
    finalAttributes =
        (attributes & kCopiedAttributes) ? attributes & kCopiedAttributes : FILE_ATTRIBUTE_NORMAL;
    if (!Create(access))
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
    // The copy keeps its mark until it is in place, so that a kill at any moment before leaves a
    // copy the next run knows as ours; only then does it take its own attributes, through the
    // open file where the system renames one, else by name.
    bool finished = false;
    if (RenamesOpenFiles()) {
        placed = RenameOpenFile(file.Get(), target);
        finished = placed && SetOpenFileAttributes(file.Get(), finalAttributes);
    } else {
        file.Reset();
        placed = MovePath(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
        if (!placed && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
            // Windows 95: a rename, and where something stands at the target, that goes first.
            placed = RenamePath(temp.c_str(), target.c_str()) ||
                     ((GetLastError() == ERROR_ALREADY_EXISTS || GetLastError() == ERROR_FILE_EXISTS) &&
                      DeletePath(target.c_str()) && RenamePath(temp.c_str(), target.c_str()));
        }
        finished = placed && SetPathAttributes(target.c_str(), finalAttributes);
    }
    if (!finished)
        error = GetLastError();
    file.Reset();
    return finished;
}
