// What the end-to-end tests of setup.exe share: a distribution directory per test, the Windows
// version setup.exe sees, guards that put the machine back as the test found it, readings of
// the installed product, and the record of what the run showed on its progress window.
#pragma once

#include "RegistryGuard.h"
#include "ScratchDir.h"
#include "SetupSession.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace e2e {

// C:\corvel-tests\<name>, with the distribution in its dist folder: setup.exe, the Setup.inf the
// test writes and the files it lists. The rest of the folder takes the test's destinations.
class Distribution {
public:
    explicit Distribution(const std::string& name);

    bool Ready() const { return ready; }
    const std::string& Dir() const { return dir; }
    // A path in the scratch folder beside the distribution.
    std::string Target(const std::string& relative) const { return scratch / relative; }

    // Setup.inf from readable text: "^A" stands for the SOH byte, and lines end in CR LF.
    bool WriteScript(const std::string& text) const;
    bool AddFile(const std::string& name, const std::string& content) const;
    bool CopyIn(const std::string& name, const std::string& from) const;

private:
    testing_support::ScratchDir scratch;
    std::string dir;
    bool ready = false;
};

// A module of a test script: on every platform, neither shared nor system, and one file line per
// file, each installed under its own name at the top of the destination, without a shortcut.
struct ModuleSpec {
    std::string name;
    int typical;
    int minimum;
    std::vector<std::string> files;
};

// A script in readable form ("^A" for SOH) for the product, with its folder and modules.
std::string ScriptText(const std::string& product, const std::string& folder,
                       const std::vector<ModuleSpec>& modules);

// The script and the files it lists (each holding its own name) in the distribution.
bool PrepareProduct(const Distribution& dist, const std::string& product, const std::string& folder,
                    const std::vector<ModuleSpec>& modules);

// While it lives, setup.exe and Uninstall.exe (and no other program) see this Windows version:
// win95, nt351, nt40, win31; empty for the prefix's own. Outside these tests they have no settings
// of their own in the prefix, so whatever a test that ended early left there is removed first.
class WindowsVersion {
public:
    explicit WindowsVersion(const std::string& version);
    ~WindowsVersion();
    WindowsVersion(const WindowsVersion&) = delete;
    WindowsVersion& operator=(const WindowsVersion&) = delete;
};

// Paths that an install puts outside the scratch folder (a file in the system directory, a
// Start-menu folder): removed when the guard is made and again when it goes.
class PathGuard {
public:
    explicit PathGuard(std::vector<std::string> paths);
    ~PathGuard();
    PathGuard(const PathGuard&) = delete;
    PathGuard& operator=(const PathGuard&) = delete;

private:
    std::vector<std::string> paths;
};

extern const char* const kSharedDllsKey;
std::string UninstallKey(const std::string& product);

// The registry that an install of the product changes, put back as found when the guard goes:
// its uninstall key and the shared counts. With sharedKey, the SharedDLLs key exists meanwhile,
// as it does on a Windows that has installed anything shared before.
class ProductGuard {
public:
    explicit ProductGuard(const std::string& product, bool sharedKey = true);

private:
    testing_support::RegistryKeyGuard uninstallKey;
    testing_support::RegistryKeyGuard sharedDlls;
};

std::string WindowsDir();
std::string SystemDir();
// The user's Start-menu Programs folder.
std::string UserPrograms();
// The all-users Start-menu Programs folder (Windows NT).
std::string CommonPrograms();
// The program files folder that the system registers.
std::string ProgramFilesDir();

// The short (8.3) form of an existing path.
std::string ShortPath(const std::string& path);

// The file a shell link points to; empty when it cannot be read.
std::string LinkTarget(const std::string& linkPath);

// Waits for the wizard, types dest as the destination and goes on to the installation type.
bool EnterDestination(SetupSession& setup, const std::string& dest);

// Through the wizard as it starts out (Typical, the script's folder) into dest, up to Finish.
bool InstallWithDefaults(SetupSession& setup, const std::string& dest);

// Lines joined as the uninstall log stores them, each ended by CR LF.
std::string LogText(const std::vector<std::string>& lines);

// The uninstall log that setup's install plan foresees for a Typical installation of the
// script into dest (a new directory), with the script's own Start-menu folder, on Windows 95,
// NT 3.51 or NT 4.0 (version: win95, nt351, nt40); in the log's own form. Empty when the reader
// refuses the script there.
std::string PlannedLog(const std::string& scriptPath, const std::string& version, const std::string& dest);

// A fixture library's hook set on the whole desktop while it lives, so that the programs started
// meanwhile load the library, with a variable of their environment naming the file it writes to.
class DesktopHook {
public:
    DesktopHook(const char* library, const char* hookName, const char* traceVariable);
    ~DesktopHook();
    DesktopHook(const DesktopHook&) = delete;
    DesktopHook& operator=(const DesktopHook&) = delete;

    bool Active() const { return hook != nullptr; }
    std::vector<std::string> Lines() const; // what the library wrote

private:
    testing_support::ScratchDir folder;
    const char* traceVariable;
    HMODULE library = nullptr;
    HHOOK hook = nullptr;
};

// While it lives, every change that an install run started by this process makes to its progress
// window is written down: "status <text>", "file <text>", "range <low> <high>", "pos <n>", in the
// order the window received them.
class ProgressTrace : public DesktopHook {
public:
    ProgressTrace();
    // The lines expected, in their order, and between them at most the "file" and "pos" lines of
    // the paints that the time since the last paint decides.
    testing::AssertionResult Shows(const std::vector<std::string>& expected) const;
};

// While it lives, setup.exe started by this process meets what Windows 95 or NT 3.51 (system:
// win95, nt351) lacks and Wine has (tests/fixtures/oldwindows): Lines() says "in place", then
// each call refused ("not found: <name>", "not implemented: MoveFileExA").
class OldWindowsGaps : public DesktopHook {
public:
    explicit OldWindowsGaps(const std::string& system);
    ~OldWindowsGaps();
};

} // namespace e2e
