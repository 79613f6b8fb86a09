// Focus, selection and keys of the grid.
#include <gtest/gtest.h>

#include "controls/VirtualKeys.h"
#include "tests/core/RecordingGridHost.h"

namespace {
constexpr GridKeyState kNone{};
constexpr GridKeyState kShift{true, false};
constexpr GridKeyState kCtrl{false, true};
}  // namespace

TEST(GridKeys, EachKeyMovesTheFocusWithWrapAround)
{
    struct Case {
        const char* szName;
        int nFixedRows;
        CGridCellPos from;
        int nKey;
        GridKeyState keys;
        CGridCellPos to;
    };
    // Five rows and four columns; the last row is 4, the last column 3.
    const Case cases[] = {
        {"right", 1, {2, 1}, VK_RIGHT, kNone, {2, 2}},
        {"right at the end", 1, {2, 3}, VK_RIGHT, kNone, {2, 3}},
        {"left", 1, {2, 2}, VK_LEFT, kNone, {2, 1}},
        {"left at the first column", 1, {2, 1}, VK_LEFT, kNone, {2, 1}},
        {"up", 1, {3, 2}, VK_UP, kNone, {2, 2}},
        {"up from the first row wraps to the last", 1, {1, 2}, VK_UP, kNone, {4, 2}},
        {"down", 1, {1, 2}, VK_DOWN, kNone, {2, 2}},
        {"down from the last row wraps to the first", 1, {4, 2}, VK_DOWN, kNone, {1, 2}},
        {"down wraps below two headings", 2, {4, 2}, VK_DOWN, kNone, {2, 2}},
        {"down wraps to row 0 without headings", 0, {4, 2}, VK_DOWN, kNone, {0, 2}},
        {"tab", 1, {2, 1}, VK_TAB, kNone, {2, 2}},
        {"tab at the row end", 1, {2, 3}, VK_TAB, kNone, {3, 1}},
        {"tab in the last cell wraps", 1, {4, 3}, VK_TAB, kNone, {1, 1}},
        {"tab in the last cell wraps below two headings", 2, {4, 3}, VK_TAB, kNone, {2, 1}},
        {"shift-tab", 1, {2, 2}, VK_TAB, kShift, {2, 1}},
        {"shift-tab at the row start", 1, {3, 1}, VK_TAB, kShift, {2, 3}},
        {"shift-tab in the first cell stays", 1, {1, 1}, VK_TAB, kShift, {1, 1}},
        {"home", 1, {3, 2}, VK_HOME, kNone, {1, 2}},
        {"end", 1, {1, 2}, VK_END, kNone, {4, 2}},
        {"page down when all is shown", 1, {1, 2}, VK_NEXT, kNone, {4, 2}},
        {"page up when all is shown", 1, {3, 2}, VK_PRIOR, kNone, {1, 2}},
        {"another key", 1, {2, 2}, 'Q', kNone, {2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        GridFixture f(5, 4, c.nFixedRows, 1, {400, 300});
        f.grid.SetFocusCell(c.from.row, c.from.col);
        f.grid.OnKeyDown(c.nKey, c.keys);
        EXPECT_EQ(f.grid.GetFocusCell(), c.to);
    }
}

TEST(GridKeys, PagesMoveByWhatTheViewMoved)
{
    GridFixture f(20, 3);  // 4 rows shown below the heading
    f.grid.SetFocusCell(2, 1);
    f.grid.OnKeyDown(VK_NEXT, kNone);
    EXPECT_EQ(f.grid.GetTopLeftScrollCell().row, 5);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(6, 1));
    f.grid.OnKeyDown(VK_PRIOR, kNone);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(2, 1));
    f.grid.OnKeyDown(VK_END, kNone);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(19, 1));
    EXPECT_TRUE(f.grid.IsCellVisible(19, 1));
}

TEST(GridKeys, ArrowsBringTheTargetIntoView)
{
    GridFixture f(20, 3);
    f.grid.SetFocusCell(4, 1);
    f.grid.OnKeyDown(VK_DOWN, kNone);  // row 5 starts on the client bottom: not shown
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(5, 1));
    EXPECT_TRUE(f.grid.IsCellVisible(5, 1));
    EXPECT_TRUE(f.host.InvalidatedAll());
    f.grid.OnKeyDown(VK_UP, kNone);
    f.grid.SetFocusCell(1, 1);
    // A wrap shows its target: the extra line ahead is left out, as it would hide it again.
    f.grid.OnKeyDown(VK_UP, kNone);  // to the last row, far below
    EXPECT_TRUE(f.grid.IsCellVisible(19, 1));
    f.grid.OnKeyDown(VK_DOWN, kNone);  // back to the first
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(1, 1));
    EXPECT_TRUE(f.grid.IsCellVisible(1, 1));
    f.grid.OnKeyDown(VK_END, kNone);
    f.grid.OnKeyDown(VK_RIGHT, kNone);
    ASSERT_EQ(f.grid.GetFocusCell(), CGridCellPos(19, 2));
    f.grid.OnKeyDown(VK_TAB, kNone);  // from the last cell
    EXPECT_TRUE(f.grid.IsCellVisible(1, 1));
}

TEST(GridKeys, AMoveSelectsTheTargetAndTellsOnlyThatTheFocusLeft)
{
    GridFixture f(5, 4);
    f.grid.SetFocusCell(2, 2);
    ASSERT_EQ(f.host.notes, (std::vector<GridNote>{{2, 2, GRIDN_FOCUS_CHANGED}}));
    f.host.Clear();
    EXPECT_TRUE(f.grid.OnKeyDown(VK_RIGHT, kNone));
    EXPECT_EQ(f.host.notes, (std::vector<GridNote>{{2, 2, GRIDN_FOCUS_CHANGING}}));
    EXPECT_EQ(f.grid.GetItemState(2, 3), CELL_SELECTED);  // selected, no focus frame
    EXPECT_EQ(f.grid.GetItemState(2, 2), 0u);
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 3, 2, 3));
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
}

TEST(GridKeys, ListModeSelectsTheRow)
{
    GridFixture f(5, 4);
    f.grid.SetListMode(true);
    f.grid.SetFocusCell(1, 1);
    f.grid.OnKeyDown(VK_DOWN, kNone);
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 1, 2, 3));
}

TEST(GridKeys, WithoutAFocusCellKeysAreNotTaken)
{
    GridFixture f(5, 4);
    EXPECT_FALSE(f.grid.OnKeyDown(VK_DOWN, kNone));
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(-1, -1));
}

TEST(GridKeys, DeleteEmptiesTheFocusCellUnlessItIsReadOnly)
{
    for (const bool bEditable : {true, false}) {
        SCOPED_TRACE(bEditable ? "editable" : "not editable");
        GridFixture f(5, 4);
        f.grid.SetEditable(bEditable);
        f.grid.SetItemText(2, 2, "Rock");
        f.grid.SetFocusCell(2, 2);
        f.host.Clear();
        f.grid.OnKeyDown(VK_DELETE, kNone);
        EXPECT_EQ(f.grid.GetItemText(2, 2), "");
        EXPECT_TRUE(f.grid.GetModified(2, 2));
        EXPECT_EQ(f.host.notes, (std::vector<GridNote>{{2, 2, GRIDN_CELL_CLEARED}}));

        f.grid.SetItemText(3, 2, "Jazz");
        f.grid.SetItemState(3, 2, CELL_READ_ONLY);
        f.grid.SetFocusCell(3, 2);
        f.host.Clear();
        f.grid.OnKeyDown(VK_DELETE, kNone);
        EXPECT_EQ(f.grid.GetItemText(3, 2), "Jazz");
        EXPECT_TRUE(f.host.notes.empty());
    }
}

TEST(GridFocus, MarkingTheFocusKeepsReadOnlyAndModified)
{
    GridFixture f(5, 4);
    f.grid.SetItemState(2, 2, CELL_READ_ONLY | CELL_MODIFIED | CELL_DROP_TARGET);
    f.grid.SetFocusCell(2, 2);
    EXPECT_EQ(f.grid.GetItemState(2, 2), CELL_READ_ONLY | CELL_MODIFIED | CELL_DROP_TARGET | CELL_FOCUSED);
    f.grid.SetEditable(false);  // the focus cell is marked again: selected, its own marks kept
    EXPECT_EQ(f.grid.GetItemState(2, 2), CELL_READ_ONLY | CELL_MODIFIED | CELL_SELECTED);
    f.grid.SetItemText(2, 2, "Rock");
    f.grid.OnKeyDown(VK_DELETE, kNone);
    EXPECT_EQ(f.grid.GetItemText(2, 2), "Rock");

    f.grid.SetItemState(3, 3, CELL_FOCUSED | CELL_DROP_TARGET);
    f.grid.SetFocusCell(3, 3);
    EXPECT_EQ(f.grid.GetItemState(3, 3), CELL_SELECTED);
}

TEST(GridFocus, SetFocusCellTellsTheOwnerAndRepaintsTheHeadings)
{
    GridFixture f(5, 4);
    f.grid.SetFocusCell(1, 1);
    f.host.Clear();
    EXPECT_EQ(f.grid.SetFocusCell(2, 3), CGridCellPos(1, 1));
    EXPECT_EQ(f.host.notes, (std::vector<GridNote>{{1, 1, GRIDN_FOCUS_CHANGING}, {2, 3, GRIDN_FOCUS_CHANGED}}));
    EXPECT_EQ(f.grid.GetItemState(1, 1), 0u);
    EXPECT_EQ(f.grid.GetItemState(2, 3), CELL_FOCUSED);
    // The two cells, the headings of both columns and both rows.
    EXPECT_EQ(f.host.invalidated.size(), 6u);
    EXPECT_EQ(*f.host.invalidated.back(), (Rect{0, 40, 50, 60}));
}

TEST(GridFocus, LeavingAFocusCellOfAReadOnlyGridKeepsItSelectedUntilTheNextSelection)
{
    GridFixture f(5, 4);
    f.grid.SetEditable(false);
    f.grid.SetFocusCell(1, 1);
    f.grid.SetFocusCell(2, 1);
    EXPECT_EQ(f.grid.GetItemState(1, 1), CELL_SELECTED);
    f.grid.SetSelectedRange(3, 1, 3, 1);
    EXPECT_EQ(f.grid.GetItemState(1, 1), 0u);
    EXPECT_EQ(f.grid.GetItemState(2, 1), 0u);
}

TEST(GridSelection, SelectorsFollowTheAnchorAndTheModes)
{
    GridFixture f(6, 5);
    f.grid.SetSelectionAnchor({2, 2});
    f.grid.SelectRows({4, 3});
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 1, 4, 4));
    f.grid.SelectColumns({1, 3});
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(1, 2, 5, 3));
    f.grid.SelectCells({5, 1});
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 1, 5, 2));
    f.grid.SelectCells({0, 1});  // a heading: nothing changes
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(2, 1, 5, 2));
    f.grid.SelectAllCells();
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(1, 1, 5, 4));
    f.grid.SetListMode(true);
    f.grid.SetSingleRowSelection(true);
    f.grid.SelectRows({4, 2});
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(4, 1, 4, 4));
    f.grid.EnableSelection(false);
    f.grid.SelectAllCells();
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(4, 1, 4, 4));
}

TEST(GridSelection, ABlockOutsideTheGridClearsTheSelection)
{
    GridFixture f(5, 4);
    f.grid.SetSelectedRange(1, 1, 2, 2);
    f.grid.SetSelectedRange(3, 3, 9, 9);
    EXPECT_TRUE(f.grid.SelectedCells().empty());
    EXPECT_FALSE(f.grid.IsValid(f.grid.GetSelectedRange()));
    EXPECT_FALSE(f.grid.OnUpdateEditCopy());
    f.grid.SetSelectedRange(1, 1, 1, 1);
    EXPECT_TRUE(f.grid.OnUpdateEditCopy());
}

TEST(GridSelection, ThePreviousSelectionIsKeptWhileANewOneIsMade)
{
    GridFixture f(5, 4);
    f.grid.SetSelectedRange(1, 1, 1, 1);
    f.grid.PreviousSelection() = f.grid.SelectedCells();
    f.grid.SetSelectedRange(3, 3, 3, 3);
    EXPECT_EQ(f.grid.SelectedCells().size(), 2u);
    f.grid.SetSingleRowSelection(true);
    f.grid.SetSelectedRange(3, 3, 3, 3);
    EXPECT_EQ(f.grid.SelectedCells().size(), 1u);
}

TEST(GridSelection, ChangesRepaintOnlyTheCellsShown)
{
    GridFixture f(100, 4);
    f.grid.SelectAllCells();
    ASSERT_EQ(f.host.invalidated.size(), 1u);
    EXPECT_EQ(*f.host.invalidated[0], (Rect{50, 20, 200, 100}));
}

TEST(GridEditCommands, CtrlLettersRunTheCommandsAndTheirStates)
{
    GridFixture f(5, 4);
    f.grid.SetFocusCell(2, 2);
    EXPECT_TRUE(f.grid.OnKeyDown('A', kCtrl));
    EXPECT_EQ(f.grid.GetSelectedRange(), CGridCellRange(1, 1, 4, 3));
    EXPECT_TRUE(f.grid.OnUpdateEditCut());
    EXPECT_FALSE(f.grid.OnUpdateEditPaste());
    f.host.clipboard = "x";
    EXPECT_TRUE(f.grid.OnUpdateEditPaste());
    f.grid.SetEditable(false);
    EXPECT_FALSE(f.grid.OnUpdateEditCut());
    EXPECT_FALSE(f.grid.OnUpdateEditPaste());
    EXPECT_TRUE(f.grid.WantsKey(VK_TAB, kNone));
    EXPECT_FALSE(f.grid.WantsKey(VK_TAB, kCtrl));
    f.grid.SetHandleTabKey(false);
    EXPECT_FALSE(f.grid.WantsKey(VK_TAB, kNone));
    EXPECT_TRUE(f.grid.WantsKey(VK_DOWN, kNone));
}

TEST(GridEditCommands, ClearSelectedCellsEmptiesTheEditableOnes)
{
    GridFixture f(5, 4);
    for (int c = 1; c < 4; ++c)
        f.grid.SetItemText(1, c, "x");
    f.grid.SetItemState(1, 2, CELL_READ_ONLY);
    f.grid.SetSelectedRange(1, 1, 1, 3);
    f.host.Clear();
    f.grid.ClearSelectedCells();
    EXPECT_EQ(f.grid.GetItemText(1, 1), "");
    EXPECT_EQ(f.grid.GetItemText(1, 2), "x");
    EXPECT_EQ(f.grid.GetItemText(1, 3), "");
    EXPECT_TRUE(f.grid.GetModified(1, 3));
    EXPECT_EQ(f.host.notes, (std::vector<GridNote>{{1, 1, GRIDN_BEGIN_EDIT}, {1, 1, GRIDN_END_EDIT},
                                                   {1, 3, GRIDN_BEGIN_EDIT}, {1, 3, GRIDN_END_EDIT}}));
}

TEST(GridEditing, AnEditEndedWithANavigationKeyMovesOn)
{
    GridFixture f(5, 4);
    f.grid.SetFocusCell(2, 1);
    GridItem item;
    item.row = 2;
    item.col = 1;
    item.strText = "Pop";
    item.lParam = VK_TAB;
    f.host.Clear();
    f.grid.OnInPlaceEditEnd(item, kNone);
    EXPECT_EQ(f.grid.GetItemText(2, 1), "Pop");
    EXPECT_TRUE(f.grid.GetModified(2, 1));
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(2, 2));
    EXPECT_EQ(f.host.notes.front(), (GridNote{2, 1, GRIDN_END_EDIT}));
    EXPECT_EQ(f.host.notes.back(), (GridNote{2, 2, GRIDN_BEGIN_EDIT}));  // the next cell's edit starts

    item.col = 2;
    item.strText = "";
    item.lParam = VK_RETURN;
    f.grid.OnInPlaceEditEnd(item, kNone);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(2, 2));
}

TEST(GridEditing, TypingStartsAnEditOnlyOnAnEditableCell)
{
    GridFixture f(5, 4);
    f.grid.SetFocusCell(2, 2);
    f.host.Clear();
    f.grid.OnChar('r', kNone);
    EXPECT_EQ(f.host.notes, (std::vector<GridNote>{{2, 2, GRIDN_BEGIN_EDIT}}));
    f.host.Clear();
    f.grid.OnChar(VK_TAB, kNone);
    f.grid.OnChar('r', kCtrl);
    f.grid.SetItemState(2, 2, CELL_READ_ONLY);
    f.grid.OnChar('r', kNone);
    EXPECT_TRUE(f.host.notes.empty());
}

TEST(GridTimer, AutoScrollStepsTowardsThePointerAndStopsWhenTheCaptureGoes)
{
    GridFixture f(20, 3);
    f.grid.SetFocusCell(4, 1);
    f.grid.SetSelectionAnchor({4, 1});
    f.grid.SetMouseMode(MOUSE_SELECT_CELLS);
    f.grid.OnTimer(GRID_AUTOSCROLL_TIMER, {60, 140});
    EXPECT_GT(f.grid.GetScrollPosition(SB_VERT), 0);
    EXPECT_EQ(f.grid.GetFocusCell(), CGridCellPos(4, 1));  // a mouse selection keeps its focus
    EXPECT_TRUE(f.grid.GetItemState(5, 1) & CELL_SELECTED);

    f.grid.SetAutoScrollTimer(GRID_AUTOSCROLL_TIMER);
    f.grid.SetMouseMode(MOUSE_DRAGGING);
    f.grid.OnCaptureChanged(true);
    EXPECT_TRUE(f.host.killed.empty());
    f.grid.OnCaptureChanged(false);
    EXPECT_EQ(f.host.killed, (std::vector<int>{GRID_AUTOSCROLL_TIMER}));
    EXPECT_EQ(f.grid.GetAutoScrollTimer(), 0);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
}

TEST(GridSearch, FindNextCellByState)
{
    GridFixture f(5, 4);
    f.grid.SetItemState(2, 3, CELL_MODIFIED);
    f.grid.SetItemState(4, 1, CELL_MODIFIED);
    EXPECT_EQ(f.grid.FindNextCell({1, 1}, CELL_MODIFIED | FIND_BELOW), CGridCellPos(2, 3));
    EXPECT_EQ(f.grid.FindNextCell({2, 3}, CELL_MODIFIED | FIND_TO_RIGHT), CGridCellPos(4, 1));
    EXPECT_EQ(f.grid.FindNextCell({4, 1}, CELL_MODIFIED | FIND_BELOW), CGridCellPos(-1, -1));
    EXPECT_EQ(f.grid.FindNextCell({4, 3}, CELL_MODIFIED | FIND_ABOVE), CGridCellPos(2, 3));
}
