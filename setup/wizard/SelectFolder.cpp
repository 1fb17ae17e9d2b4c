// The folder page: the existing folders to choose from, and the script's default.
#include "wizard/SelectFolder.h"

#include "engine/Platform.h"
#include "engine/ProgramManager.h"
#include "engine/SystemFolders.h"
#include "platform/ScopedWin.h"
#include "resources/resource.h"
#include "wizard/InstallSheet.h"

#include <cstring>

namespace {

// The sub-folders of the user's Programs folder; none when it cannot be searched.
void AddProgramFolders(CComboBox& list)
{
    std::string pattern = std::string(UserProgramFolderDir) + "\\*";
    WIN32_FIND_DATAA entry;
    ScopedFind search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search.Valid())
        return;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && std::strcmp(entry.cFileName, ".") != 0 &&
            std::strcmp(entry.cFileName, "..") != 0)
            list.AddString(entry.cFileName);
    } while (FindNextFileA(search.Get(), &entry));
}

} // namespace

CSelectFolder::CSelectFolder() : CPropertyPage(IDD_SELECTFOLDER) {}

void CSelectFolder::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_FOLDERLIST, folderList);
    DDX_Text(pDX, IDC_FOLDERPROMPT, prompt);
    DDX_CBString(pDX, IDC_FOLDERLIST, folderName, kPathBufferSize - 1);
}

BOOL CSelectFolder::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    prompt = "Select a name for the Start Menu entry (or Program Folder in Windows NT 3.51).";
    folderName = ActiveSheet->script.programFolder;
    if (PlatformKind == kPlatformWin95 || PlatformKind == kPlatformNT4)
        AddProgramFolders(folderList);
    else if (PlatformKind == kPlatformNT3)
        for (const std::string& group : ProgmanGroupNames())
            folderList.AddString(group.c_str());
    UpdateData(FALSE);
    return TRUE;
}

BOOL CSelectFolder::OnSetActive()
{
    ActiveSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CSelectFolder::OnWizardBack()
{
    return ActiveSheet->installTypeTab.installType == kCustomInstall ? 0 : IDD_INSTALLTYPE;
}
