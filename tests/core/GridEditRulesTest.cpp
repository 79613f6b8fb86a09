// How the in-place editors start and end, and which texts an option-list column takes.
#include <gtest/gtest.h>

#include "controls/VirtualKeys.h"
#include "grid/GridColumnOptions.h"
#include "grid/InPlaceEditRules.h"

TEST(GridEditRules, TheOpeningKeyDecidesHowTheOldTextStays)
{
    struct Case {
        int nChar;
        EditStart edit;  // the one-line editor
        EditStart list;  // the option-list editor
    };
    const Case cases[] = {
        {VK_LBUTTON, EditStart::CaretAtEnd, EditStart::CaretAtEnd},
        {VK_RETURN, EditStart::CaretAtEnd, EditStart::CaretAtEnd},
        {VK_BACK, EditStart::DeleteLast, EditStart::DeleteLast},
        {VK_TAB, EditStart::SelectAll, EditStart::ReplaceWithChar},
        {VK_SPACE, EditStart::SelectAll, EditStart::ReplaceWithChar},
        {VK_PRIOR, EditStart::SelectAll, EditStart::SelectAll},
        {VK_HOME, EditStart::SelectAll, EditStart::SelectAll},
        {VK_DOWN, EditStart::SelectAll, EditStart::SelectAll},
        {'r', EditStart::ReplaceWithChar, EditStart::ReplaceWithChar},
        {0x4E2D, EditStart::ReplaceWithChar, EditStart::ReplaceWithChar},  // 中
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nChar);
        EXPECT_EQ(EditStartFor(c.nChar, false), c.edit);
        EXPECT_EQ(EditStartFor(c.nChar, true), c.list);
    }
}

TEST(GridEditRules, ArrowsEndAnEditOpenedByTypingOrWithCtrl)
{
    for (const int nKey : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_PRIOR, VK_NEXT}) {
        SCOPED_TRACE(nKey);
        EXPECT_TRUE(KeyDownEndsEdit(nKey, true, false));
        EXPECT_FALSE(KeyDownEndsEdit(nKey, false, false));  // opened by the mouse: the caret moves
        EXPECT_TRUE(KeyDownEndsEdit(nKey, false, true));
    }
    for (const int nKey : {VK_END, VK_HOME, VK_RETURN, int('A')})
        EXPECT_FALSE(KeyDownEndsEdit(nKey, true, true));
}

TEST(GridEditRules, TheEditorGrowsToItsTextUpToTheGridsEdge)
{
    EXPECT_EQ(GrownEditorRight(50, 100, 40, 300), 100);   // fits
    EXPECT_EQ(GrownEditorRight(50, 100, 80, 300), 130);
    EXPECT_EQ(GrownEditorRight(50, 100, 400, 300), 300);  // stops at the client's edge
    EXPECT_EQ(GrownEditorRight(250, 320, 90, 300), 320);  // never shrinks
}

TEST(GridColumnOptions, AnOptionColumnTakesOnlyItsOptionsBelowTheHeadings)
{
    CGridColumnOptions options;
    EXPECT_FALSE(options.SetColumnOptions(0, {"x"}, 1));  // a heading column
    EXPECT_FALSE(options.SetColumnOptions(-1, {"x"}, 0));
    EXPECT_TRUE(options.SetColumnOptions(2, {"Low", "Mid", "High"}, 1));
    EXPECT_TRUE(options.SetColumnOptions(2, {"Other"}, 1));  // kept, but the first list rules
    EXPECT_EQ(options.FindColumnOptions(2), 0);
    EXPECT_EQ(options.FindColumnOptions(1), -1);
    struct Case {
        int nRow;
        int nCol;
        const char* szText;
        bool bTaken;
    };
    const Case cases[] = {
        {3, 2, "Mid", true},      {3, 2, "mid", false}, {3, 2, "Other", false}, {3, 2, "", false},
        {3, 2, "Mid ", false},    {0, 2, "Level", true},  // a heading takes any text
        {3, 1, "anything", true},                          // a column without options
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szText);
        EXPECT_EQ(options.Accepts(c.nRow, c.nCol, c.szText, 1), c.bTaken);
    }
}
