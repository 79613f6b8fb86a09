// The EQ response graph on a fixed 600 x 300 graph (plot 550 x 270 px from (40, 10)): what it
// draws, read back from a few pixels, and what mouse drags change and post.
#include <gtest/gtest.h>
#include <wx/frame.h>

#include <cmath>
#include <optional>

#include "controls/EqCurveStatic.h"
#include "controls/GdiConvert.h"
#include "controls/WndMessages.h"
#include "model/Conversions.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScopedFlag.h"
#include "tests/ui/ManualTimerClock.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {

constexpr int GRAPH_ID = 4000;
const wxColour GRID{100, 100, 100};
const wxColour HIGHLIGHT{68, 86, 98};
const wxColour BYPASS_FILL{155, 155, 155};
// Where the "All Bypass" text lies: its top is at a third of the plot height, and the upper part
// of its letters lies clear of the band numbers on the 0 dB line.
const wxRect BYPASS_TEXT(100, 92, 400, 38);

bool IsCurveGreen(const wxColour& c)
{
    return c.Green() > 120 && c.Red() < 90 && c.Blue() < 90;
}

// Pixels of the rectangle in the colour.
int CountPixels(const wxImage& image, const wxRect& rc, const wxColour& colour)
{
    int n = 0;
    for (int y = rc.GetTop(); y <= rc.GetBottom(); ++y)
        for (int x = rc.GetLeft(); x <= rc.GetRight(); ++x)
            n += PixelAt(image, x, y) == colour;
    return n;
}

class EqCurveStaticTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitDeviceData();
        m_synced.emplace(g_bSynced, 1);
        m_pData = std::make_unique<CKTV_Data>();
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "graph", wxDefaultPosition, wxSize(700, 400));
        m_pOwner = new wxWindow(m_pFrame, wxID_ANY, {0, 320}, {20, 20});
        m_pGraph = new CEqCurveStatic;
        m_pGraph->Create(m_pFrame, GRAPH_ID, wxRect(0, 0, 600, 300));
        m_pFrame->Show();
        ASSERT_TRUE(SettleShown(*m_pFrame));
        for (int i = 0; i < OUTPUT_CHANNELS; ++i)  // crossovers open, so they add nothing
            FlatCrossovers(m_pData->GetOutData(i)->GetEQ());
        m_pGraph->SetNotifyWnd(m_pOwner);
        m_pGraph->SetLinkBitmap(709, 3990);
        m_pGraph->AttachData(m_pData.get(), EQ_MODE_OUTPUT);
        m_pGraph->ShowOutputCurve(0);
        m_pGraph->SetCurveMode(EQ_MODE_OUTPUT);
    }
    void TearDown() override
    {
        delete m_pFrame;  // at once, before the clock goes
        PumpPendingEvents();
    }
    static void FlatCrossovers(CKTVEQ* pEQ)
    {
        pEQ->GetHPF()->SetFreq(20, false);
        pEQ->GetLPF()->SetFreq(20000, false);
    }
    void Mouse(wxEventType type, Point pt)
    {
        wxMouseEvent event(type);
        event.SetPosition({pt.x, pt.y});
        event.SetEventObject(m_pGraph);
        event.m_leftDown = type != wxEVT_LEFT_UP && m_bDown;
        m_pGraph->GetEventHandler()->ProcessEvent(event);
    }
    void Press(Point pt)
    {
        Mouse(wxEVT_MOTION, pt);
        m_bDown = true;
        Mouse(wxEVT_LEFT_DOWN, pt);
    }
    void Release(Point pt)
    {
        m_bDown = false;
        Mouse(wxEVT_LEFT_UP, pt);
    }
    std::vector<PostedMessage> Changes() const
    {
        std::vector<PostedMessage> changes;
        for (const PostedMessage& m : m_recorder.Posted())
            if (m.nMsg == WM_EQCURVE_CHANGED)
                changes.push_back(m);
        return changes;
    }
    // The next notification tick.
    void Tick() { m_clock.Advance(EQ_NOTIFY_PERIOD_MS); }
    CFilter* OutBand(int i) { return m_pData->GetOutData(0)->GetEQ()->GetAt(i); }
    static Point Centre(const CFilter* pBand) { return pBand->GetNodeRect().CenterPoint(); }

    CManualTimerClock m_clock;
    std::optional<ScopedFlag<std::atomic<int>>> m_synced;  // after InitDeviceData, which clears it
    ScopedFlag<std::atomic<int>> m_english{g_bChinese, 0};
    CMessageRecorder m_recorder;
    std::unique_ptr<CKTV_Data> m_pData;
    wxFrame* m_pFrame = nullptr;
    wxWindow* m_pOwner = nullptr;
    CEqCurveStatic* m_pGraph = nullptr;
    bool m_bDown = false;
};

}  // namespace

TEST_F(EqCurveStaticTest, GridLinesLieEveryThreeDecibelsAndOnTheGridFrequencies)
{
    const wxImage image = DrawToImage(*m_pGraph);
    const int x = m_pGraph->FreqX(25);  // between the 20 and 30 Hz lines, where no band sits
    for (int y : {43, 77, 111, 178, 212, 246}) {
        EXPECT_EQ(PixelAt(image, x, y), GRID) << y;
        EXPECT_EQ(PixelAt(image, x, y + 5), *wxBLACK) << y;
    }
    for (int f : {30, 100, 1000, 10000}) {
        const int gx = m_pGraph->FreqX(f);
        EXPECT_EQ(PixelAt(image, gx, 25), GRID) << f;
        EXPECT_EQ(PixelAt(image, gx + 3, 25), *wxBLACK) << f;
    }
    // The frame: the plot's border in the output colour, the client's in grey.
    EXPECT_EQ(PixelAt(image, 300, 10), wxColour(149, 149, 149));
    EXPECT_EQ(PixelAt(image, 300, 0), GRID);
    EXPECT_EQ(PixelAt(image, 20, 150), *wxBLACK);
}

TEST_F(EqCurveStaticTest, CurvePassesThroughTheSummedGainAtKnownFrequencies)
{
    CFilter* pBand = OutBand(5);  // 1000 Hz, widened so 700 Hz lies well above 0 dB
    pBand->SetBandwidth(3.0);
    pBand->SetGainPos(290);  // +9 dB
    const wxImage image = DrawToImage(*m_pGraph);
    const CKTVEQ* pEQ = m_pData->GetOutData(0)->GetEQ();
    for (double hz : {25.0, 700.0, 5000.0}) {
        SCOPED_TRACE(hz);
        const int i = FreqToIndex(hz);
        double sum = 0;
        for (int b = 0; b < pEQ->GetSize(); ++b)
            sum += pEQ->GetAt(b)->GetResponse()[i];
        const int x = static_cast<int>(std::lround(FreqToStepF(g_dFreqTable[i], 550) + 40));
        const int y = static_cast<int>(std::lround(GainToStepF(sum, 270) + 10));
        EXPECT_TRUE(IsCurveGreen(PixelAt(image, x, y)));
        EXPECT_FALSE(IsCurveGreen(PixelAt(image, x, y - 6)));
        EXPECT_FALSE(IsCurveGreen(PixelAt(image, x, y + 6)));
    }
    // Beyond +12 dB the curve is cut at the plot's top edge: nothing of it above the plot, nothing
    // where it runs beyond.
    for (int b = 4; b <= 6; ++b)
        OutBand(b)->SetGainPos(400);
    const wxImage clipped = DrawToImage(*m_pGraph);
    for (int y = 0; y < 300; ++y)
        EXPECT_FALSE(IsCurveGreen(PixelAt(clipped, m_pGraph->FreqX(1000), y))) << y;
}

TEST_F(EqCurveStaticTest, AllBypassShowsWhileTheTenBandsAreFlat)
{
    const auto filled = [&] { return CountPixels(DrawToImage(*m_pGraph), BYPASS_TEXT, BYPASS_FILL); };
    EXPECT_GT(filled(), 100);
    {
        ScopedFlag<std::atomic<int>> chinese(g_bChinese, 1);
        EXPECT_GT(filled(), 100);
    }
    OutBand(20)->SetGainPos(260);  // a band the page does not show does not count
    EXPECT_GT(filled(), 100);
    OutBand(2)->SetGainPos(215);
    EXPECT_EQ(filled(), 0);
}

TEST_F(EqCurveStaticTest, SelectedBandShowsItsFilledResponseUntilTheMouseRepaints)
{
    CFilter* pBand = OutBand(3);  // 250 Hz, +6 dB
    pBand->SetGainPos(260);
    const Point inside{m_pGraph->FreqX(250) + 2, 130};
    EXPECT_NE(PixelAt(DrawToImage(*m_pGraph), inside.x, inside.y), HIGHLIGHT);
    m_pGraph->Redraw(3);
    EXPECT_EQ(PixelAt(DrawToImage(*m_pGraph), inside.x, inside.y), HIGHLIGHT);
    const wxImage image = DrawToImage(*m_pGraph);
    const wxRect rcNode = ToWx(pBand->GetNodeRect());
    int nRed = 0;  // the number, anti-aliased
    for (int y = rcNode.GetTop(); y <= rcNode.GetBottom(); ++y)
        for (int x = rcNode.GetLeft(); x <= rcNode.GetRight(); ++x)
            nRed += image.GetRed(x, y) > 150 && image.GetGreen(x, y) < 80 && image.GetBlue(x, y) < 80;
    EXPECT_GT(nRed, 5);
    Mouse(wxEVT_MOTION, {300, 250});  // no node: nothing to repaint, the selection stays
    EXPECT_EQ(m_pGraph->GetSelected(), 3);
    Mouse(wxEVT_MOTION, Centre(OutBand(7)));
    EXPECT_EQ(m_pGraph->GetSelected(), -1);
    EXPECT_NE(PixelAt(DrawToImage(*m_pGraph), inside.x, inside.y), HIGHLIGHT);
}

TEST_F(EqCurveStaticTest, NodeDragPostsTheBandAndChannelOnTheNextTick)
{
    CFilter* pBand = OutBand(5);
    const Point press = Centre(pBand);
    Press(press);
    Mouse(wxEVT_MOTION, {press.x, press.y - 40});
    EXPECT_EQ(pBand->GetFreq(), 1000);  // straight up: the frequency stays exactly
    EXPECT_NEAR(pBand->GetGain(), 40 * 24.0 / 270 + 0.5, 0.1);
    EXPECT_EQ(pBand->GetChanged(), 1);
    EXPECT_TRUE(Changes().empty());  // told on the tick, not at once
    Tick();
    Tick();  // nothing changed since
    ASSERT_EQ(Changes().size(), 1u);
    EXPECT_EQ(Changes()[0].hWnd, GetWndHandle(m_pOwner));
    EXPECT_EQ(Changes()[0].wParam, 5u);
    EXPECT_EQ(Changes()[0].lParam, 768);

    Mouse(wxEVT_MOTION, {press.x + 60, press.y - 40});
    EXPECT_GT(pBand->GetFreq(), 1000);
    Release({press.x + 60, press.y - 40});
    Tick();
    Tick();  // repeated while the released flag stays
    EXPECT_EQ(Changes().size(), 3u);
    m_pGraph->m_bButtonUp = 0;  // the page has loaded the band
    Tick();
    EXPECT_EQ(Changes().size(), 3u);

    // Without its tick the graph tells nothing, until a layout starts the tick again.
    m_pGraph->StopNotifyTimer();
    Press(Centre(pBand));
    Mouse(wxEVT_MOTION, {press.x + 60, press.y - 80});
    Release({press.x + 60, press.y - 80});
    Tick();
    EXPECT_EQ(Changes().size(), 3u);
    m_pGraph->LayoutGrid();
    Tick();
    EXPECT_EQ(Changes().size(), 4u);
}

// An idle graph runs no tick (each would wake the program); a change starts it, and the first
// tick with nothing to tell stops it.
TEST_F(EqCurveStaticTest, TheTickRunsOnlyWhileThereIsSomethingToTell)
{
    m_pGraph->LayoutGrid();
    EXPECT_EQ(m_clock.Running(), 0u);
    Mouse(wxEVT_MOTION, {300, 250});  // over no node
    EXPECT_EQ(m_clock.Running(), 0u);
    CFilter* pBand = OutBand(5);
    const Point press = Centre(pBand);
    Press(press);
    Mouse(wxEVT_MOTION, {press.x, press.y - 40});
    EXPECT_EQ(m_clock.Running(), 1u);
    Release({press.x, press.y - 40});
    Tick();
    Tick();  // the change, then the released flag
    m_pGraph->m_bButtonUp = 0;  // the page has loaded the band
    Tick();
    EXPECT_EQ(m_clock.Running(), 0u);
    EXPECT_EQ(Changes().size(), 2u);
}

TEST_F(EqCurveStaticTest, CrossoverDragOnTheOutputGraph)
{
    CFilter* pHpf = m_pData->GetOutData(0)->GetHPF();
    pHpf->SetFreq(100, false);
    const Point press = Centre(pHpf);
    Press(press);
    Mouse(wxEVT_MOTION, {press.x + 120, press.y + 30});
    Release({press.x + 120, press.y + 30});
    EXPECT_GT(pHpf->GetFreq(), 100);
    Tick();
    ASSERT_FALSE(Changes().empty());
    EXPECT_EQ(Changes().back().wParam, 31u);
}

TEST_F(EqCurveStaticTest, MusicGraphPostsTheInputIndexAndKeepsItsCrossoversStill)
{
    m_pGraph->AttachData(m_pData.get(), EQ_MODE_MUSIC);
    m_pGraph->ShowMusicCurve(4);
    m_pGraph->SetCurveMode(EQ_MODE_MUSIC);
    CKTVEQ* pEQ = m_pData->GetMusicData(4)->GetEQ();
    const int lpf = pEQ->GetLPF()->GetFreq();
    Press(Centre(pEQ->GetLPF()));
    Mouse(wxEVT_MOTION, {100, 200});
    Release({100, 200});
    EXPECT_EQ(pEQ->GetLPF()->GetFreq(), lpf);

    const Point press = Centre(pEQ->GetAt(9));
    Press(press);
    Mouse(wxEVT_MOTION, {press.x, press.y + 50});
    Release({press.x, press.y + 50});
    Tick();
    ASSERT_FALSE(Changes().empty());
    EXPECT_EQ(Changes().back().wParam, 9u);
    EXPECT_EQ(Changes().back().lParam, 4);
    EXPECT_LT(pEQ->GetAt(9)->GetGain(), -4.0);
}

// Other tests' windows share the display, so the focus change is sent as its event.
TEST_F(EqCurveStaticTest, LosingTheFocusTellsTheOwner)
{
    wxFocusEvent event(wxEVT_KILL_FOCUS, m_pGraph->GetId());
    event.SetEventObject(m_pGraph);
    m_pGraph->GetEventHandler()->ProcessEvent(event);
    ASSERT_EQ(m_recorder.Count(WM_EQCURVE_KILLFOCUS), 1);
    EXPECT_EQ(m_recorder.Posted().back().wParam, 0u);
    EXPECT_EQ(m_recorder.Posted().back().lParam, 0);
}

// PNGs of the graph for a person to look at: each channel kind, both languages, the "All Bypass"
// look, a selected band, a hovered band with its handles, and the curves of crossover partners
// with the link icon. Each shows the graph drawn; the "All Bypass" look shows its text in each
// language, the Chinese one drawn.
TEST_F(EqCurveStaticTest, Screenshots)
{
    const auto shoot = [&](const std::string& strName, bool bBypass = false) {
        SCOPED_TRACE(strName);
        wxImage shots[2];
        for (int chinese : {0, 1}) {
            ScopedFlag<std::atomic<int>> language(g_bChinese, chinese);
            const wxImage& shot = shots[chinese] = DrawToImage(*m_pGraph);
            EXPECT_TRUE(SaveScreenshot(shot, strName + (chinese ? "_cn" : "_en")));
            EXPECT_TRUE(IsDrawn(shot, wxRect(shot.GetSize()), 4, 2));
            if (bBypass) {
                EXPECT_GT(CountPixels(shot, BYPASS_TEXT, BYPASS_FILL), 100) << chinese;
            }
        }
        if (bBypass) {
            EXPECT_TRUE(DifferIn(shots[0], shots[1], BYPASS_TEXT));
        }
    };
    const auto shape = [](CKTVEQ* pEQ) {
        const int gains[10] = {236, 170, 215, 260, 200, 150, 228, 200, 185, 245};
        for (int i = 0; i < 10; ++i)
            pEQ->GetAt(i)->SetGainPos(gains[i]);
        pEQ->GetAt(3)->SetBandwidth(0.6);
    };
    shoot("eqgraph_output_bypass", true);

    CKTV_OutData* pOut = m_pData->GetOutData(0);
    shape(pOut->GetEQ());
    pOut->GetHPF()->SetSlope(SLOPE_24DB, false);
    pOut->GetHPF()->SetFreq(60, false);
    pOut->GetLPF()->SetSlope(SLOPE_24DB, false);
    pOut->GetLPF()->SetFreq(12000, false);
    m_pGraph->Redraw(3);
    shoot("eqgraph_output_selected");
    Mouse(wxEVT_MOTION, Centre(OutBand(6)));
    shoot("eqgraph_output_hover");
    Mouse(wxEVT_MOTION, Centre(pOut->GetLPF()));
    shoot("eqgraph_output_lowpass");

    // Outputs 0-2: tweeter, midrange and woofer of the front left, output 1 linked to output 0.
    for (int i = 0; i < 3; ++i)
        g_roleStates.m_byOutRole[i] = static_cast<BYTE>(1 + i);
    for (int i = 1; i < 3; ++i) {
        CKTV_OutData* pOther = m_pData->GetOutData(i);
        FlatCrossovers(pOther->GetEQ());
        pOther->GetEQ()->GetAt(4)->SetGainPos(i == 1 ? 140 : 250);
    }
    g_bLinkLR = 1;
    g_outLinks.m_nGroup[1] = 0;
    m_pGraph->Redraw(-1);
    shoot("eqgraph_output_partners");
    g_bLinkLR = 0;
    g_outLinks.m_nGroup[1] = 1;

    m_pGraph->AttachData(m_pData.get(), EQ_MODE_MUSIC);
    m_pGraph->ShowMusicCurve(1);
    m_pGraph->SetCurveMode(EQ_MODE_MUSIC);
    shoot("eqgraph_music_bypass", true);
    CMusic_InData* pMusic = m_pData->GetMusicData(1);
    shape(pMusic->GetEQ());
    m_pGraph->Redraw(-1);
    Mouse(wxEVT_MOTION, Centre(pMusic->GetEQ()->GetAt(2)));
    shoot("eqgraph_music_hover");
    for (int i = 0; i < 31; ++i)
        pMusic->GetEQ()->GetAt(i)->SetGraphicEQ(true);
    m_pGraph->Redraw(7);
    shoot("eqgraph_music_graphic");

    const Rect plot = m_pGraph->GetPlotRect();
    m_pData->GetMicData(0)->SetGraphRect(plot);
    shape(m_pData->GetMicData(0)->GetEQ());
    m_pGraph->ShowMicCurve(0);
    Mouse(wxEVT_MOTION, Centre(m_pData->GetMicData(0)->GetEQ()->GetAt(3)));
    shoot("eqgraph_microphone");
    m_pData->GetEffectData()->SetGraphRect(plot);
    m_pData->GetEffectData()->GetEQ()->GetAt(1)->SetGainPos(250);
    m_pGraph->ShowEffectCurve();
    shoot("eqgraph_effect");
    m_pGraph->SetCurveMode(EQ_MODE_GRID);
    shoot("eqgraph_grid");
}
