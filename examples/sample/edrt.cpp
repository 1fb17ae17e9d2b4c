// edrt.dll: the Sample Editor runtime, a shared library with a version resource, installed into
// the system directory and counted under SharedDLLs on Windows NT.
#include <windows.h>

extern "C" __declspec(dllexport) const char* WINAPI EdrtVersion()
{
    return "1.0";
}
