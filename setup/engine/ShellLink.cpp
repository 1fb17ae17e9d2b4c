#include "engine/ShellLink.h"

#include "platform/ScopedWin.h"
#include "script/InstallModel.h"

#include <objidl.h>
#include <shlobj.h>

#include <string>

HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description)
{
    // The program runs where it lies; a target without a backslash is its own directory.
    std::string workDir = target;
    size_t lastBackslash = workDir.rfind('\\');
    if (lastBackslash != std::string::npos)
        workDir.erase(lastBackslash);

    ScopedCom<IShellLinkA> link;
    HRESULT hr =
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out());
    if (FAILED(hr))
        return hr;
    link->SetPath(target);
    link->SetDescription(description);
    link->SetWorkingDirectory(workDir.c_str());

    ScopedCom<IPersistFile> file;
    hr = link->QueryInterface(IID_IPersistFile, file.Out());
    if (FAILED(hr))
        return hr;
    WCHAR widePath[kPathBufferSize];
    // A path too long for the buffer is not cut short: the link would land somewhere else.
    if (!MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, kPathBufferSize))
        return HRESULT_FROM_WIN32(GetLastError());
    return file->Save(widePath, TRUE);
}
