// A new file put at its target whole: copied beside it under a temporary name and then renamed
// over it, so that the target path holds the old file or all of the new one, never a part, even
// when setup is killed halfway through a copy.
#pragma once

#include "platform/ScopedWin.h"

#include <windows.h>

#include <string>

// The temporary file beside a target, named after it, so that the next install of the same
// target replaces a temporary file that a killed setup left: "~name.tmp", or, where that would
// not fit the path limit, the name with its first character replaced by '~' ('_' for a name
// that starts with one), which fits wherever the target does.
std::string TemporaryPathFor(const std::string& target);

// Deletes a temporary file of ours, also where its copy took the source's read-only bit.
bool DeleteTemporary(const std::string& path);

// A copy of a source file in the temporary file of a target: its contents, its attribute word
// (as read before) and its last-write time. A copy that is not put in place is deleted when the
// object goes.
class TemporaryCopy {
public:
    TemporaryCopy(const std::string& source, DWORD attributes, const std::string& target);
    ~TemporaryCopy();
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    // False when the copy failed; Error() says why, as a copy of the file would.
    bool Made() const { return error == 0; }
    DWORD Error() const { return error; }

    // Renames the copy over the target, replacing whatever stands there (on Windows 95, which
    // cannot replace in one rename, that is deleted first). False with Error() set.
    bool PutInPlace();

private:
    DWORD Copy(const std::string& source, DWORD attributes);
    DWORD CopyContents(HANDLE from);

    std::string target;
    std::string temp;
    ScopedFile file; // open from the copy until it is put in place
    DWORD error = 0;
    bool placed = false;
};
