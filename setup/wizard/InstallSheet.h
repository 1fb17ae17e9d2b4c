// The installation wizard: a property sheet in wizard mode with the five pages in their order.
// The install run makes it over what the script says, runs it modally and reads the user's
// choices out of the pages.
#pragma once

#include "framework/PropertySheet.h"
#include "script/SetupScriptReader.h"
#include "wizard/Finish.h"
#include "wizard/InstallType.h"
#include "wizard/Modules.h"
#include "wizard/SelectFolder.h"
#include "wizard/WelcomeTab.h"

class CInstallSheet : public CPropertySheet {
public:
    // Registers itself as ActiveSheet; nothing is shown before DoModal. The pages show the
    // script's product name, default folder and modules, which must outlive the sheet.
    CInstallSheet(const char* caption, const ScriptModel& script, CWnd* parent = nullptr,
                  UINT selectPage = 0);
    ~CInstallSheet() override;

    const ScriptModel& script;

    CWelcomeTab welcomeTab;
    CInstallType installTypeTab;
    CModules modulesTab;
    CSelectFolder selectFolderTab;
    CFinish finishTab;
};

// The sheet that exists now, or null; the pages reach their sheet only through it.
extern CInstallSheet* ActiveSheet;
