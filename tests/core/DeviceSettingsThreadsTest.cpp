// The master and input settings between the UI thread and the real link worker on the emulated
// processor: the pages' setters store them while the worker copies them into frames and stores
// the processor's replies into them. The core tests also run under ThreadSanitizer
// (scripts/test.sh), which reports any access of the two threads that nothing orders.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/ParamTable.h"
#include "platform/LinkLock.h"
#include "tests/support/LinkRig.h"

using namespace std::chrono_literals;

namespace {

constexpr ParamId kDeviceRows[] = {ParamId::MasterVolume, ParamId::GroupDelay, ParamId::NoiseThreshold,
                                   ParamId::MixThreshold, ParamId::MixAtten,   ParamId::MixRelease};

// Byte offsets in the items as the processor stores them.
constexpr std::size_t kMasterThreshold = 3;
constexpr std::size_t kMasterEcho = 7;
constexpr std::size_t kInputMixAtten = 6;

void Write(ParamId id, int v)
{
    WriteParam(ParamRowOf(id), ParamTarget{}, v);
}

int Read(ParamId id)
{
    return ReadParam(ParamRowOf(id), ParamTarget{});
}

std::size_t MasterWrites(const std::vector<EmuRequest>& log)
{
    std::size_t n = 0;
    for (const EmuRequest& r : log)
        n += r.byClass == FRAME_WRITE && r.byBlock == BLOCK_SYSTEM && r.byIndex == SYS_MASTER;
    return n;
}

}  // namespace

// The user drags the master volume and turns the threshold and mixer fields while the worker
// sends each edit and reads both items back: every value the page shows or sends is whole, the
// threshold never travels without its echo byte, and the last edit of each reaches the
// processor.
TEST(DeviceSettingsThreads, EditsReachTheProcessorWhileTheWorkerSendsAndStoresTheItems)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts());
    ASSERT_TRUE(rig.Open());
    rig.Start();

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    constexpr std::size_t kWritesWanted = 20;
    for (int i = 0;; ++i) {
        Write(ParamId::MasterVolume, i % 67);
        Write(ParamId::NoiseThreshold, 1 + i % 100);
        g_bSendMaster = 1;
        Write(ParamId::MixAtten, i % 121);
        g_bSendInput = 1;
        for (ParamId id : kDeviceRows)
            Read(id);
        // The view reads both items back now and then, as after connecting: as often as every few
        // milliseconds here, and the edits still reach the processor.
        if (i % 25 == 0 && rig.QueueCount() == 0) {
            {
                std::lock_guard lock(g_csLink);  // frames are built under it
                rig.Queue(MakeReadSystemFrame(SYS_MASTER, 0));
                rig.Queue(MakeReadSystemFrame(SYS_INPUT, 0));
            }
        }
        if (i % 25 == 0 &&
            (MasterWrites(rig.emulator.Log()) >= kWritesWanted || std::chrono::steady_clock::now() > deadline))
            break;
        std::this_thread::sleep_for(100us);
    }
    ASSERT_TRUE(WaitUntil([&] { return rig.QueueCount() == 0; }));

    Write(ParamId::MasterVolume, 33);
    Write(ParamId::NoiseThreshold, 44);
    g_bSendMaster = 1;
    Write(ParamId::MixAtten, 55);
    g_bSendInput = 1;
    EXPECT_TRUE(WaitUntil([&] {
        const EmuState s = rig.emulator.State();
        return s.master[0] == 33 && s.master[1] == 0 && s.master[kMasterThreshold] == 44 &&
            s.input[kInputMixAtten] == 55;
    }));
    rig.Stop();

    const std::vector<EmuRequest> log = rig.emulator.Log();
    EXPECT_GE(MasterWrites(log), kWritesWanted);
    for (const EmuRequest& r : log) {
        if (r.byClass == FRAME_WRITE && r.byBlock == BLOCK_SYSTEM && r.byIndex == SYS_MASTER) {
            ASSERT_EQ(r.payload.size(), sizeof(MasterSettings));
            EXPECT_EQ(r.payload[kMasterThreshold], r.payload[kMasterEcho]);
        }
    }
    EXPECT_EQ(Read(ParamId::MasterVolume), 33);
    EXPECT_EQ(Read(ParamId::NoiseThreshold), 44);
    EXPECT_EQ(Read(ParamId::MixAtten), 55);
}

// A transaction holds the link lock for up to seconds: the device fields' setters and the reads
// of a page's refresh never wait for it.
TEST(DeviceSettingsThreads, TheirSettersNeverWaitForTheLinkLock)
{
    ResetLinkGlobals();
    std::mutex mutex;
    std::condition_variable edited;
    bool bEdited = false;
    bool bReadBack = true;
    std::unique_lock transaction(g_csLink);
    std::thread ui([&] {
        int nValue = 1;
        for (ParamId id : kDeviceRows) {
            const ParamRow& row = ParamRowOf(id);
            const int v = std::max(row.nMin, nValue++ % (row.nMax + 1));
            WriteParam(row, ParamTarget{}, v);
            bReadBack = bReadBack && ReadParam(row, ParamTarget{}) == v;
        }
        std::lock_guard lock(mutex);
        bEdited = true;
        edited.notify_one();
    });
    // Judged when the wait ends: once the lock is given up a waiting setter finishes too.
    bool bInTime = false;
    {
        std::unique_lock lock(mutex);
        bInTime = edited.wait_for(lock, 10s, [&] { return bEdited; });
    }
    transaction.unlock();
    ui.join();
    EXPECT_TRUE(bInTime);
    EXPECT_TRUE(bReadBack);
    ResetLinkGlobals();
}
