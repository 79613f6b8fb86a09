// Start-up of the whole program: from starting its process to the first paint of the main
// window, and the program's resident memory once the window shows. Goals on the development
// machine: under 0.5 s and under 80 MB. Needs a display (scripts/bench.sh starts Xvfb).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/support/ProgramRun.h"

namespace {
using namespace std::chrono_literals;

// The program keeps its settings in a folder of its own for the run, not the user's.
void UseScratchConfigFolder()
{
    static std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvi-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
        return pattern;
    }();
}

void BM_StartupToMainWindowShown(benchmark::State& state)
{
    UseScratchConfigFolder();
    double dResidentMb = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CProgramRun program(TARVI_PROGRAM, {});
        if (!program.WaitForLine("Main window shown", 30s)) {
            state.SkipWithError("the main window did not show");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        // Memory once the window has settled on the screen.
        std::this_thread::sleep_for(500ms);
        dResidentMb = program.ResidentKb() / 1024.0;
        program.Signal(SIGTERM);
        program.WaitForExit(20s);
    }
    state.counters["resident_MB"] = dResidentMb;
}
BENCHMARK(BM_StartupToMainWindowShown)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
