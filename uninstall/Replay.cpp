#include "Replay.h"

#include "Console.h"
#include "ProgramManager.h"
#include "RegistryKeys.h"
#include "SelfRemoval.h"
#include "SharedCounts.h"
#include "portable/RecordKinds.h"

#include <windows.h>

// A `file` record whose numbers are both 0: the path, then whether the file went.
static void DeleteInstalledFile(const char* path)
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

void ReplayRecords(const LogRecord* newestFirst)
{
    for (const LogRecord* record = newestFirst; record; record = record->next) {
        const char* data = nullptr;
        switch (ClassifyRecord(record->text, &data)) {
        case RecordKind::dir:
            // Only an empty directory goes; one that still holds something stays, silently.
            RemoveDirectoryA(data);
            break;
        case RecordKind::file:
            if (const char* path = FileRecordPath(data))
                DeleteInstalledFile(path);
            break;
        case RecordKind::inc:
            ReleaseSharedCount(data);
            break;
        case RecordKind::key:
            RemoveRegistryKey(data);
            break;
        case RecordKind::pmngr:
            RemoveProgmanEntry(data);
            break;
        case RecordKind::none:
            break;
        }
    }
}
