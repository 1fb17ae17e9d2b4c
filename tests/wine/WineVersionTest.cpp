// The harness's version switch: GetVersionExA reports the Windows version that the test asked
// for with CORVEL_WINVER, as Wine emulates it.
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct ExpectedVersion {
    const char* setting;
    DWORD platformId;
    DWORD major;
    DWORD minor;
};

const ExpectedVersion kVersions[] = {
    {"win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0},
    {"nt351", VER_PLATFORM_WIN32_NT, 3, 51},
    {"nt40", VER_PLATFORM_WIN32_NT, 4, 0},
    {"default", VER_PLATFORM_WIN32_NT, 6, 1},
};

TEST(WineVersion, ReportsTheVersionTheHarnessSet)
{
    const char* setting = std::getenv("CORVEL_WINVER");
    if (!setting || !*setting)
        setting = "default";
    const ExpectedVersion* expected = nullptr;
    for (const auto& v : kVersions)
        if (std::strcmp(v.setting, setting) == 0)
            expected = &v;
    ASSERT_NE(expected, nullptr) << "unknown CORVEL_WINVER " << setting;

    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, expected->platformId);
    EXPECT_EQ(info.dwMajorVersion, expected->major);
    EXPECT_EQ(info.dwMinorVersion, expected->minor);
}

} // namespace
