// Opening the uninstall log and writing its records.
#include "engine/UninstallLog.h"

#include "platform/ScopedWin.h"

#include <windows.h>

#include <cstdarg>
#include <string>

namespace {

// One line, formatted whole, written in one piece and flushed: on disk before the next change
// is made.
__attribute__((format(printf, 2, 3))) void WriteLine(FILE* log, const char* format, ...)
{
    if (!log)
        return;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length > 0) {
        std::string line(static_cast<size_t>(length) + 1, '\0');
        std::vsnprintf(&line[0], line.size(), format, again);
        std::fwrite(line.data(), 1, static_cast<size_t>(length), log);
    }
    va_end(again);
    std::fflush(log);
}

// A log whose last line was cut off (a setup that died while writing it, a disk that filled up)
// gets its line end, or this run's first record would be glued to it. Read and mended byte for
// byte: a text stream cannot tell, nor write, a lone carriage return.
void EndLastLine(const char* path)
{
    int last = EOF;
    {
        const ScopedStream log(std::fopen(path, "rb"));
        if (!log.Valid())
            return;
        if (std::fseek(log.Get(), -1, SEEK_END) == 0)
            last = std::fgetc(log.Get());
    }
    if (last == EOF || last == '\n')
        return;
    const ScopedStream append(std::fopen(path, "ab"));
    if (append.Valid())
        std::fputs(last == '\r' ? "\n" : "\r\n", append.Get());
}

} // namespace

FILE* OpenUninstallLog(const char* installDir, const char* productName)
{
    // A cut path would open some other file; such a directory is beyond the platform's limit anyway.
    char path[MAX_PATH];
    int length = std::snprintf(path, sizeof path, "%s\\%s", installDir, kUninstallLogName);
    if (length < 0 || length >= static_cast<int>(sizeof path))
        return nullptr;

    EndLastLine(path);
    FILE* log = std::fopen(path, "a+");
    if (!log)
        return nullptr;
    // "a+" writes at the end whatever the position; the position only tells an empty log.
    std::fseek(log, 0, SEEK_END);
    if (std::ftell(log) == 0) {
        WriteLine(log, "%s\n", productName);
        WriteDirRecord(log, installDir);
    }
    return log;
}

void WriteDirRecord(FILE* log, const char* dirPath)
{
    WriteLine(log, "dir %s\n", dirPath);
}

void WriteFileRecord(FILE* log, int shared, int system, const char* filePath)
{
    WriteLine(log, "file %d %d %s\n", shared, system, filePath);
}

void WriteShortcutRecord(FILE* log, const char* linkPath)
{
    WriteLine(log, "file 0 0 %s\n", linkPath);
}

void WriteIncRecord(FILE* log, const char* filePath)
{
    WriteLine(log, "inc %s\n", filePath);
}

void WriteKeyRecord(FILE* log, const char* rootName, const char* path)
{
    WriteLine(log, "key %s %s\n", rootName, path);
}

void WritePmngrRecord(FILE* log, const char* group, const char* item)
{
    WriteLine(log, "pmngr %s@%s\n", group, item);
}
