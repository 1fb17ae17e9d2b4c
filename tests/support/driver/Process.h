// A program started as a user's shell would start it: a command line, a current directory and
// what is typed on its standard input; what it writes on standard output and error is kept
// byte for byte, for exact checks of console output.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class Process {
public:
    // Starts commandLine in currentDirectory (empty: ours). The child reads input on its
    // standard input and then meets the end (empty input: at once).
    explicit Process(const std::string& commandLine, const std::string& currentDirectory = {},
                     const std::string& input = {});
    // A process still running is killed: a failed test leaves nothing behind.
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return process != nullptr; }
    DWORD StartError() const { return startError; } // GetLastError of the failed start
    DWORD Id() const { return processId; }

    // Waits up to timeoutMs for the end; true (and *exitCode) when it ended in time.
    bool Wait(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // Ends it now with this exit code, and waits until it is gone.
    void Kill(UINT exitCode = 1);

    // The bytes written so far on standard output and standard error.
    std::string Output() const;
    std::string Errors() const;

private:
    bool Start(const std::string& commandLine, const std::string& currentDirectory, const std::string& input);
    bool Failed();

    HANDLE process = nullptr;
    DWORD processId = 0;
    DWORD startError = 0;
    std::string outputPath;
    std::string errorPath;
};

} // namespace ui
