// Setup.inf of the current directory, read for the running platform.
#pragma once

#include "script/SetupScriptReader.h"

// Setup.inf in the current directory into *model, with the reader's messages shown as message
// boxes; 0 after its message was shown.
int ReadSetupScript(ScriptModel& model);
