// The output page as a user meets it, in the main window on the display: a click on a strip's
// heading shows another output (strips, bands, crossover, plan, graph), and a click on the page
// selector brings the output page from the level page. Each is timed from the click to the end of
// the window's paint pass: the toolkit paints every region the click invalidated and the display
// server has drawn it. Goal: under 20 ms each, so the page follows a click at once. Needs a
// display (bench.sh starts Xvfb when there is none).
#include <benchmark/benchmark.h>
#include <gtk/gtk.h>
#include <wx/app.h>

#include <chrono>
#include <thread>
#include <vector>

#include "bench/WxBenchMain.h"
#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "app/ViewIds.h"
#include "controls/ControlIds.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/StdAfx.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlg.h"
#include "res/Dpi.h"
#include "res/SharedGdi.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/LinkRig.h"
#include "tests/support/TestEnvironment.h"

namespace {

// A press and a release of the left button over the window, as a click delivers them.
void ClickOn(wxWindow* pWnd)
{
    for (const wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(3, 3));
        event.m_leftDown = type == wxEVT_LEFT_DOWN;
        event.SetEventObject(pWnd);
        pWnd->GetEventHandler()->ProcessEvent(event);
    }
    wxTheApp->ProcessPendingEvents();
}

// The paint pass that follows a click: every invalidated region of the window painted, then a
// round trip so the display server has drawn it all.
void PaintPass(wxWindow& frame)
{
    frame.Update();
    gdk_display_sync(gdk_display_get_default());
}

// Runs the event loop for a while, so the window is mapped and drawn before timing starts.
void Settle(int nMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMs);
    while (std::chrono::steady_clock::now() < end) {
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
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
        Settle(500);
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
};

void BM_SwitchShownOutput(benchmark::State& state)
{
    CViewFixture f;
    COutputDlg& page = *f.m_pView->m_pageOutput;
    int nOutput = 0;
    for (auto _ : state) {
        nOutput = (nOutput + 1) % 6;
        ClickOn(page.GetStrip(nOutput)->GetDlgItem(OutRoute_DlgIds::IDC_SELECT));
        PaintPass(*f.m_pFrame);
    }
}
BENCHMARK(BM_SwitchShownOutput)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SwitchToTheOutputPage(benchmark::State& state)
{
    CViewFixture f;
    for (auto _ : state) {
        state.PauseTiming();
        ClickOn(f.m_pView->GetDlgItem(IDC_PAGE_LEVEL));
        PaintPass(*f.m_pFrame);
        state.ResumeTiming();
        ClickOn(f.m_pView->GetDlgItem(IDC_PAGE_OUTPUT));
        PaintPass(*f.m_pFrame);
    }
}
BENCHMARK(BM_SwitchToTheOutputPage)->Unit(benchmark::kMillisecond)->UseRealTime();

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
