// The grid's clipboard text, its copy, cut and paste, and its side of a drag and drop.
#include <gtest/gtest.h>

#include "grid/GridClipText.h"
#include "tests/core/RecordingGridHost.h"

namespace {
using Lines = std::vector<std::vector<std::string>>;
constexpr GridKeyState kNone{};
constexpr GridKeyState kCtrl{false, true};

// Cells of a 3 x 3 block: "r,c" texts, (1, 1) empty, (2, 2) not taken.
std::optional<std::string> BlockCell(int nRow, int nCol)
{
    if (nRow == 2 && nCol == 2)
        return std::nullopt;
    if (nRow == 1 && nCol == 1)
        return std::string();
    return std::to_string(nRow) + std::to_string(nCol);
}

// A 5 x 4 grid (one heading row and column) with "rc" texts in the normal cells.
struct FilledGrid : GridFixture {
    FilledGrid() : GridFixture(5, 4)
    {
        for (int r = 1; r < 5; ++r)
            for (int c = 1; c < 4; ++c)
                grid.SetItemText(r, c, std::to_string(r) + std::to_string(c));
        host.pGrid = &grid;
        host.Clear();
    }
    std::vector<std::string> Row(int nRow) const
    {
        std::vector<std::string> texts;
        for (int c = 1; c < 4; ++c)
            texts.push_back(grid.GetItemText(nRow, c));
        return texts;
    }
};
}  // namespace

TEST(GridClipText, BuildsOneTabSeparatedLinePerRow)
{
    struct Case {
        const char* szName;
        CGridCellRange range;
        std::string expected;
    };
    const Case cases[] = {
        {"one cell", {0, 0, 0, 0}, "00"},
        {"an empty cell gives a space", {1, 1, 1, 1}, " "},
        {"two rows of two", {0, 0, 1, 1}, "00\t01\n10\t "},
        {"a cell not taken keeps its tab", {1, 1, 2, 2}, " \t12\n21\t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(GridClipText::Build(c.range, BlockCell), c.expected);
    }
}

TEST(GridClipText, ParsesLinesAndFieldsAsAPasteWritesThem)
{
    struct Case {
        const char* szName;
        std::string text;
        Lines expected;
    };
    const Case cases[] = {
        {"tabs and lines", "a\tb\nc\td", {{"a", "b"}, {"c", "d"}}},
        {"an empty middle field is no field", "a\t\tc", {{"a", "c"}}},
        {"carriage returns go with the line feeds", "a\tb\r\nc\r\n", {{"a", "b"}, {"c"}}},
        {"a comma splits a field", "1,5 dB\tx", {{"1", "5 dB", "x"}}},
        {"white space is trimmed", "  a \t b\v", {{"a", "b"}}},
        {"a space field pastes empty", "a\t \tb", {{"a", "", "b"}}},
        {"an empty line is one empty field", "a\n\nb", {{"a"}, {""}, {"b"}}},
        {"a line of separators has no fields", "a\n\t,\nb", {{"a"}, {}, {"b"}}},
        {"the text ends at a zero byte", std::string("a\tb\0c", 5), {{"a", "b"}}},
        {"no text", "", {}},
        {"Chinese texts", "前左高音\t低音 2", {{"前左高音", "低音 2"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(GridClipText::Parse(c.text), c.expected);
    }
}

// Lines ended by CR LF, as Windows programs put them on the clipboard, give the cells the same
// lines ended by LF give: a trailing tab or an empty line included.
TEST(GridClipText, CrLfGivesTheSameCellsAsLf)
{
    for (const std::string lf : {"a\tb\t\nc\t\n", "a\t\n\nb\n", "a\n\t,\nb", "x\t \ty\t\n", "a\tb\t"}) {
        SCOPED_TRACE(lf);
        std::string crlf;
        for (const char ch : lf)
            crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        EXPECT_EQ(GridClipText::Parse(crlf), GridClipText::Parse(lf));
    }
    EXPECT_EQ(GridClipText::Parse("a\tb\t\r\nc\r\n"), (Lines{{"a", "b"}, {"c"}}));
}

TEST(GridClipboard, CopyPutsTheSelectedCellsOnTheClipboard)
{
    FilledGrid f;
    f.host.clipboard = "before";
    f.grid.OnEditCopy();
    EXPECT_EQ(f.host.clipboard, "before") << "nothing selected leaves the clipboard alone";

    f.grid.SetItemText(2, 2, "");
    f.grid.SetSelectedRange(1, 1, 2, 2);
    f.grid.OnEditCopy();
    EXPECT_EQ(f.host.clipboard, "11\t12\n21\t ");

    f.grid.SetItemText(3, 3, "中文,名字");
    f.grid.SetSelectedRange(3, 3, 3, 3);
    f.grid.SetFocusCell(3, 3);  // the keys act only with a focus cell
    f.grid.OnKeyDown('C', kCtrl);
    EXPECT_EQ(f.host.clipboard, "中文,名字");
}

TEST(GridClipboard, CutEmptiesTheCopiedCellsOfAnEditableGridOnly)
{
    FilledGrid f;
    f.grid.SetSelectedRange(1, 1, 1, 3);
    f.grid.SetItemState(1, 2, f.grid.GetItemState(1, 2) | CELL_READ_ONLY);
    f.grid.SetEditable(false);
    f.grid.OnEditCut();
    EXPECT_FALSE(f.host.clipboard.has_value());
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"11", "12", "13"}));

    f.grid.SetEditable(true);
    f.host.bClipboardOpens = false;
    f.grid.OnEditCut();
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"11", "12", "13"})) << "nothing copied, nothing cut";

    f.host.bClipboardOpens = true;
    f.grid.SetFocusCell(1, 1);
    f.grid.OnKeyDown('X', kCtrl);
    EXPECT_EQ(f.host.clipboard, "11\t12\t13");
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"", "12", ""}));
    EXPECT_TRUE(f.grid.GetModified(1, 1));
    EXPECT_FALSE(f.grid.GetModified(1, 2));
}

TEST(GridClipboard, PasteWritesFromTheFocusCellAndDropsWhatFallsOutside)
{
    FilledGrid f;
    f.host.clipboard = "a\tb\tc\nd\te\n";
    f.grid.SetFocusCell(3, 2);
    f.grid.SetSelectedRange(3, 2, 3, 2);
    f.host.Clear();
    f.grid.OnKeyDown('V', kCtrl);
    EXPECT_EQ(f.Row(3), (std::vector<std::string>{"31", "a", "b"}));
    EXPECT_EQ(f.Row(4), (std::vector<std::string>{"41", "d", "e"}));
    EXPECT_EQ(f.Row(2), (std::vector<std::string>{"21", "22", "23"}));
    EXPECT_TRUE(f.grid.GetModified(4, 3));
    EXPECT_EQ(f.grid.GetItemState(3, 2) & CELL_SELECTED, 0u) << "a written cell is no longer selected";
    const std::vector<GridNote> firstCell{{3, 2, GRIDN_BEGIN_EDIT}, {3, 2, GRIDN_END_EDIT}};
    ASSERT_GE(f.host.notes.size(), 2u);
    EXPECT_EQ(std::vector<GridNote>(f.host.notes.begin(), f.host.notes.begin() + 2), firstCell);
    EXPECT_EQ(f.host.notes.size(), 8u) << "four cells written, each told twice";
    EXPECT_TRUE(f.host.InvalidatedAll());
}

TEST(GridClipboard, PasteWithoutAFocusCellStartsAtTheTopLeftScrollCell)
{
    FilledGrid f;
    f.host.clipboard = "x";
    f.grid.OnEditPaste();
    EXPECT_EQ(f.grid.GetItemText(1, 1), "x");
}

TEST(GridClipboard, PasteSkipsCellsThatCannotBeEdited)
{
    FilledGrid f;
    f.grid.SetItemState(2, 2, CELL_READ_ONLY);
    f.host.clipboard = "a\tb\tc\nd\te\tf";
    f.grid.SetFocusCell(1, 1);
    f.grid.OnEditPaste();
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(f.Row(2), (std::vector<std::string>{"d", "22", "f"}));
    EXPECT_FALSE(f.grid.GetModified(2, 2));

    f.grid.SetFocusCell(2, 2);
    EXPECT_FALSE(f.grid.PasteTextToGrid({2, 2}, "z")) << "a start cell that cannot be edited";
    f.grid.OnEditPaste();
    EXPECT_EQ(f.grid.GetItemText(2, 3), "f");

    f.grid.SetEditable(false);
    f.grid.SetFocusCell(3, 1);
    f.grid.OnEditPaste();
    EXPECT_EQ(f.Row(3), (std::vector<std::string>{"31", "32", "33"}));
}

TEST(GridClipboard, TextsSurviveACopyAndAPaste)
{
    FilledGrid f;
    const std::vector<std::string> texts{"前左高音", "Sub 低音", ""};
    for (int c = 1; c < 4; ++c)
        f.grid.SetItemText(1, c, texts[std::size_t(c - 1)]);
    f.grid.SetSelectedRange(1, 1, 1, 3);
    f.grid.OnEditCopy();
    f.grid.SetFocusCell(4, 1);
    f.grid.OnEditPaste();
    EXPECT_EQ(f.Row(4), texts);
}

TEST(GridDragDrop, ADragCarriesTheSelectionAndAMoveEmptiesIt)
{
    FilledGrid f;
    f.grid.SetSelectedRange(1, 2, 2, 3);
    f.grid.OnBeginDrag();
    EXPECT_TRUE(f.host.dragged.empty()) << "drag and drop is off";

    f.grid.EnableDragAndDrop(true);
    f.grid.OnBeginDrag();
    ASSERT_EQ(f.host.dragged, (std::vector<std::string>{"12\t13\n22\t23"}));
    EXPECT_EQ(f.host.notes.front(), (GridNote{1, 2, GRIDN_BEGIN_DRAG}));
    EXPECT_EQ(f.host.nMouseModeInDrag, MOUSE_DRAGGING);
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE) << "the drag ends the dragging mode";
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"11", "12", "13"})) << "nothing dropped, nothing moved";

    f.host.onDrag = [](const std::string&) { return DROPEFFECT_COPY; };
    f.grid.OnBeginDrag();
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"11", "12", "13"}));

    f.host.onDrag = [](const std::string&) { return DROPEFFECT_MOVE; };
    f.grid.OnBeginDrag();
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"11", "", ""}));
    EXPECT_EQ(f.Row(2), (std::vector<std::string>{"21", "", ""}));
}

TEST(GridDragDrop, TheDropTargetFollowsEditableCellsOnly)
{
    // Cells are 50 x 20 pixels below one heading row and column: (r, c) spans x 50c..50c+49.
    FilledGrid f;
    f.grid.SetItemState(3, 2, CELL_READ_ONLY);
    const Point over22{110, 50}, over23{160, 50}, over32{110, 70}, overHeading{110, 10};
    EXPECT_EQ(f.grid.OnDragEnter(true, over22, kNone), DROPEFFECT_NONE) << "drag and drop is off";
    f.grid.EnableDragAndDrop(true);
    EXPECT_EQ(f.grid.OnDragEnter(false, over22, kNone), DROPEFFECT_NONE) << "no text";
    EXPECT_EQ(f.grid.OnDragEnter(true, overHeading, kNone), DROPEFFECT_NONE);

    EXPECT_EQ(f.grid.OnDragEnter(true, over22, kNone), DROPEFFECT_MOVE);
    EXPECT_EQ(f.grid.GetDragOverCell(), CGridCellPos(2, 2));
    EXPECT_TRUE(f.grid.GetItemState(2, 2) & CELL_DROP_TARGET);
    EXPECT_EQ(f.grid.OnDragOver(true, over23, kCtrl), DROPEFFECT_COPY);
    EXPECT_FALSE(f.grid.GetItemState(2, 2) & CELL_DROP_TARGET);
    EXPECT_TRUE(f.grid.GetItemState(2, 3) & CELL_DROP_TARGET);

    EXPECT_EQ(f.grid.OnDragOver(true, over32, kNone), DROPEFFECT_NONE) << "a read-only cell";
    EXPECT_EQ(f.grid.GetDragOverCell(), CGridCellPos(2, 3)) << "the mark stays where it was";
    EXPECT_TRUE(f.grid.GetItemState(2, 3) & CELL_DROP_TARGET);

    EXPECT_EQ(f.grid.OnDragOver(true, {190, 95}, kNone), DROPEFFECT_MOVE);
    EXPECT_EQ(f.grid.OnDragOver(true, {300, 50}, kNone), DROPEFFECT_NONE) << "right of the cells";
    EXPECT_EQ(f.grid.GetDragOverCell(), CGridCellPos());
    EXPECT_FALSE(f.grid.GetItemState(4, 3) & CELL_DROP_TARGET);

    f.grid.SetEditable(false);
    EXPECT_EQ(f.grid.OnDragOver(true, over22, kNone), DROPEFFECT_NONE);
}

TEST(GridDragDrop, ADropPastesAtTheDragOverCell)
{
    FilledGrid f;
    f.grid.EnableDragAndDrop(true);
    EXPECT_FALSE(f.grid.OnDrop("x")) << "no drag over a cell";
    f.grid.OnDragEnter(true, {60, 70}, kNone);  // cell (3, 1)
    f.grid.OnDragLeave();
    EXPECT_FALSE(f.grid.GetItemState(3, 1) & CELL_DROP_TARGET);
    EXPECT_TRUE(f.grid.OnDrop("a\tb")) << "leaving keeps the position for the drop";
    EXPECT_EQ(f.Row(3), (std::vector<std::string>{"a", "b", "33"}));

    // A move within the grid: the drop pastes first, then the source cells are emptied.
    f.grid.SetSelectedRange(1, 1, 1, 2);
    f.host.onDrag = [&f](const std::string& strText) {
        f.grid.OnDragEnter(true, {110, 90}, kNone);  // cell (4, 2)
        return f.grid.OnDrop(strText) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    };
    f.grid.OnBeginDrag();
    EXPECT_EQ(f.Row(4), (std::vector<std::string>{"41", "11", "12"}));
    EXPECT_EQ(f.Row(1), (std::vector<std::string>{"", "", "13"}));
    EXPECT_EQ(f.grid.GetMouseMode(), MOUSE_NONE);
}
