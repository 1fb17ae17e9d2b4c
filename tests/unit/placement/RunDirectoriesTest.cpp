// What an install run knows of its directories: a name it has not put in a directory it created
// cannot stand there, and nothing else is ever taken for absent.
#include "engine/RunDirectories.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

namespace {

TEST(RunDirectories, OnlyANameNeverPutInADirectoryOfTheRunsOwnIsAbsent)
{
    testing_support::ScratchDir dir("run-directories");
    const std::string made = dir / "made", found = dir / "found";
    ASSERT_TRUE(CreateDirectoryA(found.c_str(), nullptr));
    RunDirectories run;
    EXPECT_TRUE(run.Create(made)) << "outside a run every question goes to the file system";
    EXPECT_TRUE(run.MayHold(made, "a.dll"));
    ASSERT_TRUE(RemoveDirectoryA(made.c_str()));

    run.Begin();
    EXPECT_TRUE(run.Create(made));
    EXPECT_FALSE(run.Create(made)) << "false as the call would be";
    EXPECT_FALSE(run.Create(found));
    run.Put(made + "\\a.dll");
    const struct {
        std::string dir;
        const char* name;
        bool mayHold;
    } cases[] = {
        {made, "a.dll", true},
        {made, "A.DLL", true}, // names compare without case
        {made, "b.dll", false},
        {made, "~cv1a2b3.tmp", true}, // an 8.3 alias of another name may match it
        {found, "b.dll", true},       // it was there before the run
        {dir / "elsewhere", "b.dll", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run.MayHold(c.dir, c.name), c.mayHold) << c.dir << "\\" << c.name;
    run.End();
    EXPECT_TRUE(run.MayHold(made, "b.dll")) << "the run is over";
}

} // namespace
