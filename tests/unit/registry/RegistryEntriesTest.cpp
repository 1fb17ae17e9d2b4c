// Registry keys and text values made by setup: what lands in the registry, and the "key" records
// written only for what was really made.
#include "RecordLog.h"

#include "engine/RegistryEntries.h"

#include "RegistryGuard.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

namespace {

const std::string kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The uninstall registration, the three calls as the install run makes them; their results.
std::vector<int> Register(std::FILE* install, const std::string& product, const std::string& installDir)
{
    const std::string key = kUninstallKey + product;
    const std::string command = installDir + "\\Uninstall.exe \"" + installDir + "\\.UnInst.inf\"";
    return {
        CreateRegistryKey(install, HKEY_LOCAL_MACHINE, key.c_str()),
        SetRegistryString(install, HKEY_LOCAL_MACHINE, (key + "\\DisplayName").c_str(), product.c_str()),
        SetRegistryString(install, HKEY_LOCAL_MACHINE, (key + "\\UninstallString").c_str(), command.c_str())};
}

std::string KeyLine(const std::string& path)
{
    return "key HKEY_LOCAL_MACHINE " + path + "\r\n";
}

TEST(RegistryEntries, RegistrationRunTwiceWritesTheExampleLinesTwice)
{
    RecordLog log("registry-example");
    RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, kUninstallKey + "Sample Editor");
    const std::string lines =
        "key HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample Editor\r\n"
        "key HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample Editor"
        "\\DisplayName\r\n"
        "key HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sample Editor"
        "\\UninstallString\r\n";

    // The second run opens the key the first one made and overwrites its values.
    EXPECT_EQ(Register(log.Log(), "Sample Editor", "C:\\Apps\\Earlier"), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(log.Text(), lines);
    EXPECT_EQ(Register(log.Log(), "Sample Editor", "C:\\Apps\\Sample"), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(log.Text(), lines + lines);

    const struct {
        const char* value;
        std::string text;
    } values[] = {
        {"DisplayName", "Sample Editor"},
        {"UninstallString", "C:\\Apps\\Sample\\Uninstall.exe \"C:\\Apps\\Sample\\.UnInst.inf\""},
    };
    for (const auto& v : values) {
        DWORD type = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, kUninstallKey + "Sample Editor", v.value, &type, &data));
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << v.value;
        EXPECT_EQ(std::string(data.begin(), data.end()), v.text + '\0') << v.value;
    }
}

// The longest value path, ...\<product>\UninstallString, fills the 260-byte work buffer at a
// product name of 191 characters; one more must fail without writing or logging anything.
TEST(RegistryEntries, ProductNameLengthAtTheWorkBufferLimit)
{
    const struct {
        size_t length;
        std::vector<int> results;
    } cases[] = {
        {191, {1, 1, 1}},
        {192, {1, 1, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        RecordLog log("registry-long");
        const std::string product(c.length, 'P');
        const std::string key = kUninstallKey + product;
        RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, key);

        EXPECT_EQ(Register(log.Log(), product, "C:\\Apps\\Sample"), c.results);
        const bool fits = c.results[2] == 1;
        EXPECT_EQ(log.Text(), KeyLine(key) + KeyLine(key + "\\DisplayName") +
                                  (fits ? KeyLine(key + "\\UninstallString") : ""));
        EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, key, "DisplayName"), product);
        DWORD type;
        std::vector<BYTE> data;
        EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, key, "UninstallString", &type, &data), fits);
    }
}

TEST(RegistryEntries, ValueThatCannotBeWrittenIsNotLogged)
{
    const struct {
        const char* situation;
        const char* valuePath;
    } cases[] = {
        {"key missing", "SOFTWARE\\Corvel Tests Missing\\DisplayName"},
        {"no key path at all", "DisplayName"},
    };
    const std::string missing = "SOFTWARE\\Corvel Tests Missing";
    DeleteKeyTree(HKEY_LOCAL_MACHINE, missing); // a test-owned name; the guard removes what a fault makes
    RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, missing);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        RecordLog log("registry-missing");
        EXPECT_EQ(SetRegistryString(log.Log(), HKEY_LOCAL_MACHINE, c.valuePath, "text"), 0);
        EXPECT_EQ(log.Text(), "");
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, missing));
    }
}

TEST(RegistryEntries, RootNamesInTheLog)
{
    const struct {
        HKEY root;
        const char* keyPath;
        const char* line;
    } cases[] = {
        {HKEY_CLASSES_ROOT, "CorvelTests.Key", "key HKEY_CLASSES_ROOT CorvelTests.Key\r\n"},
        {HKEY_CURRENT_USER, "Software\\Corvel Tests", "key HKEY_CURRENT_USER Software\\Corvel Tests\r\n"},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvel Tests", "key HKEY_LOCAL_MACHINE SOFTWARE\\Corvel Tests\r\n"},
        {HKEY_USERS, ".Default\\Software\\Corvel Tests",
         "key HKEY_USERS .Default\\Software\\Corvel Tests\r\n"},
        {HKEY_CURRENT_CONFIG, "Software\\Corvel Tests", "key HKEY_USERS Software\\Corvel Tests\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        RecordLog log("registry-roots");
        RegistryKeyGuard guard(c.root, c.keyPath);
        EXPECT_EQ(CreateRegistryKey(log.Log(), c.root, c.keyPath), 1);
        EXPECT_TRUE(KeyExists(c.root, c.keyPath));
        EXPECT_EQ(log.Text(), c.line);
    }
}

} // namespace
