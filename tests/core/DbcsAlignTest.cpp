#include <gtest/gtest.h>

#include <string>

#include "controls/DbcsAlign.h"
#include "platform/Gbk.h"

namespace {
// GBK bytes of a UTF-8 text, for readable cases.
std::string Gbk(const std::string& strUtf8)
{
    std::string strGbk;
    EXPECT_TRUE(Utf8ToGbk(strUtf8, strGbk)) << strUtf8;
    return strGbk;
}
}  // namespace

TEST(GbkText, ConvertsBothWaysAndRefusesWhatItCannotCarry)
{
    EXPECT_EQ(Gbk("中"), "\xD6\xD0");
    EXPECT_EQ(Gbk("a中b"), "a\xD6\xD0" "b");
    std::string strUtf8;
    ASSERT_TRUE(GbkToUtf8("\xD6\xD0\xCE\xC4", strUtf8));
    EXPECT_EQ(strUtf8, "中文");
    std::string strOut = "kept";
    EXPECT_FALSE(GbkToUtf8("a\xD6", strOut));      // half a character
    EXPECT_FALSE(Utf8ToGbk("\xF0\x9F\x8E\xB5", strOut));  // a character GBK does not have
    EXPECT_FALSE(Utf8ToGbk("\xC3", strOut));       // broken UTF-8
    EXPECT_EQ(strOut, "kept");
}

TEST(DbcsTyping, DoubleByteCharacterIsAlignedKeptWholeOrRefused)
{
    struct Case {
        const char* szName;
        std::size_t nLine, nReplaced, nChar;
        bool bAlign;
        std::size_t nLimit;
        bool bAccept, bSpace;
    };
    const Case cases[] = {
        {"after ab: directly", 2, 0, 2, true, 0, true, false},
        {"after abc: a space first", 3, 0, 2, true, 0, true, true},
        {"single byte never padded", 3, 0, 1, true, 0, true, false},
        {"alignment off: whole, no space", 3, 0, 2, false, 0, true, false},
        {"alignment off at 12 of 13: refused, not split", 12, 0, 2, false, 13, false, false},
        {"alignment off at 11 of 13: fits", 11, 0, 2, false, 13, true, false},
        {"space and character past the limit: neither", 11, 0, 2, true, 13, false, false},
        {"replacing a selection makes room", 13, 2, 2, false, 13, true, false},
        {"single byte at the limit: refused", 13, 0, 1, false, 13, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        const DbcsTyping typing = TypeDbcsCharacter(c.nLine, c.nReplaced, c.nChar, c.bAlign, c.nLimit);
        EXPECT_EQ(typing.bAccept, c.bAccept);
        EXPECT_EQ(typing.bSpaceFirst, c.bSpace);
    }
}

TEST(DbcsPadding, RunsInFrontOfDoubleByteCharactersArePaddedToEvenLength)
{
    struct Case {
        const char* szIn;
        std::size_t nLimit;
        const char* szOut;
    };
    const Case cases[] = {
        {"a中", 0, "a 中"},
        {"ab中", 0, "ab中"},
        {"中a", 0, "中a"},
        {"abc中d中", 0, "abc 中d 中"},
        {"中文x", 0, "中文x"},
        {"", 0, ""},
        // The padding pushes the last character past the limit: it goes whole.
        {"a中b中", 7, "a 中b"},
        {"a中b中", 8, "a 中b 中"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szIn);
        std::string strOut;
        ASSERT_TRUE(GbkToUtf8(PadDbcsRuns(Gbk(c.szIn), c.nLimit), strOut));
        EXPECT_EQ(strOut, c.szOut);
    }
}

// A trail byte may look like ASCII (0x40-0x7E): it belongs to its character and is not counted
// as a single-byte one.
TEST(DbcsPadding, TrailBytesInTheAsciiRangeStayWithTheirCharacter)
{
    const std::string strText = std::string("\x81\x40") + "\xD6\xD0";  // two double-byte characters
    EXPECT_EQ(PadDbcsRuns(strText, 0), strText);
    EXPECT_EQ(PadDbcsRuns("x" + strText, 0), "x \x81\x40\xD6\xD0");
}
