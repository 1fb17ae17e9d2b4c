// The install context of the registry tests, logging into a file of a scratch folder.
#pragma once

#include "engine/InstallContext.h"

#include "ScratchDir.h"

#include <string>

// For its lifetime, Context() logs into a file of a scratch folder (text mode, as setup's log).
class RecordLog {
public:
    explicit RecordLog(const std::string& name);
    ~RecordLog();
    RecordLog(const RecordLog&) = delete;
    RecordLog& operator=(const RecordLog&) = delete;

    InstallContext& Context() { return context; }
    // What was logged so far, the bytes as they are on disk.
    std::string Text() const;

private:
    testing_support::ScratchDir dir;
    InstallContext context;
};
