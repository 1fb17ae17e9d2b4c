// Fuzzing the setup script reader: any bytes as a script, on any platform kind. The first byte
// picks the kind; the rest is the script.
#include "script/SetupScriptReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template <std::size_t N>
void CheckTerminated(const char (&text)[N])
{
    if (!std::memchr(text, '\0', N))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    std::FILE* script = fmemopen(const_cast<std::uint8_t*>(data + 1), size - 1, "r");
    if (!script)
        return 0;
    ScriptModel model;
    const int result = ReadScriptModel(script, data[0] % 4, model, [](const char* message) {
        if (!message || !*message)
            std::abort();
    });
    std::fclose(script);
    if (!result && model.modules)
        std::abort();
    for (const ModuleEntry* module = model.modules; module; module = module->next) {
        CheckTerminated(module->name);
        for (const FileEntry* file = module->files; file; file = file->next) {
            CheckTerminated(file->source);
            CheckTerminated(file->dest);
            CheckTerminated(file->shortcutName);
        }
    }
    FreeModuleList(model.modules);
    return 0;
}
