// Undoing the recorded changes, newest first.
#pragma once

#include "portable/LogRecords.h"

// Treats every record of the list, from its head, by its kind; every record is tried once,
// whatever the earlier ones gave.
void ReplayRecords(const LogRecord* newestFirst);
