// Running the wizard with a user on a second thread.
#include "WizardSession.h"

#include "Controls.h"
#include "ScreenImage.h"
#include "Waiting.h"
#include "WindowQueries.h"
#include "framework/Wnd.h"
#include "wizard/InstallSheet.h"

#include <prsht.h>

using ui::WizardButton;

std::string User::Look(const char* expectedButtons)
{
    ui::WaitUntil([&] { return ui::UsableButtons(wizard) == expectedButtons; }, 2000);
    return ui::PageTitle(wizard) + " | " + ui::UsableButtons(wizard);
}

bool User::Press(WizardButton button)
{
    const std::string from = ui::PageTitle(wizard);
    if (!ui::Press(wizard, button))
        return false;
    if (button == WizardButton::Finish || button == WizardButton::Cancel)
        return closed = ui::WaitForWizardClosed(wizard, kEffectMs);
    return !ui::WaitForNewPage(wizard, from, kEffectMs).empty();
}

bool User::Click(int id, int expectedState)
{
    return ui::Click(Page(), id) && ui::WaitForCheck(Page(), id, expectedState, kEffectMs);
}

bool User::Type(int id, const std::string& text)
{
    return ui::SetText(Page(), id, text);
}

std::vector<std::string> User::Controls() const
{
    std::vector<std::string> controls;
    HWND page = Page();
    for (HWND control = GetWindow(page, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const int id = static_cast<short>(GetDlgCtrlID(control));   // a label's 0xFFFF is -1
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const bool picture = ui::ClassOf(control) == "Static" &&
                             ((style & SS_TYPEMASK) == SS_BITMAP || (style & SS_TYPEMASK) == SS_ICON);
        std::string line = std::to_string(id) + " " + ui::ClassOf(control) +
                           (picture ? std::string(" picture") : " '" + ::WindowText(control) + "'");
        const LONG kind = style & BS_TYPEMASK;
        if (ui::ClassOf(control) == "Button" &&
            (kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON || kind == BS_CHECKBOX || kind == BS_RADIOBUTTON))
            line += SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? " [x]" : " [ ]";
        if (!IsWindowVisible(control))
            line += " hidden";
        controls.push_back(line);
    }
    return controls;
}

void User::Shoot(const std::string& name) const
{
    std::string path = ui::ScreenshotPath(name);
    if (!path.empty())
        ui::SaveWindowImage(wizard, path);
}

namespace {

struct Session {
    std::function<void(User&)> play;
    std::vector<std::string> notes;
};

DWORD WINAPI PlayUser(void* param)
{
    auto* session = static_cast<Session*>(param);
    HWND wizard = ui::WaitForWizard(GetCurrentProcessId(), kWindowMs);
    if (!wizard)
        return 1;
    User user(wizard);
    session->play(user);
    session->notes = user.notes;
    if (!ui::WaitForWizardClosed(wizard, user.closed ? kEffectMs : 200)) {
        session->notes.push_back("(left open: cancelled)");
        PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        PostMessageA(wizard, WM_NULL, 0, 0);
    }
    return 0;
}

} // namespace

INT_PTR RunWizard(CInstallSheet& sheet, const std::function<void(User&)>& play, std::vector<std::string>* notes)
{
    Session session{play, {}};
    HANDLE thread = CreateThread(nullptr, 0, PlayUser, &session, 0, nullptr);
    INT_PTR result = sheet.DoModal();
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    if (notes)
        *notes = session.notes;
    return result;
}
