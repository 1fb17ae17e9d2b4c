// hello.exe: the example product's program, one message box.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ::MessageBoxA(nullptr, "Hello, World!", "Hello", MB_OK | MB_ICONINFORMATION);
    return 0;
}
