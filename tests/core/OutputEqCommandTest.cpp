// The whole-EQ commands of the output page: what they ask, what they change and what they have
// the view send, after Yes and after No, and on the output they were started for.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "model/Filter.h"
#include "pages/OutputEqCommand.h"
#include "platform/MessageBox.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/PresetDataFixture.h"

namespace {

// Records the questions and answers them; a test may act while the question is open, as a
// message from the processor handled by the box's own event loop would.
class CAnsweringBox : public IMessageBoxHandler {
public:
    CAnsweringBox() { m_pPrevious = SetMessageBoxHandler(this); }
    ~CAnsweringBox() override { SetMessageBoxHandler(m_pPrevious); }
    CAnsweringBox(const CAnsweringBox&) = delete;
    CAnsweringBox& operator=(const CAnsweringBox&) = delete;

    int MessageBox(const std::string& text, unsigned nType, int nCode) override
    {
        asked.push_back(text);
        EXPECT_EQ(nType, MB_YESNO);
        codes.push_back(nCode);
        if (whileOpen)
            whileOpen();
        return answer;
    }
    // The commands ask on the UI thread without the link lock: never a box for later.
    void ShowLater(const std::string& text, unsigned, int) override { ADD_FAILURE() << "shown later: " << text; }

    std::vector<std::string> asked;
    std::vector<int> codes;
    int answer = IDYES;
    std::function<void()> whileOpen;

private:
    IMessageBoxHandler* m_pPrevious = nullptr;
};

class OutputEqCommand : public PresetDataTest {
protected:
    void SetUp() override
    {
        PresetDataTest::SetUp();
        g_bSynced = 1;
    }
    CKTV_OutData& Out(int i) { return *Data().GetOutData(i); }
    bool AllPageBandsOff(int i)
    {
        for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
            if (!Out(i).GetBand(k)->IsBypassOrFlat())
                return false;
        return true;
    }
    void Link(std::initializer_list<int> outputs)
    {
        for (const int i : outputs)
            g_outLinks.m_nGroup[i] = *outputs.begin();
    }

    CFakePageHost m_host;
    CAnsweringBox m_box;
};

}  // namespace

// A fresh output has every page band flat: the button shows on, and a press changes nothing and
// asks nothing.
TEST_F(OutputEqCommand, BypassAllOfAFlatOutputAsksNothing)
{
    ASSERT_TRUE(Out(0).UpdateEQBypass());
    COutputEqCommand command(Data(), m_host, 0);
    EXPECT_TRUE(command.BypassAll(true));
    EXPECT_TRUE(m_box.asked.empty());
    EXPECT_TRUE(m_host.calls.empty());
    EXPECT_TRUE(AllPageBandsOff(0));
}

TEST_F(OutputEqCommand, BypassAllAndRestoreAskThenSendTheWholeBlock)
{
    Out(0).GetBand(0)->SetGainPos(240);
    Out(0).GetBand(2)->SetGainPos(240);
    COutputEqCommand command(Data(), m_host, 0);

    EXPECT_TRUE(command.BypassAll(false));
    EXPECT_EQ(m_box.asked, (std::vector<std::string>{"Whether ByPass All EQ?"}));
    EXPECT_EQ(m_box.codes, (std::vector<int>{CAPTION_PROMPT_EN}));
    EXPECT_TRUE(AllPageBandsOff(0));
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendOutputChannelBlock(0)"}));

    EXPECT_FALSE(command.BypassAll(true));
    EXPECT_EQ(m_box.asked.back(), "Whether Restore All EQ?");
    EXPECT_EQ(Out(0).GetBand(0)->GetGainPos(), 240);
    EXPECT_EQ(Out(0).GetBand(2)->GetGainPos(), 240);
    EXPECT_EQ(m_host.calls.size(), 2U);
}

TEST_F(OutputEqCommand, NoLeavesModelAndButtonAsBefore)
{
    Out(0).GetBand(0)->SetGainPos(240);
    m_box.answer = IDNO;
    COutputEqCommand command(Data(), m_host, 0);
    EXPECT_FALSE(command.BypassAll(false));
    EXPECT_EQ(Out(0).GetBand(0)->GetGainPos(), 240);
    EXPECT_FALSE(Out(0).GetBand(1)->GetBypass());

    m_box.answer = IDYES;
    ASSERT_TRUE(command.BypassAll(false));
    m_box.answer = IDNO;
    EXPECT_TRUE(command.BypassAll(true));
    EXPECT_TRUE(AllPageBandsOff(0));

    EXPECT_FALSE(command.ConvertMode(false));
    EXPECT_FALSE(command.ResetAll());
    EXPECT_EQ(Out(0).GetGraphicEQ(), 0);
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendOutputChannelBlock(0)"}));
}

// The linked outputs take the same bypass state, and every output of the group is sent whole, in
// output order.
TEST_F(OutputEqCommand, BypassAllReachesTheLinkedOutputs)
{
    Link({1, 3});
    Out(3).GetBand(5)->SetGainPos(150);
    Out(1).GetBand(4)->SetGainPos(260);
    COutputEqCommand command(Data(), m_host, 3);
    EXPECT_TRUE(command.BypassAll(false));
    EXPECT_TRUE(AllPageBandsOff(1));
    for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
        EXPECT_FALSE(Out(2).GetBand(k)->GetBypass()) << k;
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendOutputChannelBlock(1)", "SendOutputChannelBlock(3)"}));
}

TEST_F(OutputEqCommand, ConversionAndResetAskThenResetTheGroup)
{
    Link({4, 6});
    COutputEqCommand command(Data(), m_host, 4);
    EXPECT_TRUE(command.ConvertMode(false));
    EXPECT_EQ(m_box.asked.back(), "Whether the PEQ Mode convert to GEQ Mode?");
    EXPECT_EQ(Out(4).GetGraphicEQ(), 1);
    EXPECT_EQ(Out(6).GetGraphicEQ(), 1);
    EXPECT_EQ(Out(5).GetGraphicEQ(), 0);

    EXPECT_TRUE(command.ConvertMode(true));
    EXPECT_EQ(m_box.asked.back(), "Whether the GEQ Mode convert to PEQ Mode?");
    EXPECT_EQ(Out(6).GetGraphicEQ(), 0);

    EXPECT_TRUE(command.ResetAll());
    EXPECT_EQ(m_box.asked.back(), "Whether the reset All EQ?");
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"ResetLinkedOutputFreqs(4)", "ResetLinkedOutputFreqs(4)",
                                                      "ResetLinkedOutputFreqs(4)"}));
}

TEST_F(OutputEqCommand, QuestionsFollowTheLanguage)
{
    g_bChinese = 1;
    Out(0).GetBand(0)->SetGainPos(240);
    COutputEqCommand command(Data(), m_host, 0);
    command.BypassAll(false);
    command.BypassAll(true);
    command.ConvertMode(false);
    command.ConvertMode(true);
    command.ResetAll();
    EXPECT_EQ(m_box.asked, (std::vector<std::string>{"是否直通所有均衡?", "是否恢复所有均衡?",
                                                     "是否把参量均衡模式转换为图示均衡模式?",
                                                     "是否把图示均衡模式转换为参量均衡模式?", "是否重置所有均衡?"}));
    for (const int nCode : m_box.codes)
        EXPECT_EQ(nCode, CAPTION_PROMPT_CN);
}

// A status report that makes another output current while the question is open does not
// redirect the command: it acts on the output it was started for.
TEST_F(OutputEqCommand, AReportDuringTheQuestionDoesNotRedirectTheCommand)
{
    g_nCurOutput = 2;
    Out(2).GetBand(1)->SetGainPos(260);
    Out(5).GetBand(1)->SetGainPos(260);
    m_box.whileOpen = [] { g_nCurOutput = 5; };
    COutputEqCommand command(Data(), m_host, g_nCurOutput);
    EXPECT_TRUE(command.BypassAll(false));
    EXPECT_TRUE(AllPageBandsOff(2));
    EXPECT_EQ(Out(5).GetBand(1)->GetGainPos(), 260);
    EXPECT_TRUE(command.ConvertMode(false));
    EXPECT_EQ(Out(2).GetGraphicEQ(), 1);
    EXPECT_EQ(Out(5).GetGraphicEQ(), 0);
    EXPECT_EQ(m_host.calls, (std::vector<std::string>{"SendOutputChannelBlock(2)", "ResetLinkedOutputFreqs(2)"}));
}
