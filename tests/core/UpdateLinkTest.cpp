// The update-link thread's poll and the view's firmware-update connections, against the emulated
// processor: a processor that is not there, one that comes later, a Quit while a try runs, the
// abort and the end of an update. Periods and waits are shortened.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "link/FirmwareUpdate.h"
#include "link/LinkState.h"
#include "link/UpData_Thread.h"
#include "link/UpdateConnect.h"
#include "model/CommandFrame.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "tests/support/FirmwareFiles.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ProgressRecorder.h"

using namespace std::chrono_literals;

namespace {

constexpr WndHandle DIALOG = 11;
constexpr auto WAIT = 10s;
constexpr auto PERIOD = 10ms;

std::vector<PostedMessage> Reconnects(const CMessageRecorder& posted)
{
    std::vector<PostedMessage> found;
    for (const PostedMessage& m : posted.Posted())
        if (m.nMsg == WM_UPDATE_RECONNECT)
            found.push_back(m);
    return found;
}

}  // namespace

TEST(UpdateLinkThread, GivesUpAfterTwentyQuietTriesAndAFinalOne)
{
    CMessageRecorder posted;
    std::vector<int> tries;
    std::mutex mutex;
    CUpData_Thread thread(DIALOG, [&](int bRetry) {
        std::lock_guard lock(mutex);
        tries.push_back(bRetry);
        return 0;
    });
    thread.StartTimer(PERIOD);
    ASSERT_TRUE(posted.WaitFor(WM_UPDATE_RECONNECT, 1, WAIT));
    std::this_thread::sleep_for(5 * PERIOD);  // no try after the final one
    std::lock_guard lock(mutex);
    ASSERT_EQ(tries.size(), 21u);
    EXPECT_EQ(std::count(tries.begin(), tries.end(), 1), 20);
    EXPECT_EQ(tries.back(), 0);
    const std::vector<PostedMessage> results = Reconnects(posted);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].hWnd, DIALOG);
    EXPECT_EQ(results[0].wParam, 0u);
    EXPECT_EQ(results[0].lParam, 0);
    EXPECT_FALSE(thread.IsRunning());
}

TEST(UpdateLinkThread, AProcessorThatComesLaterIsOpenedAtTheNextTick)
{
    CMessageRecorder posted;
    std::atomic<int> nTries{0};
    CUpData_Thread thread(DIALOG, [&](int) { return ++nTries >= 4 ? 1 : 0; });
    thread.StartTimer(PERIOD);
    ASSERT_TRUE(posted.WaitFor(WM_UPDATE_RECONNECT, 1, WAIT));
    std::this_thread::sleep_for(5 * PERIOD);
    EXPECT_EQ(nTries, 4);
    EXPECT_EQ(Reconnects(posted).at(0).lParam, 1);
    EXPECT_FALSE(thread.IsRunning());
}

// Quit while a try is running: StopTimer waits for it, and no try starts afterwards.
TEST(UpdateLinkThread, StoppingWaitsForTheTryInProgressAndEndsThePoll)
{
    CMessageRecorder posted;
    std::atomic<int> nTries{0};
    std::atomic<bool> bInTry{false};
    CUpData_Thread thread(DIALOG, [&](int) {
        bInTry = true;
        ++nTries;
        std::this_thread::sleep_for(100ms);
        bInTry = false;
        return 0;
    });
    thread.StartTimer(PERIOD);
    while (!bInTry)
        std::this_thread::sleep_for(1ms);
    thread.StopTimer();
    EXPECT_FALSE(bInTry);
    const int nAfterStop = nTries;
    std::this_thread::sleep_for(10 * PERIOD);
    EXPECT_EQ(nTries, nAfterStop);
    EXPECT_TRUE(Reconnects(posted).empty());
}

class UpdateConnect : public testing::Test {
protected:
    UpdateConnect()
    {
        InitCommandFrame();
        m_rig.link.SetFirmwarePacketSource([this] { m_engine.NextFirmwarePacket(); });
        m_rig.hid.Unplug(CLinkRig::USB_PATH);  // the processor is not there yet
        g_nLinkType = LINK_USB;
    }
    ~UpdateConnect() override
    {
        m_rig.Stop();
        g_strFirmwareFile.clear();
    }
    void LoadMcuFile()
    {
        g_strFirmwareFile = m_files.Write(McuFirmwareFile(TestImage(200)));
        ASSERT_TRUE(m_engine.LoadFirmwareFile());
    }

    CMessageRecorder m_posted;
    CMessageBoxRecorder m_boxes;
    CProgressRecorder m_progress;
    CTempFirmwareFiles m_files;
    CLinkRig m_rig{LinkWay::Usb, FastUpdateTimeouts()};
    CFirmwareUpdate m_engine{m_rig.command};
    int m_nDisconnects = 0;
    CUpdateConnect m_connect{m_rig.link, m_rig.command, m_rig.net, [this] {
                                 ++m_nDisconnects;
                                 m_rig.link.CloseHidDevice();
                                 m_rig.link.ForgetUsbDevice();
                                 g_nLinkType = LINK_NONE;
                             }};
};

TEST_F(UpdateConnect, ThePollOpensAProcessorPluggedInWhileItWaitsAndTheUpdateRuns)
{
    LoadMcuFile();
    EXPECT_EQ(m_connect.ConnectUsbForUpdate(CLinkRig::USB_PATH), 0);
    CUpData_Thread thread(DIALOG, [this](int bRetry) { return m_connect.TryReconnectForUpdate(bRetry); });
    thread.StartTimer(PERIOD);
    std::this_thread::sleep_for(4 * PERIOD);
    EXPECT_EQ(m_progress.Text(), "Connected Usb");
    m_rig.hid.Plug(CLinkRig::USB_PATH, m_rig.emulator);

    ASSERT_TRUE(m_posted.WaitFor(WM_UPDATE_RECONNECT, 1, WAIT));
    EXPECT_EQ(Reconnects(m_posted).at(0).lParam, 1);
    EXPECT_EQ(g_bUpdating, 1);
    ASSERT_TRUE(m_posted.WaitFor(WM_UPDATE_FINISHED, 1, WAIT));
    m_connect.OnUpdateFinished(0x39);
    EXPECT_EQ(g_bUpdating, 0);
    EXPECT_EQ(m_nDisconnects, 1);
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "Update successfully");
    EXPECT_EQ(m_boxes.shown[0].code, 2000);
    EXPECT_EQ(m_rig.emulator.State().firmware.nUpdates, 1);
}

TEST_F(UpdateConnect, TheFinalFailureLeavesFirmwareModeAndTellsTheUser)
{
    g_bUpdating = 1;
    EXPECT_EQ(m_connect.TryReconnectForUpdate(0), 0);
    EXPECT_TRUE(m_boxes.shown.empty());  // tries show nothing: the dialog reports on the UI thread
    m_connect.ReportReconnectFailure();
    EXPECT_EQ(g_bUpdating, 0);
    ASSERT_EQ(m_boxes.shown.size(), 2u);
    EXPECT_EQ(m_boxes.shown[0].text, "Connection failure!");
    EXPECT_EQ(m_boxes.shown[0].code, 2000);
    EXPECT_EQ(m_boxes.shown[1].text, "The firmware update failed!");
    EXPECT_EQ(m_boxes.shown[1].code, 2001);

    // Over the network the status line says it and the view is told.
    m_boxes.shown.clear();
    g_nLinkType = LINK_NET;
    m_connect.ReportReconnectFailure();
    EXPECT_TRUE(m_boxes.shown.empty());
    EXPECT_EQ(m_progress.Text(), "The firmware update failed");
    EXPECT_EQ(m_posted.Count(WM_LINK_LOST), 1);
}

TEST_F(UpdateConnect, AbortingEndsTheWorkerAndTheLink)
{
    LoadMcuFile();
    m_rig.hid.Plug(CLinkRig::USB_PATH, m_rig.emulator);
    ASSERT_EQ(m_connect.ConnectUsbForUpdate(CLinkRig::USB_PATH), 1);
    ASSERT_TRUE(m_rig.emulator.WaitForRequests(1, WAIT));
    g_bUpdateAbort = 1;
    m_connect.AbortFirmwareUpdate();
    g_bUpdateAbort = 0;
    EXPECT_EQ(m_rig.link.GetLinkThread(), nullptr);
    EXPECT_EQ(m_rig.link.m_bOnline, 0);
    EXPECT_EQ(g_bUpdating, 0);
    EXPECT_EQ(m_nDisconnects, 1);
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "The firmware update failed!");
    const std::size_t nRequests = m_rig.emulator.Log().size();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(m_rig.emulator.Log().size(), nRequests);
}

TEST_F(UpdateConnect, OnlyTheEndCommandFinishesAnUpdate)
{
    g_bUpdating = 1;
    m_connect.OnUpdateFinished(0x3C);
    EXPECT_EQ(g_bUpdating, 1);
    EXPECT_EQ(m_nDisconnects, 0);
    EXPECT_TRUE(m_boxes.shown.empty());
}
