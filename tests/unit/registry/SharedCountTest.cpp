// The SharedDLLs count of a shared file: raised by one, started at 1, kept at its highest, and
// the two failures as the user sees them.
#include "RecordLog.h"

#include "engine/SharedCount.h"

#include "MessageBoxes.h"
#include "RegistryGuard.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const char kSharedDlls[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const char kFile[] = "C:\\WINNT\\system32\\edrt.dll";

// A fresh prefix has no SharedDLLs key: each test makes its own and the guard removes it again.
class SharedCount : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedDlls, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    RegistryKeyGuard guard{HKEY_LOCAL_MACHINE, kSharedDlls};
    RecordLog log{"shared-count"};
    ui::MessageBoxWatcher boxes;
};

TEST_F(SharedCount, RaisesTheStoredCount)
{
    const struct {
        const char* situation;
        void (*prepare)();
        DWORD expected;
    } cases[] = {
        {"no value yet", [] { DeleteValue(HKEY_LOCAL_MACHINE, kSharedDlls, kFile); }, 1},
        {"a count of 3", [] { SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, kFile, 3); }, 4},
        {"more than 4 bytes",
         [] {
             SetBinary(HKEY_LOCAL_MACHINE, kSharedDlls, kFile, {1, 2, 3, 4, 5, 6, 7, 8});
         },
         1},
        {"the highest count", [] { SetDword(HKEY_LOCAL_MACHINE, kSharedDlls, kFile, 0xFFFFFFFF); },
         0xFFFFFFFF},
    };
    std::string records;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        c.prepare();
        EXPECT_EQ(IncrementSharedCount(log.Log(), kFile), 1);

        DWORD type = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, kSharedDlls, kFile, &type, &data));
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
        ASSERT_EQ(data.size(), sizeof(DWORD));
        EXPECT_EQ(*reinterpret_cast<const DWORD*>(data.data()), c.expected);
        records += std::string("inc ") + kFile + "\r\n";
        EXPECT_EQ(log.Text(), records);
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(SharedCount, MissingKeyIsReportedWithItsErrorAndNotLogged)
{
    ASSERT_TRUE(DeleteKeyTree(HKEY_LOCAL_MACHINE, kSharedDlls));
    EXPECT_EQ(IncrementSharedCount(log.Log(), kFile), 0);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{
                                 "Failed to open the registery counter for this shared file. Error = 2"});
    EXPECT_EQ(log.Text(), "");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kSharedDlls));
}

// The registry refuses a value name longer than 16383 characters, though the key opened fine. A
// count that was not raised is not logged, or the uninstaller would lower it.
TEST_F(SharedCount, FailedWriteIsReportedAndNotLogged)
{
    const std::string path = "C:\\" + std::string(16400, 'x') + ".dll";
    EXPECT_EQ(IncrementSharedCount(log.Log(), path.c_str()), 1);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"Failed to increment the registery counter for this shared file."});
    EXPECT_EQ(log.Text(), "");
}

} // namespace
