// Whether Program Manager's description of a group says that the group has no items left.
#include "portable/GroupDescription.h"

#include <gtest/gtest.h>

namespace {

TEST(GroupDescription, TheThirdFieldIsTheItemCount)
{
    struct Case {
        const char* description;
        bool empty;
    } cases[] = {
        {"\"Sample Editor\",C:\\WINNT\\SAMPLEED.GRP,0,7,0,0,0\r\n", true},
        {"\"Sample Editor\",C:\\WINNT\\SAMPLEED.GRP,2,7,0,0,0\r\n\"Edit\",\"C:\\e.exe\",,,0,0\r\n", false},
        {"\"Sample Editor\",C:\\WINNT\\SAMPLEED.GRP,10\r\n", false},
        {"\"G\",p, 0", true},
        {"\"G\",p,-0", true},
        {"\"G\",p,+1", false},
        {"\"G\",p,0x5", true},
        {"\"G\",p,99999999999999999999", false},
        // Empty fields between commas are skipped.
        {"\"G\",,p,,0", true},
        {",,\"G\",p,3", false},
        // A field that does not begin with a number reads as 0.
        {"\"G\",p,none", true},
        // Too few fields, or no text: not empty.
        {"\"G\",p", false},
        {"\"G\",p,", false},
        {"", false},
        // A comma inside the quoted group name does not shift the count.
        {"\"A,B\",C:\\WINNT\\AB.GRP,2,7\r\n", false},
        {"\"A,B\",C:\\WINNT\\AB.GRP,0,7\r\n", true},
        {"\"A,B,C\",C:\\WINNT\\ABC.GRP,1", false},
        // An unclosed quote ends nowhere: the plain commas count.
        {"\"G,p,0", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GroupDescriptionSaysEmpty(c.description), c.empty) << c.description;
}

} // namespace
