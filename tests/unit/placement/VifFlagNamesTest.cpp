// The flag names of a failed placement: their own order, not that of the bit values.
#include "engine/VifBits.h"

#include <gtest/gtest.h>

namespace {

TEST(VifFlagNames, InTheOrderOfTheFailureMessage)
{
    const struct {
        DWORD bits;
        const char* names;
    } cases[] = {
        {0, ""},
        {VIF_CANNOTDELETE, ""},
        {VIF_CANNOTREADSRC, "VIF_CANNOTREADSRC"},
        {kVifDeleteDenied, "VIF_TEMPFILEVIF_SRCOLDVIF_FILEINUSE"},
        {VIF_CANNOTRENAME | VIF_CANNOTDELETECUR, "VIF_CANNOTDELETECURVIF_CANNOTRENAME"},
        {VIF_CANNOTREADDST | VIF_BUFFTOOSMALL, "VIF_BUFFTOOSMALLVIF_CANNOTREADDST"},
        {0x7FFFF, "VIF_TEMPFILEVIF_MISMATCHVIF_SRCOLDVIF_DIFFLANGVIF_DIFFCODEPGVIF_DIFFTYPEVIF_WRITEPROT"
                  "VIF_FILEINUSEVIF_OUTOFSPACEVIF_ACCESSVIOLATIONVIF_SHARINGVIOLATIONVIF_CANNOTCREATE"
                  "VIF_CANNOTDELETECURVIF_CANNOTRENAMEVIF_OUTOFMEMORYVIF_CANNOTREADSRCVIF_BUFFTOOSMALL"
                  "VIF_CANNOTREADDST"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VifFlagNames(c.bits), c.names) << std::hex << c.bits;
}

} // namespace
