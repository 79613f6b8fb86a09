#include <gtest/gtest.h>

#include "controls/BitmapSliderModel.h"
#include "model/Conversions.h"

namespace {

// A 220-pixel channel with a 10-pixel thumb and 5-pixel margins: the thumb's centre travels
// 200 pixels, two per raw step of a 0..100 range, from pixel 10 at the top.
CBitmapSliderModel Fader(int nRaw = 50)
{
    CBitmapSliderModel m;
    m.SetChannelSize(20, 220);
    m.SetThumbSize(20, 10);
    m.SetMargin(0, 5, 0, 5);
    m.SetRangeMax(100);
    m.ClampedSet(nRaw);
    return m;
}

TEST(BitmapSliderModel, PixelsAndRawPositionsMapBothWays)
{
    const CBitmapSliderModel m = Fader();
    EXPECT_EQ(m.PixelOfRaw(0), 10);
    EXPECT_EQ(m.PixelOfRaw(100), 210);
    for (int p = 0; p <= 100; ++p)
        EXPECT_EQ(m.RawAtPixel(m.PixelOfRaw(p)), p);
    EXPECT_EQ(m.ThumbTop(), 105);
    EXPECT_EQ(m.ClampGrab(0), 10);
    EXPECT_EQ(m.ClampGrab(500), 210);
    EXPECT_EQ(m.RawAtPixel(11), 0) << "truncated";
}

TEST(BitmapSliderModel, DegenerateGeometryStaysDefined)
{
    CBitmapSliderModel m;
    m.SetRangeMax(0);
    EXPECT_EQ(m.PixelOfRaw(0), 0);
    EXPECT_EQ(m.RawAtPixel(40), 0);
}

TEST(BitmapSliderModel, ValueIsCountedFromTheTop)
{
    CBitmapSliderModel m = Fader();
    m.SetPos(30);
    EXPECT_EQ(m.GetRaw(), 70);
    EXPECT_EQ(m.GetPos(), 30);
    m.SetPos(150);
    EXPECT_EQ(m.GetRaw(), -50) << "SetPos does not clamp";
    m.SetRangeMax(240);
    m.SetType(10);
    m.SetPos(200);
    EXPECT_EQ(m.GetRaw(), 120);
    EXPECT_EQ(m.GetPos(), 200);
    EXPECT_EQ(m.GetValue(), 120) << "without the type's offset";
}

TEST(BitmapSliderModel, FrequencyTypesIndexTheGrid)
{
    CBitmapSliderModel m = Fader();
    m.SetRangeMax(240);
    m.SetType(1);
    m.SetFreq(20000);
    EXPECT_EQ(m.GetRaw(), 0);
    m.SetFreq(19.7);
    EXPECT_EQ(m.GetRaw(), 240);
    m.SetFreq(1000);
    EXPECT_DOUBLE_EQ(m.GetFreq(), 1000);
    m.SetRangeMax(48);
    m.SetType(2);
    m.SetFreq(20000);
    EXPECT_EQ(m.GetRaw(), 0);
    m.SetFreq(1000);
    EXPECT_EQ(m.GetRaw(), 48) << "below the grid's part: clamped to the bottom";
    EXPECT_DOUBLE_EQ(m.GetFreq(), g_dFreqTable[192]);
    m.SetType(0);
    m.SetPos(-20);
    m.SetFreq(1000);
    EXPECT_EQ(m.GetRaw(), 48) << "other types only clamp";
    m.SetPos(500);
    EXPECT_DOUBLE_EQ(m.GetFreq(), g_dFreqTable[FREQ_POINTS - 1]) << "index kept in the grid";
}

TEST(BitmapSliderModel, PressOnTheThumbGrabsItElsewhereStepsOnce)
{
    CBitmapSliderModel m = Fader(50);  // thumb centre at 110
    EXPECT_FALSE(m.Press(113));
    EXPECT_EQ(m.GetRaw(), 50);
    EXPECT_TRUE(m.DragTo(133));  // the grab point keeps its 3-pixel offset: centre at 130
    EXPECT_EQ(m.GetRaw(), 60);
    EXPECT_FALSE(m.DragTo(133));
    EXPECT_TRUE(m.DragTo(1000));
    EXPECT_EQ(m.GetRaw(), 100);
    EXPECT_TRUE(m.Press(20));
    EXPECT_EQ(m.GetRaw(), 99) << "one step toward the press above";
    EXPECT_TRUE(m.Press(215));
    EXPECT_EQ(m.GetRaw(), 100);
    EXPECT_FALSE(m.Press(300)) << "beyond the end the grab point is the thumb's own";
    EXPECT_EQ(m.GetRaw(), 100);
}

TEST(BitmapSliderModel, KeysAndWheelStepWithinTheRange)
{
    struct Case {
        int nKey, nFrom, nTo;
    } const cases[] = {
        {33, 20, 7},  {33, 5, 0},  {34, 20, 33}, {34, 95, 100}, {35, 20, 100},
        {36, 20, 0},  {37, 20, 19}, {38, 0, 0},  {39, 20, 21},  {40, 100, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nKey);
        CBitmapSliderModel m = Fader(c.nFrom);
        EXPECT_TRUE(m.Key(c.nKey));
        EXPECT_EQ(m.GetRaw(), c.nTo);
    }
    CBitmapSliderModel m = Fader(20);
    EXPECT_FALSE(m.Key(65));
    EXPECT_EQ(m.SetPageSize(5), 13);
    m.Key(34);
    EXPECT_EQ(m.GetRaw(), 25);
    m.Wheel(120);
    EXPECT_EQ(m.GetRaw(), 24);
    m.Wheel(-120);
    m.Wheel(-120);
    EXPECT_EQ(m.GetRaw(), 26);
    m.Wheel(240);
    EXPECT_EQ(m.GetRaw(), 26);
}

}  // namespace
