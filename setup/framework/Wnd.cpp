// The window object and the controls.
#include "Wnd.h"

#include <commctrl.h>

#include <vector>

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? copied : 0);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    // A null handle would post to this thread's queue instead of failing.
    return m_hWnd ? ::PostMessageA(m_hWnd, message, wParam, lParam) : FALSE;
}

// Shown windows are painted at once: the install run dispatches no messages between its steps.
BOOL CWnd::ShowWindow(int showCommand)
{
    BOOL wasVisible = ::ShowWindow(m_hWnd, showCommand);
    RepaintNow();
    return wasVisible;
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

void CWnd::SetWindowText(const char* text)
{
    ::SetWindowTextA(m_hWnd, text);
}

std::string CWnd::GetWindowText() const
{
    return WindowText(m_hWnd);
}

HWND CWnd::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

void CWnd::RepaintNow()
{
    if (!m_hWnd)
        return;
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Wine hands a window's drawing to the display when the thread looks for input; a zero wait
    // does that without taking or dispatching any message (on Windows it returns at once).
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}

void CWnd::SetRedraw(BOOL redraw)
{
    SendMessage(WM_SETREDRAW, redraw);
}

void CWnd::Invalidate()
{
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CComboBox::AddString(const char* text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::GetCount() const
{
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

std::string CComboBox::GetLBText(int index) const
{
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    return copied == CB_ERR ? std::string() : std::string(buffer.data(), static_cast<size_t>(copied));
}

void CProgressCtrl::SetRange(short lower, short upper)
{
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
    RepaintNow();
}

int CProgressCtrl::SetPos(int position)
{
    return static_cast<int>(SendMessage(PBM_SETPOS, position));
}

int CProgressCtrl::GetPos() const
{
    return static_cast<int>(SendMessage(PBM_GETPOS));
}
