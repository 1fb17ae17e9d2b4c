// A console program run as a separate process, the way a user or a panel starts it: in a chosen
// directory, with given bytes on its standard input, and its standard output captured byte for byte.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

enum class Input {
    pipe, // a pipe holding the given bytes; closed after them unless kept open
    none, // no standard input handle at all
};

class ConsoleProgram {
public:
    // Starts "<exe>" <arguments> in directory. With keepInputOpen the pipe stays open for Send().
    ConsoleProgram(const std::string& exe, const std::string& arguments, const std::string& directory,
                   Input kind, const std::string& input, bool keepInputOpen = false);
    ~ConsoleProgram(); // ends a program that still runs
    ConsoleProgram(const ConsoleProgram&) = delete;
    ConsoleProgram& operator=(const ConsoleProgram&) = delete;

    bool Started() const { return process != nullptr; }
    void Send(const std::string& bytes);
    void CloseInput();
    // True when the program ended within the time.
    bool Wait(DWORD timeoutMs);
    DWORD ExitCode() const;
    // Everything it wrote so far (all of it, once Wait() returned true).
    std::string Output() const;
    // Waits until the output ends with this text; false after the time-out.
    bool WaitForOutputEnding(const std::string& text, DWORD timeoutMs) const;

private:
    static DWORD WINAPI ReadOutput(void* self);

    HANDLE process = nullptr;
    HANDLE inputWrite = nullptr;
    HANDLE outputRead = nullptr;
    HANDLE reader = nullptr;
    mutable CRITICAL_SECTION lock;
    std::string output;
};

struct Finished {
    DWORD exitCode;
    std::string output;
};

// Runs the program to its end with the given input, which then ends; fails the test when it does
// not start or does not end within 60 seconds.
Finished RunToEnd(const std::string& exe, const std::string& arguments, const std::string& directory,
                  const std::string& input, Input kind = Input::pipe);

} // namespace e2e
