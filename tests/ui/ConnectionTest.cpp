// The main view against the processor emulator, over the in-memory USB backend and over TCP on
// 127.0.0.1: connecting by itself, the version rule, the read-back, the preset batches, the
// device-state commands' frames, the connect button and its menus, and processors that fail in
// the middle of a batch.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/menu.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <mutex>
#include <tuple>

#include "app/HalvekView.h"
#include "app/MainFrm.h"
#include "controls/BitButton.h"
#include "controls/ControlIds.h"
#include "controls/FileDialogST.h"
#include "controls/ShowLink.h"
#include "controls/WndMessages.h"
#include "controls/XPButton.h"
#include "link/DisplayDlg.h"
#include "link/FirmwareCommands.h"
#include "link/LinkState.h"
#include "model/ChannelGroups.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/Music_InData.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"
#include "platform/SettingsStore.h"
#include "platform/UsbInUseList.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/FakePing.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/ui/UiTestUtil.h"

using namespace std::chrono_literals;

namespace {
constexpr char kUsbPath[] = "/dev/hidraw-emulated";
constexpr char kUsbPath2[] = "/dev/hidraw-emulated-2";

CNetOptions NoNetwork()
{
    CNetOptions options = FastNetOptions();
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    return options;
}

// The loopback adapter lies in the processor's subnet and the ping answers.
CNetOptions LoopbackNetwork()
{
    CNetOptions options = FastNetOptions();
    options.adapters = [] { return std::vector<NetAdapter>{{"lo", "127.0.0.1", "255.0.0.0"}}; };
    options.ping.strProgram = FakePing("answers", "ttl=64");
    return options;
}

// Pumps the UI until done() holds.
bool SettleUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Settle(10);
    }
    return true;
}

void Command(wxWindow* pWnd, int nCommand)
{
    wxCommandEvent command(wxEVT_MENU, WxId(nCommand));
    command.SetEventObject(pWnd);
    pWnd->ProcessWindowEvent(command);
}

std::vector<std::string> UsbDevicesInUse()
{
    Settings().Reload();
    return Settings().ValueNames(USB_IN_USE_KEY);
}

std::int16_t Int16At(const EmuImage& image, std::size_t nOffset)
{
    return static_cast<std::int16_t>(image[nOffset] | image[nOffset + 1] << 8);
}

bool IsWrite(const EmuRequest& r, int nBlock, int nIndex)
{
    return r.byClass == emu::WRITE && r.byBlock == nBlock && r.byIndex == nIndex;
}

// The view in its main window, the emulated processor on USB (plugged before start-up unless
// the test plugs it later) or behind a TCP listener.
class ViewOnLink : public testing::Test {
protected:
    void Start(LinkWay way, bool bPlugged = true)
    {
        m_way = way;
        ResetLinkGlobals();
        g_bChinese = 0;
        g_nCurPage = 1;
        g_bOutMapLocked = 0;
        m_doc.OnNewDocument();
        if (way == LinkWay::Net) {
            m_pServer = std::make_unique<CEmulatorTcpServer>(m_emulator);
            std::lock_guard lock(g_csEndpoint);
            g_strDeviceIP = "127.0.0.1";
            g_nDevicePort = m_pServer->Port();
        } else if (bPlugged) {
            m_hid.Plug(kUsbPath, m_emulator);
        }
        m_pFrame = new CMainFrame;
        m_pView = m_pFrame->OpenDocument(m_doc, m_hid, way == LinkWay::Net ? LoopbackNetwork() : NoNetwork(),
                                         FastLinkTimeouts());
        m_hid.SetNotifyWnd(GetWndHandle(m_pView));
        m_pFrame->Show();
    }

    void TearDown() override
    {
        CFileDialogST::SetTestAnswer({});
        m_hid.SetNotifyWnd(0);
        if (m_pFrame)
            m_pFrame->Destroy();
        wxTheApp->ProcessIdle();
        PumpPendingEvents();
        m_pServer.reset();
        g_bOutMapLocked = 0;
        ResetLinkGlobals();
    }

    wxString LampText() const { return dynamic_cast<CShow_Link*>(m_pView->GetDlgItem(2776))->GetLabel(); }
    bool Connected() const { return m_pView->IsOnline() && LampText() == "Connected device"; }
    // Connected, the version accepted and the current preset read back.
    bool WaitSynced() { return SettleUntil([this] { return Connected() && g_bSynced && !g_bTransferring; }); }
    bool WaitDisconnected()
    {
        return SettleUntil([this] { return !m_pView->IsOnline() && g_nLinkType == LINK_NONE; });
    }
    int QueueCount()
    {
        std::lock_guard lock(g_csLink);
        return m_pView->m_command.GetQueueCount();
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : m_boxes.shown)
            texts.push_back(shown.text);
        return texts;
    }

    LinkWay m_way = LinkWay::Usb;
    CMessageBoxRecorder m_boxes;
    CHalvekDoc m_doc;
    CProcessorEmulator m_emulator;
    CEmulatedHidBackend m_hid;
    std::unique_ptr<CEmulatorTcpServer> m_pServer;
    CMainFrame* m_pFrame = nullptr;
    CHalvekView* m_pView = nullptr;
};

class ViewOnEitherLink : public ViewOnLink, public testing::WithParamInterface<LinkWay> {
protected:
    void SetUp() override { Start(GetParam()); }
};

}  // namespace

// At start-up the view opens the processor by itself (USB at once, the network when the link
// check finds it), checks its version, reads the stored names, the device state and the current
// preset, and then polls the meters.
TEST_P(ViewOnEitherLink, ConnectsByItselfReadsThePresetAndPollsTheMeters)
{
    ASSERT_TRUE(WaitSynced()) << "lamp: " << LampText();
    EXPECT_FALSE(dynamic_cast<CShow_Link*>(m_pView->GetDlgItem(2776))->IsBlinking());
    EXPECT_EQ(dynamic_cast<CXPButton*>(m_pView->GetDlgItem(1413))->CurrentBitmap(), 8743);
    EXPECT_EQ(std::string(g_szDeviceVersion, 11), "ZIRE-RI1.00");
    EXPECT_EQ(g_nLinkType, GetParam() == LinkWay::Usb ? LINK_USB : LINK_NET);
    if (GetParam() == LinkWay::Usb) {
        EXPECT_EQ(UsbDevicesInUse(), std::vector<std::string>{kUsbPath});
    }

    // What was asked, in order, meter polls of the idle moments left out: hello, version, the six
    // stored names, items 0, 52, 2, 5, 6, the current preset's 14 blocks.
    std::vector<EmuRequest> log;
    for (const EmuRequest& r : m_emulator.Log())
        if (r.byBlock != emu::BLOCK_SYSTEM || r.byIndex != emu::ITEM_STATUS)
            log.push_back(r);
    ASSERT_GE(log.size(), 27u);
    EXPECT_EQ(log[0].byIndex, emu::ITEM_HELLO);
    EXPECT_EQ(log[1].byIndex, emu::ITEM_VERSION);
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(log[std::size_t(1 + p)].byIndex, emu::ITEM_NAME);
        EXPECT_EQ(log[std::size_t(1 + p)].byPreset, p);
    }
    const int items[] = {0, 52, 2, 5, 6};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(log[std::size_t(8 + i)].byIndex, items[i]);
    for (int i = 0; i < 14; ++i) {
        const EmuRequest& r = log[std::size_t(13 + i)];
        EXPECT_EQ(r.byClass, emu::READ);
        EXPECT_EQ(r.byBlock, i < 6 ? emu::BLOCK_MUSIC : emu::BLOCK_OUTPUT);
        EXPECT_EQ(r.byIndex, i < 6 ? i : i - 6);
        EXPECT_EQ(r.bySub, emu::WHOLE_BLOCK);
    }

    // The PC now holds the processor's preset and device state.
    const EmuState state = m_emulator.State();
    EXPECT_EQ(std::memcmp(g_liveImage.m_music, state.images[0].data() + emu::MUSIC_OFFSET,
                          emu::MUSIC_SIZE * emu::MUSIC_CHANNELS),
              0);
    for (int c = 0; c < OUTPUT_CHANNELS; ++c) {
        const std::size_t nBase = emu::OUTPUT_OFFSET + std::size_t(c) * emu::OUTPUT_SIZE + OUT_GROUP_BASE * 8;
        EXPECT_EQ(m_pView->m_pData->GetOutData(c)->GetDelay(), Int16At(state.images[0], nBase + 4)) << c;
    }
    EXPECT_EQ(std::memcmp(&g_inputSettings, state.input.data(), 8), 0);
    EXPECT_EQ(g_byCurPreset, state.byCurPreset);
    // The current preset came from stored preset 1: its name is the live name.
    EXPECT_EQ(dynamic_cast<CBitButton*>(m_pView->GetDlgItem(2770))->GetLabel(), "Preset 1");
    EXPECT_TRUE(SettleUntil([] { return !g_pDisplayDlg->IsShown(); }));
    EXPECT_TRUE(m_pView->IsEnabled());

    // An idle link polls the meters.
    const auto polls = [this] {
        int n = 0;
        for (const EmuRequest& r : m_emulator.Log())
            n += r.byClass == emu::READ && r.byBlock == emu::BLOCK_SYSTEM && r.byIndex == emu::ITEM_STATUS;
        return n;
    };
    EXPECT_TRUE(SettleUntil([&] { return polls() >= 5; }));
    EXPECT_TRUE(m_boxes.shown.empty()) << Texts().front();

    if (GetParam() == LinkWay::Usb) {
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(*m_pFrame), "main_window_connected"));
    }
}

// Reading all presets (command 726) asks for the file, reads the 84 blocks of the six stored
// presets into the stored images and then writes the file; the progress dialog disables the
// view meanwhile and enables it again.
TEST_P(ViewOnEitherLink, ReadingAllPresetsReads84BlocksThenWritesTheFile)
{
    ASSERT_TRUE(WaitSynced());
    const std::string strFile = (std::filesystem::temp_directory_path() / ("tarvi-all-" + std::to_string(getpid()))).string();
    std::filesystem::remove(strFile + ".TarviAC1");
    CFileDialogST::SetTestAnswer([&](const CFileDialogST&) -> std::optional<std::string> { return strFile; });
    m_emulator.ClearLog();
    Command(m_pView, 726);
    EXPECT_EQ(g_bTransferring, 1);
    EXPECT_TRUE(g_pDisplayDlg->IsShown());
    EXPECT_FALSE(m_pView->IsEnabled());
    ASSERT_TRUE(SettleUntil([&] { return std::filesystem::exists(strFile + ".TarviAC1"); }));
    EXPECT_TRUE(SettleUntil([] { return !g_pDisplayDlg->IsShown(); }));
    EXPECT_TRUE(m_pView->IsEnabled());

    int nBlocks = 0;
    for (const EmuRequest& r : m_emulator.Log()) {
        if (r.byClass != emu::READ || r.byBlock == emu::BLOCK_SYSTEM)
            continue;
        const int nPreset = 1 + nBlocks / 14, nInPreset = nBlocks % 14;
        EXPECT_EQ(r.byPreset, nPreset);
        EXPECT_EQ(r.byBlock, nInPreset < 6 ? emu::BLOCK_MUSIC : emu::BLOCK_OUTPUT);
        EXPECT_EQ(r.byIndex, nInPreset < 6 ? nInPreset : nInPreset - 6);
        EXPECT_EQ(r.bySub, emu::WHOLE_BLOCK);
        ++nBlocks;
    }
    EXPECT_EQ(nBlocks, 84);
    const EmuState state = m_emulator.State();
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(std::memcmp(g_devImages[p - 1].m_music, state.images[std::size_t(p)].data() + emu::MUSIC_OFFSET,
                              emu::MUSIC_SIZE * emu::MUSIC_CHANNELS + emu::OUTPUT_SIZE * emu::OUTPUT_CHANNELS),
                  0)
            << p;
    }
    EXPECT_TRUE(m_boxes.shown.empty());
    std::filesystem::remove(strFile + ".TarviAC1");
}

// Writing all presets: the master switch goes off first, everything follows, and the last two
// frames give the input settings and the master switch back as they were.
TEST_P(ViewOnEitherLink, WritingAllPresetsSendsEverythingBetweenTheMuteAndTheRestore)
{
    ASSERT_TRUE(WaitSynced());
    ASSERT_EQ(g_masterSettings.m_byMasterOn, 1);
    for (int p = 0; p < STORED_PRESETS; ++p)
        std::memset(g_devImages[p].m_out[3].m_group[0].m_by, 0x40 + p, 8);
    m_emulator.ClearLog();
    {
        std::lock_guard lock(g_csLink);
        m_pView->WriteAllPresets();
    }
    EXPECT_EQ(g_masterSettings.m_byMasterOn, 1);
    std::vector<EmuRequest> writes;
    ASSERT_TRUE(SettleUntil([&] {
        writes.clear();
        for (const EmuRequest& r : m_emulator.Log())
            if (r.byClass == emu::WRITE)
                writes.push_back(r);
        return writes.size() >= 108 && !g_bTransferring;
    }));
    ASSERT_GE(writes.size(), 108u);
    EXPECT_TRUE(IsWrite(writes[0], emu::BLOCK_SYSTEM, emu::ITEM_MASTER));
    EXPECT_EQ(writes[0].payload[6], 0);
    EXPECT_TRUE(IsWrite(writes[1], emu::BLOCK_SYSTEM, emu::ITEM_ROLES));
    for (std::size_t i = 2; i < 106; ++i)
        EXPECT_FALSE(IsWrite(writes[i], emu::BLOCK_SYSTEM, emu::ITEM_MASTER)) << i;
    EXPECT_TRUE(IsWrite(writes[106], emu::BLOCK_SYSTEM, emu::ITEM_INPUT));
    EXPECT_TRUE(IsWrite(writes[107], emu::BLOCK_SYSTEM, emu::ITEM_MASTER));
    EXPECT_EQ(writes[107].payload[6], 1);
    const EmuState state = m_emulator.State();
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(state.images[std::size_t(p)][emu::OUTPUT_OFFSET + 3 * emu::OUTPUT_SIZE], 0x40 + p - 1) << p;
    EXPECT_EQ(state.master[6], 1);
}

INSTANTIATE_TEST_SUITE_P(Link, ViewOnEitherLink, testing::Values(LinkWay::Usb, LinkWay::Net), LinkWayName);

namespace {
// A processor that refuses, falls silent or goes away at the current preset's output 3.
class ViewOnFailingLink : public ViewOnLink, public testing::WithParamInterface<std::tuple<LinkWay, EmuFault>> {
protected:
    void SetUp() override
    {
        m_emulator.InjectFault(std::get<1>(GetParam()), EMU_ALWAYS, EmuRequestOf(emu::BLOCK_OUTPUT, 3));
        Start(std::get<0>(GetParam()));
    }
};

std::string FailureName(const testing::TestParamInfo<std::tuple<LinkWay, EmuFault>>& info)
{
    const char* szFault = std::get<1>(info.param) == EmuFault::Refuse ? "Refuses"
        : std::get<1>(info.param) == EmuFault::Drop                    ? "FallsSilent"
                                                                       : "Disappears";
    return std::string(std::get<0>(info.param) == LinkWay::Usb ? "Usb" : "Net") + szFault;
}
}  // namespace

// The link ends with one connection failure; the PC keeps its own preset (the blocks that did
// arrive are not applied), nothing stays queued and the progress dialog is gone.
TEST_P(ViewOnFailingLink, AFailureMidBatchEndsTheLinkAndKeepsThePcData)
{
    const std::int16_t nDelayBefore = m_pView->m_pData->GetOutData(0)->GetDelay();
    ASSERT_TRUE(SettleUntil([this] { return g_bTransferring != 0; }));
    ASSERT_TRUE(WaitDisconnected());
    Settle(300);  // a removal or a second failure report would follow by now
    EXPECT_EQ(Texts(), std::vector<std::string>{"Connection failure!"});
    EXPECT_EQ(m_boxes.shown.front().code, 2000);
    EXPECT_EQ(LampText(), "Not connected devices");
    EXPECT_EQ(g_bSynced, 0);
    EXPECT_EQ(g_bTransferring, 0);
    EXPECT_EQ(QueueCount(), 0);
    EXPECT_FALSE(g_pDisplayDlg->IsShown());
    EXPECT_TRUE(m_pView->IsEnabled());
    EXPECT_EQ(m_pView->m_pData->GetOutData(0)->GetDelay(), nDelayBefore);
    EXPECT_TRUE(UsbDevicesInUse().empty());
}

INSTANTIATE_TEST_SUITE_P(Link, ViewOnFailingLink,
                         testing::Combine(testing::Values(LinkWay::Usb, LinkWay::Net),
                                          testing::Values(EmuFault::Refuse, EmuFault::Drop, EmuFault::Close)),
                         FailureName);
