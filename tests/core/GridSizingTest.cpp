// Sizing, the font's metrics, sorting, heading clicks and what a paint draws.
#include <gtest/gtest.h>

#include "grid/GridPaint.h"
#include "tests/core/RecordingGridHost.h"

namespace {
std::vector<std::string> Column(const CGridCore& grid, int nCol)
{
    std::vector<std::string> texts;
    for (int r = grid.GetFixedRowCount(); r < grid.GetRowCount(); ++r)
        texts.push_back(grid.GetItemText(r, nCol));
    return texts;
}

void Fill(CGridCore& grid, int nCol, const std::vector<std::string>& texts)
{
    for (size_t i = 0; i < texts.size(); ++i)
        grid.SetItemText(grid.GetFixedRowCount() + int(i), nCol, texts[i]);
}

int CompareNumbers(LPARAM a, LPARAM b, LPARAM)
{
    return a < b ? -1 : a > b ? 1 : 0;
}
}  // namespace

TEST(GridFont, MetricsGiveTheMarginAndTheDefaultSizes)
{
    // Height 16, no leading, a space 4 and an average character 7 pixels wide.
    GridFixture f(3, 2);
    const GridFont font{16, 400, false, "Arial"};
    f.grid.SetGridFont(font);
    EXPECT_EQ(f.grid.GetMargin(), 4);
    EXPECT_EQ(f.grid.GetDefaultRowHeight(), 24);
    EXPECT_EQ(f.grid.GetDefaultColumnWidth(), 92);
    EXPECT_EQ(f.grid.GetRowHeight(1), 20);  // rows that exist keep their size
    EXPECT_EQ(*f.grid.GetItemFont(2, 1), font);
    EXPECT_TRUE(f.host.InvalidatedAll());
    f.grid.SetRowCount(4);
    EXPECT_EQ(f.grid.GetRowHeight(3), 24);
    EXPECT_EQ(*f.grid.GetItemFont(3, 1), font);
}

TEST(GridSizing, SizesAreRefusedOutsideTheGridOrBelowZero)
{
    GridFixture f(3, 2);
    EXPECT_TRUE(f.grid.SetColumnWidth(1, 262));
    EXPECT_FALSE(f.grid.SetColumnWidth(2, 262));
    EXPECT_FALSE(f.grid.SetRowHeight(0, -1));
    GridFixture g(3, 1, 1, 0);
    EXPECT_FALSE(g.grid.SetColumnWidth(1, 262));
}

TEST(GridSizing, AutoSizeMeasuresTextsWithMargins)
{
    GridFixture f(3, 3);
    f.grid.SetGridFont({16, 400, false, "Arial"});  // margin 4
    EXPECT_TRUE(f.grid.AutoSizeColumn(2));
    EXPECT_EQ(f.grid.GetColumnWidth(2), 16);  // four margins
    f.grid.SetItemText(2, 2, "Jazz");
    f.grid.AutoSizeColumn(2);
    EXPECT_EQ(f.grid.GetColumnWidth(2), 28 + 16);
    EXPECT_TRUE(f.grid.AutoSizeRow(1));
    EXPECT_EQ(f.grid.GetRowHeight(1), 16 + 8);
    EXPECT_FALSE(f.grid.AutoSizeColumn(3));
    f.grid.AutoSize();
    EXPECT_EQ(f.grid.GetColumnWidth(0), 16);
    EXPECT_EQ(f.grid.GetColumnWidth(2), 44);
    f.host.bWindow = false;
    EXPECT_FALSE(f.grid.AutoSizeColumn(2));
    EXPECT_EQ(f.grid.MeasureText("abc"), (GridSize{0, 0}));
}

TEST(GridSizing, StretchSharesTheDifferenceFromTheFirstColumns)
{
    GridFixture f(3, 3, 1, 1, {143, 100});  // 7 narrower than 3 x 50
    f.grid.StretchColumnsToFit();
    EXPECT_EQ(f.grid.GetColumnWidth(0), 47);
    EXPECT_EQ(f.grid.GetColumnWidth(1), 48);
    EXPECT_EQ(f.grid.GetColumnWidth(2), 48);
    GridFixture g(3, 3, 1, 1, {155, 100});
    g.grid.StretchColumnsToFit();
    EXPECT_EQ(g.grid.GetColumnWidth(0), 52);
    EXPECT_EQ(g.grid.GetColumnWidth(2), 51);
    EXPECT_EQ(g.grid.GetTotalWidth(), 155);
    g.grid.StretchRowsToFit();
    EXPECT_EQ(g.grid.GetTotalHeight(), 100);
}

TEST(GridSort, BothOrdersInByteOrderKeepingEqualRowsInPlace)
{
    GridFixture f(7, 3);
    Fill(f.grid, 1, {"b", "a", "B", "", "a", "c"});
    Fill(f.grid, 2, {"1", "2", "3", "4", "5", "6"});  // tells the two "a" rows apart
    EXPECT_TRUE(f.grid.SortByColumn(1, true));
    EXPECT_EQ(Column(f.grid, 1), (std::vector<std::string>{"", "B", "a", "a", "b", "c"}));
    EXPECT_EQ(Column(f.grid, 2), (std::vector<std::string>{"4", "3", "2", "5", "1", "6"}));
    EXPECT_TRUE(f.grid.SortByColumn(1, false));
    EXPECT_EQ(Column(f.grid, 1), (std::vector<std::string>{"c", "b", "a", "a", "B", ""}));
    EXPECT_EQ(Column(f.grid, 2), (std::vector<std::string>{"6", "1", "2", "5", "3", "4"}));
    EXPECT_EQ(f.grid.GetItemText(0, 1), "");  // the heading row stays
}

TEST(GridSort, CellsHeightsAndMarksTravelWithTheirRows)
{
    GridFixture f(4, 2);
    Fill(f.grid, 1, {"z", "y", "x"});
    f.grid.SetItemData(1, 1, 100);
    f.grid.SetItemState(1, 1, CELL_READ_ONLY);
    f.grid.SetRowHeight(1, 33);
    f.grid.SetFocusCell(2, 1);
    f.grid.SetSelectedRange(2, 1, 2, 1);
    f.grid.SortByColumn(1, true);
    EXPECT_EQ(f.grid.GetItemData(3, 1), 100);
    EXPECT_EQ(f.grid.GetItemState(3, 1), CELL_READ_ONLY);
    EXPECT_EQ(f.grid.GetRowHeight(3), 33);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(-1, -1));  // sorting clears focus and selection
    EXPECT_TRUE(f.grid.SelectedCells().empty());
}

TEST(GridSort, EqualTextsAndSingleRowsLeaveTheGridAlone)
{
    GridFixture f(4, 3);
    Fill(f.grid, 1, {"same", "same", "same"});
    Fill(f.grid, 2, {"1", "2", "3"});
    EXPECT_TRUE(f.grid.SortByColumn(1, false));
    EXPECT_EQ(Column(f.grid, 2), (std::vector<std::string>{"1", "2", "3"}));
    GridFixture g(2, 2);
    EXPECT_FALSE(g.grid.SortByColumn(1, true));
    EXPECT_FALSE(f.grid.SortByColumn(3, true));
}

TEST(GridSort, NumbersSortByDataWithTheCallersComparison)
{
    GridFixture f(5, 2);
    const LPARAM values[] = {10, -3, 200, 7};
    for (int i = 0; i < 4; ++i) {
        f.grid.SetItemData(i + 1, 1, values[i]);
        f.grid.SetItemText(i + 1, 1, std::to_string(values[i]));
    }
    EXPECT_TRUE(f.grid.SortByColumnWith(CompareNumbers, 1, true, 0));
    EXPECT_EQ(Column(f.grid, 1), (std::vector<std::string>{"-3", "7", "10", "200"}));
    EXPECT_TRUE(f.grid.SortByColumnWith(CompareNumbers, 1, false, 0));
    EXPECT_EQ(Column(f.grid, 1), (std::vector<std::string>{"200", "10", "7", "-3"}));
    EXPECT_FALSE(f.grid.SortByColumnWith(nullptr, 1, true, 0));
}

TEST(GridHeadings, ClicksSortInListModeAndSelectOtherwise)
{
    GridFixture f(4, 3);
    Fill(f.grid, 1, {"b", "c", "a"});
    Fill(f.grid, 2, {"2", "1", "3"});
    f.grid.SetListMode(true);
    f.grid.OnFixedRowClick({0, 1});
    EXPECT_EQ(Column(f.grid, 1), (std::vector<std::string>{"a", "b", "c"}));
    f.grid.OnFixedRowClick({0, 1});  // the same heading again: the other way
    EXPECT_EQ(Column(f.grid, 1), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_FALSE(f.grid.GetSortAscending());
    f.grid.OnFixedRowClick({0, 2});  // another heading: ascending
    EXPECT_EQ(Column(f.grid, 2), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(f.grid.GetSortColumn(), 2);
    EXPECT_EQ(f.host.waits, (std::vector<bool>{true, false, true, false, true, false}));
    f.grid.SetSortOnClick(false);
    f.grid.OnFixedRowClick({0, 1});
    EXPECT_EQ(Column(f.grid, 2), (std::vector<std::string>{"1", "2", "3"}));

    GridFixture g(4, 3);
    g.grid.SetSelectionAnchor({1, 1});
    g.grid.OnFixedRowClick({0, 2});
    EXPECT_EQ(g.grid.GetSelectedRange(), CGridCellRange(1, 1, 3, 2));
    g.grid.OnFixedRowClick({0, 0});  // the corner selects everything
    EXPECT_EQ(g.grid.GetSelectedRange(), CGridCellRange(1, 1, 3, 2));
    g.grid.OnFixedColumnClick({3, 0});
    EXPECT_EQ(g.grid.GetMouseMode(), MOUSE_SELECT_ROWS);
    EXPECT_EQ(g.grid.GetSelectedRange(), CGridCellRange(1, 1, 3, 2));
    g.grid.OnFixedRowClick({7, 0});  // outside: nothing
}

TEST(GridPaint, AGridWithoutRowsPaintsOnlyTheBackColour)
{
    GridFixture f(0, 0, 0, 0);
    const GridPaintPlan plan = PlanGridPaint(f.grid, {0, 0, 200, 100});
    ASSERT_EQ(plan.fills.size(), 1u);
    EXPECT_EQ(plan.fills[0].rc, (Rect{0, 0, 200, 100}));
    EXPECT_EQ(plan.fills[0].cr, f.grid.GetBackColour());
    EXPECT_TRUE(plan.cells.empty());
    EXPECT_TRUE(plan.lines.empty());
}

TEST(GridPaint, OnlyCellsInTheClipBoxAreDrawn)
{
    GridFixture f(10000, 20, 1, 1, {400, 300});
    f.grid.SetScrollPosition(SB_VERT, 5000 * 20);
    const CGridCellPos topLeft = f.grid.GetTopLeftScrollCell();
    EXPECT_EQ(topLeft, CGridCellPos(5001, 1));
    // The whole client: 15 rows and 8 columns of cells, their headings, the corner.
    GridPaintPlan plan = PlanGridPaint(f.grid, {0, 0, 400, 300});
    int nCells = 0;
    for (const GridPaintCell& cell : plan.cells)
        nCells += cell.bFixed ? 0 : 1;
    EXPECT_EQ(nCells, 14 * 7);
    EXPECT_EQ(plan.cells.size(), 1u + 14 + 7 + 14 * 7);
    EXPECT_EQ(plan.lines.size(), 7u + 14);
    // A strip inside one cell: the corner (always) and the cell.
    plan = PlanGridPaint(f.grid, {110, 65, 140, 75});
    ASSERT_EQ(plan.cells.size(), 2u);
    EXPECT_TRUE(plan.cells[0].bFixed);
    EXPECT_EQ(plan.cells[1].nRow, 5003);
    EXPECT_EQ(plan.cells[1].nCol, 2);
    EXPECT_EQ(plan.cells[1].rc, (Rect{100, 60, 149, 79}));
    EXPECT_FALSE(plan.cells[1].bFixed);
    // A strip over the headings: the heading of column 2 and the corner.
    plan = PlanGridPaint(f.grid, {110, 0, 140, 10});
    ASSERT_EQ(plan.cells.size(), 2u);
    EXPECT_EQ(plan.cells[1].nRow, 0);
    EXPECT_EQ(plan.cells[1].nCol, 2);
}

TEST(GridPaint, CellLooks)
{
    GridFixture f(4, 3);
    f.grid.SetFocusCell(2, 2);
    GridCellLook look;
    ASSERT_TRUE(f.grid.GetCellLook(2, 2, false, look));
    EXPECT_TRUE(look.bFrame);
    EXPECT_EQ(look.crBack, f.grid.GetTextBackColour());
    ASSERT_TRUE(f.grid.GetCellLook(0, 2, false, look));  // heading of the focus column
    EXPECT_TRUE(look.bSunken);
    EXPECT_EQ(look.crBack, f.grid.GetFixedBackColour());
    ASSERT_TRUE(f.grid.GetCellLook(0, 1, false, look));
    EXPECT_FALSE(look.bSunken);
    f.grid.SetEditable(false);  // the focus cell shows selected
    ASSERT_TRUE(f.grid.GetCellLook(2, 2, false, look));
    EXPECT_FALSE(look.bFrame);
    EXPECT_EQ(look.crBack, f.host.GetSysColour(COLOR_HIGHLIGHT));
    EXPECT_EQ(look.crText, f.host.GetSysColour(COLOR_HIGHLIGHTTEXT));
    ASSERT_TRUE(f.grid.GetCellLook(2, 2, true, look));  // printing shows no marks
    EXPECT_EQ(look.crBack, f.grid.GetTextBackColour());
    f.grid.SetItemBackColour(1, 1, ColorRef(1, 2, 3));
    ASSERT_TRUE(f.grid.GetCellLook(1, 1, false, look));
    EXPECT_EQ(look.crBack, ColorRef(1, 2, 3));
    f.grid.EnableDrawing(false);
    EXPECT_FALSE(f.grid.GetCellLook(1, 1, false, look));
    EXPECT_FALSE(f.grid.GetCellLook(9, 1, false, look));
}

TEST(GridPaint, RowsAndColumnsAreMarkedCellByCell)
{
    GridFixture f(10, 4);
    EXPECT_TRUE(f.grid.RedrawRow(2));
    EXPECT_EQ(f.host.invalidated.size(), 4u);
    EXPECT_FALSE(f.grid.RedrawColumn(1));  // rows 5 to 9 are not shown
    EXPECT_EQ(f.host.invalidated.size(), 4u + 5u);
    f.grid.EnableDrawing(false);
    EXPECT_FALSE(f.grid.RedrawRow(2));
    f.host.Clear();
    f.grid.EnableDrawing(true);  // switched back on: the whole window
    EXPECT_TRUE(f.host.InvalidatedAll());
}

TEST(GridColours, ColoursLeftAtTheirDefaultFollowTheSystem)
{
    GridFixture f(2, 2);
    EXPECT_EQ(f.grid.GetTextBackColour(), f.host.GetSysColour(COLOR_WINDOW));
    EXPECT_EQ(f.grid.GetFixedBackColour(), f.host.GetSysColour(COLOR_3DFACE));
    EXPECT_EQ(f.grid.GetBackColour(), f.host.GetSysColour(COLOR_3DSHADOW));
    EXPECT_EQ(f.grid.GetGridLineColour(), ColorRef(192, 192, 192));
    f.grid.SetTextBackColour(ColorRef(1, 2, 3));
    f.host.nColourTheme = 50;
    f.grid.OnSysColorChange();
    EXPECT_EQ(f.grid.GetTextBackColour(), ColorRef(1, 2, 3));
    EXPECT_EQ(f.grid.GetFixedBackColour(), f.host.GetSysColour(COLOR_3DFACE));
    EXPECT_EQ(f.grid.GetTextColour(), f.host.GetSysColour(COLOR_WINDOWTEXT));
    f.grid.SetTextBackColour(f.host.GetSysColour(COLOR_WINDOW));  // back to the system's: follows again
    f.host.nColourTheme = 60;
    f.grid.OnSysColorChange();
    EXPECT_EQ(f.grid.GetTextBackColour(), f.host.GetSysColour(COLOR_WINDOW));
}
