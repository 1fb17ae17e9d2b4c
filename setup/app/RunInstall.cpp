// The install run: splash, platform, folders, script, wizard, and then the installation proper
// under the progress window. It always reports failure to the framework, so the program ends
// when it returns, without a message loop of its own.
#include "app/OneSetupAtATime.h"
#include "app/SetupApp.h"
#include "engine/PathLimit.h"
#include "engine/Platform.h"
#include "engine/SystemFolders.h"
#include "engine/UninstallLog.h"
#include "platform/ScopedWin.h"
#include "script/InstallPlan.h"
#include "wizard/InstallSheet.h"
#include "wizard/ProgressDlg.h"
#include "wizard/Splash.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace {

void CopyPath(char (&buffer)[kPathBufferSize], const std::string& text)
{
    lstrcpynA(buffer, text.c_str(), kPathBufferSize);
}

// The wizard's choice as the install plan takes it: the type and the Custom page's boxes.
InstallChoice ChoiceOf(const CInstallSheet& sheet)
{
    static_assert(kModuleBoxes == kCustomBoxes, "the Custom page has a box for each module the plan asks");
    static_assert(int{kTypicalInstall} == kInstallTypical && int{kMinimumInstall} == kInstallMinimum &&
                      int{kCustomInstall} == kInstallCustom,
                  "the wizard's types are the plan's");
    InstallChoice choice;
    choice.platformKind = PlatformKind;
    choice.installType = sheet.installTypeTab.installType;
    for (int box = 0; box < kModuleBoxes; ++box)
        choice.boxes.push_back(sheet.modulesTab.checks[box] != 0);
    return choice;
}

// While it lives, the application knows the progress window, for the messages shown over it.
class ProgressWindowInUse {
public:
    ProgressWindowInUse(CSetupApp* app, CProgressDlg* window) : app(app) { app->progressWindow = window; }
    ~ProgressWindowInUse() { app->progressWindow = nullptr; }
    ProgressWindowInUse(const ProgressWindowInUse&) = delete;
    ProgressWindowInUse& operator=(const ProgressWindowInUse&) = delete;

private:
    CSetupApp* app;
};

// While it lives, the install context writes to the uninstall log it opened; closed when it goes.
class UninstallLogInUse {
public:
    explicit UninstallLogInUse(InstallContext& install) : install(install)
    {
        install.log = OpenUninstallLog(install.installDir, install.productName.c_str());
        install.runDirectories.Put(JoinPath(install.installDir, kUninstallLogName));
    }
    ~UninstallLogInUse()
    {
        if (install.log)
            std::fclose(install.log);
        install.log = nullptr;
    }
    UninstallLogInUse(const UninstallLogInUse&) = delete;
    UninstallLogInUse& operator=(const UninstallLogInUse&) = delete;

private:
    InstallContext& install;
};

// The plan of this machine's folders and the wizard's choice; every module's `selected` flag set
// as it says.
InstallPlan PlanOf(ModuleEntry* modules, const InstallContext& install, const CInstallSheet& sheet)
{
    const PlanFolders folders{install.installDir, SystemDir, UserProgramFolderDir, ProgramFolderDir,
                              install.menuFolder};
    InstallPlan plan = PlanInstall(modules, install.productName, ChoiceOf(sheet), folders);
    for (ModuleEntry* module = modules; module; module = module->next)
        module->selected = std::find(plan.modules.begin(), plan.modules.end(), module) != plan.modules.end();
    return plan;
}

} // namespace

bool CSetupApp::RunInstall()
{
    const OneSetupAtATime onlyOne;
    if (!onlyOne.Claimed()) {
        AfxMessageBox("Setup is already running. Finish that installation before you start another.");
        onlyOne.BringOtherToFront();
        return false;
    }
    CInstallSheet sheet("Corvel Installation Wizard", script);
    CSplash splash;
    splash.Create();
    splash.ShowWindow(SW_SHOW);
    const ComApartment com; // the shell link object needs COM on this thread

    // Each failure has shown its own message, in front of the splash window.
    if (!DetectPlatform() || !LookupSystemFolders() || !ReadSetupScript())
        return false;
    splash.DestroyWindow();

    if (sheet.DoModal() != ID_WIZFINISH)
        return false; // cancelled: nothing has been written anywhere

    CProgressDlg progress;
    const ProgressWindowInUse inUse(this, &progress);
    progress.Create();
    progress.ShowWindow(SW_SHOW);
    progress.SetFocus();
    progress.SetStatusText("Prepering to copy files");
    CopyPath(install.installDir, sheet.welcomeTab.destPath);
    CopyPath(install.menuFolder, sheet.selectFolderTab.folderName);
    install.productName = script.productName;
    const InstallPlan plan = PlanOf(script.modules, install, sheet);

    // Only the last level is created: a destination whose parent is missing is refused.
    install.runDirectories.Begin();
    if (!install.runDirectories.Create(install.installDir) && GetLastError() != ERROR_ALREADY_EXISTS) {
        AfxMessageBox("Failed to create destination directory. Install aborted.");
        return false;
    }
    std::optional<UninstallLogInUse> log(std::in_place, install);
    if (!install.log) {
        AfxMessageBox("Failed to create Uninstall information file. Install aborted.");
        return false;
    }

    // The bar's range is 16 bits wide.
    progress.progressBar.SetRange(0, static_cast<short>(static_cast<WORD>(plan.files.size())));
    size_t next = 0; // the plan's files come module by module, in the modules' order
    for (const ModuleEntry* module : plan.modules) {
        const auto ofModule = [&] { return next < plan.files.size() && plan.files[next].module == module; };
        // The module's first file is named from the start: its copy may be the longest.
        progress.SetFileText(ofModule() ? plan.files[next].file->dest : "");
        progress.SetStatusText(("Copying files (" + std::string(module->name) + ")...").c_str());
        for (; ofModule(); ++next) {
            progress.SetFileText(plan.files[next].file->dest);
            progress.ShowProgress();
            InstallFile(plan.files[next]);
            progress.SetFilesDone(static_cast<int>(next + 1));
        }
        progress.ShowNow();
    }

    install.runDirectories.End();
    progress.SetFileText("");
    progress.SetStatusText("Registering Uninstall program...");
    RegisterUninstall();
    progress.DestroyWindow();
    log.reset(); // complete before the last message

    AfxMessageBox(install.rebootNeeded ? "Installation complete. You must now reboot the machine."
                                       : "Installation complete. You can now run the installed program.");
    return false;
}

// The product's entry in the system's list of installed software: its name and the command
// that starts the uninstaller on this installation's log. Each call logs its own record.
void CSetupApp::RegisterUninstall()
{
    const std::string key = kUninstallKey + install.productName;
    const std::string command =
        std::string(install.installDir) + "\\Uninstall.exe \"" + install.installDir + "\\.UnInst.inf\"";
    CreateRegistryKey(HKEY_LOCAL_MACHINE, key.c_str());
    SetRegistryString(HKEY_LOCAL_MACHINE, (key + "\\DisplayName").c_str(), install.productName.c_str());
    SetRegistryString(HKEY_LOCAL_MACHINE, (key + "\\UninstallString").c_str(), command.c_str());
}
