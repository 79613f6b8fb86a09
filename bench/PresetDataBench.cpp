// The whole preset: packing it into the live image, unpacking a received image, and the link
// worker's next-frame choice when nothing has changed (every idle pass, about 200 a second).
#include <benchmark/benchmark.h>

#include "model/KTV_Data.h"

namespace {

void BM_PackAll(benchmark::State& state)
{
    InitDeviceData();
    CKTV_Data data;
    for (auto _ : state) {
        data.PackAll();
        benchmark::ClobberMemory();
    }
}

void BM_LoadFromDevice(benchmark::State& state)
{
    InitDeviceData();
    CKTV_Data data;
    data.PackAll();
    PresetImage image = g_liveImage;
    for (auto _ : state) {
        data.LoadFromDevice(image, 0);
        benchmark::ClobberMemory();
    }
}

void BM_NextChangedFrameIdle(benchmark::State& state)
{
    InitDeviceData();
    CKTV_Data data;
    g_bSynced = 1;
    for (auto _ : state) {
        auto pFrame = data.GetNextChangedFrame();
        benchmark::DoNotOptimize(pFrame->GetBuffer());
    }
    g_bSynced = 0;
}

}  // namespace

BENCHMARK(BM_PackAll);
BENCHMARK(BM_LoadFromDevice);
BENCHMARK(BM_NextChangedFrameIdle);
BENCHMARK_MAIN();
