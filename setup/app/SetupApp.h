// The setup program's one application object: the install model, the open uninstall log and
// the operations of an install run.
#pragma once

#include "engine/RunDirectories.h"
#include "framework/WinApp.h"
#include "script/InstallModel.h"

#include <cstdio>
#include <string>

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

    // Step 18 of the run: the product's uninstall key with its DisplayName and UninstallString.
    void RegisterUninstall();

    // Setup.inf in the current directory into the install model; 0 after its message was shown.
    int ReadSetupScript();

    // Places one file of one selected module; true when copied or scheduled for the next start.
    bool InstallFile(ModuleEntry* module, FileEntry* file);

    // Installs srcDir\srcFileName as destDir\destFileName when it is newer than the copy in
    // curDir; returns the VIF_ bits of the version API, 0 on success.
    DWORD CopyVersionedFile(DWORD flags, const char* srcFileName, const char* destFileName,
                            const char* srcDir, const char* destDir, char* curDir, char* tmpFile,
                            DWORD* tmpFileLen);

    // Raises the SharedDLLs count of an installed file; 0 when the key could not be opened.
    int IncrementSharedCount(const char* path);

    // Registry entries of the uninstall registration, each logged as a "key" record.
    int CreateRegistryKey(HKEY root, const char* keyPath);
    int SetRegistryString(HKEY root, const char* valuePath, const char* text);

    ModuleEntry* modules = nullptr;
    std::string programFolder;
    std::string productName;
    int allowNT351 = 0;
    int allowNT4 = 0;
    int allowWin95 = 0;
    FILE* logFile = nullptr;
    int rebootNeeded = 0;
    // What the copy loop of this run knows of its directories.
    RunDirectories runDirectories;
    // The progress window while the files are placed.
    CProgressDlg* progressWindow = nullptr;
};

// The program's application object (defined beside the program's entry; tests define their own).
extern CSetupApp theApp;

// The wizard's choices, copied by the install run after Finish.
extern char InstallDir[kPathBufferSize];
extern char MenuFolder[kPathBufferSize];
