// Reading the uninstall log: the product name from its first line, then every further line into
// a list whose head is the last line of the file, so that walking it undoes the newest change first.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>

// Every line is read into a buffer of this size: at most 1039 characters and the terminator.
constexpr std::size_t kLogLineSize = 1040;

enum class LineRead {
    End,      // nothing left to read
    Whole,    // the line, without its line end
    Overlong, // the first 1039 characters of a longer line; the rest was read and dropped
};

// Reads one line, cut at its first line feed (a carriage return right before it goes too, for
// logs read without text-mode conversion).
LineRead ReadLogLine(std::FILE* log, char (&line)[kLogLineSize]);

// The first line: the product name, cut to 1039 characters; empty for an empty file.
void ReadProductName(std::FILE* log, char (&name)[kLogLineSize]);

// One record line, held with its node in a single allocation, and where the line begins in the
// file: cutting the file there takes the record and every later one out of the log.
struct LogRecord {
    LogRecord* next;
    const char* text;
    long offset;
};

using Allocate = void* (*)(std::size_t);

// Reads every remaining line into a list, each line added at the front. The offsets are those of
// a stream opened in binary mode, which keeps every byte where it is in the file. A line longer than the
// buffer is left out: acting on a cut path could remove something the log never named. False when
// memory runs out; the list is then empty and nothing of it is kept.
bool LoadRecords(std::FILE* log, LogRecord** head, Allocate allocate = std::malloc);

void FreeRecords(LogRecord* head);
