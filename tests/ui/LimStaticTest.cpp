// The limiter transfer-curve graph on a fixed 450 x 440 graph (plot 420 x 420 px from (20, 5),
// one pixel per level code): what it draws, and what a drag of its handle changes.
#include <gtest/gtest.h>
#include <wx/frame.h>

#include <memory>
#include <optional>

#include "controls/COM_EXT_LIMStatic.h"
#include "controls/GdiConvert.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/StdAfx.h"
#include "tests/support/ScopedFlag.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"

namespace {

const wxColour FRAME_GREEN{0, 180, 0};
const wxColour GRID_GREEN{21, 100, 21};
const wxColour HANDLE_YELLOW{255, 255, 0};

bool IsNear(const wxColour& a, const wxColour& b)
{
    return std::abs(a.Red() - b.Red()) < 40 && std::abs(a.Green() - b.Green()) < 40 &&
           std::abs(a.Blue() - b.Blue()) < 40;
}

class LimStaticTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitDeviceData();
        m_synced.emplace(g_bSynced, 1);
        m_pData = std::make_unique<CKTV_Data>();
        m_pData->GetOutData(2)->SetLimLevel(300);  // 0 dBu
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "limiter", wxDefaultPosition, wxSize(600, 560));
        new wxWindow(m_pFrame, wxID_ANY, {460, 500}, {20, 20});  // a sole child would fill the frame
        m_pGraph = new CCOM_EXT_LIMStatic;
        m_pGraph->Create(m_pFrame, 2764, wxRect(0, 0, 450, 440));
        m_pFrame->Show();
        ASSERT_TRUE(SettleShown(*m_pFrame));
        m_pGraph->LayoutPlot();
        m_pGraph->SetGraphMode(LIM_GRAPH_MODE);
        m_pGraph->AttachData(m_pData.get());
        m_pGraph->LoadChannel(2);
    }
    void TearDown() override
    {
        m_pFrame->Destroy();
        wxTheApp->ProcessIdle();
        PumpPendingEvents();
    }
    // The dBu pair and the level pair, as the advanced dialog attaches them.
    void AttachFields()
    {
        for (int i = 0; i < 2; ++i) {
            m_pEdit[i] = new CNumEdit;
            m_pEdit[i]->Create(m_pFrame, 2758 + i, wxRect(460, 20 + 40 * i, 60, 20));
            m_pSpin[i] = new CNumSpin;
            m_pSpin[i]->Create(m_pFrame, 2760 + i, wxRect(525, 20 + 40 * i, 16, 20));
            m_pSpin[i]->SetBuddy(m_pEdit[i]);
            m_pSpin[i]->SetRange(0, LIM_LEVEL_MAX);
            m_pSpin[i]->SetPos(300);
        }
        m_pGraph->SetDbuControls(m_pSpin[0], m_pEdit[0]);
        m_pGraph->SetLevelControls(m_pSpin[1], m_pEdit[1]);
    }
    void Mouse(wxEventType type, wxPoint pt)
    {
        wxMouseEvent event(type);
        event.SetPosition(pt);
        event.SetEventObject(m_pGraph);
        m_pGraph->GetEventHandler()->ProcessEvent(event);
    }
    // Press on the handle and drag it to height y.
    void DragHandleTo(int y)
    {
        const Rect h = m_pGraph->GetHandleRect();
        const wxPoint grab(h.left + 3, h.top + 3);
        Mouse(wxEVT_MOTION, grab);
        Mouse(wxEVT_LEFT_DOWN, grab);
        Mouse(wxEVT_MOTION, {grab.x + 30, y});
        Mouse(wxEVT_LEFT_UP, {grab.x + 30, y});
    }
    CKTV_OutData* Out() { return m_pData->GetOutData(2); }

    std::optional<ScopedFlag<std::atomic<int>>> m_synced;  // after InitDeviceData, which clears it
    std::unique_ptr<CKTV_Data> m_pData;
    wxFrame* m_pFrame = nullptr;
    CCOM_EXT_LIMStatic* m_pGraph = nullptr;
    CNumEdit* m_pEdit[2] = {};
    CNumSpin* m_pSpin[2] = {};
};

}  // namespace

TEST_F(LimStaticTest, FrameGridAndTheCurveUpToTheKnee)
{
    const wxImage image = DrawToImage(*m_pGraph);
    EXPECT_EQ(PixelAt(image, 20, 200), FRAME_GREEN);
    EXPECT_EQ(PixelAt(image, 439, 200), FRAME_GREEN);
    EXPECT_EQ(PixelAt(image, 60, 125), GRID_GREEN);   // 0 dB output line
    EXPECT_EQ(PixelAt(image, 220, 60), GRID_GREEN);   // -10 dB input line
    EXPECT_EQ(PixelAt(image, 60, 140), *wxBLACK);
    const wxColour curve = ToWx(g_clrOutRoutes[2]);
    EXPECT_EQ(PixelAt(image, 320, 125), HANDLE_YELLOW);  // the knee at (0 dBu, 0 dBu)
    EXPECT_TRUE(IsNear(PixelAt(image, 170, 274), curve));  // halfway from (20, 423) to the knee
    EXPECT_TRUE(IsNear(PixelAt(image, 400, 125), curve));  // flat after the knee
    EXPECT_EQ(PixelAt(image, 400, 100), *wxBLACK);
}

TEST_F(LimStaticTest, NothingIsDrawnOutsideModeThree)
{
    m_pGraph->SetGraphMode(0);
    wxBitmap bmp(450, 440, 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        m_pGraph->Draw(dc);
    }
    EXPECT_EQ(PixelAt(bmp.ConvertToImage(), 20, 200), *wxWHITE);
}

TEST_F(LimStaticTest, HandleDragWritesTheLevelToTheOutputAndItsFields)
{
    AttachFields();
    DragHandleTo(425 - 120);  // -18 dBu
    EXPECT_EQ(Out()->GetLimLevel(), 120);
    EXPECT_EQ(Out()->GetLimChanged(), 1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(m_pSpin[i]->GetPos(), 120);
        EXPECT_TRUE(m_pEdit[i]->GetHighlight());
    }
    DragHandleTo(-50);  // above the plot: +12 dBu
    EXPECT_EQ(Out()->GetLimLevel(), LIM_LEVEL_MAX);
    const wxImage image = DrawToImage(*m_pGraph);
    EXPECT_EQ(PixelAt(image, 440, 5), HANDLE_YELLOW);
}

TEST_F(LimStaticTest, GraphWithoutFieldsLeavesTheLevelAlone)
{
    Out()->SetLimChanged(0);
    DragHandleTo(100);
    EXPECT_EQ(Out()->GetLimLevel(), 300);
    EXPECT_EQ(Out()->GetLimChanged(), 0);
    EXPECT_EQ(m_pGraph->GetLevel(), 300);
    EXPECT_FALSE(m_pGraph->IsHover());
}

TEST_F(LimStaticTest, RedrawReadsTheLevelSetElsewhere)
{
    Out()->SetLimLevel(0);
    m_pGraph->Redraw();
    const wxImage image = DrawToImage(*m_pGraph);
    EXPECT_EQ(PixelAt(image, 20, 425), HANDLE_YELLOW);  // the knee in the bottom-left corner
}

// The graph of output 3 in both languages and of output 6: each shows its output's curve drawn
// in the output's colour inside the plot, and not the other output's.
TEST_F(LimStaticTest, Screenshots)
{
    const auto curve = [&](int nOutput) {
        Color clr;
        m_pData->GetOutData(nOutput)->GetCurveColor(clr);
        return ToWx(clr);
    };
    const wxRect rcPlot = ToWx(m_pGraph->GetPlotRect());
    for (int chinese : {0, 1}) {
        ScopedFlag<std::atomic<int>> language(g_bChinese, chinese);
        EXPECT_TRUE(SaveScreenshot(DrawToImage(*m_pGraph), std::string("limgraph") + (chinese ? "_cn" : "_en")));
        const wxImage shot = DrawToImage(*m_pGraph);
        EXPECT_TRUE(ShowsColour(shot, rcPlot, curve(2), 0)) << chinese;
    }
    m_pData->GetOutData(5)->SetLimLevel(380);
    m_pGraph->LoadChannel(5);
    const wxImage shot = DrawToImage(*m_pGraph);
    EXPECT_TRUE(SaveScreenshot(shot, "limgraph_output6"));
    EXPECT_TRUE(ShowsColour(shot, rcPlot, curve(5), 0));
    EXPECT_FALSE(ShowsColour(shot, rcPlot, curve(2), 0));
}
