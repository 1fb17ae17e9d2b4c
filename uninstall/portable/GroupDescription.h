// Reading Program Manager's description of a group: its first line holds the group name in
// quotes, the group file's path and the number of items, separated by commas.
#pragma once

// True when the description's third field reads as the number 0. Fields are separated by commas,
// empty fields are skipped, and a field that begins with a double quote runs to its closing quote,
// so that a comma inside a quoted group name does not shift the count out of its place.
// A field that does not begin with a number reads as 0.
bool GroupDescriptionSaysEmpty(const char* description);
