#include "Wizard.h"

#include "Waiting.h"
#include "WindowQueries.h"

#include <commctrl.h>
#include <prsht.h>

namespace ui {
namespace {

// The ids the property sheet gives its wizard buttons.
constexpr int kBackId = 0x3023;
constexpr int kNextId = 0x3024;
constexpr int kFinishId = 0x3025;

} // namespace

int WizardButtonId(WizardButton button)
{
    switch (button) {
    case WizardButton::Back:
        return kBackId;
    case WizardButton::Next:
        return kNextId;
    case WizardButton::Finish:
        return kFinishId;
    case WizardButton::Cancel:
        break;
    }
    return IDCANCEL;
}

HWND FindWizard(DWORD processId)
{
    return FindTopWindow({"", "#32770", processId, [](HWND window) {
                              return GetDlgItem(window, kBackId) && GetDlgItem(window, kNextId) &&
                                     GetDlgItem(window, kFinishId);
                          }});
}

HWND WaitForWizard(DWORD processId, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWizard(processId)) != nullptr; }, timeoutMs);
    return found;
}

HWND CurrentPage(HWND wizard)
{
    LRESULT page = 0;
    if (!SendWithin(wizard, PSM_GETCURRENTPAGEHWND, 0, 0, 5000, &page))
        return nullptr;
    return reinterpret_cast<HWND>(page);
}

std::string PageTitle(HWND wizard)
{
    return WindowText(wizard);
}

bool Press(HWND wizard, WizardButton button, DWORD timeoutMs)
{
    const int id = WizardButtonId(button);
    // The pages set the buttons when they become active, often by a posted message: a press just
    // after a page change may have to wait for it.
    if (!WaitUntil([&] { return IsWindowEnabled(wizard) && IsVisible(wizard, id) && IsEnabled(wizard, id); },
                   timeoutMs))
        return false;
    int which = PSBTN_CANCEL;
    switch (button) {
    case WizardButton::Back:
        which = PSBTN_BACK;
        break;
    case WizardButton::Next:
        which = PSBTN_NEXT;
        break;
    case WizardButton::Finish:
        which = PSBTN_FINISH;
        break;
    case WizardButton::Cancel:
        break;
    }
    if (!PostMessageA(wizard, PSM_PRESSBUTTON, which, 0))
        return false;
    // The sheet's modal loop notices that it has ended only when a posted message wakes it.
    if (button == WizardButton::Finish || button == WizardButton::Cancel)
        PostMessageA(wizard, WM_NULL, 0, 0);
    return true;
}

std::string WaitForNewPage(HWND wizard, const std::string& from, DWORD timeoutMs)
{
    std::string title;
    WaitUntil([&] { return !IsWindow(wizard) || (title = PageTitle(wizard)) != from; }, timeoutMs);
    return IsWindow(wizard) && title != from ? title : std::string();
}

bool WaitForWizardClosed(HWND wizard, DWORD timeoutMs)
{
    return WaitUntil([&] { return !IsWindow(wizard) || !IsWindowVisible(wizard); }, timeoutMs);
}

std::string UsableButtons(HWND wizard)
{
    std::string usable;
    const std::pair<WizardButton, const char*> buttons[] = {
        {WizardButton::Back, "Back"}, {WizardButton::Next, "Next"}, {WizardButton::Finish, "Finish"}};
    for (const auto& [button, name] : buttons) {
        const int id = WizardButtonId(button);
        if (IsVisible(wizard, id) && IsEnabled(wizard, id))
            usable += usable.empty() ? name : std::string(" ") + name;
    }
    return usable;
}

} // namespace ui
