// The dialog object and the one dialog procedure.
#include "Dialog.h"

#include <commctrl.h>

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandleA(nullptr);
}

CDialog::~CDialog()
{
    DestroyWindow();
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    if (m_hWnd)
        return FALSE;
    m_nIDTemplate = templateId;
    InitCommonControls(); // the progress bar's window class
    HWND window =
        CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(templateId),
                           parent ? parent->m_hWnd : nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

BOOL CDialog::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd); // WM_NCDESTROY clears m_hWnd
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE; // the dialog manager gives the focus to the first control that takes it
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = window;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self)
        return FALSE; // messages before WM_INITDIALOG

    LRESULT result = 0;
    bool handled = false;
    try {
        if (message == WM_INITDIALOG)
            return self->OnInitDialog();
        handled = self->OnMessage(message, wParam, lParam, &result);
    } catch (...) {
        // Unwinding through the system's dialog code is undefined: the message counts as unhandled.
        handled = false;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    if (!handled)
        return FALSE;
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}
