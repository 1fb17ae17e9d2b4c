// The platform kinds the installer tells apart; the running one is decided once at start and read
// by the script reader, the file placement, the shortcuts and the wizard.
#pragma once

enum : int {
    kPlatformUnknown = 0, // the run ends
    kPlatformWin95 = 1,
    kPlatformNT3 = 2, // Windows NT before version 4
    kPlatformNT4 = 3, // Windows NT 4 or later
};
