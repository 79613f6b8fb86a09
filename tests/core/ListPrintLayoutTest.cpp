#include <gtest/gtest.h>

#include <vector>

#include "grid/ListPrintLayout.h"

using namespace ListPrintLayout;

TEST(ListPrintLayout, PagesFollowTheRowsThatFit)
{
    struct Case {
        const char* name;
        int nUsable, nRowHeight, nRows;
        int nRowsPerPage, nPages;
    };
    // A row of height 20 takes 21 units with its rule.
    const Case kCases[] = {
        {"rows exactly fill a page", 210, 20, 10, 10, 1},
        {"one row more", 210, 20, 11, 10, 2},
        {"one unit short of the last row", 209, 20, 10, 9, 2},
        {"two full pages", 210, 20, 20, 10, 2},
        {"empty list", 210, 20, 0, 10, 1},
        {"no room for one row", 15, 20, 3, 1, 3},
        {"no room at all", -40, 20, 2, 1, 2},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const int nPer = RowsPerPage(c.nUsable, c.nRowHeight);
        EXPECT_EQ(nPer, c.nRowsPerPage);
        EXPECT_EQ(PageCount(c.nRows, nPer), c.nPages);
    }
}

TEST(ListPrintLayout, RowsPerPageBelowOneCountsAsOne)
{
    EXPECT_EQ(PageCount(5, 0), 5);
    EXPECT_EQ(PageCount(5, -3), 5);
    EXPECT_EQ(FirstRowOfPage(3, 0), 2);
}

TEST(ListPrintLayout, EveryRowPrintsOnceAndNoPageIsEmpty)
{
    for (int nPer = 1; nPer <= 7; ++nPer) {
        for (int nRows = 0; nRows <= 30; ++nRows) {
            SCOPED_TRACE(testing::Message() << nRows << " rows, " << nPer << " per page");
            std::vector<int> printed(std::size_t(nRows), 0);
            const int nPages = PageCount(nRows, nPer);
            for (int nPage = 1; nPage <= nPages; ++nPage) {
                const int nFirst = FirstRowOfPage(nPage, nPer);
                if (nRows > 0) {
                    EXPECT_LT(nFirst, nRows) << "page " << nPage << " has no row";
                }
                for (int r = nFirst; r < nFirst + nPer && r < nRows; ++r)
                    ++printed[std::size_t(r)];
            }
            for (const int nTimes : printed)
                EXPECT_EQ(nTimes, 1);
        }
    }
}

TEST(ListPrintLayout, ColumnEdgesKeepTheProportionsAndFillTheWidth)
{
    EXPECT_EQ(ColumnEdges({110, 90, 80}, 560), (std::vector<int>{0, 220, 400, 560}));
    EXPECT_EQ(ColumnEdges({100, 100, 100}, 1000), (std::vector<int>{0, 333, 666, 1000}));
    EXPECT_EQ(ColumnEdges({0, 0}, 100), (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(ColumnEdges({50, -10, 50}, 100), (std::vector<int>{0, 50, 50, 100}));
    EXPECT_EQ(ColumnEdges({}, 100), (std::vector<int>{0}));
}
