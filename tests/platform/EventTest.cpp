#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/Event.h"

using namespace std::chrono_literals;

TEST(ManualEvent, StaysSetUntilResetAndWakesAWaiter)
{
    CManualEvent ev;
    EXPECT_FALSE(ev.Wait(0ms));
    std::thread setter([&] {
        std::this_thread::sleep_for(20ms);
        ev.Set();
    });
    EXPECT_TRUE(ev.Wait(5s));
    setter.join();
    EXPECT_TRUE(ev.Wait(0ms));  // manual reset: still set
    ev.Reset();
    EXPECT_FALSE(ev.IsSet());
}

TEST(ManualEvent, WaitAnyGivesTheLowestSetIndexOrMinusOneOnTimeout)
{
    CManualEvent quit, suspend, firmware, normal;
    EXPECT_EQ(WaitAny({&quit, &suspend, &firmware, &normal}, 10ms), -1);
    normal.Set();
    firmware.Set();
    EXPECT_EQ(WaitAny({&quit, &suspend, &firmware, &normal}, 0ms), 2);
    quit.Set();
    EXPECT_EQ(WaitAny({&quit, &suspend, &firmware, &normal}, 0ms), 0);
}
