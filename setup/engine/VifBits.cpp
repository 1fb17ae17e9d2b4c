#include "engine/VifBits.h"

namespace {

struct VifName {
    DWORD bit;
    const char* name;
};

// The order of the failure message, which is not that of the values.
const VifName kVifNames[] = {
    {VIF_TEMPFILE, "VIF_TEMPFILE"},
    {VIF_MISMATCH, "VIF_MISMATCH"},
    {VIF_SRCOLD, "VIF_SRCOLD"},
    {VIF_DIFFLANG, "VIF_DIFFLANG"},
    {VIF_DIFFCODEPG, "VIF_DIFFCODEPG"},
    {VIF_DIFFTYPE, "VIF_DIFFTYPE"},
    {VIF_WRITEPROT, "VIF_WRITEPROT"},
    {VIF_FILEINUSE, "VIF_FILEINUSE"},
    {VIF_OUTOFSPACE, "VIF_OUTOFSPACE"},
    {VIF_ACCESSVIOLATION, "VIF_ACCESSVIOLATION"},
    {VIF_SHARINGVIOLATION, "VIF_SHARINGVIOLATION"},
    {VIF_CANNOTCREATE, "VIF_CANNOTCREATE"},
    {VIF_CANNOTDELETECUR, "VIF_CANNOTDELETECUR"},
    {VIF_CANNOTRENAME, "VIF_CANNOTRENAME"},
    {VIF_OUTOFMEMORY, "VIF_OUTOFMEMORY"},
    {VIF_CANNOTREADSRC, "VIF_CANNOTREADSRC"},
    {VIF_BUFFTOOSMALL, "VIF_BUFFTOOSMALL"},
    {VIF_CANNOTREADDST, "VIF_CANNOTREADDST"},
};

} // namespace

std::string VifFlagNames(DWORD bits)
{
    std::string names;
    for (const VifName& entry : kVifNames)
        if (bits & entry.bit)
            names += entry.name;
    return names;
}
