#include "ProgramManager.h"

#include "Console.h"
#include "portable/GroupDescription.h"
#include "portable/RecordKinds.h"

#include <windows.h>

#include <ddeml.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Group and item names of up to 112 characters fit every command.
constexpr int kCommandSize = 128;
constexpr DWORD kCommandTimeout = 10000;
constexpr DWORD kRequestTimeout = 1000;

HDDEDATA CALLBACK NoCallbackWork(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

bool InitializeClient(DWORD* instance)
{
    *instance = 0;
    return DdeInitializeA(instance, NoCallbackWork, APPCMD_CLIENTONLY, 0) == DMLERR_NO_ERROR;
}

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

// The reply's bytes with a terminator of our own: the reply need not carry one.
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
    char* command = static_cast<char*>(std::malloc(kCommandSize));
    if (!command) {
        Print("%s", memoryFailure);
        return;
    }
    DWORD instance;
    if (!InitializeClient(&instance)) {
        Print("%s", ddemlFailure);
        std::free(command);
        return;
    }
    HSZ progman = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
    if (progman) {
        HCONV conversation = ConnectProgman(instance, progman);
        send(instance, conversation, command);
        DdeFreeStringHandle(instance, progman);
        if (conversation)
            DdeDisconnect(conversation);
    }
    std::free(command);
    DdeUninitialize(instance);
}

} // namespace

void RemoveProgmanEntry(const char* data)
{
    char group[kLogLineSize];
    const char* item;
    if (!SplitProgmanRecord(data, group, &item))
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
            if (!shown || !Fits(std::snprintf(command, kCommandSize, "[DeleteItem(%s)]", item)) ||
                !Execute(instance, conversation, command, true))
                Print("****DdeClientTransaction Failed");
        });
}

bool IsProgmanGroupEmpty(const char* group)
{
    DWORD instance;
    if (!InitializeClient(&instance))
        return false;
    HSZ progman = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
    // A null string handle would connect to any service, and request any item.
    HCONV conversation = progman ? ConnectProgman(instance, progman) : nullptr;
    HSZ groupName = DdeCreateStringHandleA(instance, group, CP_WINANSI);
    HDDEDATA reply = nullptr;
    if (conversation && groupName)
        reply = DdeClientTransaction(nullptr, 0, conversation, groupName, CF_TEXT, XTYP_REQUEST,
                                     kRequestTimeout, nullptr);
    if (progman)
        DdeFreeStringHandle(instance, progman);
    if (groupName)
        DdeFreeStringHandle(instance, groupName);
    if (conversation)
        DdeDisconnect(conversation);

    bool empty = false;
    // 1 is what a transaction gives when it succeeds without data.
    if (reply && reply != reinterpret_cast<HDDEDATA>(1)) {
        char* description = CopyReply(reply);
        DdeFreeDataHandle(reply);
        if (description) {
            empty = GroupDescriptionSaysEmpty(description);
            std::free(description);
        }
    }
    DdeUninitialize(instance);
    return empty;
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
