// A script's bytes as setup's text-mode stream gives them.
#include "setup-inf/ScriptLines.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string Replaced(const std::string& text, const std::string& what, const std::string& with)
{
    std::string out;
    for (std::size_t pos = 0;;) {
        std::size_t found = text.find(what, pos);
        out.append(text, pos, found == std::string::npos ? std::string::npos : found - pos);
        if (found == std::string::npos)
            return out;
        out += with;
        pos = found + what.size();
    }
}

int LineOf(const std::string& text, std::size_t pos)
{
    int number = 1;
    for (std::size_t i = 0; i < pos; ++i)
        number += text[i] == '\n';
    return number;
}

} // namespace

ScriptText MakeScriptText(const std::string& name, const std::string& contents)
{
    ScriptText script;
    script.name = name;
    script.readableSource =
        contents.find(kSoh) == std::string::npos && contents.find("^A") != std::string::npos;
    // Text mode reads CR LF as one line end; a CR alone stays a character of its line.
    script.bytes =
        Replaced(script.readableSource ? Replaced(contents, "^A", "\x01") : contents, "\r\n", "\n");
    const std::size_t ctrlZ = script.bytes.find('\x1a');
    script.readable = script.bytes.substr(0, ctrlZ);
    if (ctrlZ != std::string::npos)
        script.ctrlZLine = LineOf(script.bytes, ctrlZ);

    script.lastLine = LineOf(script.bytes, script.bytes.size());
    if (!script.bytes.empty() && script.bytes.back() == '\n')
        --script.lastLine;
    return script;
}

bool ReadWholeFile(const std::string& path, std::string& contents, std::string& reason)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = std::strerror(errno);
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        reason = std::strerror(errno);
        return false;
    }
    contents = bytes.str();
    return true;
}

std::string SetupInfBytes(const ScriptText& script)
{
    return Replaced(script.bytes, "\n", "\r\n");
}
