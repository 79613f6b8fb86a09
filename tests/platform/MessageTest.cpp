#include <gtest/gtest.h>

#include <vector>

#include "platform/Message.h"
#include "platform/MessageIds.h"

namespace {
class CRecordingPoster : public IMessagePoster {
public:
    bool Post(const PostedMessage& msg) override
    {
        posted.push_back(msg);
        return true;
    }
    std::vector<PostedMessage> posted;
};
}  // namespace

TEST(PostedMessages, ReachTheInstalledPosterAndAreDroppedWithout)
{
    EXPECT_FALSE(PostMessage(7, WM_LINK_FAILED, 0, 0));  // nothing installed

    CRecordingPoster poster;
    IMessagePoster* previous = SetMessagePoster(&poster);
    EXPECT_TRUE(PostMessage(7, WM_STATUS_RECEIVED, 0, 17));
    EXPECT_FALSE(PostMessage(0, WM_STATUS_RECEIVED, 0, 17));  // no window
    SetMessagePoster(previous);

    ASSERT_EQ(poster.posted.size(), 1u);
    EXPECT_EQ(poster.posted[0].hWnd, 7u);
    EXPECT_EQ(poster.posted[0].nMsg, 0x471u);
    EXPECT_EQ(poster.posted[0].lParam, 17);
}
