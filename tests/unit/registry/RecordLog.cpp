// An install context with a log of its own per test.
#include "RecordLog.h"

#include <cstdio>

RecordLog::RecordLog(const std::string& name) : dir(name)
{
    context.log = std::fopen((dir / "records.txt").c_str(), "w");
}

RecordLog::~RecordLog()
{
    if (context.log)
        std::fclose(context.log);
}

std::string RecordLog::Text() const
{
    return testing_support::ReadTextFile(dir / "records.txt");
}
