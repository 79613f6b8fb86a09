// The whole program. Start-up: from starting its process to the first paint of the main window,
// and the program's resident memory once the window shows; goals on the development machine:
// under 0.5 s and under 80 MB. Idle: the CPU time of each of its threads while it is connected to
// the emulated processor playing music (its meters move at every poll) and shows the output page;
// goal: under 1 % of one core for the whole process. TARVI_PROCESSOR_METERS=still in the
// environment keeps the meters still instead. Needs a display (scripts/bench.sh starts Xvfb).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
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

// The program connected over the network to the emulated processor (on a network namespace of
// its own), idle: 20 s of meter polling with the output page shown.
void BM_IdleConnectedProgram(benchmark::State& state)
{
    constexpr auto IDLE = 20s;
    UseScratchConfigFolder();
    setenv("TARVI_PROCESSOR_METERS", "moving", 0);
    const std::string strUnshare = NetworkNamespaceRunner();
    if (strUnshare.empty()) {
        state.SkipWithError("this machine lets no network namespace be made");
        return;
    }
    for (auto _ : state) {
        CProgramRun program(strUnshare, {"-rn", TARVI_PROCESSOR_ON_NETWORK, TARVI_PROGRAM}, false);
        const pid_t pid = program.WaitForLine("Processor: meters polled", 60s) ? ChildOf(program.Pid()) : 0;
        if (pid <= 0) {
            state.SkipWithError("the program did not connect");
            break;
        }
        const ThreadTimes before = ThreadCpuSeconds(pid);
        std::this_thread::sleep_for(IDLE);
        const ThreadTimes after = ThreadCpuSeconds(pid);
        program.Signal(SIGTERM);
        program.WaitForExit(20s);
        state.SetIterationTime(std::chrono::duration<double>(IDLE).count());

        double dTotal = 0, dOther = 0;
        for (const auto& [strName, dSeconds] : after) {
            const auto it = before.find(strName);
            const double dPercent = 100.0 * (dSeconds - (it != before.end() ? it->second : 0)) / IDLE.count();
            dTotal += dPercent;
            if (strName == "UI" || strName == "link worker" || strName == "link check")
                state.counters[strName + " %"] = dPercent;
            else
                dOther += dPercent;
        }
        state.counters["other threads %"] = dOther;
        state.counters["process %"] = dTotal;
        std::size_t nPolls = 0;
        double dSpan = 0;
        const std::size_t nAt = program.Output().rfind("Processor: ");
        if (nAt != std::string::npos &&
            std::sscanf(program.Output().c_str() + nAt, "Processor: %zu meter polls in %lf s", &nPolls, &dSpan) == 2)
            state.counters["polls/s"] = static_cast<double>(nPolls) / dSpan;
    }
}
BENCHMARK(BM_IdleConnectedProgram)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
}  // namespace

BENCHMARK_MAIN();
