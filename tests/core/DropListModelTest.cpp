#include <gtest/gtest.h>

#include "controls/DropListModel.h"

namespace {
constexpr Rect kWorkArea{0, 0, 1280, 1000};
constexpr Rect kButton{100, 200, 180, 222};
}  // namespace

TEST(DropListPlacement, OpensUnderTheButtonOrAboveItNearTheBottom)
{
    // Four items of 14 pixels: 56 high, from the button's last line down.
    EXPECT_EQ(DropListRect(kButton, 80, 4, 14, 130, kWorkArea), (Rect{100, 221, 180, 278}));
    // More items than the limit, and an empty list: the limit.
    EXPECT_EQ(DropListRect(kButton, 80, 20, 14, 130, kWorkArea).bottom, 222 + 130);
    EXPECT_EQ(DropListRect(kButton, 80, 0, 14, 130, kWorkArea).bottom, 222 + 130);
    // Near the bottom of the work area it opens upwards, ending at the button's top.
    constexpr Rect low{100, 960, 180, 982};
    EXPECT_EQ(DropListRect(low, 80, 4, 14, 130, kWorkArea), (Rect{100, 904, 180, 960}));
}

TEST(ComboWheel, WholeNotchesStepThroughTheListAndStopAtItsEnds)
{
    CComboWheel wheel;
    EXPECT_EQ(wheel.OnWheel(-120, 3, 0), 1);   // towards the user: next item
    EXPECT_EQ(wheel.OnWheel(-120, 3, 2), 2);   // at the last item: the same index again
    EXPECT_EQ(wheel.OnWheel(120, 3, 0), 0);    // at the first: the same
    EXPECT_EQ(wheel.OnWheel(120, 3, 2), 1);
    EXPECT_EQ(wheel.OnWheel(-60, 3, 0), std::nullopt);  // half a notch waits for the rest
    EXPECT_EQ(wheel.OnWheel(-60, 3, 0), 1);
    EXPECT_EQ(wheel.OnWheel(-360, 3, -1), 0);  // clamped to one step; no selection yet: the first
}

TEST(ComboWheel, EmptyListAnnouncesNothing)
{
    CComboWheel wheel;
    EXPECT_EQ(wheel.OnWheel(-120, 0, -1), std::nullopt);
    EXPECT_EQ(wheel.OnWheel(120, 0, -1), std::nullopt);
    EXPECT_EQ(wheel.OnWheel(-120, 2, 0), 1);  // and the accumulator was left clean
}

TEST(DropListItems, PlainItemsGroupsAndHeaders)
{
    CDropListItems items;
    bool bSelectPrev = true;
    EXPECT_EQ(items.AddString("LR", bSelectPrev), 0);
    EXPECT_FALSE(bSelectPrev);
    EXPECT_EQ(items.GetHeaderCount(), 1);  // the first plain item counts as a group of its own
    EXPECT_EQ(items.AddString("BW", bSelectPrev), 1);
    EXPECT_TRUE(bSelectPrev);
    items.AddString("BS", bSelectPrev);
    EXPECT_FALSE(bSelectPrev);

    const Color red{255, 255, 0, 0}, white{255, 255, 255, 255};
    EXPECT_EQ(items.AddGroupString(4, "too far", red, white), -1);
    EXPECT_EQ(items.AddGroupString(2, "Slopes", red, white), 3);
    EXPECT_TRUE(items.GetAt(3)->item.bHeader);
    EXPECT_EQ(items.AddGroupString(2, "12 dB", red, white), 4);
    EXPECT_FALSE(items.GetAt(4)->item.bHeader);
    EXPECT_EQ(items.GetAt(4)->item.clrText, red);
    EXPECT_EQ(items.AddGroupString(3, "Other", red, white), 5);
    EXPECT_EQ(items.GetHeaderCount(), 3);

    // A header goes with its group, up to the next header.
    EXPECT_EQ(items.DeleteString(3), 4);
    EXPECT_EQ(items.GetAt(3)->strText, "Other");
    EXPECT_EQ(items.GetHeaderCount(), 2);
    EXPECT_EQ(items.DeleteString(0), 3);
    EXPECT_EQ(items.DeleteString(9), -1);
    EXPECT_EQ(items.InsertString(0, "first"), 0);
    EXPECT_EQ(items.GetAt(0)->strText, "first");

    items.SetPrevSel(2);
    items.ResetContent();
    EXPECT_EQ(items.GetCount(), 0);
    EXPECT_EQ(items.GetHeaderCount(), 0);
    EXPECT_EQ(items.GetPrevSel(), 0);
}
