// The Program Manager commands that setup sends for a group, each formatted into a buffer of
// kGroupCommandSize bytes; a command that does not fit is not sent.
#pragma once

#include <cstddef>

constexpr std::size_t kGroupCommandSize = 128;
constexpr char kCreateGroupCommand[] = "[CreateGroup(%s)]";
constexpr char kShowGroupCommand[] = "[ShowGroup(%s,1)]";

// The longest name that a command (its format) of `size` bytes takes in place of its one "%s",
// with its NUL.
template <std::size_t N>
constexpr std::size_t LongestName(std::size_t size, const char (&)[N])
{
    return size - (N - 1 - 2) - 1;
}
