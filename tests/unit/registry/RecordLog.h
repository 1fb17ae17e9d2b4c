// The log of the registry tests, a file of a scratch folder.
#pragma once

#include "ScratchDir.h"

#include <cstdio>
#include <string>

// For its lifetime, Log() is a log in a file of a scratch folder (text mode, as setup's log).
class RecordLog {
public:
    explicit RecordLog(const std::string& name);
    ~RecordLog();
    RecordLog(const RecordLog&) = delete;
    RecordLog& operator=(const RecordLog&) = delete;

    std::FILE* Log() { return log; }
    // What was logged so far, the bytes as they are on disk.
    std::string Text() const;

private:
    testing_support::ScratchDir dir;
    std::FILE* log = nullptr;
};
