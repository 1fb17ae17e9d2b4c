// Running the wizard with a user on a second thread.
#include "WizardSession.h"

#include "wizard/InstallSheet.h"

#include <prsht.h>

namespace {

struct Session {
    std::function<void(WizardUser&)> play;
    std::vector<std::string> notes;
};

DWORD WINAPI PlayUser(void* param)
{
    auto* session = static_cast<Session*>(param);
    HWND wizard = ui::WaitForWizard(GetCurrentProcessId(), ui::kStartMs);
    if (!wizard)
        return 1;
    WizardUser user(wizard);
    session->play(user);
    session->notes = user.notes;
    if (!ui::WaitForWizardClosed(wizard, user.closed ? ui::kEffectMs : 200)) {
        session->notes.push_back("(left open: cancelled)");
        PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        PostMessageA(wizard, WM_NULL, 0, 0);
    }
    return 0;
}

} // namespace

INT_PTR RunWizard(CInstallSheet& sheet, const std::function<void(WizardUser&)>& play,
                  std::vector<std::string>* notes)
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
