// The application object of the registry tests and the log its operations write to.
#pragma once

#include "app/SetupApp.h"

#include "ScratchDir.h"

#include <string>

// For its lifetime, theApp logs into a file of a scratch folder (text mode, as setup's log).
class RecordLog {
public:
    explicit RecordLog(const std::string& name);
    ~RecordLog();
    RecordLog(const RecordLog&) = delete;
    RecordLog& operator=(const RecordLog&) = delete;

    // What was logged so far, the bytes as they are on disk.
    std::string Text() const;

private:
    testing_support::ScratchDir dir;
};
