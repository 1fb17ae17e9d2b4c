// The folders that belong to the system, not to a product: no uninstall removes them, whatever
// a log says (a script without a Start-menu folder logs the Programs folder itself).
#pragma once

// The root of a drive or share, the Windows and system directories, Program Files, the user's and
// the common Start Menu, Programs, Startup and desktop folders, as the system reports them,
// compared without case and in both their long and 8.3 forms.
bool IsSystemFolder(const char* path);
