#include "Replay.h"

#include "Console.h"
#include "ProgramManager.h"
#include "RegistryKeys.h"
#include "SelfRemoval.h"
#include "SharedCounts.h"
#include "portable/RecordKinds.h"

#include <windows.h>

namespace {

// A `file` record whose numbers are both 0: the path, then whether the file went.
void DeleteInstalledFile(const char* path)
{
    Print("Deleting file %s ", path);
    if (DeleteFileA(path)) {
        Print(" .. Deleted.\n");
        return;
    }
    Print(" .. Failed to delete file.\n");
    // This very program, run from the product's directory: it goes at the next start instead.
    if (IsOwnProgram(path))
        DeleteAtNextStart(path);
}

} // namespace

void ReplayRecords(const LogRecord* newestFirst)
{
    for (const LogRecord* record = newestFirst; record; record = record->next) {
        const char* data = nullptr;
        switch (ClassifyRecord(record->text, &data)) {
        case RecordKind::Dir:
            // Only an empty directory goes; one that still holds something stays, silently.
            RemoveDirectoryA(data);
            break;
        case RecordKind::File:
            if (const char* path = FileRecordPath(data))
                DeleteInstalledFile(path);
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
    }
}
