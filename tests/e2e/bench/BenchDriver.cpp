// What scripts/bench runs inside Wine to time an installer, with one clock for every program:
//   bench-driver.exe setup DIST DEST          setup.exe from DIST through its wizard (Typical, the
//                                             defaults) into DEST: prints start_ms (start to the
//                                             first page), run_ms (Finish to the closing message)
//   bench-driver.exe run DIR COMMAND [INPUT]  COMMAND started in DIR with INPUT on its standard
//                                             input (a backslash and n for a line end), to its
//                                             end: prints run_ms and exit
// Exit status 0 when the program did what it should, 1 otherwise (its message or status shown).
#include "MessageBoxes.h"
#include "SetupSession.h"
#include "Waiting.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kRunMs = 20 * 60 * 1000; // the largest distribution the bench makes, on a slow machine
constexpr DWORD kTightPollMs = 5;        // a finer look than the driver's: these are the times we report
constexpr double kSettleMs = 200;
constexpr double kFullLookMs = 2000; // in case the box does not come to the foreground

double Now()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The closing message box, looked for when the foreground window changes (and every so often
// anyway): looking for a box asks the wineserver about every window, and the wineserver is what
// setup.exe waits for in its copy loop, so a driver that looks all the time slows down what it
// measures.
HWND WaitForClosingMessage(DWORD processId)
{
    HWND box = nullptr;
    HWND foreground = GetForegroundWindow();
    double changed = 0, lastLook = Now();
    ui::WaitUntil(
        [&] {
            const HWND now = GetForegroundWindow();
            if (now != foreground) {
                foreground = now;
                changed = Now();
            }
            // A new foreground window may take a moment to show.
            if (Now() - changed < kSettleMs || Now() - lastLook > kFullLookMs) {
                lastLook = Now();
                box = ui::FindMessageBox(processId);
            }
            if (!box)
                ui::Pause(kTightPollMs);
            return box != nullptr;
        },
        kRunMs);
    return box;
}

int Setup(const std::string& dist, const std::string& dest)
{
    using ui::WizardButton;
    const double started = Now();
    e2e::SetupSession setup(dist);
    HWND wizard = nullptr;
    ui::WaitUntil(
        [&] {
            wizard = ui::FindWizard(setup.Id());
            if (wizard && !ui::PageTitle(wizard).empty())
                return true;
            ui::Pause(kTightPollMs);
            return false;
        },
        e2e::kStartMs);
    const double firstPage = Now();
    // Destination, then Typical and the script's folder as they stand, to the last page.
    if (!setup.WaitForWizard() || !setup.Type(IDC_DESTPATH, dest) || !setup.Press(WizardButton::Next) ||
        !setup.Press(WizardButton::Next) || !setup.Press(WizardButton::Next) ||
        !ui::Press(setup.Wizard(), WizardButton::Finish)) {
        std::fprintf(stderr, "bench-driver: the wizard did not reach Finish\n");
        return 1;
    }
    const double finish = Now();
    const HWND box = WaitForClosingMessage(setup.Id());
    const double done = Now();
    if (!box) {
        std::fprintf(stderr, "bench-driver: setup.exe showed no closing message\n");
        return 1;
    }
    const ui::MessageBoxSeen seen = ui::ReadMessageBox(box);
    ui::PressOk(box);
    std::vector<ui::MessageBoxSeen> later;
    setup.RunToEnd(&later);
    std::printf("start_ms=%.1f run_ms=%.1f\n", firstPage - started, done - finish);
    if (seen.text != "Installation complete. You can now run the installed program." || !later.empty()) {
        std::fprintf(stderr, "bench-driver: setup.exe said \"%s\"%s\n", seen.text.c_str(),
                     later.empty() ? "" : " and more");
        return 1;
    }
    return 0;
}

// "\\n" in a command-line argument stands for a line end.
std::string Unescaped(std::string text)
{
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1))
        text.replace(at, 2, "\n");
    return text;
}

int Run(const std::string& dir, const std::string& command, const std::string& input)
{
    const double started = Now();
    ui::Process program(command, dir, input);
    DWORD exitCode = 1;
    const bool ended = program.Started() && program.Wait(kRunMs, &exitCode);
    const double done = Now();
    if (!ended) {
        std::fprintf(stderr, "bench-driver: %s did not %s\n", command.c_str(),
                     program.Started() ? "end" : "start");
        return 1;
    }
    std::printf("run_ms=%.1f exit=%lu\n", done - started, exitCode);
    return exitCode == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "setup" && argc == 4)
        return Setup(argv[2], argv[3]);
    if (mode == "run" && (argc == 4 || argc == 5))
        return Run(argv[2], argv[3], argc == 5 ? Unescaped(argv[4]) : "");
    std::fprintf(stderr, "usage: bench-driver setup DIST DEST | run DIR COMMAND [INPUT]\n");
    return 2;
}
