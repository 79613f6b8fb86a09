#include <gtest/gtest.h>

#include <string>

#include "controls/LineEditor.h"

namespace {

constexpr int kLeft = 37, kRight = 39, kHome = 36, kEnd = 35, kUp = 38, kDown = 40, kDelete = 46;

TEST(LineEditor, TypingReplacesTheSelection)
{
    std::string text = "-12.0";
    CLineEditor e;
    e.SelectAll(text);
    EXPECT_TRUE(e.Char(text, '3'));
    EXPECT_TRUE(e.Char(text, '.'));
    EXPECT_TRUE(e.Char(text, '5'));
    EXPECT_EQ(text, "3.5");
    EXPECT_EQ(e.Caret(), 3u);
    EXPECT_FALSE(e.HasSelection());
}

TEST(LineEditor, CaretKeysMoveAndShiftSelects)
{
    std::string text = "1.000MS";
    CLineEditor e;
    e.MoveTo(text, 1, false);
    e.Key(text, kRight, false);
    EXPECT_EQ(e.Caret(), 2u);
    e.Key(text, kEnd, true);
    EXPECT_EQ(e.SelStart(), 2u);
    EXPECT_EQ(e.SelEnd(), 7u);
    e.Key(text, kLeft, false);
    EXPECT_EQ(e.Caret(), 2u) << "Left collapses a selection to its start";
    e.Key(text, kDown, false);
    e.Key(text, kHome, false);
    EXPECT_EQ(e.Caret(), 0u);
    e.Key(text, kUp, false);
    EXPECT_EQ(e.Caret(), 0u);
    EXPECT_EQ(text, "1.000MS") << "caret keys do not edit";
}

TEST(LineEditor, BackspaceAndDeleteRemoveWholeCharacters)
{
    std::string text = "1.000毫秒";
    CLineEditor e;
    e.MoveTo(text, text.size(), false);
    EXPECT_TRUE(e.Char(text, 8));
    EXPECT_EQ(text, "1.000毫");
    e.MoveTo(text, 5, false);
    EXPECT_TRUE(e.Key(text, kDelete, false));
    EXPECT_EQ(text, "1.000");
    EXPECT_FALSE(e.Key(text, kDelete, false)) << "nothing after the caret";
    e.MoveTo(text, 0, false);
    EXPECT_FALSE(e.Char(text, 8)) << "nothing before the caret";
    e.MoveTo(text, 6, false);  // beyond the end
    EXPECT_EQ(e.Caret(), 5u);
}

TEST(LineEditor, CaretNeverSplitsACharacter)
{
    std::string text = "关闭";
    CLineEditor e;
    e.MoveTo(text, 4, false);
    EXPECT_EQ(e.Caret(), 3u);
    e.Key(text, kLeft, false);
    EXPECT_EQ(e.Caret(), 0u);
    e.Key(text, kRight, true);
    EXPECT_EQ(e.SelEnd(), 3u);
}

TEST(LineEditor, OnlyPrintableAsciiIsEntered)
{
    std::string text = "12";
    CLineEditor e;
    e.MoveTo(text, 2, false);
    EXPECT_FALSE(e.Char(text, U'中'));
    EXPECT_FALSE(e.Char(text, 9));
    EXPECT_TRUE(e.Insert(text, "3\t中4"));
    EXPECT_EQ(text, "1234");
    EXPECT_EQ(e.Caret(), 4u);
}

TEST(LineEditor, TextChangedUnderTheCaretKeepsItInside)
{
    std::string text = "20000Hz";
    CLineEditor e;
    e.SelectAll(text);
    text = "20";
    EXPECT_TRUE(e.Char(text, '5'));
    EXPECT_EQ(text, "5");
}

}  // namespace
