// Building each kind of command frame, from the images into a new frame object.
#include <benchmark/benchmark.h>

#include "model/CommandFrame.h"
#include "model/DataDefine.h"

namespace {

template <typename Build>
void BuildLoop(benchmark::State& state, Build build)
{
    InitDeviceData();
    for (auto _ : state) {
        auto pFrame = build();
        benchmark::DoNotOptimize(pFrame->GetBuffer());
    }
}

void BM_WriteGroupOutput(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteGroupFrame(BLOCK_OUTPUT, 3, 5); }); }
void BM_WriteGroupMusic(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteGroupFrame(BLOCK_MUSIC, 2, 31); }); }
void BM_MeterPoll(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteGroupFrame(GROUP_METER_POLL, 0, 0); }); }
void BM_WriteBlockOutput(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteBlockFrame(0, BLOCK_OUTPUT, 7, 1, 0); }); }
void BM_WriteBlockMusic(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteBlockFrame(2, BLOCK_MUSIC, 5, 0, 1); }); }
void BM_WriteBlockMic(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteBlockFrame(0, BLOCK_MIC, 0, 1, 0); }); }
void BM_WriteBlockEffect(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteBlockFrame(21, BLOCK_EFFECT, 0, 0, 0); }); }
void BM_ReadBlock(benchmark::State& s) { BuildLoop(s, [] { return MakeReadFrame(3, BLOCK_OUTPUT, 5, 0, 1); }); }
void BM_ReadSystemItem(benchmark::State& s) { BuildLoop(s, [] { return MakeReadSystemFrame(SYS_VERSION, 0); }); }
void BM_WriteName(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteSystemFrame(SYS_PRESET_NAME, 4); }); }
void BM_WriteMaster(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteSystemFrame(SYS_MASTER, 0); }); }
void BM_WriteCurPreset(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteSystemFrame(SYS_CUR_PRESET, 0); }); }
void BM_WriteModeTable(benchmark::State& s) { BuildLoop(s, [] { return MakeWriteSystemFrame(SYS_MODE_TABLE, 0); }); }

}  // namespace

BENCHMARK(BM_WriteGroupOutput);
BENCHMARK(BM_WriteGroupMusic);
BENCHMARK(BM_MeterPoll);
BENCHMARK(BM_WriteBlockOutput);
BENCHMARK(BM_WriteBlockMusic);
BENCHMARK(BM_WriteBlockMic);
BENCHMARK(BM_WriteBlockEffect);
BENCHMARK(BM_ReadBlock);
BENCHMARK(BM_ReadSystemItem);
BENCHMARK(BM_WriteName);
BENCHMARK(BM_WriteMaster);
BENCHMARK(BM_WriteCurPreset);
BENCHMARK(BM_WriteModeTable);
BENCHMARK_MAIN();
