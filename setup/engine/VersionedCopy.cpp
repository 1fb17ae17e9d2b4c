#include "engine/VersionedCopy.h"

#include "engine/ErrorClasses.h"
#include "engine/FileExists.h"
#include "engine/FileVersion.h"
#include "engine/PathLimit.h"
#include "engine/VifBits.h"
#include "engine/WholeFile.h"
#include "framework/WinApp.h"

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

// The new file over whatever stands at the target, whole. A target that cannot be renamed over
// (held open by a program that lets others write to it) is written in place, as a plain copy
// would; that copy's failure is the one reported.
DWORD CopyOver(const std::string& source, const FileLook& src, const std::string& target)
{
    {
        TemporaryCopy copy(source, src.attributes, target);
        if (!copy.Made())
            return CopyFailed(copy.Error());
        if (copy.PutInPlace())
            return 0;
    }
    if (CopyPath(source.c_str(), target.c_str()))
        return 0;
    return CopyFailed(GetLastError());
}

// Replaces the current copy without ever leaving neither it nor the new file: the new file is
// copied next to the target first, and the current copy is deleted only once that worked.
DWORD ReplaceCurrent(const std::string& source, const FileLook& src, const std::string& target,
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
        return CopyOver(source, src, target);
    }

    const bool readOnly = cur.attributes & FILE_ATTRIBUTE_READONLY;
    if (readOnly && !force)
        return VIF_WRITEPROT;
    TemporaryCopy copy(source, src.attributes, target);
    if (!copy.Made())
        return CopyFailed(copy.Error());
    if (readOnly)
        SetPathAttributes(current.c_str(), cur.attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!DeletePath(current.c_str())) {
        const DWORD refused = DeleteRefusal(GetLastError(), true, cur.attributes);
        if (refused)
            return refused;
    }
    return copy.PutInPlace() ? 0 : CopyFailed(copy.Error());
}

} // namespace

DWORD CopyVersionedFile(RunDirectories& directories, DWORD flags, const char* srcFileName,
                        const char* destFileName, const char* srcDir, const char* destDir, char* curDir,
                        char* /*tmpFile*/, DWORD* tmpFileLen)
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

    // One look at the current copy serves the comparison and the removal. Where this run knows
    // that nothing can stand there, there is nothing to look at.
    FileLook cur;
    cur.error = ERROR_FILE_NOT_FOUND;
    const bool mayExist = curDir[0] && directories.MayHold(curDir, destFileName);
    if (mayExist && !force) {
        cur = LookAtFile(current.c_str());
        if (cur.found) {
            const DWORD refused = CompareWithCurrent(source, src, current, cur);
            if (refused)
                return refused;
        }
    } else if (mayExist && !keep) {
        cur.found = FileExists(current.c_str(), &cur.attributes);
        cur.error = cur.found ? 0 : GetLastError();
    }

    // What follows may make the target, or a part of it.
    directories.Put(target);
    if (!curDir[0] || keep)
        return CopyOver(source, src, target);
    return ReplaceCurrent(source, src, target, current, cur, force);
}
