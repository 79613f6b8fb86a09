// The UI thread's cost of the level and delay page's output meters while status replies arrive
// (about 96 a second from a processor). Goal: under 3 % of a core for the meters, page shown.
// - BM_MetersFollowOneStatusReply: the page in a window, one status reply whose codes change
//   every meter, applied and painted at once; the counter is the share of a core if every reply
//   were painted (an upper bound: the page paints the meters at most 25 times a second).
// - BM_LevelPageOnTheLink/moving: the whole main window on the emulated processor, page 2
//   shown, the program's own event loop running; the processor's meters still (0) or changing
//   at every reply (1). The UI thread's, the process's (link worker and emulator included) and
//   the X server's share of a core, and the replies a second; the meters cost the difference
//   between the two. Each runs three times (median reported): other work on the machine shows.
// - BM_LevelPageOnTheRunningProgram/moving: the program itself, connected over the network to
//   the emulated processor (on a network namespace of its own), page 2 chosen with a click on its
//   selector (xdotool): each thread's share of a core from the scheduler, and the X server's.
// Needs a display (scripts/bench.sh starts Xvfb when there is none).
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <time.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "bench/WxBenchMain.h"
#include "app/HalvekApp.h"
#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "app/ViewIds.h"
#include "controls/TemplateItems.h"
#include "controls/WndMessages.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/KTV_Data.h"
#include "controls/SLamp.h"
#include "pages/Level_Delay_Dlg.h"
#include "pages/Level_Delay_DlgIds.h"
#include "res/Dpi.h"
#include "res/SharedGdi.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/FakePageHost.h"
#include "tests/support/LinkRig.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TransferShown.h"

namespace {
using namespace std::chrono_literals;

constexpr double kRepliesPerSecond = 96.0;
constexpr char kUsbPath[] = "/dev/hidraw-emulated";
constexpr int kViewTemplate = 101;  // the main view's

double UiThreadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU seconds of the X server of this display (Xvfb or Xorg found by name), -1 when not found.
double XServerCpuSeconds()
{
    DIR* pDir = opendir("/proc");
    if (pDir == nullptr)
        return -1;
    double dSeconds = -1;
    const std::string strDisplay = getenv("DISPLAY") ? getenv("DISPLAY") : "";
    while (dirent* pEntry = readdir(pDir)) {
        const std::string strPid = pEntry->d_name;
        if (strPid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream cmd("/proc/" + strPid + "/cmdline");
        std::string strCmd((std::istreambuf_iterator<char>(cmd)), std::istreambuf_iterator<char>());
        for (char& c : strCmd)
            c = c == '\0' ? ' ' : c;
        const bool bServer = strCmd.find("Xvfb") != std::string::npos || strCmd.find("Xorg") != std::string::npos;
        if (!bServer || strCmd.find(strDisplay + " ") == std::string::npos)
            continue;
        std::ifstream stat("/proc/" + strPid + "/stat");
        std::string strStat((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        std::istringstream fields(strStat.substr(strStat.rfind(')') + 2));
        std::string strField;
        long nUser = 0, nSystem = 0;
        for (int i = 3; i <= 15 && fields >> strField; ++i) {
            if (i == 14)
                nUser = std::stol(strField);
            if (i == 15)
                nSystem = std::stol(strField);
        }
        dSeconds = double(nUser + nSystem) / double(sysconf(_SC_CLK_TCK));
        break;
    }
    closedir(pDir);
    return dSeconds;
}

// Meter codes that move like music: every output's bar changes at most replies, an indicator now
// and then.
int MeterCode(unsigned nReply, int nOutput)
{
    const unsigned x = (nReply * 2654435761u) ^ (unsigned(nOutput) * 40503u);
    const int nBar = int((x >> 7) % 10);
    return nBar | ((x & 0x700) == 0x700 ? 0x10 : 0) | (nBar >= 8 ? 0x40 : 0);
}

void PumpEvents()
{
    for (int i = 0; i < 100 && wxTheApp->HasPendingEvents(); ++i)
        wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
}

void BM_MetersFollowOneStatusReply(benchmark::State& state)
{
    InitDeviceData();
    CKTV_Data data;
    CFakePageHost host;
    auto* pFrame = new wxFrame(nullptr, wxID_ANY, "bench");
    auto* pPage = new CLevel_Delay_Dlg(host, data);
    pPage->Create(pFrame);
    pFrame->SetClientSize(pPage->GetSize());
    pFrame->Show();
    pPage->RefreshFromModel();
    std::array<CSLamp*, OUTPUT_CHANNELS> meters{};
    for (int n = 0; n < OUTPUT_CHANNELS; ++n)
        meters[std::size_t(n)] = dynamic_cast<CSLamp*>(pPage->GetDlgItem(Level_Delay_DlgIds::IDC_METER + n));
    pPage->Show();
    PumpEvents();
    unsigned nReply = 0;
    const double dCpuStart = UiThreadCpuSeconds();
    for (auto _ : state) {
        ++nReply;
        for (int n = 0; n < OUTPUT_CHANNELS; ++n)
            meters[std::size_t(n)]->SetLevel(MeterCode(nReply, n));
        pFrame->Update();  // painted now, as if every reply were shown
        PumpEvents();
    }
    const double dCpuPerReply = (UiThreadCpuSeconds() - dCpuStart) / double(state.iterations());
    state.counters["ui_core_pct_at_96_per_s"] = dCpuPerReply * kRepliesPerSecond * 100;
    pFrame->Destroy();
    PumpEvents();
}
BENCHMARK(BM_MetersFollowOneStatusReply)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void BM_LevelPageOnTheLink(benchmark::State& state)
{
    ResetLinkGlobals();
    g_nCurPage = 1;
    g_bOutMapLocked = 0;
    CHalvekDoc doc;
    doc.OnNewDocument();
    CProcessorEmulator emulator;
    CEmulatedHidBackend hid;
    hid.Plug(kUsbPath, emulator);
    CNetOptions netOptions = FastNetOptions();
    netOptions.adapters = [] { return std::vector<NetAdapter>{}; };
    auto* pFrame = new CMainFrame;
    CHalvekView* pView = pFrame->OpenDocument(doc, hid, netOptions, FastLinkTimeouts());
    hid.SetNotifyWnd(GetWndHandle(pView));
    pFrame->Show();
    pView->ConnectUsbPath(kUsbPath);
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!(pView->IsOnline() && g_bSynced && TransferShownOver()) && std::chrono::steady_clock::now() < deadline) {
        PumpEvents();
        std::this_thread::sleep_for(5ms);
    }
    if (!g_bSynced) {
        state.SkipWithError("the view did not connect to the emulated processor");
        pFrame->Destroy();
        return;
    }
    pView->ShowPage(2, 1);

    // The processor's meters move about as often as it is asked for them, or stay.
    std::atomic<bool> bRunning = true;
    const bool bMoving = state.range(0) != 0;
    std::thread meters([&] {
        for (unsigned nReply = 0; bRunning; nReply += bMoving ? 1 : 0) {
            emulator.Edit([nReply](EmuState& s) {
                for (int n = 0; n < OUTPUT_CHANNELS; ++n)
                    s.meters[6 + std::size_t(n)] = std::uint8_t(MeterCode(nReply, n));
            });
            std::this_thread::sleep_for(10ms);
        }
    });

    auto statusReads = [&] {
        std::size_t n = 0;
        for (const EmuRequest& r : emulator.Log())
            n += r.byClass == emu::READ && r.byBlock == emu::BLOCK_SYSTEM && r.byIndex == emu::ITEM_STATUS;
        return n;
    };
    for (auto _ : state) {
        emulator.ClearLog();
        const double dUi = UiThreadCpuSeconds();
        const double dProcess = ProcessCpuSeconds();
        const double dX = XServerCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        wxEventLoop loop;
        wxTimer stop;
        stop.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { loop.Exit(); });
        stop.StartOnce(int(state.range(1)));
        loop.Run();
        const double dWall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(dWall);
        const double dReplies = double(statusReads()) / dWall;
        state.counters["replies_per_s"] = dReplies;
        state.counters["ui_core_pct"] = (UiThreadCpuSeconds() - dUi) / dWall * 100;
        state.counters["process_core_pct"] = (ProcessCpuSeconds() - dProcess) / dWall * 100;
        if (dX >= 0)
            state.counters["x_server_core_pct"] = (XServerCpuSeconds() - dX) / dWall * 100;
    }
    bRunning = false;
    meters.join();
    pView->ShutDownLink();
    pFrame->Destroy();
    PumpEvents();
    ResetLinkGlobals();
}
BENCHMARK(BM_LevelPageOnTheLink)
    ->ArgsProduct({{0, 1}, {8000}})
    ->ArgNames({"moving", "ms"})
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The centre of the main view's level-page selector, in the main window's client coordinates.
wxPoint LevelPageSelector()
{
    CTemplateItems items(kViewTemplate);
    items.UseTemplateFont();
    const wxRect rc = items.ItemRect(IDC_PAGE_LEVEL);
    return {rc.x + rc.width / 2, rc.y + rc.height / 2};
}

void BM_LevelPageOnTheRunningProgram(benchmark::State& state)
{
    constexpr auto MEASURED = 15s;
    const std::string strUnshare = NetworkNamespaceRunner();
    if (strUnshare.empty() || std::system("command -v xdotool >/dev/null") != 0) {
        state.SkipWithError("this machine lets no network namespace be made, or has no xdotool");
        return;
    }
    setenv("TARVI_PROCESSOR_METERS", state.range(0) ? "moving" : "still", 1);
    for (auto _ : state) {
        CProgramRun program(strUnshare, {"-rn", TARVI_PROCESSOR_ON_NETWORK, TARVI_PROGRAM}, false);
        const pid_t pid = program.WaitForLine("Processor: meters polled", 60s) ? ChildOf(program.Pid()) : 0;
        const wxPoint selector = LevelPageSelector();
        if (pid <= 0 || !ClickInWindowOf(pid, selector.x, selector.y)) {
            state.SkipWithError("the program did not connect, or its level page could not be chosen");
            break;
        }
        std::this_thread::sleep_for(1s);
        const ThreadTimes before = ThreadCpuSeconds(pid);
        const double dX = XServerCpuSeconds();
        std::this_thread::sleep_for(MEASURED);
        const ThreadTimes after = ThreadCpuSeconds(pid);
        const double dXAfter = XServerCpuSeconds();
        program.Signal(SIGTERM);
        program.WaitForExit(20s);
        state.SetIterationTime(std::chrono::duration<double>(MEASURED).count());
        double dTotal = 0;
        for (const auto& [strName, dSeconds] : after) {
            const auto it = before.find(strName);
            const double dPercent = 100.0 * (dSeconds - (it != before.end() ? it->second : 0)) / MEASURED.count();
            dTotal += dPercent;
            if (strName == "UI" || strName == "link worker")
                state.counters[strName + " %"] = dPercent;
        }
        state.counters["process %"] = dTotal;
        if (dX >= 0)
            state.counters["x_server %"] = (dXAfter - dX) / MEASURED.count() * 100;
    }
    unsetenv("TARVI_PROCESSOR_METERS");
}
BENCHMARK(BM_LevelPageOnTheRunningProgram)
    ->ArgName("moving")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    UseFreshConfigFolder();
    UseFixedDpi();
    return RunBenchmarksInWx(
        argc, argv,
        [] {
            InstallWindowMessagePoster();
            CreateSharedGdiObjects();
            SendIdleEventsOnlyWhereAsked();  // as the program does at start-up
        },
        DestroySharedGdiObjects);
}
