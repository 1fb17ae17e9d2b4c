// The install plan as show prints it: the modules in list order with their Custom boxes, the files
// in placement order with their targets and shortcuts, and the uninstall log that the run writes.
#pragma once

#include "setup-inf/Placement.h"

#include <string>

// The plan as text, or the reader's refusal for that platform (then `refused` is set).
std::string PlanText(const ScriptReading& reading, int kind, Selection selection, bool& refused);
