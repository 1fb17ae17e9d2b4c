// The application object of the framework: one global instance per program, whose start-up
// operation the framework's entry point calls once. A false result ends the program at once,
// without a message loop.
#pragma once

#include <windows.h>

class CWinApp {
public:
    // With no name, the program's title is its executable's file name without the extension.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    // Every AfxMessageBox of the program comes through here.
    virtual int DoMessageBox(const char* text);

    const char* m_pszAppName;
    HINSTANCE m_hInstance = nullptr;

private:
    char titleBuffer[MAX_PATH];
};

CWinApp* AfxGetApp();

// The program's title, as message boxes show it in their caption.
const char* AfxGetAppName();

// The framework's message box: modal, an OK button and an exclamation icon, captioned with the
// program's title.
int AfxMessageBox(const char* text);
