#include <gtest/gtest.h>

#include "link/StatusNews.h"

namespace {

using namespace std::chrono_literals;

// A link's status replies as they come, about every 10 ms: which are told to the view.
TEST(StatusNews, TheViewIsToldOfMetersOnlyWhileShownAtMostOncePerFrameAndOfEveryNewInput)
{
    struct Step {
        const char* name;
        int nMs;  // when the reply comes, from the link's start
        bool bShown;
        bool bMetersChanged;
        bool bInputNew;
        bool bTold;
    };
    const Step steps[] = {
        {"the first reply, meters hidden", 0, false, false, false, false},
        {"moving meters, hidden", 10, false, true, false, false},
        {"and again", 20, false, true, false, false},
        {"a new input, meters hidden", 30, false, false, true, true},
        {"shown, the meters standing still", 40, true, false, false, false},
        {"the meters move", 50, true, true, false, true},
        {"within the frame", 60, true, true, false, false},
        {"still within it, standing", 80, true, false, false, false},
        {"the frame is over: the change owed", 90, true, false, false, true},
        {"nothing owed", 140, true, false, false, false},
        {"a move", 150, true, true, false, true},
        {"a new input with a move, within the frame", 160, true, true, true, true},
        {"a move within the frame the input's message started", 170, true, true, false, false},
        {"that frame over", 200, true, false, false, true},
        {"a move within the next", 210, true, true, false, false},
        {"hidden: what was owed is dropped", 260, false, false, false, false},
        {"shown again, nothing moved", 270, true, false, false, false},
    };
    CStatusNews news;
    news.Reset();
    const auto start = CStatusNews::Clock::now();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        news.SetMetersShown(step.bShown);
        EXPECT_EQ(news.Take(step.bMetersChanged, step.bInputNew, start + std::chrono::milliseconds(step.nMs)),
                  step.bTold);
    }
}

// The first reply of a link is news to meters shown, however soon after the last one told.
TEST(StatusNews, ANewLinksFirstReplyIsToldToMetersShown)
{
    CStatusNews news;
    news.SetMetersShown(true);
    const auto start = CStatusNews::Clock::now();
    EXPECT_TRUE(news.Take(false, false, start));
    EXPECT_FALSE(news.Take(false, false, start + 50ms));
    news.Reset();
    EXPECT_TRUE(news.Take(false, false, start + 60ms));
}

}  // namespace
