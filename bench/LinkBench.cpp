// The link worker against the processor emulator over TCP on 127.0.0.1. The design allows one
// transaction per worker pass: the round trip of the frame plus the 5 ms pause between passes.
// Each benchmark reports its figure as a ratio to that limit (goal: at least 0.9). The idle cost
// of the worker, with the program's real messages to its window, is measured on the whole
// program (StartupBench.cpp).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "link/PresetBatch.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "platform/MessageIds.h"
#include "platform/TcpClient.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageRecorder.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

namespace {

const CLinkTimeouts g_timeouts;  // the real limits

// The frames the main view reads back after a connection: the six stored names, five device-state
// items, then the current preset's 14 blocks.
std::vector<std::unique_ptr<CSendData>> ReadBackFrames()
{
    std::vector<std::unique_ptr<CSendData>> frames;
    for (int p = 1; p <= STORED_PRESETS; ++p)
        frames.push_back(MakeReadSystemFrame(SYS_PRESET_NAME, p));
    for (int nItem : {SYS_PRESET_NAME, SYS_CUR_PRESET, SYS_INPUT, SYS_MASTER, SYS_OUT_ROLES})
        frames.push_back(MakeReadSystemFrame(nItem, 0));
    for (int c = 0; c < MUSIC_CHANNELS; ++c)
        frames.push_back(MakeReadFrame(0, BLOCK_MUSIC, c, 1, 1));
    for (int c = 0; c < OUTPUT_CHANNELS; ++c)
        frames.push_back(MakeReadFrame(0, BLOCK_OUTPUT, c, 1, 1));
    frames.back()->SetLastOfReadBatch(1);
    return frames;
}

std::size_t ReplyLength(const std::uint8_t* pBytes, std::size_t n)
{
    return n >= 14 ? 16u + (pBytes[12] | pBytes[13] << 8) : SIZE_MAX;
}

// The round trip of each frame with nothing of the editor in the way: a plain TCP client that
// sends the frame and receives the whole reply. The emulator serves one client at a time, so
// this runs before the link connects.
Seconds MeasuredRoundTrips(std::uint16_t nPort, const std::vector<std::unique_ptr<CSendData>>& frames, int nRounds)
{
    CTcpClient client;
    if (client.Connect("127.0.0.1", nPort) != LinkError::None)
        return Seconds(0);
    Seconds total{0};
    for (int r = 0; r < nRounds; ++r) {
        for (const auto& pFrame : frames) {
            const auto start = Clock::now();
            client.Send({pFrame->GetBuffer(), static_cast<std::size_t>(pFrame->GetLength())});
            std::uint8_t buffer[1024];
            std::size_t nHave = 0;
            while (nHave < ReplyLength(buffer, nHave)) {
                const TcpReceived received = client.Receive({buffer + nHave, sizeof buffer - nHave});
                if (received.error != LinkError::None)
                    return Seconds(0);
                nHave += received.nCount;
            }
            total += Clock::now() - start;
        }
    }
    return total / nRounds;
}

Seconds PassLimit(Seconds roundTrips, std::size_t nFrames)
{
    return roundTrips + Seconds(g_timeouts.passPause) * static_cast<double>(nFrames);
}

// Transactions per second while the queue always holds frames.
void BM_BusyQueueTransactions(benchmark::State& state)
{
    constexpr int FRAMES = 400;
    CMessageRecorder posted;
    CLinkRig rig(LinkWay::Net, g_timeouts);
    std::vector<std::unique_ptr<CSendData>> probe;
    probe.push_back(MakeReadSystemFrame(SYS_INPUT, 0));
    const Seconds roundTrip = MeasuredRoundTrips(rig.pServer->Port(), probe, 200);
    if (!rig.Open() || roundTrip.count() <= 0) {
        state.SkipWithError("the emulator cannot be reached");
        return;
    }
    for (auto _ : state) {
        for (int i = 0; i < FRAMES; ++i)
            rig.Queue(MakeReadSystemFrame(SYS_INPUT, 0));
        const auto start = Clock::now();
        rig.Start();
        while (rig.QueueCount() > 0)
            std::this_thread::sleep_for(1ms);
        const Seconds elapsed = Clock::now() - start;
        rig.link.StopLinkThread(0);
        state.SetIterationTime(elapsed.count());
        const double tps = FRAMES / elapsed.count();
        const double limitTps = 1.0 / PassLimit(roundTrip, 1).count();
        state.counters["tps"] = tps;
        state.counters["limit_tps"] = limitTps;
        state.counters["ratio"] = tps / limitTps;
        state.counters["round_trip_us"] = roundTrip.count() * 1e6;
    }
}
BENCHMARK(BM_BusyQueueTransactions)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Times one batch from its first request to the reply that ends it (posting nDoneMsg), as a
// ratio to one transaction per worker pass.
void TimeBatch(benchmark::State& state, const std::function<std::vector<std::unique_ptr<CSendData>>()>& fnFrames,
               unsigned nDoneMsg)
{
    CMessageRecorder posted;
    CLinkRig rig(LinkWay::Net, g_timeouts);
    const Seconds roundTrips = MeasuredRoundTrips(rig.pServer->Port(), fnFrames(), 5);
    if (!rig.Open() || roundTrips.count() <= 0) {
        state.SkipWithError("the emulator cannot be reached");
        return;
    }
    for (auto _ : state) {
        std::vector<std::unique_ptr<CSendData>> frames = fnFrames();
        const std::size_t nFrames = frames.size();
        for (auto& pFrame : frames)
            rig.Queue(std::move(pFrame));
        const auto start = Clock::now();
        rig.Start();
        posted.WaitFor(nDoneMsg, 1, 60s);
        const Seconds elapsed = Clock::now() - start;
        rig.link.StopLinkThread(0);
        state.SetIterationTime(elapsed.count());
        state.counters["requests"] = static_cast<double>(nFrames);
        state.counters["limit_ms"] = PassLimit(roundTrips, nFrames).count() * 1e3;
        state.counters["ratio"] = PassLimit(roundTrips, nFrames) / elapsed;
    }
}

// The read-back after a connection, from the first request to the last block's reply.
void BM_ReadBackAfterConnecting(benchmark::State& state)
{
    TimeBatch(state, ReadBackFrames, WM_PRESET_RECEIVED);
}
BENCHMARK(BM_ReadBackAfterConnecting)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The 84 block requests of the main view's read-all batch (command 726), as it queues them.
std::vector<std::unique_ptr<CSendData>> AllPresetReads()
{
    CKTVCommand command;
    int nCount = 0;
    CPresetBatch(command, nCount).ReadAllPresets();
    std::vector<std::unique_ptr<CSendData>> frames;
    while (CSendData* pHead = command.GetHead()) {
        auto pCopy = std::make_unique<CSendData>();
        auto pBuffer = std::make_unique<BYTE[]>(static_cast<std::size_t>(pHead->GetLength()));
        std::copy(pHead->GetBuffer(), pHead->GetBuffer() + pHead->GetLength(), pBuffer.get());
        pCopy->SetBuffer(std::move(pBuffer));
        pCopy->SetLength(pHead->GetLength());
        frames.push_back(std::move(pCopy));
        command.RemoveHead();
    }
    return frames;
}

// Reading all six stored presets, from the first request to the reply of the last block.
void BM_ReadAllPresets(benchmark::State& state)
{
    TimeBatch(state, AllPresetReads, WM_ALL_PRESETS_RECEIVED);
}
BENCHMARK(BM_ReadAllPresets)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
