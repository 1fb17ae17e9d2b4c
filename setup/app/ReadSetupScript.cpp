// CSetupApp::ReadSetupScript: Setup.inf of the current directory into the application's install
// model, with the reader's messages shown as message boxes.
#include "app/SetupApp.h"
#include "engine/Platform.h"
#include "script/SetupScriptReader.h"

#include <cstdio>

int CSetupApp::ReadSetupScript()
{
    // Text mode: a CR LF pair ends a line like a bare LF.
    std::FILE* script = std::fopen("Setup.inf", "rt");
    if (!script) {
        AfxMessageBox("Failed to open file.");
        return 0;
    }
    ScriptModel model;
    int result = ReadScriptModel(script, PlatformKind, model, [](const char* message) { AfxMessageBox(message); });
    std::fclose(script);

    modules = model.modules;
    programFolder = model.programFolder;
    productName = model.productName;
    allowNT351 = model.allowNT351;
    allowNT4 = model.allowNT4;
    allowWin95 = model.allowWin95;
    return result;
}
