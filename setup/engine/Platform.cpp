#include "engine/Platform.h"

#include "framework/WinApp.h"

int PlatformKind = kPlatformUnknown;
OSVERSIONINFOA VersionInfo;

// The record's size as Windows 95 and NT 3.51 know it; larger records are refused there.
static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record is the 148-byte one");

namespace {

// Any system of the Windows 95 family is Windows 95, whatever its version numbers.
int PlatformKindFor(DWORD platformId, DWORD majorVersion)
{
    switch (platformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        return kPlatformWin95;
    case VER_PLATFORM_WIN32_NT:
        return majorVersion >= 4 ? kPlatformNT4 : kPlatformNT3;
    default:
        return kPlatformUnknown;
    }
}

} // namespace

int DetectPlatform()
{
    // The query's result is not tested: a failed one leaves the platform id 0, an unknown platform.
    VersionInfo = OSVERSIONINFOA{};
    VersionInfo.dwOSVersionInfoSize = sizeof VersionInfo;
    GetVersionExA(&VersionInfo);
    PlatformKind = PlatformKindFor(VersionInfo.dwPlatformId, VersionInfo.dwMajorVersion);
    if (PlatformKind == kPlatformUnknown)
        AfxMessageBox("Unknown version of Windows. Install aborted.");
    return PlatformKind;
}
