// The uninstaller's console: texts to standard output in text mode, single characters from
// standard input. Standard input may be a console, a pipe, a file or nothing at all.
#pragma once

// printf to standard output; "\n" goes out as CR LF.
void Print(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The next character of standard input, after everything printed so far went out. The end of the
// input (or no input at all) reads as ENTER, so the program never waits for what cannot come.
char ReadCharacter();

// Drops whatever was read from standard input but not yet taken: the rest of the answer's line.
void DiscardInput();
