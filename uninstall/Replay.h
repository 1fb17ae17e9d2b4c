// Undoing the recorded changes, newest first.
#pragma once

#include "ReplayLog.h"
#include "portable/LogRecords.h"

// Treats every record of the list, from its head, by its kind; every record is tried once,
// whatever the earlier ones gave, and cut off the log once it is done.
void ReplayRecords(const LogRecord* newestFirst, ReplayLog& log);
