// The output page's geometry: the strips along the bottom and the band columns in both layouts.
#include <gtest/gtest.h>

#include "pages/OutputLayout.h"

namespace {
using namespace OutputLayout;

bool Overlap(const PxRect& a, const PxRect& b)
{
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

bool Inside(const PxRect& inner, const PxRect& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
        inner.Bottom() <= outer.Bottom();
}
}  // namespace

// Strip 0 sits at (3, 423); strip i from 1 on at (6 + i x (w + 6), 425): with 150-pixel strips,
// strip 1 at (162, 425) and strip 5 at (786, 425), clear of the master block.
TEST(OutputLayout, StripsFollowThePlacementRule)
{
    EXPECT_EQ(StripOrigin(0, kStripW), (Point{3, 423}));
    EXPECT_EQ(StripOrigin(1, kStripW), (Point{162, 425}));
    EXPECT_EQ(StripOrigin(5, kStripW), (Point{786, 425}));
    EXPECT_EQ(StripOrigin(2, 100), (Point{218, 425}));
    EXPECT_LE(StripOrigin(5, kStripW).x + kStripW, kMasterPanel.x);
    EXPECT_LE(StripOrigin(0, kStripW).y + kStripH, 652);
}

// Both layouts of every column are filled: each control of a column lies inside the EQ panel and
// over none of the column's other controls, and the graphic layout moves the gain field and the
// fader up into the rows the hidden frequency and bandwidth fields leave.
TEST(OutputLayout, BandColumnsHaveAUsablePlaceInBothLayouts)
{
    for (int k = 0; k < kColumnCount; ++k) {
        SCOPED_TRACE(k);
        for (const bool bGraphic : {false, true}) {
            std::vector<PxRect> shown = {BandNumber(k), GainField(k, bGraphic), GainFader(k, bGraphic), BypassButton(k)};
            if (!bGraphic) {
                shown.push_back(FreqField(k));
                shown.push_back(WidthField(k));
            }
            for (size_t i = 0; i < shown.size(); ++i) {
                EXPECT_TRUE(Inside(shown[i], kEqPanel)) << i;
                for (size_t j = i + 1; j < shown.size(); ++j)
                    EXPECT_FALSE(Overlap(shown[i], shown[j])) << i << " " << j << " graphic " << bGraphic;
            }
            if (k + 1 < kColumnCount) {
                EXPECT_FALSE(Overlap(GainFader(k, bGraphic), GainFader(k + 1, bGraphic)));
            }
            EXPECT_FALSE(Overlap(GainFader(k, bGraphic), kGraph));
        }
        EXPECT_LT(GainField(k, true).y, GainField(k, false).y);
        EXPECT_LT(GainFader(k, true).y, GainFader(k, false).y);
        EXPECT_GT(GainFader(k, true).h, GainFader(k, false).h);
        EXPECT_FALSE(Overlap(kGeqLabel, GainFader(0, true)));
    }
}
