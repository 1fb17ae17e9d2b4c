// The demo: installs the sample product through setup.exe's wizard as a user would, photographs
// each window it shows, and prints what the installation did. The wizard's choices are Custom
// and the defaults unless CORVEL_DEMO_TYPE, _BOXES, _DEST and _FOLDER say otherwise (scripts/demo).
//   demo-driver.exe <distribution directory>   drives the installation, then reports
//   demo-driver.exe --report                   reports what is installed
//   demo-driver.exe --uninstall                removes it again with the registered command
// Pictures go where CORVEL_SCREENSHOTS says (ui::ScreenshotPath), as .bmp files.
#include "Controls.h"
#include "NextStart.h"
#include "RegistryGuard.h"
#include "ScratchDir.h"
#include "ScreenImage.h"
#include "SetupSession.h"
#include "Waiting.h"
#include "WindowQueries.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace e2e;
using ui::WizardButton;

namespace {

// The product whose registration the report and the uninstall look up: the sample's, or the one
// that scripts/demo --dist read from the distribution's Setup.inf.
std::string Product()
{
    const char* product = std::getenv("CORVEL_PRODUCT");
    return product && *product ? product : "Sample Editor";
}

std::string UninstallKey()
{
    return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + Product();
}

// The threads of a program, to hold it still.
class Threads {
public:
    explicit Threads(DWORD processId)
    {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            return;
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
            if (entry.th32OwnerProcessID == processId)
                if (HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID))
                    handles.push_back(thread);
        CloseHandle(snapshot);
    }
    ~Threads()
    {
        for (HANDLE thread : handles)
            CloseHandle(thread);
    }
    Threads(const Threads&) = delete;
    Threads& operator=(const Threads&) = delete;

    void Suspend() const
    {
        for (HANDLE thread : handles)
            SuspendThread(thread);
    }
    void Resume() const
    {
        for (HANDLE thread : handles)
            ResumeThread(thread);
    }

private:
    std::vector<HANDLE> handles;
};

// A program held still while the object lives. setup.exe shows its splash and progress windows
// only for a moment, and draws them itself between its steps: held still, they stay on the
// screen long enough to be photographed, and nothing in the program changes. Step() lets it run
// on for a moment.
class Frozen {
public:
    explicit Frozen(const Threads& threads) : threads(threads) { threads.Suspend(); }
    ~Frozen() { threads.Resume(); }
    Frozen(const Frozen&) = delete;
    Frozen& operator=(const Frozen&) = delete;

    void Step() const
    {
        threads.Resume();
        LARGE_INTEGER frequency, from, now;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&from);
        do
            QueryPerformanceCounter(&now);
        while ((now.QuadPart - from.QuadPart) * 4000 < frequency.QuadPart); // a quarter of a millisecond
        threads.Suspend();
    }

private:
    const Threads& threads;
};

std::string PictureName(const char* name)
{
    const std::string path = ui::ScreenshotPath(name);
    return path.empty() ? std::string() : std::string(name) + ".png";
}

// The screen's image of a window, taken without asking its program anything (it may be held).
void Photograph(HWND window, const char* name)
{
    const std::string path = ui::ScreenshotPath(name);
    RECT area;
    if (!path.empty() && GetWindowRect(window, &area))
        ui::SaveBitmap(ui::CaptureScreen(area), path);
}

// A window drawn in full has its face in the dialog colour, and shows its pictures, which are the
// only things in colour on that face: the icon of the splash window, the bar of the progress
// window. (A window shown but not drawn yet shows what was there before: the desktop.)
bool Drawn(HWND window)
{
    RECT area;
    if (!GetClientRect(window, &area) ||
        !MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2))
        return false;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const uint32_t facePixel = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    const ui::Image image = ui::CaptureScreen(area);
    size_t faces = 0;
    bool coloured = false;
    for (uint32_t pixel : image.pixels) {
        const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
        const int high = r > g ? (r > b ? r : b) : (g > b ? g : b);
        const int low = r < g ? (r < b ? r : b) : (g < b ? g : b);
        faces += pixel == facePixel;
        coloured = coloured || high - low > 80;
    }
    return coloured && faces * 2 > image.pixels.size();
}

struct WindowSearch {
    DWORD processId;
    const char* caption;
    HWND found;
};

// The program's top-level dialog with this caption, shown or not yet shown.
HWND FindDialog(DWORD processId, const char* caption)
{
    WindowSearch search{processId, caption, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) WINAPI -> BOOL {
            auto* s = reinterpret_cast<WindowSearch*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (pid != s->processId || ui::ClassOf(window) != "#32770" ||
                ui::WindowText(window) != s->caption)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Watches for the program's window with this caption from the moment it is made, and lets the
// program go on step by step until the window shows what `worth` looks for, drawn in full; then
// photographs it. Returns what `describe` says of it then; empty when the window went unseen.
std::string Catch(SetupSession& setup, const Threads& threads, const char* caption,
                  const std::function<bool(HWND)>& worth, const std::function<std::string(HWND)>& describe,
                  const char* name)
{
    const DWORD start = GetTickCount(), allowed = ui::Allowed(kStartMs);
    while (GetTickCount() - start < allowed && !setup.Program().Wait(0)) {
        HWND window = FindDialog(setup.Id(), caption);
        if (!window) {
            Sleep(0);
            continue;
        }
        Frozen frozen(threads);
        while (IsWindow(window) && GetTickCount() - start < allowed) {
            if (IsWindowVisible(window) && worth(window) && Drawn(window)) {
                Photograph(window, name);
                return describe(window);
            }
            frozen.Step();
        }
        break; // it came and went
    }
    return {};
}

std::string Line(HWND window, int id)
{
    return ui::WindowText(GetDlgItem(window, id));
}

// One window the user saw: what it was, its picture, and what it said or what the user did.
void Show(const std::string& what, const std::string& text, const std::string& picture)
{
    std::printf("  %-60s %s\n      %s\n", what.c_str(), picture.empty() ? "" : picture.c_str(), text.c_str());
}

// Photographs the current page of the wizard, active as it is when the user works in it.
std::string ShootPage(SetupSession& setup, const char* name)
{
    const std::string path = ui::ScreenshotPath(name);
    if (path.empty())
        return {};
    ui::SaveWindowImage(setup.Wizard(), path);
    return PictureName(name);
}

// Under a virtual desktop Wine draws a program's first window with an inactive title bar even
// though it has the focus; passing the activation away and back draws it as it is.
void ShowActive(HWND window)
{
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
        SetForegroundWindow(taskbar);
        ui::WaitUntil([&] { return GetForegroundWindow() == taskbar; }, 2000);
    }
    SetForegroundWindow(window);
    ui::WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

std::string Boxes(HWND page)
{
    std::string boxes;
    for (int id = IDC_MODULE1; id <= IDC_MODULE10; ++id)
        if (ui::IsVisible(page, id))
            boxes += std::string(boxes.empty() ? "" : ", ") +
                     (ui::CheckState(page, id) == BST_CHECKED ? "[x] " : "[ ] ") + ui::ControlText(page, id);
    return boxes;
}

// What scripts/demo was told to choose in the wizard (its options, passed as CORVEL_DEMO_...).
struct Choices {
    struct Type {
        int id;
        const char* said;
    } type{IDC_CUSTOM, "Custom, to see the modules"};
    std::vector<std::pair<int, int>> boxes; // box number 1 to 10, its state
    std::string dest, folder;
};

std::string Setting(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

Choices ChoicesOfTheDemo()
{
    Choices choices;
    const std::string type = Setting("CORVEL_DEMO_TYPE");
    if (type == "typical")
        choices.type = {IDC_TYPICAL, "Typical"};
    else if (type == "minimum")
        choices.type = {IDC_MINIMUM, "Minimum"};
    // "tick3 untick5 ": scripts/demo checked the numbers.
    const std::string boxes = Setting("CORVEL_DEMO_BOXES");
    for (std::size_t at = 0, end; (end = boxes.find(' ', at)) != std::string::npos; at = end + 1) {
        const std::string word = boxes.substr(at, end - at);
        const bool tick = word.rfind("tick", 0) == 0;
        choices.boxes.emplace_back(std::atoi(word.c_str() + (tick ? 4 : 6)),
                                   tick ? BST_CHECKED : BST_UNCHECKED);
    }
    choices.dest = Setting("CORVEL_DEMO_DEST");
    choices.folder = Setting("CORVEL_DEMO_FOLDER");
    return choices;
}

int Drive(const std::string& dist)
{
    std::printf("The wizard, as a user goes through it (setup.exe in %s):\n", dist.c_str());
    SetupSession setup(dist);
    if (!setup.Started()) {
        std::printf("demo: setup.exe did not start (error %lu)\n", setup.Program().StartError());
        return 1;
    }
    // Taken now, while the program starts: later there is no time. Its first thread is the one
    // that shows the windows and does the installation.
    Threads threads(setup.Id());
    const std::string splash = Catch(
        setup, threads, CAPTION_SPLASH, [](HWND) { return true; }, [](HWND w) { return ui::WindowText(w); },
        "setup-splash");
    Show("Splash window \"" + std::string(CAPTION_SPLASH) + "\"",
         splash.empty() ? "(gone before it could be photographed)"
                        : "while setup.exe reads the system and Setup.inf",
         splash.empty() ? "" : PictureName("setup-splash"));

    if (!setup.WaitForWizard()) {
        // Setup refused before its wizard (the platform, the script): its boxes say why.
        std::vector<ui::MessageBoxSeen> boxes;
        DWORD exitCode = 1;
        const bool ended = setup.RunToEnd(&boxes, &exitCode);
        for (const ui::MessageBoxSeen& box : boxes)
            Show("Message box \"" + box.caption + "\"", box.text + " -> OK", "");
        if (ended)
            std::printf("  the wizard never opened; setup.exe ended with status %lu\n", exitCode);
        else
            std::printf("demo: the wizard did not show, and setup.exe did not end\n");
        return 1;
    }
    const Choices choices = ChoicesOfTheDemo();
    struct Step {
        const char* name;
        const char* buttons;
        std::function<std::string()> act; // what the user sees and does on the page
        WizardButton leave;
    };
    std::vector<Step> steps = {
        {"setup-welcome", "Next",
         [&] {
             if (!choices.dest.empty() && !setup.Type(IDC_DESTPATH, choices.dest))
                 return std::string("(the destination could not be typed)");
             return "destination " + ui::ControlText(setup.Page(), IDC_DESTPATH);
         },
         WizardButton::Next},
        {"setup-install-type", "Back Next",
         [&] {
             setup.Click(choices.type.id, BST_CHECKED);
             return std::string(choices.type.said);
         },
         WizardButton::Next},
        {"setup-modules", "Back Next",
         [&] {
             for (const auto& [box, state] : choices.boxes)
                 if (!setup.Click(IDC_MODULE1 + box - 1, state))
                     return "(box " + std::to_string(box) + " could not be set) " + Boxes(setup.Page());
             return Boxes(setup.Page());
         },
         WizardButton::Next},
        {"setup-folder", "Back Next",
         [&] {
             if (!choices.folder.empty() && !setup.Type(IDC_FOLDERLIST, choices.folder))
                 return std::string("(the folder could not be typed)");
             return "Start-menu folder " + ui::ControlText(setup.Page(), IDC_FOLDERLIST);
         },
         WizardButton::Next},
        {"setup-finish", "Back Finish", [&] { return std::string("ready to install"); },
         WizardButton::Finish},
    };
    if (choices.type.id != IDC_CUSTOM) // the wizard shows the modules page for Custom only
        steps.erase(steps.begin() + 2);
    for (const Step& step : steps) {
        const std::string look = setup.Look(step.buttons);
        if (&step == &steps[0])
            ShowActive(setup.Wizard());
        const std::string title = look.substr(0, look.find(" | "));
        const std::string picture = ShootPage(setup, step.name);
        Show("Page \"" + title + "\"",
             step.act() + " -> " + (step.leave == WizardButton::Finish ? "Finish" : "Next"), picture);
        // Finish starts the installation, whose progress window is up for a moment only: the
        // watch for it starts at once.
        const bool left = step.leave == WizardButton::Finish ? ui::Press(setup.Wizard(), step.leave)
                                                             : setup.Press(step.leave);
        if (!left) {
            std::printf("demo: the wizard did not go on from \"%s\"\n", title.c_str());
            return 1;
        }
    }

    // The lines change one after the other: a new module's status comes while the file line still
    // names the last module's file. A moment worth a picture is one where the file line has moved
    // on since the status last changed, and where both have stood still for a few steps, so that
    // the screen has caught up with them.
    struct Lines {
        std::string status, file, fileAtNewStatus;
        int unchanged = 0;
    } seen;
    const auto worth = [&seen](HWND w) {
        const std::string status = Line(w, IDC_STATUSLINE), file = Line(w, IDC_FILELINE);
        seen.unchanged = status == seen.status && file == seen.file ? seen.unchanged + 1 : 0;
        if (status != seen.status && !seen.status.empty())
            seen.fileAtNewStatus = file;
        seen.status = status;
        seen.file = file;
        return status.rfind("Copying files", 0) == 0 && !file.empty() && file != seen.fileAtNewStatus &&
               seen.unchanged >= 3;
    };
    const std::string progress = Catch(
        setup, threads, CAPTION_PROGRESS, worth,
        [](HWND w) { return Line(w, IDC_STATUSLINE) + " / " + Line(w, IDC_FILELINE); }, "setup-progress");
    Show("Progress window \"" + std::string(CAPTION_PROGRESS) + "\"",
         progress.empty() ? "(gone before it could be photographed)" : progress,
         progress.empty() ? "" : PictureName("setup-progress"));

    std::vector<ui::MessageBoxSeen> boxes;
    DWORD exitCode = 1;
    const bool ended = setup.RunToEnd(&boxes, &exitCode);
    for (const ui::MessageBoxSeen& box : boxes)
        Show("Message box \"" + box.caption + "\"", box.text + " -> OK", "");
    if (!ended) {
        std::printf("demo: setup.exe did not end\n");
        return 1;
    }
    std::printf("  setup.exe ended with status %lu\n\n", exitCode);
    return 0;
}

// The log is the quoted argument of the uninstall command.
std::string LogPath(const std::string& command)
{
    const size_t open = command.find('"');
    const size_t close = command.find('"', open + 1);
    return open == std::string::npos || close == std::string::npos
               ? std::string()
               : command.substr(open + 1, close - open - 1);
}

// What the log says the install made: "dir <path>", "file <shared> <system> <path>" and
// "key <root> <path>" records, as the paths and keys to look for after the uninstall.
struct Made {
    std::vector<std::string> paths, keys;
};

Made MadeByTheLog(const std::string& logPath)
{
    Made made;
    for (const std::string& line : Lines(testing_support::ReadTextFile(logPath))) {
        if (line.rfind("dir ", 0) == 0)
            made.paths.push_back(line.substr(4));
        else if (line.rfind("file ", 0) == 0 && line.find(' ', line.find(' ', 5) + 1) != std::string::npos)
            made.paths.push_back(line.substr(line.find(' ', line.find(' ', 5) + 1) + 1));
        else if (line.rfind("key HKEY_LOCAL_MACHINE ", 0) == 0)
            made.keys.push_back(line.substr(23));
    }
    return made;
}

int Report()
{
    using testing_support::ReadString;
    const std::string key = UninstallKey();
    const std::string name = ReadString(HKEY_LOCAL_MACHINE, key, "DisplayName");
    const std::string command = ReadString(HKEY_LOCAL_MACHINE, key, "UninstallString");
    if (name.empty()) {
        std::printf("%s is not installed: there is no uninstall registration.\n", Product().c_str());
        return 1;
    }
    std::printf("The registration (HKEY_LOCAL_MACHINE\\%s):\n", key.c_str());
    std::printf("  DisplayName      %s\n  UninstallString  %s\n\n", name.c_str(), command.c_str());

    const std::string logPath = LogPath(command);
    const std::string log = testing_support::ReadTextFile(logPath);
    std::printf("The uninstall log (%s):\n", logPath.c_str());
    std::vector<std::string> placed;
    for (const std::string& line : Lines(log)) {
        std::printf("  %s\n", line.c_str());
        // "file <shared> <system> <path>"
        const size_t flags =
            line.rfind("file ", 0) == 0 ? line.find(' ', line.find(' ', 5) + 1) : std::string::npos;
        if (flags != std::string::npos)
            placed.push_back(line.substr(flags + 1));
    }
    std::printf("\nThe files placed:\n");
    for (const std::string& path : placed) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
            std::printf("  %s  (%lu bytes)\n", path.c_str(), data.nFileSizeLow);
        else
            std::printf("  %s  (missing)\n", path.c_str());
    }
    return 0;
}

// Runs the registered uninstall command as the software-removal panel does, answers "y", and
// shows what the uninstaller printed and what is left.
int Uninstall()
{
    using testing_support::ReadString;
    const std::string key = UninstallKey();
    const std::string command = ReadString(HKEY_LOCAL_MACHINE, key, "UninstallString");
    if (command.empty()) {
        std::printf("%s is not installed: there is no uninstall command.\n", Product().c_str());
        return 1;
    }
    std::printf("\nThe uninstaller, started with the registered command and answered \"y\":\n  %s\n",
                command.c_str());
    const Made made = MadeByTheLog(LogPath(command)); // read now: the uninstaller deletes the log
    ui::Process uninstall(command, "", "y\r\n");
    DWORD exitCode = 1;
    if (!uninstall.Started() || !uninstall.Wait(60000, &exitCode)) {
        std::printf("demo: Uninstall.exe did not run to its end\n");
        return 1;
    }
    // Its console, as a pipe receives it: the answer typed at the prompt is not echoed there.
    for (const std::string& line : Lines(uninstall.Output()))
        std::printf("  | %s\n", line.c_str());
    std::printf("\n  Uninstall.exe ended with status %lu\n", exitCode);
    std::printf("  registration: %s\n",
                testing_support::KeyExists(HKEY_LOCAL_MACHINE, key) ? "still there" : "removed");
    std::printf("\nWhat the install made and is still there:\n");
    bool left = false;
    for (auto path = made.paths.rbegin(); path != made.paths.rend(); ++path)
        if (GetFileAttributesA(path->c_str()) != INVALID_FILE_ATTRIBUTES) {
            std::printf("  %s\n", path->c_str());
            left = true;
        }
    for (const std::string& key : made.keys)
        if (testing_support::KeyExists(HKEY_LOCAL_MACHINE, key)) {
            std::printf("  HKEY_LOCAL_MACHINE\\%s\n", key.c_str());
            left = true;
        }
    if (!left)
        std::printf("  nothing\n");
    // A running program cannot be deleted: the uninstaller leaves its own file to the next start.
    const std::vector<std::string> moves = testing_support::PendingMoves();
    for (size_t i = 0; i + 1 < moves.size(); i += 2)
        if (moves[i + 1].empty())
            std::printf("  deleted at the next start of Windows: %s\n", moves[i].substr(4).c_str());
    return exitCode == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc == 2 && std::string(argv[1]) == "--report")
        return Report();
    if (argc == 2 && std::string(argv[1]) == "--uninstall")
        return Uninstall();
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo-driver.exe <distribution directory> | --report | --uninstall\n");
        return 2;
    }
    const int driven = Drive(argv[1]);
    const int reported = Report();
    return driven ? driven : reported;
}
