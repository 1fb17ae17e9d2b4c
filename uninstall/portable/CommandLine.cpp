#include "portable/CommandLine.h"

const char* LogPathFromArguments(int argc, char** argv, std::FILE* out)
{
    const char* path = ".UnInst.inf";
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '/')
            std::fprintf(out, "Unknown argument %s\n", argv[i]);
        else
            path = argv[i];
    }
    return path;
}
