// Response curves: one band's 241 points, a 33-band channel's sum, and the work of one mouse
// move while a band is dragged in the EQ graph (recompute the band, re-sum, convert to plot
// points). The drag path must stay well under 0.1 ms so dragging is fluid on a slow laptop.
#include <benchmark/benchmark.h>

#include "model/KTVEQ.h"

namespace {

constexpr Rect PLOT{0, 0, 600, 240};

void BM_PeakBandResponse(benchmark::State& state)
{
    CFilter band;
    band.SetGraphRect(PLOT);
    band.SetGainPos(260);
    for (auto _ : state) {
        band.UpdateResponse();
        benchmark::DoNotOptimize(band.GetResponse());
    }
}
BENCHMARK(BM_PeakBandResponse);

// The costliest band: four sections.
void BM_Crossover48dBResponse(benchmark::State& state)
{
    CFilter band;
    band.SetType(FILTER_LPF);
    band.SetShowHandles(false);
    band.SetAlign(ALIGN_LINKWITZ_RILEY, false);
    band.SetSlope(SLOPE_48DB, false);
    band.SetGraphRect(PLOT);
    band.SetFreq(2000, false);
    for (auto _ : state) {
        band.UpdateResponse();
        benchmark::DoNotOptimize(band.GetResponse());
    }
}
BENCHMARK(BM_Crossover48dBResponse);

void InitChannel(CKTVEQ& eq)
{
    eq.InitOutBands(30, 32, 9, 20, 20000);
    eq.SetGraphRect(PLOT);
    for (int i = 0; i < 31; ++i)
        eq.GetAt(i)->SetGainPos(150 + 3 * i);
    eq.GetHPF()->SetSlope(SLOPE_24DB, false);
    eq.GetHPF()->SetFreq(80, false);
    eq.GetLPF()->SetSlope(SLOPE_24DB, false);
    eq.GetLPF()->SetFreq(12000, false);
}

void BM_SumChannel33Bands(benchmark::State& state)
{
    CKTVEQ eq;
    InitChannel(eq);
    for (auto _ : state) {
        eq.UpdateCurve();
        benchmark::DoNotOptimize(eq.GetPoints());
    }
}
BENCHMARK(BM_SumChannel33Bands);

void BM_DragOneBand(benchmark::State& state)
{
    CKTVEQ eq;
    InitChannel(eq);
    CFilter& band = *eq.GetAt(12);
    band.BeginNodeDrag(band.GetNodeRect().CenterPoint());
    int x = 100;
    for (auto _ : state) {
        x = x == 100 ? 400 : 100;  // every move changes frequency and gain
        band.DragNode({x + PLOT_LEFT, x / 4 + PLOT_TOP});
        eq.UpdateCurve();
        benchmark::DoNotOptimize(eq.GetPoints());
    }
}
BENCHMARK(BM_DragOneBand);

}  // namespace

BENCHMARK_MAIN();
