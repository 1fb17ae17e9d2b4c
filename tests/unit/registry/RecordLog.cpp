// A log of its own per test.
#include "RecordLog.h"

#include <cstdio>

RecordLog::RecordLog(const std::string& name) : dir(name)
{
    log = std::fopen((dir / "records.txt").c_str(), "w");
}

RecordLog::~RecordLog()
{
    if (log)
        std::fclose(log);
}

std::string RecordLog::Text() const
{
    return testing_support::ReadTextFile(dir / "records.txt");
}
