// The property page: its defaults, the translation of the sheet's notifications, its procedure.
#include "PropertyPage.h"

#include "PropertySheet.h"

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

void CPropertyPage::OnReset() {}

bool CPropertyPage::OnSheetNotify(UINT code, LRESULT* result)
{
    switch (code) {
    case PSN_SETACTIVE: // 0 shows the page, -1 refuses it
        *result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE: // FALSE lets the page go, TRUE keeps it
        *result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_WIZNEXT: // the same three answers as the overridables: 0, -1, a template id
        *result = OnWizardNext();
        return true;
    case PSN_WIZBACK:
        *result = OnWizardBack();
        return true;
    case PSN_WIZFINISH: // 0 lets the sheet end, nonzero keeps it open
        if (!OnWizardFinish()) {
            *result = TRUE;
            return true;
        }
        *result = 0;
        if (m_pSheet) {
            m_pSheet->finished = true;
            // The sheet's modal loop looks at its end only after a posted message.
            m_pSheet->PostMessage(WM_NULL);
        }
        return true;
    case PSN_QUERYCANCEL: // FALSE lets the sheet end, TRUE keeps it open
        *result = OnQueryCancel() ? FALSE : TRUE;
        return true;
    case PSN_RESET:
        OnReset();
        *result = 0;
        if (m_pSheet)
            m_pSheet->PostMessage(WM_NULL);
        return true;
    default:
        return false;
    }
}

HPROPSHEETPAGE CPropertyPage::CreatePage()
{
    // The sheet loads the template only when the page is first shown, and a page that cannot be
    // made then leaves a sheet without a page: refuse it now.
    if (!FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG))
        return nullptr;
    PROPSHEETPAGEA page{};
    page.dwSize = PROPSHEETPAGEA_V1_SIZE; // the size the oldest comctl32 accepts
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = AfxGetResourceHandle();
    page.pszTemplate = MAKEINTRESOURCEA(m_nIDTemplate);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return CreatePropertySheetPageA(&page);
}

bool CPropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // The sheet's notifications only: a control of the page sends its own, whose codes could
    // read as the sheet's.
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == GetParent(m_hWnd))
            return OnSheetNotify(header->code, result);
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        if (page->m_pSheet)
            page->m_pSheet->m_hWnd = GetParent(window);
        lParam = reinterpret_cast<LPARAM>(static_cast<CDialog*>(page));
    }
    return DialogProc(window, message, wParam, lParam);
}
