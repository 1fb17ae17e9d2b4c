// Deleting registry keys by their log records, in the prefix's real registry.
#include "RegistryKeys.h"

#include "RegistryGuard.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const std::string kUninstallKeys = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

TEST(RegistryKeys, TheRegistrationGoesWithItsKeyRecordAlone)
{
    const std::string product = kUninstallKeys + "\\Corvel Registry Test";
    RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, product);
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, product, "DisplayName", "Corvel Registry Test"));
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, product, "UninstallString", "C:\\x\\Uninstall.exe"));

    // The replay order: the value records first, then the key's own record.
    for (const char* value : {"UninstallString", "DisplayName"}) {
        RemoveRegistryKey(("HKEY_LOCAL_MACHINE " + product + "\\" + value).c_str());
        EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, product, value),
                  value == std::string("DisplayName") ? "Corvel Registry Test" : "C:\\x\\Uninstall.exe")
            << "a value record changes nothing";
    }
    RemoveRegistryKey(("HKEY_LOCAL_MACHINE " + product).c_str());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, product));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKeys));
}

// A damaged or foreign log may name any key: only uninstall registrations are deleted.
TEST(RegistryKeys, OnlyARegistrationIsDeletedUnderAnyRoot)
{
    struct Case {
        const char* rootName;
        HKEY root;
        std::string parent;
        bool deleted;
    } cases[] = {
        {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE, kUninstallKeys + "\\Corvel Tests", true},
        {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE, "SOFTWARE\\Corvel Tests", false},
        {"HKEY_CURRENT_USER", HKEY_CURRENT_USER, kUninstallKeys + "\\Corvel Tests", false},
        {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT, "Corvel.Tests", false},
        {"HKEY_USERS", HKEY_USERS, ".DEFAULT\\Software\\Corvel Tests", false},
    };
    for (const auto& c : cases) {
        RegistryKeyGuard guard(c.root, c.parent);
        const std::string gone = c.parent + "\\Product Key";
        const std::string kept = c.parent + "\\Other Key";
        ASSERT_TRUE(SetString(c.root, gone, "Value", "x")) << c.rootName;
        ASSERT_TRUE(SetString(c.root, kept, "Value", "x")) << c.rootName;

        RemoveRegistryKey((std::string(c.rootName) + " " + gone).c_str());

        EXPECT_EQ(KeyExists(c.root, gone), !c.deleted) << c.rootName << " " << c.parent;
        EXPECT_TRUE(KeyExists(c.root, kept)) << c.rootName << " " << c.parent;
    }
}

TEST(RegistryKeys, RecordsThatNameNoSubKeyChangeNothing)
{
    const std::string parent = kUninstallKeys + "\\Corvel Tests";
    const std::string product = parent + "\\Product";
    struct Case {
        const char* what;
        std::string data;
    } cases[] = {
        {"unknown root", "HKEY_LOCAL_MACHINE_X " + product},
        {"root in other case", "hkey_local_machine " + product},
        {"the key's own name by a trailing backslash", "HKEY_LOCAL_MACHINE " + product + "\\"},
        {"a key with sub-keys by a trailing backslash", "HKEY_LOCAL_MACHINE " + parent + "\\"},
        {"no sub-key of that name", "HKEY_LOCAL_MACHINE " + product + "\\Value"},
        {"a key path too long for its buffer",
         "HKEY_LOCAL_MACHINE " + product + "\\" + std::string(259 - product.size(), 'x')},
    };
    for (const auto& c : cases) {
        RegistryKeyGuard guard(HKEY_LOCAL_MACHINE, parent);
        ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, product, "Value", "x"));

        RemoveRegistryKey(c.data.c_str());

        EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, product, "Value"), "x") << c.what;
    }
}

} // namespace
