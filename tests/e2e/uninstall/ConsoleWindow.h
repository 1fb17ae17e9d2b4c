// A console program in a console of its own, as when a user starts it from a shortcut: the test
// types keys into that console and reads its screen.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class ConsoleWindow {
public:
    ConsoleWindow(const std::string& exe, const std::string& arguments, const std::string& directory);
    ~ConsoleWindow(); // ends a program that still runs and leaves its console
    ConsoleWindow(const ConsoleWindow&) = delete;
    ConsoleWindow& operator=(const ConsoleWindow&) = delete;

    bool Attached() const { return input != INVALID_HANDLE_VALUE; }
    // Key presses for each character; "\r" is ENTER.
    void Type(const std::string& keys);
    // The screen up to the cursor's line, each line without its trailing blanks, joined by "\n".
    std::string Screen() const;
    bool WaitForScreenEnding(const std::string& text, DWORD timeoutMs) const;
    bool Wait(DWORD timeoutMs);
    DWORD ExitCode() const;

private:
    HANDLE process = nullptr;
    HANDLE input = INVALID_HANDLE_VALUE;
    HANDLE output = INVALID_HANDLE_VALUE;
    HANDLE savedStd[3] = {};
};

} // namespace e2e
