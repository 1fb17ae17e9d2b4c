// Resource ids of setup.exe: dialog templates, controls, icon and bitmaps; and the captions of its
// windows, which setup.rc and the tests that find the windows by them share.
#pragma once

#define IDR_MAINFRAME 128

// Dialog templates.
#define IDD_SPLASH 129
#define IDD_WELCOME 130
#define IDD_INSTALLTYPE 131
#define IDD_MODULES 132
#define IDD_SELECTFOLDER 133
#define IDD_FINISH 134
#define IDD_PROGRESS 135

// Captions: a page's is its title, which the sheet shows in its title bar.
#define CAPTION_WELCOME "Step 1 - Select destination directory"
#define CAPTION_INSTALLTYPE "Step 2 - Select Installation Type"
#define CAPTION_MODULES "Step 2 a - Select modules to Install"
#define CAPTION_SELECTFOLDER "Step 3 - Select Program Folder"
#define CAPTION_FINISH "Finish the installation"
#define CAPTION_SPLASH "Corvel Install for Windows95 and NT"
#define CAPTION_PROGRESS "Corvel Install - Installing"

// Bitmaps of the welcome and finish pages.
#define IDB_WELCOME 136
#define IDB_FINISH 137

// Controls. Ids repeat across templates: each is unique within its own.
#define IDC_DESTPATH 1000
#define IDC_WELCOMETEXT 1001
#define IDC_TYPICAL 1002
#define IDC_MINIMUM 1003
#define IDC_CUSTOM 1004
#define IDC_MODULE1 1005 // the ten module check boxes are 1005 to 1014
#define IDC_MODULE10 1014
#define IDC_FOLDERLIST 1006
#define IDC_FOLDERPROMPT 1007
#define IDC_PROGRESSBAR 1008
#define IDC_STATUSLINE 1009
#define IDC_FILELINE 1010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
