// The result word of the versioned copy: the VIF_ bits of the Win32 version API (<winver.h>,
// VerInstallFile), which file placement tests and names in its failure message.
#pragma once

#include <windows.h>
#include <winver.h>

#include <string>

// The copy's flags.
constexpr DWORD kCopyForce = 0x1; // no comparison; a read-only current copy is made writable
constexpr DWORD kCopyKeep = 0x2;  // the current copy is neither tested nor deleted

// A delete refused with access denied (a running program, a loaded library): every bit that
// callers of the version API look for, VIF_SRCOLD included.
constexpr DWORD kVifDeleteDenied = VIF_CANNOTDELETE | VIF_FILEINUSE | VIF_SRCOLD | VIF_TEMPFILE;

// The names of the set bits, without separator, in the order the failure message lists them.
// Bits without a name there (VIF_CANNOTDELETE among them) add nothing.
std::string VifFlagNames(DWORD bits);
