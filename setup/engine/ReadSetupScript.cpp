// Setup.inf of the current directory into the install model, with the reader's messages shown as
// message boxes.
#include "engine/ReadSetupScript.h"

#include "engine/Platform.h"
#include "framework/WinApp.h"
#include "platform/ScopedWin.h"

#include <cstdio>

int ReadSetupScript(ScriptModel& model)
{
    // Text mode: a CR LF pair ends a line like a bare LF.
    const ScopedStream script(std::fopen("Setup.inf", "rt"));
    if (!script.Valid()) {
        AfxMessageBox("Failed to open file.");
        return 0;
    }
    return ReadScriptModel(script.Get(), PlatformKind, model,
                           [](const char* message) { AfxMessageBox(message); });
}
