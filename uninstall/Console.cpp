#include "Console.h"

#include <windows.h>
#include <cstdarg>
#include <cstdio>

namespace {

// What one read of standard input gave and has not been taken yet. A console in line mode hands
// over a whole line at a time, so this holds the rest of the line the user typed.
struct InputBuffer {
    char bytes[4096];
    DWORD size = 0;
    DWORD next = 0;
};
InputBuffer input;

} // namespace

void Print(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
}

char ReadCharacter()
{
    std::fflush(stdout);
    if (input.next == input.size) {
        input.next = input.size = 0;
        HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
        DWORD got = 0;
        if (in == nullptr || in == INVALID_HANDLE_VALUE ||
            !ReadFile(in, input.bytes, sizeof input.bytes, &got, nullptr) || got == 0)
            return '\n';
        input.size = got;
    }
    return input.bytes[input.next++];
}

void DiscardInput()
{
    input.next = input.size = 0;
}
