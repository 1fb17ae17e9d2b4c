#include "ConsoleWindow.h"
#include "Waiting.h"

namespace e2e {

namespace {

const DWORD kStdHandles[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};

HANDLE OpenConsoleFile(const char* name)
{
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

} // namespace

ConsoleWindow::ConsoleWindow(const std::string& exe, const std::string& arguments,
                             const std::string& directory)
{
    for (int i = 0; i < 3; ++i)
        savedStd[i] = GetStdHandle(kStdHandles[i]);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                        directory.c_str(), &si, &pi))
        return;
    CloseHandle(pi.hThread);
    process = pi.hProcess;
    // The console comes up with the program; attach once it is there.
    FreeConsole();
    for (int waited = 0; waited < 20000; waited += 50) {
        if (AttachConsole(pi.dwProcessId)) {
            input = OpenConsoleFile("CONIN$");
            output = OpenConsoleFile("CONOUT$");
            break;
        }
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0)
            break;
    }
}

ConsoleWindow::~ConsoleWindow()
{
    if (process) {
        if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0)
            TerminateProcess(process, 99);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
    if (input != INVALID_HANDLE_VALUE)
        CloseHandle(input);
    if (output != INVALID_HANDLE_VALUE)
        CloseHandle(output);
    FreeConsole();
    // Attaching may have pointed our own standard handles at the program's console.
    for (int i = 0; i < 3; ++i)
        SetStdHandle(kStdHandles[i], savedStd[i]);
}

void ConsoleWindow::Type(const std::string& keys)
{
    for (char key : keys) {
        INPUT_RECORD press[2] = {};
        for (int i = 0; i < 2; ++i) {
            KEY_EVENT_RECORD& event = press[i].Event.KeyEvent;
            press[i].EventType = KEY_EVENT;
            event.bKeyDown = i == 0;
            event.wRepeatCount = 1;
            event.uChar.AsciiChar = key;
            event.wVirtualKeyCode = key == '\r' ? VK_RETURN : LOBYTE(VkKeyScanA(key));
        }
        DWORD written;
        WriteConsoleInputA(input, press, 2, &written);
    }
}

std::string ConsoleWindow::Screen() const
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output, &info))
        return "";
    std::string screen;
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        std::string line(info.dwSize.X, ' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterA(output, &line[0], info.dwSize.X, COORD{0, y}, &read);
        line.resize(read);
        line.erase(line.find_last_not_of(' ') + 1);
        screen += (y ? "\n" : "") + line;
    }
    return screen;
}

bool ConsoleWindow::WaitForScreenEnding(const std::string& text, DWORD timeoutMs) const
{
    return ui::WaitUntil(
        [&] {
            const std::string now = Screen();
            return now.size() >= text.size() && now.compare(now.size() - text.size(), text.size(), text) == 0;
        },
        timeoutMs, 50);
}

bool ConsoleWindow::Wait(DWORD timeoutMs)
{
    return process && WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ConsoleWindow::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

} // namespace e2e
