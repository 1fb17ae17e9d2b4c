// libFuzzer target: the uninstaller's command line. The input is the argument vector, its
// arguments separated by NUL bytes, the program name first; each argument is a string of its own
// of exactly its size. The log path must be the last argument that is not a "/" one (that very
// string) or the default, and what is printed must be one line per "/" argument, in order.
#include "portable/CommandLine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

char* Copy(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy)
        std::abort();
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments;
    for (std::size_t start = 0; size > 0 && start <= size;) {
        const void* nul = std::memchr(data + start, '\0', size - start);
        const std::size_t end = nul ? static_cast<const std::uint8_t*>(nul) - data : size;
        arguments.emplace_back(reinterpret_cast<const char*>(data + start), end - start);
        start = end + 1;
    }
    const int argc = static_cast<int>(arguments.size());
    // The vector as the C runtime hands it over: argc strings and a null after them.
    char** argv = static_cast<char**>(std::malloc((argc + 1) * sizeof(char*)));
    if (!argv)
        std::abort();
    for (int i = 0; i < argc; ++i)
        argv[i] = Copy(arguments[i]);
    argv[argc] = nullptr;

    char* printed = nullptr;
    std::size_t printedSize = 0;
    std::FILE* out = open_memstream(&printed, &printedSize);
    if (!out)
        std::abort();
    const char* path = LogPathFromArguments(argc, argv, out);
    std::fclose(out);

    std::string expectedOutput;
    const char* expectedPath = nullptr;
    // The program name is not an argument, whatever it begins with.
    for (int i = 1; i < argc; ++i) {
        if (arguments[i][0] == '/')
            expectedOutput += "Unknown argument " + arguments[i] + "\n";
        else
            expectedPath = argv[i];
    }
    if (expectedPath)
        Check(path == expectedPath);
    else
        Check(path && std::strcmp(path, ".UnInst.inf") == 0);
    Check(printedSize == expectedOutput.size() &&
          std::memcmp(printed, expectedOutput.data(), printedSize) == 0);
    // The arguments are read, never changed: the path is opened and deleted later as it was given.
    for (int i = 0; i < argc; ++i)
        Check(std::strcmp(argv[i], arguments[i].c_str()) == 0);

    std::free(printed);
    for (int i = 0; i < argc; ++i)
        std::free(argv[i]);
    std::free(argv);
    return 0;
}
