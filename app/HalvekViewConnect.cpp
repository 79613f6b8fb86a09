// The main view's connections: connecting by itself (at start-up, when a processor is plugged
// in, when the network check finds it), the connect button and its menus, the disconnects, and
// what the view does when a transport reports a failure or the device goes away. Everything here
// runs on the UI thread; workers only post the messages that lead here.
#include <strings.h>
#include <wx/menu.h>

#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

#include "app/HalvekView.h"
#include "app/ViewIds.h"
#include "controls/ControlIds.h"
#include "controls/GradientProgressCtrl.h"
#include "controls/ShowLink.h"
#include "controls/WndMessages.h"
#include "controls/XPButton.h"
#include "link/DisplayDlg.h"
#include "link/FirmwareCommands.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "model/KTV_Data.h"
#include "model/StdAfx.h"
#include "pages/Page.h"
#include "platform/DeviceChange.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "res/Menus.h"
#include "res/UiText.h"

namespace {
// The pause between stopping the worker and closing the device at the connect button.
constexpr auto kDisconnectPause = std::chrono::milliseconds(500);

void ShowFirmwareFailure()
{
    AfxMessageBox(LangText("固件更新失败", "The firmware update failed"), MB_OK, CAPTION_WARNING_AUTOCLOSE);
}

// The firmware failure on a lost link: as a warning and on the update dialog's status line.
void ShowUpdateLinkFailure()
{
    ShowUpdateTip("固件更新失败", "The firmware update failed");
    ShowFirmwareFailure();
}

std::string CurrentUsbPath()
{
    std::lock_guard lock(g_csLink);
    return g_strUsbDevicePath;
}
}  // namespace

void CHalvekView::ShowLinkState(int bConnected)
{
    SetConnectFaces(bConnected);
    m_linkLamp->SetText(bConnected ? LangString(g_strConnectedCn, g_strConnectedEn)
                                   : LangString(g_strNotConnectedCn, g_strNotConnectedEn));
    if (bConnected)
        m_linkLamp->StopBlink();
    else
        m_linkLamp->StartBlink();
    m_btnConnect->Refresh();
    m_linkLamp->Refresh();
}

void CHalvekView::ShowUsbFailure()
{
    // Without the udev rule the device is there but may not be opened: say so.
    if (m_link.GetLastOpenError() == LinkError::AccessDenied)
        ShowPrompt(g_strUsbAccessCn, g_strUsbAccessEn);
    else
        ShowPrompt(g_strUsbFailCn, g_strUsbFailEn);
}

void CHalvekView::ShowLinkFailure(int nLinkType)
{
    if (nLinkType == LINK_USB)
        ShowUsbFailure();
    else if (nLinkType == LINK_NET)
        ShowPrompt(g_strWifiFailCn, g_strWifiFailEn);
}

void CHalvekView::ShowConnectFailure()
{
    ShowLinkFailure(g_nLinkType);
}

void CHalvekView::RunConnectSteps(int nLinkType)
{
    {
        std::lock_guard lock(g_csLink);
        m_command.ClearQueue();
        m_pData->ResetChangeFlags(0);
        m_nBatchCount = 0;
    }
    g_nLinkType = nLinkType;
    m_link.m_bOnline = 1;
    {
        std::lock_guard lock(g_csLink);
        if (nLinkType == LINK_NET)
            g_bNetLink = 1;
        SendHandshake(0);
    }
    if (nLinkType == LINK_USB)
        std::memset(g_byHidIn, 0, sizeof g_byHidIn);
    ShowLinkState(1);
    m_link.StartLinkThread();
    for (CPage* pPage : m_pages)
        pPage->OnLinkOpened();
}

int CHalvekView::ConnectUsbPath(const std::string& strPath)
{
    if (!m_link.OpenUsbPath(strPath))
        return 0;
    RunConnectSteps(LINK_USB);
    return 1;
}

int CHalvekView::ConnectNetwork()
{
    if (g_nLinkType != LINK_NONE)
        return 0;
    g_nLinkType = LINK_NET;
    if (m_netSocket.CheckSubnet() && m_netSocket.Connect()) {
        ResetNetLinkState();
        m_command.SetNotifyWnd(GetWndHandle(this));
        RunConnectSteps(LINK_NET);
        return 1;
    }
    g_nLinkType = LINK_NONE;
    ShowLinkFailure(LINK_NET);
    return 0;
}

void CHalvekView::OnAutoConnect()
{
    if (!m_link.m_bOnline && g_nLinkType == LINK_NONE && m_link.ConnectUsb())
        RunConnectSteps(LINK_USB);
    m_netSocket.StartLinkCheck();
}

void CHalvekView::OnConnectButton()
{
    g_bAwaitHello = 0;
    if (m_link.m_bOnline) {
        m_link.StopLinkThread(1);
        std::this_thread::sleep_for(kDisconnectPause);
        DisconnectByLinkType();
        return;
    }
    m_link.FindHidDevices();
    std::vector<std::string> freePaths;
    {
        std::lock_guard lock(g_csLink);
        for (const std::string& strPath : g_usbDevicePaths) {
            if (m_link.IsUsbPathFree(strPath))
                freePaths.push_back(strPath);
        }
        g_knownUsbPaths = freePaths;
    }
    const bool bNetwork = m_netSocket.m_bReachable != 0;
    if (freePaths.size() == 1 && bNetwork) {
        m_menuConnect->SetLabel(WxId(ID_CONNECT_NETWORK), wxString::FromUTF8(g_strWifiLabel));
        PopupBelow(*m_menuConnect, *m_btnConnect);
    } else if (!freePaths.empty() && (bNetwork || freePaths.size() > 1)) {
        wxString strAddress;
        if (bNetwork) {
            std::lock_guard lock(g_csEndpoint);
            strAddress = wxString::FromUTF8(g_strDeviceIP);
        }
        const std::unique_ptr<wxMenu> pMenu = MakeUsbChoiceMenu(freePaths.size(), strAddress);
        PopupBelow(*pMenu, *m_btnConnect);
    } else if (freePaths.size() == 1) {
        if (!ConnectUsbPath(freePaths.front()))
            ShowUsbFailure();
    } else if (bNetwork) {
        ConnectNetwork();
    } else {
        ShowPrompt("没有连接可以打开", "No connection can be opened");
    }
}

void CHalvekView::OnConnectUsbChoice(int nCommand)
{
    std::string strPath;
    {
        std::lock_guard lock(g_csLink);
        const auto nIndex = static_cast<std::size_t>(nCommand - ID_USB_FIRST);
        if (nCommand < ID_USB_FIRST || nIndex >= g_knownUsbPaths.size())
            return;
        strPath = g_knownUsbPaths[nIndex];
    }
    if (!ConnectUsbPath(strPath))
        ShowUsbFailure();
}

void CHalvekView::OnConnectMenuUsb()
{
    g_nLinkType = LINK_USB;
    if (m_link.ConnectUsb()) {
        RunConnectSteps(LINK_USB);
        return;
    }
    g_nLinkType = LINK_NONE;
    ShowUsbFailure();
}

void CHalvekView::OnDeviceChange(WPARAM wEvent, LPARAM lParam)
{
    const std::optional<std::string> path = TakeDeviceChangePath(lParam);
    if (!path)
        return;
    if (wEvent == DBT_DEVICEARRIVAL) {
        if (g_nLinkType == LINK_NONE && !m_link.m_bOnline && !g_bUpdateWaiting)
            ConnectUsbPath(*path);
        return;
    }
    if (wEvent != DBT_DEVICEREMOVECOMPLETE)
        return;
    if (g_nLinkType != LINK_USB || strcasecmp(path->c_str(), CurrentUsbPath().c_str()) != 0) {
        m_link.FindHidDevices();
        return;
    }
    if (!g_bUsbOpen || !m_link.m_bOnline)
        return;
    // During an update the processor leaves the bus on purpose: after the apply command it comes
    // back and the worker opens it again; while the enter pattern goes out it restarts.
    if (g_bUpdating && g_nLastFwCommand == FW_HEX_APPLY) {
        g_bUsbOpen = 0;
        return;
    }
    if (g_bUpdating && g_nLastFwCommand == FW_ENTER_UPDATE)
        return;
    g_bUsbOpen = 0;
    const bool bUpdating = g_bUpdating != 0;
    HandleDeviceRemoval();
    m_link.ForgetUsbDevice();
    m_link.FindHidDevices();
    g_bUpdating = 0;
    {
        std::lock_guard lock(g_csLink);
        g_strUsbDevicePath.clear();
    }
    if (!bUpdating)
        ShowPrompt(g_strUsbFailCn, g_strUsbFailEn);
}

void CHalvekView::HandleDeviceRemoval()
{
    if (!m_link.m_bOnline)
        return;
    m_link.StopLinkThread(1);
    DisconnectByLinkType();
    if (g_bUpdating)
        ShowUpdateLinkFailure();
}

void CHalvekView::OnNetAvailable()
{
    if (ConnectNetwork())
        PostMessage(this, WM_NET_CONNECTED, 0, 0);
}

void CHalvekView::OnNetConnected()
{
    m_netSocket.StopLinkCheck(1);
}

// The link is closed before anything is shown, so that a message box, which runs its own loop,
// never meets a half-closed link.
void CHalvekView::OnLinkFailed(LPARAM)
{
    if (!m_link.m_bOnline)
        return;
    m_link.StopLinkThread(1);
    const int nLinkType = g_nLinkType;
    const bool bUpdating = g_bUpdating.exchange(0) != 0;
    DisconnectByLinkType();
    if (bUpdating)
        ShowUpdateLinkFailure();
    ShowLinkFailure(nLinkType);
}

void CHalvekView::OnLinkLost()
{
    ShowConnectFailure();
    ShowFirmwareFailure();
}

void CHalvekView::OnDeviceFault()
{
    if (m_link.m_bOnline) {
        m_link.StopLinkThread(1);
        const bool bNetwork = g_nLinkType == LINK_NET;
        DisconnectByLinkType();
        if (bNetwork)
            CloseComPort();
    }
    AfxMessageBox(LangText("设备异常 请更新固件!", "Please Update the Firmware!"), MB_OK, CAPTION_WARNING_AUTOCLOSE);
}

int CHalvekView::DisconnectLink()
{
    if (m_link.m_bOnline) {
        m_link.StopLinkThread(1);
        DisconnectByLinkType();
    }
    return 0;
}

void CHalvekView::DisconnectByLinkType()
{
    switch (g_nLinkType) {
    case LINK_USB: DisconnectUsb(); break;
    case LINK_NET: DisconnectNetwork(); break;
    case LINK_SERIAL: CloseComPort(); break;
    default: ResetAfterDisconnect(); break;
    }
}

void CHalvekView::ResetAfterDisconnect()
{
    m_link.m_bOnline = 0;
    g_bTransferring = 0;
    g_bSynced = 0;
    m_progress->SetPos(0);
    SetPresetNameText(wxString());
    {
        // Nothing queued for this processor is sent to the next one.
        std::lock_guard lock(g_csLink);
        m_command.ClearQueue();
        m_pData->ResetChangeFlags(0);
    }
    g_pDisplayDlg->HideTransfer();
    ShowLinkState(0);
    g_nLinkType = LINK_NONE;
    for (CPage* pPage : m_pages)
        pPage->OnLinkClosed();
}

void CHalvekView::DisconnectUsb()
{
    m_link.CloseHidDevice();
    ResetAfterDisconnect();
    m_link.ForgetUsbDevice();
}

void CHalvekView::DisconnectNetwork()
{
    m_netSocket.Close();
    m_clientSocket.Close();
    ResetAfterDisconnect();
    g_bNetLink = 0;
}

void CHalvekView::CloseComPort()
{
    m_serialPort.ClosePort();
    ResetAfterDisconnect();
}

void CHalvekView::BindConnectHandlers()
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnConnectButton(); }, WxId(IDC_CONNECT));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnConnectMenuUsb(); }, WxId(ID_CONNECT_USB));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ConnectNetwork(); }, WxId(ID_CONNECT_NETWORK));
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) { OnConnectUsbChoice(CtrlId(event.GetId())); }, WxId(ID_USB_FIRST),
         WxId(ID_USB_LAST));
    m_link.SetConnectButtonHandler([this] { OnConnectButton(); });
}
