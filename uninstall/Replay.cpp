#include "Replay.h"

#include "Console.h"
#include "Files.h"
#include "ProgramManager.h"
#include "RegistryKeys.h"
#include "SelfRemoval.h"
#include "SharedCounts.h"
#include "SystemFolders.h"
#include "portable/RecordKinds.h"

#include <windows.h>

#include <cstring>
#include <set>

namespace {

// A `file` record whose numbers are both 0: the path, then whether the file went. A file that is
// not there any more (a run stopped right after deleting it) has gone as well.
void DeleteInstalledFile(const char* path, std::set<std::string>& swept)
{
    if (const char* nameAt = std::strrchr(path, '\\'))
        RemoveLeftoverCopies(std::string(path, static_cast<size_t>(nameAt - path)), swept);
    Print("Deleting file %s ", path);
    if (RemoveFile(path) || IsGone(GetLastError())) {
        Print(" .. Deleted.\n");
        return;
    }
    Print(" .. Failed to delete file.\n");
    // This very program, run from the product's directory: it goes at the next start instead.
    if (IsOwnProgram(path))
        DeleteAtNextStart(path);
}

} // namespace

void ReplayRecords(const LogRecord* newestFirst, ReplayLog& log)
{
    std::set<std::string> swept; // the directories whose leftover copies have gone
    for (const LogRecord* record = newestFirst; record; record = record->next) {
        const char* data = nullptr;
        const RecordKind kind = ClassifyRecord(record->text, &data);
        // A count is lowered only once its record is out of the log for good: a run stopped in
        // between leaves a count one too high, never one too low. Everything else is undone
        // first and then cut, since undoing it twice changes nothing.
        if (kind == RecordKind::Inc)
            log.CutAt(record->offset, true);
        switch (kind) {
        case RecordKind::Dir:
            // Only an empty directory goes; one that still holds something stays, silently. A
            // folder of the system's own never goes, whatever the log says.
            if (!IsSystemFolder(data)) {
                // A killed setup's copy can stand where no file of the log does yet.
                RemoveLeftoverCopies(data, swept);
                RemoveDirectoryA(data);
            }
            break;
        case RecordKind::File:
            if (const char* path = FileRecordPath(data))
                DeleteInstalledFile(path, swept);
            break;
        case RecordKind::Inc:
            ReleaseSharedCount(data);
            break;
        case RecordKind::Key:
            RemoveRegistryKey(data);
            break;
        case RecordKind::Pmngr:
            RemoveProgmanEntry(data);
            break;
        case RecordKind::None:
            break;
        }
        if (kind != RecordKind::Inc)
            log.CutAt(record->offset, false);
    }
}
