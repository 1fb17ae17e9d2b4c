// The property sheet's modal run.
#include "PropertySheet.h"

#include <commctrl.h>

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : captionText(caption ? caption : ""), parentWnd(parent)
{
    m_psh = PROPSHEETHEADERA{};
    m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE;   // the size the oldest comctl32 accepts
    m_psh.dwFlags = PSH_DEFAULT;
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    page->m_pSheet = this;
    pages.push_back(page);
}

INT_PTR CPropertySheet::DoModal()
{
    InitCommonControls();
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : pages) {
        HPROPSHEETPAGE handle = page->CreatePage();
        if (!handle) {
            for (HPROPSHEETPAGE made : handles)
                DestroyPropertySheetPage(made);
            return -1;
        }
        handles.push_back(handle);
    }
    m_psh.hwndParent = parentWnd ? parentWnd->m_hWnd : nullptr;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = captionText.c_str();
    m_psh.nPages = static_cast<UINT>(handles.size());
    m_psh.phpage = handles.data();
    finished = false;

    INT_PTR result = PropertySheetA(&m_psh);   // destroys the pages it was given
    m_hWnd = nullptr;
    m_psh.phpage = nullptr;
    if (result < 0)
        return -1;
    return finished ? ID_WIZFINISH : IDCANCEL;
}

void CPropertySheet::SetWizardButtons(DWORD flags)
{
    PostMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}
