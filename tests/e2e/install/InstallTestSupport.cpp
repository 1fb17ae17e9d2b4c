#include "InstallTestSupport.h"

#include "platform/PlatformKinds.h"
#include "script/InstallPlan.h"
#include "script/SetupScriptReader.h"

#include <cstdio>

#include <objbase.h>
#include <shlobj.h>

namespace e2e {

using namespace testing_support;

namespace {

const char kTraceVariable[] = "CORVEL_PROGRESS_TRACE";

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string Folder(UINT (*get)(char*, UINT))
{
    char path[MAX_PATH];
    UINT n = get(path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

UINT GetWindowsFolder(char* path, UINT size)
{
    return GetWindowsDirectoryA(path, size);
}

UINT GetSystemFolder(char* path, UINT size)
{
    return GetSystemDirectoryA(path, size);
}

} // namespace

Distribution::Distribution(const std::string& name) : scratch(name), dir(scratch / "dist")
{
    ready = MakeDirs(dir) && CopyFileA(CORVEL_SETUP_EXE, (dir + "\\setup.exe").c_str(), FALSE);
}

bool Distribution::WriteScript(const std::string& text) const
{
    return WriteTextFile(dir + "\\Setup.inf", Replaced(Replaced(text, "^A", "\x01"), "\n", "\r\n"));
}

bool Distribution::AddFile(const std::string& name, const std::string& content) const
{
    return WriteTextFile(dir + "\\" + name, content);
}

bool Distribution::CopyIn(const std::string& name, const std::string& from) const
{
    return CopyFileA(from.c_str(), (dir + "\\" + name).c_str(), FALSE) != 0;
}

std::string ScriptText(const std::string& product, const std::string& folder,
                       const std::vector<ModuleSpec>& modules)
{
    std::string text = "^AScript^A 1\n" + product + "\n" + folder + "\n1 1 1\n";
    for (const ModuleSpec& module : modules) {
        text += "@^A" + module.name + "^A 1 1 1 0 0 " + std::to_string(module.typical) + " " +
                std::to_string(module.minimum) + "\n";
        for (const std::string& file : module.files)
            text += "^A" + file + "^A ^A(NULL)^A 0 ^A^A\n";
    }
    return text;
}

bool PrepareProduct(const Distribution& dist, const std::string& product, const std::string& folder,
                    const std::vector<ModuleSpec>& modules)
{
    if (!dist.Ready() || !dist.WriteScript(ScriptText(product, folder, modules)))
        return false;
    for (const ModuleSpec& module : modules)
        for (const std::string& file : module.files)
            if (!dist.AddFile(file, file + "\r\n"))
                return false;
    return true;
}

// The programs whose Windows version the tests choose: the installer and the uninstaller.
const char* const kProgramDefaults[] = {"Software\\Wine\\AppDefaults\\setup.exe",
                                        "Software\\Wine\\AppDefaults\\Uninstall.exe"};

WindowsVersion::WindowsVersion(const std::string& version)
{
    for (const char* key : kProgramDefaults) {
        DeleteKeyTree(HKEY_CURRENT_USER, key);
        if (!version.empty())
            SetString(HKEY_CURRENT_USER, key, "Version", version);
    }
}

WindowsVersion::~WindowsVersion()
{
    for (const char* key : kProgramDefaults)
        DeleteKeyTree(HKEY_CURRENT_USER, key);
}

PathGuard::PathGuard(std::vector<std::string> removed) : paths(std::move(removed))
{
    for (const std::string& path : paths)
        RemoveTree(path);
}

PathGuard::~PathGuard()
{
    for (const std::string& path : paths)
        RemoveTree(path);
}

const char* const kSharedDllsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

std::string UninstallKey(const std::string& product)
{
    return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product;
}

ProductGuard::ProductGuard(const std::string& product, bool sharedKey)
    : uninstallKey(HKEY_LOCAL_MACHINE, UninstallKey(product)), sharedDlls(HKEY_LOCAL_MACHINE, kSharedDllsKey)
{
    DeleteKeyTree(HKEY_LOCAL_MACHINE, UninstallKey(product));
    HKEY key;
    if (sharedKey && RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedDllsKey, 0, nullptr, 0, KEY_READ, nullptr,
                                     &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
    if (!sharedKey)
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kSharedDllsKey);
}

std::string WindowsDir()
{
    return Folder(GetWindowsFolder);
}

std::string SystemDir()
{
    return Folder(GetSystemFolder);
}

std::string UserPrograms()
{
    return ReadString(HKEY_CURRENT_USER,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs");
}

std::string CommonPrograms()
{
    return ReadString(HKEY_LOCAL_MACHINE,
                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                      "Common Programs");
}

std::string PlannedLog(const std::string& scriptPath, const std::string& version, const std::string& dest)
{
    const int kind = version == "win95" ? kPlatformWin95 : version == "nt351" ? kPlatformNT3 : kPlatformNT4;
    std::FILE* script = std::fopen(scriptPath.c_str(), "r");
    if (!script)
        return {};
    ScriptModel model;
    const int read = ReadScriptModel(script, kind, model, [](const char*) {});
    std::fclose(script);
    std::string log;
    if (read) {
        // Windows 95 has one Programs folder, the user's, for both kinds of shortcut.
        const PlanFolders folders{dest, SystemDir(), UserPrograms(),
                                  kind == kPlatformWin95 ? UserPrograms() : CommonPrograms(),
                                  model.programFolder};
        log =
            LogText(PlanInstall(model.modules, model.productName, {kind, kInstallTypical, {}}, folders).log);
    }
    FreeModuleList(model.modules);
    return log;
}

std::string ProgramFilesDir()
{
    return ReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
}

std::string ShortPath(const std::string& path)
{
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return length != 0 && length < sizeof shortPath ? std::string(shortPath, length) : "";
}

std::string LinkTarget(const std::string& linkPath)
{
    std::string target;
    const bool initialised = SUCCEEDED(CoInitialize(nullptr));
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH];
            char path[MAX_PATH];
            if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH) &&
                SUCCEEDED(file->Load(wide, STGM_READ)) &&
                link->GetPath(path, sizeof path, nullptr, SLGP_RAWPATH) == S_OK)
                target = path;
            file->Release();
        }
        link->Release();
    }
    if (initialised)
        CoUninitialize();
    return target;
}

bool EnterDestination(SetupSession& setup, const std::string& dest)
{
    return setup.WaitForWizard() && setup.Type(IDC_DESTPATH, dest) && setup.Press(ui::WizardButton::Next);
}

bool InstallWithDefaults(SetupSession& setup, const std::string& dest)
{
    using ui::WizardButton;
    return EnterDestination(setup, dest) && setup.Press(WizardButton::Next) &&
           setup.Press(WizardButton::Next) && setup.Press(WizardButton::Finish);
}

std::string LogText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

DesktopHook::DesktopHook(const char* libraryPath, const char* hookName, const char* traceVariable)
    : folder(hookName), traceVariable(traceVariable)
{
    library = LoadLibraryA(libraryPath);
    // Through void*: the exported function has the hook's signature, not FARPROC's.
    void* address = library ? reinterpret_cast<void*>(GetProcAddress(library, hookName)) : nullptr;
    auto proc = reinterpret_cast<HOOKPROC>(address);
    if (!proc)
        return;
    // Programs started from now on inherit the name of the file to write to.
    SetEnvironmentVariableA(traceVariable, (folder / "trace.txt").c_str());
    hook = SetWindowsHookExA(WH_CALLWNDPROC, proc, library, 0);
}

DesktopHook::~DesktopHook()
{
    if (hook)
        UnhookWindowsHookEx(hook);
    SetEnvironmentVariableA(traceVariable, nullptr);
    if (library)
        FreeLibrary(library);
}

std::vector<std::string> DesktopHook::Lines() const
{
    return e2e::Lines(ReadTextFile(folder / "trace.txt"));
}

ProgressTrace::ProgressTrace() : DesktopHook(CORVEL_PROGRESS_TRACE_DLL, "ProgressTraceHook", kTraceVariable)
{
}

testing::AssertionResult ProgressTrace::Shows(const std::vector<std::string>& expected) const
{
    const std::vector<std::string> lines = Lines();
    size_t next = 0;
    bool extrasArePaints = true;
    for (const std::string& line : lines) {
        if (next < expected.size() && line == expected[next])
            ++next;
        else if (line.rfind("file ", 0) != 0 && line.rfind("pos ", 0) != 0)
            extrasArePaints = false;
    }
    if (next == expected.size() && extrasArePaints)
        return testing::AssertionSuccess();
    std::string shown;
    for (const std::string& line : lines)
        shown += "\n  " + line;
    return testing::AssertionFailure() << "the progress window was told:" << shown;
}

OldWindowsGaps::OldWindowsGaps(const std::string& system)
    : DesktopHook(CORVEL_OLD_WINDOWS_DLL, "OldWindowsHook", "CORVEL_OLD_WINDOWS_TRACE")
{
    SetEnvironmentVariableA("CORVEL_OLD_WINDOWS", system.c_str());
}

OldWindowsGaps::~OldWindowsGaps()
{
    SetEnvironmentVariableA("CORVEL_OLD_WINDOWS", nullptr);
}

} // namespace e2e
