// The command line of setup-inf:
//   setup-inf check PATH [--werror] [--disable ID]...   (the findings, then a line that counts them)
//   setup-inf show PATH [--platform win95|nt351|nt4] [--type typical|minimum|custom]
//     (the plan, then the default directories on a fresh Windows of that kind)
//   setup-inf build SOURCE OUT [--werror] [--disable ID]...   (on any failure OUT is removed)
//   setup-inf rules   (the rules with their ids, severities and summaries)
// PATH is a Setup.inf, a readable source ("^A" for SOH) or a distribution directory.
// Exit status: 0 done, 1 errors found (or warnings, with --werror; for show, setup refuses the
// platform), 2 unreadable input or a wrong command line, with one line on the error stream
// that says why.
#pragma once

#include <ostream>
#include <string>
#include <vector>

int RunSetupInf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
