// File placement: one file of one selected module put where it belongs — its directory, the
// versioned copy, the replacement at the next start for a file in use, its shared count, its log
// records and its Start-menu entry.
#pragma once

#include "engine/InstallContext.h"
#include "script/InstallPlan.h"

// Carries out one file of the install plan. True when it was copied or scheduled for the next
// start.
bool InstallFile(InstallContext& install, const PlannedFile& planned);
