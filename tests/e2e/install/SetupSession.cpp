#include "SetupSession.h"

#include "Waiting.h"

namespace e2e {

SetupSession::SetupSession(const std::string& directory)
    : process("\"" + directory + "\\setup.exe\"", directory)
{
}

HWND SetupSession::WaitForWizard(DWORD timeoutMs)
{
    wizard = ui::WaitForWizard(process.Id(), timeoutMs);
    return wizard;
}

bool SetupSession::RunToEnd(std::vector<ui::MessageBoxSeen>* boxes, DWORD* exitCode, DWORD timeoutMs)
{
    const bool ended = ui::WaitUntil(
        [&] {
            if (process.Wait(0, exitCode))
                return true;
            if (HWND box = ui::FindMessageBox(process.Id())) {
                if (boxes)
                    boxes->push_back(ui::ReadMessageBox(box));
                ui::PressOk(box);
            }
            return false;
        },
        timeoutMs);
    if (!ended)
        process.Kill();
    return ended;
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
