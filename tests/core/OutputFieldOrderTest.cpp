// The order of the output page's fields under Left, Right, Enter and Tab, in the parametric and
// the graphic layout, with shelf bands, disabled strips and the delay fields on the plan.
#include <gtest/gtest.h>

#include <set>

#include "pages/OutputFieldOrder.h"

namespace {
using namespace OutputFieldOrder;

constexpr int S = kStripField;

struct Page {
    std::set<int> hidden;  // fields that cannot take the focus
    std::set<int> delays;  // delay fields on the plan
    CanFocus Focus() const
    {
        return [this](int n) {
            if (n >= 6000 && n < 6015)
                return delays.count(n) != 0;
            return hidden.count(n) == 0;
        };
    }
};

Move Band(int nField, int nBand, bool bClear = false)
{
    return {nField, Selection::Band, nBand, bClear};
}

Move Plain(int nField, Selection select = Selection::Keep, bool bClear = false)
{
    return {nField, select, -1, bClear};
}

struct Row {
    int nFrom;
    Key key;
    Move to;
};

void Walk(const Page& page, std::initializer_list<Row> rows)
{
    for (const Row& row : rows)
        EXPECT_EQ(Next(row.nFrom, row.key, page.Focus()), row.to)
            << "from " << row.nFrom << " key " << static_cast<int>(row.key);
}

std::set<int> GraphicRows()
{
    std::set<int> hidden;
    for (int k = 0; k < 10; ++k) {
        hidden.insert(5200 + k);
        hidden.insert(4500 + k);
    }
    return hidden;
}
}  // namespace

TEST(OutputFieldOrder, TheParametricLayoutInTheOrderOfItsRows)
{
    const Page page{{}, {6001, 6004}};
    Walk(page, {
        {5200, Key::Right, Band(5201, 1)},
        {5209, Key::Right, Band(4500, 0)},
        {4508, Key::Right, Band(4509, 9)},
        {4509, Key::Right, Band(5000, 0)},
        {5004, Key::Right, Band(5005, 5)},
        {5009, Key::Right, Plain(1004, Selection::Hpf)},
        {1004, Key::Right, Plain(1005, Selection::Lpf)},
        {1005, Key::Right, Plain(S + 0, Selection::Keep, true)},
        {S + 2, Key::Right, Plain(S + 3)},
        {S + 5, Key::Right, Plain(2572)},  // never into the hidden strips 6 and 7
        {2572, Key::Right, Plain(6001)},
        {6001, Key::Right, Plain(6004)},
        {6004, Key::Right, Plain(5200)},
        {6014, Key::Right, Plain(5200)},

        {5200, Key::Left, Plain(6004, Selection::Keep, true)},
        {5201, Key::Left, Band(5200, 0)},
        {4500, Key::Left, Band(5209, 9)},
        {4505, Key::Left, Band(4504, 4)},
        {5000, Key::Left, Band(4509, 9)},
        {1004, Key::Left, Band(5009, 9)},
        {1005, Key::Left, Plain(1004, Selection::Hpf)},
        {S + 3, Key::Left, Plain(S + 2)},
        {S + 0, Key::Left, Plain(1005, Selection::Lpf)},
        {2572, Key::Left, Plain(S + 5)},
        {6004, Key::Left, Plain(6001)},
        {6001, Key::Left, Plain(2572)},
        {6000, Key::Left, Plain(2572)},

        {5203, Key::Enter, Band(4503, 3)},
        {4503, Key::Enter, Band(5003, 3)},
        {5003, Key::Enter, Band(5204, 4)},
        {5009, Key::Enter, Plain(1004, Selection::Hpf)},
        {1005, Key::Enter, Plain(S + 0, Selection::Keep, true)},
        {6001, Key::Enter, Plain(6004)},

        {1234, Key::Right, Move{}},  // not a field of the order
    });
}

// Mended: a shelf band's hidden bandwidth field is passed over in the same order, by every key
// (the order itself sends Enter there).
TEST(OutputFieldOrder, AShelfBandsBandwidthIsPassedOver)
{
    const Page page{{4500, 4509}, {6001}};
    Walk(page, {
        {5209, Key::Right, Band(4501, 1)},
        {4508, Key::Right, Band(5000, 0)},
        {4501, Key::Left, Band(5209, 9)},
        {5000, Key::Left, Band(4508, 8)},
        {5200, Key::Enter, Band(5000, 0)},
        {5209, Key::Enter, Band(5009, 9)},
    });
}

// Only enabled strips take the focus (a locked map disables the strips of outputs without a
// role); none at all: the master volume, or the LPF going back.
TEST(OutputFieldOrder, DisabledStripsArePassedOver)
{
    Walk(Page{{S + 0, S + 4, S + 5}, {}}, {
        {1005, Key::Right, Plain(S + 1, Selection::Keep, true)},
        {S + 3, Key::Right, Plain(2572)},
        {2572, Key::Left, Plain(S + 3)},
        {S + 1, Key::Left, Plain(1005, Selection::Lpf)},
    });
    Walk(Page{{S + 0, S + 1, S + 2, S + 3, S + 4, S + 5}, {}}, {
        {1005, Key::Right, Plain(2572, Selection::Keep, true)},
        {2572, Key::Left, Plain(1005, Selection::Lpf)},
    });
}

// With nothing on the plan: Left from band 1's frequency stays; Right from the master goes on to
// the bands.
TEST(OutputFieldOrder, AnEmptyPlan)
{
    Walk(Page{{}, {}}, {
        {5200, Key::Left, Plain(0, Selection::Keep, true)},
        {2572, Key::Right, Plain(5200)},
        {6003, Key::Left, Plain(2572)},
    });
}

// Mended: in the graphic layout the frequency and bandwidth rows are hidden; every key goes on
// through the gain row in the same order.
TEST(OutputFieldOrder, TheGraphicLayoutWalksOnlyTheGainRow)
{
    const Page page{GraphicRows(), {6004}};
    Walk(page, {
        {6004, Key::Right, Band(5000, 0)},
        {5000, Key::Right, Band(5001, 1)},
        {5009, Key::Right, Plain(1004, Selection::Hpf)},
        {5000, Key::Left, Plain(6004, Selection::Keep, true)},
        {5005, Key::Left, Band(5004, 4)},
        {5003, Key::Enter, Band(5004, 4)},
        {5009, Key::Enter, Plain(1004, Selection::Hpf)},
    });
    EXPECT_EQ(Next(5000, Key::Left, Page{GraphicRows(), {}}.Focus()), Plain(0, Selection::Keep, true));
}

TEST(OutputFieldOrder, TheFirstFieldIsTheFirstDelayOnThePlanElseTheFirstBand)
{
    EXPECT_EQ(First(Page{{}, {6009, 6012}}.Focus()), Plain(6009));
    EXPECT_EQ(First(Page{{}, {}}.Focus()), Band(5200, 0));
    EXPECT_EQ(First(Page{GraphicRows(), {}}.Focus()), Band(5000, 0));
}
