// The whole-EQ commands of the music input page: their questions, what Yes and No leave in the
// bands, what goes to the view, and the input they act on when a report switches the page while
// the question is open.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/ActiveInput.h"
#include "model/DataDefine.h"
#include "model/Filter.h"
#include "model/InputSourceTable.h"
#include "model/KTV_Data.h"
#include "model/Music_InData.h"
#include "model/StdAfx.h"
#include "pages/InputEqCommands.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

// Answers the questions and, while one is open, runs what the test gives (a report arriving).
class CAnswering : public CMessageBoxRecorder {
public:
    int MessageBox(const std::string& text, unsigned nType, int nCode) override
    {
        const int nAnswer = CMessageBoxRecorder::MessageBox(text, nType, nCode);
        if (whileOpen)
            whileOpen();
        return nAnswer;
    }
    std::function<void()> whileOpen;
};

class InputEqCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitDeviceData();
        g_bChinese = 0;
        m_pData = std::make_unique<CKTV_Data>();
        m_boxes.answer = IDYES;
    }
    void TearDown() override
    {
        g_bChinese = 0;
        InitDeviceData();
    }
    CFilter& Band(int nInput, int k) { return *m_pData->GetMusicData(nInput)->GetBand(k); }
    std::vector<std::string> Asked() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : m_boxes.shown)
            texts.push_back(shown.text);
        return texts;
    }

    CAnswering m_boxes;
    CFakePageHost m_host;
    std::unique_ptr<CKTV_Data> m_pData;
};

}  // namespace

// Yes: every band bypassed and one whole-block send; No: the bands as they were, nothing sent.
TEST_F(InputEqCommandsTest, BypassAllAsksThenSendsTheBlockOrPutsTheBandsBack)
{
    CInputEqCommands commands(*m_pData, m_host);
    Band(2, 0).SetGainPos(230);
    Band(2, 14).SetGainPos(170);
    ASSERT_FALSE(Band(2, 0).IsBypassOrFlat());

    m_boxes.answer = IDNO;
    EXPECT_FALSE(commands.BypassAll(2, true));
    EXPECT_FALSE(Band(2, 0).IsBypassOrFlat());
    EXPECT_TRUE(m_host.calls.empty());

    m_boxes.answer = IDYES;
    EXPECT_TRUE(commands.BypassAll(2, true));
    EXPECT_EQ(m_pData->GetMusicData(2)->UpdateEQBypass(), 1);
    EXPECT_EQ(m_host.calls, std::vector<std::string>{"SendMusicChannelBlock(2)"});
    EXPECT_EQ(Asked(), (std::vector<std::string>{g_strBypassEqEn, g_strBypassEqEn}));
    EXPECT_EQ(m_boxes.shown.back().type, MB_YESNO);
    EXPECT_EQ(m_boxes.shown.back().code, CAPTION_PROMPT_EN);

    // Restore gives back the bands as they were before, each with its gain.
    EXPECT_TRUE(commands.BypassAll(2, false));
    EXPECT_FALSE(Band(2, 0).IsBypassOrFlat());
    EXPECT_EQ(Band(2, 0).GetGainPos(), 230);
    EXPECT_EQ(Asked().back(), g_strRestoreEqEn);
}

// With every gain at 0 dB a restore gives nothing back: refused without a question, the bands
// stay bypassed.
TEST_F(InputEqCommandsTest, ARestoreThatGivesNothingBackIsRefusedWithoutAQuestion)
{
    CInputEqCommands commands(*m_pData, m_host);
    commands.BypassAll(0, true);
    m_boxes.shown.clear();
    m_host.calls.clear();
    EXPECT_FALSE(commands.BypassAll(0, false));
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_EQ(m_pData->GetMusicData(0)->UpdateEQBypass(), 1);
}

TEST_F(InputEqCommandsTest, ResetAndModeChangeAskInTheLanguageAndResetThroughTheView)
{
    CInputEqCommands commands(*m_pData, m_host);
    g_bChinese = 1;
    m_boxes.answer = IDNO;
    EXPECT_FALSE(commands.ResetEq(1));
    EXPECT_FALSE(commands.SetEqMode(1, false));
    EXPECT_EQ(m_pData->GetMusicData(1)->GetGraphicEQ(), 1);
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_EQ(Asked(), (std::vector<std::string>{g_strResetEqCn, g_strGeqToPeqCn}));
    EXPECT_EQ(m_boxes.shown.back().code, CAPTION_PROMPT_CN);

    g_bChinese = 0;
    m_boxes.answer = IDYES;
    EXPECT_TRUE(commands.SetEqMode(1, false));
    EXPECT_EQ(m_pData->GetMusicData(1)->GetGraphicEQ(), 0);
    EXPECT_EQ(Band(1, 30).GetGraphicEQ(), 0);
    EXPECT_TRUE(commands.SetEqMode(1, true));
    EXPECT_TRUE(commands.ResetEq(1));
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"ResetMusicChannelFreqs(1)", "ResetMusicChannelFreqs(1)",
                                                      "ResetMusicChannelFreqs(1)"}));
    EXPECT_EQ(Asked().back(), g_strResetEqEn);
    EXPECT_EQ(Asked()[Asked().size() - 2], g_strPeqToGeqEn);
}

// The page shows AUX1 when the user asks; a report switches it to Phone before the answer. The
// answer still goes to AUX1 and Phone keeps its bands.
TEST_F(InputEqCommandsTest, ACommandActsOnTheInputItStartedWithWhenAReportSwitchesThePage)
{
    CInputEqCommands commands(*m_pData, m_host);
    g_nCurInput = 3;
    g_inputSettings.SetField(&InputSettings::m_byInput, 3);
    Band(3, 4).SetGainPos(250);
    Band(2, 4).SetGainPos(250);
    m_boxes.whileOpen = [] { FollowReportedInput(2, SOURCE_BYTE_OFF); };

    EXPECT_TRUE(commands.BypassAll(3, true));
    EXPECT_EQ(g_nCurInput, 2);
    EXPECT_TRUE(Band(3, 4).IsBypassOrFlat());
    EXPECT_FALSE(Band(2, 4).IsBypassOrFlat());
    EXPECT_TRUE(commands.SetEqMode(3, false));
    EXPECT_EQ(m_pData->GetMusicData(3)->GetGraphicEQ(), 0);
    EXPECT_EQ(m_pData->GetMusicData(2)->GetGraphicEQ(), 1);
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendMusicChannelBlock(3)", "ResetMusicChannelFreqs(3)"}));
}

TEST_F(InputEqCommandsTest, AnInputOutsideTheSixAsksNothing)
{
    CInputEqCommands commands(*m_pData, m_host);
    for (const int nInput : {-1, 6}) {
        EXPECT_FALSE(commands.BypassAll(nInput, true));
        EXPECT_FALSE(commands.ResetEq(nInput));
        EXPECT_FALSE(commands.SetEqMode(nInput, true));
    }
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_TRUE(m_host.calls.empty());
}
