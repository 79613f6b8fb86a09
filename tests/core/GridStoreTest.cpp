// The grid's cell store: counts, insertion and deletion, items and their attributes, the
// selected-cell map and the modified marks.
#include <gtest/gtest.h>

#include <functional>

#include "tests/core/RecordingGridHost.h"

TEST(GridCounts, FixedCountsGrowTheGridAndShrinkWithIt)
{
    GridFixture f(1, 2, 0, 0);
    EXPECT_TRUE(f.grid.SetFixedRowCount(3));
    EXPECT_EQ(f.grid.GetRowCount(), 3);
    EXPECT_EQ(f.grid.GetFixedRowCount(), 3);

    GridFixture g(5, 3, 2, 1);
    g.grid.SetFocusCell(3, 1);
    EXPECT_TRUE(g.grid.SetRowCount(0));
    EXPECT_EQ(g.grid.GetRowCount(), 0);
    EXPECT_EQ(g.grid.GetFixedRowCount(), 0);
    EXPECT_EQ(g.grid.GetFocusCell(), CGridCellPos(-1, -1));
    EXPECT_FALSE(g.grid.SetRowCount(-1));
    EXPECT_FALSE(g.grid.SetFixedColumnCount(-2));
}

TEST(GridCounts, NewRowsAndColumnsTakeTheDefaultSizes)
{
    GridFixture f(2, 2);
    f.grid.SetRowCount(4);
    f.grid.SetColumnCount(3);
    EXPECT_EQ(f.grid.GetRowHeight(3), f.grid.GetDefaultRowHeight());
    EXPECT_EQ(f.grid.GetColumnWidth(2), f.grid.GetDefaultColumnWidth());
    EXPECT_EQ(f.grid.GetRowHeight(1), 20);  // kept
    EXPECT_EQ(f.grid.GetRowHeight(4), -1);
    EXPECT_NE(f.grid.GetCell(3, 2), nullptr);
    EXPECT_TRUE(f.host.InvalidatedAll());
}

TEST(GridCounts, ShrinkingTakesTheCutCellsOutOfTheSelection)
{
    GridFixture f(6, 4);
    f.grid.SetSelectedRange(1, 1, 5, 3);
    ASSERT_EQ(f.grid.SelectedCells().size(), 15u);
    f.grid.SetRowCount(3);
    f.grid.SetColumnCount(3);
    EXPECT_EQ(f.grid.SelectedCells().size(), 4u);
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(1, 1, 2, 2));
}

TEST(GridCounts, ShrinkingKeepsAFocusCellThatStaysInside)
{
    GridFixture f(6, 4);
    f.grid.SetFocusCell(2, 2);
    f.grid.SetRowCount(4);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(2, 2));
    f.grid.SetColumnCount(2);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(-1, -1));
}

TEST(GridInsertion, InsertColumnOnAnEmptyGridMakesTheHeadingRow)
{
    GridFixture f(0, 0, 0, 0);
    EXPECT_EQ(f.grid.InsertColumn("Name"), 0);
    EXPECT_EQ(f.grid.GetRowCount(), 1);
    EXPECT_EQ(f.grid.GetItemText(0, 0), "Name");
    EXPECT_EQ(f.grid.GetItemFormat(0, 0), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Measured bold plus two margins (the margin is 0 until a font is set).
    EXPECT_EQ(f.grid.GetColumnWidth(0), 4 * 7);
    EXPECT_EQ(f.grid.InsertColumn("A", 0, 0), 0);
    EXPECT_EQ(f.grid.GetItemText(0, 1), "Name");
    EXPECT_EQ(f.grid.InsertColumn("B", 0, 5), -1);
    EXPECT_EQ(f.grid.InsertRow("r", 7), -1);
    EXPECT_EQ(f.grid.InsertRow("r"), 1);
    EXPECT_EQ(f.grid.GetItemText(1, 0), "r");
    EXPECT_EQ(f.grid.GetRowHeight(1), 16);
}

TEST(GridInsertion, InsertingOrDeletingLeavesNoFocusAndNoSelection)
{
    struct Case {
        const char* szName;
        std::function<bool(CGridCore&)> change;
    };
    const Case cases[] = {
        {"insert row", [](CGridCore& g) { return g.InsertRow("x", 2) == 2; }},
        {"insert column", [](CGridCore& g) { return g.InsertColumn("x", 0, 1) == 1; }},
        {"delete row", [](CGridCore& g) { return g.DeleteRow(1); }},
        {"delete column", [](CGridCore& g) { return g.DeleteColumn(3); }},
        {"delete non-fixed rows", [](CGridCore& g) { return g.DeleteNonFixedRows() && g.GetRowCount() == 1; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        GridFixture f(5, 4);
        f.grid.SetFocusCell(2, 2);
        f.grid.SetSelectedRange(1, 1, 3, 3);
        EXPECT_TRUE(c.change(f.grid));
        EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(-1, -1));
        EXPECT_TRUE(f.grid.SelectedCells().empty());
        for (int r = 0; r < f.grid.GetRowCount(); ++r)
            for (int col = 0; col < f.grid.GetColumnCount(); ++col)
                EXPECT_EQ(f.grid.GetItemState(r, col) & (CELL_SELECTED | CELL_FOCUSED), 0u);
    }
}

TEST(GridInsertion, DeletingAFixedRowOrColumnLowersTheFixedCount)
{
    GridFixture f(5, 4, 2, 2);
    EXPECT_TRUE(f.grid.DeleteRow(0));
    EXPECT_TRUE(f.grid.DeleteColumn(1));
    EXPECT_EQ(f.grid.GetFixedRowCount(), 1);
    EXPECT_EQ(f.grid.GetFixedColumnCount(), 1);
    EXPECT_FALSE(f.grid.DeleteRow(4));
    EXPECT_FALSE(f.grid.DeleteColumn(-1));
    f.grid.DeleteAllCells();
    EXPECT_EQ(f.grid.GetRowCount() + f.grid.GetColumnCount() + f.grid.GetFixedRowCount() + f.grid.GetFixedColumnCount(), 0);
}

TEST(GridItems, TextSettersAndTheSavedText)
{
    GridFixture f(3, 3);
    EXPECT_TRUE(f.grid.SetItemText(1, 1, "Rock"));
    EXPECT_EQ(f.grid.GetItemSavedText(1, 1), "Rock");
    EXPECT_TRUE(f.host.InvalidatedAll());

    GridItem item;
    item.row = 1;
    item.col = 1;
    item.mask = ITEM_TEXT;
    item.strText = "Pop";
    EXPECT_TRUE(f.grid.SetItem(item));
    EXPECT_EQ(f.grid.GetItemText(1, 1), "Pop");
    EXPECT_EQ(f.grid.GetItemSavedText(1, 1), "Rock");

    item.row = 9;
    EXPECT_FALSE(f.grid.SetItem(item));
    EXPECT_FALSE(f.grid.SetItemText(3, 0, "x"));
    EXPECT_EQ(f.grid.GetItemText(-1, 0), "");
}

TEST(GridItems, EveryAttributeRoundTripsAndOutsideGivesTheDefaults)
{
    GridFixture f(3, 3);
    GridItem in;
    in.row = 2;
    in.col = 1;
    in.mask = ITEM_TEXT | ITEM_IMAGE | ITEM_DATA | ITEM_STATE | ITEM_BACK_COLOUR | ITEM_TEXT_COLOUR | ITEM_FORMAT | ITEM_FONT;
    in.strText = "序号";
    in.iImage = 4;
    in.lParam = 77;
    in.nState = CELL_READ_ONLY;
    in.crBkClr = ColorRef(1, 2, 3);
    in.crFgClr = ColorRef(4, 5, 6);
    in.nFormat = 0x8025;
    in.lfFont = {16, 400, true, "Arial"};
    ASSERT_TRUE(f.grid.SetItem(in));
    GridItem out;
    out.row = 2;
    out.col = 1;
    out.mask = in.mask;
    ASSERT_TRUE(f.grid.GetItem(out));
    EXPECT_EQ(out.strText, in.strText);
    EXPECT_EQ(out.iImage, 4);
    EXPECT_EQ(out.lParam, 77);
    EXPECT_EQ(out.nState, CELL_READ_ONLY);
    EXPECT_EQ(out.crBkClr, ColorRef(1, 2, 3));
    EXPECT_EQ(out.crFgClr, ColorRef(4, 5, 6));
    EXPECT_EQ(out.nFormat, 0x8025u);
    EXPECT_EQ(out.lfFont, in.lfFont);

    EXPECT_EQ(f.grid.GetItemState(5, 5), 0u);
    EXPECT_EQ(f.grid.GetItemFormat(5, 5), 0u);
    EXPECT_EQ(f.grid.GetItemImage(5, 5), -1);
    EXPECT_EQ(f.grid.GetItemData(5, 5), 0);
    EXPECT_EQ(f.grid.GetItemBackColour(5, 5), 0u);
    EXPECT_EQ(f.grid.GetItemTextColour(5, 5), 0u);
    EXPECT_EQ(*f.grid.GetItemFont(5, 5), f.grid.GetFontDescription());
    EXPECT_FALSE(f.grid.SetItemData(5, 5, 1));
    EXPECT_FALSE(f.grid.SetItemFont(-1, 0, in.lfFont));
    // A new cell starts with the grid's colours and font.
    EXPECT_EQ(f.grid.GetItemBackColour(1, 1), CLR_DEFAULT);
    EXPECT_EQ(*f.grid.GetItemFont(1, 1), kStockSystemFont);
}

TEST(GridItems, SetItemStateKeepsTheSelectedMapButSetItemDoesNot)
{
    GridFixture f(3, 3);
    f.grid.SetItemState(1, 1, CELL_SELECTED);
    EXPECT_EQ(f.grid.SelectedCells().size(), 1u);
    f.grid.SetItemState(1, 1, CELL_READ_ONLY);
    EXPECT_TRUE(f.grid.SelectedCells().empty());

    GridItem item;
    item.row = 2;
    item.col = 2;
    item.mask = ITEM_STATE;
    item.nState = CELL_SELECTED;
    f.grid.SetItem(item);
    EXPECT_EQ(f.grid.GetItemState(2, 2), CELL_SELECTED);
    EXPECT_TRUE(f.grid.SelectedCells().empty());
}

TEST(GridItems, ModifiedMarks)
{
    GridFixture f(4, 4);
    f.grid.SetModified(true, 0, 3);  // a heading: only the grid-wide flag
    EXPECT_TRUE(f.grid.GetModified());
    EXPECT_EQ(f.grid.GetItemState(0, 3) & CELL_MODIFIED, 0u);

    f.grid.SetModified(true, 2, 2);
    f.grid.SetModified(true, 3, 1);
    EXPECT_TRUE(f.grid.GetModified(2, 2));
    f.grid.SetModified(false, 2, 2);  // one cell: the flag stays
    EXPECT_FALSE(f.grid.GetModified(2, 2));
    EXPECT_TRUE(f.grid.GetModified());
    f.grid.SetModified(false);  // the flag: every mark goes
    EXPECT_FALSE(f.grid.GetModified());
    EXPECT_FALSE(f.grid.GetModified(3, 1));
}

TEST(GridItems, ANewCellBelowACentredCellStartsCentred)
{
    GridFixture f(2, 2);
    f.grid.SetItemFormat(1, 1, DT_CENTER | DT_SINGLELINE);
    f.grid.SetRowCount(3);
    EXPECT_EQ(f.grid.GetItemFormat(2, 1), DT_CENTER | DT_SINGLELINE);
    EXPECT_EQ(f.grid.GetItemFormat(2, 0), 0u);
}

TEST(GridItems, TheSelectionMapHoldsGridsBeyondSixteenBitPositions)
{
    GridFixture f(70000, 2, 0, 0);
    f.grid.SetItemState(3, 1, CELL_SELECTED);
    f.grid.SetItemState(65539, 1, CELL_SELECTED);
    EXPECT_EQ(f.grid.SelectedCells().size(), 2u);
    f.grid.SetItemState(65539, 1, 0);
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(3, 1, 3, 1));
}

TEST(GridRanges, CountIntersectAndValidity)
{
    const CGridCellRange a(1, 1, 4, 3);
    EXPECT_EQ(a.Count(), 12);
    EXPECT_EQ(a.Intersect({2, 0, 9, 2}), CGridCellRange(2, 1, 4, 2));
    EXPECT_EQ(a.GetTopLeft(), CGridCellPos(1, 1));
    GridFixture f(5, 4);
    EXPECT_TRUE(f.grid.IsValid(a));
    EXPECT_FALSE(f.grid.IsValid(CGridCellRange(1, 1, 5, 3)));
    EXPECT_FALSE(f.grid.IsValid(CGridCellRange(3, 1, 2, 3)));
    EXPECT_FALSE(f.grid.IsValid(CGridCellRange(-1, 0, 2, 3)));
    EXPECT_EQ(f.grid.GetWholeRange(), CGridCellRange(0, 0, 4, 3));
}
