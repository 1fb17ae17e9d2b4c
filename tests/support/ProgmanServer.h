// The test Program Manager (tests/fixtures/progman) run as a second process for as long as the
// object lives, as the only Program Manager that answers on the desktop (Wine's own is out of
// reach meanwhile, see NoProgramManager.h). Tests read what it received and what it holds.
#pragma once

#include "NoProgramManager.h"
#include "ScratchDir.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// One DDE transaction as the server received it.
struct DdeTransaction {
    std::string type;   // CONNECT, EXECUTE, REQUEST or DISCONNECT
    UINT format = 0;    // the clipboard format asked for by a REQUEST
    std::string item;   // the topic of a CONNECT, the item of a REQUEST
    std::string bytes;  // EXECUTE: the command data exactly as sent (size included)
                        // REQUEST: the bytes answered
    std::string result; // CONFIRMED/REJECTED, ACK/NOTPROCESSED, DATA/NODATA, "-"
};

struct ProgmanItemState {
    std::string title, command, iconPath, iconIndex, x, y, workDir;
};

struct ProgmanGroupState {
    std::string name;
    bool active = false; // the group that items are added to and deleted from
    std::vector<ProgmanItemState> items;
};

struct ProgmanServerOptions {
    DWORD delayMs = 0;                // every command and request answered this late
    bool refuse = false;              // every command answered "not processed"
    std::vector<std::string> startup; // commands run before it serves, e.g. "[CreateGroup(Tools)]"
    std::vector<std::pair<std::string, std::string>> replies; // request item -> bytes answered
};

class ProgmanServer {
public:
    explicit ProgmanServer(const ProgmanServerOptions& options = ProgmanServerOptions());
    ~ProgmanServer();
    ProgmanServer(const ProgmanServer&) = delete;
    ProgmanServer& operator=(const ProgmanServer&) = delete;

    // Started, registered, and the one that answers "PROGMAN" on this desktop.
    bool Answering() const { return answering; }

    // Every transaction so far, oldest first.
    std::vector<DdeTransaction> Transactions() const;
    // Those of one type ("EXECUTE", ...).
    std::vector<DdeTransaction> Transactions(const std::string& type) const;
    // Waits up to timeoutMs until at least count transactions are logged; returns them all.
    std::vector<DdeTransaction> WaitForTransactions(size_t count, DWORD timeoutMs) const;

    // The groups and items it holds now, in its order.
    std::vector<ProgmanGroupState> Groups() const;

    void Stop();

private:
    NoProgramManager others; // first made, last gone: Wine's own answers again after us
    ScratchDir files;
    HANDLE process = nullptr;
    HANDLE stop = nullptr;
    bool answering = false;
};

// The path of the test Program Manager in the build tree.
std::string ProgmanServerProgram();

// One argument of a command line, quoted so that the C runtime's parser gives it back as it is.
std::string QuoteArgument(const std::string& arg);

} // namespace testing_support
