// The real link worker, transports and command manager against the processor emulator, over the
// in-memory HID backend and over TCP to 127.0.0.1. The tests queue the frames themselves, as the
// main view will. Time limits are shortened; the ones a test measures are named in it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "link/FirmwareCommands.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/StdAfx.h"
#include "platform/DeviceChange.h"
#include "platform/LinkLock.h"
#include "platform/MessageIds.h"
#include "tests/support/FrameBytes.h"
#include "link/AdvSettings.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ThreadChecks.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

CNetOptions NoAdapterInSubnet()
{
    CNetOptions options = FastNetOptions();
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    return options;
}

constexpr auto WAIT = 5s;  // for what must happen; far above every shortened limit


std::vector<EmuRequest> RequestsOf(const CProcessorEmulator& emulator, int nBlock, int nIndex)
{
    std::vector<EmuRequest> found;
    for (const EmuRequest& request : emulator.Log())
        if (EmuRequestOf(nBlock, nIndex)(request))
            found.push_back(request);
    return found;
}

// The meter polls the processor has answered. (The view hears only of status replies that
// change something, so the posted messages do not count them.)
int Polls(const CProcessorEmulator& emulator)
{
    int nPolls = 0;
    for (const EmuRequest& request : emulator.Log())
        nPolls += request.byIndex == SYS_STATUS && request.answer == EmuAnswer::Data;
    return nPolls;
}

bool WaitForPolls(const CProcessorEmulator& emulator, int nCount)
{
    return WaitUntil([&] { return Polls(emulator) >= nCount; }, WAIT);
}

// A ping that answers, then goes unanswered once, as on a lossy link, then answers again.
std::string FakePingLostAtItsSecondRun()
{
    const std::string strPath = ConfigFolder() + "/ping-lost-once";
    std::filesystem::remove(strPath + ".runs");
    std::ofstream(strPath) << "#!/bin/sh\nn=$(cat \"$0.runs\" 2>/dev/null || echo 0)\necho $((n + 1)) > \"$0.runs\"\n"
                              "[ \"$n\" = 1 ] || echo 'ttl=64'\n";
    std::filesystem::permissions(strPath, std::filesystem::perms::owner_all);
    return strPath;
}

// A master-settings write with a value the emulator does not hold yet.
std::unique_ptr<CSendData> MasterWrite()
{
    g_masterSettings.SetField(&MasterSettings::m_wVolume, 0x1234);
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, 1);
    return MakeWriteSystemFrame(SYS_MASTER, 0);
}

bool EmulatorHasMasterWrite(const CProcessorEmulator& emulator)
{
    const EmuState state = emulator.State();
    return state.master[0] == 0x34 && state.master[1] == 0x12;
}

class LinkBothWays : public testing::TestWithParam<LinkWay> {
protected:
    CLinkRig& Rig(const CLinkTimeouts& timeouts = FastLinkTimeouts(), CNetOptions options = FastNetOptions())
    {
        m_pRig.reset();  // the old rig resets the shared flags as it goes: first
        m_pRig = std::make_unique<CLinkRig>(GetParam(), timeouts, std::move(options));
        EXPECT_TRUE(m_pRig->Open());
        return *m_pRig;
    }
    bool IsUsb() const { return GetParam() == LinkWay::Usb; }

    CMessageRecorder m_posted;  // outlives the rig, whose worker posts until it ends
    std::unique_ptr<CLinkRig> m_pRig;
};

TEST_P(LinkBothWays, HelloAndVersionAreAnswered)
{
    CLinkRig& rig = Rig();
    g_bAwaitHello = 1;
    rig.Queue(MakeReadSystemFrame(SYS_HELLO, 0));
    rig.Queue(MakeReadSystemFrame(SYS_VERSION, 0));
    rig.Start();

    ASSERT_TRUE(m_posted.WaitFor(WM_VERSION_RECEIVED, 1, WAIT));
    EXPECT_EQ(g_bAwaitHello, 0);
    EXPECT_EQ(std::string(g_szDeviceVersion, 11), "ZIRE-RI1.00");
    const std::vector<EmuRequest> log = rig.emulator.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0].byIndex, SYS_HELLO);
    EXPECT_EQ(log[1].byIndex, SYS_VERSION);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

TEST_P(LinkBothWays, BlocksLandInTheImagesAndWritesInTheProcessor)
{
    CLinkRig& rig = Rig();
    for (int c = 0; c < MUSIC_CHANNELS; ++c)
        rig.Queue(MakeReadFrame(0, BLOCK_MUSIC, c, 1, 1));
    for (int c = 0; c < OUTPUT_CHANNELS; ++c) {
        auto pFrame = MakeReadFrame(0, BLOCK_OUTPUT, c, 1, 1);
        pFrame->SetLastOfReadBatch(c == OUTPUT_CHANNELS - 1);
        rig.Queue(std::move(pFrame));
    }
    rig.Queue(MakeReadFrame(4, BLOCK_OUTPUT, 5, 0, 1));  // a stored preset's block
    rig.Queue(MasterWrite());
    rig.Start();

    ASSERT_TRUE(m_posted.WaitFor(WM_PRESET_RECEIVED, 1, WAIT));
    ASSERT_TRUE(WaitUntil([&] { return EmulatorHasMasterWrite(rig.emulator); }));
    const EmuState state = rig.emulator.State();
    const auto* pLive = reinterpret_cast<const BYTE*>(&g_liveImage);
    EXPECT_EQ(std::memcmp(pLive + emu::MUSIC_OFFSET, state.images[0].data() + emu::MUSIC_OFFSET,
                          emu::MUSIC_SIZE * emu::MUSIC_CHANNELS), 0);
    EXPECT_EQ(std::memcmp(pLive + emu::OUTPUT_OFFSET, state.images[0].data() + emu::OUTPUT_OFFSET,
                          emu::OUTPUT_SIZE * emu::OUTPUT_CHANNELS), 0);
    EXPECT_EQ(std::memcmp(&g_devImages[3].m_out[5], state.images[4].data() + emu::BlockOffset(emu::BLOCK_OUTPUT, 5),
                          emu::OUTPUT_SIZE), 0);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

TEST_P(LinkBothWays, AnIdleLinkPollsTheMetersSteadily)
{
    CLinkRig& rig = Rig();
    rig.emulator.Edit([](EmuState& s) {
        for (std::size_t i = 0; i < s.meters.size(); ++i)
            s.meters[i] = static_cast<std::uint8_t>(0x11 * (i + 1));
    });
    rig.Start();

    ASSERT_TRUE(WaitForPolls(rig.emulator, 20));
    {
        std::lock_guard lock(g_csLink);  // the worker stores replies under it
        for (int i = 0; i < 14; ++i)
            EXPECT_EQ(g_nDevStatus[i], (0x11 * (i + 1)) & 0xFF) << i;
    }
    for (const EmuRequest& request : rig.emulator.Log()) {
        EXPECT_EQ(request.byClass, FRAME_READ);
        EXPECT_EQ(request.byIndex, SYS_STATUS);
        EXPECT_EQ(request.answer, EmuAnswer::Data);
    }
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

// Between passes an idle worker sleeps until the data model's next frame is due, a pause after the
// pause the pass that took it used to make: it waits once per poll besides its reply, and polls
// no faster than two pauses apart.
TEST_P(LinkBothWays, AnIdleWorkerWakesOncePerPollBesidesItsReply)
{
    const CLinkTimeouts timeouts = FastLinkTimeouts();
    CLinkRig& rig = Rig(timeouts);
    rig.Start();
    ASSERT_TRUE(WaitForPolls(rig.emulator, 5));
    const long nWaitsBefore = ThreadWaits("link worker");
    const int nPollsBefore = Polls(rig.emulator);
    constexpr auto SPAN = 1s;
    std::this_thread::sleep_for(SPAN);
    const long nWaits = ThreadWaits("link worker") - nWaitsBefore;
    const int nPolls = Polls(rig.emulator) - nPollsBefore;
    rig.Stop();
    ASSERT_GT(nPolls, 10);
    EXPECT_LE(nPolls, SPAN / (2 * timeouts.passPause) + 1);
    // The in-memory USB pipe has each reply ready at once; over TCP the worker waits for it.
    const double dReplyWaits = IsUsb() ? 0 : 1;
    EXPECT_LT(static_cast<double>(nWaits) / nPolls, 1.5 + dReplyWaits) << nWaits << " waits, " << nPolls << " polls";
}

TEST_P(LinkBothWays, AnEmptyQueueTakesTheDataModelsNextFrame)
{
    CLinkRig& rig = Rig();
    g_masterSettings.SetField(&MasterSettings::m_wVolume, 0x1234);
    g_bSendMaster = 1;
    rig.Start();

    ASSERT_TRUE(WaitForPolls(rig.emulator, 1));
    const std::vector<EmuRequest> log = rig.emulator.Log();
    EXPECT_EQ(log[0].byClass, FRAME_WRITE);
    EXPECT_EQ(log[0].byIndex, SYS_MASTER);
    EXPECT_EQ(log[1].byIndex, SYS_STATUS);
    EXPECT_TRUE(EmulatorHasMasterWrite(rig.emulator));
    EXPECT_EQ(g_bSendMaster, 0);
}

// The data model is asked for its frame only while the queue is empty. A frame queued while the
// worker waits for the data model's frame to be due goes first, and the live name marked with it
// follows it; asked then, the data model would have put the marked name in front.
TEST_P(LinkBothWays, AFrameQueuedWhileTheDataModelsFrameIsDueGoesFirst)
{
    CLinkTimeouts timeouts = FastLinkTimeouts();
    timeouts.passPause = 100ms;
    CLinkRig& rig = Rig(timeouts);
    rig.Start();
    ASSERT_TRUE(WaitForPolls(rig.emulator, 1));
    rig.emulator.ClearLog();
    // The queue emptied with the poll's reply; the data model's next frame is due two pauses
    // later. Half way through that wait (a pause placing the frame, not awaiting a result):
    std::this_thread::sleep_for(timeouts.passPause * 3 / 2);
    {
        std::lock_guard lock(g_csLink);
        g_bSendName = 1;
        rig.command.AddSendData(MasterWrite());
    }
    ASSERT_TRUE(WaitUntil([&] { return !RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_PRESET_NAME).empty(); }, WAIT));
    const std::vector<EmuRequest> log = rig.emulator.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0].byIndex, SYS_MASTER);
    EXPECT_EQ(log[1].byIndex, SYS_PRESET_NAME);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

TEST_P(LinkBothWays, ARefusedFrameIsSentOnceMore)
{
    CLinkRig& rig = Rig();
    rig.emulator.InjectFault(EmuFault::Refuse, 1, EmuRequestOf(BLOCK_SYSTEM, SYS_MASTER));
    rig.Queue(MasterWrite());
    rig.Start();

    ASSERT_TRUE(WaitUntil([&] { return EmulatorHasMasterWrite(rig.emulator); }));
    const std::vector<EmuRequest> writes = RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_MASTER);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].answer, EmuAnswer::Refuse);
    EXPECT_EQ(writes[1].answer, EmuAnswer::Ack);
    EXPECT_EQ(writes[0].bytes, writes[1].bytes);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

// A frame is sent twice on USB, and on the network as often as it has attempts.
TEST_P(LinkBothWays, AFrameRefusedAtEveryAttemptFailsTheLinkOnce)
{
    CLinkRig& rig = Rig();
    rig.emulator.InjectFault(EmuFault::Refuse, EMU_ALWAYS, EmuRequestOf(BLOCK_SYSTEM, SYS_MASTER));
    rig.Queue(MasterWrite());
    rig.Start();

    ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
    std::this_thread::sleep_for(300ms);  // a worker that failed again would post again by now
    rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
    EXPECT_EQ(m_posted.Posted().back().lParam, 0);
    const std::size_t nAttempts = IsUsb() ? 2 : CLinkController::NET_MAX_ATTEMPTS;
    EXPECT_EQ(RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_MASTER).size(), nAttempts);
}

// USB waits one report wait for a reply that never comes. The network reconnects while an adapter
// is in the processor's subnet and sends the frame again, until an attempt without a reply was
// its last: then it fails at once, with no reconnect after it.
TEST_P(LinkBothWays, ASilentProcessorFailsTheLinkInTime)
{
    const CLinkTimeouts timeouts = FastLinkTimeouts();
    const CNetOptions net = FastNetOptions();
    CLinkRig& rig = Rig(timeouts, net);
    rig.emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS);
    const auto start = Clock::now();
    rig.Start();

    ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
    const auto elapsed = Clock::now() - start;
    const auto limit = IsUsb() ? timeouts.usbReportWait : NetSilentGiveUp(timeouts, net);
    EXPECT_GE(elapsed, limit);
    EXPECT_LT(elapsed, limit + 2s);
    rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
    EXPECT_EQ(m_posted.Posted().back().lParam, 0);
    const std::size_t nAttempts = IsUsb() ? 1 : CLinkController::NET_MAX_ATTEMPTS;
    EXPECT_EQ(rig.emulator.Log().size(), nAttempts);
    if (!IsUsb()) {
        // The listener may accept the last connection a moment after the worker made it.
        const int nConnections = CLinkController::NET_MAX_ATTEMPTS;
        EXPECT_TRUE(WaitUntil([&] { return rig.pServer->Connections() >= nConnections; }));
        std::this_thread::sleep_for(100ms);  // a reconnect after the last attempt would be made by now
        EXPECT_EQ(rig.pServer->Connections(), nConnections);
    }
}

// Over TCP a reply that cannot be used is waited out, the connection made again and the frame
// sent again; over USB the reply limit ends the link.
TEST_P(LinkBothWays, AFaultyReplyIsRecoveredOnTheNetworkAndEndsTheLinkOnUsb)
{
    struct Case {
        const char* name;
        EmuFault fault;
    };
    const Case cases[] = {
        {"garbage", EmuFault::Garbage},
        {"bad check byte", EmuFault::CorruptCheck},
        {"connection closed", EmuFault::Close},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_posted.Clear();
        CLinkRig& rig = Rig();
        rig.emulator.InjectFault(c.fault, 1, EmuRequestOf(BLOCK_SYSTEM, SYS_MASTER));
        rig.Queue(MasterWrite());
        rig.Start();
        if (IsUsb()) {
            ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
            rig.Stop();
            EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
            continue;
        }
        ASSERT_TRUE(WaitUntil([&] {
            const auto writes = RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_MASTER);
            return writes.size() >= 2 && writes[1].answer == EmuAnswer::Ack;
        }));
        EXPECT_TRUE(EmulatorHasMasterWrite(rig.emulator));
        EXPECT_EQ(RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_MASTER).size(), 2u);
        EXPECT_EQ(rig.pServer->Connections(), 2);
        EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
        // The next frames are answered as if nothing had happened.
        EXPECT_TRUE(WaitForPolls(rig.emulator, Polls(rig.emulator) + 3));
    }
}

// A reply the parser takes but that leaves the frame at the head (a handshake answered with
// anything but 0, another data reply while the handshake is awaited, a reply of a kind the program
// does not know) ends the link once the frame's attempts are used up, as a lost reply does, and
// nothing is sent after it. The network sends such a frame as often as it has attempts, with no
// reconnect (a reply came); USB waits for the reply it never gets.
TEST_P(LinkBothWays, AReplyThatLeavesTheFrameAtTheHeadUsesUpItsAttempts)
{
    struct Case {
        const char* name;
        int nIndex;  // of the frame sent
        std::function<void(CLinkRig&)> arrange;
    };
    const Case cases[] = {
        {"handshake answered 1", SYS_HELLO,
         [](CLinkRig& rig) {
             rig.emulator.Edit([](EmuState& state) { state.byHello = 1; });
             g_bAwaitHello = 1;
             rig.Queue(MakeReadSystemFrame(SYS_HELLO, 0));
         }},
        {"version read while the handshake is awaited", SYS_VERSION,
         [](CLinkRig& rig) {
             g_bAwaitHello = 1;
             rig.Queue(MakeReadSystemFrame(SYS_VERSION, 0));
         }},
        {"a reply of another kind", SYS_MASTER,
         [](CLinkRig& rig) {
             rig.emulator.InjectFault(EmuFault::OtherKind, EMU_ALWAYS, EmuRequestOf(BLOCK_SYSTEM, SYS_MASTER));
             rig.Queue(MasterWrite());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_posted.Clear();
        CLinkRig& rig = Rig();
        c.arrange(rig);
        rig.Start();

        ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
        const std::size_t nSent = rig.emulator.Log().size();
        std::this_thread::sleep_for(300ms);  // a worker that went on would send again by now
        EXPECT_EQ(rig.emulator.Log().size(), nSent);
        rig.Stop();
        EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
        EXPECT_EQ(m_posted.Posted().back().lParam, 0);
        const std::size_t nAttempts = IsUsb() ? 1 : CLinkController::NET_MAX_ATTEMPTS;
        EXPECT_EQ(RequestsOf(rig.emulator, BLOCK_SYSTEM, c.nIndex).size(), nAttempts);
        EXPECT_EQ(nSent, nAttempts);
        if (!IsUsb()) {
            EXPECT_EQ(g_bNetLink, 0);
            EXPECT_EQ(rig.pServer->Connections(), 1);
        }
    }
}

TEST_P(LinkBothWays, StoppingNeverWaitsForALongTransaction)
{
    // The real limits: a long operation may take 50 s on USB and 34 s on the network.
    CLinkRig& rig = Rig(CLinkTimeouts{});
    rig.emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS);
    auto pReset = MakeWriteSystemFrame(SYS_FACTORY_RESET, 0);
    pReset->SetLongWait(1);
    rig.Queue(std::move(pReset));
    rig.Start();
    ASSERT_TRUE(rig.emulator.WaitForRequests(1, WAIT));
    std::this_thread::sleep_for(100ms);

    const auto start = Clock::now();
    rig.Stop();
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_EQ(rig.link.m_bOnline, 0);
    EXPECT_EQ(rig.link.GetLinkThread(), nullptr);
}

TEST_P(LinkBothWays, PausedTrafficSendsNothingAndDoesNotSpin)
{
    CLinkRig& rig = Rig();
    rig.Start();
    ASSERT_TRUE(WaitForPolls(rig.emulator, 3));
    g_bTrafficPaused = 1;
    std::this_thread::sleep_for(100ms);  // the transaction in flight ends
    rig.emulator.ClearLog();
    std::thread& worker = *rig.link.GetLinkThread();
    const auto cpuBefore = ThreadCpuTime(worker);
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(rig.emulator.Log().empty());
    EXPECT_LT(ThreadCpuTime(worker) - cpuBefore, 30ms);
}

INSTANTIATE_TEST_SUITE_P(Transports, LinkBothWays, testing::Values(LinkWay::Usb, LinkWay::Net), LinkWayName);

class UsbLink : public testing::Test {
protected:
    CMessageRecorder m_posted;
};

class NetLink : public UsbLink {};

TEST_F(UsbLink, AFrameGoesOutInReportsAndAReplyIsAssembledFromThem)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    ASSERT_TRUE(rig.Open());
    rig.Queue(MakeReadFrame(0, BLOCK_OUTPUT, 7, 1, 1));        // 24 bytes out, 312 bytes back
    rig.Queue(MakeWriteBlockFrame(0, BLOCK_OUTPUT, 2, 1, 0));  // 312 bytes out
    rig.Start();
    ASSERT_TRUE(m_posted.WaitFor(WM_PRESET_RECEIVED, 1, WAIT));
    ASSERT_TRUE(WaitUntil([&] { return rig.emulator.Log().size() >= 2; }));
    rig.Stop();

    const std::vector<HidReport> written = rig.hid.WrittenReports(CLinkRig::USB_PATH);
    ASSERT_GE(written.size(), 6u);
    EXPECT_EQ(HexText(written[0].data(), 6), "00 6B 6B 6B EE A2");
    EXPECT_EQ(written[1][5], 0xA1);  // the block write starts in the next report
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(written[i][0], 0) << "report id of report " << i;
    const std::vector<EmuRequest> log = rig.emulator.Log();
    EXPECT_TRUE(log[1].bIntact);
    EXPECT_EQ(log[1].bytes.size(), 312u);
}

TEST_F(UsbLink, RemovalOfAnotherDeviceLeavesTheLinkAlone)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    CProcessorEmulator other;
    rig.hid.Plug("/dev/hidraw-other", other);
    ASSERT_TRUE(rig.Open());
    rig.Start();
    ASSERT_TRUE(WaitForPolls(rig.emulator, 2));

    rig.hid.Unplug("/dev/hidraw-other");
    EXPECT_EQ(rig.link.FindHidDevices(), 1);
    EXPECT_TRUE(WaitForPolls(rig.emulator, Polls(rig.emulator) + 5));
    EXPECT_TRUE(rig.link.IsHidOpen());
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

TEST_F(UsbLink, UnpluggingTheProcessorFailsTheLinkOnce)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    ASSERT_TRUE(rig.Open());
    rig.Start();
    ASSERT_TRUE(WaitForPolls(rig.emulator, 2));
    rig.hid.Unplug(CLinkRig::USB_PATH);
    ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
    EXPECT_EQ(m_posted.Count(WM_DEVICECHANGE), 2);  // the plug and the removal
}

TEST_F(UsbLink, ASecondCopyDoesNotOpenTheProcessorTheFirstHas)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    ASSERT_TRUE(rig.Open());

    CUsbInUseList secondList(rig.store, rig.strLockFolder);
    CKTVCommand secondCommand;
    CNet_Socket secondNet(NoAdapterInSubnet());
    CLinkController second(secondCommand, rig.hid, secondList, secondNet, FastLinkTimeouts());
    g_strUsbDevicePath.clear();
    EXPECT_EQ(second.ConnectUsb(), 0);
    EXPECT_TRUE(g_strUsbDevicePath.empty());
    EXPECT_EQ(rig.hid.OpenCount(CLinkRig::USB_PATH), 1);

    g_strUsbDevicePath = CLinkRig::USB_PATH;
    rig.link.CloseHidDevice();
    rig.link.ForgetUsbDevice();
    EXPECT_EQ(second.ConnectUsb(), 1);
    EXPECT_EQ(rig.hid.OpenCount(CLinkRig::USB_PATH), 2);
    EXPECT_EQ(rig.store.ValueNames(USB_IN_USE_KEY), std::vector<std::string>{CLinkRig::USB_PATH});
}

TEST_F(UsbLink, AnOpenRefusedByPermissionsIsTriedAgainThenNamed)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    rig.hid.DenyAccess(CLinkRig::USB_PATH, 2);  // udev sets the permission a moment later
    EXPECT_TRUE(rig.Open());
    rig.link.CloseHidDevice();
    rig.link.ForgetUsbDevice();

    rig.hid.DenyAccess(CLinkRig::USB_PATH, EMU_ALWAYS);  // no rule at all
    EXPECT_EQ(rig.link.OpenHidDevice(), 0);
    EXPECT_EQ(rig.link.GetLastOpenError(), LinkError::AccessDenied);
    EXPECT_TRUE(rig.link.IsUsbPathFree(CLinkRig::USB_PATH));  // the failed open released its claim
}

TEST_F(UsbLink, WithNoProcessorPresentTheListIsCleared)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    rig.store.WriteString(USB_IN_USE_KEY, "/dev/hidraw-left-behind", "0");
    rig.hid.Unplug(CLinkRig::USB_PATH);
    EXPECT_EQ(rig.link.FindHidDevices(), 0);
    EXPECT_TRUE(rig.store.ValueNames(USB_IN_USE_KEY).empty());
    EXPECT_TRUE(g_usbDevicePaths.empty());
}

// Firmware frames: class 0xA1, block 9, the command as item, no reply length limit.
std::unique_ptr<CSendData> FirmwareFrame(int nCommand, int nPayload)
{
    std::vector<BYTE> body = {0xA1, 0x01, 0x00, 0x09, static_cast<BYTE>(nCommand), 0x00, 0x00, 0x00,
                              static_cast<BYTE>(nPayload), 0x00};
    body.resize(body.size() + static_cast<std::size_t>(nPayload));
    const std::vector<BYTE> frame = Framed(body);
    auto pFrame = std::make_unique<CSendData>();
    auto pBuffer = std::make_unique<BYTE[]>(frame.size());
    std::copy(frame.begin(), frame.end(), pBuffer.get());
    pFrame->SetBuffer(std::move(pBuffer));
    pFrame->SetLength(static_cast<int>(frame.size()));
    pFrame->SetCommand(nCommand);
    return pFrame;
}

TEST_F(UsbLink, TheEnterUpdatePatternIsWrittenForItsTimeWithoutAReply)
{
    const CLinkTimeouts timeouts = FastLinkTimeouts();
    CLinkRig rig(LinkWay::Usb, timeouts, NoAdapterInSubnet());
    ASSERT_TRUE(rig.Open());
    g_bUpdating = 1;
    rig.Queue(FirmwareFrame(FW_ENTER_UPDATE, 0));
    rig.Start();
    // Firmware passes run without the link lock: the queue is looked at once the worker is gone.
    std::this_thread::sleep_for(timeouts.usbEnterUpdate + 300ms);
    rig.Stop();
    EXPECT_EQ(rig.QueueCount(), 0);

    const std::vector<HidReport> written = rig.hid.WrittenReports(CLinkRig::USB_PATH);
    const int nExpected = static_cast<int>(timeouts.usbEnterUpdate / timeouts.usbEnterUpdateStep);
    EXPECT_GE(written.size(), 2u);  // again and again: how often depends on the machine's timers
    EXPECT_LE(static_cast<int>(written.size()), nExpected + 2);
    for (const HidReport& report : written) {
        EXPECT_EQ(report[0], 0);
        EXPECT_EQ(report[1], 'C');
        EXPECT_EQ(report[2], 0x11);
        EXPECT_EQ(report[63], 'C');
        EXPECT_EQ(report[64], 0x11);
    }
    EXPECT_EQ(g_nLastFwCommand, FW_ENTER_UPDATE);
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
}

TEST_F(UsbLink, ARefusedFirmwareFrameSuspendsTheWorkerAndFailsTheLinkOnce)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    ASSERT_TRUE(rig.Open());
    g_bUpdating = 1;
    rig.Queue(FirmwareFrame(FW_HEX_START, 4));  // the emulator refuses firmware commands
    rig.Start();
    ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
    ASSERT_TRUE(WaitUntil([&] { return rig.link.m_bLinkThreadActive == 0; }));
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
    EXPECT_EQ(rig.emulator.Log().size(), 1u);
    EXPECT_EQ(rig.link.m_nFwCommand, FW_HEX_START);
}

// Every failed attempt of a frame, whatever failed in it, is followed by a reconnect, and the frame
// goes again: three failures in a row, in any order, still see it and the frames behind it
// through on one link; a fourth ends the link, with no reconnect after it. A reply cut short
// counts as one failure like the others: its first half is not joined to the next connection's
// reply.
TEST_F(NetLink, AFrameGetsFourAttemptsWhateverFailsInThem)
{
    using enum EmuFault;
    struct Case {
        const char* name;
        std::vector<EmuFault> faults;  // of the master write's attempts, in order
    };
    const Case cases[] = {
        {"lost three times", {Drop, Drop, Drop}},
        {"damaged, lost, damaged", {CorruptCheck, Drop, CorruptCheck}},
        {"lost, damaged, damaged", {Drop, CorruptCheck, CorruptCheck}},
        {"cut short, then lost twice", {Truncate, Drop, Drop}},
        {"lost twice, then cut short", {Drop, Drop, Truncate}},
        {"closed, garbage, refused", {Close, Garbage, Refuse}},
        {"lost, damaged, lost, damaged", {Drop, CorruptCheck, Drop, CorruptCheck}},
        {"damaged, lost, cut short, lost", {CorruptCheck, Drop, Truncate, Drop}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_posted.Clear();
        CLinkRig rig(LinkWay::Net, FastLinkTimeouts(), FastNetOptions());
        ASSERT_TRUE(rig.Open());
        for (EmuFault fault : c.faults)
            rig.emulator.InjectFault(fault, 1, EmuRequestOf(BLOCK_SYSTEM, SYS_MASTER));
        rig.Queue(MasterWrite());
        rig.Queue(MakeReadSystemFrame(SYS_VERSION, 0));
        rig.Start();

        const int nAttempts = static_cast<int>(c.faults.size()) + 1;
        if (nAttempts <= CLinkController::NET_MAX_ATTEMPTS) {
            ASSERT_TRUE(m_posted.WaitFor(WM_VERSION_RECEIVED, 1, WAIT));
            rig.Stop();
            EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
            EXPECT_TRUE(EmulatorHasMasterWrite(rig.emulator));
            EXPECT_EQ(RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_MASTER).size(), std::size_t(nAttempts));
            EXPECT_EQ(rig.pServer->Connections(), nAttempts);
            continue;
        }
        ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
        std::this_thread::sleep_for(300ms);  // a worker that went on would send or connect again by now
        rig.Stop();
        EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
        EXPECT_EQ(g_bNetLink, 0);
        EXPECT_EQ(RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_MASTER).size(),
                  std::size_t(CLinkController::NET_MAX_ATTEMPTS));
        EXPECT_EQ(rig.pServer->Connections(), CLinkController::NET_MAX_ATTEMPTS);
        EXPECT_EQ(rig.QueueCount(), 2);  // left for the view, which empties it as it ends the link
    }
}

// A reconnect that fails, its ping lost on the way, uses up an attempt; the next one connects and
// the link goes on.
TEST_F(NetLink, AReconnectWhosePingIsLostUsesAnAttemptAndTheLinkGoesOn)
{
    CNetOptions net = FastNetOptions();
    net.ping.strProgram = FakePingLostAtItsSecondRun();  // the first is the connect's
    CLinkRig rig(LinkWay::Net, FastLinkTimeouts(), net);
    ASSERT_TRUE(rig.Open());
    rig.emulator.InjectFault(EmuFault::Drop, 1, EmuRequestOf(BLOCK_SYSTEM, SYS_MASTER));
    rig.Queue(MasterWrite());
    rig.Start();

    ASSERT_TRUE(WaitForPolls(rig.emulator, 3));
    rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
    EXPECT_TRUE(EmulatorHasMasterWrite(rig.emulator));
    EXPECT_EQ(RequestsOf(rig.emulator, BLOCK_SYSTEM, SYS_MASTER).size(), 2u);
    EXPECT_EQ(rig.pServer->Connections(), 2);
}

// A processor that is gone, its module taking no connection: the reply is missed, every reconnect
// fails, and the link fails once the frame's attempts are used up, within the stated bound.
TEST_F(NetLink, AProcessorThatIsGoneFailsTheLinkWithinTheBound)
{
    const CLinkTimeouts timeouts = FastLinkTimeouts();
    const CNetOptions net = FastNetOptions();
    CLinkRig rig(LinkWay::Net, timeouts, net);
    ASSERT_TRUE(rig.Open());
    rig.Start();
    ASSERT_TRUE(WaitForPolls(rig.emulator, 3));

    const auto start = Clock::now();
    rig.pServer.reset();
    ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, NetGiveUpBound(timeouts, net)));
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, (CLinkController::NET_MAX_ATTEMPTS - 1) * timeouts.netReconnectPause);
    std::this_thread::sleep_for(300ms);
    rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
    EXPECT_EQ(g_bNetLink, 0);
}

// A link that loses one reply in 200 and damages one in 311 carries thousands of frames on one
// link: a frame fails at all four attempts about once in 200 million. Short waits keep it quick.
TEST_F(NetLink, ALossyLinkCarriesThousandsOfFramesWithoutFailing)
{
    CLinkTimeouts timeouts = FastLinkTimeouts();
    timeouts.passPause = 0ms;
    timeouts.netReconnectPause = 5ms;
    CNetOptions net = FastNetOptions();
    net.tcp.receive = 50ms;
    CLinkRig rig(LinkWay::Net, timeouts, net);
    rig.emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS, EmuOneIn(200, 1));
    rig.emulator.InjectFault(EmuFault::CorruptCheck, EMU_ALWAYS, EmuOneIn(311, 2));
    ASSERT_TRUE(rig.Open());
    rig.Start();

    constexpr int FRAMES = 5000;
    EXPECT_TRUE(WaitUntil([&] { return Polls(rig.emulator) >= FRAMES || m_posted.Count(WM_LINK_FAILED) > 0; }, 120s));
    rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
    EXPECT_GE(Polls(rig.emulator), FRAMES);
    EXPECT_GT(rig.pServer->Connections(), 10);  // replies were lost and the connection made again
}

TEST_F(NetLink, TheFactoryResetIsSentOnceAndReportedWhenTheModuleIsBack)
{
    const CLinkTimeouts timeouts = FastLinkTimeouts();
    CLinkRig rig(LinkWay::Net, timeouts, FastNetOptions());
    ASSERT_TRUE(rig.Open());
    g_bTransferring = 1;
    auto pReset = MakeWriteSystemFrame(SYS_FACTORY_RESET, 0);
    pReset->SetLongWait(1);
    rig.Queue(std::move(pReset));
    const auto start = Clock::now();
    rig.Start();

    ASSERT_TRUE(m_posted.WaitFor(WM_WIFI_RESET_DONE, 1, WAIT));
    EXPECT_GE(Clock::now() - start, timeouts.netResetWait + timeouts.netResetTail);
    EXPECT_EQ(g_bTransferring, 0);
    const std::vector<PostedMessage> posted = m_posted.Posted();
    for (const PostedMessage& m : posted) {
        if (m.nMsg == WM_WIFI_RESET_DONE) {
            EXPECT_EQ(m.lParam, 0);
        }
    }
    std::this_thread::sleep_for(200ms);  // later passes poll the meters, the reset stays sent
    rig.Stop();
    EXPECT_EQ(rig.emulator.State().nWifiResets, 1);
}

// Without a local adapter in the processor's subnet a missing reply ends the link at once: after
// a receive time-out with lParam 0, after the reply window with bytes still trickling in with 2.
TEST_F(NetLink, WithoutAnAdapterInTheSubnetAMissingReplyEndsTheLink)
{
    struct Case {
        const char* name;
        bool bTrickle;
        LPARAM lParam;
    };
    for (const Case& c : {Case{"silent", false, 0}, Case{"trickling", true, 2}}) {
        SCOPED_TRACE(c.name);
        m_posted.Clear();
        CLinkRig rig(LinkWay::Net, FastLinkTimeouts(), NoAdapterInSubnet());
        ASSERT_TRUE(rig.Open());
        if (c.bTrickle) {
            rig.emulator.InjectFault(EmuFault::CorruptCheck, EMU_ALWAYS);
            rig.pServer->SplitReplies(1, 25ms);  // 40 bytes over a second: longer than the window
        } else {
            rig.emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS);
        }
        rig.Start();
        ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
        rig.Stop();
        EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
        EXPECT_EQ(m_posted.Posted().back().lParam, c.lParam);
        EXPECT_EQ(g_bNetLink, 0);
        EXPECT_EQ(rig.pServer->Connections(), 1);
    }
}

// A send that fails is followed by a reconnect whatever the subnet (the processor may be reached
// through a router): the frame goes again on the new connection and the link goes on.
TEST_F(NetLink, ASendThatFailsReconnectsEvenWithoutAnAdapterInTheSubnet)
{
    CLinkTimeouts timeouts = FastLinkTimeouts();
    timeouts.passPause = 50ms;  // the reset reaches the worker's socket long before its next send
    CLinkRig rig(LinkWay::Net, timeouts, NoAdapterInSubnet());
    ASSERT_TRUE(rig.Open());
    rig.Start();
    ASSERT_TRUE(WaitForPolls(rig.emulator, 2));

    rig.pServer->ResetAfterNextReply();
    ASSERT_TRUE(WaitUntil([&] { return rig.pServer->Connections() == 2 || m_posted.Count(WM_LINK_FAILED) > 0; }, WAIT));
    EXPECT_TRUE(WaitForPolls(rig.emulator, Polls(rig.emulator) + 3));
    rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
    EXPECT_EQ(rig.pServer->Connections(), 2);
}

TEST_F(NetLink, TheLastFirmwareFrameFinishesTheUpdateWithoutAReply)
{
    CLinkRig rig(LinkWay::Net, FastLinkTimeouts(), FastNetOptions());
    ASSERT_TRUE(rig.Open());
    g_bUpdating = 1;
    rig.Queue(FirmwareFrame(FW_HEX_END, 1));
    rig.Start();
    ASSERT_TRUE(m_posted.WaitFor(WM_UPDATE_FINISHED, 1, WAIT));
    ASSERT_TRUE(rig.emulator.WaitForRequests(1, WAIT));
    rig.Stop();
    EXPECT_EQ(g_bUpdateFinished, 1);
    EXPECT_EQ(rig.emulator.Log()[0].byIndex, FW_HEX_END);
    EXPECT_EQ(rig.QueueCount(), 0);
}

// The network sends the enter pattern back to back for seconds; the status line, which the UI
// thread draws, hears of it a few times a second, not after every send.
TEST_F(NetLink, TheEnterPatternTellsTheStatusLineOnlyAFewTimesASecond)
{
    class CCountingTip : public IStatusLine {
    public:
        void SetText(const std::string& strUtf8) override
        {
            ++m_nCalls;
            m_strText = strUtf8;
        }
        std::atomic<int> m_nCalls{0};
        std::string m_strText;  // read once the worker is gone
    };
    CLinkTimeouts timeouts = FastLinkTimeouts();
    timeouts.netEnterUpdate = 600ms;
    CLinkRig rig(LinkWay::Net, timeouts, FastNetOptions());
    CCountingTip tip;
    g_pCurHexUpTip = &tip;
    ASSERT_TRUE(rig.Open());
    g_bUpdating = 1;
    rig.Queue(FirmwareFrame(FW_ENTER_UPDATE, 0));
    rig.Start();
    // Firmware passes run without the link lock: the queue is looked at once the worker is gone.
    std::this_thread::sleep_for(timeouts.netEnterUpdate + 300ms);
    rig.Stop();
    g_pCurHexUpTip = nullptr;
    EXPECT_EQ(rig.QueueCount(), 0);
    EXPECT_EQ(tip.m_strText, "Connected NetWork");
    EXPECT_GE(tip.m_nCalls, 1);
    EXPECT_LE(tip.m_nCalls, static_cast<int>(timeouts.netEnterUpdate / timeouts.enterUpdateStatus) + 1);
    EXPECT_EQ(rig.emulator.State().firmware.loader, EmuLoader::Entered);
}

class CFakeAdvSettings : public IAdvSettings {
public:
    CFakeAdvSettings() { g_pAdvDlg = this; }
    ~CFakeAdvSettings() override { g_pAdvDlg = nullptr; }
    void ReloadFromDevice() override {}
    void UpdateSourceButton() override {}
    void EnableLoadDefault(int bEnable) override { m_nLoadDefault = bEnable; }
    void ReloadNetwork() override
    {
        std::lock_guard lock(g_csEndpoint);
        m_strShownAddress = g_strDeviceIP + ":" + std::to_string(g_nDevicePort);
    }
    int m_nLoadDefault = -1;
    std::string m_strShownAddress;
};

TEST(WifiReset, OnUsbTheResultIsReportedAndTheDialogShowsTheFactoryEndpoint)
{
    CLinkRig rig(LinkWay::Usb, FastLinkTimeouts(), NoAdapterInSubnet());
    CMessageBoxRecorder boxes;
    CFakeAdvSettings adv;
    ASSERT_TRUE(rig.Open());
    rig.Start();
    EXPECT_EQ(adv.m_nLoadDefault, 1);
    {
        std::lock_guard lock(g_csEndpoint);
        g_strDeviceIP = "192.168.1.50";
        g_nDevicePort = 1234;
    }
    g_bTransferring = 1;
    rig.link.OnWifiResetDone(0);
    EXPECT_EQ(g_bTransferring, 0);
    EXPECT_TRUE(adv.m_strShownAddress.empty());
    rig.link.OnWifiResetDone(1);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Load WIFI factory default failure");
    EXPECT_EQ(boxes.shown[1].text, "Load WIFI factory default success");
    EXPECT_EQ(boxes.shown[1].code, 2000);
    EXPECT_EQ(adv.m_strShownAddress, "10.10.100.254:8899");
    rig.Stop();
    EXPECT_EQ(adv.m_nLoadDefault, 0);
}

TEST(WifiReset, OnTheNetworkTheLinkIsClosedAndTheFactoryEndpointRestored)
{
    CLinkRig rig(LinkWay::Net, FastLinkTimeouts(), FastNetOptions());
    CMessageBoxRecorder boxes;
    CFakeAdvSettings adv;
    ASSERT_TRUE(rig.Open());
    int nClosed = 0;
    rig.link.SetConnectButtonHandler([&] { ++nClosed; });
    rig.link.OnWifiResetDone(0);
    EXPECT_EQ(nClosed, 1);
    EXPECT_EQ(rig.net.m_bReachable, 0);
    EXPECT_EQ(adv.m_strShownAddress, "10.10.100.254:8899");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Connection failure!");
}

}  // namespace
