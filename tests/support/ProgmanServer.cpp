#include "ProgmanServer.h"

#include "EscapedBytes.h"
#include "Waiting.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace testing_support {
namespace {

std::string UniqueName(const char* what)
{
    static LONG serial = 0;
    char name[80];
    std::snprintf(name, sizeof name, "corvel-%s-%lu-%ld", what, GetCurrentProcessId(),
                  InterlockedIncrement(&serial));
    return name;
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::vector<std::vector<std::string>> ReadRecords(const std::string& path)
{
    std::vector<std::vector<std::string>> records;
    std::istringstream text(ReadTextFile(path));
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> fields = SplitTabs(line);
        for (std::string& field : fields) {
            std::string bytes;
            UnescapeBytes(field, &bytes);
            field = bytes;
        }
        records.push_back(fields);
    }
    return records;
}

} // namespace

std::string ProgmanServerProgram()
{
    return CORVEL_PROGMAN_SERVER_EXE;
}

std::string QuoteArgument(const std::string& arg)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only where a quote follows them.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

ProgmanServer::ProgmanServer(const ProgmanServerOptions& options) : files(UniqueName("progman"))
{
    const std::string readyName = UniqueName("progman-ready");
    const std::string stopName = UniqueName("progman-stop");
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
    stop = CreateEventA(nullptr, TRUE, FALSE, stopName.c_str());

    std::string command =
        QuoteArgument(ProgmanServerProgram()) + " --log " + QuoteArgument(files / "dde.log") + " --state " +
        QuoteArgument(files / "state.txt") + " --ready " + readyName + " --stop " + stopName + " --watch " +
        std::to_string(GetCurrentProcessId()) + " --delay " + std::to_string(options.delayMs);
    if (options.refuse)
        command += " --refuse";
    for (const std::string& commands : options.startup)
        command += " --exec " + QuoteArgument(commands);
    for (const auto& reply : options.replies)
        command += " --reply " + QuoteArgument(reply.first + "=" + EscapeBytes(reply.second));

    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        process = pi.hProcess;
        HANDLE waits[] = {ready, process};
        // Not checked by connecting: the server would log that conversation too.
        answering =
            WaitForMultipleObjects(2, waits, FALSE, ui::Allowed(10000)) == WAIT_OBJECT_0 && others.Silent();
    }
    CloseHandle(ready);
}

ProgmanServer::~ProgmanServer()
{
    Stop();
    CloseHandle(stop);
}

void ProgmanServer::Stop()
{
    if (!process)
        return;
    SetEvent(stop);
    if (WaitForSingleObject(process, ui::Allowed(10000)) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 10000);
    }
    CloseHandle(process);
    process = nullptr;
    answering = false;
}

std::vector<DdeTransaction> ProgmanServer::Transactions() const
{
    std::vector<DdeTransaction> transactions;
    for (const auto& fields : ReadRecords(files / "dde.log")) {
        if (fields.size() != 6)
            continue;
        DdeTransaction t;
        t.type = fields[0];
        t.format = static_cast<UINT>(std::strtoul(fields[1].c_str(), nullptr, 10));
        t.item = fields[2];
        t.bytes = fields[4];
        t.result = fields[5];
        transactions.push_back(t);
    }
    return transactions;
}

std::vector<DdeTransaction> ProgmanServer::Transactions(const std::string& type) const
{
    std::vector<DdeTransaction> some;
    for (const DdeTransaction& t : Transactions())
        if (t.type == type)
            some.push_back(t);
    return some;
}

std::vector<DdeTransaction> ProgmanServer::WaitForTransactions(size_t count, DWORD timeoutMs) const
{
    std::vector<DdeTransaction> all;
    ui::WaitUntil([&] { return (all = Transactions()).size() >= count; }, timeoutMs);
    return all;
}

std::vector<ProgmanGroupState> ProgmanServer::Groups() const
{
    std::vector<ProgmanGroupState> groups;
    for (const auto& fields : ReadRecords(files / "state.txt")) {
        if (fields[0] == "GROUP" && fields.size() == 3) {
            groups.push_back(ProgmanGroupState{fields[1], fields[2] == "1", {}});
        } else if (fields[0] == "ITEM" && fields.size() == 8 && !groups.empty()) {
            groups.back().items.push_back(ProgmanItemState{fields[1], fields[2], fields[3], fields[4],
                                                           fields[5], fields[6], fields[7]});
        }
    }
    return groups;
}

} // namespace testing_support
