#include "StartMenuTestSupport.h"

#include "engine/ScopedWin.h"

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

UnsortedCombo::UnsortedCombo()
{
    parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 200, 150, parent, nullptr,
                            nullptr, nullptr);
}

UnsortedCombo::~UnsortedCombo()
{
    DestroyWindow(parent);
}

std::vector<std::string> UnsortedCombo::Entries() const
{
    std::vector<std::string> entries;
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
        std::vector<char> buffer(static_cast<size_t>(length < 0 ? 0 : length) + 1);
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        entries.emplace_back(buffer.data());
    }
    return entries;
}
