#include <gtest/gtest.h>

#include <vector>

#include "platform/Message.h"
#include "platform/MessageIds.h"
#include "tests/support/MessageRecorder.h"

TEST(PostedMessages, ReachTheInstalledPosterAndAreDroppedWithout)
{
    EXPECT_FALSE(PostMessage(7, WM_LINK_FAILED, 0, 0));  // nothing installed

    std::vector<PostedMessage> posted;
    {
        CMessageRecorder recorder;
        EXPECT_TRUE(PostMessage(7, WM_STATUS_RECEIVED, 0, 17));
        EXPECT_FALSE(PostMessage(0, WM_STATUS_RECEIVED, 0, 17));  // no window
        posted = recorder.Posted();
    }
    EXPECT_FALSE(PostMessage(7, WM_LINK_FAILED, 0, 0));  // the recorder put back what it replaced

    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].hWnd, 7u);
    EXPECT_EQ(posted[0].nMsg, 0x471u);
    EXPECT_EQ(posted[0].lParam, 17);
}
