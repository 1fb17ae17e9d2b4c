// The data-exchange helpers.
#include "DataExchange.h"

HWND CDataExchange::PrepareCtrl(int id) const
{
    return m_pDlgWnd && m_pDlgWnd->m_hWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
}

namespace {

// The part of a text exchange that edits and combo boxes share: reading back takes the control's
// text; writing first limits the control to maxChars (with its own limit message) and cuts the
// value to fit. Returns the control still to be written, or null when nothing is left to do.
HWND ExchangeText(CDataExchange* pDX, int id, std::string& value, int maxChars, UINT limitMessage)
{
    HWND control = pDX->PrepareCtrl(id);
    if (!control)
        return nullptr;
    if (pDX->m_bSaveAndValidate) {
        value = WindowText(control);
        return nullptr;
    }
    if (maxChars > 0) {
        SendMessageA(control, limitMessage, maxChars, 0);
        if (value.size() > static_cast<size_t>(maxChars))
            value.resize(static_cast<size_t>(maxChars));
    }
    return control;
}

} // namespace

void DDX_Text(CDataExchange* pDX, int id, std::string& value, int maxChars)
{
    if (HWND control = ExchangeText(pDX, id, value, maxChars, EM_LIMITTEXT))
        SetWindowTextA(control, value.c_str());
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value)
{
    HWND control = pDX->PrepareCtrl(firstId);
    if (!control)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do {
        if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (!pDX->m_bSaveAndValidate)
                SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            else if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
            ++index;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(GetWindowLongA(control, GWL_STYLE) & WS_GROUP));
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    HWND control = pDX->PrepareCtrl(id);
    if (!control)
        return;
    if (pDX->m_bSaveAndValidate)
        value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    // Again on every exchange: a page made anew (a second run of its sheet) has new controls.
    if (HWND window = pDX->PrepareCtrl(id))
        control.m_hWnd = window;
}

void DDX_CBString(CDataExchange* pDX, int id, std::string& value, int maxChars)
{
    HWND control = ExchangeText(pDX, id, value, maxChars, CB_LIMITTEXT);
    if (!control)
        return;
    // CB_SELECTSTRING finds the first entry beginning with the text, case ignored, and shows it.
    // An empty text would begin every entry (on some systems): it selects none instead.
    if (!value.empty() && SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(value.c_str())) != CB_ERR)
        return;
    // A failed search keeps an earlier selection, which would contradict the new text.
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(control, value.c_str());
}
