// Repainting the EQ graph of one output while a band is dragged: each mouse move drags the band
// (its response is recomputed), re-sums the channel and draws the plot into a memory bitmap, as
// the paint after Redraw does. Goal: under 4 ms, so the graph follows the mouse at 60 frames a
// second. The same with the curves of two crossover partners (line setting on), and a whole
// repaint with the axes. Needs a display (bench.sh starts Xvfb when there is none).
#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <memory>

#include "bench/WxBenchMain.h"
#include "controls/EqCurveStatic.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/StdAfx.h"

namespace {

const wxSize GRAPH_SIZE{600, 300};

class CGraphFixture {
public:
    CGraphFixture()
    {
        InitDeviceData();
        m_pData = std::make_unique<CKTV_Data>();
        m_pFrame = new wxFrame(nullptr, wxID_ANY, "bench");
        m_pGraph = new CEqCurveStatic;
        m_pGraph->Create(m_pFrame, 4000, wxRect(wxPoint(0, 0), GRAPH_SIZE));
        m_pGraph->AttachData(m_pData.get(), EQ_MODE_OUTPUT);
        m_pGraph->ShowOutputCurve(0);
        m_pGraph->SetCurveMode(EQ_MODE_OUTPUT);
        CKTV_OutData* pOut = m_pData->GetOutData(0);
        for (int i = 0; i < CKTV_OutData::PAGE_BANDS; ++i)
            pOut->GetEQ()->GetAt(i)->SetGainPos(170 + 7 * i);
        m_pBand = pOut->GetEQ()->GetAt(5);
    }
    ~CGraphFixture() { m_pFrame->Destroy(); }

    // Hover and press on band 5's node.
    Point GrabBand()
    {
        const Point centre = m_pBand->GetNodeRect().CenterPoint();
        m_pGraph->MouseMoved(centre);
        m_pGraph->ButtonPressed(centre);
        return centre;
    }

    std::unique_ptr<CKTV_Data> m_pData;
    wxFrame* m_pFrame = nullptr;
    CEqCurveStatic* m_pGraph = nullptr;
    CFilter* m_pBand = nullptr;
};

// With partners, outputs 1 and 2 share output 0's speaker position (tweeter, midrange, woofer
// of the front left): their curves are recomputed and drawn too.
void DragAndRepaint(benchmark::State& state, bool bPartners, bool bWholeGraph)
{
    CGraphFixture f;
    g_nLineSet = bPartners ? 1 : 0;
    for (int i = 0; i < 3; ++i)
        g_roleStates.m_byOutRole[i] = static_cast<BYTE>(bPartners ? 1 + i : 0);
    const Point centre = f.GrabBand();
    wxBitmap bmp(GRAPH_SIZE.x, GRAPH_SIZE.y, 24);
    wxMemoryDC dc(bmp);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        f.m_pGraph->MouseMoved({centre.x + step - 20, centre.y - step});
        if (bWholeGraph)
            f.m_pGraph->Draw(dc);
        else
            f.m_pGraph->DrawPlot(dc);
    }
    f.m_pGraph->ButtonReleased();
}

void BM_DragRepaintOutputPlot(benchmark::State& state)
{
    DragAndRepaint(state, false, false);
}
BENCHMARK(BM_DragRepaintOutputPlot)->Unit(benchmark::kMillisecond);

void BM_DragRepaintOutputPlotWithPartners(benchmark::State& state)
{
    DragAndRepaint(state, true, false);
}
BENCHMARK(BM_DragRepaintOutputPlotWithPartners)->Unit(benchmark::kMillisecond);

void BM_DragRepaintWholeOutputGraph(benchmark::State& state)
{
    DragAndRepaint(state, true, true);
}
BENCHMARK(BM_DragRepaintWholeOutputGraph)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksInWx(argc, argv);
}
