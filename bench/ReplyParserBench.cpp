// Parsing the longest reply, a 312-byte output block, as it arrives over USB: five 65-byte
// input reports, assembled, checked and stored into the live image.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "model/DataDefine.h"
#include "tests/support/FrameBytes.h"

namespace {

std::vector<BYTE> OutputBlockReply()
{
    std::vector<BYTE> payload(296);
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<BYTE>(i * 3);
    return ReplyFrame(REPLY_DATA, 0, BLOCK_OUTPUT, 7, SUB_WHOLE_BLOCK, payload);
}

void BM_OutputBlockReplyInFiveReports(benchmark::State& state)
{
    InitDeviceData();
    const std::vector<BYTE> reply = OutputBlockReply();
    std::vector<std::vector<BYTE>> reports;
    for (size_t i = 0; i < reply.size(); i += 64) {
        std::vector<BYTE> report(HID_REPORT_SIZE, 0);
        std::memcpy(report.data() + 1, reply.data() + i, std::min<size_t>(64, reply.size() - i));
        reports.push_back(report);
    }
    if (reports.size() != 5)
        state.SkipWithError("the reply does not take five reports");
    CKTVCommand cmd;
    int nHandled = 0;
    for (auto _ : state) {
        for (const auto& report : reports) {
            std::memcpy(g_byHidIn, report.data(), HID_REPORT_SIZE);
            nHandled += cmd.OnUsbReport(HID_REPORT_SIZE);
        }
    }
    if (nHandled != static_cast<int>(state.iterations()))
        state.SkipWithError("a reply was not handled");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply.size()));
}

}  // namespace

BENCHMARK(BM_OutputBlockReplyInFiveReports);
BENCHMARK_MAIN();
