// A whole firmware update of a combined file (DSP image and a 1000-byte MCU image) against the
// processor emulator, with the real waits, over the in-memory USB backend and over TCP on
// 127.0.0.1. The least such an update can take is the waits the update itself makes (the enter
// pattern, and on USB the pause while the processor re-enumerates after the apply command) plus
// one round trip per frame; each benchmark reports its duration as a ratio to that sum
// (ratio = duration / limit, 1.0 at best).
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>
#include <vector>

#include "link/FirmwareUpdate.h"
#include "link/LinkState.h"
#include "model/CommandFrame.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "platform/TcpClient.h"
#include "tests/support/FirmwareFiles.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageRecorder.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

namespace {

const CLinkTimeouts g_timeouts;  // the real limits
constexpr std::size_t MCU_SIZE = 1000;
constexpr int PROBE_FRAMES = 500;

// The frames the update sends, as the engine makes them (the enter pattern left out: it gets no
// reply).
std::vector<std::vector<BYTE>> UpdateFrames(const std::vector<BYTE>& file)
{
    FirmwareImages images;
    ParseFirmwareFile(file, images);
    CKTVCommand command;
    CFirmwareUpdate engine(command);
    InitCommandFrame();
    engine.LoadFirmwareImages(std::move(images));
    std::vector<std::vector<BYTE>> frames;
    for (;;) {
        engine.NextFirmwarePacket();
        if (command.GetQueueCount() == 0)
            return frames;
        while (CSendData* pHead = command.GetHead()) {
            if (pHead->GetCommand() != 0xFF)
                frames.emplace_back(pHead->GetBuffer(), pHead->GetBuffer() + pHead->GetLength());
            command.RemoveHead();
        }
    }
}

HidReport ReportOf(const std::vector<BYTE>& frame)
{
    HidReport report{};
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

// One frame's round trip with nothing of the editor in the way, from a sample of the update's
// own frames (the emulator, not in its loader, refuses them with a reply of an acknowledgement's
// size).
Seconds UsbRoundTrip(CEmulatedHidBackend& hid, const std::vector<std::vector<BYTE>>& frames)
{
    HidOpenResult opened = hid.Open(CLinkRig::USB_PATH);
    if (!opened.pDevice)
        return Seconds(0);
    const auto start = Clock::now();
    for (int i = 0; i < PROBE_FRAMES; ++i) {
        const HidReport report = ReportOf(frames[static_cast<std::size_t>(i) % frames.size()]);
        HidReport reply{};
        if (opened.pDevice->Write(report) != LinkError::None || opened.pDevice->Read(reply, 1s) != LinkError::None)
            return Seconds(0);
    }
    return Seconds(Clock::now() - start) / PROBE_FRAMES;
}

Seconds NetRoundTrip(std::uint16_t nPort, const std::vector<std::vector<BYTE>>& frames)
{
    CTcpClient client;
    if (client.Connect("127.0.0.1", nPort) != LinkError::None)
        return Seconds(0);
    const auto start = Clock::now();
    for (int i = 0; i < PROBE_FRAMES; ++i) {
        const HidReport report = ReportOf(frames[static_cast<std::size_t>(i) % frames.size()]);
        if (client.Send(report) != LinkError::None)
            return Seconds(0);
        std::uint8_t buffer[64];
        std::size_t nHave = 0;
        while (nHave < 16) {
            const TcpReceived received = client.Receive({buffer + nHave, sizeof buffer - nHave});
            if (received.error != LinkError::None)
                return Seconds(0);
            nHave += received.nCount;
        }
    }
    return Seconds(Clock::now() - start) / PROBE_FRAMES;
}

void RunUpdate(benchmark::State& state, LinkWay way)
{
    CMessageRecorder posted;
    CTempFirmwareFiles files;
    const std::vector<BYTE> file = CombinedFirmwareFile(TestImage(MCU_SIZE), 0);
    const std::vector<std::vector<BYTE>> frames = UpdateFrames(file);
    CLinkRig rig(way, g_timeouts);
    const Seconds roundTrip = way == LinkWay::Usb ? UsbRoundTrip(rig.hid, frames) : NetRoundTrip(rig.pServer->Port(), frames);
    const Seconds waits = way == LinkWay::Usb ? Seconds(g_timeouts.usbEnterUpdate + g_timeouts.hexApplyPause)
                                              : Seconds(g_timeouts.netEnterUpdate);
    CFirmwareUpdate engine(rig.command);
    rig.link.SetFirmwarePacketSource([&engine] { engine.NextFirmwarePacket(); });
    g_strFirmwareFile = files.Write(file);
    if (roundTrip.count() <= 0 || !engine.LoadFirmwareFile() || !rig.Open()) {
        state.SkipWithError("the emulator cannot be reached");
        return;
    }
    for (auto _ : state) {
        g_bUpdating = 1;
        const auto start = Clock::now();
        rig.Start();
        const bool bDone = posted.WaitFor(WM_UPDATE_FINISHED, 1, 120s);
        const Seconds elapsed = Clock::now() - start;
        rig.Stop();
        if (!bDone || posted.Count(WM_LINK_FAILED) != 0) {
            state.SkipWithError("the update did not finish");
            return;
        }
        const Seconds limit = waits + roundTrip * static_cast<double>(frames.size());
        state.SetIterationTime(elapsed.count());
        state.counters["frames"] = static_cast<double>(frames.size());
        state.counters["round_trip_us"] = roundTrip.count() * 1e6;
        state.counters["waits_s"] = waits.count();
        state.counters["limit_s"] = limit.count();
        state.counters["ratio"] = elapsed / limit;
    }
    g_strFirmwareFile.clear();
}

void BM_CombinedUpdateUsb(benchmark::State& state)
{
    RunUpdate(state, LinkWay::Usb);
}
BENCHMARK(BM_CombinedUpdateUsb)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CombinedUpdateNet(benchmark::State& state)
{
    RunUpdate(state, LinkWay::Net);
}
BENCHMARK(BM_CombinedUpdateNet)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
