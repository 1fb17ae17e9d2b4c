// 8.3 short names: Windows gives every long file name a short one (PROGRA~1.EXE for
// "program file.exe"), and a name written in that short form opens the long-named file.
#pragma once

#include <string>

// The name fits 8.3 as it stands, so it is its own short name.
bool IsShortName(const std::string& name);
// A short name of the form that Windows makes for long names: up to six characters, "~", digits.
bool IsAliasName(const std::string& name);
// Equal for a long name and the aliases Windows may give it, and for those aliases themselves;
// otherwise the name upper-cased. Applied to each component of a backslash path.
std::string ShortKey(const std::string& path);
