// Fuzzing the script checker: any bytes as a script (a Setup.inf or a ^A source), checked and
// shown for every platform kind and installation type. A finding must name a line of the script
// and stay one line; a finding of no rule aborts in Findings itself.
#include "platform/PlatformKinds.h"
#include "setup-inf/Checks.h"
#include "setup-inf/Placement.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ScriptText script = MakeScriptText("t", std::string(reinterpret_cast<const char*>(data), size));
    Findings findings("t");
    CheckScript(script, "", findings);
    for (const std::string& line : findings.Lines()) {
        const int number = std::atoi(line.c_str() + 2);
        if (line.rfind("t:", 0) != 0 || number < 1 || number > script.lastLine + 1 ||
            line.find('\n') != std::string::npos)
            std::abort();
    }
    const ScriptReading reading(script);
    for (int kind : {kPlatformWin95, kPlatformNT3, kPlatformNT4})
        for (Selection selection : {Selection::Typical, Selection::Minimum, Selection::Custom}) {
            bool refused = false;
            PlanText(reading, kind, selection, refused);
            if (refused != reading.On(kind).refused)
                std::abort();
        }
    return 0;
}
