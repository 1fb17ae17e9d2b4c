// The test Program Manager and the desktop guards, as the uninstaller's tests will use them:
// who answers "PROGMAN" while each guard lives, and the requests and deletions over real DDE.
#include "ProgmanServer.h"
#include "NoProgramManager.h"
#include "WineProgramManager.h"

#include <ddeml.h>
#include <gtest/gtest.h>

using testing_support::DesktopProcess;
using testing_support::NoProgramManager;
using testing_support::ProgmanServer;
using testing_support::ProgmanServerOptions;
using testing_support::ProgramManagerProcess;

namespace {

HDDEDATA CALLBACK NoTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

// A plain DDE client of Program Manager. Each transaction has a conversation of its own: after
// the data of a request, Wine's DDE server also sends an acknowledgement, which the next
// transaction of the same conversation would take for its own answer.
class ProgmanClient {
public:
    ProgmanClient() { DdeInitializeA(&instance, NoTransactions, APPCMD_CLIENTONLY, 0); }
    ~ProgmanClient() { DdeUninitialize(instance); }

    // "ACK" or "NOTPROCESSED".
    std::string Execute(const std::string& command)
    {
        HCONV conv = Connect();
        DWORD result = 0;
        HDDEDATA done = DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(command.c_str())),
                                             static_cast<DWORD>(command.size() + 1), conv, nullptr, 0,
                                             XTYP_EXECUTE, 5000, &result);
        DdeDisconnect(conv);
        return done ? "ACK" : "NOTPROCESSED";
    }
    // The reply's bytes, or "(none)".
    std::string Request(const std::string& item)
    {
        HCONV conv = Connect();
        HSZ hsz = DdeCreateStringHandleA(instance, item.c_str(), CP_WINANSI);
        HDDEDATA reply = DdeClientTransaction(nullptr, 0, conv, hsz, CF_TEXT, XTYP_REQUEST, 5000, nullptr);
        DdeFreeStringHandle(instance, hsz);
        DdeDisconnect(conv);
        if (!reply)
            return "(none)";
        std::string bytes(DdeGetData(reply, nullptr, 0, 0), '\0');
        DdeGetData(reply, reinterpret_cast<LPBYTE>(&bytes[0]), static_cast<DWORD>(bytes.size()), 0);
        DdeFreeDataHandle(reply);
        return bytes;
    }

private:
    HCONV Connect()
    {
        HSZ progman = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
        HCONV conv = DdeConnect(instance, progman, progman, nullptr);
        DdeFreeStringHandle(instance, progman);
        return conv;
    }

    DWORD instance = 0;
};

TEST(ProgramManagerGuards, DecideWhoAnswersAndGiveWinesBack)
{
    const DWORD desktop = DesktopProcess();
    ASSERT_TRUE(testing_support::WaitForDesktopProgramManager(15000));
    {
        NoProgramManager none;
        EXPECT_TRUE(none.Silent());
        EXPECT_EQ(ProgramManagerProcess(), 0u);
    }
    EXPECT_EQ(ProgramManagerProcess(), desktop);
    {
        ProgmanServer server;
        ASSERT_TRUE(server.Answering());
        const DWORD answering = ProgramManagerProcess();
        EXPECT_NE(answering, 0u);
        EXPECT_NE(answering, desktop);
        EXPECT_NE(answering, GetCurrentProcessId());
    }
    EXPECT_EQ(ProgramManagerProcess(), desktop);
    {
        testing_support::WineProgramManager wine;
        EXPECT_TRUE(wine.Answering());
    }
    EXPECT_EQ(DesktopProcess(), desktop);
}

TEST(ProgmanServer, AnswersTheUninstallersRequestsAndDeletions)
{
    ProgmanServerOptions options;
    options.startup = {
        "[CreateGroup(Corvel)][AddItem(C:\\Corvel\\a.exe,Alpha,C:\\Corvel\\a.exe,0,0,0,C:\\Corvel)]"
        "[AddItem(C:\\Corvel\\b.exe,Beta)]",
        "[CreateGroup(Other)]"};
    ProgmanServer server(options);
    ASSERT_TRUE(server.Answering());
    ProgmanClient client;

    struct Step {
        std::string command; // a command, or "?item" for a request
        std::string answer;
    } const steps[] = {
        {"[DeleteItem(Alpha)]", "NOTPROCESSED"}, // items go from the active group only
        {"[ShowGroup(Corvel,1)]", "ACK"},
        {"[DeleteItem(Alpha)]", "ACK"},
        {"?Corvel", std::string("\"Corvel\",C:\\WINDOWS\\CORVEL.GRP,1,1\r\n"
                                "\"Beta\",\"C:\\Corvel\\b.exe\",,,,,0,0,0\r\n") +
                        '\0'},
        {"?corvel", std::string("\"Corvel\",C:\\WINDOWS\\CORVEL.GRP,1,1\r\n"
                                "\"Beta\",\"C:\\Corvel\\b.exe\",,,,,0,0,0\r\n") +
                        '\0'},
        {"[DeleteItem(Beta)]", "ACK"},
        {"?Corvel", std::string("\"Corvel\",C:\\WINDOWS\\CORVEL.GRP,0,1\r\n") + '\0'},
        {"[DeleteGroup(Corvel)]", "ACK"},
        {"[DeleteGroup(Corvel)]", "NOTPROCESSED"},
        {"?Corvel", "(none)"},
        {"?Groups", std::string("Other\r\n") + '\0'},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.command);
        if (step.command[0] == '?')
            EXPECT_EQ(client.Request(step.command.substr(1)), step.answer);
        else
            EXPECT_EQ(client.Execute(step.command), step.answer);
    }
    const auto groups = server.Groups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "Other");
    EXPECT_EQ(server.Transactions("EXECUTE").size(), 6u);
    EXPECT_EQ(server.Transactions("REQUEST").size(), 5u);
}

} // namespace
