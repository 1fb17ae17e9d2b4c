#include "StartMenuTestSupport.h"

#include "platform/ScopedWin.h"

#include <objidl.h>
#include <shlobj.h>

LinkContents ReadLink(const std::string& linkPath)
{
    LinkContents contents;
    ScopedCom<IShellLinkA> link;
    ScopedCom<IPersistFile> file;
    if (FAILED(
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.Out())))
        return contents;
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
    contents.loaded = file->Load(widePath, STGM_READ);
    if (FAILED(contents.loaded))
        return contents;
    char text[1024];
    WIN32_FIND_DATAA found;
    if (SUCCEEDED(link->GetPath(text, sizeof text, &found, SLGP_RAWPATH)))
        contents.path = text;
    if (SUCCEEDED(link->GetDescription(text, sizeof text)))
        contents.description = text;
    if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text)))
        contents.workDir = text;
    return contents;
}
