// Data exchange between a dialog's fields and its controls: UpdateData(FALSE) writes the fields
// into the controls, UpdateData(TRUE) reads the controls back. A dialog's DoDataExchange lists
// its pairs once, for both directions.
#pragma once

#include "Wnd.h"

#include <string>

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
    {
    }

    // The dialog's control with this id, or null when it has none.
    HWND PrepareCtrl(int id) const;

    BOOL m_bSaveAndValidate; // TRUE: controls into fields
    CWnd* m_pDlgWnd;
};

// The window text of an edit or static control. With maxChars, the control accepts no more than
// that and a longer field is cut to it when written, so the user sees what will be used.
void DDX_Text(CDataExchange* pDX, int id, std::string& value, int maxChars = 0);

// The index of the checked button in the group of radio buttons that starts at firstId (-1 when
// none is checked).
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);

// A check box's state, 0 or 1.
void DDX_Check(CDataExchange* pDX, int id, int& value);

// Attaches a control object to the dialog's control.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// A combo box's text. Written: the first list entry that begins with the text (ignoring case) is
// selected, or else the text is put in the edit field (an empty text selects nothing). Read: the
// edit field's text. maxChars as for DDX_Text.
void DDX_CBString(CDataExchange* pDX, int id, std::string& value, int maxChars = 0);
