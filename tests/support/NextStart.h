// What Windows does at its next start, as the tests see it: the pending moves, wininit.ini, and
// a restart as Wine makes one (wineboot -r carries both out).
#pragma once

#include "RegistryGuard.h"

#include <string>
#include <vector>

namespace testing_support {

// Restarts "Windows": the pending moves and the renames of wininit.ini are carried out.
bool RestartWindows();

// The pending moves of the next start (PendingFileRenameOperations), one string each.
std::vector<std::string> PendingMoves();

// While it lives, what the next start would do belongs to the test: the pending moves and
// wininit.ini (with the wininit.bak that a restart leaves) are removed again when it goes.
class NextStartGuard {
public:
    NextStartGuard();
    ~NextStartGuard();
    NextStartGuard(const NextStartGuard&) = delete;
    NextStartGuard& operator=(const NextStartGuard&) = delete;

    static std::string WininitPath();

private:
    RegistryValueGuard pending;
};

} // namespace testing_support
