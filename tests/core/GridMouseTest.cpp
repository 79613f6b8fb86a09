// The grid's mouse: presses, releases, double clicks, drags that select or size, the right
// button's preset menu and the cells whose text wants a title tip.
#include <gtest/gtest.h>

#include "controls/VirtualKeys.h"
#include "tests/core/RecordingGridHost.h"

namespace {
constexpr GridKeyState kNone{};
constexpr GridKeyState kShift{true, false};

// Every row is 20 and every column 50 pixels: a point inside a cell of the unscrolled grid.
Point In(int nRow, int nCol)
{
    return {nCol * 50 + 10, nRow * 20 + 10};
}

// The stored-preset grid: 7 rows and 2 columns, row 0 and column 0 headings, not editable, row 1
// focused.
struct PresetGrid : GridFixture {
    PresetGrid() : GridFixture(7, 2, 1, 1, {200, 200})
    {
        grid.SetSingleRowSelection(true);
        grid.SetEditable(false);
        grid.SetFocusCell(1, 1);
        host.Clear();
    }
};

// A grid that notes each editor it would open.
class CEditingGrid : public CGridCore {
public:
    struct Editor {
        Rect rc;
        unsigned nStyle;
        int nRow;
        int nCol;
        std::string strText;
        int nChar;
    };
    void CreateInPlaceEditControl(const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                                  const std::string& strText, int nChar) override
    {
        EXPECT_EQ(nId, IDC_INPLACE_EDIT);
        editors.push_back({rc, nStyle, nRow, nCol, strText, nChar});
    }
    // A setter that refuses one text, as a column with options does.
    bool SetItemText(int nRow, int nCol, const std::string& strText) override
    {
        return strText != "refused" && CGridCore::SetItemText(nRow, nCol, strText);
    }
    std::vector<Editor> editors;
};

struct EditingGrid {
    EditingGrid() : pOld(SetSettingsStore(&FixtureSettings()))
    {
        host.client = {200, 100};
        grid.InitGrid(host, 10, 4, 1, 1);
        for (int r = 0; r < 10; ++r)
            grid.SetRowHeight(r, 20);
        for (int c = 0; c < 4; ++c)
            grid.SetColumnWidth(c, 50);
        grid.UpdateScrollBars();
        host.Clear();
    }
    ~EditingGrid() { SetSettingsStore(pOld); }
    ISettingsStore* pOld;
    CRecordingGridHost host;
    CEditingGrid grid;
};
}  // namespace

TEST(GridMouse, LeftPressesOnThePresetGrid)
{
    struct Case {
        const char* szName;
        Point pt;
        CGridCellPos focus;     // after the press
        CGridCellRange selected;
        bool bClick;            // the owner hears of a click when the button goes up
    };
    const Case cases[] = {
        {"a name cell", In(3, 1), {3, 1}, {3, 1, 3, 1}, true},
        {"a number cell acts on its name", In(4, 0), {4, 1}, {4, 1, 4, 1}, true},
        {"the heading row changes nothing", In(0, 1), {1, 1}, {1, 1, 1, 1}, true},
        {"below the last row", {60, 190}, {1, 1}, {1, 1, 1, 1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        PresetGrid f;
        f.grid.OnLButtonDown(c.pt, kNone);
        EXPECT_EQ(f.grid.GetFocusCell(), c.focus);
        EXPECT_EQ(f.grid.GetSelectedRange(), c.selected);
        f.grid.OnLButtonUp(c.pt);
        EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
        EXPECT_FALSE(f.host.bCapture);
        EXPECT_EQ(f.host.nClicks, c.bClick ? 1 : 0);
    }
}

TEST(GridMouse, APressSelectsAndFocusesButKeepsTheReadOnlyMark)
{
    GridFixture f(6, 4);
    f.grid.SetItemState(2, 2, CELL_READ_ONLY | CELL_MODIFIED);
    f.grid.OnLButtonDown(In(2, 2), kNone);
    EXPECT_TRUE(f.host.bCapture);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_SELECT_CELLS);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(2, 2));
    EXPECT_EQ(f.grid.GetItemState(2, 2), CELL_SELECTED | CELL_READ_ONLY | CELL_MODIFIED);
    EXPECT_FALSE(f.grid.IsCellEditable(2, 2));
    f.grid.OnLButtonUp(In(2, 2));
    // Shift extends from the focus cell; without a focus cell from the pressed one.
    f.grid.OnLButtonDown(In(3, 3), kShift);
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 2, 3, 3));
    f.grid.OnLButtonUp(In(3, 3));
    f.grid.SetFocusCell(-1, -1);
    f.grid.OnLButtonDown(In(1, 1), kShift);
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(1, 1, 1, 1));
}

TEST(GridMouse, DraggingSelectsAndScrollsOutsideTheCells)
{
    GridFixture f(20, 4);  // rows 1 to 3 and a part of 4 shown below the heading
    f.grid.OnLButtonDown(In(1, 1), kNone);
    f.grid.OnMouseMove(In(3, 2), true);
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(1, 1, 3, 2));
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(3, 2));
    EXPECT_TRUE(f.host.started.empty());

    // Below the client area the timer runs; each tick scrolls on and selects what came in.
    f.grid.OnMouseMove({110, 130}, true);
    EXPECT_EQ(f.host.started, (std::vector<GridSize>{{GRID_AUTOSCROLL_TIMER, CGridCore::kAutoScrollInterval}}));
    EXPECT_EQ(f.grid.GetAutoScrollTimer(), GRID_AUTOSCROLL_TIMER);
    for (int i = 0; i < 3; ++i) {
        f.grid.OnTimer(GRID_AUTOSCROLL_TIMER, {110, 130});
        f.grid.OnMouseMove({110, 130}, true);
    }
    EXPECT_GT(f.grid.GetTopLeftScrollCell().row, 2);
    EXPECT_GT(f.grid.GetSelectedRange().GetMaxRow(), 5);
    EXPECT_EQ(f.grid.GetSelectedRange().GetMinRow(), 1);
    EXPECT_EQ(f.host.started.size(), 1u);  // started once

    f.grid.OnMouseMove({110, 50}, true);  // back over the cells
    EXPECT_EQ(f.host.killed, (std::vector<int>{GRID_AUTOSCROLL_TIMER}));
    f.grid.OnLButtonUp({110, 50});
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
    // A move without the button selects nothing.
    const CGridCellRange selected = f.grid.GetSelectedRange();
    f.grid.OnMouseMove(In(1, 3), false);
    EXPECT_EQ(f.grid.GetSelectedRange(), selected);
}

TEST(GridMouse, DividersSizeColumnsAndRowsWhileResizingIsAllowed)
{
    GridFixture f(6, 4, 1, 1, {400, 200});
    // The pointer over the divider after column 0, then a press there and a drag.
    f.grid.OnMouseMove({48, 10}, false);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_OVER_COLUMN_DIVIDER);
    f.grid.OnMouseMove({30, 10}, false);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
    f.grid.OnLButtonDown({51, 10}, kNone);  // within reach of column 1's left edge: column 0
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_SIZING_COLUMN);
    EXPECT_TRUE(f.host.bCapture);
    f.grid.OnMouseMove({79, 40}, true);
    EXPECT_EQ(f.grid.GetColumnWidth(0), 80);
    f.grid.OnMouseMove({-20, 40}, true);
    EXPECT_EQ(f.grid.GetColumnWidth(0), 0);
    f.grid.OnMouseMove({69, 40}, true);
    const int nUpdates = f.host.nScrollBarUpdates;
    f.grid.OnLButtonUp({69, 40});
    EXPECT_EQ(f.grid.GetColumnWidth(0), 70);
    EXPECT_GT(f.host.nScrollBarUpdates, nUpdates);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
    EXPECT_EQ(f.host.nClicks, 0);  // sizing is no click
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos());

    // The bottom edge of row 2 in the heading column.
    f.grid.OnMouseMove({20, 58}, false);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_OVER_ROW_DIVIDER);
    f.grid.OnLButtonDown({20, 58}, kNone);
    f.grid.OnMouseMove({20, 69}, true);
    f.grid.OnLButtonUp({20, 69});
    EXPECT_EQ(f.grid.GetRowHeight(2), 30);

    // Row resizing off: the same press selects (column 0 acts on column 1).
    f.grid.SetRowResize(false);
    f.grid.OnMouseMove({20, 78}, false);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
    f.grid.OnLButtonDown({20, 78}, kNone);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_SELECT_CELLS);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(3, 1));
    f.grid.OnLButtonUp({20, 78});
    EXPECT_EQ(f.grid.GetRowHeight(3), 20);
}

// With the pointer's moves off (the stored-preset manager), a press acts on its cell alone: a
// drag keeps it, a press at a divider selects, and no tip is offered.
TEST(GridMouse, WithMovesOffADragKeepsThePressedCellAndNothingSizes)
{
    PresetGrid f;
    f.grid.SetMouseMoves(false);
    f.grid.OnLButtonDown(In(2, 1), kNone);
    f.grid.OnMouseMove(In(5, 1), true);
    f.grid.OnMouseMove({60, 300}, true);  // below the cells
    f.grid.OnLButtonUp(In(5, 1));
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(2, 1));
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 1, 2, 1));
    EXPECT_TRUE(f.host.started.empty());

    f.grid.OnMouseMove({48, 10}, false);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
    f.grid.OnLButtonDown({51, 70}, kNone);  // at column 1's left edge in row 3
    f.grid.OnMouseMove({120, 70}, true);
    f.grid.OnLButtonUp({120, 70});
    EXPECT_EQ(f.grid.GetColumnWidth(0), 50);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(3, 1));

    f.grid.EnableTitleTips(true);
    f.grid.SetItemText(4, 1, std::string(40, 'W'));
    CGridCellPos cell;
    Rect rc;
    EXPECT_FALSE(f.grid.GetTitleTipCell(In(4, 1), cell, rc));
    f.grid.SetMouseMoves(true);
    EXPECT_TRUE(f.grid.GetTitleTipCell(In(4, 1), cell, rc));
}

TEST(GridMouse, RightPressSelectsTheRowAndNotesTheMenuCell)
{
    PresetGrid f;
    // Another row than the focus cell's: that row is selected, the grid has no focus cell.
    EXPECT_TRUE(f.grid.OnRButtonDown(In(3, 0), kNone));
    EXPECT_EQ(f.grid.GetMenuCell(), CGridCellPos(3, 0));  // column 0 stays column 0
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos());
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(3, 1, 3, 1));
    f.grid.OnPresetMenuClosed();
    // Once the menu is gone, keys act again.
    f.grid.SetFocusCell(3, 1);
    f.grid.OnKeyDown(VK_DOWN, kNone);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(4, 1));

    // The focus cell: it stays, and the menu opens.
    EXPECT_TRUE(f.grid.OnRButtonDown(In(4, 1), kNone));
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(4, 1));
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_PREPARE_EDIT);
    f.grid.OnPresetMenuClosed();
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);

    // The heading row and the space below the rows: no menu, nothing changes.
    for (const Point pt : {In(0, 1), Point{60, 190}}) {
        EXPECT_FALSE(f.grid.OnRButtonDown(pt, kNone));
        EXPECT_EQ(f.grid.GetMenuCell(), CGridCellPos(4, 1));
        EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(4, 1));
        EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
    }
}

TEST(GridMouse, DoubleClicksOnThePresetGridTellTheOwner)
{
    struct Case {
        const char* szName;
        CGridCellPos cell;
        bool bTold;
    };
    const Case cases[] = {
        {"a number", {2, 0}, true},
        {"a name", {5, 1}, true},
        {"the heading row", {0, 1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        PresetGrid f;
        const Point pt = In(c.cell.row, c.cell.col);
        f.grid.OnLButtonDown(pt, kNone);
        f.grid.OnLButtonUp(pt);
        f.host.Clear();
        f.grid.OnLButtonDblClk(pt);
        f.grid.OnLButtonUp(pt);
        std::vector<GridNote> told;
        for (const GridNote& note : f.host.notes)
            if (note.nCode == NM_DBLCLK)
                told.push_back(note);
        const std::vector<GridNote> expected =
            c.bTold ? std::vector<GridNote>{{c.cell.row, c.cell.col, NM_DBLCLK}} : std::vector<GridNote>{};
        EXPECT_EQ(told, expected);
        EXPECT_FALSE(f.grid.IsCellEditable(c.cell));
    }
}

TEST(GridEditing, ADoubleClickEditsWhenTheButtonGoesUp)
{
    EditingGrid f;
    f.grid.SetItemText(2, 2, "Pop");
    f.grid.OnLButtonDown(In(2, 2), kNone);
    f.grid.OnLButtonUp(In(2, 2));
    f.grid.OnLButtonDblClk(In(2, 2));
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_PREPARE_EDIT);
    EXPECT_TRUE(f.grid.editors.empty());
    f.host.Clear();
    f.grid.OnLButtonUp(In(2, 2));
    ASSERT_EQ(f.grid.editors.size(), 1u);
    EXPECT_EQ(f.grid.editors[0].strText, "Pop");
    EXPECT_EQ(f.grid.editors[0].nChar, VK_LBUTTON);
    EXPECT_EQ(f.grid.editors[0].rc, (Rect{100, 40, 149, 59}));
    EXPECT_EQ(f.host.notes.front(), (GridNote{2, 2, GRIDN_BEGIN_EDIT}));
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
    // No double-click notice on an editable grid.
    for (const GridNote& note : f.host.notes)
        EXPECT_NE(note.nCode, NM_DBLCLK);
}

TEST(GridEditing, AnEditOpensOnlyOnAShownEditableCellAndScrollsToIt)
{
    struct Case {
        const char* szName;
        unsigned nFormat;
        unsigned nStyle;
    };
    const Case cases[] = {
        {"left", DT_LEFT | DT_VCENTER, DT_LEFT},
        {"centred", DT_CENTER | DT_SINGLELINE, DT_CENTER},
        {"right", DT_RIGHT, DT_RIGHT},
        {"right wins over centred", DT_RIGHT | DT_CENTER, DT_RIGHT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EditingGrid f;
        f.grid.SetItemFormat(8, 3, c.nFormat);
        f.grid.OnEditCell(8, 3, 'x');  // below and right of what is shown
        EXPECT_TRUE(f.grid.IsCellVisible(8, 3));
        ASSERT_EQ(f.grid.editors.size(), 1u);
        EXPECT_EQ(f.grid.editors[0].nStyle, c.nStyle);
        EXPECT_EQ(f.grid.editors[0].nChar, 'x');
        EXPECT_EQ(f.host.notes, (std::vector<GridNote>{{8, 3, GRIDN_BEGIN_EDIT}}));
    }
    EditingGrid f;
    f.grid.SetItemState(2, 2, CELL_READ_ONLY);
    f.grid.OnEditCell(2, 2, 'x');
    f.grid.OnEditCell(12, 2, 'x');
    f.grid.SetEditable(false);
    f.grid.OnEditCell(2, 1, 'x');
    f.host.bWindow = false;
    f.grid.SetEditable(true);
    f.grid.OnEditCell(2, 1, 'x');  // without a window no cell is shown
    EXPECT_TRUE(f.grid.editors.empty());
    EXPECT_TRUE(f.host.notes.empty());
}

TEST(GridEditing, AnEndedEditMarksTheCellModifiedOnlyWhenTheTextWasTaken)
{
    struct Case {
        const char* szName;
        const char* szText;
        const char* szStored;
        bool bModified;
    };
    const Case cases[] = {
        {"a new text", "Jazz", "Jazz", true},
        {"the same text", "Rock", "Rock", false},
        {"a text the setter refuses", "refused", "Rock", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EditingGrid f;
        f.grid.SetItemText(2, 2, "Rock");
        f.grid.OnEndEditCell(2, 2, c.szText);
        EXPECT_EQ(f.grid.GetItemText(2, 2), c.szStored);
        EXPECT_EQ(f.grid.GetModified(2, 2), c.bModified);
        EXPECT_EQ(f.grid.GetModified(), c.bModified);
    }
}

TEST(GridMouse, APressOnASelectedCellPreparesADragOfCells)
{
    GridFixture f(6, 4);
    f.grid.EnableDragAndDrop(true);
    f.grid.SetSelectedRange(1, 1, 2, 2);
    f.grid.OnLButtonDown(In(2, 2), kNone);  // the grid has the focus (the recording host says so)
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_PREPARE_DRAG);
    EXPECT_FALSE(f.host.bCapture);
    // Released where it went down: a plain click, which selects the cell alone.
    f.grid.OnLButtonUp(In(2, 2));
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 2, 2, 2));
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(2, 2));
    EXPECT_TRUE(f.host.dragged.empty());

    // Pressed again and moved beyond the threshold: the drag starts.
    f.grid.SetItemText(2, 2, "Pop");
    f.grid.OnLButtonDown(In(2, 2), kNone);
    f.grid.OnMouseMove({In(2, 2).x + CGridCore::kDragThreshold, In(2, 2).y}, true);
    EXPECT_TRUE(f.host.dragged.empty());
    f.grid.OnMouseMove({In(2, 2).x + CGridCore::kDragThreshold + 1, In(2, 2).y}, true);
    EXPECT_EQ(f.host.dragged, (std::vector<std::string>{"Pop"}));
    // A press on a cell that was not selected selects as usual.
    f.grid.OnLButtonDown(In(4, 3), kNone);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_SELECT_CELLS);
}

TEST(GridMouse, TitleTipsForTextsThatDoNotFit)
{
    GridFixture f(4, 3);
    f.grid.SetItemText(1, 1, "abcdef");   // 42 pixels in the 50 of the cell
    f.grid.SetItemText(2, 1, "abcdefgh"); // 56
    f.grid.SetItemText(0, 2, "abcdefg");  // 49: a heading loses its edges too
    f.grid.SetItemText(1, 2, "abcdefg");
    CGridCellPos cell;
    Rect rc;
    EXPECT_FALSE(f.grid.GetTitleTipCell(In(1, 1), cell, rc));
    EXPECT_TRUE(f.grid.GetTitleTipCell(In(2, 1), cell, rc));
    EXPECT_EQ(cell, CGridCellPos(2, 1));
    EXPECT_EQ(rc, (Rect{50, 40, 99, 59}));
    EXPECT_TRUE(f.grid.GetTitleTipCell(In(0, 2), cell, rc));
    EXPECT_FALSE(f.grid.GetTitleTipCell(In(1, 2), cell, rc));
    EXPECT_FALSE(f.grid.GetTitleTipCell({10, 90}, cell, rc));  // an empty cell
    EXPECT_FALSE(f.grid.GetTitleTipCell({190, 90}, cell, rc)); // no cell at all
    f.grid.SetMouseMode(MOUSE_SELECT_CELLS);
    EXPECT_FALSE(f.grid.GetTitleTipCell(In(2, 1), cell, rc));
    f.grid.SetMouseMode(MOUSE_NONE);
    f.grid.EnableTitleTips(false);
    EXPECT_FALSE(f.grid.GetTitleTipCell(In(2, 1), cell, rc));
}
