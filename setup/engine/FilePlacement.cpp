#include "engine/FilePlacement.h"

#include "engine/FileExists.h"
#include "engine/PathLimit.h"
#include "engine/Platform.h"
#include "engine/ProgramManager.h"
#include "engine/SharedCount.h"
#include "engine/ShellLink.h"
#include "engine/SystemFolders.h"
#include "engine/UninstallLog.h"
#include "engine/VersionedCopy.h"
#include "engine/VifBits.h"
#include "engine/WholeFile.h"
#include "framework/WinApp.h"
#include "script/FileNamePart.h"

#include <cstring>
#include <string>

namespace {

// Bounded copy into a path buffer; a path that does not fit leaves it empty. Only ever given
// paths that fitted a call already, or the file directory, whose absence as the current-copy
// directory changes nothing: a current copy beyond the path limit can be neither read nor deleted.
void SetPathBuffer(char (&buffer)[kPathBufferSize], const std::string& path)
{
    if (path.size() < sizeof buffer)
        std::memcpy(buffer, path.c_str(), path.size() + 1);
    else
        buffer[0] = '\0';
}

// A shared file found in more than one of the Windows directories is shown to the user; the last
// one found becomes the current-copy directory.
void SearchDuplicates(const char* destName, char (&curDir)[kPathBufferSize])
{
    const struct {
        const char* tested;  // as the warning names it
        const char* current; // as the current-copy directory
    } places[] = {{"", ""}, {"\\System", "\\system"}, {"\\System32", "\\system32"}};

    std::string warning = "Warning. Multiple copies of the shared file ";
    warning += destName;
    warning += " is found in the following paths:";
    int found = 0;
    for (const auto& place : places) {
        const std::string tested = std::string(WindowsDir) + place.tested + "\\" + destName;
        DWORD attributes;
        if (!FileExists(tested.c_str(), &attributes))
            continue;
        SetPathBuffer(curDir, std::string(WindowsDir) + place.current);
        warning += "\r\n" + tested;
        ++found;
    }
    if (found > 1) {
        warning += "\r\nThis can cause problems with this and other programs. Please consider appropriate "
                   "actions to resolve this possible problem.";
        AfxMessageBox(warning.c_str());
    }
}

enum class Replacement { Scheduled, NotScheduled, Skipped };

// The replacement of a file in use at the next start of Windows. copyShown: both attempts have
// already said "Copy failed." for the file (its source is held open, say), which its copy here
// does not say a third time.
Replacement ReplaceAtNextStart(RunDirectories& directories, const std::string& source,
                               const std::string& target, bool copyShown)
{
    if (PlatformKind != kPlatformWin95 && PlatformKind != kPlatformNT3 && PlatformKind != kPlatformNT4) {
        AfxMessageBox(
            "Dont know how to install shared files on this syste. Shared files will not be installed. "
            "if they are in use by Windows.");
        return Replacement::Skipped;
    }
    // The new file waits beside the one in use, on its volume; the distribution keeps its own.
    const std::string temp = target + ".tmp";
    directories.Put(temp);
    if (!CopyPath(source.c_str(), temp.c_str())) {
        if (!copyShown)
            AfxMessageBox("Copy failed.");
        return Replacement::Skipped;
    }
    if (PlatformKind == kPlatformWin95) {
        // Windows 95 renames the pairs of this section before it starts, before long names
        // exist: both go in their short form.
        WritePrivateProfileStringA("rename", ShortPath(target).c_str(), ShortPath(temp).c_str(),
                                   "wininit.ini");
        return Replacement::Scheduled;
    }
    if (MovePath(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_DELAY_UNTIL_REBOOT))
        return Replacement::Scheduled;
    DeleteTemporary(temp);
    AfxMessageBox("MoveFileEx() failed.");
    return Replacement::NotScheduled;
}

// The file's shell link, or its Program Manager item on Windows NT 3.x, with their records.
void MakeStartMenuEntry(const InstallContext& install, const FileEntry* file, const std::string& target)
{
    FILE* log = install.log;
    const bool ownFolder = install.menuFolder[0] != '\0';
    if (PlatformKind == kPlatformNT3) {
        // A group without a name cannot be made: nothing is sent, nothing is there to undo.
        if (!ownFolder)
            return;
        WritePmngrRecord(log, install.menuFolder, file->shortcutName);
        bool groupActive = false;
        AddProgmanGroup(install.menuFolder, &groupActive);
        if (groupActive)
            AddProgmanItem(file->shortcutName, target.c_str());
        return;
    }
    if (PlatformKind != kPlatformWin95 && PlatformKind != kPlatformNT4)
        return;
    const char* programs = file->shortcutKind == 1 ? UserProgramFolderDir : ProgramFolderDir;
    // Without a folder of its own the link goes into the Programs folder, which is the system's:
    // no record names it, so no uninstall removes it.
    const std::string folder = ownFolder ? JoinPath(programs, install.menuFolder) : std::string(programs);
    if (ownFolder) {
        // Logged first and every time: the uninstaller removes the folder once it is empty.
        WriteDirRecord(log, folder.c_str());
        CreateDirectoryPath(folder.c_str());
    }
    const std::string link = JoinPath(folder.c_str(), file->shortcutName) + ".lnk";
    if (WithinPathLimit(link.c_str()))
        CreateShortcut(target.c_str(), link.c_str(), install.productName.c_str());
    WriteShortcutRecord(log, link.c_str());
}

// "Failed to install file: SRC --> DEST" with the names of the result's bits.
void ShowInstallFailure(const char* srcDir, const char* srcName, const std::string& fileDir,
                        const char* destName, DWORD result)
{
    const std::string failure = std::string("Failed to install file: ") + srcDir + "\\" + srcName + " --> " +
                                fileDir + "\\" + destName + "\r\nFlags = " + VifFlagNames(result);
    AfxMessageBox(failure.c_str());
}

} // namespace

bool InstallFile(InstallContext& install, const PlannedFile& planned)
{
    const ModuleEntry* module = planned.module;
    const FileEntry* file = planned.file;
    char curDir[kPathBufferSize] = "";
    char srcDir[kPathBufferSize];
    // Win32 keeps the current directory within the path limit; one that cannot be read names no
    // source at all.
    const DWORD srcDirLength = GetCurrentDirectoryA(sizeof srcDir, srcDir);
    if (srcDirLength == 0 || srcDirLength >= sizeof srcDir)
        return false;
    const char* srcName = FileNamePart(file->source);
    const char* destName = FileNamePart(file->dest);
    const bool subDir = destName > file->dest;

    if (module->system)
        SearchDuplicates(destName, curDir);

    const std::string& fileDir = planned.dir;
    // A name the system would change (a trailing space or dot, a device) puts the file where no
    // shortcut or uninstall finds it: refused as a file that cannot be created, nothing logged.
    if (planned.refusedName) {
        ShowInstallFailure(srcDir, srcName, fileDir, destName, VIF_CANNOTCREATE);
        return false;
    }
    if (subDir && install.runDirectories.Create(fileDir))
        WriteDirRecord(install.log, fileDir.c_str());
    if (!curDir[0])
        SetPathBuffer(curDir, fileDir);
    const std::string& target = planned.target;

    char tmpFile[kPathBufferSize];
    DWORD tmpFileLen = sizeof tmpFile;
    const DWORD first = CopyVersionedFile(install.runDirectories, 0, srcName, destName, srcDir,
                                          fileDir.c_str(), curDir, tmpFile, &tmpFileLen);
    // The copy in place is as new or newer. A delete refused with access denied carries
    // VIF_SRCOLD too, but there the copy in place is in use: the forced attempt takes it on.
    if ((first & VIF_SRCOLD) && !(first & VIF_CANNOTDELETE))
        return false;
    if (first & VIF_OUTOFSPACE) {
        AfxMessageBox("The file can not be copied due to insufficient disk space.");
        return false;
    }
    if (first != 0) {
        const DWORD second = CopyVersionedFile(install.runDirectories, kCopyForce, srcName, destName, srcDir,
                                               fileDir.c_str(), curDir, tmpFile, &tmpFileLen);
        if (second & (VIF_FILEINUSE | VIF_OUTOFMEMORY)) {
            // A copy that met a sharing violation has said so in each attempt.
            const Replacement replacement =
                ReplaceAtNextStart(install.runDirectories, JoinPath(srcDir, srcName), target,
                                   (second & VIF_SHARINGVIOLATION) != 0);
            if (replacement == Replacement::Skipped)
                return false;
            if (replacement == Replacement::Scheduled)
                install.rebootNeeded = 1;
        } else if (second != 0) {
            ShowInstallFailure(srcDir, srcName, fileDir, destName, second);
            return false;
        }
    }

    if ((PlatformKind == kPlatformNT3 || PlatformKind == kPlatformNT4) && (module->shared || module->system))
        IncrementSharedCount(install.log, target.c_str());
    WriteFileRecord(install.log, module->shared, module->system, target.c_str());
    if (file->shortcutKind != 0)
        MakeStartMenuEntry(install, file, target);
    return true;
}
