// The versioned copy against real files: copies of the version fixtures with dates set on them,
// files kept busy by a second process, and the messages read from the boxes the user would see.
#include "engine/VersionedCopy.h"
#include "engine/VifBits.h"
#include "engine/WholeFile.h"
#include "platform/PathBuffer.h"

#include "HeldFile.h"
#include "MessageBoxes.h"
#include "ScratchDir.h"
#include "VersionFixtures.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace testing_support;
using version_fixtures::Place;
using version_fixtures::WrittenOnDay;

namespace {

const char kSourceName[] = "new.dll";
const char kTargetName[] = "lib.dll";
using Messages = std::vector<std::string>;
const Messages kNone;
const Messages kCopyFailed{"Copy failed."};

int TemporaryFiles(const std::string& dir)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\~*").c_str(), &data); // the temporary names begin so
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        ++count;
    while (FindNextFileA(find, &data));
    FindClose(find);
    return count;
}

class VersionedCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeDirs(src));
        ASSERT_TRUE(MakeDirs(dst));
        ASSERT_TRUE(MakeDirs(other));
    }

    // One call as placement makes it. The buffers the copy must zero or leave alone are checked
    // every time, and whatever the user was shown is kept in `messages`.
    DWORD Copy(DWORD flags, const std::string& curDir, const std::string& destDir)
    {
        char cur[kPathBufferSize];
        lstrcpynA(cur, curDir.c_str(), sizeof cur);
        char tmpFile[kPathBufferSize] = "untouched";
        DWORD tmpFileLen = kPathBufferSize;
        RunDirectories directories;
        const DWORD result = CopyVersionedFile(directories, flags, kSourceName, kTargetName, src.c_str(),
                                               destDir.c_str(), cur, tmpFile, &tmpFileLen);
        EXPECT_EQ(tmpFileLen, 0u);
        EXPECT_STREQ(tmpFile, "untouched");
        curDirAfter = cur;
        messages = watcher.Take();
        EXPECT_EQ(TemporaryFiles(destDir), 0) << "a temporary file was left behind";
        return result;
    }
    DWORD Copy(DWORD flags) { return Copy(flags, dst, dst); }

    ui::MessageBoxWatcher watcher;
    ScratchDir dir{"copy"};
    const std::string src = dir / "src";
    const std::string dst = dir / "dst";
    const std::string other = dir / "other";
    const std::string source = src + "\\" + kSourceName;
    const std::string target = dst + "\\" + kTargetName;
    std::string curDirAfter;
    Messages messages;
};

TEST_F(VersionedCopy, DateThenFileVersionDecide)
{
    struct Case {
        const char* what;
        const char* source; // fixture; null: no source
        WORD sourceDay;
        const char* current; // fixture in the target's place; null: none
        WORD currentDay;
        DWORD flags;
        DWORD result;
        DWORD sourceAttributes = 0; // given to the source; the copy must bear them and nothing else
    } cases[] = {
        {"missing source", nullptr, 0, "v1-2-3-4", 10, 0, VIF_CANNOTREADSRC},
        {"missing source, forced", nullptr, 0, "v1-2-3-4", 10, kCopyForce, VIF_CANNOTREADSRC},
        {"equal dates, higher version", "v1-2-3-5", 10, "v1-2-3-4", 10, 0, VIF_SRCOLD},
        {"earlier, higher version", "v1-2-3-5", 9, "v1-2-3-4", 10, 0, VIF_SRCOLD},
        {"later, equal version", "v1-2-3-4", 11, "v1-2-3-4", 10, 0, VIF_MISMATCH | VIF_SRCOLD},
        {"later, current LS higher", "v1-2-3-4", 11, "v1-2-3-5", 10, 0, VIF_MISMATCH | VIF_SRCOLD},
        {"later, current MS higher, LS lower", "v1-2-3-5", 11, "v1-3-0-0", 10, 0, VIF_MISMATCH | VIF_SRCOLD},
        {"later, current MS with its top bit", "v1-3-0-0", 11, "v40000-0-0-0", 10, 0,
         VIF_MISMATCH | VIF_SRCOLD},
        {"later, LS higher", "v1-2-3-5", 11, "v1-2-3-4", 10, 0, 0},
        {"later, MS higher, LS lower", "v1-3-0-0", 11, "v1-2-3-5", 10, 0, 0},
        {"later, MS with its top bit", "v40000-0-0-0", 11, "v1-3-0-0", 10, 0, 0},
        {"later, source without version", "noversion", 11, "v1-3-0-0", 10, 0, 0},
        {"later, current without version", "v1-2-3-4", 11, "noversion", 10, 0, 0},
        {"later, source version unreadable", "nofixed", 11, "v1-2-3-4", 10, 0, VIF_CANNOTREADSRC},
        {"later, current version unreadable", "v1-2-3-4", 11, "nofixed", 10, 0, VIF_CANNOTREADDST},
        {"no current copy", "v1-2-3-4", 11, nullptr, 0, 0, 0},
        {"no current copy, a read-only hidden source", "v1-2-3-4", 11, nullptr, 0, 0, 0,
         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
        {"later, a system source", "v1-2-3-5", 11, "v1-2-3-4", 10, 0, 0, FILE_ATTRIBUTE_SYSTEM},
        {"forced over a later, higher copy", "v1-2-3-4", 9, "v1-3-0-0", 10, kCopyForce, 0},
        {"forced over an unreadable copy", "v1-2-3-4", 9, "nofixed", 10, kCopyForce, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& path : {source, target}) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        if (c.source) {
            ASSERT_TRUE(Place(c.source, source, c.sourceDay));
            if (c.sourceAttributes) {
                ASSERT_TRUE(SetFileAttributesA(source.c_str(), c.sourceAttributes));
            }
        }
        if (c.current) {
            ASSERT_TRUE(Place(c.current, target, c.currentDay));
        }

        EXPECT_EQ(Copy(c.flags), c.result);
        EXPECT_EQ(messages, kNone);
        // The copy keeps the source's date, so the date tells which file stands at the target.
        EXPECT_EQ(WrittenOnDay(target), c.result == 0 ? c.sourceDay : c.currentDay);
        if (c.result == 0) {
            EXPECT_EQ(ReadTextFile(target), ReadTextFile(version_fixtures::Path(c.source)));
            EXPECT_EQ(GetFileAttributesA(target.c_str()), GetFileAttributesA(source.c_str()))
                << "the copy's attributes are not the source's (a temporary's mark left on it?)";
        }
    }
}

TEST_F(VersionedCopy, CurrentCopyDirectory)
{
    // The process's directory holds a folder "cur" with a later copy: a relative current-copy
    // directory without a backslash must not reach it.
    char saved[MAX_PATH];
    ASSERT_TRUE(GetCurrentDirectoryA(sizeof saved, saved));
    ASSERT_TRUE(SetCurrentDirectoryA(dir.Path().c_str()));
    ASSERT_TRUE(MakeDirs(dir / "cur"));
    const std::string relative = dir / "cur\\lib.dll";
    const std::string elsewhere = other + "\\" + kTargetName;

    enum Where { Nowhere, AtTarget, Elsewhere };
    struct Case {
        const char* what;
        std::string curDir;
        Where current;   // where the copy in place stands
        WORD currentDay; // later than the source's 10 when above it
        DWORD flags;
        DWORD result;
        const char* curDirAfter;
        bool currentStays;
        bool targetWritten;
    } cases[] = {
        {"empty: no comparison", "", AtTarget, 20, 0, 0, "", false, true},
        {"no backslash: none", "cur", Nowhere, 0, 0, 0, "", false, true},
        {"elsewhere, older: deleted there", other, Elsewhere, 5, 0, 0, nullptr, false, true},
        {"elsewhere, later: kept", other, Elsewhere, 20, 0, VIF_SRCOLD, nullptr, true, false},
        {"elsewhere, older, keep flag", other, Elsewhere, 5, kCopyKeep, 0, nullptr, true, true},
        {"elsewhere, forced", other, Elsewhere, 20, kCopyForce, 0, nullptr, false, true},
        {"missing directory", dir / "missing", Nowhere, 0, 0, VIF_CANNOTDELETE, nullptr, false, false},
        {"missing directory, forced", dir / "missing", Nowhere, 0, kCopyForce, VIF_CANNOTDELETE, nullptr,
         false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(target.c_str());
        DeleteFileA(elsewhere.c_str());
        ASSERT_TRUE(Place("v1-2-3-5", source, 10));
        ASSERT_TRUE(Place("v1-2-3-4", relative, 20));
        const std::string currentPath = c.current == Elsewhere ? elsewhere : target;
        if (c.current != Nowhere) {
            ASSERT_TRUE(Place("v1-2-3-4", currentPath, c.currentDay));
        }

        EXPECT_EQ(Copy(c.flags, c.curDir, dst), c.result);
        EXPECT_EQ(messages, kNone);
        EXPECT_EQ(curDirAfter, c.curDirAfter ? c.curDirAfter : c.curDir);
        EXPECT_EQ(WrittenOnDay(relative), 20) << "the relative folder was reached";
        if (c.current == Elsewhere) {
            EXPECT_EQ(PathExists(elsewhere), c.currentStays);
        }
        EXPECT_EQ(WrittenOnDay(target), c.targetWritten ? 10 : 0);
    }
    SetCurrentDirectoryA(saved);
}

TEST_F(VersionedCopy, WriteProtectionAndFilesInUse)
{
    enum Hold { ReadOnly, SystemOpen, Open, Loaded, Running, TargetOpen, SourceOpen };
    struct Case {
        const char* what;
        Hold hold;
        bool withCurrentDir; // false: no current copy named, the copy goes straight over
        DWORD flags;
        DWORD result;
        Messages shown;
        bool replaced;
    } cases[] = {
        {"read-only", ReadOnly, true, 0, VIF_WRITEPROT, kNone, false},
        {"read-only, forced", ReadOnly, true, kCopyForce, 0, kNone, true},
        {"system file held open", SystemOpen, true, kCopyForce, VIF_FILEINUSE, kNone, false},
        {"held open without sharing", Open, true, kCopyForce, VIF_CANNOTDELETE, kNone, false},
        {"held open: its version unreadable", Open, true, 0, VIF_CANNOTREADDST, kNone, false},
        {"loaded library", Loaded, true, 0, kVifDeleteDenied, kNone, false},
        {"running program", Running, true, kCopyForce, kVifDeleteDenied, kNone, false},
        {"target held open, no current copy", TargetOpen, false, 0, VIF_FILEINUSE | VIF_SHARINGVIOLATION,
         kCopyFailed, false},
        {"source held open: its version unreadable", SourceOpen, true, 0, VIF_CANNOTREADSRC, kNone, false},
        {"source held open, forced", SourceOpen, true, kCopyForce, VIF_FILEINUSE | VIF_SHARINGVIOLATION,
         kCopyFailed, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(target.c_str());
        ASSERT_TRUE(Place("v1-2-3-5", source, 20));
        if (c.hold == Running) {
            ASSERT_TRUE(HeldFile::CopyHolderTo(target));
            ASSERT_TRUE(SetWriteTime(target, 2001, 2, 10));
        } else {
            ASSERT_TRUE(Place("v1-2-3-4", target, 10));
        }
        const std::string before = ReadTextFile(target);
        const DWORD attributes = c.hold == ReadOnly     ? FILE_ATTRIBUTE_READONLY
                                 : c.hold == SystemOpen ? FILE_ATTRIBUTE_SYSTEM
                                                        : FILE_ATTRIBUTE_NORMAL;
        ASSERT_TRUE(SetFileAttributesA(target.c_str(), attributes));
        std::optional<HeldFile> held;
        if (c.hold == SystemOpen || c.hold == Open || c.hold == TargetOpen)
            held.emplace(HeldFile::Open(target, 0));
        else if (c.hold == SourceOpen)
            held.emplace(HeldFile::Open(source, 0));
        else if (c.hold == Loaded)
            held.emplace(HeldFile::Load(target));
        else if (c.hold == Running)
            held.emplace(HeldFile::Run(target));
        ASSERT_TRUE(!held || held->Holding());

        EXPECT_EQ(Copy(c.flags, c.withCurrentDir ? dst : "", dst), c.result);
        EXPECT_EQ(messages, c.shown);
        held.reset();
        // Never neither: the copy in place stays as it was, or the new file stands there.
        EXPECT_EQ(ReadTextFile(target), c.replaced ? ReadTextFile(source) : before);
        if (c.hold == ReadOnly) {
            EXPECT_EQ(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY,
                      c.replaced ? 0u : static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
        }
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(VersionedCopy, AMoveRefusedAfterTheDeleteKeepsTheTargetAndClassifiesLikeACopy)
{
    // The current copy stands elsewhere; the target holds an older copy that another process
    // keeps open, so the new file cannot be moved into place.
    const std::string elsewhere = other + "\\" + kTargetName;
    ASSERT_TRUE(Place("v1-2-3-5", source, 20));
    ASSERT_TRUE(Place("v1-2-3-4", elsewhere, 10));
    ASSERT_TRUE(Place("v1-2-3-4", target, 10));
    HeldFile held = HeldFile::Open(target, 0);
    ASSERT_TRUE(held.Holding());

    EXPECT_EQ(Copy(0, other, dst), static_cast<DWORD>(VIF_ACCESSVIOLATION));
    EXPECT_EQ(messages, kCopyFailed);
    held.Release();
    EXPECT_EQ(WrittenOnDay(target), 10);
}

TEST_F(VersionedCopy, PathsAtAndBeyondThePlatformLimit)
{
    const std::string longDir = dst + "\\" + std::string(250, 'd');
    // 259 characters: the buffer holds it, but no path below it fits.
    const std::string longCurDir = "C:\\" + std::string(kPathBufferSize - 4, 'c');
    ASSERT_EQ(longCurDir.size(), static_cast<size_t>(kPathBufferSize - 1));
    // A directory of 250 characters leaves room for lib.dll, but not for a longer temporary name.
    const std::string dir250 = dst + "\\" + std::string(250 - dst.size() - 1, 'r');
    ASSERT_TRUE(MakeDirs(dir250));
    struct Case {
        const char* what;
        std::string srcDir, curDir, destDir;
        bool current; // an older copy stands in the current-copy directory
        DWORD result;
        Messages shown;
    } cases[] = {
        {"source", longDir, dst, dst, false, VIF_CANNOTREADSRC, kNone},
        {"target", src, "", longDir, false, VIF_CANNOTCREATE, kCopyFailed},
        {"target, older copy in place", src, dst, longDir, true, VIF_CANNOTCREATE, kCopyFailed},
        {"current copy: as if none", src, longCurDir, dst, false, 0, kNone},
        {"replacement in a directory of 250 characters", src, dir250, dir250, true, 0, kNone},
    };
    ASSERT_TRUE(Place("v1-2-3-5", source, 20));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string current = c.curDir + "\\" + kTargetName;
        const std::string written = c.destDir + "\\" + kTargetName;
        DeleteFileA(target.c_str());
        DeleteFileA(written.c_str());
        if (c.current) {
            ASSERT_TRUE(Place("v1-2-3-4", current, 10));
        }
        char cur[kPathBufferSize];
        lstrcpynA(cur, c.curDir.c_str(), sizeof cur);
        char tmpFile[kPathBufferSize];
        DWORD tmpFileLen = kPathBufferSize;
        RunDirectories directories;
        EXPECT_EQ(CopyVersionedFile(directories, 0, kSourceName, kTargetName, c.srcDir.c_str(),
                                    c.destDir.c_str(), cur, tmpFile, &tmpFileLen),
                  c.result);
        EXPECT_EQ(watcher.Take(), c.shown);
        EXPECT_EQ(WrittenOnDay(c.result == 0 ? written : current), c.result == 0 ? 20 : c.current ? 10 : 0);
        EXPECT_EQ(TemporaryFiles(c.destDir), 0);
    }
}

// The temporary file's name: 8.3, the same for one target in any case, another for another
// attempt, and within the path limit wherever the target is.
TEST(TemporaryPathFor, AnEightThreeNameOfTheTargetWithinThePathLimit)
{
    const std::string dir = "C:\\d\\";
    const std::string first = TemporaryPathFor(dir + "edit.exe");
    ASSERT_EQ(first.size(), dir.size() + 12);
    EXPECT_EQ(first.compare(0, dir.size() + 3, dir + "~cv"), 0) << first;
    EXPECT_EQ(first.substr(first.size() - 4), ".tmp");
    EXPECT_EQ(first.find_first_not_of("0123456789abcdef", dir.size() + 3), first.size() - 4) << first;
    EXPECT_EQ(TemporaryPathFor(dir + "EDIT.EXE"), first);
    EXPECT_NE(TemporaryPathFor(dir + "edit.hlp"), first);
    EXPECT_NE(TemporaryPathFor(dir + "edit.exe", 1), first);
    // Where the full name would pass the limit it is cut, never below the target's own length.
    const std::string deep = "C:\\" + std::string(kPathBufferSize - 1 - 3 - 1 - 7, 'd') + "\\";
    const std::string cut = TemporaryPathFor(deep + "lib.dll");
    EXPECT_EQ(cut.size(), static_cast<size_t>(kPathBufferSize - 1));
    EXPECT_EQ(cut.compare(0, deep.size() + 3, deep + "~cv"), 0);
    EXPECT_EQ(TemporaryPathFor(deep + "a").size(), deep.size() + 7) << "cut to what fits, not to the name";
}

// A file that stands under the temporary name is the user's unless it carries our mark: it stays
// as it was, and the copy takes the next name. What a killed run left, with the mark, goes.
TEST_F(VersionedCopy, TheTemporaryNameTakesNothingOfTheUsers)
{
    const std::string temp = TemporaryPathFor(target);
    const struct {
        const char* what;
        std::string name;
        DWORD attributes;
        bool stays;
    } cases[] = {
        {"the user's file of that name", temp, FILE_ATTRIBUTE_NORMAL, true},
        {"the user's hidden file of that name", temp, FILE_ATTRIBUTE_HIDDEN, true},
        {"the user's file of the old temporary name", dst + "\\~lib.dll.tmp", FILE_ATTRIBUTE_NORMAL, true},
        {"a killed run's temporary file, read-only", temp, kTemporaryMark | FILE_ATTRIBUTE_READONLY, false},
    };
    ASSERT_TRUE(Place("v1-2-3-5", source, 20));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(Place("v1-2-3-4", target, 10));
        ASSERT_TRUE(WriteTextFile(c.name, "the user's own\r\n"));
        ASSERT_TRUE(SetFileAttributesA(c.name.c_str(), c.attributes));
        char cur[kPathBufferSize];
        lstrcpynA(cur, dst.c_str(), sizeof cur);
        char tmpFile[kPathBufferSize];
        DWORD tmpFileLen = kPathBufferSize;
        RunDirectories directories;
        EXPECT_EQ(CopyVersionedFile(directories, 0, kSourceName, kTargetName, src.c_str(), dst.c_str(), cur,
                                    tmpFile, &tmpFileLen),
                  0u);
        EXPECT_EQ(watcher.Take(), kNone);
        EXPECT_EQ(WrittenOnDay(target), 20);
        EXPECT_EQ(PathExists(c.name), c.stays);
        EXPECT_EQ(TemporaryFiles(dst), c.stays ? 1 : 0) << "a temporary file of ours was left";
        if (c.stays) {
            EXPECT_EQ(GetFileAttributesA(c.name.c_str()) & kTemporaryMark, c.attributes & kTemporaryMark);
            SetFileAttributesA(c.name.c_str(), FILE_ATTRIBUTE_NORMAL);
            EXPECT_EQ(ReadTextFile(c.name), "the user's own\r\n");
            DeleteFileA(c.name.c_str());
        }
    }
}

} // namespace
