// Lowering SharedDLLs counts against the prefix's real registry, with real files.
#include "SharedCounts.h"

#include "HeldFile.h"
#include "RegistryGuard.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

namespace {

const char kSharedDlls[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

TEST(SharedCounts, ACountReachingZeroTakesTheFileAndTheCountWithIt)
{
    struct Case {
        const char* what;
        bool counted; // a value exists before
        DWORD before;
        bool held; // another process holds the file open
        int releases;
        bool fileStays;
        bool countStays;
        DWORD after;
    } cases[] = {
        {"3 becomes 2", true, 3, false, 1, true, true, 2},
        {"1 becomes 0: file and count go", true, 1, false, 1, false, false, 0},
        {"1 for a file in use is stored as 0", true, 1, true, 1, true, true, 0},
        {"0 stays 0", true, 0, false, 1, true, true, 0},
        {"no count: nothing changes", false, 0, false, 1, true, false, 0},
        {"two records for one path lower it twice", true, 3, false, 2, true, true, 1},
        {"two records for a count of 2 delete the file", true, 2, false, 2, false, false, 0},
        {"a file in use keeps 0 through a second record", true, 1, true, 2, true, true, 0},
    };
    for (const auto& c : cases) {
        ScratchDir dir("shared-counts");
        RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, kSharedDlls);
        const std::string file = dir / "edrt.dll";
        ASSERT_TRUE(WriteTextFile(file, "runtime"));
        if (c.counted) {
            ASSERT_TRUE(SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, file, c.before));
        } else {
            ASSERT_TRUE(SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, "other", 1)) << "the key itself exists";
        }
        std::vector<HeldFile> holder;
        if (c.held) {
            holder.push_back(HeldFile::Open(file, 0));
            ASSERT_TRUE(holder.back().Holding()) << c.what;
        }

        for (int i = 0; i < c.releases; ++i)
            ReleaseSharedCount(file.c_str());

        holder.clear();
        EXPECT_EQ(PathExists(file), c.fileStays) << c.what;
        DWORD type = 0;
        std::vector<BYTE> data;
        ASSERT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kSharedDlls, file, &type, &data), c.countStays) << c.what;
        if (c.countStays) {
            EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << c.what;
            ASSERT_EQ(data.size(), 4u) << c.what;
            EXPECT_EQ(*reinterpret_cast<const DWORD*>(data.data()), c.after) << c.what;
        }
    }
}

TEST(SharedCounts, AnyValueOfUpToFourBytesIsACount)
{
    struct Case {
        const char* what;
        DWORD type;
        std::vector<BYTE> data;
        bool lowered; // otherwise the value is left as it was
        DWORD after;
    } cases[] = {
        {"binary 2", REG_BINARY, {2, 0, 0, 0}, true, 1},
        {"one byte", REG_BINARY, {5}, true, 4},
        {"above 16 bits", REG_DWORD, {0, 0, 1, 0}, true, 0xffff},
        {"more than four bytes", REG_BINARY, {2, 0, 0, 0, 0}, false, 0},
    };
    for (const auto& c : cases) {
        ScratchDir dir("shared-count-types");
        RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, kSharedDlls);
        const std::string file = dir / "edrt.dll";
        ASSERT_TRUE(WriteTextFile(file, "runtime"));
        ASSERT_TRUE(SetBinary(HKEY_LOCAL_MACHINE, kSharedDlls, file, c.data));
        if (c.type != REG_BINARY) {
            ASSERT_TRUE(SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, file,
                                 *reinterpret_cast<const DWORD*>(c.data.data())));
        }

        ReleaseSharedCount(file.c_str());

        EXPECT_TRUE(PathExists(file)) << c.what;
        DWORD type = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, kSharedDlls, file, &type, &data)) << c.what;
        if (c.lowered) {
            EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << c.what;
            EXPECT_EQ(data, std::vector<BYTE>({BYTE(c.after), BYTE(c.after >> 8), 0, 0})) << c.what;
        } else {
            EXPECT_EQ(type, c.type) << c.what;
            EXPECT_EQ(data, c.data) << c.what;
        }
    }
}

TEST(SharedCounts, WithoutTheSharedDllsKeyNothingIsCreated)
{
    ScratchDir dir("shared-count-nokey");
    RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, kSharedDlls);
    ASSERT_TRUE(DeleteKeyTree(HKEY_LOCAL_MACHINE, kSharedDlls));
    const std::string file = dir / "edrt.dll";
    ASSERT_TRUE(WriteTextFile(file, "runtime"));

    ReleaseSharedCount(file.c_str());

    EXPECT_TRUE(PathExists(file));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kSharedDlls));
}

} // namespace
