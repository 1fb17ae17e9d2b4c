// Program Manager groups and items over DDE against the test Program Manager, and against no
// Program Manager at all: what goes over the wire, byte for byte, what Program Manager ends up
// holding, and what the user is shown.
#include "engine/ProgramManager.h"

#include "EscapedBytes.h"
#include "MessageBoxes.h"
#include "NoProgramManager.h"
#include "ProgmanServer.h"
#include "StartMenuTestSupport.h"

#include <gtest/gtest.h>

using testing_support::DdeTransaction;
using testing_support::EscapeBytes;
using testing_support::NoProgramManager;
using testing_support::ProgmanGroupState;
using testing_support::ProgmanServer;
using testing_support::ProgmanServerOptions;

namespace {

constexpr char kTransactionFailed[] = "DdeClientTransaction Failed";
constexpr DWORD kLogWait = 5000;

// The conversation as lines "TYPE item size bytes result", the bytes escaped ("\0" a NUL).
std::vector<std::string> Wire(const std::vector<DdeTransaction>& transactions)
{
    std::vector<std::string> lines;
    for (const DdeTransaction& t : transactions)
        lines.push_back(t.type + " " + t.item + " " + std::to_string(t.bytes.size()) + " " +
                        EscapeBytes(t.bytes) + " " + t.result);
    return lines;
}

std::vector<std::string> Titles(const ProgmanGroupState& group)
{
    std::vector<std::string> titles;
    for (const auto& item : group.items)
        titles.push_back(item.title);
    return titles;
}

// One file's entry as the file placement makes it on Windows NT 3.x: the item only once its
// group is the active one.
void AddEntry(const char* group, const char* title, const char* target)
{
    bool active = false;
    EXPECT_EQ(AddProgmanGroup(group, &active), 1);
    if (active) {
        EXPECT_EQ(AddProgmanItem(title, target), 1);
    }
}

// The entries of a product with two files that have shortcuts.
void AddEditorAndViewer()
{
    AddEntry("Corvel", "Editor", "C:\\Corvel\\Editor.exe");
    AddEntry("Corvel", "Viewer", "C:\\Corvel\\Viewer.exe");
}

TEST(ProgramManager, SendsTheGroupAndItemCommandsByteForByte)
{
    ProgmanServer server;
    ASSERT_TRUE(server.Answering());
    ui::MessageBoxWatcher boxes;

    AddEntry("Corvel Tools", "Corvel Tool", "C:\\Program Files\\Corvel\\Tool.exe");

    const std::vector<std::string> expected = {
        "CONNECT PROGMAN 0  CONFIRMED",
        "EXECUTE  28 [CreateGroup(Corvel Tools)]\\0 ACK",
        "EXECUTE  27 [ShowGroup(Corvel Tools,1)] ACK", // the one command sent without its NUL
        "DISCONNECT  0  -",
        "CONNECT PROGMAN 0  CONFIRMED",
        "EXECUTE  29 [ReplaceItem(\"Corvel Tool\")]\\0 NOTPROCESSED",
        "EXECUTE  127 [AddItem(\"C:\\\\Program Files\\\\Corvel\\\\Tool.exe\",\"Corvel Tool\","
        "\"C:\\\\Program Files\\\\Corvel\\\\Tool.exe\",0,0,0,\"C:\\\\Program Files\\\\Corvel\")]\\0 ACK",
        "DISCONNECT  0  -",
    };
    EXPECT_EQ(Wire(server.WaitForTransactions(expected.size(), kLogWait)), expected);

    const auto groups = server.Groups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "Corvel Tools");
    ASSERT_EQ(groups[0].items.size(), 1u);
    const auto& item = groups[0].items[0];
    EXPECT_EQ(item.command, "C:\\Program Files\\Corvel\\Tool.exe");
    EXPECT_EQ(item.iconPath, "C:\\Program Files\\Corvel\\Tool.exe");
    EXPECT_EQ(item.workDir, "C:\\Program Files\\Corvel");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST(ProgramManager, ItemGoesToTheGroupJustMadeActiveWithItsTargetsDirectory)
{
    struct Case {
        const char* target;
        const char* workDir;
    } const cases[] = {
        {"C:\\Program Files\\Corvel\\bin\\Tool.exe", "C:\\Program Files\\Corvel\\bin"},
        {"C:\\Tool.exe", "C:"}, // the bare drive for a target in the root
        {"D:\\Tool.exe", "D:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        ProgmanServerOptions options;
        options.startup = {"[CreateGroup(Accessories)][AddItem(C:\\WINDOWS\\CALC.EXE,Calculator)]"};
        ProgmanServer server(options);
        ASSERT_TRUE(server.Answering());

        AddEntry("Corvel", "Tool", c.target);

        const auto groups = server.Groups();
        ASSERT_EQ(groups.size(), 2u);
        EXPECT_EQ(Titles(groups[0]), std::vector<std::string>{"Calculator"});
        ASSERT_EQ(groups[1].items.size(), 1u);
        EXPECT_EQ(groups[1].items[0].command, c.target);
        EXPECT_EQ(groups[1].items[0].workDir, c.workDir);
    }
}

TEST(ProgramManager, TwoFilesOfOneRunShareTheGroup)
{
    ProgmanServer server;
    ASSERT_TRUE(server.Answering());
    ui::MessageBoxWatcher boxes;

    AddEditorAndViewer();

    server.WaitForTransactions(16, kLogWait);
    const auto commands = server.Transactions("EXECUTE");
    ASSERT_EQ(commands.size(), 8u);
    EXPECT_EQ(commands[4].bytes, std::string("[CreateGroup(Corvel)]", 22)); // again: only activates
    EXPECT_EQ(commands[4].result, "ACK");
    const auto groups = server.Groups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(Titles(groups[0]), (std::vector<std::string>{"Editor", "Viewer"}));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST(ProgramManager, InstallingTwiceLeavesOneItemPerTitle)
{
    ProgmanServerOptions options;
    options.startup = {"[CreateGroup(Corvel)][AddItem(C:\\Other\\Readme.exe,Readme)]",
                       "[CreateGroup(Accessories)]"};
    ProgmanServer server(options);
    ASSERT_TRUE(server.Answering());

    for (int run = 0; run < 2; ++run)
        AddEditorAndViewer();

    const auto groups = server.Groups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(Titles(groups[0]), (std::vector<std::string>{"Readme", "Editor", "Viewer"}));
    EXPECT_TRUE(groups[1].items.empty());
}

TEST(ProgramManager, CommandsThatDoNotFitTheirBufferAreNotSent)
{
    // An item command is 28 characters, the title, the target twice and its directory.
    const std::string dir = "C:\\" + std::string(247, 'd'); // 250 characters
    const std::string target = dir + "\\T.exe";             // 256 characters
    auto createGroup = [](const std::string& g) { return "[CreateGroup(" + g + ")]"; };
    auto showGroup = [](const std::string& g) { return "[ShowGroup(" + g + ",1)]"; };
    auto replaceItem = [](const std::string& t) { return "[ReplaceItem(\"" + t + "\")]"; };
    auto addItem = [&](const std::string& t) {
        return "[AddItem(\"" + target + "\",\"" + t + "\",\"" + target + "\",0,0,0,\"" + dir + "\")]";
    };
    const std::string g112(112, 'g'), g113(113, 'g'), t249(249, 't'), t250(250, 't');
    struct Case {
        std::string group;
        std::string title;
        std::vector<std::string> sent; // the commands that reached Program Manager
        size_t messages;
    } const cases[] = {
        {g112, "Tool", {createGroup(g112), showGroup(g112), replaceItem("Tool"), addItem("Tool")}, 0},
        {g113, "Tool", {}, 1}, // no group made active: no item, or it would go into another group
        {"Corvel",
         t249,
         {createGroup("Corvel"), showGroup("Corvel"), replaceItem(t249), addItem(t249)},
         0}, // an item command of 1039 characters fits
        {"Corvel", t250, {createGroup("Corvel"), showGroup("Corvel"), replaceItem(t250)}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group.size());
        SCOPED_TRACE(c.title.size());
        ProgmanServer server;
        ASSERT_TRUE(server.Answering());
        ui::MessageBoxWatcher boxes;

        AddEntry(c.group.c_str(), c.title.c_str(), target.c_str());

        server.WaitForTransactions((c.sent.size() > 2 ? 4 : 2) + c.sent.size(),
                                   kLogWait); // one or two conversations
        std::vector<std::string> sent;
        for (const auto& t : server.Transactions("EXECUTE"))
            sent.push_back(t.bytes.substr(0, t.bytes.find('\0')));
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>(c.messages, kTransactionFailed));
    }
}

TEST(ProgramManager, RefusedGroupShowsTheFailureStillShowsTheGroupAndAddsNoItem)
{
    ProgmanServerOptions options;
    options.refuse = true;
    ProgmanServer server(options);
    ASSERT_TRUE(server.Answering());
    ui::MessageBoxWatcher boxes;

    AddEntry("Corvel", "Tool", "C:\\Corvel\\Tool.exe");

    server.WaitForTransactions(4, kLogWait);
    const auto commands = server.Transactions("EXECUTE");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[1].bytes, "[ShowGroup(Corvel,1)]");
    const auto seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u); // for the group only: item failures are not shown
    EXPECT_EQ(seen[0].text, kTransactionFailed);
    EXPECT_EQ(seen[0].caption, "startmenu-test");
}

TEST(ProgramManager, WithoutProgramManagerEachGroupShowsTheFailureOnce)
{
    NoProgramManager none;
    ASSERT_TRUE(none.Silent());
    ui::MessageBoxWatcher boxes;

    AddEditorAndViewer();
    const auto names = ProgmanGroupNames();

    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{kTransactionFailed, kTransactionFailed}));
    EXPECT_TRUE(names.empty());
}

TEST(ProgramManager, GroupCommandsWaitLongerThanASecond)
{
    ProgmanServerOptions options;
    options.delayMs = 1500;
    ProgmanServer server(options);
    ASSERT_TRUE(server.Answering());
    ui::MessageBoxWatcher boxes;

    EXPECT_EQ(AddProgmanGroup("Corvel"), 1);

    EXPECT_TRUE(boxes.Texts().empty());
    ASSERT_EQ(server.Groups().size(), 1u);
}

TEST(ProgramManager, ListsTheGroupsInProgramManagersOrder)
{
    ProgmanServerOptions options;
    options.startup = {"[CreateGroup(Zeta)][CreateGroup(Accessories)][CreateGroup(\"Main, Tools\")]"};
    ProgmanServer server(options);
    ASSERT_TRUE(server.Answering());

    EXPECT_EQ(ProgmanGroupNames(), (std::vector<std::string>{"Zeta", "Accessories", "Main, Tools"}));
    const auto requests = server.Transactions("REQUEST");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].item, "Groups");
    EXPECT_EQ(requests[0].format, static_cast<UINT>(CF_TEXT));
}

TEST(ProgramManager, SplitsTheGroupListAtLineFeedsAndCutsAtTheLastReturn)
{
    struct Case {
        std::string reply;
        std::vector<std::string> entries;
    } const cases[] = {
        {std::string("Main\r\nStartup\r\n", 16) + '\0', {"Main", "Startup"}},
        {"Main\nStartup", {"Main", "Startup"}},              // no NUL: ends at its size
        {"\n\nMain\n\n\nStartup\n", {"Main", "Startup"}},    // empty lines skipped
        {"Main\r\n\r\nGames\r\n", {"Main", "", "Games"}},    // a bare CR is not empty
        {"Old\rName\r\n", {"Old\rName"}},                    // only the last CR cuts
        {std::string("Main\r\n\0Hidden\r\n", 15), {"Main"}}, // nothing after a NUL
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(EscapeBytes(c.reply));
        ProgmanServerOptions options;
        options.replies = {{"Groups", c.reply}};
        ProgmanServer server(options);
        ASSERT_TRUE(server.Answering());

        EXPECT_EQ(ProgmanGroupNames(), c.entries);
    }
}

TEST(ProgramManager, GroupListIsEmptyWhenProgramManagerAnswersTooLate)
{
    ProgmanServerOptions options;
    options.startup = {"[CreateGroup(Main)]"};
    options.delayMs = 2500;
    ProgmanServer server(options);
    ASSERT_TRUE(server.Answering());

    const DWORD start = GetTickCount();
    const auto names = ProgmanGroupNames();
    const DWORD took = GetTickCount() - start;

    EXPECT_TRUE(names.empty());
    EXPECT_GE(took, 900u);
    ASSERT_EQ(server.Transactions("REQUEST").size(), 1u);
}

} // namespace
