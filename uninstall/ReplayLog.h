// The log while it is replayed: each record, once undone, is cut off the end of the file (the
// replay goes newest first), so that an uninstaller stopped anywhere and run again takes up
// where it stopped and undoes nothing twice.
#pragma once

#include "Owners.h"

class ReplayLog {
public:
    // Opened for writing, its read-only attribute cleared; without it nothing is cut and a
    // second run replays the whole log again.
    explicit ReplayLog(const char* path);

    // Takes the record that begins at offset, and everything after it, out of the log. Durable:
    // on disk before it returns, for the records that must never be undone twice.
    void CutAt(long offset, bool durable);

private:
    OwnedFile file;
};
