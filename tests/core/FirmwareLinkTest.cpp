// Whole firmware updates: the real update engine, link worker, transports and command manager
// against the emulated processor's loader, which takes the commands only in their order and with
// the right checksums. Over the in-memory USB backend the processor re-enumerates after the apply
// command and comes back at another device node; over TCP it stays. Waits are shortened.
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <thread>

#include "link/ClientSocket.h"
#include "link/FirmwareCommands.h"
#include "link/FirmwareUpdate.h"
#include "link/LinkState.h"
#include "model/CommandFrame.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "tests/support/FirmwareFiles.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ProgressRecorder.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<BYTE>;

namespace {

constexpr auto WAIT = 20s;  // for what must happen; far above every shortened limit
constexpr char NEW_NODE[] = "/dev/hidraw-emulated-after-apply";

CLinkTimeouts FastFirmwareTimeouts()
{
    CLinkTimeouts t = FastLinkTimeouts();
    t.usbEnterUpdate = 60ms;
    t.netEnterUpdate = 60ms;
    t.netResendPause = 50ms;
    return t;
}

// An update as the dialog starts it: the file loaded, the link opened in firmware mode, the
// worker started; the bar's range set from the loaded file.
class FirmwareLink : public testing::TestWithParam<LinkWay> {
protected:
    FirmwareLink() : m_rig(GetParam(), FastFirmwareTimeouts(), FastNetOptions())
    {
        InitCommandFrame();
        m_rig.link.SetFirmwarePacketSource([this] { m_engine.NextFirmwarePacket(); });
        m_rig.hid.SetReenumeration(NEW_NODE, 20ms);
    }
    ~FirmwareLink() override
    {
        m_rig.Stop();
        g_strFirmwareFile.clear();
    }

    bool Start(const Bytes& file)
    {
        g_strFirmwareFile = m_files.Write(file);
        if (!m_engine.LoadFirmwareFile())
            return false;
        if (!m_rig.Open())
            return false;
        g_bUpdating = 1;
        m_progress.SetRange(g_nUpdateProgressRange);
        m_rig.Start();
        return true;
    }

    // Waits for the end the command manager reports, then for the processor to have taken it.
    bool Finished()
    {
        return m_posted.WaitFor(WM_UPDATE_FINISHED, 1, WAIT) &&
               WaitUntil([&] { return m_rig.emulator.State().firmware.nUpdates == 1; }, WAIT);
    }

    CMessageRecorder m_posted;
    CMessageBoxRecorder m_boxes;
    CProgressRecorder m_progress;
    CTempFirmwareFiles m_files;
    CLinkRig m_rig;
    CFirmwareUpdate m_engine{m_rig.command};
};

// Keeps every report the firmware writers hand to the view's client socket.
class CRecordingClientSocket : public CClientSocket {
public:
    void OnOutgoingData(const BYTE* pReport, int nLength) override
    {
        CClientSocket::OnOutgoingData(pReport, nLength);
        std::lock_guard lock(m_mutex);
        m_reports.emplace_back(pReport, pReport + nLength);
    }
    std::vector<Bytes> Reports() const
    {
        std::lock_guard lock(m_mutex);
        return m_reports;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Bytes> m_reports;
};
}  // namespace

TEST_P(FirmwareLink, AnMcuFileUpdatesTheProcessor)
{
    const Bytes mcu = TestImage(1000);
    ASSERT_TRUE(Start(McuFirmwareFile(mcu)));
    ASSERT_TRUE(Finished());
    m_rig.Stop();

    const EmuState state = m_rig.emulator.State();
    EXPECT_EQ(state.firmware.lastMcu, mcu);
    EXPECT_TRUE(state.firmware.lastDsp.empty());
    EXPECT_EQ(m_progress.Text(), "Update successfully");
    EXPECT_EQ(m_progress.GetPos(), m_progress.GetUpper());
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);
    EXPECT_EQ(g_bUpdateFinished, 1);
    if (GetParam() == LinkWay::Usb) {
        // Opened again by vendor, product and version at the node it came back at.
        EXPECT_EQ(g_strUsbDevicePath, NEW_NODE);
        EXPECT_EQ(m_rig.hid.OpenCount(NEW_NODE), 1);
    }
}

TEST_P(FirmwareLink, ACombinedFileUpdatesBothImages)
{
    const Bytes dsp = TestImage(0x3FFFF, 3);
    const Bytes mcu = TestImage(333, 4);
    ASSERT_TRUE(Start(CombinedFirmwareFile(mcu, 0x77, false, dsp)));
    ASSERT_TRUE(Finished());
    m_rig.Stop();

    const EmuState state = m_rig.emulator.State();
    EXPECT_EQ(state.firmware.lastDsp, dsp);
    EXPECT_EQ(state.firmware.lastMcu, mcu);
    const std::vector<std::string> texts = m_progress.Texts();
    const std::string strConnected = GetParam() == LinkWay::Usb ? "Connected Usb" : "Connected NetWork";
    EXPECT_EQ(texts, (std::vector<std::string>{strConnected, "Firmware update begins Do not interrupt", "Erasing......",
                                               "Programming Do not interrupt", "Update successfully"}));
    EXPECT_EQ(m_progress.GetPos(), m_progress.GetUpper());
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 0);

    // Every frame the processor took, in order: one apply, one erase request, the DSP pieces,
    // the MCU start, pieces and end.
    std::vector<int> commands;
    for (const EmuRequest& request : m_rig.emulator.Log()) {
        EXPECT_EQ(request.answer, EmuAnswer::Ack);
        if (commands.empty() || commands.back() != request.byIndex)
            commands.push_back(request.byIndex);
    }
    EXPECT_EQ(commands, (std::vector<int>{0x36, 0x3A, 0x3B, 0x37, 0x38, 0x39}));
}

TEST_P(FirmwareLink, ADspOnlyFileUpdatesTheDspImage)
{
    const Bytes dsp = TestImage(0x3FFFF, 9);
    ASSERT_TRUE(Start(CombinedFirmwareFile({}, 0, false, dsp)));
    ASSERT_TRUE(Finished());
    m_rig.Stop();
    EXPECT_EQ(m_rig.emulator.State().firmware.lastDsp, dsp);
    EXPECT_EQ(m_progress.Text(), "Update successfully");
}

// The processor refuses a piece every time: the link fails once, and the update goes no further.
TEST_P(FirmwareLink, AProcessorThatRefusesMidUpdateEndsTheLink)
{
    m_rig.emulator.InjectFault(EmuFault::Refuse, EMU_ALWAYS, EmuRequestOf(9, FW_HEX_DATA));
    ASSERT_TRUE(Start(McuFirmwareFile(TestImage(500))));
    ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
    std::this_thread::sleep_for(200ms);
    m_rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_LINK_FAILED), 1);
    EXPECT_EQ(m_posted.Count(WM_UPDATE_FINISHED), 0);
    EXPECT_EQ(m_rig.emulator.State().firmware.nUpdates, 0);
    // A piece is written twice at most.
    int nDataFrames = 0;
    for (const EmuRequest& request : m_rig.emulator.Log())
        nDataFrames += request.byIndex == FW_HEX_DATA;
    EXPECT_LE(nDataFrames, 2);
    EXPECT_NE(m_progress.Text(), "Update successfully");
}

TEST_P(FirmwareLink, AProcessorThatFallsSilentMidUpdateEndsTheLink)
{
    m_rig.emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS, EmuRequestOf(9, FW_DSP_DATA));
    ASSERT_TRUE(Start(CombinedFirmwareFile(TestImage(8), 0)));
    ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
    m_rig.Stop();
    EXPECT_EQ(m_posted.Count(WM_UPDATE_FINISHED), 0);
    EXPECT_EQ(m_rig.emulator.State().firmware.nUpdates, 0);
}

// A reply lost once: on the network the piece goes again after a reconnect and the update
// completes; on USB a reply that does not come ends the update.
TEST_P(FirmwareLink, AReplyLostOnceIsSentAgainOnlyOnTheNetwork)
{
    m_rig.emulator.InjectFault(EmuFault::Drop, 1, EmuRequestOf(9, FW_HEX_DATA));
    const Bytes mcu = TestImage(300);
    ASSERT_TRUE(Start(McuFirmwareFile(mcu)));
    if (GetParam() == LinkWay::Usb) {
        ASSERT_TRUE(m_posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
        m_rig.Stop();
        EXPECT_EQ(m_rig.emulator.State().firmware.nUpdates, 0);
        return;
    }
    ASSERT_TRUE(Finished());
    m_rig.Stop();
    EXPECT_EQ(m_rig.emulator.State().firmware.lastMcu, mcu);
}

// The client socket sees each firmware report once, as it is sent, and the update goes on as if
// it were not there.
TEST_P(FirmwareLink, EveryFirmwareReportPassesTheClientSocketOnceAsSent)
{
    CRecordingClientSocket socket;
    m_rig.link.AttachClientSocket(&socket);
    ASSERT_TRUE(Start(McuFirmwareFile(TestImage(200))));
    ASSERT_TRUE(Finished());
    m_rig.Stop();
    m_rig.link.AttachClientSocket(nullptr);
    EXPECT_EQ(m_progress.Text(), "Update successfully");

    const std::vector<Bytes> reports = socket.Reports();
    CEmuRequestAssembler assembler;
    std::vector<Bytes> handedFrames;
    for (const Bytes& report : reports) {
        ASSERT_EQ(report.size(), std::size_t(HID_REPORT_SIZE));
        EXPECT_EQ(report[0], 0);
        for (const Bytes& frame : assembler.Feed(std::span(report).subspan(1)))
            handedFrames.push_back(frame);
    }
    std::vector<Bytes> receivedFrames;
    for (const EmuRequest& request : m_rig.emulator.Log())
        receivedFrames.push_back(request.bytes);
    ASSERT_FALSE(receivedFrames.empty());
    EXPECT_EQ(handedFrames, receivedFrames);

    // One report per 64 frame bytes: none twice, none held back.
    std::size_t nPieces = 0;
    for (const Bytes& frame : receivedFrames)
        nPieces += (frame.size() + HID_REPORT_SIZE - 2) / (HID_REPORT_SIZE - 1);
    EXPECT_EQ(reports.size(), nPieces);
}

INSTANTIATE_TEST_SUITE_P(Transports, FirmwareLink, testing::Values(LinkWay::Usb, LinkWay::Net), LinkWayName);

// The firmware replies' long waits belong to their pass: a later normal link on the same network
// object gives up on a silent processor within the normal receive time-out.
TEST(NetFirmwareLink, AFinishedUpdateLeavesTheNormalReceiveWait)
{
    CLinkTimeouts timeouts = FastFirmwareTimeouts();
    timeouts.firmwareWaitUnit = 2s;  // a piece's reply wait is 4 s, the apply's 20 s
    const CNetOptions net = FastNetOptions();
    CMessageRecorder posted;
    CProgressRecorder progress;
    CTempFirmwareFiles files;
    CLinkRig rig(LinkWay::Net, timeouts, net);
    CFirmwareUpdate engine(rig.command);
    InitCommandFrame();
    rig.link.SetFirmwarePacketSource([&] { engine.NextFirmwarePacket(); });
    g_strFirmwareFile = files.Write(McuFirmwareFile(TestImage(200)));
    ASSERT_TRUE(engine.LoadFirmwareFile());
    ASSERT_TRUE(rig.Open());
    g_bUpdating = 1;
    progress.SetRange(g_nUpdateProgressRange);
    rig.Start();
    ASSERT_TRUE(posted.WaitFor(WM_UPDATE_FINISHED, 1, WAIT));
    rig.Stop();
    g_bUpdating = 0;
    g_bUpdateFinished = 0;
    g_strFirmwareFile.clear();

    rig.emulator.InjectFault(EmuFault::Drop, EMU_ALWAYS);
    ASSERT_TRUE(rig.Open());
    const auto start = Clock::now();
    rig.Start();
    ASSERT_TRUE(posted.WaitFor(WM_LINK_FAILED, 1, WAIT));
    // Every attempt a receive time-out, a reconnect between them.
    EXPECT_LT(Clock::now() - start, NetSilentGiveUp(timeouts, net) + 1s);
    rig.Stop();
}
