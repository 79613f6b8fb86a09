// Where cells lie and how the grid scrolls. The fixture: rows 20 and columns 50 pixels, row 0 and
// column 0 headings, a client area of 200 x 100 unless a case says otherwise.
#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "tests/core/RecordingGridHost.h"

TEST(GridGeometry, VisibleRangesAndTheLastPartialRow)
{
    struct Case {
        const char* szName;
        GridSize client;
        int nVScroll;
        CGridCellPos topLeft;
        CGridCellRange visible;
        Rect rcVisible;
        CGridCellRange fully;
    };
    const Case cases[] = {
        // Rows end exactly on the client bottom (20 + 4 x 20 = 100): row 4 is fully shown.
        {"exact fit", {200, 100}, 0, {1, 1}, {1, 1, 4, 3}, {0, 0, 200, 100}, {1, 1, 4, 3}},
        // Five pixels less: row 4 is cut, and so is the fourth column.
        {"cut row", {195, 95}, 0, {1, 1}, {1, 1, 4, 3}, {0, 0, 195, 95}, {1, 1, 3, 2}},
        // Scrolled 30 pixels: rows whose start the position passed (1 and 2) are gone.
        {"scrolled", {200, 110}, 30, {3, 1}, {3, 1, 7, 3}, {0, 0, 200, 110}, {3, 1, 6, 3}},
        // The view never starts past the last row, and what is left is shown whole.
        {"past the end", {200, 100}, 5000, {9, 1}, {9, 1, 9, 3}, {0, 0, 200, 40}, {9, 1, 9, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        GridFixture f(10, 5);
        CGridCellStore& store = f.grid;
        const CGridGeometry geometry(store, {c.client.cx, c.client.cy, 0, c.nVScroll});
        EXPECT_EQ(geometry.GetTopLeftScrollCell(), c.topLeft);
        Rect rc;
        EXPECT_EQ(geometry.GetVisibleCellRange(&rc), c.visible);
        EXPECT_EQ(rc, c.rcVisible);
        EXPECT_EQ(geometry.GetFullyVisibleCellRange(), c.fully);
    }
}

TEST(GridGeometry, WithoutNonFixedRowsTheRangesAreNotValidAndTheBarsStay)
{
    GridFixture f(2, 3, 2, 1);
    EXPECT_EQ(f.grid.GetTopLeftScrollCell().row, 2);
    EXPECT_FALSE(f.grid.IsValid(f.grid.GetVisibleCellRange()));
    const int nUpdates = f.host.nScrollBarUpdates;
    f.grid.UpdateScrollBars();
    EXPECT_EQ(f.host.nScrollBarUpdates, nUpdates);
}

TEST(GridGeometry, CellOriginsAndRectangles)
{
    GridFixture f(10, 5);
    Rect rc;
    ASSERT_TRUE(f.grid.GetCellRect(2, 2, rc));
    EXPECT_EQ(rc, (Rect{100, 40, 149, 59}));  // inclusive
    ASSERT_TRUE(f.grid.GetCellRect(0, 0, rc));
    EXPECT_EQ(rc, (Rect{0, 0, 49, 19}));
    Point pt;
    EXPECT_TRUE(f.grid.GetCellOrigin(9, 4, pt));  // below and right of the client: still an origin
    EXPECT_EQ(pt, (Point{200, 180}));
    EXPECT_FALSE(f.grid.GetCellOrigin(10, 0, pt));
    EXPECT_TRUE(f.grid.GetRangeRect({1, 1, 2, 3}, rc));
    EXPECT_EQ(rc, (Rect{50, 20, 199, 59}));

    f.grid.SetScrollPosition(SB_VERT, 30);
    EXPECT_FALSE(f.grid.GetCellOrigin(2, 1, pt));  // scrolled away above
    EXPECT_TRUE(f.grid.GetCellOrigin(0, 1, pt));   // headings stay
    EXPECT_TRUE(f.grid.GetCellRect(3, 0, rc));
    EXPECT_EQ(rc, (Rect{0, 20, 49, 39}));
}

TEST(GridGeometry, HitTestAtTheEdges)
{
    struct Case {
        Point pt;
        bool bAllowFixed;
        CGridCellPos cell;
    };
    const Case cases[] = {
        {{0, 0}, true, {0, 0}},       {{49, 19}, true, {0, 0}},      {{50, 20}, true, {1, 1}},
        {{149, 59}, true, {2, 2}},    {{150, 60}, true, {3, 3}},     {{10, 30}, false, {1, -1}},
        {{60, 5}, false, {-1, 1}},    {{-1, 30}, true, {1, -1}},     {{260, 30}, true, {1, -1}},
        {{60, 105}, true, {5, 1}},  // the last row, partly shown, still answers
    };
    GridFixture f(6, 5, 1, 1, {300, 110});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pt.x << "," << c.pt.y);
        EXPECT_EQ(f.grid.HitTestCell(c.pt, c.bAllowFixed), c.cell);
    }
    // Below the last row (6 rows end at 120) the row is -1 and the column still answers.
    GridFixture g(4, 3, 1, 1, {300, 200});
    EXPECT_EQ(g.grid.HitTestCell({60, 150}), CGridCellPos(-1, 1));
    EXPECT_EQ(g.grid.HitTestCell({160, 30}), CGridCellPos(1, -1));
}

TEST(GridGeometry, DividersWithinThreePixels)
{
    GridFixture f(6, 5);
    EXPECT_TRUE(f.grid.IsOverRowDivider({10, 43}));   // 3 below the top of row 2
    EXPECT_FALSE(f.grid.IsOverRowDivider({10, 44}));  // 4 below
    EXPECT_TRUE(f.grid.IsOverRowDivider({10, 57}));   // 3 above its end (60)
    EXPECT_FALSE(f.grid.IsOverRowDivider({10, 2}));   // row 0's top edge never counts
    EXPECT_FALSE(f.grid.IsOverRowDivider({60, 43}));  // only in the fixed columns
    EXPECT_TRUE(f.grid.IsOverColumnDivider({103, 5}));
    EXPECT_FALSE(f.grid.IsOverColumnDivider({104, 5}));
    EXPECT_FALSE(f.grid.IsOverColumnDivider({2, 5}));
    EXPECT_FALSE(f.grid.IsOverColumnDivider({103, 25}));
}

TEST(GridGeometry, CellVisibility)
{
    GridFixture f(10, 5);
    EXPECT_TRUE(f.grid.IsCellVisible(4, 3));
    EXPECT_FALSE(f.grid.IsCellVisible(5, 1));  // starts on the client bottom
    EXPECT_FALSE(f.grid.IsCellVisible(1, 4));
    f.grid.SetScrollPosition(SB_HORZ, 60);
    EXPECT_FALSE(f.grid.IsCellVisible(1, 1));
    EXPECT_TRUE(f.grid.IsCellVisible(0, 0));
    f.host.bWindow = false;
    EXPECT_FALSE(f.grid.IsCellVisible(0, 0));
}

TEST(GridScrollBar, PositionIsClampedToMaxMinusPagePlusOne)
{
    struct Case {
        int nMax;
        int nPage;
        int nAsk;
        int nGot;
    };
    const Case cases[] = {
        {179, 80, 500, 100}, {179, 80, 100, 100}, {179, 80, 99, 99}, {179, 80, -5, 0},
        {0, 80, 30, 0},      {179, 0, 500, 179},  {179, 1, 500, 179},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nMax << "/" << c.nPage << "/" << c.nAsk);
        CGridScrollBar bar;
        bar.SetRange(c.nMax);
        bar.SetPage(c.nPage);
        EXPECT_EQ(bar.SetPos(c.nAsk), c.nGot);
    }
    CGridScrollBar bar;  // a smaller range pulls the position back
    bar.SetRange(179);
    bar.SetPage(80);
    bar.SetPos(100);
    bar.SetRange(120);
    EXPECT_EQ(bar.GetPos(), 41);
}

TEST(GridScrolling, BarsFollowTheSizes)
{
    GridFixture f(10, 5);
    // 180 pixels of rows below the heading in 80: range 0..179, page 80. Columns: 200 in 150.
    EXPECT_EQ(f.grid.GetScrollBar(SB_VERT).GetMax(), 179);
    EXPECT_EQ(f.grid.GetScrollBar(SB_VERT).GetPage(), 80);
    EXPECT_EQ(f.grid.GetScrollBar(SB_HORZ).GetMax(), 199);
    EXPECT_EQ(f.grid.GetScrollBar(SB_HORZ).GetPage(), 150);

    GridFixture g(4, 3);  // everything fits
    EXPECT_EQ(g.grid.GetScrollBar(SB_VERT).GetMax(), 0);
    EXPECT_EQ(g.grid.GetScrollBar(SB_HORZ).GetMax(), 0);
}

TEST(GridScrolling, RequestsMoveTheViewAndRepaintWhatMoved)
{
    struct Case {
        const char* szName;
        int nStart;
        int nCode;
        int nPos;
    };
    const Case cases[] = {
        {"line down", 0, SB_LINEDOWN, 20},   {"line down at the end", 100, SB_LINEDOWN, 100},
        {"line up", 40, SB_LINEUP, 20},      {"line up at the top", 0, SB_LINEUP, 0},
        {"page down", 0, SB_PAGEDOWN, 80},   {"page down past the end", 80, SB_PAGEDOWN, 100},
        {"page up", 90, SB_PAGEUP, 10},      {"bottom", 0, SB_BOTTOM, 100},
        {"top", 60, SB_TOP, 0},              {"thumb", 0, SB_THUMBTRACK, 45},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        GridFixture f(10, 5);
        f.grid.SetScrollPosition(SB_VERT, c.nStart);
        f.host.Clear();
        f.grid.OnVScroll(c.nCode, 45);
        EXPECT_EQ(f.grid.GetScrollPosition(SB_VERT), c.nPos);
        EXPECT_EQ(f.host.invalidated.empty(), c.nPos == c.nStart);
    }
}

TEST(GridScrolling, ALineScrollsTheAreaUnderTheHeadingsAndRepaintsTheStrip)
{
    GridFixture f(10, 5);
    f.grid.OnVScroll(SB_LINEDOWN);
    ASSERT_EQ(f.host.scrolls.size(), 1u);
    EXPECT_EQ(f.host.scrolls[0].rcSource, (Rect{0, 40, 200, 100}));
    EXPECT_EQ(f.host.scrolls[0].dy, -20);
    ASSERT_EQ(f.host.invalidated.size(), 1u);
    EXPECT_EQ(*f.host.invalidated[0], (Rect{0, 80, 200, 100}));
    f.host.Clear();
    f.grid.OnHScroll(SB_LINEUP);  // at the left already
    EXPECT_TRUE(f.host.scrolls.empty());
    f.grid.OnHScroll(SB_LINEDOWN);
    EXPECT_EQ(f.grid.GetTopLeftScrollCell(), CGridCellPos(2, 2));
    EXPECT_EQ(*f.host.invalidated[0], (Rect{150, 0, 200, 100}));
}

TEST(GridScrolling, ScrollingTakesTheFocus)
{
    GridFixture f(10, 5);
    f.host.bFocus = false;
    f.grid.OnVScroll(SB_LINEDOWN);
    EXPECT_TRUE(f.host.bFocus);
}

TEST(GridScrolling, WheelLinesComeFromTheSettings)
{
    CMemorySettingsStore& store = FixtureSettings();
    ISettingsStore* pOld = SetSettingsStore(&store);
    store.DeleteValue("Control Panel/Desktop", "WheelScrollLines");
    EXPECT_EQ(GetMouseScrollLines(), 3);
    store.WriteString("Control Panel/Desktop", "WheelScrollLines", "5");
    EXPECT_EQ(GetMouseScrollLines(), 5);
    store.WriteString("Control Panel/Desktop", "WheelScrollLines", "lots");
    EXPECT_EQ(GetMouseScrollLines(), 3);
    store.WriteString("Control Panel/Desktop", "WheelScrollLines", "-1");
    EXPECT_EQ(GetMouseScrollLines(), -1);
    // A hand-edited file: a count far too large would overflow the step and loop for minutes.
    store.WriteString("Control Panel/Desktop", "WheelScrollLines", "2147483647");
    EXPECT_EQ(GetMouseScrollLines(), kMaxWheelLines);
    store.WriteString("Control Panel/Desktop", "WheelScrollLines", "-40");
    EXPECT_EQ(GetMouseScrollLines(), -1);

    struct Case {
        const char* szLines;
        int nDelta;
        int nPos;
    };
    const Case cases[] = {
        {"3", 120, 20},   // three lines up from 80
        {"3", 40, 60},    // 40 x 3 / 120: one line
        {"3", -120, 100}, // three lines down, stopping at the end
        {"-1", 120, 0},   // a page up
        {"-1", -240, 100},
        {"2147483647", 120, 0},
        {"17895697", -120, 100},  // the largest count whose step fits: once millions of lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.szLines << " " << c.nDelta);
        store.WriteString("Control Panel/Desktop", "WheelScrollLines", c.szLines);
        GridFixture f(10, 5);
        f.grid.SetScrollPosition(SB_VERT, 80);
        f.grid.OnMouseWheel(c.nDelta);
        EXPECT_EQ(f.grid.GetScrollPosition(SB_VERT), c.nPos);
    }
    store.DeleteValue("Control Panel/Desktop", "WheelScrollLines");
    SetSettingsStore(pOld);
}

TEST(GridScrolling, EnsureVisibleScrollsOnlyWhenNeeded)
{
    GridFixture f(10, 5);
    f.grid.EnsureVisible(2, 2);
    EXPECT_EQ(f.grid.GetScrollPosition(SB_VERT), 0);
    EXPECT_EQ(f.grid.GetScrollPosition(SB_HORZ), 0);
    f.grid.EnsureVisible(7, 1);
    EXPECT_EQ(f.grid.GetTopLeftScrollCell().row, 4);
    EXPECT_TRUE(f.grid.IsCellVisible(7, 1));
    f.grid.EnsureVisible(1, 1);
    EXPECT_EQ(f.grid.GetTopLeftScrollCell().row, 1);
}
