// Telling a log record's kind and taking its data apart. A record is a keyword, a space and its
// data; only the keyword's first letter counts, and the data begins at a fixed position for each
// kind:
//
//     dir <directory>                         data at 4
//     file <shared> <system> <path>           data at 5
//     inc <path of a counted shared file>     data at 4
//     key <root name> <key path>[\<value>]    data at 4
//     pmngr <group>@<item>                    data at 6
#pragma once

#include "portable/LogRecords.h"

#include <cstddef>

enum class RecordKind { None, Dir, File, Inc, Key, Pmngr };

// The kind of a record line and, through *data, where its data begins. A line that begins with
// another letter, or that ends before its kind's data would begin, is of no kind.
RecordKind ClassifyRecord(const char* line, const char** data);

// The path of a `file` record whose two numbers are both 0, or null: files of shared or system
// modules go through their count instead.
const char* FileRecordPath(const char* data);

// Key paths are taken into a buffer of this size: at most 259 characters.
constexpr std::size_t kKeyPathSize = 260;

enum class RootKey { CurrentUser, ClassesRoot, LocalMachine, Users };

struct KeyRecord {
    RootKey root;
    char parent[kKeyPathSize]; // the key path up to its last backslash, that backslash included
    char name[kKeyPathSize];   // the last component: the sub-key to delete
};

// Splits `key` data: the root name before the first space, the key path after it. False (the
// record is skipped) for an unknown root, a path without a backslash or with nothing after its
// last one, and a path too long for the buffer.
bool SplitKeyRecord(const char* data, KeyRecord* key);

// True for a key that setup may have written: one below the uninstall registrations of
// HKEY_LOCAL_MACHINE (never that key itself). Any other key record comes from a damaged or
// foreign log; on Windows 95 deleting a key takes everything under it.
bool IsRegistrationKey(const KeyRecord& key);

// Splits `pmngr` data at its first "@" into the group and the item name; false without one.
// The group is copied into *group (a record line always fits it); *item points into data.
bool SplitProgmanRecord(const char* data, char (&group)[kLogLineSize], const char** item);
