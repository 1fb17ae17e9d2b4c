// The [rename] section of wininit.ini, which Windows 95 carries out at its next start before long
// names exist: a list of "target=source" lines, in which "NUL=" (delete the source) may appear any
// number of times, one line for each program that left a file to delete.
#pragma once

#include <string>

// The text of a wininit.ini with `line` added at the end of its [rename] section, which is made at
// the end of the file when there is none. Every other byte stays as it was; added lines end in
// CR LF, and a last line without its line end gets one first.
std::string WithRenameLine(const std::string& wininit, const std::string& line);
