// The property sheet's modal run.
#include "PropertySheet.h"

#include <commctrl.h>

namespace {

// A sheet without an owner would open in the top-left corner of the screen: centre it on the
// work area, as the framework's sheets centre themselves when they first show.
int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM)
{
    if (message != PSCB_INITIALIZED || GetWindow(sheet, GW_OWNER))
        return 0;
    RECT window, area;
    if (GetWindowRect(sheet, &window) && SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
        const int x = area.left + ((area.right - area.left) - (window.right - window.left)) / 2;
        const int y = area.top + ((area.bottom - area.top) - (window.bottom - window.top)) / 2;
        SetWindowPos(sheet, nullptr, x > area.left ? x : area.left, y > area.top ? y : area.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 0;
}

} // namespace

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : captionText(caption ? caption : ""), parentWnd(parent)
{
    m_psh = PROPSHEETHEADERA{};
    m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE; // the size the oldest comctl32 accepts
    m_psh.dwFlags = PSH_DEFAULT | PSH_USECALLBACK;
    m_psh.pfnCallback = SheetCallback;
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

    INT_PTR result = PropertySheetA(&m_psh); // destroys the pages it was given
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
