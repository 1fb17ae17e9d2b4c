#include "SelfRemoval.h"

#include "Files.h"
#include "Owners.h"
#include "portable/WininitRenames.h"

#include <string>

namespace {

bool FullPath(const char* path, char (&full)[MAX_PATH])
{
    char* name = nullptr;
    DWORD length = GetFullPathNameA(path, MAX_PATH, full, &name);
    return length != 0 && length < MAX_PATH;
}

bool IsWindows95Family()
{
    return (GetVersion() & 0x80000000u) != 0;
}

// The whole file, or empty when there is none; false when it is there but cannot be read.
bool ReadWholeFile(const char* path, std::string* text)
{
    text->clear();
    const OwnedFile file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    // wininit.ini is a short list; a file of megabytes is not one to rewrite.
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size >= (1u << 20))
        return false;
    DWORD read = 0;
    text->resize(size);
    return size == 0 || (ReadFile(file.Get(), &(*text)[0], size, &read, nullptr) && read == size);
}

bool WriteWholeFile(HANDLE file, const std::string& text)
{
    DWORD written = 0;
    return text.empty() ||
           (WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
            written == text.size());
}

// Writes the new text of wininit.ini so that a kill leaves the old one or the new one: bytes
// added at the end are appended; otherwise a copy is written beside it and renamed over it.
bool ReplaceWininit(const char* path, const std::string& old, const std::string& text)
{
    if (text.compare(0, old.size(), old) == 0) {
        const OwnedFile file(
            CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file && SetFilePointer(file.Get(), 0, nullptr, FILE_END) == old.size() &&
               WriteWholeFile(file.Get(), text.substr(old.size()));
    }
    const std::string temp = std::string(path) + ".new";
    bool written;
    {
        const OwnedFile file(CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        written = WriteWholeFile(file.Get(), text) && FlushFileBuffers(file.Get());
    } // closed before the rename
    // Windows 95 has no replacing rename: the old file goes first, the new one takes its name.
    if (written && (MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING) ||
                    (DeleteFileA(path) && MoveFileA(temp.c_str(), path))))
        return true;
    DeleteFileA(temp.c_str());
    return false;
}

// Adds "NUL=<name>" to the rename list of wininit.ini, after the lines other programs put there.
bool AddWininitDelete(const char* name)
{
    char dir[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(dir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const std::string path = std::string(dir) + (dir[length - 1] == '\\' ? "" : "\\") + "wininit.ini";
    std::string old;
    return ReadWholeFile(path.c_str(), &old) &&
           ReplaceWininit(path.c_str(), old, WithRenameLine(old, std::string("NUL=") + name));
}

} // namespace

bool IsOwnProgram(const char* path)
{
    char own[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    char fullOwn[MAX_PATH], fullPath[MAX_PATH];
    return FullPath(own, fullOwn) && FullPath(path, fullPath) && lstrcmpiA(fullOwn, fullPath) == 0;
}

bool DeleteAtNextStart(const char* path)
{
    // Copied from a read-only distribution: neither system deletes a read-only file at its start.
    DWORD attributes;
    ClearReadOnly(path, &attributes);
    if (!IsWindows95Family())
        return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
    // Windows 95 reads wininit.ini before long names exist: the short name goes there.
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path, shortPath, MAX_PATH);
    const char* name = length != 0 && length < MAX_PATH ? shortPath : path;
    return AddWininitDelete(name);
}
