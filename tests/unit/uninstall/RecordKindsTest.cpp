// Telling a record's kind by its first letter and taking each kind's data apart.
#include "portable/RecordKinds.h"
#include "portable/FolderNames.h"

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
        {"dir C:\\Apps\\Sample", RecordKind::Dir, "C:\\Apps\\Sample"},
        {"file 0 0 C:\\a.exe", RecordKind::File, "0 0 C:\\a.exe"},
        {"inc C:\\WINNT\\system32\\edrt.dll", RecordKind::Inc, "C:\\WINNT\\system32\\edrt.dll"},
        {"key HKEY_USERS a\\b", RecordKind::Key, "HKEY_USERS a\\b"},
        {"pmngr Group@Item", RecordKind::Pmngr, "Group@Item"},
        // Only the first letter is looked at.
        {"dxx C:\\d", RecordKind::Dir, "C:\\d"},
        {"fxxx 1 0 p", RecordKind::File, "1 0 p"},
        {"idle", RecordKind::Inc, ""},
        {"pxxxxxG@I", RecordKind::Pmngr, "G@I"},
        // Exactly as long as the data's position: empty data.
        {"dir ", RecordKind::Dir, ""},
        {"key ", RecordKind::Key, ""},
        // Shorter than that: nothing is read past the end.
        {"dir", RecordKind::None, nullptr},
        {"file", RecordKind::None, nullptr},
        {"pmngr", RecordKind::None, nullptr},
        {"k", RecordKind::None, nullptr},
        {"", RecordKind::None, nullptr},
        // Other letters, capitals and blanks first.
        {"Dir C:\\d", RecordKind::None, nullptr},
        {" dir C:\\d", RecordKind::None, nullptr},
        {"xfile 0 0 a", RecordKind::None, nullptr},
        {"Sample Editor", RecordKind::None, nullptr},
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
        {"HKEY_LOCAL_MACHINE " + uninstall + "Sample Editor", true, RootKey::LocalMachine, uninstall,
         "Sample Editor", true},
        {"HKEY_LOCAL_MACHINE " + uninstall + "Sample Editor\\DisplayName", true, RootKey::LocalMachine,
         uninstall + "Sample Editor\\", "DisplayName", true},
        {"HKEY_LOCAL_MACHINE software\\microsoft\\windows\\currentversion\\uninstall\\x", true,
         RootKey::LocalMachine, "software\\microsoft\\windows\\currentversion\\uninstall\\", "x", true},
        // The registrations' own key, a look-alike, another root, another key.
        {"HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall", true,
         RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\", "Uninstall", false},
        {"HKEY_LOCAL_MACHINE SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UninstallX\\y", true,
         RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UninstallX\\", "y", false},
        {"HKEY_CURRENT_USER " + uninstall + "Sample Editor", true, RootKey::CurrentUser, uninstall,
         "Sample Editor", false},
        {"HKEY_LOCAL_MACHINE SOFTWARE\\Sample", true, RootKey::LocalMachine, "SOFTWARE\\", "Sample", false},
        {"HKEY_CURRENT_USER Software\\A B\\C D", true, RootKey::CurrentUser, "Software\\A B\\", "C D", false},
        {"HKEY_CLASSES_ROOT .smp\\shell", true, RootKey::ClassesRoot, ".smp\\", "shell", false},
        {"HKEY_USERS .DEFAULT\\Software", true, RootKey::Users, ".DEFAULT\\", "Software", false},
        {"HKEY_USERS \\Top", true, RootKey::Users, "\\", "Top", false},
        {"HKEY_USERS " + longest, true, RootKey::Users, std::string(250, 'k') + "\\", std::string(8, 'n'),
         false},
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

// A `dir` record is never a drive's or a share's root, however it is spelt.
namespace {

TEST(FolderNames, RootsAndTrailingBackslashes)
{
    struct Case {
        const char* path;
        const char* folder;
        bool root;
    } cases[] = {
        {"C:\\Apps\\Sample", "C:\\Apps\\Sample", false},
        {"C:\\Apps\\Sample\\\\", "C:\\Apps\\Sample", false},
        {"C:", "C:", true},
        {"C:\\", "C:", true},
        {"\\", "", true},
        {"", "", false},
        {"\\\\server\\share", "\\\\server\\share", true},
        {"\\\\server\\share\\", "\\\\server\\share", true},
        {"\\\\server\\share\\Apps", "\\\\server\\share\\Apps", false},
        {"\\\\server", "\\\\server", false},
        {"C:\\Program Files", "C:\\Program Files", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithoutTrailingBackslashes(c.path), c.folder) << c.path;
        EXPECT_EQ(IsRootFolder(c.path), c.root) << c.path;
    }
}

} // namespace
