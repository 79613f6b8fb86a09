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
#include "app/VersionDlg.h"
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
#include "model/CommandFrame.h"
#include "model/DataDefine.h"
#include "model/HalvekDoc.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/Music_InData.h"
#include "model/StdAfx.h"
#include "platform/DeviceChange.h"
#include "platform/LinkLock.h"
#include "platform/SettingsStore.h"
#include "platform/UsbInUseList.h"
#include "res/SkinPaint.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/FakePing.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/support/ProcessorEmulator.h"
#include "tests/ui/PictureChecks.h"
#include "tests/ui/UiTestUtil.h"
#include "tests/ui/ViewOnLink.h"

using namespace std::chrono_literals;

namespace {

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
    const InputSettings input = g_inputSettings;
    EXPECT_EQ(std::memcmp(&input, state.input.data(), 8), 0);
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

    // The connected window: the connect button's connected face in teal, and the lamp's text and
    // the preset's name drawn inside their boxes.
    if (GetParam() == LinkWay::Usb) {
        EXPECT_TRUE(SaveScreenshot(CaptureWindow(*m_pFrame), "main_window_connected"));
        const wxImage shot = CaptureWindow(*m_pFrame);
        const auto place = [&](int nId) { return RectInCapture(*m_pView->GetDlgItem(nId), *m_pFrame); };
        EXPECT_TRUE(ShowsColour(shot, place(1413), skin::kTeal));
        EXPECT_TRUE(ShowsTextIn(shot, place(2776), *wxWHITE, 40, 2));
        EXPECT_TRUE(ShowsTextIn(shot, place(2770), *wxWHITE, 40, 2));
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
    ASSERT_EQ(g_masterSettings.Get().m_byMasterOn, 1);
    for (int p = 0; p < STORED_PRESETS; ++p)
        std::memset(g_devImages[p].m_out[3].m_group[0].m_by, 0x40 + p, 8);
    m_emulator.ClearLog();
    {
        std::lock_guard lock(g_csLink);
        m_pView->WriteAllPresets();
    }
    EXPECT_EQ(g_masterSettings.Get().m_byMasterOn, 1);
    // The live preset's name, asked for by the read-back, may still go out before the batch.
    std::vector<EmuRequest> before;
    std::vector<EmuRequest> writes;
    ASSERT_TRUE(SettleUntil([&] {
        before.clear();
        writes.clear();
        for (const EmuRequest& r : m_emulator.Log()) {
            if (r.byClass != emu::WRITE)
                continue;
            if (writes.empty() && !(IsWrite(r, emu::BLOCK_SYSTEM, emu::ITEM_MASTER) && r.payload[6] == 0))
                before.push_back(r);
            else
                writes.push_back(r);
        }
        return writes.size() >= 108 && TransferShownOver();
    }));
    for (const EmuRequest& r : before)
        EXPECT_TRUE(IsWrite(r, emu::BLOCK_SYSTEM, emu::ITEM_NAME));
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

// The about box opened while the link worker stores a version reply shows the version whole.
TEST_P(ViewOnEitherLink, TheAboutBoxReadsTheVersionTheWorkerIsStoring)
{
    ASSERT_TRUE(WaitSynced());
    for (int i = 0; i < 3; ++i) {
        // The reply comes while the box is being made.
        m_emulator.InjectFault(EmuFault::Late, 1, EmuRequestOf(BLOCK_SYSTEM, SYS_VERSION), 150ms);
        {
            std::lock_guard lock(g_csLink);
            m_pView->m_command.AddSendData(MakeReadSystemFrame(SYS_VERSION, 0));
        }
        auto* pAbout = new CVersionDlg;
        pAbout->Create(m_pFrame);
        EXPECT_EQ(pAbout->FindWindow(WxId(1877))->GetLabel(), "Device version ZIRE-RI1.00");
        pAbout->Destroy();
        // The version is checked again and the current preset read back.
        ASSERT_TRUE(SettleUntil([this] { return QueueCount() == 0; }));
        ASSERT_TRUE(WaitSynced());
    }
}

INSTANTIATE_TEST_SUITE_P(Link, ViewOnEitherLink, testing::Values(LinkWay::Usb, LinkWay::Net), LinkWayName);

namespace {
// A processor that refuses, falls silent, goes away or answers with a reply of another kind at the
// current preset's output 3.
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
        : std::get<1>(info.param) == EmuFault::OtherKind               ? "AnswersAnotherKind"
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
                                          testing::Values(EmuFault::Refuse, EmuFault::Drop, EmuFault::Close,
                                                          EmuFault::OtherKind)),
                         FailureName);

namespace {
class ViewOnNet : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Net); }
};

int LostReplies(const CProcessorEmulator& emulator)
{
    int n = 0;
    for (const EmuRequest& r : emulator.Log())
        n += r.answer == EmuAnswer::Silent;
    return n;
}

std::int16_t DelayAt(const EmuState& state, int nOutput)
{
    return Int16At(state.images[0], emu::OUTPUT_OFFSET + std::size_t(nOutput) * emu::OUTPUT_SIZE + OUT_GROUP_BASE * 8 + 4);
}
}  // namespace

// A meter poll whose replies are lost three times in a row is sent again after silent reconnects:
// the window says "Connected" all along, and every edit made meanwhile, queued or only marked as
// changed, reaches the processor, with no new handshake or read-back.
TEST_F(ViewOnNet, EditsMadeWhileRepliesAreLostAllReachTheProcessor)
{
    ASSERT_TRUE(WaitSynced());
    m_emulator.ClearLog();
    const int nConnections = m_pServer->Connections();
    constexpr int LOST = CLinkController::NET_MAX_ATTEMPTS - 1;
    m_emulator.InjectFault(EmuFault::Drop, LOST, EmuRequestOf(emu::BLOCK_SYSTEM, emu::ITEM_STATUS));
    bool bAlwaysConnected = true;
    for (int n = 1; n <= LOST; ++n) {
        ASSERT_TRUE(SettleUntil([&] {
            bAlwaysConnected = bAlwaysConnected && Connected();
            return LostReplies(m_emulator) >= n;
        }));
        m_pView->m_pData->GetOutData(n - 1)->SetDelay(static_cast<std::int16_t>(100 + n));
        if (n == 2) {
            g_masterSettings.SetField(&MasterSettings::m_wVolume, 0x1234);
            m_pView->SendSystemItem(SYS_MASTER);
        }
    }
    ASSERT_TRUE(SettleUntil([&] {
        bAlwaysConnected = bAlwaysConnected && Connected();
        const EmuState state = m_emulator.State();
        return DelayAt(state, 0) == 101 && DelayAt(state, 1) == 102 && DelayAt(state, 2) == 103 &&
            state.master[0] == 0x34 && state.master[1] == 0x12;
    }));
    Settle(100);  // a drop or a failure report would follow by now: nothing to wait for but time
    EXPECT_TRUE(bAlwaysConnected && Connected());
    EXPECT_TRUE(m_boxes.shown.empty()) << Texts().front();
    EXPECT_EQ(m_pServer->Connections(), nConnections + LOST);
    for (const EmuRequest& r : m_emulator.Log())
        EXPECT_NE(r.byIndex, emu::ITEM_HELLO);
}

namespace {
class ViewOnUsb : public ViewOnLink {
protected:
    void SetUp() override { Start(LinkWay::Usb, false); }

    // The entries ("text=command") of the menu the connect button opens; none when it opens
    // nothing.
    std::vector<std::string> PressConnect()
    {
        std::vector<std::string> labels;
        m_pView->SetPopupHandler([&](wxMenu& menu, const wxPoint&) { labels = Labels(menu); });
        wxWindow* pButton = m_pView->GetDlgItem(1413);
        wxCommandEvent click(wxEVT_BUTTON, pButton->GetId());
        click.SetEventObject(pButton);
        m_pView->ProcessWindowEvent(click);
        m_pView->SetPopupHandler({});
        return labels;
    }

    static std::vector<std::string> Labels(wxMenu& menu)
    {
        std::vector<std::string> labels;
        for (wxMenuItem* pItem : menu.GetMenuItems())
            labels.push_back(pItem->GetItemLabelText().utf8_string() + "=" + std::to_string(CtrlId(pItem->GetId())));
        return labels;
    }
};

// The frames the view queued since the last call, taken out of the queue (no worker runs).
std::vector<std::vector<BYTE>> TakeQueued(CKTVCommand& command)
{
    std::lock_guard lock(g_csLink);
    std::vector<std::vector<BYTE>> frames;
    while (CSendData* p = command.GetHead()) {
        frames.emplace_back(p->GetBuffer(), p->GetBuffer() + p->GetLength());
        command.RemoveHead();
    }
    return frames;
}

// A frame from its header bytes (class to length, as hex text) and its payload.
std::vector<BYTE> Frame(const std::string& strHeader, const BYTE* pPayload, std::size_t nLength)
{
    std::vector<BYTE> body = HexBytes(strHeader);
    body.insert(body.end(), pPayload, pPayload + nLength);
    return Framed(body);
}

std::string Hex(const std::vector<BYTE>& bytes)
{
    return HexText(bytes.data(), static_cast<int>(bytes.size()));
}

std::vector<std::string> Hex(const std::vector<std::vector<BYTE>>& frames)
{
    std::vector<std::string> texts;
    for (const auto& f : frames)
        texts.push_back(Hex(f));
    return texts;
}
}  // namespace

// A processor plugged in while nothing is connected is connected at once; pressing the connect
// button while connected disconnects without a message; plugging in again connects again.
TEST_F(ViewOnUsb, APluggedInProcessorIsConnectedAndTheButtonDisconnectsSilently)
{
    ASSERT_TRUE(SettleShown(*m_pFrame));
    EXPECT_FALSE(m_pView->IsOnline());
    m_hid.Plug(kUsbPath, m_emulator);
    ASSERT_TRUE(WaitSynced());
    EXPECT_TRUE(PressConnect().empty());
    EXPECT_FALSE(m_pView->IsOnline());
    EXPECT_EQ(LampText(), "Not connected devices");
    EXPECT_EQ(dynamic_cast<CXPButton*>(m_pView->GetDlgItem(1413))->CurrentBitmap(), 8753);
    EXPECT_EQ(dynamic_cast<CBitButton*>(m_pView->GetDlgItem(2770))->GetLabel(), "");
    EXPECT_TRUE(UsbDevicesInUse().empty());
    EXPECT_TRUE(m_boxes.shown.empty());

    // The button connects the one free processor again.
    EXPECT_TRUE(PressConnect().empty());
    EXPECT_TRUE(WaitSynced());
}

// The version rule: the product line must match (else silence), the generation too (else the
// range message, empty when only character 6 differs); a refused processor is disconnected and
// its version blanked.
TEST_F(ViewOnUsb, AProcessorOfAnotherGenerationOrProductIsRefused)
{
    struct Case {
        const char* szVersion;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"ZIRE-RI2.00", {" If software version is lower than the device version, only the software at version, "
                         "VOVA_CV2.01 to VOVA_CV2.99, can be connected with this device."}},
        {"ZIRE-RX1.00", {""}},
        {"ZIRF-RI1.00", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szVersion);
        m_boxes.shown.clear();
        {
            std::lock_guard lock(g_csLink);
            std::memset(g_szDeviceVersion, 0, sizeof g_szDeviceVersion);
        }
        m_emulator.Edit([&](EmuState& s) { s.strVersion = c.szVersion; });
        m_hid.Plug(kUsbPath, m_emulator);
        ASSERT_TRUE(SettleUntil([] {
            std::lock_guard lock(g_csLink);  // the worker stores the version under it
            return g_szDeviceVersion[0] == ' ';
        }));
        ASSERT_TRUE(WaitDisconnected());
        EXPECT_EQ(Texts(), c.texts);
        if (!c.texts.empty()) {
            EXPECT_EQ(m_boxes.shown.front().code, -5);
        }
        EXPECT_EQ(std::string(g_szDeviceVersion, 12), std::string(12, ' '));
        EXPECT_EQ(QueueCount(), 0);
        EXPECT_EQ(g_bSynced, 0);
        m_hid.Unplug(kUsbPath);
        Settle(50);  // the removal of a processor already let go changes nothing to wait on
    }
}

// Unplugging the open processor says so once and leaves nothing connected; unplugging it while
// an update has just sent the apply command does not (the worker opens it again). After an
// update is over, the apply command it last sent no longer hides a removal.
TEST_F(ViewOnUsb, UnpluggingTheProcessorIsReportedUnlessAnUpdateExpectsIt)
{
    m_hid.Plug(kUsbPath, m_emulator);
    ASSERT_TRUE(WaitSynced());
    g_nLastFwCommand = FW_HEX_APPLY;  // left from an update that has ended
    m_hid.Unplug(kUsbPath);
    ASSERT_TRUE(WaitDisconnected());
    Settle(200);  // a second report would follow by now: nothing to wait for but time
    EXPECT_EQ(Texts(), std::vector<std::string>{"Connection failure!"});
    EXPECT_EQ(LampText(), "Not connected devices");
    EXPECT_TRUE(UsbDevicesInUse().empty());

    m_boxes.shown.clear();
    m_hid.Plug(kUsbPath, m_emulator);
    ASSERT_TRUE(WaitSynced());
    g_bUpdating = 1;  // an update that just sent the apply command
    g_nLastFwCommand = FW_HEX_APPLY;
    PostDeviceChange(GetWndHandle(m_pView), DBT_DEVICEREMOVECOMPLETE, kUsbPath);
    Settle(100);  // the link must not end: nothing to wait for but time
    EXPECT_TRUE(m_pView->IsOnline());
    EXPECT_EQ(g_bUsbOpen, 0);
    EXPECT_TRUE(m_boxes.shown.empty());
    g_bUpdating = 0;
}

// With nothing free and no network there is nothing to open; with two free processors and the
// network reachable the button offers both and the address; one choice connects it.
TEST_F(ViewOnUsb, TheConnectButtonOffersWhatCanBeOpened)
{
    ASSERT_TRUE(SettleShown(*m_pFrame));
    EXPECT_TRUE(PressConnect().empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"No connection can be opened"});

    CProcessorEmulator second;
    m_hid.SetNotifyWnd(0);  // plugged without an arrival: the button must find them
    m_hid.Plug(kUsbPath, m_emulator);
    m_hid.Plug(kUsbPath2, second);
    // The link check finds no adapter here and would clear the reachable flag set below.
    m_pView->m_netSocket.StopLinkCheck(1);
    m_pView->m_netSocket.m_bReachable = 1;
    EXPECT_EQ(PressConnect(), (std::vector<std::string>{"USB1=6600", "USB2=6601", "10.10.100.254=733"}));

    // One free processor and the network: the connect menu, its network entry titled WIFI.
    g_knownUsbPaths.clear();
    m_pView->OnConnectUsbChoice(6600);  // no list any more: nothing happens
    EXPECT_FALSE(m_pView->IsOnline());
    m_hid.Unplug(kUsbPath2);
    EXPECT_EQ(PressConnect(), (std::vector<std::string>{"USB=732", "WIFI=733"}));
    m_pView->m_netSocket.m_bReachable = 0;
    m_pView->OnConnectUsbChoice(6600);
    EXPECT_TRUE(WaitSynced());
    m_boxes.shown.clear();
    EXPECT_TRUE(PressConnect().empty());  // disconnects

    // The menu's USB entry that fails leaves no link type behind: the network may connect next.
    m_hid.DenyAccess(kUsbPath, EMU_ALWAYS);
    m_pView->OnConnectMenuUsb();
    EXPECT_EQ(g_nLinkType, LINK_NONE);
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, g_strUsbAccessEn);
}

// Each device-state command queues exactly its frames, in order, byte for byte (headers from
// the protocol: class, device 1, preset, block, index, group, link, 0, length); with no link it
// queues nothing.
TEST_F(ViewOnUsb, DeviceStateCommandsQueueTheirFramesByteForByte)
{
    ASSERT_TRUE(SettleShown(*m_pFrame));
    CKTVCommand& command = m_pView->m_command;
    CKTV_Data& data = *m_pView->m_pData;
    const std::string kMasterOff = "A1 01 00 09 05 00 00 00 0800 3C 00 00 00 00 00 00 00";
    const std::string kMasterOn = "A1 01 00 09 05 00 00 00 0800 3C 00 00 00 00 00 01 00";
    const auto framed = [](const std::string& strBody) { return Hex(Framed(HexBytes(strBody))); };
    const auto block = [](int nBlock, int nChannel, int nLink) {
        const bool bMusic = nBlock == BLOCK_MUSIC;
        const BYTE* pBlock = bMusic ? g_liveImage.m_music[nChannel].m_group[0].m_by : g_liveImage.m_out[nChannel].m_group[0].m_by;
        char szHeader[64];
        std::snprintf(szHeader, sizeof szHeader, "A1 01 00 %02X %02X 00 %02X 00 %s", nBlock, nChannel, nLink,
                      bMusic ? "2001" : "2801");
        return Hex(Frame(szHeader, pBlock, bMusic ? sizeof(MusicBlock) : sizeof(OutputBlock)));
    };

    // Without a link nothing is queued.
    m_pView->SendMusicChannelBlock(3);
    m_pView->SendSystemItem(SYS_MODE_TABLE, 0);
    m_pView->SetMasterItemPending(1);
    EXPECT_EQ(g_bSendMaster, 0);
    EXPECT_TRUE(TakeQueued(command).empty());

    m_pView->m_link.m_bOnline = 1;  // a link without a worker: the queue stays as filled
    g_nLinkType = LINK_USB;

    // Mode 2 (button "2"): the whole mode table with the mode in byte 64; the same mode again
    // sends nothing.
    wxWindow* pMode2 = m_pView->GetDlgItem(2067);
    wxCommandEvent click(wxEVT_BUTTON, pMode2->GetId());
    m_pView->ProcessWindowEvent(click);
    m_pView->ProcessWindowEvent(click);
    {
        const auto frames = TakeQueued(command);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(reinterpret_cast<const BYTE*>(&g_modeTable)[64], 1);
        EXPECT_EQ(Hex(frames[0]),
                  Hex(Frame("A1 01 00 09 40 00 00 00 4200", reinterpret_cast<const BYTE*>(&g_modeTable), 66)));
    }

    // Input "Phone" while the processor reports no active input: item 5 first, then item 2.
    g_masterSettings.SetField(&MasterSettings::m_byNoInput, 1);
    wxCommandEvent phone(wxEVT_BUTTON, m_pView->GetDlgItem(2827)->GetId());
    m_pView->ProcessWindowEvent(phone);
    EXPECT_EQ(Hex(TakeQueued(command)), (std::vector<std::string>{framed(kMasterOn), framed("A1 01 00 09 02 00 00 00 0800 02 00 03 00 FF 00 00 02")}));

    // Music input 3 again: master off, its basic group switched off, the block, the basic group
    // with the switch back, master on.
    CMusic_InData& music = *data.GetMusicData(3);
    music.SetOn(1);
    music.SetPolarity(1);
    music.SetDelay(0x0102);
    music.SetLevel(0x0304);
    g_liveImage.m_music[3].m_group[MUSIC_GROUP_BASE].m_by[0] = 0x55;  // the processor's byte stays
    m_pView->SendMusicChannelBlock(3);
    {
        const auto frames = TakeQueued(command);
        ASSERT_EQ(frames.size(), 5u);
        EXPECT_EQ(Hex(frames[0]), framed(kMasterOff));
        EXPECT_EQ(Hex(frames[1]), framed("A1 01 00 03 03 1F 00 00 0800 55 01 01 00 02 01 04 03"));
        EXPECT_EQ(frames[2].size(), 16u + 288u);
        EXPECT_EQ(Hex(std::vector<BYTE>(frames[2].begin(), frames[2].begin() + 14)), "6B 6B 6B EE A1 01 00 03 03 00 00 00 20 01");
        EXPECT_EQ(frames[2][14 + MUSIC_GROUP_BASE * 8 + 3], 0);  // the block went with the channel off
        EXPECT_EQ(Hex(frames[3]), framed("A1 01 00 03 03 1F 00 00 0800 55 01 01 01 02 01 04 03"));
        EXPECT_EQ(Hex(frames[4]), framed(kMasterOn));
        EXPECT_EQ(music.GetOn(), 1);
        EXPECT_EQ(music.GetBaseChanged(), 0);
    }

    // Output 4 again: no master bracket.
    m_pView->SendOutputChannelBlock(4);
    {
        const auto frames = TakeQueued(command);
        ASSERT_EQ(frames.size(), 3u);
        EXPECT_EQ(frames[0][8], 4);
        EXPECT_EQ(frames[0][9], OUT_GROUP_BASE);
        EXPECT_EQ(frames[0][14], 0);  // switched off
        EXPECT_EQ(Hex(std::vector<BYTE>(frames[1].begin(), frames[1].begin() + 14)), "6B 6B 6B EE A1 01 00 04 04 00 00 00 28 01");
        EXPECT_EQ(frames[1][14 + OUT_GROUP_BASE * 8], 0);  // the block went with the output off
        EXPECT_EQ(frames[2][14], 1);  // and back on
    }

    // A speaker role for output 2: the roles item and its crossover inside the bracket.
    g_roleStates.m_byOutRole[2] = 7;
    g_byDevRoles[2] = 7;
    m_pView->SendOutputRoles(2, 0);
    {
        const auto frames = TakeQueued(command);
        ASSERT_EQ(frames.size(), 4u);
        EXPECT_EQ(Hex(frames[0]), framed(kMasterOff));
        EXPECT_EQ(Hex(frames[1]), framed("A1 01 00 09 06 00 00 00 0800 06 0C 07 12 16 17 00 00"));
        EXPECT_EQ(Hex(frames[2]), Hex(Frame("A1 01 00 04 02 20 00 00 0800",
                                            g_liveImage.m_out[2].m_group[OUT_GROUP_CROSSOVER].m_by, 8)));
        EXPECT_EQ(data.GetOutData(2)->GetRole(), 7);
        EXPECT_EQ(Hex(frames[3]), framed(kMasterOn));
    }

    // Pasting into a tweeter: a high-pass below 1000 Hz becomes 1000 Hz and a low-pass below
    // 1000 Hz 20000 Hz; the block goes inside the bracket.
    {
        CrossoverGroup g;
        data.GetOutData(0)->GetCrossoverGroup(g);
        g.m_wHpfFreq = 500;
        g.m_wLpfFreq = 800;
        g.m_byHpfSlope = 8;
        data.GetOutData(0)->SetCrossoverGroup(g);
    }
    g_roleStates.m_byOutRole[1] = 7;
    m_pView->PasteOutputChannel(0, 1);
    {
        CrossoverGroup g;
        data.GetOutData(1)->GetCrossoverGroup(g);
        EXPECT_EQ(g.m_wHpfFreq, 1000);
        EXPECT_EQ(g.m_wLpfFreq, 20000);
        const auto frames = TakeQueued(command);
        EXPECT_EQ(Hex(frames), (std::vector<std::string>{framed(kMasterOff), block(BLOCK_OUTPUT, 1, 0), framed(kMasterOn)}));
    }

    // Linking left and right with two pairs in use: two blocks between the bracket, the targets
    // linked to their sources.
    for (auto& pair : g_lrPairsLeftFirst)
        pair = {0, 0, 0};
    g_lrPairsLeftFirst[0] = {0, 1, 1};
    g_lrPairsLeftFirst[2] = {4, 5, 1};
    g_nCurOutput = 5;
    EXPECT_EQ(m_pView->LinkOutputPairs(0), 1);
    EXPECT_EQ(g_outLinks.m_nGroup[1], 0);
    EXPECT_EQ(g_outLinks.m_nGroup[5], 4);
    EXPECT_EQ(Hex(TakeQueued(command)), (std::vector<std::string>{framed(kMasterOff), block(BLOCK_OUTPUT, 1, 1),
                                                                   block(BLOCK_OUTPUT, 5, 1), framed(kMasterOn)}));
    EXPECT_EQ(m_pView->LinkOutputPairs(2), 0);  // not a direction
    EXPECT_TRUE(TakeQueued(command).empty());

    // Resetting the bands of an output resets the output linked to it too.
    m_pView->ResetLinkedOutputFreqs(5);
    EXPECT_EQ(Hex(TakeQueued(command)), (std::vector<std::string>{framed(kMasterOff), block(BLOCK_OUTPUT, 5, 1),
                                                                   block(BLOCK_OUTPUT, 4, 1), framed(kMasterOn)}));
    m_pView->UnlinkAllOutputs();
    EXPECT_EQ(g_outLinks.m_nGroup[5], 5);
    EXPECT_TRUE(TakeQueued(command).empty());

    m_pView->ResetMusicChannelFreqs(2);
    EXPECT_EQ(Hex(TakeQueued(command)), (std::vector<std::string>{framed(kMasterOff), block(BLOCK_MUSIC, 2, 0), framed(kMasterOn)}));

    // Deleting the current stored preset: its name, then "no current preset".
    std::memcpy(g_devImages[2].m_szName, "Stage\0\0\0\0\0\0\0\0\0\0\0", 16);
    g_byCurPreset = 3;
    m_pView->SendPresetNameAndClearCurrent(3);
    EXPECT_EQ(Hex(TakeQueued(command)),
              (std::vector<std::string>{framed("A1 01 03 09 00 00 00 00 1000 53 74 61 67 65 00 00 00 00 00 00 00 00 00 00 00"),
                                        framed("A1 01 00 09 34 00 00 00 0100 00")}));

    // The factory reset waits long for its answer and shows the progress in its own mode.
    m_pView->SendSystemItem(SYS_FACTORY_RESET, 0);
    {
        std::lock_guard lock(g_csLink);
        ASSERT_NE(command.GetHead(), nullptr);
        EXPECT_EQ(command.GetHead()->IsLongWait(), 1);
    }
    EXPECT_EQ(Hex(TakeQueued(command)), std::vector<std::string>{framed("A1 01 00 09 41 00 00 00 0800 00 00 00 00 00 00 00 00")});
    EXPECT_EQ(g_bTransferring, 1);
    EXPECT_TRUE(g_pDisplayDlg->IsShown());
    EXPECT_TRUE(g_pDisplayDlg->IsFactoryReset());

    m_pView->SetMasterItemPending(1);
    EXPECT_EQ(g_bSendMaster, 1);
    m_pView->m_link.m_bOnline = 0;
    g_nLinkType = LINK_NONE;
    g_pDisplayDlg->HideTransfer();
}

// The title of a one-preset file as the preset name: at most 13 bytes of the processor's code
// page (12 when a two-byte character would be cut); only its ASCII part goes to the processor,
// "Custom" when there is none.
TEST_F(ViewOnUsb, AFileTitleBecomesThePresetName)
{
    ASSERT_TRUE(SettleShown(*m_pFrame));
    struct Case {
        const char* szTitle;
        const char* szShown;
        const char* szDevice;
    };
    const Case cases[] = {
        {"Party", "Party", "Party"},
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKL", "ABCDEFGHIJKLM"},  // byte 11 ASCII: the 13th byte is not shown
        {"ABCDEFGHIJK大厅", "ABCDEFGHIJK大", "ABCDEFGHIJK"},  // byte 11 is a lead byte: 13 bytes
        {"ABCDEFGHIJKL大", "ABCDEFGHIJKL", "ABCDEFGHIJKL"},  // half a character is never shown
        {"大厅", "大厅", "Custom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTitle);
        m_pView->ShowPresetName(c.szTitle);
        auto* pButton = dynamic_cast<CBitButton*>(m_pView->GetDlgItem(2770));
        EXPECT_EQ(pButton->GetLabel(), wxString::FromUTF8(c.szShown));
        EXPECT_TRUE(pButton->GetCheck());
        EXPECT_EQ(std::string(g_liveImage.m_szName), c.szDevice);
        EXPECT_EQ(g_bSendName, 1);
    }
}

// Receiving the output roles while the output map is locked unlocks it; a repeated role is
// cleared and the corrected roles go back to the processor.
TEST_F(ViewOnUsb, ReceivedRolesUnlockTheOutputMapAndLoseRepeats)
{
    ASSERT_TRUE(SettleShown(*m_pFrame));
    m_emulator.Edit([](EmuState& s) { s.roles = {6, 6, 15, 18, 22, 23, 0, 0}; });
    g_bOutMapLocked = 1;
    m_hid.Plug(kUsbPath, m_emulator);
    ASSERT_TRUE(WaitSynced());
    EXPECT_EQ(g_bOutMapLocked, 0);
    EXPECT_EQ(g_byDevRoles[1], 0);
    EXPECT_EQ(g_roleStates.m_byOutRole[1], 0);
    EXPECT_TRUE(SettleUntil([this] { return m_emulator.State().roles[1] == 0; }));
}
