// The ScanLine patterns of the setup script's lines, in one place: the reader reads with them, and
// the script checker reads with the very same, so the two can never take a line differently.
#pragma once

constexpr char kSoh = '\x01'; // encloses every text field

constexpr char kFormatPattern[] = "\x01%s\x01 %d";                         // line 1
constexpr char kPlatformsPattern[] = "%d %d %d";                           // line 4
constexpr char kHeaderPattern[] = "\x01%s\x01 %d %d %d %d %d %d %d\n";     // after "@" or "@@"
constexpr char kFileLinePattern[] = "\x01%s\x01 \x01%s\x01 %d \x01%s\x01"; // a file line
