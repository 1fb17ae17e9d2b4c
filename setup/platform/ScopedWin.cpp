#include "platform/ScopedWin.h"

namespace {

// A client answers no transactions of its own.
HDDEDATA CALLBACK IgnoreTransaction(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

} // namespace

ScopedDdeClient::ScopedDdeClient()
{
    if (DdeInitializeA(&instance, IgnoreTransaction, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        instance = 0;
}

ScopedDdeClient::~ScopedDdeClient()
{
    if (instance)
        DdeUninitialize(instance);
}

ScopedHsz::ScopedHsz(DWORD inst, const char* text)
    : instance(inst), hsz(DdeCreateStringHandleA(inst, text, CP_WINANSI))
{
}

void ScopedHsz::Reset()
{
    if (hsz)
        DdeFreeStringHandle(instance, hsz);
    hsz = nullptr;
}
