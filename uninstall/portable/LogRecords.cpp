#include "portable/LogRecords.h"

#include <cstdlib>
#include <cstring>

LineRead ReadLogLine(std::FILE* log, char (&line)[kLogLineSize])
{
    std::size_t length = 0;
    bool any = false, overlong = false;
    int c;
    while ((c = std::getc(log)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (c == '\r') {
            int next = std::getc(log);
            if (next == '\n')
                break;
            if (next != EOF)
                std::ungetc(next, log);
        }
        if (length < kLogLineSize - 1)
            line[length++] = static_cast<char>(c);
        else
            overlong = true;
    }
    line[length] = '\0';
    if (!any)
        return LineRead::End;
    return overlong ? LineRead::Overlong : LineRead::Whole;
}

void ReadProductName(std::FILE* log, char (&name)[kLogLineSize])
{
    ReadLogLine(log, name);
}

bool LoadRecords(std::FILE* log, LogRecord** head, Allocate allocate)
{
    *head = nullptr;
    char line[kLogLineSize];
    LineRead read;
    long offset = std::ftell(log);
    for (; (read = ReadLogLine(log, line)) != LineRead::End; offset = std::ftell(log)) {
        if (read == LineRead::Overlong)
            continue;
        std::size_t size = std::strlen(line) + 1;
        auto* record = static_cast<LogRecord*>(allocate(sizeof(LogRecord) + size));
        if (!record) {
            FreeRecords(*head);
            *head = nullptr;
            return false;
        }
        char* text = reinterpret_cast<char*>(record + 1);
        std::memcpy(text, line, size);
        record->text = text;
        record->offset = offset;
        record->next = *head;
        *head = record;
    }
    return true;
}

void FreeRecords(LogRecord* head)
{
    while (head) {
        LogRecord* next = head->next;
        std::free(head);
        head = next;
    }
}
