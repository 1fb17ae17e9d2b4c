// Removing Program Manager items and the groups they leave empty, over DDE (service and topic
// "PROGMAN"). Each operation opens a DDE client of its own and closes it before it returns;
// failures are printed and the replay goes on.
#pragma once

// Data: group name, "@", item name. Deletes the item, then the group if it has no items left.
void RemoveProgmanEntry(const char* data);

// Makes the group the active one, then deletes the item from it.
void DeleteProgmanItem(const char* group, const char* item);

// Asks Program Manager for the group's description; true when it says the group has no items.
// No answer counts as not empty.
bool IsProgmanGroupEmpty(const char* group);

void DeleteProgmanGroup(const char* group);
