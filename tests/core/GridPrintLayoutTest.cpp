// The page layout of the grid's printout: the page from the paper and the grid, which rows each
// page takes, and where a centred header text stops.
#include <gtest/gtest.h>

#include "grid/GridPrintLayout.h"

TEST(GridPrintLayout, ThePageIsTheGridsWidthInTheShapeOfThePaper)
{
    // A4 at 300 dpi, a grid 442 pixels wide with 20 pixels of headings, characters of 5 x 9.
    const GridPrintMetrics a4 = GridPrintLayout::Metrics(2480, 3508, 442, 20, 5, 9);
    EXPECT_EQ(a4.nPageWidth, 482);
    EXPECT_EQ(a4.nPageHeight, 682);  // 482 x 3508 / 2480, rounded
    EXPECT_EQ(a4.nUsableHeight, 682 - 20 - 54);
    const GridPrintMetrics landscape = GridPrintLayout::Metrics(3508, 2480, 442, 20, 5, 9);
    EXPECT_EQ(landscape.nPageWidth, 482);
    EXPECT_EQ(landscape.nPageHeight, 341);
}

TEST(GridPrintLayout, PagesTakeTheRowsThatFitAndEachPageAtLeastOne)
{
    struct Case {
        const char* szName;
        std::vector<int> heights;
        int nUsable;
        std::vector<int> firstRows;
    };
    const std::vector<int> five(5, 20), six(6, 20), ten(10, 20);
    const Case cases[] = {
        {"rows that exactly fill a page", five, 100, {0}},
        {"one row more", six, 100, {0, 5}},
        {"rows that exactly fill two pages", ten, 100, {0, 5}},
        {"one pixel short of the last row", five, 99, {0, 4}},
        {"rows of different heights", {30, 30, 30, 20, 50}, 100, {0, 3}},
        {"a row taller than the page", {20, 150, 20}, 100, {0, 1, 2}},
        {"a first row taller than the page", {150, 20}, 100, {0, 1}},
        {"a page below one row", {20, 20, 20}, 10, {0, 1, 2}},
        {"no usable height at all", {20, 20}, -30, {0, 1}},
        {"no rows", {}, 100, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(GridPrintLayout::PageFirstRows(c.heights, c.nUsable), c.firstRows);
    }
}

TEST(GridPrintLayout, ACentredTextEndsBeforeWhatStandsRightOfIt)
{
    struct Case {
        const char* szName;
        int nStop;
        int nWidth;
        int nLeft;
    };
    // Centred between 0 and 400.
    const Case cases[] = {
        {"room enough: centred", 350, 100, 150},
        {"ends just at the stop", 250, 100, 150},
        {"moved left to end at the stop", 200, 100, 100},
        {"too wide: from the left edge", 80, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(GridPrintLayout::CentredLeftBefore(0, 400, c.nStop, c.nWidth), c.nLeft);
    }
}
