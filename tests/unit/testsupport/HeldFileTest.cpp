// The second process that keeps files busy: each way of holding refuses deletion as Windows does.
#include "HeldFile.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

TEST(HeldFile, EachWayOfHoldingRefusesDeletion)
{
    ScratchDir dir("heldfile");
    const std::string data = dir / "data.txt";
    const std::string program = dir / "running.exe";
    ASSERT_TRUE(WriteTextFile(data, "held"));
    ASSERT_TRUE(HeldFile::CopyHolderTo(program));

    struct Case {
        const char* how;
        HeldFile held;
        const std::string& path;
        DWORD error;
    } cases[] = {
        {"open without sharing", HeldFile::Open(data, 0), data, ERROR_SHARING_VIOLATION},
        {"running program", HeldFile::Run(program), program, ERROR_ACCESS_DENIED},
    };
    for (auto& c : cases) {
        ASSERT_TRUE(c.held.Holding()) << c.how;
        SetLastError(0);
        EXPECT_FALSE(DeleteFileA(c.path.c_str())) << c.how;
        EXPECT_EQ(GetLastError(), c.error) << c.how;
        c.held.Release();
        EXPECT_TRUE(DeleteFileA(c.path.c_str())) << c.how << ": free again once released";
    }
}

} // namespace
