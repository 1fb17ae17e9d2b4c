// Reading a setup script into the install model: four lines by position (format, product name,
// Start-menu folder, platform permissions), then module headers and file lines told apart by
// their first byte.
#pragma once

#include "script/InstallModel.h"
#include "script/ScriptLineSource.h"
#include "script/ScriptListener.h"

#include <cstdio>
#include <functional>
#include <string>

// What a script says; the application object takes it over as its install model.
struct ScriptModel {
    ModuleEntry* modules = nullptr; // newest first; free with FreeModuleList when not kept
    std::string programFolder;
    std::string productName;
    int allowNT351 = 0;
    int allowNT4 = 0;
    int allowWin95 = 0;
};

// Reads an open script (a text-mode stream, at its start) for the running platform kind into
// *model. Nonzero when the installation may go on; 0 after `report` was given the message that
// says why not. The caller opens and closes the stream.
int ReadScriptModel(std::FILE* script, int platformKind, ScriptModel& model,
                    const std::function<void(const char*)>& report);

// The same from any line source, telling a listener (when there is one) what became of each line.
int ReadScriptModel(ScriptLineSource& source, int platformKind, ScriptModel& model,
                    const std::function<void(const char*)>& report, ScriptListener* listener);
