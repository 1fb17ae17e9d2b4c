// The versioned copy: a file goes over the copy in place only when it is strictly later by date
// and not older by file version; every other outcome is a word of VIF_ bits.
#include "app/SetupApp.h"
#include "engine/ErrorClasses.h"
#include "engine/FileExists.h"
#include "engine/FileVersion.h"
#include "engine/PathLimit.h"
#include "engine/VifBits.h"

#include <cstring>

namespace {

// The message comes first; the error code is kept from before it, since showing a box may
// change the last error.
DWORD CopyFailed(DWORD error)
{
    AfxMessageBox("Copy failed.");
    return CopyFailure(error);
}

// 0 when the source may replace the current copy, else why not.
DWORD CompareWithCurrent(const std::string& source, const FileLook& src, const std::string& current,
                         const FileLook& cur)
{
    if (CompareFileTime(&src.lastWrite, &cur.lastWrite) <= 0)
        return VIF_SRCOLD;
    // A file without version information leaves the decision to the date.
    FileVersion sourceVersion, currentVersion;
    const VersionRead sourceRead = ReadFileVersion(source.c_str(), &sourceVersion);
    if (sourceRead != VersionRead::Read)
        return sourceRead == VersionRead::Unreadable ? VIF_CANNOTREADSRC : 0;
    const VersionRead currentRead = ReadFileVersion(current.c_str(), &currentVersion);
    if (currentRead != VersionRead::Read)
        return currentRead == VersionRead::Unreadable ? VIF_CANNOTREADDST : 0;
    return AtLeast(currentVersion, sourceVersion) ? VIF_MISMATCH | VIF_SRCOLD : 0;
}

// The new file, copied into a fresh temporary file in the target's directory, which lies on the
// target's volume, so that putting it in place is a rename.
bool CopyToTemporary(const std::string& source, const char* destDir, std::string* temp, DWORD* error)
{
    char name[MAX_PATH];
    // The platform refuses a directory that leaves no room for the temporary name.
    if (std::strlen(destDir) > MAX_PATH - 14) {
        *error = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    if (!GetTempFileNameA(destDir, "cvl", 0, name)) {
        *error = GetLastError();
        return false;
    }
    *temp = name;
    if (CopyPath(source.c_str(), name))
        return true;
    *error = GetLastError();
    DeleteFileA(name);
    return false;
}

bool PutInPlace(const std::string& temp, const std::string& target, DWORD* error)
{
    if (RenamePath(temp.c_str(), target.c_str()))
        return true;
    *error = GetLastError();
    if (*error != ERROR_ALREADY_EXISTS && *error != ERROR_FILE_EXISTS)
        return false;
    // Something still stands at the target (not the current copy, or one that came back).
    if (MovePath(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    *error = GetLastError();
    if (*error != ERROR_CALL_NOT_IMPLEMENTED)
        return false;
    // Windows 95 has no MoveFileEx: what stands at the target goes first.
    if (DeletePath(target.c_str()) && RenamePath(temp.c_str(), target.c_str()))
        return true;
    *error = GetLastError();
    return false;
}

DWORD CopyOver(const std::string& source, const std::string& target)
{
    if (CopyPath(source.c_str(), target.c_str()))
        return 0;
    return CopyFailed(GetLastError());
}

// Replaces the current copy without ever leaving neither it nor the new file: the new file is
// copied next to the target first, and the current copy is deleted only once that worked.
DWORD ReplaceCurrent(const std::string& source, const char* destDir, const std::string& target,
                     const std::string& current, const FileLook& cur, bool force)
{
    if (!cur.found) {
        // Nothing to lose. A file that is simply not there needs no delete; anything else (a
        // missing directory) is still tried, and a refusal classified.
        if (cur.error != ERROR_FILE_NOT_FOUND && !DeletePath(current.c_str())) {
            const DWORD refused = DeleteRefusal(GetLastError(), false, 0);
            if (refused)
                return refused;
        }
        return CopyOver(source, target);
    }

    const bool readOnly = cur.attributes & FILE_ATTRIBUTE_READONLY;
    if (readOnly && !force)
        return VIF_WRITEPROT;
    std::string temp;
    DWORD error = 0;
    if (!CopyToTemporary(source, destDir, &temp, &error))
        return CopyFailed(error);
    if (readOnly)
        SetPathAttributes(current.c_str(), cur.attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!DeletePath(current.c_str())) {
        const DWORD refused = DeleteRefusal(GetLastError(), true, cur.attributes);
        if (refused) {
            DeleteFileA(temp.c_str());
            return refused;
        }
    }
    if (!PutInPlace(temp, target, &error)) {
        DeleteFileA(temp.c_str());
        return CopyFailed(error);
    }
    return 0;
}

} // namespace

DWORD CSetupApp::CopyVersionedFile(DWORD flags, const char* srcFileName, const char* destFileName,
                                   const char* srcDir, const char* destDir, char* curDir, char* /*tmpFile*/,
                                   DWORD* tmpFileLen)
{
    *tmpFileLen = 0;
    if (!std::strchr(curDir, '\\'))
        curDir[0] = '\0';
    const bool force = flags & kCopyForce;
    const bool keep = flags & kCopyKeep;
    const std::string source = JoinPath(srcDir, srcFileName);
    const std::string target = JoinPath(destDir, destFileName);
    const std::string current = curDir[0] ? JoinPath(curDir, destFileName) : std::string();

    const FileLook src = LookAtFile(source.c_str());
    if (!src.found)
        return VIF_CANNOTREADSRC;

    // One look at the current copy serves the comparison and the removal.
    FileLook cur;
    bool looked = false;
    if (curDir[0] && !force) {
        cur = LookAtFile(current.c_str());
        looked = true;
        if (cur.found) {
            const DWORD refused = CompareWithCurrent(source, src, current, cur);
            if (refused)
                return refused;
        }
    }

    if (!curDir[0] || keep)
        return CopyOver(source, target);
    if (!looked) {
        cur.found = FileExists(current.c_str(), &cur.attributes);
        cur.error = cur.found ? 0 : GetLastError();
    }
    return ReplaceCurrent(source, destDir, target, current, cur, force);
}
