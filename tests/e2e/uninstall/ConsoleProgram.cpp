#include "ConsoleProgram.h"
#include "Waiting.h"

#include <gtest/gtest.h>

namespace e2e {

namespace {

HANDLE OpenNul()
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       OPEN_EXISTING, 0, nullptr);
}

} // namespace

ConsoleProgram::ConsoleProgram(const std::string& exe, const std::string& arguments,
                               const std::string& directory, Input kind, const std::string& input,
                               bool keepInputOpen)
{
    InitializeCriticalSection(&lock);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE inputRead = nullptr, outputWrite = nullptr;
    if (kind == Input::pipe) {
        CreatePipe(&inputRead, &inputWrite, &inherit, 0);
        SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);
    }
    CreatePipe(&outputRead, &outputWrite, &inherit, 0);
    SetHandleInformation(outputRead, HANDLE_FLAG_INHERIT, 0);
    HANDLE errors = OpenNul();

    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = inputRead;
    si.hStdOutput = outputWrite;
    si.hStdError = errors;
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                       directory.c_str(), &si, &pi)) {
        CloseHandle(pi.hThread);
        process = pi.hProcess;
    }
    // Only the child holds its ends now, so our reads see the end of its output when it ends.
    if (inputRead)
        CloseHandle(inputRead);
    CloseHandle(outputWrite);
    CloseHandle(errors);
    reader = CreateThread(nullptr, 0, ReadOutput, this, 0, nullptr);
    Send(input);
    if (!keepInputOpen)
        CloseInput();
}

ConsoleProgram::~ConsoleProgram()
{
    CloseInput();
    if (process) {
        if (!Wait(0))
            TerminateProcess(process, 99);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
    WaitForSingleObject(reader, 10000);
    CloseHandle(reader);
    CloseHandle(outputRead);
    DeleteCriticalSection(&lock);
}

void ConsoleProgram::Send(const std::string& bytes)
{
    DWORD written;
    if (inputWrite && !bytes.empty())
        WriteFile(inputWrite, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void ConsoleProgram::CloseInput()
{
    if (inputWrite)
        CloseHandle(inputWrite);
    inputWrite = nullptr;
}

bool ConsoleProgram::Wait(DWORD timeoutMs)
{
    if (!process || !ui::WaitForObject(process, timeoutMs))
        return false;
    // The output pipe ends with the process; let the reader take the last of it.
    WaitForSingleObject(reader, 10000);
    return true;
}

DWORD ConsoleProgram::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

std::string ConsoleProgram::Output() const
{
    EnterCriticalSection(&lock);
    std::string copy = output;
    LeaveCriticalSection(&lock);
    return copy;
}

bool ConsoleProgram::WaitForOutputEnding(const std::string& text, DWORD timeoutMs) const
{
    return ui::WaitUntil(
        [&] {
            const std::string now = Output();
            return now.size() >= text.size() && now.compare(now.size() - text.size(), text.size(), text) == 0;
        },
        timeoutMs, 50);
}

DWORD WINAPI ConsoleProgram::ReadOutput(void* self)
{
    auto* program = static_cast<ConsoleProgram*>(self);
    char buffer[4096];
    DWORD got;
    while (ReadFile(program->outputRead, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        EnterCriticalSection(&program->lock);
        program->output.append(buffer, got);
        LeaveCriticalSection(&program->lock);
    }
    return 0;
}

Finished RunToEnd(const std::string& exe, const std::string& arguments, const std::string& directory,
                  const std::string& input, Input kind)
{
    ConsoleProgram program(exe, arguments, directory, kind, input, false);
    EXPECT_TRUE(program.Started()) << exe;
    bool ended = program.Wait(60000);
    EXPECT_TRUE(ended) << exe << " " << arguments << ": still running; output so far:\n" << program.Output();
    return {ended ? program.ExitCode() : 99, program.Output()};
}

} // namespace e2e
