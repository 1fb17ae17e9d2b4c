#include "Process.h"
#include "Waiting.h"

#include <vector>

namespace ui {
namespace {

// Owns a handle for the length of a scope.
struct Handle {
    HANDLE h = nullptr;
    ~Handle()
    {
        if (h && h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
};

// Output goes to files, not pipes: nothing has to read while the child writes, so a large
// output cannot stall it, and a grandchild that inherits the handle cannot hang the reader.
std::string NewCaptureFile()
{
    char dir[MAX_PATH];
    char path[MAX_PATH];
    DWORD n = GetTempPathA(sizeof dir, dir);
    if (n == 0 || n >= sizeof dir || !GetTempFileNameA(dir, "cvp", 0, path))
        return {};
    return path;
}

HANDLE OpenForChild(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string ReadWholeFile(const std::string& path)
{
    Handle file{CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)};
    std::string bytes;
    if (file.h == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(file.h, buffer, sizeof buffer, &n, nullptr) && n > 0)
        bytes.append(buffer, n);
    return bytes;
}

// The child's standard input: a pipe that already holds all of input and whose writing end is
// closed, so the child reads it and then the end. The pipe is made large enough to take it all,
// and never-waiting, so that writing cannot block even though nobody reads yet.
bool MakeInputPipe(const std::string& input, HANDLE* readEnd)
{
    Handle writeEnd;
    const DWORD size = static_cast<DWORD>(input.size());
    if (!CreatePipe(readEnd, &writeEnd.h, nullptr, size + 4096))
        return false;
    DWORD mode = PIPE_NOWAIT;
    SetNamedPipeHandleState(writeEnd.h, &mode, nullptr, nullptr);
    DWORD written = 0;
    if (size > 0 && (!WriteFile(writeEnd.h, input.data(), size, &written, nullptr) || written != size)) {
        CloseHandle(*readEnd);
        *readEnd = nullptr;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    return true;
}

// The one moment our handles are inheritable: while CreateProcess runs. Starts from several
// threads take turns, so no child inherits the ends meant for another.
class InheritLock {
public:
    InheritLock() { InitializeCriticalSection(&section); }
    void Enter() { EnterCriticalSection(&section); }
    void Leave() { LeaveCriticalSection(&section); }

private:
    CRITICAL_SECTION section;
} inheritLock;

struct Holding {
    Holding() { inheritLock.Enter(); }
    ~Holding() { inheritLock.Leave(); }
};

bool Inheritable(HANDLE source, Handle* copy)
{
    return DuplicateHandle(GetCurrentProcess(), source, GetCurrentProcess(), &copy->h, 0, TRUE,
                           DUPLICATE_SAME_ACCESS) != 0;
}

} // namespace

Process::Process(const std::string& commandLine, const std::string& currentDirectory,
                 const std::string& input)
{
    Start(commandLine, currentDirectory, input);
}

bool Process::Failed()
{
    // Taken before the scope's handles close, which may change the last error.
    startError = GetLastError() ? GetLastError() : ERROR_GEN_FAILURE;
    return false;
}

bool Process::Start(const std::string& commandLine, const std::string& currentDirectory,
                    const std::string& input)
{
    outputPath = NewCaptureFile();
    errorPath = NewCaptureFile();
    Handle in, out, err;
    if (outputPath.empty() || errorPath.empty() || !MakeInputPipe(input, &in.h))
        return Failed();
    out.h = OpenForChild(outputPath);
    err.h = OpenForChild(errorPath);
    if (out.h == INVALID_HANDLE_VALUE || err.h == INVALID_HANDLE_VALUE)
        return Failed();

    const Holding hold;
    Handle childIn, childOut, childErr;
    if (!Inheritable(in.h, &childIn) || !Inheritable(out.h, &childOut) || !Inheritable(err.h, &childErr))
        return Failed();
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = childIn.h;
    si.hStdOutput = childOut.h;
    si.hStdError = childErr.h;
    PROCESS_INFORMATION pi{};
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &si, &pi))
        return Failed();
    CloseHandle(pi.hThread);
    process = pi.hProcess;
    processId = pi.dwProcessId;
    return true;
}

Process::~Process()
{
    if (process) {
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT)
            Kill();
        CloseHandle(process);
    }
    if (!outputPath.empty())
        DeleteFileA(outputPath.c_str());
    if (!errorPath.empty())
        DeleteFileA(errorPath.c_str());
}

bool Process::Wait(DWORD timeoutMs, DWORD* exitCode)
{
    // Answering meanwhile: a child that broadcasts (a DDE client) waits for our windows too.
    if (!process || !WaitForObject(process, timeoutMs))
        return false;
    if (exitCode && !GetExitCodeProcess(process, exitCode))
        return false;
    return true;
}

void Process::Kill(UINT exitCode)
{
    if (!process)
        return;
    TerminateProcess(process, exitCode);
    WaitForSingleObject(process, 10000);
}

std::string Process::Output() const
{
    return outputPath.empty() ? std::string() : ReadWholeFile(outputPath);
}

std::string Process::Errors() const
{
    return errorPath.empty() ? std::string() : ReadWholeFile(errorPath);
}

} // namespace ui
