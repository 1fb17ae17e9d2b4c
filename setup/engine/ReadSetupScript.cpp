// Setup.inf of the current directory into the install model, with the reader's messages shown as
// message boxes.
#include "engine/ReadSetupScript.h"

#include "engine/Platform.h"
#include "framework/WinApp.h"

#include <cstdio>

int ReadSetupScript(ScriptModel& model)
{
    // Text mode: a CR LF pair ends a line like a bare LF.
    std::FILE* script = std::fopen("Setup.inf", "rt");
    if (!script) {
        AfxMessageBox("Failed to open file.");
        return 0;
    }
    const int result =
        ReadScriptModel(script, PlatformKind, model, [](const char* message) { AfxMessageBox(message); });
    std::fclose(script);
    return result;
}
