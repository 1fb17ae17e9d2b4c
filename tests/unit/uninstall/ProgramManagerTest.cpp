// Removing Program Manager items and groups over real DDE: against the test Program Manager
// (what goes over the wire, byte for byte, and what it holds afterwards), against none at all,
// and against Wine's own.
#include "ProgramManager.h"

#include "EscapedBytes.h"
#include "NoProgramManager.h"
#include "ProgmanServer.h"
#include "WineProgramManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace testing_support;

namespace {

constexpr DWORD kLogWait = 5000;

// Each transaction as "TYPE item (size) bytes result", the bytes escaped ("\0" a NUL).
std::vector<std::string> Conversation(const ProgmanServer& server, size_t count)
{
    std::vector<std::string> lines;
    for (const DdeTransaction& t : server.WaitForTransactions(count, kLogWait))
        lines.push_back(t.type + " " + t.item + " (" + std::to_string(t.bytes.size()) + ") " +
                        EscapeBytes(t.bytes) + " " + t.result);
    return lines;
}

// What an operation printed.
std::string Printed(const std::function<void()>& operation)
{
    testing::internal::CaptureStdout();
    operation();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

std::string Groups(const ProgmanServer& server)
{
    std::string groups;
    for (const auto& group : server.Groups()) {
        groups += group.name + ":";
        for (const auto& item : group.items)
            groups += " " + item.title;
        groups += ";";
    }
    return groups;
}

// A server holding these groups, each "name" with its items; the last group is the active one.
ProgmanServerOptions Holding(const std::vector<std::vector<std::string>>& groups)
{
    ProgmanServerOptions options;
    for (const auto& group : groups) {
        options.startup.push_back("[CreateGroup(\"" + group[0] + "\")]");
        for (size_t i = 1; i < group.size(); ++i)
            options.startup.push_back("[AddItem(C:\\Corvel\\x.exe,\"" + group[i] + "\")]");
    }
    return options;
}

const char* const kConnect = "CONNECT PROGMAN (0)  CONFIRMED";
const char* const kDisconnect = "DISCONNECT  (0)  -";

TEST(UninstallProgramManager, AnItemGoesAndItsGroupStaysWhileItHoldsOthers)
{
    ProgmanServer server(Holding({{"Corvel Tools", "Editor", "Viewer"}, {"Other"}}));
    ASSERT_TRUE(server.Answering());

    EXPECT_EQ(Printed([] { RemoveProgmanEntry("Corvel Tools@Editor"); }), "");

    const std::vector<std::string> expected = {
        kConnect,
        "EXECUTE  (27) [ShowGroup(Corvel Tools,1)] ACK", // without its NUL
        "EXECUTE  (21) [DeleteItem(Editor)]\\0 ACK",
        kDisconnect,
        kConnect,
        "REQUEST Corvel Tools (83) \"Corvel Tools\",C:\\\\WINDOWS\\\\CORVELTO.GRP,1,1\\r\\n"
        "\"Viewer\",\"C:\\\\Corvel\\\\x.exe\",,,,,0,0,0\\r\\n\\0 DATA",
        kDisconnect,
    };
    EXPECT_EQ(Conversation(server, expected.size()), expected);
    EXPECT_EQ(Groups(server), "Corvel Tools: Viewer;Other:;");
}

TEST(UninstallProgramManager, TheLastItemTakesItsGroupWithIt)
{
    ProgmanServer server(Holding({{"Corvel Tools", "Editor"}, {"Other", "Editor"}}));
    ASSERT_TRUE(server.Answering());

    EXPECT_EQ(Printed([] { RemoveProgmanEntry("Corvel Tools@Editor"); }), "");

    const std::vector<std::string> expected = {
        kConnect,
        "EXECUTE  (27) [ShowGroup(Corvel Tools,1)] ACK",
        "EXECUTE  (21) [DeleteItem(Editor)]\\0 ACK",
        kDisconnect,
        kConnect,
        "REQUEST Corvel Tools (45) \"Corvel Tools\",C:\\\\WINDOWS\\\\CORVELTO.GRP,0,1\\r\\n\\0 DATA",
        kDisconnect,
        kConnect,
        "EXECUTE  (28) [DeleteGroup(Corvel Tools)]\\0 ACK",
        "EXECUTE  (27) [ShowGroup(Corvel Tools,1)] NOTPROCESSED", // the group is gone by then
        kDisconnect,
    };
    EXPECT_EQ(Conversation(server, expected.size()), expected);
    EXPECT_EQ(Groups(server), "Other: Editor;");
}

// Program Manager quotes the group name in its description; a comma in it must not shift the
// item count out of the third field, or a group that still holds items would be deleted.
TEST(UninstallProgramManager, ACommaInTheGroupNameDoesNotShiftTheItemCount)
{
    struct Case {
        const char* reply;
        bool deleted;
    } cases[] = {
        {"\"Tools, Misc\",C:\\WINDOWS\\TOOLSMIS.GRP,1,1\r\n\"Viewer\",\"C:\\v.exe\",,,,,0,0,0\r\n", false},
        {"\"Tools, Misc\",C:\\WINDOWS\\TOOLSMIS.GRP,0,1\r\n", true},
    };
    for (const auto& c : cases) {
        ProgmanServerOptions options = Holding({{"Tools, Misc", "Viewer"}});
        options.replies.push_back({"Tools, Misc", std::string(c.reply) + '\0'});
        ProgmanServer server(options);
        ASSERT_TRUE(server.Answering());

        // "[ShowGroup(Tools, Misc,1)]" reads as three arguments and fails, so no item is deleted.
        Printed([] { RemoveProgmanEntry("Tools, Misc@Viewer"); });
        server.WaitForTransactions(c.deleted ? 10 : 6, kLogWait);
        bool sentDelete = false;
        for (const auto& t : server.Transactions("EXECUTE"))
            sentDelete = sentDelete || t.bytes.find("[DeleteGroup(") == 0;
        EXPECT_EQ(sentDelete, c.deleted) << c.reply;
    }
}

TEST(UninstallProgramManager, AnItemIsDeletedOnlyFromItsOwnGroupAndOnlyByACommandThatFits)
{
    const std::string group112(112, 'g'), item113(113, 'i');
    struct Case {
        const char* what;
        std::string group, item;
        std::vector<std::string> executed; // the commands received, in order
        const char* printed;
        std::vector<std::vector<std::string>> holding; // what Program Manager holds; none: the group and item
    } cases[] = {
        {"the longest names that fit",
         group112,
         item113,
         {"[ShowGroup(" + group112 + ",1)]", "[DeleteItem(" + item113 + ")]" + '\0'},
         "",
         {}},
        {"an item name one longer",
         group112,
         item113 + "i",
         {"[ShowGroup(" + group112 + ",1)]"},
         "****DdeClientTransaction Failed",
         {}},
        // Without [ShowGroup] the item would be deleted from whichever group is active.
        {"a group name one longer", group112 + "g", "Editor", {}, "****DdeClientTransaction Failed", {}},
        // Another product's group is the active one; ours is gone.
        {"a group Program Manager cannot show",
         "Corvel Gone",
         "Editor",
         {"[ShowGroup(Corvel Gone,1)]"},
         "****DdeClientTransaction Failed",
         {{"Other", "Editor"}}},
    };
    for (const auto& c : cases) {
        ProgmanServer server(Holding(
            c.holding.empty() ? std::vector<std::vector<std::string>>{{c.group, c.item}} : c.holding));
        ASSERT_TRUE(server.Answering()) << c.what;

        EXPECT_EQ(Printed([&c] { DeleteProgmanItem(c.group.c_str(), c.item.c_str()); }), c.printed) << c.what;

        server.WaitForTransactions(2 + c.executed.size(), kLogWait);
        std::vector<std::string> executed;
        for (const auto& t : server.Transactions("EXECUTE"))
            executed.push_back(t.bytes);
        EXPECT_EQ(executed, c.executed) << c.what;
    }

    ProgmanServer server(Holding({{group112 + "g"}}));
    ASSERT_TRUE(server.Answering());
    EXPECT_EQ(Printed([&] { DeleteProgmanGroup((group112 + "g").c_str()); }),
              "***DdeClientTransaction Failed");
    server.WaitForTransactions(2, kLogWait);
    EXPECT_TRUE(server.Transactions("EXECUTE").empty());
    EXPECT_EQ(server.Groups().size(), 1u);
}

TEST(UninstallProgramManager, FailedTransactionsAreReportedWithTheirOwnTexts)
{
    struct Case {
        const char* what;
        bool serverRuns;
        bool refuses;
    } cases[] = {
        {"no Program Manager", false, false},
        {"a Program Manager that refuses every command", true, true},
    };
    for (const auto& c : cases) {
        NoProgramManager none;
        ASSERT_TRUE(none.Silent());
        ProgmanServerOptions options = Holding({{"Corvel Tools", "Editor"}});
        options.refuse = c.refuses;
        std::unique_ptr<ProgmanServer> server;
        if (c.serverRuns) {
            server.reset(new ProgmanServer(options));
            ASSERT_TRUE(server->Answering()) << c.what;
        }

        EXPECT_EQ(Printed([] { DeleteProgmanItem("Corvel Tools", "Editor"); }),
                  "****DdeClientTransaction Failed")
            << c.what;
        EXPECT_EQ(Printed([] { DeleteProgmanGroup("Corvel Tools"); }), "***DdeClientTransaction Failed")
            << c.what;
        // A group that cannot be asked about is never taken for empty.
        EXPECT_FALSE(IsProgmanGroupEmpty(c.refuses ? "Corvel Missing" : "Corvel Tools")) << c.what;
        EXPECT_EQ(Printed([] { RemoveProgmanEntry("Corvel Tools@Editor"); }),
                  "****DdeClientTransaction Failed")
            << c.what;
        if (server) {
            EXPECT_EQ(Groups(*server), "Corvel Tools: Editor;") << c.what;
        }
    }
}

// Wine's own Program Manager understands the commands too: it keeps groups as folders and items
// as links. It does not answer the group request, so its groups are never taken for empty.
TEST(UninstallProgramManager, WinesProgramManagerDeletesTheItemAndTheGroup)
{
    WineProgramManager wine;
    ASSERT_TRUE(wine.Answering());
    const std::string group = "Corvel Uninstall Wine";
    const std::string folder = wine.GroupFolder(group);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    for (const char* link : {"\\One.lnk", "\\Two.lnk"})
        ASSERT_TRUE(WriteTextFile(folder + link, "link"));

    EXPECT_EQ(Printed([&] { RemoveProgmanEntry((group + "@One").c_str()); }), "");
    EXPECT_TRUE(WaitForPath(folder + "\\One.lnk", false));
    EXPECT_TRUE(PathExists(folder + "\\Two.lnk"));
    EXPECT_FALSE(IsProgmanGroupEmpty(group.c_str()));

    EXPECT_EQ(Printed([&] { DeleteProgmanGroup(group.c_str()); }), "");
    EXPECT_TRUE(WaitForPath(folder, false));
}

} // namespace
