// The application object whose operations these tests call, with a log of its own per test.
#include "TestApp.h"

#include <cstdio>

CSetupApp theApp;

RecordLog::RecordLog(const std::string& name) : dir(name)
{
    theApp.logFile = std::fopen((dir / "records.txt").c_str(), "w");
}

RecordLog::~RecordLog()
{
    if (theApp.logFile)
        std::fclose(theApp.logFile);
    theApp.logFile = nullptr;
}

std::string RecordLog::Text() const
{
    return testing_support::ReadTextFile(dir / "records.txt");
}
