// Dialogs made from templates of the program's resources. One static dialog procedure keeps the
// object's pointer in the window and hands every message to the object; no C++ exception leaves it.
#pragma once

#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_nIDTemplate(templateId) {}
    ~CDialog() override; // destroys a window still open

    // Modeless: creates the window from the template (hidden unless the template says visible).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL DestroyWindow();

    // First display: writes the fields into the controls. Overrides do their own work after it.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT TemplateId() const { return m_nIDTemplate; }

protected:
    // Every message after WM_INITDIALOG. True when handled; *result is what the sender receives.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // lParam of WM_INITDIALOG is the object.
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
};

// The module whose resources hold the dialog templates, icons and bitmaps: the executable.
HINSTANCE AfxGetResourceHandle();
