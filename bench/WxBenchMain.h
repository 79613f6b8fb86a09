#pragma once
// The main of a benchmark that draws with wx: Google Benchmark's flags are taken, wx is started
// without a main window, the benchmarks run between the caller's start and stop steps, and wx is
// taken down again.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <functional>

class CBenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

inline int RunBenchmarksInWx(int argc, char** argv, const std::function<void()>& start = {},
                             const std::function<void()>& stop = {})
{
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new CBenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    if (start)
        start();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (stop)
        stop();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
