// Telling a record's kind by its first letter and taking each kind's data apart.
#include "portable/RecordKinds.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RecordKinds, TheFirstLetterTellsTheKindAndTheDataStartsAtItsPosition)
{
    struct Case {
        const char* line;
        RecordKind kind;
        const char* data;
    } cases[] = {
        {"dir C:\\Apps\\Sample", RecordKind::dir, "C:\\Apps\\Sample"},
        {"file 0 0 C:\\a.exe", RecordKind::file, "0 0 C:\\a.exe"},
        {"inc C:\\WINNT\\system32\\edrt.dll", RecordKind::inc, "C:\\WINNT\\system32\\edrt.dll"},
        {"key HKEY_USERS a\\b", RecordKind::key, "HKEY_USERS a\\b"},
        {"pmngr Group@Item", RecordKind::pmngr, "Group@Item"},
        // Only the first letter is looked at.
        {"dxx C:\\d", RecordKind::dir, "C:\\d"},
        {"fxxx 1 0 p", RecordKind::file, "1 0 p"},
        {"idle", RecordKind::inc, ""},
        {"pxxxxxG@I", RecordKind::pmngr, "G@I"},
        // Exactly as long as the data's position: empty data.
        {"dir ", RecordKind::dir, ""},
        {"key ", RecordKind::key, ""},
        // Shorter than that: nothing is read past the end.
        {"dir", RecordKind::none, nullptr},
        {"file", RecordKind::none, nullptr},
        {"pmngr", RecordKind::none, nullptr},
        {"k", RecordKind::none, nullptr},
        {"", RecordKind::none, nullptr},
        // Other letters, capitals and blanks first.
        {"Dir C:\\d", RecordKind::none, nullptr},
        {" dir C:\\d", RecordKind::none, nullptr},
        {"xfile 0 0 a", RecordKind::none, nullptr},
        {"Sample Editor", RecordKind::none, nullptr},
    };
    for (const auto& c : cases) {
        const char* data = nullptr;
        EXPECT_EQ(ClassifyRecord(c.line, &data), c.kind) << '"' << c.line << '"';
        if (c.data) {
            EXPECT_STREQ(data, c.data) << '"' << c.line << '"';
        }
    }
}

TEST(RecordKinds, AFileIsDeletedByItsRecordOnlyWhenBothNumbersAreZero)
{
    struct Case {
        const char* data;
        const char* path; // null: the record deletes nothing
    } cases[] = {
        {"0 0 C:\\Apps\\Sample\\edit.exe", "C:\\Apps\\Sample\\edit.exe"},
        {"0 0 C:\\Menu\\Sample Editor.lnk", "C:\\Menu\\Sample Editor.lnk"},
        {"0 0 ", ""},
        {"1 1 C:\\x.dll", nullptr},
        {"1 0 C:\\x.dll", nullptr},
        {"0 1 C:\\x.dll", nullptr},
        {"10 0 C:\\x.dll", nullptr},
        {"0 0", nullptr},
        {"0", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const char* path = FileRecordPath(c.data);
        if (c.path) {
            EXPECT_STREQ(path, c.path) << '"' << c.data << '"';
        } else {
            EXPECT_EQ(path, nullptr) << '"' << c.data << '"';
        }
    }
}

TEST(RecordKinds, AKeyPathIsSplitAtItsLastBackslashAndOnlyRegistrationsAreDeleted)
{
    const std::string uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    const std::string longest = std::string(250, 'k') + "\\" + std::string(8, 'n'); // 259 characters
    struct Case {
        std::string data;
        bool split;
        RootKey root;
        std::string parent, name;
        bool registration; // below the uninstall registrations: may be deleted
    } cases[] = {
        {"HKEY_LOCAL_MACHINE " + uninstall + "Sample Editor", true, RootKey::localMachine, uninstall,
         "Sample Editor", true},
        {"HKEY_LOCAL_MACHINE " + uninstall + "Sample Editor\\DisplayName", true, RootKey::localMachine,
         uninstall + "Sample Editor\\", "DisplayName", true},
        {"HKEY_LOCAL_MACHINE software\\microsoft\\windows\\currentversion\\uninstall\\x", true,
         RootKey::localMachine, "software\\microsoft\\windows\\currentversion\\uninstall\\", "x", true},
        // The registrations' own key, a look-alike, another root, another key.
        {"HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall", true, RootKey::localMachine,
         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\", "Uninstall", false},
        {"HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UninstallX\\y", true,
         RootKey::localMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UninstallX\\", "y", false},
        {"HKEY_CURRENT_USER " + uninstall + "Sample Editor", true, RootKey::currentUser, uninstall, "Sample Editor",
         false},
        {"HKEY_LOCAL_MACHINE SOFTWARE\\Sample", true, RootKey::localMachine, "SOFTWARE\\", "Sample", false},
        {"HKEY_CURRENT_USER Software\\A B\\C D", true, RootKey::currentUser, "Software\\A B\\", "C D", false},
        {"HKEY_CLASSES_ROOT .smp\\shell", true, RootKey::classesRoot, ".smp\\", "shell", false},
        {"HKEY_USERS .DEFAULT\\Software", true, RootKey::users, ".DEFAULT\\", "Software", false},
        {"HKEY_USERS \\Top", true, RootKey::users, "\\", "Top", false},
        {"HKEY_USERS " + longest, true, RootKey::users, std::string(250, 'k') + "\\", std::string(8, 'n'), false},
        // Skipped: roots not written exactly, no backslash, nothing after it, too long.
        {"hkey_local_machine SOFTWARE\\x", false, {}, "", "", false},
        {"HKEY_LOCAL_MACHINEX SOFTWARE\\x", false, {}, "", "", false},
        {"HKLM SOFTWARE\\x", false, {}, "", "", false},
        {" HKEY_USERS SOFTWARE\\x", false, {}, "", "", false},
        {"HKEY_LOCAL_MACHINE SOFTWARE", false, {}, "", "", false},
        {"HKEY_LOCAL_MACHINE", false, {}, "", "", false},
        {"HKEY_LOCAL_MACHINE ", false, {}, "", "", false},
        {"HKEY_LOCAL_MACHINE SOFTWARE\\Sample\\", false, {}, "", "", false},
        {"HKEY_USERS " + longest + "n", false, {}, "", "", false},
        {"", false, {}, "", "", false},
    };
    for (const auto& c : cases) {
        KeyRecord key;
        ASSERT_EQ(SplitKeyRecord(c.data.c_str(), &key), c.split) << c.data;
        if (!c.split)
            continue;
        EXPECT_EQ(key.root, c.root) << c.data;
        EXPECT_EQ(std::string(key.parent), c.parent) << c.data;
        EXPECT_EQ(std::string(key.name), c.name) << c.data;
        EXPECT_EQ(IsRegistrationKey(key), c.registration) << c.data;
    }
}

TEST(RecordKinds, AProgramManagerRecordIsSplitAtItsFirstAt)
{
    struct Case {
        const char* data;
        bool split;
        const char* group;
        const char* item;
    } cases[] = {
        {"Sample Editor@Sample Editor", true, "Sample Editor", "Sample Editor"},
        {"Tools@Mail@Home", true, "Tools", "Mail@Home"},
        {"A,B@Item", true, "A,B", "Item"},
        {"@Item", true, "", "Item"},
        {"Group@", true, "Group", ""},
        {"No separator", false, nullptr, nullptr},
        {"", false, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        char group[kLogLineSize];
        const char* item = nullptr;
        ASSERT_EQ(SplitProgmanRecord(c.data, group, &item), c.split) << c.data;
        if (!c.split)
            continue;
        EXPECT_STREQ(group, c.group) << c.data;
        EXPECT_STREQ(item, c.item) << c.data;
    }
}

} // namespace
