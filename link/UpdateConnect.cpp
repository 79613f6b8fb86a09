#include "link/UpdateConnect.h"

#include "link/FirmwareCommands.h"
#include "link/KTVCommand.h"
#include "link/LinkController.h"
#include "link/LinkState.h"
#include "link/Net_Socket.h"
#include "link/ProgressTarget.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"

namespace {

void ShowConnectFailure()
{
    if (g_nLinkType == LINK_USB)
        ShowPrompt(g_strUsbFailCn, g_strUsbFailEn);
    else if (g_nLinkType == LINK_NET)
        ShowPrompt(g_strWifiFailCn, g_strWifiFailEn);
}
}  // namespace

void CUpdateConnect::StartFirmwareLink()
{
    g_bUpdating = 1;
    m_link.StartLinkThread();
}

int CUpdateConnect::ConnectUsbForUpdate(const std::string& strPath)
{
    if (!m_link.OpenUsbPath(strPath))
        return 0;
    m_command.ClearQueue();
    StartFirmwareLink();
    return 1;
}

int CUpdateConnect::ConnectNetworkForUpdate()
{
    if (!m_net.m_bReachable || !m_net.Connect())
        return 0;
    m_command.ClearQueue();
    g_bNetLink = 1;
    StartFirmwareLink();
    return 1;
}

int CUpdateConnect::TryReconnectForUpdate(int bRetry)
{
    if (g_nLinkType == LINK_USB) {
        if (!m_link.ConnectUsb()) {
            if (bRetry) {
                ShowUpdateTip("连接Usb", "Connected Usb");
                m_link.ForgetUsbDevice();
            }
            return 0;
        }
    } else if (g_nLinkType == LINK_NET) {
        if (!m_net.m_bReachable || !m_net.Connect()) {
            if (bRetry)
                ShowUpdateTip("连接网络", "Connected NetWork");
            return 0;
        }
        g_bNetLink = 1;
    } else {
        return 0;
    }
    m_command.ClearQueue();
    StartFirmwareLink();
    return 1;
}

void CUpdateConnect::ReportReconnectFailure()
{
    g_bUpdating = 0;
    m_command.ClearQueue();
    if (g_nLinkType == LINK_USB) {
        ShowConnectFailure();
        if (g_pCurHexUpTip)
            AfxMessageBox(LangText("固件更新失败!", "The firmware update failed!"), MB_OK, CAPTION_WARNING_AUTOCLOSE);
    } else if (g_nLinkType == LINK_NET) {
        ShowUpdateTip("固件更新失败", "The firmware update failed");
        PostMessage(g_pNotifyWnd, WM_LINK_LOST, 0, 0);
    }
}

void CUpdateConnect::AbortFirmwareUpdate(bool bTell)
{
    if (m_link.m_bOnline) {
        m_link.StopLinkThread(1);
        m_fnDisconnect();
    }
    g_bUpdating = 0;
    if (bTell)
        AfxMessageBox(LangText("固件更新失败!", "The firmware update failed!"), MB_OK, CAPTION_WARNING_AUTOCLOSE);
}

void CUpdateConnect::OnUpdateFinished(LPARAM lParam)
{
    if (lParam != FW_HEX_END)
        return;
    m_link.StopLinkThread(1);
    g_bUpdating = 0;
    m_fnDisconnect();
    ShowPrompt("更新完成", "Update successfully");
}
