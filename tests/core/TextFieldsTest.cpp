#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "model/StdAfx.h"
#include "model/TextFields.h"
#include "platform/LinkLock.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ScopedFlag.h"

TEST(TextFields, WriterFillsWithZerosAndReaderTrims)
{
    BYTE name[16];
    std::memset(name, 'x', sizeof name);
    ASSERT_TRUE(StringToBytes(name, 16, " Rock 1 "));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name), 8), " Rock 1 ");
    for (int i = 8; i < 16; ++i)
        EXPECT_EQ(name[i], 0) << i;
    EXPECT_EQ(BytesToString(name, 16), "Rock 1");

    ASSERT_TRUE(StringToBytesN(name, "FL", 8));
    EXPECT_EQ(BytesToString(name, 8), "FL");
}

TEST(TextFields, OverlongStringIsRefusedWithAMessageAndTheFieldKept)
{
    CMessageBoxRecorder boxes;
    BYTE name[16] = {};
    ASSERT_TRUE(StringToBytes(name, 16, std::string(15, 'A')));
    EXPECT_EQ(BytesToString(name, 16), std::string(15, 'A'));

    {
        ScopedFlag english(g_bChinese, 0);
        EXPECT_FALSE(StringToBytes(name, 16, std::string(16, 'B')));
    }
    {
        ScopedFlag chinese(g_bChinese, 1);
        EXPECT_FALSE(StringToBytesN(name, "123456789", 8));
    }

    EXPECT_EQ(BytesToString(name, 16), std::string(15, 'A'));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Char len error!");
    EXPECT_EQ(boxes.shown[0].code, -3);
    EXPECT_EQ(boxes.shown[0].type, MB_OK);
    EXPECT_EQ(boxes.shown[1].text, "字符长度错误!");
    EXPECT_EQ(boxes.shown[1].code, -2);
}

// A modal box would run a message loop on the link worker, or hold the link lock while the UI
// waits for an answer: the refusal is then handed to the UI thread to show, never shown there.
TEST(TextFields, ARefusalOffTheUiThreadOrUnderTheLinkLockIsShownLater)
{
    CMessageBoxRecorder boxes;
    ScopedFlag english(g_bChinese, 0);
    BYTE name[8] = {'F', 'L', 0};
    const std::string strLong(8, 'C');
    bool bWritten = true;
    std::thread([&] { bWritten = StringToBytesN(name, strLong, 8); }).join();
    EXPECT_FALSE(bWritten);
    {
        std::lock_guard lock(g_csLink);
        EXPECT_FALSE(StringToBytesN(name, strLong, 8));
    }
    EXPECT_TRUE(boxes.shown.empty());
    const auto later = boxes.Later();
    ASSERT_EQ(later.size(), 2u);
    for (const auto& box : later) {
        EXPECT_EQ(box.text, "Char len error!");
        EXPECT_EQ(box.code, -3);
    }
    EXPECT_EQ(BytesToString(name, 8), "FL");

    // On the UI thread without the lock the box is shown and answered at once.
    EXPECT_FALSE(StringToBytesN(name, strLong, 8));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(MessageBoxes, AnAnswerAskedForWhereNoBoxMayShowIsTheAnswerOfABoxClosedUnanswered)
{
    CMessageBoxRecorder boxes;
    boxes.answer = IDYES;
    std::lock_guard lock(g_csLink);
    EXPECT_EQ(AfxMessageBox("Replace?", MB_YESNO, CAPTION_PROMPT_EN), IDNO);
    EXPECT_EQ(AfxMessageBox("Done", MB_OK, CAPTION_PROMPT_AUTOCLOSE), IDOK);
    EXPECT_EQ(AfxMessageBox("Quit", MB_CANCELONLY, 0), IDCANCEL);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(boxes.Later().size(), 3u);
}

TEST(TextFields, ReadersStopAtZeroAndAtTheFieldEnd)
{
    BYTE field[16];
    std::memset(field, ' ', 15);
    field[15] = 0;
    EXPECT_EQ(BytesToString(field, 16), "");
    EXPECT_TRUE(IsBlank(BytesToStringN(field, 16)));

    std::memset(field, 'Z', 16);  // no terminating zero, as a processor may send it
    EXPECT_EQ(BytesToString(field, 16), std::string(15, 'Z'));
    EXPECT_EQ(BytesToStringN(field, 16), std::string(16, 'Z'));

    const BYTE gbk[8] = {0xD6, 0xD0, 0xCE, 0xC4, 0, 'x', 'y', 'z'};  // two GBK characters
    EXPECT_EQ(BytesToString(gbk, 8), "\xD6\xD0\xCE\xC4");
}

TEST(TextFields, PaddedWriter)
{
    CMessageBoxRecorder boxes;
    BYTE field[6];
    ASSERT_TRUE(StringToBytesPadded(field, 6, "ABC", true));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(field), 6), "ABC   ");
    ASSERT_TRUE(StringToBytesPadded(field, 6, "ABCDEF", false));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(field), 6), "ABCDEF");
    ASSERT_TRUE(StringToBytesPadded(field, 6, "AB", false));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(field), 6), std::string("AB\0\0\0\0", 6));
    EXPECT_FALSE(StringToBytesPadded(field, 6, "ABCDEFG", true));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(TextFields, IsBlank)
{
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank(" \t "));
    EXPECT_FALSE(IsBlank(" a "));
}

TEST(TextFields, PresetNameInUse)
{
    InitDeviceData();
    const BYTE party[16] = {'P', 'a', 'r', 't', 'y'};
    const BYTE hall[16] = {'H', 'a', 'l', 'l'};
    std::memcpy(g_devImages[2].m_szName, party, 16);
    std::memcpy(g_effectPresets[4].m_szName, hall, 16);
    EXPECT_EQ(IsPresetNameUsed(0, party, true, 13), 1);
    EXPECT_EQ(IsPresetNameUsed(2, party, true, 13), 0);  // its own slot
    EXPECT_EQ(IsPresetNameUsed(0, hall, true, 13), 0);
    EXPECT_EQ(IsPresetNameUsed(0, hall, false, 13), 1);
    EXPECT_EQ(IsPresetNameUsed(4, hall, false, 13), 0);
    EXPECT_EQ(IsPresetNameUsed(0, party, true, 1000), 1);  // compared within the field only
    InitDeviceData();
}
