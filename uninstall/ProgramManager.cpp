#include "ProgramManager.h"

#include "Console.h"
#include "Owners.h"
#include "portable/GroupDescription.h"
#include "portable/ProgmanItemCommand.h"
#include "portable/RecordKinds.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Group and item names of up to 112 characters fit every command.
constexpr DWORD kCommandTimeout = 10000;
constexpr DWORD kRequestTimeout = 1000;

HCONV ConnectProgman(DWORD instance, HSZ progman)
{
    CONVCONTEXT context;
    std::memset(&context, 0, sizeof context);
    context.cb = sizeof context;
    return DdeConnect(instance, progman, progman, &context);
}

// snprintf's result: whether the whole command went into the buffer. A command that does not fit
// is never sent, not even cut short.
bool Fits(int length)
{
    return length >= 0 && length < kCommandSize;
}

// Sends one command as CF_TEXT; [ShowGroup] goes without its terminating NUL.
bool Execute(DWORD instance, HCONV conversation, const char* command, bool withTerminator)
{
    if (!conversation)
        return false;
    DWORD size = static_cast<DWORD>(std::strlen(command)) + (withTerminator ? 1 : 0);
    HDDEDATA data = DdeCreateDataHandle(instance, reinterpret_cast<BYTE*>(const_cast<char*>(command)), size,
                                        0, nullptr, CF_TEXT, 0);
    if (!data)
        return false;
    return DdeClientTransaction(reinterpret_cast<BYTE*>(data), 0xFFFFFFFF, conversation, nullptr, CF_TEXT,
                                XTYP_EXECUTE, kCommandTimeout, nullptr) != nullptr;
}

// The reply's bytes with a terminator of our own: the reply need not carry one. Null when the
// reply cannot be read or copied; the caller frees the copy.
char* CopyReply(HDDEDATA reply)
{
    DWORD size = 0;
    BYTE* bytes = DdeAccessData(reply, &size);
    if (!bytes)
        return nullptr;
    char* copy = static_cast<char*>(std::malloc(size + 1));
    if (copy) {
        std::memcpy(copy, bytes, size);
        copy[size] = '\0';
    }
    DdeUnaccessData(reply);
    return copy;
}

// What the two command operations share: the command buffer, a DDE client of their own and a
// conversation with Program Manager, each failure reported with the operation's own text. `send`
// formats and sends the commands (its conversation is null when no Program Manager answered).
template <typename Send>
void WithProgmanCommands(const char* memoryFailure, const char* ddemlFailure, Send send)
{
    const OwnedMemory command(static_cast<char*>(std::malloc(kCommandSize)));
    if (!command) {
        Print("%s", memoryFailure);
        return;
    }
    const DdeClient client;
    if (!client) {
        Print("%s", ddemlFailure);
        return;
    }
    const DdeString progman(client.Instance(), "PROGMAN");
    if (!progman.Get())
        return;
    const DdeConversation conversation(ConnectProgman(client.Instance(), progman.Get()));
    send(client.Instance(), conversation.Get(), command.Get());
}

} // namespace

void RemoveProgmanEntry(const char* data)
{
    char group[kLogLineSize];
    const char* item;
    // A group without a name was never made: nothing to ask Program Manager for.
    if (!SplitProgmanRecord(data, group, &item) || group[0] == '\0')
        return;
    DeleteProgmanItem(group, item);
    if (IsProgmanGroupEmpty(group))
        DeleteProgmanGroup(group);
}

void DeleteProgmanItem(const char* group, const char* item)
{
    WithProgmanCommands(
        "****Memory Allocation failure", "****DDEML Initialization Failure",
        [&](DWORD instance, HCONV conversation, char* command) {
            // Program Manager deletes from the active group: when the group cannot
            // be made active, the item is not deleted from whichever group is.
            const bool shown = Fits(std::snprintf(command, kCommandSize, "[ShowGroup(%s,1)]", group)) &&
                               Execute(instance, conversation, command, false);
            if (!shown || !Fits(std::snprintf(command, kCommandSize, kDeleteItemCommand, item)) ||
                !Execute(instance, conversation, command, true))
                Print("****DdeClientTransaction Failed");
        });
}

bool IsProgmanGroupEmpty(const char* group)
{
    const DdeClient client;
    if (!client)
        return false;
    HDDEDATA answer = nullptr;
    {
        const DdeString progman(client.Instance(), "PROGMAN");
        // A null string handle would connect to any service, and request any item.
        const DdeConversation conversation(progman.Get() ? ConnectProgman(client.Instance(), progman.Get())
                                                         : nullptr);
        const DdeString groupName(client.Instance(), group);
        if (conversation && groupName.Get())
            answer = DdeClientTransaction(nullptr, 0, conversation.Get(), groupName.Get(), CF_TEXT,
                                          XTYP_REQUEST, kRequestTimeout, nullptr);
    }
    // 1 is what a transaction gives when it succeeds without data.
    const DdeData reply(answer == reinterpret_cast<HDDEDATA>(1) ? nullptr : answer);
    if (!reply)
        return false;
    const OwnedMemory description(CopyReply(reply.Get()));
    return description && GroupDescriptionSaysEmpty(description.Get());
}

void DeleteProgmanGroup(const char* group)
{
    WithProgmanCommands("****Memory Allocation failure", "***DDEML Initialization Failure\n",
                        [&](DWORD instance, HCONV conversation, char* command) {
                            if (!Fits(std::snprintf(command, kCommandSize, "[DeleteGroup(%s)]", group)) ||
                                !Execute(instance, conversation, command, true))
                                Print("***DdeClientTransaction Failed");
                            if (Fits(std::snprintf(command, kCommandSize, "[ShowGroup(%s,1)]", group)))
                                Execute(instance, conversation, command, false);
                        });
}
