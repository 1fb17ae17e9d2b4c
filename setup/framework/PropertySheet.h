// A property sheet run modally by PropertySheetA, with its pages in the order they were added.
#pragma once

#include "PropertyPage.h"

#include <string>
#include <vector>

// What a wizard's modal run returns when the user pressed Finish.
constexpr INT_PTR ID_WIZFINISH = 0x3025;

class CPropertySheet : public CWnd {
public:
    explicit CPropertySheet(const char* caption, CWnd* parent = nullptr, UINT selectPage = 0);

    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(pages.size()); }
    CPropertyPage* GetPage(int index) const { return pages[static_cast<size_t>(index)]; }
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }

    // Shows the sheet and returns when it closes: ID_WIZFINISH after Finish, IDCANCEL after
    // Cancel, -1 when it could not be shown.
    INT_PTR DoModal();

    // Posted: from inside an activation the sheet is still setting the page up.
    void SetWizardButtons(DWORD flags);

    PROPSHEETHEADERA m_psh;

private:
    friend class CPropertyPage;

    std::string captionText;
    CWnd* parentWnd;
    std::vector<CPropertyPage*> pages;
    bool finished = false;
};
