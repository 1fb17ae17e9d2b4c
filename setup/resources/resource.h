// Resource ids of setup.exe: dialog templates, controls, icon and bitmaps.
#pragma once

#define IDR_MAINFRAME 128
