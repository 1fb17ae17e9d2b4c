// The window object of the framework and the few controls the program talks to: a handle with
// the calls made on it. The object does not own the window unless a derived class says so.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL ShowWindow(int showCommand);
    HWND SetFocus();
    void SetWindowText(const char* text);
    std::string GetWindowText() const;
    HWND GetDlgItem(int id) const;

    // Paints every invalid part of the window and its children now. Our windows are updated
    // between steps of a run that dispatches no messages, so nothing else would paint them.
    void RepaintNow();
    // WM_SETREDRAW: while off, the window paints nothing (nor shows as visible).
    void SetRedraw(BOOL redraw);
    // Marks the whole window for its next paint.
    void Invalidate();

    HWND m_hWnd = nullptr;
};

class CStatic : public CWnd {};

class CComboBox : public CWnd {
public:
    int AddString(const char* text);
    int GetCount() const;
    int GetCurSel() const;
    std::string GetLBText(int index) const;
};

class CProgressCtrl : public CWnd {
public:
    // PBM_SETRANGE (painted at once) and PBM_SETPOS (painted when the window is).
    void SetRange(short lower, short upper);
    int SetPos(int position);
    int GetPos() const;
};

// The text of any window, whatever its length.
std::string WindowText(HWND window);
