// The reference counts of shared files under SharedDLLs, raised once per placement so that an
// uninstall deletes a file only when no product counts on it any more.
#pragma once

#include <cstdio>

// Raises the count of an installed file and logs an "inc" record; 0 when the key could not be
// opened. A failure shows its message.
int IncrementSharedCount(std::FILE* log, const char* path);
