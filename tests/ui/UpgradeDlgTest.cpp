// The firmware update dialog driven as a person would (buttons, popup choices, Quit, keys), with
// the real update engine, connections and link worker behind it and the emulated processor at the
// other end. The main view is stood in for by a window that takes its posted messages.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <functional>
#include <thread>

#include "controls/FontStatic.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/WndMessages.h"
#include "link/FirmwareUpdate.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "link/UpData_Thread.h"
#include "link/UpdateConnect.h"
#include "link/UpgradeDlg.h"
#include "model/CommandFrame.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "tests/support/FirmwareFiles.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageBoxRecorder.h"
#include "tests/ui/UiTestUtil.h"

using namespace std::chrono_literals;

namespace {

constexpr auto POLL = 10ms;

// The main view's part, over the rig's link.
class CTestView : public IUpgradeView {
public:
    explicit CTestView(CLinkRig& rig)
        : m_rig(rig), m_engine(rig.command), m_connect(rig.link, rig.command, rig.net, [this] { Disconnect(); })
    {
        rig.link.SetFirmwarePacketSource([this] { m_engine.NextFirmwarePacket(); });
    }
    int ChooseFirmwareFile() override { return 0; }
    int LoadFirmwareFile() override { return m_engine.LoadFirmwareFile(); }
    int DisconnectLink() override
    {
        if (m_rig.link.m_bOnline) {
            m_rig.link.StopLinkThread(1);
            Disconnect();
        }
        return 0;
    }
    int FindHidDevices() override { return m_rig.link.FindHidDevices(); }
    int IsNetworkReachable() override { return m_rig.net.m_bReachable; }
    int ConnectUsbForUpdate(const std::string& strPath) override { return m_connect.ConnectUsbForUpdate(strPath); }
    int ConnectNetworkForUpdate() override { return m_connect.ConnectNetworkForUpdate(); }
    int TryReconnectForUpdate(int bRetry) override
    {
        ++nTries;
        return m_connect.TryReconnectForUpdate(bRetry);
    }
    void ReportReconnectFailure() override { m_connect.ReportReconnectFailure(); }
    void AbortFirmwareUpdate(bool bTell) override { m_connect.AbortFirmwareUpdate(bTell); }
    void OnUpdateFinished(LPARAM lParam) { m_connect.OnUpdateFinished(lParam); }

    std::atomic<int> nTries{0};

private:
    void Disconnect()
    {
        m_rig.link.CloseHidDevice();
        m_rig.link.ForgetUsbDevice();
        m_rig.net.Close();
        g_bNetLink = 0;
        g_nLinkType = LINK_NONE;
    }

    CLinkRig& m_rig;
    CFirmwareUpdate m_engine;
    CUpdateConnect m_connect;
};

// Answers the device popup with the item whose label is given, recording the labels offered.
class CTestUpgradeDlg : public CUpgradeDlg {
public:
    using CUpgradeDlg::CUpgradeDlg;
    std::string strPick;
    std::vector<std::string> offered;

protected:
    void ShowPopup(wxMenu& menu, const wxPoint&) override
    {
        offered.clear();
        for (const wxMenuItem* pItem : menu.GetMenuItems()) {
            offered.push_back(pItem->GetItemLabelText().utf8_string());
            if (offered.back() == strPick) {
                wxCommandEvent event(wxEVT_MENU, pItem->GetId());
                ProcessWindowEvent(event);
            }
        }
    }
};

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        PumpPendingEvents();
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

class UpgradeDlg : public testing::TestWithParam<LinkWay> {
protected:
    UpgradeDlg() : m_rig(GetParam(), FastUpdateTimeouts())
    {
        InitCommandFrame();
        m_pView = new wxFrame(nullptr, wxID_ANY, "view");
        BindMessage(m_pView, WM_UPDATE_FINISHED, [this](WPARAM, LPARAM lParam) {
            m_host.OnUpdateFinished(lParam);
            return 0;
        });
        g_pNotifyWnd = GetWndHandle(m_pView);
        m_rig.command.SetNotifyWnd(g_pNotifyWnd);
        g_strFirmwareFile = m_files.Write(McuFirmwareFile(TestImage(500)));
        if (GetParam() == LinkWay::Net)
            m_rig.net.m_bReachable = 1;
    }
    ~UpgradeDlg() override
    {
        delete m_pDlg;
        m_pView->Destroy();
        PumpPendingEvents();
        m_rig.Stop();
        g_strFirmwareFile.clear();
        g_bChinese = 0;
        g_bUpdating = 0;
        g_bUpdateWaiting = 0;
    }
    CTestUpgradeDlg& Open()
    {
        m_pDlg = new CTestUpgradeDlg(m_host);
        m_pDlg->SetPollPeriod(POLL);
        m_pDlg->Create(m_pView);
        m_pDlg->Show();
        PumpPendingEvents();
        return *m_pDlg;
    }
    void Click(int nId)
    {
        wxCommandEvent event(wxEVT_BUTTON, WxId(nId));
        m_pDlg->GetDlgItem(nId)->ProcessWindowEvent(event);
        PumpPendingEvents();
    }
    std::string Tip() const { return m_pDlg->Tip()->GetLabel().utf8_string(); }

    CMessageBoxRecorder m_boxes;
    CTempFirmwareFiles m_files;
    CLinkRig m_rig;
    CTestView m_host{m_rig};
    wxFrame* m_pView = nullptr;
    CTestUpgradeDlg* m_pDlg = nullptr;
};

}  // namespace

TEST_P(UpgradeDlg, UpdatesTheProcessorWithItsStatusLineAndBar)
{
    CTestUpgradeDlg& dlg = Open();
    EXPECT_EQ(dlg.PathEdit()->GetValue().utf8_string(), g_strFirmwareFile);
    EXPECT_EQ(g_pUpdateProgress.load(), static_cast<IProgressBar*>(dlg.Bar()));
    Click(CUpgradeDlg::IDC_UPDATE);  // one device, found at once: no popup
    EXPECT_TRUE(dlg.offered.empty());
    EXPECT_EQ(dlg.Bar()->GetRangeUpper(), g_nUpdateProgressRange);

    ASSERT_TRUE(PumpUntil([&] { return Tip() == "Update successfully"; }));
    ASSERT_TRUE(PumpUntil([&] { return g_bUpdating == 0; }));  // the view ended the update
    EXPECT_EQ(dlg.Bar()->GetPos(), dlg.Bar()->GetRangeUpper());
    EXPECT_EQ(m_rig.emulator.State().firmware.nUpdates, 1);
    ASSERT_FALSE(m_boxes.shown.empty());
    EXPECT_EQ(m_boxes.shown.back().text, "Update successfully");
    EXPECT_EQ(m_rig.link.GetLinkThread(), nullptr);
}

TEST_P(UpgradeDlg, ASecondUpdateWhileWaitingDoesNothing)
{
    if (GetParam() == LinkWay::Usb)
        m_rig.hid.Unplug(CLinkRig::USB_PATH);
    else
        m_rig.net.m_bReachable = 0;
    CTestUpgradeDlg& dlg = Open();
    // Nothing to open at all: told so, and nothing waits.
    Click(CUpgradeDlg::IDC_UPDATE);
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text, "No connection can be opened");
    EXPECT_EQ(m_boxes.shown[0].code, 2000);
    EXPECT_EQ(g_bUpdateWaiting, 0);

    // A device that is found but cannot be opened: the poll runs, and Update is ignored.
    if (GetParam() == LinkWay::Usb) {
        m_rig.hid.Plug(CLinkRig::USB_PATH, m_rig.emulator);
        m_rig.hid.DenyAccess(CLinkRig::USB_PATH, EMU_ALWAYS);
    } else {
        m_rig.net.m_bReachable = 1;
        m_rig.pServer.reset();  // reachable by ping, but nothing listens
    }
    Click(CUpgradeDlg::IDC_UPDATE);
    EXPECT_EQ(g_bUpdateWaiting, 1);
    EXPECT_TRUE(dlg.Thread()->IsRunning());
    const std::size_t nBoxes = m_boxes.shown.size();
    Click(CUpgradeDlg::IDC_UPDATE);
    EXPECT_EQ(m_boxes.shown.size(), nBoxes);

    // After the twenty-first tick: the failure on the status line, and Update may be pressed again.
    ASSERT_TRUE(PumpUntil([&] { return Tip() == "固件更新失败"; }));
    EXPECT_EQ(m_host.nTries, 21);
    EXPECT_EQ(g_bUpdateWaiting, 0);
    EXPECT_EQ(g_bUpdating, 0);
    EXPECT_FALSE(dlg.Thread()->IsRunning());
}

// Quit while the dialog waits, just after a try of the poll has opened the link: the link is
// closed again, and no update goes on after the dialog has closed.
TEST_P(UpgradeDlg, QuitWhileWaitingLeavesNoUpdateBehind)
{
    if (GetParam() == LinkWay::Usb)
        m_rig.hid.DenyAccess(CLinkRig::USB_PATH, EMU_ALWAYS);
    else
        m_rig.pServer.reset();
    CTestUpgradeDlg& dlg = Open();
    Click(CUpgradeDlg::IDC_UPDATE);
    ASSERT_EQ(g_bUpdateWaiting, 1);
    ASSERT_TRUE(PumpUntil([&] { return m_host.nTries >= 2; }));
    // The processor can be opened from now on; the next try opens it and starts the worker
    // before its result reaches the dialog.
    if (GetParam() == LinkWay::Usb) {
        m_rig.hid.DenyAccess(CLinkRig::USB_PATH, 0);
    } else {
        m_rig.pServer = std::make_unique<CEmulatorTcpServer>(m_rig.emulator);
        std::lock_guard lock(g_csEndpoint);
        g_nDevicePort = m_rig.pServer->Port();
    }
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!g_bUpdating && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_EQ(g_bUpdating, 1);

    Click(CUpgradeDlg::IDC_QUIT);
    EXPECT_FALSE(dlg.IsShown());
    EXPECT_TRUE(m_boxes.shown.empty());  // the user had not seen an update begin
    EXPECT_FALSE(dlg.Thread()->IsRunning());
    const int nTries = m_host.nTries;
    EXPECT_EQ(g_bUpdating, 0);
    EXPECT_EQ(g_bUpdateWaiting, 0);
    EXPECT_EQ(m_rig.link.GetLinkThread(), nullptr);
    const std::size_t nRequests = m_rig.emulator.Log().size();
    std::this_thread::sleep_for(10 * POLL);
    PumpPendingEvents();
    EXPECT_EQ(m_host.nTries, nTries);
    EXPECT_EQ(m_rig.emulator.Log().size(), nRequests);
    EXPECT_EQ(m_rig.emulator.State().firmware.nUpdates, 0);
}

TEST_P(UpgradeDlg, QuitDuringAnUpdateAsksAndAbortsOnlyOnYes)
{
    // The processor takes its time with every piece, so the update is still running.
    m_rig.emulator.InjectFault(EmuFault::Late, EMU_ALWAYS, EmuRequestOf(9, 0x38), 30ms);
    CTestUpgradeDlg& dlg = Open();
    Click(CUpgradeDlg::IDC_UPDATE);
    ASSERT_EQ(g_bUpdating, 1);
    ASSERT_TRUE(m_rig.emulator.WaitForRequests(3, 5s));

    m_boxes.answer = IDNO;
    Click(CUpgradeDlg::IDC_QUIT);
    ASSERT_EQ(m_boxes.shown.size(), 1u);
    EXPECT_EQ(m_boxes.shown[0].text,
              "Update is not completed, will be forced to exit the damaged equipment, whether to exit?");
    EXPECT_EQ(m_boxes.shown[0].code, -4);  // the Chinese warning caption in both languages
    EXPECT_TRUE(dlg.IsShown());
    EXPECT_EQ(g_bUpdating, 1);
    EXPECT_NE(m_rig.link.GetLinkThread(), nullptr);

    m_boxes.answer = IDYES;
    Click(CUpgradeDlg::IDC_QUIT);
    EXPECT_FALSE(dlg.IsShown());
    EXPECT_EQ(g_bUpdating, 0);
    EXPECT_EQ(g_bUpdateAbort, 0);
    EXPECT_EQ(m_rig.link.GetLinkThread(), nullptr);
    EXPECT_EQ(m_boxes.shown.back().text, "The firmware update failed!");
}

TEST_P(UpgradeDlg, KeysDoNotCloseItAndTheCloseBoxIsQuit)
{
    CTestUpgradeDlg& dlg = Open();
    for (int nKey : {WXK_RETURN, WXK_ESCAPE}) {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = nKey;
        dlg.ProcessWindowEvent(key);
        PumpPendingEvents();
        EXPECT_TRUE(dlg.IsShown()) << nKey;
    }
    wxCloseEvent close(wxEVT_CLOSE_WINDOW);
    dlg.ProcessWindowEvent(close);
    PumpPendingEvents();
    EXPECT_FALSE(dlg.IsShown());
}

INSTANTIATE_TEST_SUITE_P(Transports, UpgradeDlg, testing::Values(LinkWay::Usb, LinkWay::Net), LinkWayName);

class UpgradeDlgChoice : public UpgradeDlg {};

// One USB device and a reachable network device: the popup offers "USB" and the address, and
// the address starts the network update.
TEST_P(UpgradeDlgChoice, OneUsbDeviceAndTheNetworkAreOfferedInAPopup)
{
    CEmulatorTcpServer server(m_rig.emulator);
    {
        std::lock_guard lock(g_csEndpoint);
        g_strDeviceIP = "127.0.0.1";
        g_nDevicePort = server.Port();
    }
    m_rig.net.m_bReachable = 1;
    CTestUpgradeDlg& dlg = Open();
    dlg.strPick = "127.0.0.1";
    Click(CUpgradeDlg::IDC_UPDATE);
    EXPECT_EQ(dlg.offered, (std::vector<std::string>{"USB", "127.0.0.1"}));
    EXPECT_EQ(g_nLinkType, LINK_NET);
    ASSERT_TRUE(PumpUntil([&] { return Tip() == "Update successfully"; }));
    EXPECT_EQ(server.Connections(), 1);

    // Two USB devices: numbered entries.
    ASSERT_TRUE(PumpUntil([&] { return g_bUpdating == 0; }));
    CProcessorEmulator second;
    m_rig.hid.Plug("/dev/hidraw-second", second);
    dlg.strPick.clear();
    Click(CUpgradeDlg::IDC_UPDATE);
    EXPECT_EQ(dlg.offered, (std::vector<std::string>{"USB1", "USB2", "127.0.0.1"}));
    EXPECT_EQ(g_bUpdating, 0);  // cancelling the popup starts nothing
    m_rig.hid.Unplug("/dev/hidraw-second");
}

INSTANTIATE_TEST_SUITE_P(UsbAndNetwork, UpgradeDlgChoice, testing::Values(LinkWay::Usb), LinkWayName);

TEST(UpgradeDlgTexts, ShowTheLanguageOfTheMoment)
{
    CLinkRig rig(LinkWay::Usb, FastUpdateTimeouts());
    CTestView view(rig);
    for (int bChinese : {0, 1}) {
        g_bChinese = bChinese;
        auto* pDlg = new CUpgradeDlg(view);
        pDlg->Create(nullptr);
        EXPECT_EQ(pDlg->GetTitle().utf8_string(), bChinese ? "设备固件更新" : "Device Firmware Update");
        EXPECT_EQ(pDlg->GetDlgItem(CUpgradeDlg::IDC_QUIT)->GetLabel().utf8_string(), bChinese ? "退出" : "Quit");
        EXPECT_EQ(pDlg->GetDlgItem(CUpgradeDlg::IDC_UPDATE)->GetLabel().utf8_string(), bChinese ? "更新" : "Update");
        EXPECT_EQ(pDlg->GetDlgItem(CUpgradeDlg::IDC_BROWSE)->GetLabel().utf8_string(), bChinese ? "浏览文件" : "Browse file");
        EXPECT_EQ(pDlg->GetSize(), wxSize(397, 160));
        EXPECT_FALSE(pDlg->PortList()->IsShown());
        EXPECT_TRUE(pDlg->Tip()->IsShown());
        delete pDlg;
        EXPECT_EQ(g_pUpdateProgress.load(), nullptr);
        EXPECT_EQ(g_pCurHexUpTip.load(), nullptr);
    }
    g_bChinese = 0;
}
