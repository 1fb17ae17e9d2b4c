#include "WizardUser.h"

#include "Controls.h"
#include "ScreenImage.h"
#include "Waiting.h"
#include "WindowQueries.h"

namespace ui {

std::string WizardUser::Look(const std::string& expectedButtons)
{
    WaitUntil([&] { return UsableButtons(wizard) == expectedButtons; }, 2000);
    return Title() + " | " + UsableButtons(wizard);
}

bool WizardUser::Press(WizardButton button)
{
    const std::string from = Title();
    if (!ui::Press(wizard, button, kEffectMs))
        return false;
    if (button == WizardButton::Finish || button == WizardButton::Cancel)
        return closed = WaitForWizardClosed(wizard, kEffectMs);
    return !WaitForNewPage(wizard, from, kEffectMs).empty();
}

HWND WizardUser::PageWith(int id) const
{
    HWND page = nullptr;
    WaitUntil(
        [&] {
            page = Page();
            HWND control = page ? GetDlgItem(page, id) : nullptr;
            return control && IsWindowVisible(control) && IsWindowEnabled(control);
        },
        kEffectMs);
    return page;
}

bool WizardUser::Click(int id, int state)
{
    HWND page = PageWith(id);
    return ui::Click(page, id) && WaitForCheck(page, id, state, kEffectMs);
}

bool WizardUser::Type(int id, const std::string& text)
{
    return SetText(PageWith(id), id, text);
}

std::vector<std::string> WizardUser::Controls() const
{
    std::vector<std::string> controls;
    HWND page = Page();
    for (HWND control = GetWindow(page, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const int id = static_cast<short>(GetDlgCtrlID(control)); // a label's 0xFFFF is -1
        const std::string kind = ClassOf(control);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const bool picture =
            kind == "Static" && ((style & SS_TYPEMASK) == SS_BITMAP || (style & SS_TYPEMASK) == SS_ICON);
        std::string line = std::to_string(id) + " " + kind +
                           (picture ? std::string(" picture") : " '" + WindowText(control) + "'");
        const LONG button = style & BS_TYPEMASK;
        const bool checkable =
            kind == "Button" && (button == BS_AUTOCHECKBOX || button == BS_AUTORADIOBUTTON ||
                                 button == BS_CHECKBOX || button == BS_RADIOBUTTON);
        LRESULT check = 0;
        if (checkable && SendWithin(control, BM_GETCHECK, 0, 0, kEffectMs, &check))
            line += check == BST_CHECKED ? " [x]" : " [ ]";
        if (!IsWindowVisible(control))
            line += " hidden";
        controls.push_back(line);
    }
    return controls;
}

void WizardUser::Shoot(const std::string& name) const
{
    ui::Shoot(wizard, name);
}

} // namespace ui
