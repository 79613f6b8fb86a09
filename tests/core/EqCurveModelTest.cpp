#include <gtest/gtest.h>

#include "controls/EqCurveModel.h"
#include "model/DataDefine.h"
#include "model/KTVEQ.h"
#include "model/StdAfx.h"
#include "tests/support/ScopedFlag.h"

namespace {

// A 600 x 300 graph: the plot is 550 x 270 px from (40, 10).
constexpr Rect PLOT{40, 10, 590, 280};

class EqCurveModel : public testing::Test {
protected:
    void SetUp() override
    {
        m_out.InitOutBands(30, 32, 0, 100, 8000);
        m_out.SetGraphRect(PLOT);
        m_music.InitMusicBands(30, 31, 20000);
        m_music.SetGraphRect(PLOT);
        m_graph.LayoutGrid(600, 300);
        m_graph.ShowBands(&m_out, EQ_MODE_OUTPUT, EQ_SOURCE_OUTPUT + 2);
    }
    static Point Centre(const CFilter* pBand) { return pBand->GetNodeRect().CenterPoint(); }
    // Hover then press on a point.
    void Grab(Point pt)
    {
        m_graph.MouseMoved(pt);
        m_graph.ButtonPressed(pt);
    }

    ScopedFlag<std::atomic<int>> m_synced{g_bSynced, 1};
    CKTVEQ m_out;
    CKTVEQ m_music;
    CEqCurveModel m_graph;
};

}  // namespace

TEST_F(EqCurveModel, LayoutOfA600By300Graph)
{
    EXPECT_EQ(m_graph.GetPlotRect(), PLOT);
    EXPECT_EQ(m_graph.GainY(0), 145);
    const int gridY[] = {43, 77, 111, 145, 178, 212, 246, 280};
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(m_graph.GetGridY(k), gridY[k - 1]) << k;
    EXPECT_EQ(m_graph.GetGridX(0), 40);
    EXPECT_EQ(m_graph.GetGridX(17), m_graph.FreqX(1000));
    EXPECT_EQ(m_graph.GetGridX(26), m_graph.FreqX(10000));
    EXPECT_EQ(m_graph.FreqX(20000), 40 + 549);  // three decades of 183 px

    struct Expected {
        const char* text;
        Point pt;
        bool bDim;
    };
    const Expected expected[] = {{"+12", {6, 5}, true},   {"+9", {6, 36}, true},
                                 {"0dB", {6, 135}, true}, {"-12", {6, 270}, true},
                                 {"20", {30, 280}, false}, {"1K", {m_graph.FreqX(1000) - 8, 280}, false},
                                 {"20K", {m_graph.FreqX(20000) - 15, 280}, false}};
    const auto labels = m_graph.GetAxisLabels();
    EXPECT_EQ(labels.size(), 9u + 1 + 17);
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text);
        auto it = std::find_if(labels.begin(), labels.end(), [&](const GraphLabel& l) { return l.strText == e.text; });
        ASSERT_NE(it, labels.end());
        EXPECT_EQ(it->pt, e.pt);
        EXPECT_EQ(it->bDim, e.bDim);
    }
}

TEST_F(EqCurveModel, HoverPicksOnlyTheEditableBands)
{
    // Output: elements 0-9 and the crossovers 31 and 32; the hidden bands 10-30 are never hit.
    EXPECT_TRUE(m_graph.MouseMoved(Centre(m_out.GetAt(5))));
    EXPECT_EQ(m_graph.m_pActive, m_out.GetAt(5));
    EXPECT_EQ(m_graph.GetBand(), 5);
    EXPECT_EQ(m_graph.GetCursorKind(), EqCursor::Move);

    EXPECT_FALSE(m_graph.MouseMoved({300, 40}));  // off every node: the band stays active
    EXPECT_EQ(m_graph.m_pActive, m_out.GetAt(5));
    EXPECT_FALSE(m_graph.IsHover());
    EXPECT_EQ(m_graph.GetCursorKind(), EqCursor::Arrow);

    EXPECT_FALSE(m_graph.MouseMoved(Centre(m_out.GetAt(22))));
    EXPECT_EQ(m_graph.GetBand(), 5);

    EXPECT_TRUE(m_graph.MouseMoved(Centre(m_out.GetAt(32))));
    EXPECT_EQ(m_graph.GetBand(), 32);
    EXPECT_EQ(m_graph.GetCursorKind(), EqCursor::SizeWE);
    m_graph.MouseMoved({300, 40});  // a crossover is forgotten when the pointer leaves it
    EXPECT_EQ(m_graph.m_pActive, nullptr);

    // Music input: elements 0-9 only, so its crossovers cannot be picked.
    m_graph.ShowBands(&m_music, EQ_MODE_MUSIC, 4);
    EXPECT_TRUE(m_graph.MouseMoved(Centre(m_music.GetAt(9))));
    EXPECT_EQ(m_graph.GetBand(), 9);
    for (int i : {10, 14, 31, 32}) {
        m_graph.m_pActive = nullptr;
        EXPECT_FALSE(m_graph.MouseMoved(Centre(m_music.GetAt(i)))) << i;
        EXPECT_EQ(m_graph.m_pActive, nullptr) << i;
    }

    // No tracking in the grid mode or outside view modes 1 and 2.
    m_graph.SetCurveMode(EQ_MODE_GRID);
    EXPECT_FALSE(m_graph.MouseMoved(Centre(m_music.GetAt(2))));
    m_graph.SetCurveMode(EQ_MODE_MUSIC);
    ScopedFlag<int> viewMode(g_nViewMode, 0);
    EXPECT_FALSE(m_graph.MouseMoved(Centre(m_music.GetAt(2))));
    EXPECT_EQ(m_graph.m_pActive, nullptr);
}

TEST_F(EqCurveModel, NodeDragChangesTheBandAndTellsTheOwnerOncePerTick)
{
    CFilter* pBand = m_out.GetAt(5);  // 1000 Hz
    const Point press = Centre(pBand);
    Grab(press);
    EXPECT_FALSE(m_graph.NotifyDue());  // a press alone changes nothing

    // Straight up, twice within one tick: the frequency stays exactly, one notification.
    EXPECT_TRUE(m_graph.MouseMoved({press.x, press.y - 20}));
    EXPECT_TRUE(m_graph.MouseMoved({press.x, press.y - 45}));
    EXPECT_EQ(pBand->GetFreq(), 1000);
    EXPECT_GT(pBand->GetGain(), 3.5);
    EXPECT_EQ(pBand->GetChanged(), 1);
    EXPECT_TRUE(m_graph.NotifyDue());
    EXPECT_FALSE(m_graph.NotifyDue());
    EXPECT_FALSE(m_graph.MouseMoved({press.x, press.y - 45}));  // no change, no notification
    EXPECT_FALSE(m_graph.NotifyDue());

    EXPECT_TRUE(m_graph.MouseMoved({press.x + 100, 300}));  // past the plot: limited to -12 dB
    EXPECT_GT(pBand->GetFreq(), 1000);
    EXPECT_DOUBLE_EQ(pBand->GetGain(), -12.0);
    EXPECT_TRUE(m_graph.NotifyDue());

    m_graph.ButtonReleased();
    EXPECT_FALSE(pBand->m_bDragNode);
    for (int tick = 0; tick < 3; ++tick)  // repeated until the page clears the released flag
        EXPECT_TRUE(m_graph.NotifyDue());
    m_graph.m_bButtonUp = 0;
    EXPECT_FALSE(m_graph.NotifyDue());
    EXPECT_EQ(m_graph.GetBand(), 5);
    EXPECT_EQ(m_graph.GetSourceCode(), EQ_SOURCE_OUTPUT + 2);

    // A later move does not drag any more.
    const int freq = pBand->GetFreq();
    m_graph.MouseMoved({press.x - 100, 100});
    EXPECT_EQ(pBand->GetFreq(), freq);
}

TEST_F(EqCurveModel, PressOffEveryNodeStartsNoDrag)
{
    std::vector<std::pair<int, int>> before;
    for (int i = 0; i < m_out.GetSize(); ++i)
        before.emplace_back(m_out.GetAt(i)->GetFreq(), m_out.GetAt(i)->GetGainPos());
    m_graph.ButtonPressed({300, 40});
    m_graph.MouseMoved({320, 60});
    m_graph.ButtonReleased();
    for (int i = 0; i < m_out.GetSize(); ++i)
        EXPECT_EQ(before[i], std::make_pair(m_out.GetAt(i)->GetFreq(), m_out.GetAt(i)->GetGainPos())) << i;
    EXPECT_TRUE(m_graph.NotifyDue());  // the release alone repeats band 0 until cleared
    EXPECT_EQ(m_graph.GetBand(), 0);
}

TEST_F(EqCurveModel, BandwidthHandlesOfAParametricBand)
{
    CFilter* pBand = m_out.GetAt(5);
    pBand->SetGainPos(260);
    m_graph.MouseMoved(Centre(pBand));
    EXPECT_TRUE(m_graph.ShowsHandles());
    const Point handle = pBand->GetRightRect().CenterPoint();
    m_graph.MouseMoved(handle);
    EXPECT_TRUE(pBand->m_bOverRight);
    EXPECT_FALSE(pBand->m_bOverNode);
    EXPECT_EQ(m_graph.GetCursorKind(), EqCursor::SizeWE);

    m_graph.ButtonPressed(handle);
    EXPECT_TRUE(pBand->m_bDragRight);
    const double before = pBand->GetBandwidth();
    EXPECT_TRUE(m_graph.MouseMoved({handle.x + 60, handle.y + 50}));
    EXPECT_GT(pBand->GetBandwidth(), before);
    EXPECT_EQ(pBand->GetFreq(), 1000);
    EXPECT_TRUE(m_graph.NotifyDue());
    m_graph.ButtonReleased();
    EXPECT_FALSE(pBand->m_bDragRight);
    EXPECT_FALSE(pBand->m_bOverRight);

    // A shelf shows no handles and its handle squares cannot be dragged.
    CFilter* pShelf = m_out.GetAt(0);
    pShelf->SetEqTypeCode(EQTYPE_LOW_SHELF_6DB);
    m_graph.MouseMoved(Centre(pShelf));
    EXPECT_FALSE(m_graph.ShowsHandles());
    const Point shelfHandle = pShelf->GetRightRect().CenterPoint();
    m_graph.MouseMoved(shelfHandle);
    m_graph.ButtonPressed(shelfHandle);
    EXPECT_FALSE(pShelf->m_bDragRight);
    m_graph.ButtonReleased();
}

TEST_F(EqCurveModel, GraphicEqDragsOnlyTheGain)
{
    CFilter* pBand = m_out.GetAt(3);
    pBand->SetGraphicEQ(true);
    const Point press = Centre(pBand);
    m_graph.MouseMoved(press);
    EXPECT_EQ(m_graph.GetCursorKind(), EqCursor::SizeNS);
    EXPECT_FALSE(m_graph.ShowsHandles());
    m_graph.ButtonPressed(press);
    EXPECT_TRUE(m_graph.MouseMoved({press.x + 80, press.y - 60}));
    EXPECT_EQ(pBand->GetFreq(), 250);
    EXPECT_GT(pBand->GetGain(), 5.0);
    // The handle squares are skipped: over the right one the band is not resized.
    m_graph.ButtonReleased();
    m_graph.MouseMoved(pBand->GetRightRect().CenterPoint());
    EXPECT_FALSE(pBand->m_bOverRight);
}

TEST_F(EqCurveModel, CrossoverDragStaysOnItsSideOfTheOther)
{
    CFilter* pHpf = m_out.GetHPF();
    const Point press = Centre(pHpf);
    Grab(press);
    EXPECT_TRUE(pHpf->m_bDragNode);
    m_graph.MouseMoved({press.x, press.y - 30});  // sideways only
    EXPECT_EQ(pHpf->GetFreq(), 100);
    EXPECT_FALSE(m_graph.NotifyDue());
    EXPECT_TRUE(m_graph.MouseMoved({press.x + 90, press.y}));
    EXPECT_GT(pHpf->GetFreq(), 100);
    EXPECT_TRUE(m_graph.NotifyDue());
    m_graph.MouseMoved({580, press.y});  // cannot pass the low-pass at 8000 Hz
    EXPECT_EQ(pHpf->GetFreq(), 8000);
    EXPECT_TRUE(m_graph.IsHover());
    m_graph.ButtonReleased();
    EXPECT_EQ(m_graph.GetBand(), 31);

    CFilter* pLpf = m_out.GetLPF();
    pLpf->SetFreq(12000, false);
    pHpf->SetFreq(300, false);
    const Point lpfPress = Centre(pLpf);
    m_graph.m_pActive = nullptr;
    Grab(lpfPress);
    m_graph.MouseMoved({45, lpfPress.y});
    EXPECT_EQ(pLpf->GetFreq(), 300);
    m_graph.ButtonReleased();
}

TEST_F(EqCurveModel, NumbersByModeAndTheirPlaceInTheNode)
{
    struct Case {
        int nMode;
        int nViewMode;
        std::vector<int> shown;
        std::vector<int> hidden;
    };
    const Case cases[] = {{EQ_MODE_OUTPUT, 1, {0, 9, 31, 32}, {10, 20, 30}},
                          {EQ_MODE_MUSIC, 1, {0, 14}, {15, 30, 31, 32}},
                          {EQ_MODE_MUSIC, 2, {0, 15, 31, 32}, {}},
                          {EQ_MODE_MIC, 1, {0, 10}, {}},
                          {EQ_MODE_GRID, 1, {}, {0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.nMode << " view " << c.nViewMode);
        ScopedFlag<int> viewMode(g_nViewMode, c.nViewMode);
        m_graph.SetCurveMode(c.nMode);
        for (int i : c.shown)
            EXPECT_TRUE(m_graph.IsNumberShown(i)) << i;
        for (int i : c.hidden)
            EXPECT_FALSE(m_graph.IsNumberShown(i)) << i;
    }
    EXPECT_EQ(CEqCurveModel::GetNumberText(*m_out.GetAt(4), 4), "5");
    EXPECT_EQ(CEqCurveModel::GetNumberText(*m_out.GetHPF(), 31), "H");
    EXPECT_EQ(CEqCurveModel::GetNumberText(*m_out.GetLPF(), 32), "L");

    CFilter* pBand = m_out.GetAt(0);
    const std::pair<int, EqTextAlign> aligns[] = {
        {20, EqTextAlign::Right}, {1000, EqTextAlign::Centre}, {19999, EqTextAlign::Left}, {20000, EqTextAlign::Left}};
    for (auto [freq, align] : aligns) {
        pBand->SetFreq(freq, false);
        EXPECT_EQ(m_graph.GetNumberAlign(*pBand), align) << freq;
    }
}

TEST_F(EqCurveModel, SelectionLastsUntilTheMouseRepaints)
{
    m_graph.SetSelected(3);
    EXPECT_EQ(m_graph.GetHighlightBand(), m_out.GetAt(3));
    m_graph.SetSelected(40);  // beyond the set: nothing highlighted
    EXPECT_EQ(m_graph.GetHighlightBand(), nullptr);
    m_graph.SetSelected(31);
    EXPECT_EQ(m_graph.GetHighlightBand(), m_out.GetHPF());
    EXPECT_TRUE(m_graph.MouseMoved(Centre(m_out.GetAt(7))));
    EXPECT_EQ(m_graph.GetSelected(), -1);
    EXPECT_EQ(m_graph.GetHighlightBand(), m_out.GetAt(7));
    m_graph.ShowBands(&m_music, EQ_MODE_MUSIC, 0);  // showing another channel forgets the band
    EXPECT_EQ(m_graph.GetHighlightBand(), nullptr);
}
