// The checks of a setup script, each a group of pitfalls that setup.exe's reader accepts without
// a word. CheckScript runs them all.
#pragma once

#include "setup-inf/Findings.h"
#include "setup-inf/ScriptLines.h"
#include "setup-inf/ScriptReading.h"

#include <string>
#include <vector>

// The script, and with distributionDir (not empty) the directory it stands in.
void CheckScript(const ScriptText& script, const std::string& distributionDir, Findings& findings);

// The first four lines: format, product name, Start-menu folder, platforms.
void CheckHead(const ScriptReading& reading, Findings& findings);
// Each line's shape: its length, headers and file lines as read against as written.
void CheckLineShapes(const ScriptReading& reading, Findings& findings);
// Modules on no platform, modules without a box in Custom.
void CheckModules(const ScriptReading& reading, Findings& findings);
// Each file line's source and destination.
void CheckFileNames(const ScriptReading& reading, Findings& findings);
// Where the files land: twice at one place, directories that cannot be made, the uninstaller.
void CheckTargets(const ScriptReading& reading, Findings& findings);
// Shortcuts, the Start-menu folder and Program Manager groups.
void CheckStartMenu(const ScriptReading& reading, Findings& findings);
// The distribution directory against the file lines.
void CheckDistribution(const ScriptReading& reading, const std::string& dir, Findings& findings);

// Shared by the checks.
// Text after the first `count` words, which setup's patterns never reach.
void CheckExtraWords(int line, const std::string& text, std::size_t count, const char* what,
                     Findings& findings);
std::vector<int> AllowedKinds(const ScriptReading& reading);
// A header that some platform allowed by line 4 keeps.
bool KeptSomewhere(const ScriptReading& reading, int header);
// "NT 3.x, NT 4".
std::string PlatformList(const std::vector<int>& kinds);
// A file line with all its SOH bytes whose shortcut kind reads as written: the checks of its
// names look at it only then, since its shape is reported already otherwise.
bool ReadsAsWritten(const std::string& fileLine, int shortcutKindRead);
// The first `count` blank-separated words of the text as the integers an author means by them
// (a sign allowed); false when there are fewer, or one is not an integer.
bool WrittenNumbers(const std::string& text, std::size_t count, std::vector<long>& numbers);
// "1 0 1": numbers as a finding quotes them.
std::string NumbersText(const int* numbers, std::size_t count);
// The parts of a path between its backslashes, empty ones included.
std::vector<std::string> Components(const std::string& path);
// "the install directory" or "the system directory", for the module of a header.
const char* BaseName(const HeaderLine& header);
