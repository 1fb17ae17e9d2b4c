// The uninstaller's command line: the path of the log, and nothing else.
#pragma once

#include <cstdio>

// The log path from the arguments after the program name: the last one that does not begin
// with "/", or ".UnInst.inf" in the current directory. Every "/" argument is reported on out
// with "Unknown argument %s\n" and otherwise ignored.
const char* LogPathFromArguments(int argc, char** argv, std::FILE* out);
