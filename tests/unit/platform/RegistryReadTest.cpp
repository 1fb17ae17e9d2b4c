// Reading one text value: as stored, or expanded when it is REG_EXPAND_SZ; 259 characters fit.
#include "engine/RegistryRead.h"
#include "RegistryGuard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;

TEST(ReadRegistryString, ValuesAsStoredOrExpanded)
{
    const std::string key = "Software\\Corvel Tests\\Registry Read";
    RegistryKeyGuard guard(HKEY_CURRENT_USER, "Software\\Corvel Tests");
    ASSERT_TRUE(SetEnvironmentVariableA("CORVEL_DIR", "E:\\Corvel"));
    ASSERT_TRUE(SetEnvironmentVariableA("CORVEL_200", std::string(200, 'L').c_str()));
    const struct {
        const char* value; // may name sub-keys: only the last backslash separates the value
        const char* data;  // null: not stored
        DWORD type;
        int result;
        std::string text;
    } cases[] = {
        {"Plain", "C:\\Plain %CORVEL_DIR%", REG_SZ, 1, "C:\\Plain %CORVEL_DIR%"},
        {"Expand", "%CORVEL_DIR%\\Programs", REG_EXPAND_SZ, 1, "E:\\Corvel\\Programs"},
        {"Undefined", "%CORVEL_UNDEFINED%\\x", REG_EXPAND_SZ, 1, "%CORVEL_UNDEFINED%\\x"},
        {"Empty", "", REG_SZ, 1, ""},
        {"259", nullptr, REG_SZ, 1, std::string(259, 'a')},
        {"260", nullptr, REG_SZ, 0, ""},
        {"Expands to 259", nullptr, REG_EXPAND_SZ, 1, std::string(200, 'L') + std::string(59, 'b')},
        {"Expands to 260", nullptr, REG_EXPAND_SZ, 0, ""},
        {"Sub\\Deeper\\Name", "deep", REG_SZ, 1, "deep"},
        {"Missing", nullptr, REG_SZ, 0, ""},
    };
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, key, "259", std::string(259, 'a')));
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, key, "260", std::string(260, 'a')));
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, key, "Expands to 259", "%CORVEL_200%" + std::string(59, 'b'),
                          REG_EXPAND_SZ));
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, key, "Expands to 260", "%CORVEL_200%" + std::string(60, 'b'),
                          REG_EXPAND_SZ));
    for (const auto& c : cases) {
        const std::string path = key + "\\" + c.value;
        if (c.data) {
            const size_t cut = path.rfind('\\');
            ASSERT_TRUE(
                SetString(HKEY_CURRENT_USER, path.substr(0, cut), path.substr(cut + 1), c.data, c.type));
        }
        char buffer[260] = "";
        EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, path.c_str(), buffer, sizeof buffer), c.result)
            << c.value;
        if (c.result) {
            EXPECT_EQ(std::string(buffer), c.text) << c.value;
        }
    }
    char buffer[260];
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, "Software\\Corvel Tests\\No Such Key\\X", buffer, 260),
              0);
}

} // namespace
