// Owners for what the uninstaller acquires, so that no path out of a function leaves a handle
// open: files, registry keys, the log stream, memory from malloc, and the pieces of a DDE
// conversation. (The uninstaller shares no code with setup, which has owners of its own.)
#pragma once

#include <windows.h>

#include <ddeml.h>

#include <cstdio>
#include <cstdlib>

// A handle closed by Traits::Close when the owner goes; Traits::None() marks "none".
template <typename Traits>
class Owned {
    using Handle = typename Traits::Handle;

public:
    Owned() = default;
    explicit Owned(Handle h) : handle(h) {}
    ~Owned()
    {
        if (handle != Traits::None())
            Traits::Close(handle);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle Get() const { return handle; }
    Handle* Out() { return &handle; } // for calls that return the handle through a pointer, once
    explicit operator bool() const { return handle != Traits::None(); }

private:
    Handle handle = Traits::None();
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE file) { CloseHandle(file); }
};
struct RegKeyTraits {
    using Handle = HKEY;
    static HKEY None() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};
struct StreamTraits {
    using Handle = std::FILE*;
    static std::FILE* None() { return nullptr; }
    static void Close(std::FILE* stream) { std::fclose(stream); }
};
struct MemoryTraits {
    using Handle = char*;
    static char* None() { return nullptr; }
    static void Close(char* memory) { std::free(memory); }
};

using OwnedFile = Owned<FileHandleTraits>;
using OwnedKey = Owned<RegKeyTraits>;
using OwnedStream = Owned<StreamTraits>;
using OwnedMemory = Owned<MemoryTraits>;

// A DDE client instance of the uninstaller's own, uninitialised when the owner goes.
class DdeClient {
public:
    DdeClient()
    {
        if (DdeInitializeA(&instance, NoCallbackWork, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
            instance = 0;
    }
    ~DdeClient()
    {
        if (instance)
            DdeUninitialize(instance);
    }
    DdeClient(const DdeClient&) = delete;
    DdeClient& operator=(const DdeClient&) = delete;

    DWORD Instance() const { return instance; }
    explicit operator bool() const { return instance != 0; }

private:
    // A client answers no transactions of its own.
    static HDDEDATA CALLBACK NoCallbackWork(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
    {
        return nullptr;
    }

    DWORD instance = 0;
};

// A DDE string handle in the ANSI code page, freed when the owner goes.
class DdeString {
public:
    DdeString(DWORD instance, const char* text)
        : instance(instance), hsz(DdeCreateStringHandleA(instance, text, CP_WINANSI))
    {
    }
    ~DdeString()
    {
        if (hsz)
            DdeFreeStringHandle(instance, hsz);
    }
    DdeString(const DdeString&) = delete;
    DdeString& operator=(const DdeString&) = delete;

    HSZ Get() const { return hsz; }

private:
    DWORD instance;
    HSZ hsz;
};

struct ConversationTraits {
    using Handle = HCONV;
    static HCONV None() { return nullptr; }
    static void Close(HCONV conversation) { DdeDisconnect(conversation); }
};
struct DdeDataTraits {
    using Handle = HDDEDATA;
    static HDDEDATA None() { return nullptr; }
    static void Close(HDDEDATA data) { DdeFreeDataHandle(data); }
};

using DdeConversation = Owned<ConversationTraits>;
using DdeData = Owned<DdeDataTraits>;
