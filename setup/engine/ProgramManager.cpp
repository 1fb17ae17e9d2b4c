#include "engine/ProgramManager.h"

#include "framework/WinApp.h"
#include "platform/ScopedWin.h"
#include "script/ProgmanCommands.h"

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr size_t kItemCommandSize = 1040; // title, target twice and working directory
constexpr DWORD kGroupTimeout = 10000;
constexpr DWORD kItemTimeout = 1000;

enum class Terminator { Sent, NotSent };

// Program Manager's service: a conversation on service and topic "PROGMAN", or none.
HCONV ConnectToProgman(DWORD instance, HSZ progman)
{
    // Without its name the connection would go to any DDE server that answers.
    if (!progman)
        return nullptr;
    CONVCONTEXT context{};
    context.cb = sizeof context;
    return DdeConnect(instance, progman, progman, &context);
}

// Formats one command into the buffer and sends it as XTYP_EXECUTE with CF_TEXT data; false
// when it did not fit the buffer (it is not sent then), there is no conversation, or the
// transaction failed.
__attribute__((format(printf, 7, 8))) bool SendCommand(DWORD instance, HCONV conv, char* buffer, size_t size,
                                                       Terminator nul, DWORD timeout, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int length = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    if (length < 0 || static_cast<size_t>(length) >= size || !conv)
        return false;
    DWORD dataSize = static_cast<DWORD>(length) + (nul == Terminator::Sent ? 1 : 0);
    HDDEDATA data =
        DdeCreateDataHandle(instance, reinterpret_cast<LPBYTE>(buffer), dataSize, 0, nullptr, CF_TEXT, 0);
    if (!data)
        return false;
    // The transaction takes over the data handle.
    DWORD result = 0;
    return DdeClientTransaction(reinterpret_cast<LPBYTE>(data), static_cast<DWORD>(-1), conv, nullptr, 0,
                                XTYP_EXECUTE, timeout, &result) != nullptr;
}

// The target's directory: the text before its last backslash.
std::string DirectoryOf(const char* target)
{
    std::string dir = target;
    size_t lastBackslash = dir.rfind('\\');
    if (lastBackslash != std::string::npos)
        dir.erase(lastBackslash);
    return dir;
}

// The lines of a group list: lines end at a line feed, empty ones are skipped, and a line is cut
// at its last carriage return. The list ends at its size or its first NUL, whichever comes first.
std::vector<std::string> GroupLines(const std::vector<char>& list)
{
    std::vector<std::string> names;
    size_t end = 0;
    while (end < list.size() && list[end] != '\0')
        ++end;
    size_t start = 0;
    while (start < end) {
        size_t lineEnd = start;
        while (lineEnd < end && list[lineEnd] != '\n')
            ++lineEnd;
        if (lineEnd > start) {
            std::string line(&list[start], lineEnd - start);
            size_t lastReturn = line.rfind('\r');
            if (lastReturn != std::string::npos)
                line.erase(lastReturn);
            names.push_back(line);
        }
        start = lineEnd + 1;
    }
    return names;
}

} // namespace

int AddProgmanGroup(const char* group, bool* active)
{
    bool made = false;
    if (!active)
        active = &made;
    *active = false;
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kGroupCommandSize]);
    if (!buffer) {
        AfxMessageBox("Memory Allocation failure");
        return 0;
    }
    ScopedDdeClient client;
    if (!client.Valid()) {
        AfxMessageBox("DDEML Initialization Failure");
        return 0;
    }
    ScopedHsz progman(client.Instance(), "PROGMAN");
    if (!progman.Get())
        return 1;
    ScopedConversation conv(ConnectToProgman(client.Instance(), progman.Get()));
    *active = SendCommand(client.Instance(), conv.Get(), buffer.get(), kGroupCommandSize, Terminator::Sent,
                          kGroupTimeout, kCreateGroupCommand, group);
    if (!*active)
        AfxMessageBox("DdeClientTransaction Failed");
    // Program Manager takes this one without its terminating NUL.
    if (SendCommand(client.Instance(), conv.Get(), buffer.get(), kGroupCommandSize, Terminator::NotSent,
                    kGroupTimeout, kShowGroupCommand, group))
        *active = true;
    return 1;
}

int AddProgmanItem(const char* title, const char* target)
{
    const std::string workDir = DirectoryOf(target);
    ScopedDdeClient client;
    if (!client.Valid())
        return 0;
    ScopedHsz progman(client.Instance(), "PROGMAN");
    ScopedConversation conv(ConnectToProgman(client.Instance(), progman.Get()));
    progman.Reset();
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kItemCommandSize]);
    if (!buffer)
        return 1;
    // Replacing first keeps a second install from adding a second copy of the item; when there
    // is no such item yet, Program Manager refuses it harmlessly.
    SendCommand(client.Instance(), conv.Get(), buffer.get(), kItemCommandSize, Terminator::Sent, kItemTimeout,
                "[ReplaceItem(\"%s\")]", title);
    SendCommand(client.Instance(), conv.Get(), buffer.get(), kItemCommandSize, Terminator::Sent, kItemTimeout,
                "[AddItem(\"%s\",\"%s\",\"%s\",0,0,0,\"%s\")]", target, title, target, workDir.c_str());
    return 1;
}

std::vector<std::string> ProgmanGroupNames()
{
    ScopedDdeClient client;
    if (!client.Valid())
        return {};
    HDDEDATA answer = nullptr;
    {
        ScopedHsz progman(client.Instance(), "PROGMAN");
        ScopedConversation conv(ConnectToProgman(client.Instance(), progman.Get()));
        ScopedHsz groups(client.Instance(), "Groups");
        if (groups.Get())
            answer = DdeClientTransaction(nullptr, 0, conv.Get(), groups.Get(), CF_TEXT, XTYP_REQUEST,
                                          kItemTimeout, nullptr);
    }
    // Freed before the client instance that owns it is uninitialised.
    const ScopedDdeData reply(answer);
    std::vector<char> list;
    DWORD size = 0;
    if (reply.Get())
        if (const BYTE* bytes = DdeAccessData(reply.Get(), &size)) {
            list.assign(bytes, bytes + size);
            DdeUnaccessData(reply.Get());
        }
    return GroupLines(list);
}
