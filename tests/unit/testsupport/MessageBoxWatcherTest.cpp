// The watcher that unit tests use to read the messages of the operations they call.
#include "MessageBoxes.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxWatcher, AnswersAndRecordsEveryBoxOfThisProcess)
{
    ui::MessageBoxWatcher watcher;
    EXPECT_EQ(MessageBoxA(nullptr, "First message.", "Caption", MB_OK | MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Second\r\nmessage.", "Caption", MB_OK), IDOK);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "Caption");
    EXPECT_EQ(seen[0].text, "First message.");
    EXPECT_EQ(seen[1].text, "Second\r\nmessage.");
    EXPECT_EQ(seen[0].icon, ui::BoxIcon::Exclamation);
    EXPECT_EQ(seen[1].icon, ui::BoxIcon::None);
    EXPECT_EQ(watcher.Take().size(), 2u);
    EXPECT_TRUE(watcher.Texts().empty());
}

} // namespace
