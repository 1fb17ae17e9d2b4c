#include "SetupSession.h"

#include "Controls.h"
#include "Waiting.h"
#include "WindowQueries.h"

namespace e2e {

const char* const kSplashCaption = "Corvel Install for Windows95 and NT";
const char* const kProgressCaption = "Corvel Install - Installing";
const char* const kWelcomeTitle = "Step 1 - Select destination directory";
const char* const kTypeTitle = "Step 2 - Select Installation Type";
const char* const kModulesTitle = "Step 2 a - Select modules to Install";
const char* const kFolderTitle = "Step 3 - Select Program Folder";
const char* const kFinishTitle = "Finish the installation";

using ui::WizardButton;

SetupSession::SetupSession(const std::string& directory)
    : process("\"" + directory + "\\setup.exe\"", directory)
{
}

HWND SetupSession::WaitForWizard(DWORD timeoutMs)
{
    wizard = ui::WaitForWizard(process.Id(), timeoutMs);
    return wizard;
}

HWND SetupSession::Page() const
{
    return ui::CurrentPage(wizard);
}

std::string SetupSession::Title() const
{
    return ui::PageTitle(wizard);
}

std::string SetupSession::Look(const std::string& expectedButtons)
{
    ui::WaitUntil([&] { return ui::UsableButtons(wizard) == expectedButtons; }, 2000);
    return Title() + " | " + ui::UsableButtons(wizard);
}

bool SetupSession::Press(WizardButton button)
{
    const std::string from = Title();
    if (!ui::Press(wizard, button, kEffectMs))
        return false;
    if (button == WizardButton::Finish || button == WizardButton::Cancel)
        return ui::WaitForWizardClosed(wizard, kEffectMs);
    return !ui::WaitForNewPage(wizard, from, kEffectMs).empty();
}

bool SetupSession::Type(int id, const std::string& text)
{
    return ui::SetText(Page(), id, text);
}

bool SetupSession::Click(int id, int state)
{
    HWND page = Page();
    return ui::Click(page, id) && ui::WaitForCheck(page, id, state, kEffectMs);
}

bool SetupSession::RunToEnd(std::vector<ui::MessageBoxSeen>* boxes, DWORD* exitCode, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!process.Wait(0, exitCode)) {
        if (GetTickCount() - start > timeoutMs) {
            process.Kill();
            return false;
        }
        if (HWND box = ui::FindMessageBox(process.Id())) {
            ui::MessageBoxSeen seen = ui::ReadMessageBox(box);
            if (boxes)
                boxes->push_back(seen);
            ui::PressOk(box);
            continue;
        }
        ui::Pause(ui::kPollMs);
    }
    return true;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace e2e
