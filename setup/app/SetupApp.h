// The setup program's one application object: what the setup script says, the install context
// of the run and the operations of an install run.
#pragma once

#include "engine/FilePlacement.h"
#include "engine/InstallContext.h"
#include "engine/ReadSetupScript.h"
#include "engine/RegistryEntries.h"
#include "engine/SharedCount.h"
#include "engine/VersionedCopy.h"
#include "framework/WinApp.h"
#include "script/SetupScriptReader.h"

class CProgressDlg;

class CSetupApp : public CWinApp {
public:
    CSetupApp() = default;

    // The framework's start-up operation: the whole install run. Always false, so the program
    // ends without a message loop of its own.
    BOOL InitInstance() override;
    bool RunInstall();
    // A message of the copy loop shows over a progress window that is up to date.
    int DoMessageBox(const char* text) override;

    // The run's last step: the product's uninstall key with its DisplayName and UninstallString.
    void RegisterUninstall();

    // The run's operations, over the application's script and install context.
    int ReadSetupScript() { return ::ReadSetupScript(script); }
    bool InstallFile(const PlannedFile& planned) { return ::InstallFile(install, planned); }
    DWORD CopyVersionedFile(DWORD flags, const char* srcFileName, const char* destFileName,
                            const char* srcDir, const char* destDir, char* curDir, char* tmpFile,
                            DWORD* tmpFileLen)
    {
        return ::CopyVersionedFile(install.runDirectories, flags, srcFileName, destFileName, srcDir, destDir,
                                   curDir, tmpFile, tmpFileLen);
    }
    int IncrementSharedCount(const char* path) { return ::IncrementSharedCount(install.log, path); }
    int CreateRegistryKey(HKEY root, const char* keyPath)
    {
        return ::CreateRegistryKey(install.log, root, keyPath);
    }
    int SetRegistryString(HKEY root, const char* valuePath, const char* text)
    {
        return ::SetRegistryString(install.log, root, valuePath, text);
    }

    ScriptModel script;
    InstallContext install;
    // The progress window while the files are placed.
    CProgressDlg* progressWindow = nullptr;
};
