// A new file put at its target whole: copied beside it under a temporary name and then renamed
// over it, so that the target path holds the old file or all of the new one, never a part, even
// when setup is killed halfway through a copy.
#pragma once

#include "platform/ScopedWin.h"

#include <windows.h>

#include <string>

// The temporary file beside a target: "~cv", five hexadecimal digits of the target's name (in any
// case) and the attempt, ".tmp". An 8.3 name, which every volume takes, and the same for the same
// target, so that the next install of it finds what a killed setup left. Where it would not fit
// the path limit, it is cut to what fits, which is never shorter than the target's own name.
std::string TemporaryPathFor(const std::string& target, unsigned attempt = 0);

// From its creation until it is in place, a temporary file of ours is hidden and a system file; a
// file of its name without both is not ours, and is never touched.
constexpr DWORD kTemporaryMark = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
bool IsOurTemporary(const std::string& path);

// Deletes a temporary file of ours, also a read-only one (an earlier build's copy took the
// source's read-only bit before its rename).
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
    // cannot replace in one rename, that is deleted first), and gives it its attribute word.
    // False with Error() set; where only the attributes failed, the file is in place.
    bool PutInPlace();

private:
    static constexpr unsigned kNameAttempts = 8; // names taken by files of the user's

    // Whether the copy is renamed while open (Windows Vista and later, a drive path).
    bool RenamesOpenFiles() const;
    DWORD Copy(const std::string& source, DWORD attributes);
    // Creates the temporary file, with its mark; false with the last error set.
    bool Create(DWORD access);
    DWORD CopyContents(HANDLE from);

    std::string target;
    std::string temp;
    DWORD finalAttributes = 0; // taken once the copy is in place; until then it bears its mark
    bool made = false;
    ScopedFile file; // open from the copy until it is put in place
    DWORD error = 0;
    bool placed = false;
};
