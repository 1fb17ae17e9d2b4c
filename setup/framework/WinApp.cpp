// The application object and the framework's message box.
#include "WinApp.h"

#include <cstring>

namespace {

CWinApp* theOnlyApp = nullptr;

// The executable's file name without directory and extension, as Windows programs title themselves.
void ProgramTitle(char* title, size_t size)
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) {
        lstrcpynA(title, "Setup", static_cast<int>(size));
        return;
    }
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/')
            name = p + 1;
    lstrcpynA(title, name, static_cast<int>(size));
    if (char* dot = std::strrchr(title, '.'))
        *dot = '\0';
}

} // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    if (!m_pszAppName) {
        ProgramTitle(titleBuffer, sizeof titleBuffer);
        m_pszAppName = titleBuffer;
    }
    theOnlyApp = this;
}

CWinApp::~CWinApp()
{
    if (theOnlyApp == this)
        theOnlyApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return 0;
}

CWinApp* AfxGetApp()
{
    return theOnlyApp;
}

const char* AfxGetAppName()
{
    if (theOnlyApp)
        return theOnlyApp->m_pszAppName;
    static char title[MAX_PATH];
    if (!title[0])
        ProgramTitle(title, sizeof title);
    return title;
}

namespace {

int ShowMessage(const char* text)
{
    return MessageBoxA(nullptr, text, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

int CWinApp::DoMessageBox(const char* text)
{
    return ShowMessage(text);
}

int AfxMessageBox(const char* text)
{
    return theOnlyApp ? theOnlyApp->DoMessageBox(text) : ShowMessage(text);
}
