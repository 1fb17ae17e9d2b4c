// Sample Editor: a small text editor, the product that the sample distribution installs. Its
// title shows the version of the shared runtime edrt.dll, found where setup put it.
#include <windows.h>
#include <cstdio>

namespace {

using RuntimeVersion = const char*(WINAPI*)();

void TitleWithRuntime(char* title, size_t size)
{
    HMODULE runtime = LoadLibraryA("edrt.dll");
    auto version = runtime ? reinterpret_cast<RuntimeVersion>(
                                 reinterpret_cast<void*>(GetProcAddress(runtime, "EdrtVersion")))
                           : nullptr;
    std::snprintf(title, size, "Sample Editor (runtime %s)", version ? version() : "missing");
}

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 0, 0,
                        window, reinterpret_cast<HMENU>(1), nullptr, nullptr);
        return 0;
    case WM_SIZE:
        MoveWindow(GetDlgItem(window, 1), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(window, 1));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA cls{};
    cls.lpfnWndProc = EditorProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = "SampleEditor";
    RegisterClassA(&cls);
    char title[128];
    TitleWithRuntime(title, sizeof title);
    HWND window = CreateWindowA("SampleEditor", title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480,
                                320, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
