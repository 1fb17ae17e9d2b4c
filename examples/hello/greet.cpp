// greet.exe: the example product's console tool; its greeting comes from the shared hellort.dll.
#include <windows.h>

#include <cstdio>

int main()
{
    using Greeting = const char*(WINAPI*)();
    HMODULE runtime = ::LoadLibraryA("hellort.dll");
    const auto greeting =
        runtime ? reinterpret_cast<Greeting>(::GetProcAddress(runtime, "Greeting")) : nullptr;
    std::puts(greeting ? greeting() : "Hello (without hellort.dll)");
    return 0;
}
