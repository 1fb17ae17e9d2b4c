// Reading the uninstall log: the product name, the records newest first, where lines end, and
// what happens to lines longer than the line buffer and to a list that cannot be allocated.
#include "portable/LogRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A log holding exactly these bytes, read from its start.
std::FILE* LogOf(const std::string& bytes)
{
    std::FILE* log = std::tmpfile();
    if (log) {
        std::fwrite(bytes.data(), 1, bytes.size(), log);
        std::rewind(log);
    }
    return log;
}

struct Read {
    std::string product;
    std::vector<std::string> records; // newest first, as the list holds them
};

Read ReadLog(const std::string& bytes)
{
    Read read;
    std::FILE* log = LogOf(bytes);
    if (!log) {
        ADD_FAILURE() << "no temporary file";
        return read;
    }
    char name[kLogLineSize];
    ReadProductName(log, name);
    read.product = name;
    LogRecord* head = nullptr;
    EXPECT_TRUE(LoadRecords(log, &head));
    for (const LogRecord* r = head; r; r = r->next)
        read.records.push_back(r->text);
    FreeRecords(head);
    std::fclose(log);
    return read;
}

TEST(LogRecords, ProductNameThenRecordsNewestFirst)
{
    const std::string longest(1039, 'n');
    struct Case {
        const char* what;
        std::string bytes;
        std::string product;
        std::vector<std::string> records;
    } cases[] = {
        {"empty file", "", "", {}},
        {"header only",
         "Sample Editor\r\ndir C:\\Apps\\Sample\r\n",
         "Sample Editor",
         {"dir C:\\Apps\\Sample"}},
        {"records come out last line first",
         "P\r\ndir a\r\nfile 0 0 b\r\ninc c\r\n",
         "P",
         {"inc c", "file 0 0 b", "dir a"}},
        {"bare line feeds", "P\ndir a\ninc c\n", "P", {"inc c", "dir a"}},
        {"last line without a line end", "P\r\ndir a\r\ninc c", "P", {"inc c", "dir a"}},
        {"name without a line end", "Only a name", "Only a name", {}},
        {"empty lines are kept as lines", "P\r\n\r\ndir a\r\n\r\n", "P", {"", "dir a", ""}},
        {"a carriage return inside a line stays", "P\r\ndir a\rb\r\n", "P", {"dir a\rb"}},
        {"spaces are data", "P  \r\nkey HKEY_USERS a b\\c d \r\n", "P  ", {"key HKEY_USERS a b\\c d "}},
        {"a line of 1039 characters fits", "P\r\n" + longest + "\r\n", "P", {longest}},
    };
    for (const auto& c : cases) {
        Read read = ReadLog(c.bytes);
        EXPECT_EQ(read.product, c.product) << c.what;
        EXPECT_EQ(read.records, c.records) << c.what;
    }
}

TEST(LogRecords, LinesLongerThanTheBufferAreNotTakenAsRecords)
{
    const std::string tail = "file 0 0 C:\\Windows\\important.dll";
    struct Case {
        const char* what;
        std::string bytes;
        std::string product;
        std::vector<std::string> records;
    } cases[] = {
        {"an over-long record is left out, its tail too",
         "P\r\ndir a\r\ndir " + std::string(1036, 'x') + tail + "\r\ninc c\r\n",
         "P",
         {"inc c", "dir a"}},
        {"an over-long record at the end of the file",
         "P\r\ndir a\r\n" + std::string(1040, 'd'),
         "P",
         {"dir a"}},
        {"an over-long name is cut, its rest is no record",
         "N" + std::string(1038, 'n') + tail + "\r\ndir a\r\n",
         "N" + std::string(1038, 'n'),
         {"dir a"}},
    };
    for (const auto& c : cases) {
        Read read = ReadLog(c.bytes);
        EXPECT_EQ(read.product, c.product) << c.what;
        EXPECT_EQ(read.records, c.records) << c.what;
    }
}

// A replay cuts the log at the line of each record it has undone: what is left reads as the
// records before it, whatever the line ends, and an over-long line left out keeps its place.
TEST(LogRecords, EachRecordKnowsWhereItsLineBegins)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<long> offsets; // newest first
    } cases[] = {
        {"header only", "P\r\ndir a\r\n", {3}},
        {"line ends of either kind", "P\r\ndir a\nfile 0 0 b\r\ninc c", {21, 9, 3}},
        {"an empty line is a line", "P\r\n\r\ndir a\r\n", {5, 3}},
        {"after a line left out", "P\r\n" + std::string(1100, 'x') + "\r\ndir a\r\n", {1105}},
    };
    for (const auto& c : cases) {
        std::FILE* log = LogOf(c.bytes);
        ASSERT_NE(log, nullptr);
        char name[kLogLineSize];
        ReadProductName(log, name);
        LogRecord* head = nullptr;
        ASSERT_TRUE(LoadRecords(log, &head));
        std::vector<long> offsets;
        for (const LogRecord* r = head; r; r = r->next)
            offsets.push_back(r->offset);
        EXPECT_EQ(offsets, c.offsets) << c.what;
        if (head) {
            const Read cut = ReadLog(c.bytes.substr(0, static_cast<std::size_t>(head->offset)));
            Read whole = ReadLog(c.bytes);
            whole.records.erase(whole.records.begin());
            EXPECT_EQ(cut.records, whole.records) << c.what;
        }
        FreeRecords(head);
        std::fclose(log);
    }
}

TEST(LogRecords, ReadLogLineTellsWholeFromOverlongLines)
{
    std::FILE* log = LogOf(std::string(1039, 'a') + "\n" + std::string(1040, 'b') + "\r\nc");
    ASSERT_NE(log, nullptr);
    char line[kLogLineSize];
    EXPECT_EQ(ReadLogLine(log, line), LineRead::Whole);
    EXPECT_EQ(std::string(line), std::string(1039, 'a'));
    EXPECT_EQ(ReadLogLine(log, line), LineRead::Overlong);
    EXPECT_EQ(std::string(line), std::string(1039, 'b'));
    EXPECT_EQ(ReadLogLine(log, line), LineRead::Whole);
    EXPECT_EQ(std::string(line), "c");
    EXPECT_EQ(ReadLogLine(log, line), LineRead::End);
    std::fclose(log);
}

// Fails the allocation with this number (counting from 1); the others are real.
int failingAllocation = 0;
int allocations = 0;
void* FailOnCue(std::size_t size)
{
    return ++allocations == failingAllocation ? nullptr : std::malloc(size);
}

TEST(LogRecords, NoListWhenMemoryRunsOut)
{
    for (int fail : {1, 2, 3}) {
        std::FILE* log = LogOf("dir a\r\ndir b\r\ndir c\r\n");
        ASSERT_NE(log, nullptr);
        failingAllocation = fail;
        allocations = 0;
        LogRecord* head = reinterpret_cast<LogRecord*>(&allocations);
        EXPECT_FALSE(LoadRecords(log, &head, FailOnCue)) << fail;
        EXPECT_EQ(head, nullptr) << fail;
        std::fclose(log);
    }
}

} // namespace
