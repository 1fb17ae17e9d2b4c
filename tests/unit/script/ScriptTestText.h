// Script text and install models as text, shared by the script tests.
#pragma once

#include "script/InstallModel.h"

#include <string>

// From the head of the list: name(onNT351 onNT4 onWin95 shared system typical minimum) and its
// files {source>dest shortcutKind 'shortcutName', ...}, modules separated by a space.
std::string ModelText(const ModuleEntry* modules);

// The byte 0x01 that encloses the script's text fields, as a literal of its own so that a
// following hex digit is not taken into the escape.
#define SOH "\x01"

// A script of three modules: Editor and Runtime on every platform, Extras on Windows 95 only.
extern const char kExampleScript[];
// Its module list on Windows NT (Extras dropped), as ModelText writes it.
extern const char kExampleModelNT[];
