// Start-menu entries on Windows NT 3.x: groups and items of Program Manager, made by sending it
// commands over DDE (service and topic "PROGMAN"). Each operation runs its own DDE client.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Makes the group, or makes the existing group of that name the active one, and shows it; items
// are added to the active group. Shows a message when the group could not be made. 1 once the
// commands were attempted; 0 when the command buffer or the DDE client could not be set up.
// *active tells whether Program Manager made the group the active one (either command took):
// only then may an item be added, or it would go into whichever group is active.
int AddProgmanGroup(const char* group, bool* active = nullptr);

// Adds an item for target to the active group, in place of an item of the same title. Nothing
// is shown on failure. 1 once attempted; 0 when the DDE client could not be set up.
int AddProgmanItem(const char* title, const char* target);

// The names of Program Manager's groups, in its order; none when it could not be asked or did
// not answer in time.
std::vector<std::string> ProgmanGroupNames();
