// The main view's part in a firmware update: the tools command that runs the update dialog, the
// file load with the view's own bar, and the closing of the normal link the dialog takes over.
#include <mutex>

#include "app/HalvekView.h"
#include "controls/GradientProgressCtrl.h"
#include "link/LinkState.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"

void CHalvekView::OnFirmwareUpdate()
{
    RunFirmwareUpdateDialog(this, *this);
}

int CHalvekView::LoadFirmwareFile()
{
    if (!m_firmware.LoadFirmwareFile())
        return 0;
    m_progress->SetRange(0, m_firmware.GetPacketEstimate());
    return 1;
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
    if (g_nLinkType == LINK_USB) {
        m_link.CloseHidDevice();
        m_link.ForgetUsbDevice();
    } else if (g_nLinkType == LINK_NET) {
        m_netSocket.Close();
        g_bNetLink = 0;
    } else if (g_nLinkType == LINK_SERIAL) {
        m_serialPort.ClosePort();
    }
    m_link.m_bOnline = 0;
    g_bTransferring = 0;
    g_bSynced = 0;
    m_progress->SetPos(0);
    g_nLinkType = LINK_NONE;
}
