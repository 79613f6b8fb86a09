// The output page's EQ editing against the emulated processor: a drag on the graph, the whole-EQ
// commands with their questions and the whole blocks they send, the layout each output is shown
// in, and values held beyond the fields' ranges.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "controls/BitmapSlider.h"
#include "controls/EqCurveStatic.h"
#include "controls/GdiConvert.h"
#include "controls/NumEdit.h"
#include "controls/XPButton.h"
#include "model/Filter.h"
#include "model/KTV_OutData.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "pages/OutputLayout.h"
#include "tests/ui/OutputPageFixture.h"
#include "tests/ui/PictureChecks.h"

namespace {
using namespace OutputDlgIds;

constexpr int kBandGroupSize = 8;
constexpr int kFlatGainCode = 600;  // 400 + 10 x (0 dB + 20)

int Word(const std::vector<std::uint8_t>& bytes, std::size_t nOffset)
{
    return bytes[nOffset] | bytes[nOffset + 1] << 8;
}

// Answers the questions and can act while one is open, as a message of the processor handled by
// the question's own event loop would.
class CQuestionBox : public IMessageBoxHandler {
public:
    CQuestionBox() { m_pPrevious = SetMessageBoxHandler(this); }
    ~CQuestionBox() override { SetMessageBoxHandler(m_pPrevious); }
    CQuestionBox(const CQuestionBox&) = delete;
    CQuestionBox& operator=(const CQuestionBox&) = delete;

    int MessageBox(const std::string& text, unsigned, int) override
    {
        asked.push_back(text);
        if (whileOpen)
            whileOpen();
        return answer;
    }
    void ShowLater(const std::string& text, unsigned, int) override { ADD_FAILURE() << "shown later: " << text; }

    std::vector<std::string> asked;
    int answer = IDYES;
    std::function<void()> whileOpen;

private:
    IMessageBoxHandler* m_pPrevious = nullptr;
};

class OutputPageEq : public OutputPage {
protected:
    void ShowOutput(int nOutput)
    {
        Click(m_pPage->GetStrip(nOutput)->GetDlgItem(OutRoute_DlgIds::IDC_SELECT));
    }
    // The processor starts with the program's own default channels.
    void Connect()
    {
        m_pView->m_pData->PackAll();
        m_emulator.Edit([](EmuState& state) {
            std::memcpy(state.images[0].data() + emu::OUTPUT_OFFSET, g_liveImage.m_out, sizeof(g_liveImage.m_out));
        });
        OutputPage::Connect();
    }
    // A change as the processor's own data brings it: unmarked.
    void AsReceived(const std::function<void()>& change)
    {
        const int bSynced = g_bSynced;
        g_bSynced = 0;
        change();
        g_bSynced = bSynced;
    }
    // The writes of output blocks and of the master item the processor received.
    std::vector<EmuRequest> Writes()
    {
        std::vector<EmuRequest> writes;
        for (const EmuRequest& r : m_emulator.Log())
            if (r.byClass == emu::WRITE && (r.byBlock == emu::BLOCK_OUTPUT ||
                                            (r.byBlock == emu::BLOCK_SYSTEM && r.byIndex == emu::ITEM_MASTER)))
                writes.push_back(r);
        return writes;
    }

};

}  // namespace

// Bypass-all after Yes: the output's on byte off, its whole 296-byte block with the ten page
// bands sent flat, the on byte back; after No nothing reaches the processor.
TEST_F(OutputPageEq, BypassAllSendsTheWholeBlockAfterYesAndNothingAfterNo)
{
    Connect();
    AsReceived([&] {
        Out(0).GetBand(0)->SetGainPos(240);
        Out(0).GetBand(2)->SetGainPos(160);
    });
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    CQuestionBox box;
    box.answer = IDNO;
    m_emulator.ClearLog();
    Click(Item(IDC_ALL_BYPASS));
    EXPECT_EQ(box.asked, (std::vector<std::string>{"Whether ByPass All EQ?"}));
    Settle(300);  // a write that must not come leaves nothing to wait for: give it the time
    EXPECT_TRUE(Writes().empty());
    EXPECT_FALSE(Item<CXPButton>(IDC_ALL_BYPASS)->GetCheck());

    box.answer = IDYES;
    Click(Item(IDC_ALL_BYPASS));
    ASSERT_TRUE(SettleUntil([&] { return Writes().size() >= 3; }));
    const std::vector<EmuRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 3U);
    for (const EmuRequest& r : writes) {
        EXPECT_EQ(r.byBlock, emu::BLOCK_OUTPUT);
        EXPECT_EQ(r.byIndex, 0);
        EXPECT_EQ(r.byPreset, 0);
        EXPECT_TRUE(r.bIntact);
    }
    EXPECT_EQ(writes[0].bySub, OUT_GROUP_BASE);
    EXPECT_EQ(writes[0].payload[0], 0);  // switched off around the block
    EXPECT_EQ(writes[1].bySub, 0);
    ASSERT_EQ(writes[1].payload.size(), std::size_t(emu::OUTPUT_SIZE));
    for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
        EXPECT_EQ(Word(writes[1].payload, std::size_t(k) * kBandGroupSize + 2), kFlatGainCode) << k;
    EXPECT_EQ(writes[2].bySub, OUT_GROUP_BASE);
    EXPECT_EQ(writes[2].payload[0], 1);
    EXPECT_TRUE(Item<CXPButton>(IDC_ALL_BYPASS)->GetCheck());
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT)->GetText(), "0.0");

    // The restore gives the bands their gains back.
    m_emulator.ClearLog();
    Click(Item(IDC_ALL_BYPASS));
    EXPECT_EQ(box.asked.back(), "Whether Restore All EQ?");
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT)->GetText(), "4.0");
    ASSERT_TRUE(SettleUntil([&] { return Writes().size() >= 3; }));
    EXPECT_EQ(Word(Writes()[1].payload, 2), 400 + 240);
}

// The conversion after Yes: inside the master mute the output's whole block with every band a
// flat parametric band at its start frequency (bandwidth code 112, 1.17 octaves); the columns
// then show the graphic layout. Reset keeps the mode.
TEST_F(OutputPageEq, ConversionSendsFlatBandsInsideTheMasterMute)
{
    Connect();
    AsReceived([&] { Out(0).GetBand(4)->SetGainPos(280); });
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    CQuestionBox box;
    m_emulator.ClearLog();
    Click(Item(IDC_EQ_MODE));
    EXPECT_EQ(box.asked, (std::vector<std::string>{"Whether the PEQ Mode convert to GEQ Mode?"}));
    // The base group with the mode may go before or after, by the worker.
    auto bracket = [&] {
        std::vector<EmuRequest> writes;
        for (const EmuRequest& r : Writes())
            if (!(r.byBlock == emu::BLOCK_OUTPUT && r.bySub == OUT_GROUP_BASE))
                writes.push_back(r);
        return writes;
    };
    ASSERT_TRUE(SettleUntil([&] { return bracket().size() >= 3; }));
    const std::vector<EmuRequest> writes = bracket();
    ASSERT_EQ(writes.size(), 3U);
    EXPECT_EQ(writes[0].byBlock, emu::BLOCK_SYSTEM);
    EXPECT_EQ(writes[0].payload[6], 0);  // master off
    EXPECT_EQ(writes[1].byBlock, emu::BLOCK_OUTPUT);
    ASSERT_EQ(writes[1].payload.size(), std::size_t(emu::OUTPUT_SIZE));
    for (int k = 0; k < CHANNEL_BANDS; ++k) {
        SCOPED_TRACE(k);
        const std::size_t n = std::size_t(k) * kBandGroupSize;
        EXPECT_EQ(Word(writes[1].payload, n), g_nOutBandFreq[k]);
        EXPECT_EQ(Word(writes[1].payload, n + 2), kFlatGainCode);
        EXPECT_EQ(Word(writes[1].payload, n + 4), 112);
        EXPECT_EQ(writes[1].payload[n + 7], FILTER_PEQ);
    }
    EXPECT_EQ(writes[2].byBlock, emu::BLOCK_SYSTEM);
    EXPECT_EQ(writes[2].payload[6], 1);  // master back on
    EXPECT_EQ(Out(0).GetGraphicEQ(), 1);
    EXPECT_TRUE(Item<CXPButton>(IDC_EQ_MODE)->GetCheck());
    EXPECT_FALSE(Item(IDC_FREQ_EDIT)->IsShown());
    EXPECT_TRUE(Item(IDC_GEQ_LABEL)->IsShown());
    // The mode itself travels in the base group, through the worker.
    EXPECT_TRUE(SettleUntil([&] {
        return m_emulator.State().images[0][emu::OUTPUT_OFFSET + OUT_GROUP_BASE * kBandGroupSize + 6] == 1;
    }));

    Click(Item(IDC_RESET_EQ));
    EXPECT_EQ(box.asked.back(), "Whether the reset All EQ?");
    EXPECT_EQ(Out(0).GetGraphicEQ(), 1);
}

// A status report that shows another output while the question is open does not redirect the
// command: the output the user asked about is bypassed, and the page then shows the new one.
TEST_F(OutputPageEq, AReportDuringTheQuestionDoesNotRedirectBypassAll)
{
    Out(0).GetBand(1)->SetGainPos(260);
    Out(4).GetBand(1)->SetGainPos(260);
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    CQuestionBox box;
    box.whileOpen = [&] { m_pPage->OnSelectChannel(4); };
    Click(Item(IDC_ALL_BYPASS));
    EXPECT_TRUE(Out(0).GetBand(1)->IsBypassOrFlat());
    EXPECT_EQ(Out(4).GetBand(1)->GetGainPos(), 260);
    EXPECT_EQ(g_nCurOutput, 4);
    EXPECT_TRUE(m_pPage->GetStrip(4)->IsCurrent());
    EXPECT_FALSE(Item<CXPButton>(IDC_ALL_BYPASS)->GetCheck());
    EXPECT_EQ(Item<CNumEdit>(IDC_GAIN_EDIT + 1)->GetText(), "6.0");
}

// A click on the field, a focus change without typing, or the fader taking the focus commits
// nothing: a gain the model holds beyond +-12 dB stays as it is.
TEST_F(OutputPageEq, TouchingAFieldBeyondItsRangeWritesNothing)
{
    g_bSynced = 1;
    AsReceived([&] { Out(0).GetBand(6)->SetGainPos(360); });
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    auto* pField = Item<CNumEdit>(IDC_GAIN_EDIT + 6);
    ASSERT_EQ(pField->GetText(), "12.0");
    SendFocus(pField, true);
    SendCommandToParent(pField);
    SendFocus(pField, false);
    PostMessage(m_pPage, WM_SLIDER_MOVING, IDC_GAIN_SLIDER + 6, 0);
    PumpPendingEvents();
    EXPECT_EQ(Out(0).GetBand(6)->GetGainPos(), 360);
    EXPECT_EQ(Out(0).GetBand(6)->GetChanged(), 0);
    g_bSynced = 0;
}

// A parametric output shown after a graphic one shows its frequency and bandwidth fields again.
TEST_F(OutputPageEq, EachOutputIsShownInTheLayoutOfItsMode)
{
    Out(1).SetGraphicEQ(1);
    Out(0).SetGraphicEQ(0);
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    ShowOutput(1);
    EXPECT_FALSE(Item(IDC_FREQ_EDIT + 3)->IsShown());
    EXPECT_FALSE(Item(IDC_WIDTH_EDIT + 3)->IsShown());
    EXPECT_EQ(Item(IDC_GAIN_EDIT + 3)->GetPosition().y, OutputLayout::kGeqGainY);
    ShowOutput(0);
    EXPECT_TRUE(Item(IDC_FREQ_EDIT + 3)->IsShown());
    EXPECT_TRUE(Item(IDC_WIDTH_EDIT + 3)->IsShown());
    EXPECT_FALSE(Item(IDC_GEQ_LABEL)->IsShown());
    EXPECT_EQ(Item(IDC_GAIN_EDIT + 3)->GetPosition().y, OutputLayout::kPeqGainY);
    EXPECT_EQ(Item(IDC_GAIN_SLIDER + 3)->GetSize().y, OutputLayout::kPeqFaderH);
}

// A drag of band 4's node upward on the graph moves its fader and, at the graph's next tick, its
// field; the linked output takes the same band; the processor receives the band's frame.
TEST_F(OutputPageEq, AGraphDragMovesTheBandItsFieldAndTheLinkedOutput)
{
    Connect();
    g_outLinks.m_nGroup[1] = 0;
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    CEqCurveStatic& graph = *m_pPage->GetGraph();
    CFilter& band = *Out(0).GetBand(3);
    const Point node = band.GetNodeRect().CenterPoint();
    const wxPoint from(node.x, node.y);
    SendMouse(&graph, wxEVT_MOTION, from);
    SendMouse(&graph, wxEVT_LEFT_DOWN, from, true);
    for (int dy = 4; dy <= 40; dy += 4)
        SendMouse(&graph, wxEVT_MOTION, from - wxPoint(0, dy), true);
    SendMouse(&graph, wxEVT_LEFT_UP, from - wxPoint(0, 40));
    const int nGain = band.GetGainPos();
    ASSERT_GT(nGain, 200);
    EXPECT_EQ(Item<CBitmapSlider>(IDC_GAIN_SLIDER + 3)->GetPos(), nGain);
    const wxString strGain = wxString::Format(wxS("%0.1f"), nGain * 0.1 - 20);
    EXPECT_TRUE(SettleUntil([&] { return Item<CNumEdit>(IDC_GAIN_EDIT + 3)->GetText() == strGain; }));
    EXPECT_EQ(Out(1).GetBand(3)->GetGainPos(), nGain);
    EXPECT_TRUE(SettleUntil([&] { return graph.m_bButtonUp == 0; }));
    const std::size_t nOffset = emu::OUTPUT_OFFSET + 3 * kBandGroupSize + 2;
    EXPECT_TRUE(SettleUntil([&] {
        const EmuImage image = m_emulator.State().images[0];
        return image[nOffset] == ((400 + nGain) & 0xFF) && image[nOffset + 1] == ((400 + nGain) >> 8);
    }));
}

// The graph tells of a band it cannot drag on an output (it never does): the page ignores it.
TEST_F(OutputPageEq, ANotificationOfABandTheGraphCannotDragIsIgnored)
{
    g_outLinks.m_nGroup[1] = 0;
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    Out(0).GetBand(12)->SetGainPos(300);
    const int nLinked = Out(1).GetBand(12)->GetGainPos();
    PostMessage(m_pPage, WM_EQCURVE_CHANGED, 12, EQ_SOURCE_OUTPUT);
    PostMessage(m_pPage, WM_EQCURVE_CHANGED, 33, EQ_SOURCE_OUTPUT);
    PumpPendingEvents();
    EXPECT_EQ(Out(1).GetBand(12)->GetGainPos(), nLinked);
}

TEST_F(OutputPageEq, ScreenshotsAfterAConversionInBothLanguages)
{
    CQuestionBox box;
    g_nCurOutput = 0;
    m_pView->RefreshOutputPage();
    // Where a control of the page lies in a picture of the window.
    const auto place = [&](int nId) { return RectInCapture(*Item(nId), *m_pFrame); };
    const auto* pGraph = Item<CEqCurveStatic>(IDC_GRAPH);
    const wxRect rcPlot = RectInCapture(*pGraph, *m_pFrame, ToWx(pGraph->GetPlotRect()));
    // Each picture shows the new curve in the curve colour inside the plot and a band's gain
    // inside its field; the EQ mode button is labelled in each language.
    wxImage shots[2][2];
    for (const bool bChinese : {false, true}) {
        if ((g_bChinese != 0) != bChinese)
            m_pView->ToggleLanguage(1);
        for (const bool bParametric : {false, true}) {
            const char* szLayout = bParametric ? "peq" : "geq";
            SCOPED_TRACE(testing::Message() << (bChinese ? "Chinese " : "English ") << szLayout);
            Click(Item(IDC_EQ_MODE));
            for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
                Out(0).GetBand(k)->SetGainPos(200 + (k % 5 - 2) * 25);
            m_pPage->RefreshBands();
            const wxImage& shot = shots[bChinese][bParametric] = CaptureWindow(*m_pFrame);
            EXPECT_TRUE(SaveScreenshot(shot, std::string("output_converted_") + szLayout + "_" +
                                                 (bChinese ? "cn" : "en")));
            EXPECT_TRUE(ShowsColour(shot, rcPlot, ToWx(g_clrCurveLine), 0));
            EXPECT_TRUE(ShowsTextIn(shot, place(IDC_GAIN_EDIT + 1), *wxWHITE, 40, 1));
        }
    }
    for (const bool bParametric : {false, true})
        EXPECT_TRUE(DifferIn(shots[0][bParametric], shots[1][bParametric], place(IDC_EQ_MODE))) << bParametric;
    EXPECT_EQ(box.asked.size(), 4U);
}
