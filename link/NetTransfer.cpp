// The network half of the link controller: the worker's normal and firmware transactions over
// the network object. Normal frames go out whole in one send; firmware frames as 65-byte reports,
// as on USB.
#include <mutex>

#include "link/FirmwareCommands.h"
#include "link/KTVCommand.h"
#include "link/LinkController.h"
#include "link/LinkState.h"
#include "link/Net_Socket.h"
#include "link/AdvSettings.h"
#include "link/ProgressTarget.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"

namespace {

// The receive time-out of a firmware reply, in wait units; 0 keeps the current one.
int FirmwareReceiveUnits(int nCommand)
{
    switch (nCommand) {
    case FW_HEX_APPLY: return 10;
    case FW_HEX_START: return 8;
    case FW_HEX_DATA: return 2;
    case FW_DSP_REQUEST_INFO: return 50;
    case FW_DSP_DATA: return 10;
    case FW_DSP_END_INF: return 8;
    default: return 0;
    }
}

void RestoreDefaultEndpoint()
{
    std::lock_guard lock(g_csEndpoint);
    g_strDeviceIP = g_szDefaultDeviceIP;
    g_nDevicePort = DEFAULT_DEVICE_PORT;
}
}  // namespace

// The queue and the data model's change marks stay as they are: nothing edited is lost. A reply
// half received on the old connection can never be completed, so the parser starts afresh.
void CLinkController::NetReconnect()
{
    m_netSocket.Close();
    m_command.ResetParser();
    if (Pause(m_timeouts.netReconnectPause))
        m_netSocket.Connect();
}

bool CLinkController::NetAttemptsLeft() const
{
    const CSendData* pHead = m_command.GetHead();
    return !pHead || pHead->GetRetryCount() < NET_MAX_ATTEMPTS;
}

void CLinkController::NetLinkFailed(LPARAM lParam)
{
    g_bNetLink = 0;
    LinkFailed(lParam);
}

// The reply of the head frame's attempt failed (none, damaged or refused). While a local adapter
// is in the processor's subnet and the frame has attempts left, the connection is made again and
// the frame goes once more on the next pass. A reconnect that fails leaves the socket closed, so
// that the next attempt's send fails and tries again: a single lost ping does not end the link,
// and a processor that is gone uses up the attempts in bounded time.
void CLinkController::NetAttemptFailed(LPARAM lParam)
{
    if (NetAttemptsLeft() && m_netSocket.CheckSubnet()) {
        NetReconnect();
        return;
    }
    NetLinkFailed(lParam);
}

void CLinkController::NetTransfer()
{
    m_liTxStart = std::chrono::steady_clock::now();
    if (NetSendPacket())
        NetReceiveReply();
}

// True when a reply is to be received.
bool CLinkController::NetSendPacket()
{
    CSendData* pHead = m_command.GetHead();
    if (!pHead) {
        if (std::unique_ptr<CSendData> pFrame = NextChangedFrame())
            m_command.AddSendData(std::move(pFrame));
        return false;
    }
    if (pHead->GetCommand() != 0)
        return false;
    // Every sending counts, whatever ended the one before: a reply the parser takes but that
    // leaves the frame at the head (a handshake answered wrongly, a reply of another kind) uses
    // up the attempts as a lost one does.
    if (pHead->GetRetryCount() >= NET_MAX_ATTEMPTS) {
        NetLinkFailed(0);
        return false;
    }
    pHead->SetRetryCount(pHead->GetRetryCount() + 1);
    if (!m_netSocket.Send(pHead->GetBuffer(), pHead->GetLength())) {
        // The connection is made again whatever the subnet: the processor may be reached through
        // a router, and a broken connection tells nothing of whether it still answers.
        if (NetAttemptsLeft())
            NetReconnect();
        else
            NetLinkFailed(0);
        return false;
    }
    if (pHead->IsLongWait()) {
        // The factory-default command resets the WiFi module, which answers nothing and drops
        // the connection. The frame is done once sent: it must never go out a second time.
        m_command.RemoveHead();
        if (!Pause(m_timeouts.netResetWait))
            return false;
        g_bTransferring = 0;
        if (Pause(m_timeouts.netResetTail))
            PostMessage(g_pNotifyWnd, WM_WIFI_RESET_DONE, 0, 0);
        return false;
    }
    return true;
}

void CLinkController::NetReceiveReply()
{
    for (;;) {
        int nCount = 0;
        const LinkError error = m_netSocket.Receive(nCount);
        if (Stopping())
            return;
        if (error == LinkError::None) {
            if (m_command.OnNetworkData(nCount))
                return;
            if (Elapsed() < m_timeouts.netReplyWindow)
                continue;
            if (m_bOnline)
                NetAttemptFailed(2);
            return;
        }
        // Nothing for a whole receive time-out, or the connection is gone: never a byte count.
        NetAttemptFailed(0);
        return;
    }
}

void CLinkController::NetFirmwareTransfer()
{
    if (!m_netSocket.m_bReachable) {
        Pause(m_timeouts.netFirmwarePause);
        return;
    }
    m_liTxStart = std::chrono::steady_clock::now();
    if (NetSendFirmwarePacket())
        NetReceiveFirmwareReply();
}

// True when a reply is to be received.
bool CLinkController::NetSendFirmwarePacket()
{
    CSendData* pHead = TakeFirmwareHead(MAX_ATTEMPTS);
    if (!pHead)
        return false;
    pHead->Rewind();
    if (pHead->GetCommand() == FW_ENTER_UPDATE) {
        SendEnterUpdatePattern(
            [this] {
                if (!m_netSocket.Send(g_byHidOut, HID_REPORT_SIZE))
                    NetReconnect();
                return true;
            },
            m_timeouts.netEnterUpdate, {}, "连接网络", "Connected NetWork");
        return false;
    }
    while (pHead->GetNextChunk()) {
        ReportToClientSocket();
        if (m_netSocket.Send(g_byHidOut, HID_REPORT_SIZE))
            continue;
        m_netSocket.Close();
        if (!Pause(m_timeouts.netResendPause))
            return false;
        if (!m_netSocket.m_bReachable) {
            LinkFailed(0);
            return false;
        }
        m_netSocket.Connect();
        pHead->Rewind();
    }
    return true;
}

void CLinkController::NetReceiveFirmwareReply()
{
    const int nCommand = m_nFwCommand;
    if (nCommand == FW_HEX_END) {
        // The processor restarts at once and sends nothing back.
        m_command.FinishFirmwareUpdate();
        return;
    }
    if (const int nUnits = FirmwareReceiveUnits(nCommand); nUnits > 0)
        m_netSocket.SetReceiveTimeout(m_timeouts.firmwareWaitUnit * nUnits);
    if (nCommand == FW_DSP_REQUEST_INFO)
        ShowUpdateTip("擦除中......", "Erasing......");
    while (m_netSocket.m_bReachable && !Stopping()) {
        int nCount = 0;
        const LinkError error = m_netSocket.ReceiveShort(nCount);
        if (Stopping())
            return;
        if (error != LinkError::None) {
            // A reset connection gets a pause first; a time-out is tried again at once.
            if (error != LinkError::Closed || Pause(m_timeouts.netReconnectPause)) {
                if (m_netSocket.m_bReachable) {
                    m_netSocket.Close();
                    m_netSocket.Connect();
                } else {
                    LinkFailed(0);
                }
            }
            return;
        }
        if (m_command.OnNetworkData(nCount))
            return;
    }
}

void CLinkController::OnWifiResetDone(LPARAM lParam)
{
    if (g_nLinkType == LINK_USB) {
        g_bTransferring = 0;
        if (lParam != 1) {
            ShowPrompt(g_strWifiResetFailCn, g_strWifiResetFailEn);
            return;
        }
        ShowPrompt(g_strWifiResetOkCn, g_strWifiResetOkEn);
        if (g_pAdvDlg) {
            RestoreDefaultEndpoint();
            g_pAdvDlg->ReloadNetwork();
        }
    } else if (g_nLinkType == LINK_NET) {
        RestoreDefaultEndpoint();
        if (m_fnConnectButton)
            m_fnConnectButton();
        m_netSocket.m_bReachable = 0;
        if (g_pAdvDlg)
            g_pAdvDlg->ReloadNetwork();
        ShowPrompt(g_strWifiFailCn, g_strWifiFailEn);
    }
}
