// The output page as a user drives it: choosing another output (the page shows it: strips,
// bands, crossover, plan, graph) and switching from another page to the output page, each with a
// full repaint of the page (its ground and every control drawn). Goal: under 20 ms each, so
// the page follows a click at once. Needs a display (bench.sh starts Xvfb when there is none).
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/dcmemory.h>

#include <vector>

#include "bench/WxBenchMain.h"
#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "controls/DrawnControl.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/StdAfx.h"
#include "pages/OutputDlg.h"
#include "res/Dpi.h"
#include "res/SharedGdi.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/LinkRig.h"
#include "tests/support/TestEnvironment.h"

namespace {

// Draws every shown drawn control of pWnd, and theirs, into dc at its place.
void DrawChildren(wxDC& dc, wxWindow* pWnd, const wxPoint& origin)
{
    for (wxWindow* pChild : pWnd->GetChildren()) {
        if (!pChild->IsShown())
            continue;
        const wxPoint at = origin + pChild->GetPosition();
        if (auto* pCtrl = dynamic_cast<CDrawnControl*>(pChild)) {
            dc.SetDeviceOrigin(at.x, at.y);
            pCtrl->Draw(dc);
        }
        DrawChildren(dc, pChild, at);
    }
    dc.SetDeviceOrigin(0, 0);
}

// The page's ground and all its controls, as a full repaint draws them.
void RepaintWhole(COutputDlg& page, wxBitmap& bmp)
{
    wxMemoryDC dc(bmp);
    dc.DrawBitmap(page.GetSkinBackground(), 0, 0);
    DrawChildren(dc, &page, wxPoint(0, 0));
}

class CViewFixture {
public:
    CViewFixture()
    {
        g_nCurPage = 1;
        g_bOutMapLocked = 0;
        m_doc.OnNewDocument();
        CNetOptions options = FastNetOptions();
        options.adapters = [] { return std::vector<NetAdapter>{}; };
        m_pFrame = new CMainFrame;
        m_pView = m_pFrame->OpenDocument(m_doc, m_hid, options, FastLinkTimeouts());
        m_pFrame->Show();
        // Every output with bands of its own, so each switch shows other values.
        for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
            CKTV_OutData& out = *m_pView->m_pData->GetOutData(i);
            for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
                out.GetBand(k)->SetGainPos(140 + (i * 13 + k * 17) % 120);
            out.SetGraphicEQ(i % 3 == 2 ? 1 : 0);
        }
        m_pView->RefreshOutputPage();
        m_bmp = wxBitmap(m_pView->m_pageOutput->GetSize(), 24);
    }
    ~CViewFixture()
    {
        m_pFrame->Destroy();
        wxTheApp->ProcessIdle();
    }

    CHalvekDoc m_doc;
    CEmulatedHidBackend m_hid;
    CMainFrame* m_pFrame = nullptr;
    CHalvekView* m_pView = nullptr;
    wxBitmap m_bmp;
};

void BM_SwitchShownOutput(benchmark::State& state)
{
    CViewFixture f;
    COutputDlg& page = *f.m_pView->m_pageOutput;
    int nOutput = 0;
    for (auto _ : state) {
        nOutput = (nOutput + 1) % 6;
        page.OnSelectChannel(nOutput);
        RepaintWhole(page, f.m_bmp);
    }
}
BENCHMARK(BM_SwitchShownOutput)->Unit(benchmark::kMillisecond);

void BM_SwitchToTheOutputPage(benchmark::State& state)
{
    CViewFixture f;
    for (auto _ : state) {
        state.PauseTiming();
        f.m_pView->ShowPage(2, 1);
        state.ResumeTiming();
        f.m_pView->ShowPage(1, 1);
        RepaintWhole(*f.m_pView->m_pageOutput, f.m_bmp);
    }
}
BENCHMARK(BM_SwitchToTheOutputPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // The view reads and writes its settings: in a folder of the run's own.
    UseFreshConfigFolder();
    UseFixedDpi();
    return RunBenchmarksInWx(
        argc, argv,
        [] {
            InstallWindowMessagePoster();
            CreateSharedGdiObjects();
            InitDeviceData();
        },
        DestroySharedGdiObjects);
}
