// Setup scripts read into the install model: what each platform kind keeps, in which order, and
// the messages that stop the installation.
#include "script/SetupScriptReader.h"
#include "ScriptTestText.h"
#include "platform/PlatformKinds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A script read from text, through a stream as setup.exe reads it and from memory as the checker
// does: the two must give the same model. The model is freed when the reading goes.
struct Reading {
    Reading(const std::string& text, int platformKind)
    {
        ScriptModel fromText;
        TextLineSource source(text);
        const int textResult = ReadScriptModel(
            source, platformKind, fromText, [](const char*) {}, nullptr);
        std::FILE* file = std::tmpfile();
        if (!file) {
            ADD_FAILURE() << "no temporary file";
            return;
        }
        std::fwrite(text.data(), 1, text.size(), file);
        std::rewind(file);
        result = ReadScriptModel(file, platformKind, model,
                                 [this](const char* message) { messages.push_back(message); });
        std::fclose(file);
        EXPECT_EQ(textResult, result);
        EXPECT_EQ(ModelText(fromText.modules), ModelText(model.modules));
        FreeModuleList(fromText.modules);
    }
    ~Reading() { FreeModuleList(model.modules); }

    int result = -1;
    std::vector<std::string> messages;
    ScriptModel model;
};

TEST(SetupScriptReader, TheExampleOnEachPlatform)
{
    const std::string common = kExampleModelNT;
    const struct {
        int kind;
        std::string modules;
    } cases[] = {
        {kPlatformWin95, "Extras(0 0 1 0 0 0 0){} " + common},
        {kPlatformNT3, common},
        {kPlatformNT4, common},
    };
    for (const auto& c : cases) {
        Reading r(kExampleScript, c.kind);
        EXPECT_EQ(r.result, 1) << c.kind;
        EXPECT_TRUE(r.messages.empty()) << c.kind;
        EXPECT_EQ(r.model.productName, "Sample Editor");
        EXPECT_EQ(r.model.programFolder, "Sample Editor");
        EXPECT_EQ(ModelText(r.model.modules), c.modules) << c.kind;
    }
}

// The first four lines: format, names, permissions, and the messages that stop the reading.
TEST(SetupScriptReader, HeadLinesAndTheirMessages)
{
    const char* unknown = "Unknown .inf file format.";
    const char* no95 = "This program can not be installed on Windows 95";
    const char* no351 = "This program can not be installed on NT 3.51";
    const char* no4 = "This program can not be installed on NT 4";
    const struct {
        const char* what;
        std::string text;
        int kind;
        const char* message; // null: read
        const char* product;
        const char* folder;
        int nt351, nt4, win95;
    } cases[] = {
        {"format 007", SOH "S" SOH " 007\nP\nF\n1 1 1\n", kPlatformNT4, nullptr, "P", "F", 1, 1, 1},
        {"format 0", SOH "S" SOH " 0\nP\nF\n1 1 1\n", kPlatformNT4, unknown, "", "", 0, 0, 0},
        {"negative format", SOH "S" SOH " -1\nP\nF\n1 1 1\n", kPlatformNT4, unknown, "", "", 0, 0, 0},
        {"no format number", SOH "S" SOH "\nP\nF\n1 1 1\n", kPlatformNT4, unknown, "", "", 0, 0, 0},
        {"two spaces before it", SOH "S" SOH "  1\nP\nF\n1 1 1\n", kPlatformNT4, unknown, "", "", 0, 0, 0},
        {"no SOH", "1\nP\nF\n1 1 1\n", kPlatformNT4, unknown, "", "", 0, 0, 0},
        {"empty file", "", kPlatformWin95, unknown, "", "", 0, 0, 0},
        {"names trimmed at the end only", SOH "S" SOH " 1\n  P q \t\v\f\r\n\tF\r\n1 1 1", kPlatformNT3,
         nullptr, "  P q", "\tF", 1, 1, 1},
        {"Windows 95 refused", SOH "S" SOH " 1\nP\nF\n1 1 0\n", kPlatformWin95, no95, "P", "F", 1, 1, 0},
        {"NT 3.51 refused", SOH "S" SOH " 1\nP\nF\n0 1 1\n", kPlatformNT3, no351, "P", "F", 0, 1, 1},
        {"NT 4 refused", SOH "S" SOH " 1\nP\nF\n1 0 1\n", kPlatformNT4, no4, "P", "F", 1, 0, 1},
        {"others allowed", SOH "S" SOH " 1\nP\nF\n0 0 1\n", kPlatformWin95, nullptr, "P", "F", 0, 0, 1},
        {"leading blank", SOH "S" SOH " 1\nP\nF\n 1 1 1\n", kPlatformNT3, no351, "P", "F", 0, 1, 1},
        {"two spaces", SOH "S" SOH " 1\nP\nF\n1  1 1\n", kPlatformNT4, no4, "P", "F", 1, 0, 1},
        {"ends after line 1", SOH "S" SOH " 1", kPlatformNT4, no4, "", "", 0, 0, 0},
        {"ends after line 3", SOH "S" SOH " 1\nP\nF\n", kPlatformWin95, no95, "P", "F", 0, 0, 0},
    };
    for (const auto& c : cases) {
        Reading r(c.text, c.kind);
        EXPECT_EQ(r.result, c.message ? 0 : 1) << c.what;
        EXPECT_EQ(r.messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(r.model.productName, c.product) << c.what;
        EXPECT_EQ(r.model.programFolder, c.folder) << c.what;
        EXPECT_EQ(r.model.allowNT351, c.nt351) << c.what;
        EXPECT_EQ(r.model.allowNT4, c.nt4) << c.what;
        EXPECT_EQ(r.model.allowWin95, c.win95) << c.what;
        EXPECT_EQ(r.model.modules, nullptr) << c.what;
    }
}

// Module headers and file lines after the head, as the platform kind keeps them.
TEST(SetupScriptReader, ModulesAndFiles)
{
    const std::string head = SOH "S" SOH " 1\nP\nF\n1 1 1\n";
    const std::string moduleM = SOH "M" SOH " 1 1 1 0 0 1 0\n";
    const std::string fileA = SOH "a" SOH " " SOH "(NULL)" SOH " 0 " SOH SOH "\n";
    const std::string fileB = SOH "b" SOH " " SOH "(NULL)" SOH " 0 " SOH SOH "\n";
    const struct {
        const char* what;
        int kind;
        std::string body;
        const char* modules;
    } cases[] = {
        {"@ header", kPlatformNT4, "@" + moduleM + fileA, "M(1 1 1 0 0 1 0){a>a 0 ''}"},
        {"@@ header, the same", kPlatformNT4, "@@" + moduleM + fileA, "M(1 1 1 0 0 1 0){a>a 0 ''}"},
        {"@ without SOH ends the module", kPlatformNT4,
         "@" + moduleM + fileA + "@ remark\n" + fileB + "@@\n" + fileB + "@@@" + moduleM + fileB,
         "M(1 1 1 0 0 1 0){a>a 0 ''}"},
        {"files before the first header", kPlatformWin95, fileA + "@" + moduleM, "M(1 1 1 0 0 1 0){}"},
        {"files of a module of other platforms", kPlatformWin95,
         "@" SOH "X" SOH " 1 1 0 0 0 0 0\n" + fileA + "@" SOH "Y" SOH " 0 0 1 0 0 0 0\n" + fileB,
         "Y(0 0 1 0 0 0 0){b>b 0 ''}"},
        {"NT 3.x keeps by its own flag", kPlatformNT3,
         "@" SOH "X" SOH " 0 1 1 0 0 0 0\n" + fileA + "@" SOH "Y" SOH " 1 0 0 0 0 0 0\n" + fileB,
         "Y(1 0 0 0 0 0 0){b>b 0 ''}"},
        {"blank and remark lines inside a module", kPlatformNT4,
         "@" + moduleM + fileA + "\n; remark\nremark\n \x01 starts with a blank\n" + fileB,
         "M(1 1 1 0 0 1 0){b>b 0 '', a>a 0 ''}"},
        {"three modules", kPlatformNT4,
         "@" SOH "A" SOH " 1 1 1 0 0 0 0\n@" SOH "B" SOH " 1 1 1 0 0 0 0\n@" SOH "C" SOH " 1 1 1 0 0 0 0\n",
         "C(1 1 1 0 0 0 0){} B(1 1 1 0 0 0 0){} A(1 1 1 0 0 0 0){}"},
        {"destinations completed", kPlatformNT4,
         "@" + moduleM + SOH "disk1\\app.exe" SOH " " SOH "(NULL)" SOH " 1 " SOH "App" SOH "\n" +
             SOH "disk1\\app.exe" SOH " " SOH "bin\\" SOH " 2 " SOH "App" SOH "\n" +
             SOH "disk1\\app.exe" SOH " " SOH "bin\\tool.exe" SOH " 0 " SOH SOH "\n" +
             SOH "disk1\\app.exe" SOH " " SOH "(null)" SOH " 0 " SOH SOH "\n" +
             SOH "app.exe" SOH " " SOH "\\" SOH " 0 " SOH SOH "\n",
         "M(1 1 1 0 0 1 0){app.exe>\\app.exe 0 '', disk1\\app.exe>(null) 0 '', "
         "disk1\\app.exe>bin\\tool.exe 0 '', disk1\\app.exe>bin\\app.exe 2 'App', "
         "disk1\\app.exe>app.exe 1 'App'}"},
        {"empty names and odd file lines", kPlatformNT4,
         "@" SOH SOH " 1 1 1 0 0 0 0\n" SOH "a" SOH " " SOH SOH " 7 " SOH SOH "\n" SOH "\n" SOH "s" SOH
         "  " SOH "d" SOH " 1 " SOH "t" SOH "\n",
         "(1 1 1 0 0 0 0){s>d 1 't', \n> 0 '', a> 7 ''}"},
        {"two spaces shift the header's numbers", kPlatformWin95, "@" SOH "M" SOH " 1  1 1 2 3 4 5\n",
         "M(1 0 1 1 2 3 4){}"},
        {"every module dropped", kPlatformNT3, "@" SOH "X" SOH " 0 1 1 0 0 0 0\n" + fileA, ""},
        {"the remainder of a long line is a line", kPlatformNT4,
         std::string(779, 'x') + "@" + moduleM + std::string(779, 'x') + fileA, "M(1 1 1 0 0 1 0){a>a 0 ''}"},
    };
    for (const auto& c : cases) {
        Reading r(head + c.body, c.kind);
        EXPECT_EQ(r.result, 1) << c.what;
        EXPECT_TRUE(r.messages.empty()) << c.what;
        EXPECT_EQ(ModelText(r.model.modules), c.modules) << c.what;
    }
}

TEST(SetupScriptReader, ALineHoldsAtMost779Characters)
{
    const struct {
        std::size_t length;
        const char* message;
        std::size_t product;
        std::string folder;
    } cases[] = {
        {778, nullptr, 778, "F"},
        // The newline is read as line 3, so the folder name lands on the permissions line.
        {779, "This program can not be installed on NT 4", 779, ""},
        {1000, "This program can not be installed on NT 4", 779, std::string(221, 'p')},
    };
    for (const auto& c : cases) {
        Reading r(SOH "S" SOH " 1\n" + std::string(c.length, 'p') + "\nF\n1 1 1\n", kPlatformNT4);
        EXPECT_EQ(r.result, c.message ? 0 : 1) << c.length;
        EXPECT_EQ(r.model.productName, std::string(c.product, 'p')) << c.length;
        EXPECT_EQ(r.model.programFolder, c.folder) << c.length;
    }
}

bool Terminated(const char (&text)[kPathBufferSize])
{
    return std::memchr(text, '\0', sizeof text) != nullptr;
}

// Fields of every length, up to lines longer than the line buffer: text is cut to 259 characters
// (a completed destination too), and nothing beyond a field's buffer is touched.
TEST(SetupScriptReader, FieldsOfAnyLengthStayInTheirBuffers)
{
    for (std::size_t n = 0; n <= 800; ++n) {
        const std::string name(n, 'n'), source(n, 's'), dest(n, 'd'), title(n, 't');
        const std::string header = "@" SOH + name + SOH " 1 1 1 1 1 1 1\n";
        const std::string file = SOH + source + SOH " " SOH + dest + "\\" SOH " 1 " SOH + title + SOH "\n";
        Reading r(SOH "S" SOH " 1\nP\nF\n1 1 1\n" + header + file + SOH + source, kPlatformNT4);
        ASSERT_EQ(r.result, 1);
        for (const ModuleEntry* m = r.model.modules; m; m = m->next) {
            ASSERT_TRUE(Terminated(m->name)) << n;
            for (const FileEntry* f = m->files; f; f = f->next)
                ASSERT_TRUE(Terminated(f->source) && Terminated(f->dest) && Terminated(f->shortcutName)) << n;
        }
        if (header.size() > 779)
            continue;
        const ModuleEntry* m = r.model.modules;
        ASSERT_NE(m, nullptr) << n;
        EXPECT_EQ(m->name, name.substr(0, 259)) << n;
        EXPECT_EQ(m->minimum, 1) << n;
        if (file.size() > 779)
            continue;
        ASSERT_NE(m->files, nullptr) << n;
        ASSERT_NE(m->files->next, nullptr) << n;
        const FileEntry* f = m->files->next;
        EXPECT_EQ(f->source, source) << n;
        EXPECT_EQ(f->dest, (dest + "\\" + source).substr(0, 259)) << n;
        EXPECT_EQ(f->shortcutKind, 1) << n;
        EXPECT_EQ(f->shortcutName, title) << n;
        EXPECT_EQ(m->files->source, source.substr(0, 259)) << n; // an unclosed field at the end
    }
}

// What the listener is told of each line: number (+ for a line's remainder), kind, fate and what
// was made or what ended the module.
struct Told : ScriptListener {
    void OnLine(const ScriptLineEvent& e) override
    {
        static const char* kinds[] = {"format", "name", "folder", "platforms",
                                      "header", "bad",  "file",   "other"};
        static const char* fates[] = {"read",     "past end",  "refused", "kept",
                                      "not here", "no module", "ignored"};
        text += (text.empty() ? "" : ", ") + std::to_string(e.number) + (e.continued ? "+ " : " ") +
                kinds[static_cast<int>(e.kind)] + " " + fates[static_cast<int>(e.fate)];
        if (e.kind == ScriptLineKind::Header)
            text += std::string(" ") + e.module->name;
        if (e.file)
            text += std::string(" ") + e.scannedDest + ">" + e.file->dest + " in " + e.module->name;
        if (e.endedBy)
            text += " after " + std::to_string(e.endedBy);
    }
    std::string text;
};

TEST(SetupScriptReader, TheListenerIsToldWhatBecameOfEachLine)
{
    const std::string head = SOH "S" SOH " 1\nP\nF\n1 1 0\n";
    const std::string fileA = SOH "a" SOH " " SOH "(NULL)" SOH " 0 " SOH SOH "\n";
    const struct {
        const char* what;
        std::string text;
        int kind;
        const char* told;
    } cases[] = {
        {"unknown format", SOH "S" SOH "\n", kPlatformNT4, "1 format refused"},
        {"ends early", SOH "S" SOH " 1\nP", kPlatformNT4,
         "1 format read, 2 name read, 3 folder past end, 4 platforms past end"},
        {"refused", head + "@" SOH "M" SOH " 1 1 1 0 0 0 0\n", kPlatformWin95,
         "1 format read, 2 name read, 3 folder read, 4 platforms refused"},
        {"kept, dropped, ignored",
         head + fileA + "@" SOH "M" SOH " 1 1 1 0 0 0 0\n" + fileA + "rem\n@ x\n" + fileA +
             "@" SOH "N" SOH " 0 1 0 0 0 0 0\n" + fileA,
         kPlatformNT3,
         "1 format read, 2 name read, 3 folder read, 4 platforms read, 5 file no module, 6 header kept M, "
         "7 file kept (NULL)>a in M, 8 other ignored, 9 bad ignored, 10 file no module after 9, "
         "11 header not here N, 12 file no module after 11"},
        {"a long line's remainder", head + std::string(779, 'x') + fileA, kPlatformNT4,
         "1 format read, 2 name read, 3 folder read, 4 platforms read, 5 other ignored, 5+ file no module"},
    };
    for (const auto& c : cases) {
        Told told;
        ScriptModel model;
        TextLineSource source(c.text);
        ReadScriptModel(
            source, c.kind, model, [](const char*) {}, &told);
        FreeModuleList(model.modules);
        EXPECT_EQ(told.text, c.told) << c.what;
    }
}

} // namespace
