// Where the setup script reader takes its lines from: setup.exe's open Setup.inf, or a script held
// in memory (the checker, tests, fuzzing). Both give lines exactly as fgets does.
#pragma once

#include <cstdio>
#include <string>

class ScriptLineSource {
public:
    virtual ~ScriptLineSource() = default;
    // At most size - 1 characters into `line`, up to and with the first newline, terminated; false
    // at the end of the script, with nothing read.
    virtual bool ReadLine(char* line, int size) = 0;
};

// A text-mode stream, as setup.exe opens Setup.inf.
class StreamLineSource : public ScriptLineSource {
public:
    explicit StreamLineSource(std::FILE* stream) : stream(stream) {}
    bool ReadLine(char* line, int size) override;

private:
    std::FILE* stream;
};

// Bytes as a text-mode stream would give them (CR LF already turned into LF by the caller).
class TextLineSource : public ScriptLineSource {
public:
    explicit TextLineSource(std::string text) : text(std::move(text)) {}
    bool ReadLine(char* line, int size) override;

private:
    std::string text;
    std::size_t position = 0;
};
