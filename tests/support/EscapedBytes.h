// Bytes written as one line of printable text and read back: how the test Program Manager logs
// what it received, and how tests give it replies to send. Backslash escapes: "\\" "\t" "\r"
// "\n" "\0", and "\xNN" (two hex digits) for every other byte below 0x20 or above 0x7e.
#pragma once

#include <string>

namespace testing_support {

std::string EscapeBytes(const std::string& bytes);

// False for a malformed escape; *bytes then holds what was read up to it.
bool UnescapeBytes(const std::string& text, std::string* bytes);

} // namespace testing_support
