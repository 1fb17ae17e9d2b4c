// hellort.dll: the example product's runtime, shared with other products in the system directory.
#include <windows.h>

extern "C" __declspec(dllexport) const char* WINAPI Greeting()
{
    return "Hello from hellort.dll";
}
