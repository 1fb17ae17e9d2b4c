// File placement: one file of one selected module put where it belongs — its directory, the
// versioned copy, the replacement at the next start for a file in use, its shared count, its log
// records and its Start-menu entry.
#pragma once

#include "engine/InstallContext.h"
#include "script/InstallModel.h"

// True when the file was copied or scheduled for the next start.
bool InstallFile(InstallContext& install, const ModuleEntry* module, const FileEntry* file);
