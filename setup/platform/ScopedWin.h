// Owners for the handles the setup program acquires, so that an early return never leaks one:
// registry keys, find handles, files and C streams, COM interfaces and apartments, and the
// pieces of a DDE conversation.
#pragma once

#include <windows.h>
#include <ddeml.h>
#include <objbase.h>
#include <unknwn.h>

#include <cstdio>

// A handle closed by Traits::Close when the owner goes; Traits::Invalid() marks "none".
template <typename Traits>
class ScopedHandle {
    using Handle = typename Traits::Handle;

public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle h) : handle(h) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle Get() const { return handle; }
    Handle* Out()
    {
        Reset();
        return &handle;
    } // for calls that return the handle through a pointer
    bool Valid() const { return handle != Traits::Invalid(); }
    void Reset()
    {
        if (Valid())
            Traits::Close(handle);
        handle = Traits::Invalid();
    }

private:
    Handle handle = Traits::Invalid();
};

struct RegKeyTraits {
    using Handle = HKEY;
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};
struct FindTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE find) { FindClose(find); }
};
struct FileTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE file) { CloseHandle(file); }
};

struct StreamTraits {
    using Handle = std::FILE*;
    static std::FILE* Invalid() { return nullptr; }
    static void Close(std::FILE* stream) { std::fclose(stream); }
};

using ScopedRegKey = ScopedHandle<RegKeyTraits>;
using ScopedFind = ScopedHandle<FindTraits>;
using ScopedFile = ScopedHandle<FileTraits>;
using ScopedStream = ScopedHandle<StreamTraits>; // a C stream, for files read or written whole

// A COM interface pointer, released when the owner goes.
template <typename Interface>
class ScopedCom {
public:
    ScopedCom() = default;
    ~ScopedCom() { Reset(); }
    ScopedCom(const ScopedCom&) = delete;
    ScopedCom& operator=(const ScopedCom&) = delete;

    Interface* operator->() const { return ptr; }
    Interface* Get() const { return ptr; }
    void** Out()
    {
        Reset();
        return reinterpret_cast<void**>(&ptr);
    }
    void Reset()
    {
        if (ptr)
            ptr->Release();
        ptr = nullptr;
    }

private:
    Interface* ptr = nullptr;
};

// A DDE client instance of its own (APPCMD_CLIENTONLY), uninitialised when the owner goes.
class ScopedDdeClient {
public:
    ScopedDdeClient();
    ~ScopedDdeClient();
    ScopedDdeClient(const ScopedDdeClient&) = delete;
    ScopedDdeClient& operator=(const ScopedDdeClient&) = delete;

    bool Valid() const { return instance != 0; }
    DWORD Instance() const { return instance; }

private:
    DWORD instance = 0;
};

// A DDE string handle in the ANSI code page, freed when the owner goes.
class ScopedHsz {
public:
    ScopedHsz(DWORD instance, const char* text);
    ~ScopedHsz() { Reset(); }
    ScopedHsz(const ScopedHsz&) = delete;
    ScopedHsz& operator=(const ScopedHsz&) = delete;

    HSZ Get() const { return hsz; }
    void Reset();

private:
    DWORD instance;
    HSZ hsz;
};

// A DDE conversation, disconnected when the owner goes.
class ScopedConversation {
public:
    explicit ScopedConversation(HCONV c = nullptr) : conv(c) {}
    ~ScopedConversation() { Reset(); }
    ScopedConversation(const ScopedConversation&) = delete;
    ScopedConversation& operator=(const ScopedConversation&) = delete;

    HCONV Get() const { return conv; }
    void Reset()
    {
        if (conv)
            DdeDisconnect(conv);
        conv = nullptr;
    }

private:
    HCONV conv;
};

// A DDE data handle received from a transaction, freed when the owner goes. TRUE, the answer of
// transactions without data, is no handle.
class ScopedDdeData {
public:
    explicit ScopedDdeData(HDDEDATA d) : data(d == reinterpret_cast<HDDEDATA>(TRUE) ? nullptr : d) {}
    ~ScopedDdeData()
    {
        if (data)
            DdeFreeDataHandle(data);
    }
    ScopedDdeData(const ScopedDdeData&) = delete;
    ScopedDdeData& operator=(const ScopedDdeData&) = delete;

    HDDEDATA Get() const { return data; }

private:
    HDDEDATA data;
};

// COM on this thread while the owner lives: every CoInitialize that succeeds is balanced by a
// CoUninitialize, as COM asks.
class ComApartment {
public:
    ComApartment() : initialized(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment()
    {
        if (initialized)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized;
};
