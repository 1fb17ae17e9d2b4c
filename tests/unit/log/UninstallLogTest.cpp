// The uninstall log as it lies on disk: the header only in an empty log, the records of a later
// install appended under it, CR LF lines, and every line there even when setup dies with the log
// still open.
#include "engine/UninstallLog.h"

#include "ScratchDir.h"
#include "Waiting.h"

#include <gtest/gtest.h>

#include <cstring>

using testing_support::ReadTextFile;
using testing_support::ScratchDir;
using testing_support::WriteTextFile;

namespace {

const char kDieArgument[] = "--write-records-and-die";

// One record of each kind, as an install on Windows NT 4 writes them, with the line each gives.
const struct {
    void (*write)(FILE* log);
    const char* line;
} kRecords[] = {
    {[](FILE* log) { WriteIncRecord(log, "C:\\WINNT\\system32\\edrt.dll"); },
     "inc C:\\WINNT\\system32\\edrt.dll"},
    {[](FILE* log) { WriteFileRecord(log, 1, 1, "C:\\WINNT\\system32\\edrt.dll"); },
     "file 1 1 C:\\WINNT\\system32\\edrt.dll"},
    {[](FILE* log) { WriteDirRecord(log, "C:\\Apps\\Sample\\help"); }, "dir C:\\Apps\\Sample\\help"},
    {[](FILE* log) { WriteFileRecord(log, 0, 0, "C:\\Apps\\Sample\\help\\edit.hlp"); },
     "file 0 0 C:\\Apps\\Sample\\help\\edit.hlp"},
    {[](FILE* log) { WriteDirRecord(log, "C:\\Menu\\Programs\\Sample Editor"); },
     "dir C:\\Menu\\Programs\\Sample Editor"},
    {[](FILE* log) { WriteShortcutRecord(log, "C:\\Menu\\Programs\\Sample Editor\\Sample Editor.lnk"); },
     "file 0 0 C:\\Menu\\Programs\\Sample Editor\\Sample Editor.lnk"},
    {[](FILE* log) { WritePmngrRecord(log, "Sample Editor", "Sample Editor"); },
     "pmngr Sample Editor@Sample Editor"},
    {[](FILE* log) { WriteKeyRecord(log, "HKEY_LOCAL_MACHINE", "SOFTWARE\\Sample Editor\\DisplayName"); },
     "key HKEY_LOCAL_MACHINE SOFTWARE\\Sample Editor\\DisplayName"},
};

std::string Header(const std::string& product, const std::string& dir)
{
    return product + "\r\n" + "dir " + dir + "\r\n";
}

// A setup that dies mid-install: the records are written and the process ends without closing
// (or flushing) the stream, as a crash or a kill would end it.
int WriteRecordsAndDie(const char* dir)
{
    FILE* log = OpenUninstallLog(dir, "Sample Editor");
    if (!log)
        return 2;
    for (const auto& record : kRecords)
        record.write(log);
    TerminateProcess(GetCurrentProcess(), 7);
    return 3;
}

TEST(UninstallLog, HeaderOnlyInAnEmptyLogAndRecordsAtTheEnd)
{
    const std::string earlier = "Other Product\r\ndir C:\\Other\r\nfile 0 0 C:\\Other\\a.exe\r\n";
    const struct {
        const char* situation;
        bool exists;
        std::string before;
        bool header;
        const char* lineEnd; // what this run adds to the log before its first record
    } cases[] = {
        {"no log yet", false, "", true, ""},
        {"an empty log", true, "", true, ""},
        {"the log of an earlier install into the same directory", true, earlier, false, ""},
        {"a last line cut off", true, "Other Product\r\ndir C:\\Other\r\nfile 0 0 C:\\Oth", false, "\r\n"},
        {"a line end cut in two", true, "Other Product\r\ndir C:\\Other\r", false, "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        ScratchDir dir("log-header");
        const std::string path = dir / ".UnInst.inf";
        if (c.exists) {
            ASSERT_TRUE(WriteTextFile(path, c.before));
        }

        FILE* log = OpenUninstallLog(dir.Path().c_str(), "Sample Editor");
        ASSERT_NE(log, nullptr);
        WriteFileRecord(log, 0, 0, "C:\\Apps\\Sample\\edit.exe");
        std::fclose(log);
        EXPECT_EQ(ReadTextFile(path), c.before + c.lineEnd +
                                          (c.header ? Header("Sample Editor", dir.Path()) : "") +
                                          "file 0 0 C:\\Apps\\Sample\\edit.exe\r\n");
    }
}

TEST(UninstallLog, EveryLineIsOnDiskWhenSetupDiesWithTheLogOpen)
{
    ScratchDir dir("log-durable");
    char self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, self, sizeof self), 0u);
    std::string command = std::string("\"") + self + "\" " + kDieArgument + " \"" + dir.Path() + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, ui::Allowed(30000)), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    GetExitCodeProcess(pi.hProcess, &exitCode);
    CloseHandle(pi.hProcess);
    ASSERT_EQ(exitCode, 7u);

    std::string expected = Header("Sample Editor", dir.Path());
    for (const auto& record : kRecords)
        expected += std::string(record.line) + "\r\n";
    EXPECT_EQ(ReadTextFile(dir / ".UnInst.inf"), expected);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], kDieArgument) == 0)
        return WriteRecordsAndDie(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
