#include <gtest/gtest.h>

#include "controls/SpinBtnZones.h"

namespace {

TEST(SpinBtnZones, ArrowZonesAreAFifthAndAHalfOfTheWidth)
{
    CSpinBtnZones z;
    z.Layout(100, 20);  // 100 / 5.5 = 18.18
    EXPECT_EQ(z.Left().nRight, 18);
    EXPECT_EQ(z.Middle().nLeft, 18);
    EXPECT_EQ(z.Middle().nRight, 81);
    EXPECT_EQ(z.Right().nLeft, 81);
    struct Case {
        int x, y;
        SpinBtnZone zone;
    } const cases[] = {
        {0, 0, ZONE_LEFT},    {17, 19, ZONE_LEFT}, {18, 10, ZONE_MIDDLE}, {80, 10, ZONE_MIDDLE},
        {81, 10, ZONE_RIGHT}, {99, 10, ZONE_RIGHT}, {100, 10, ZONE_IDLE}, {-1, 10, ZONE_IDLE},
        {50, 20, ZONE_IDLE},  {50, -1, ZONE_IDLE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(z.HitTest(c.x, c.y), c.zone) << c.x << "," << c.y;
    EXPECT_EQ(CSpinBtnZones::StepOf(ZONE_LEFT), -1);
    EXPECT_EQ(CSpinBtnZones::StepOf(ZONE_RIGHT), 1);
    EXPECT_EQ(CSpinBtnZones::StepOf(ZONE_MIDDLE), 0);
}

}  // namespace
