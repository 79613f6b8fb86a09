#include "link/LinkController.h"

#include <mutex>

#include "link/FirmwareCommands.h"
#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "link/Net_Socket.h"
#include "link/AdvSettings.h"
#include "model/KTV_Data.h"
#include "platform/LinkLock.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"

namespace {
constexpr int LINK_THREAD_EXIT = 100;
}  // namespace

CLinkController::CLinkController(CKTVCommand& command, IHidBackend& hid, CUsbInUseList& usbInUse,
                                 CNet_Socket& netSocket, const CLinkTimeouts& timeouts)
    : m_command(command), m_hid(hid), m_usbInUse(usbInUse), m_netSocket(netSocket), m_timeouts(timeouts)
{
    m_netSocket.SetCancelEvent(&m_hLinkEvents[EV_QUIT]);
}

CLinkController::~CLinkController()
{
    m_hotplug.Stop();
    StopLinkThread(0);
    m_netSocket.SetCancelEvent(nullptr);
    CloseHidDevice();
}

void CLinkController::CreateLinkThread()
{
    for (CManualEvent& event : m_hLinkEvents)
        event.Reset();
    m_resume.Reset();
    m_bLinkThreadRunning = 1;
    m_bLinkThreadActive = 0;
    m_pLinkThread = std::make_unique<std::thread>([this] { LinkThreadProc(); });
}

void CLinkController::StartLinkThread()
{
    g_bTrafficPaused = 0;
    if (!m_pLinkThread) {
        CreateLinkThread();
        m_hLinkEvents[g_bUpdating ? EV_FIRMWARE : EV_NORMAL].Set();
        m_resume.Set();
    }
    g_bUsbOpen = 1;
    m_bOnline = 1;
    if (g_pAdvDlg)
        g_pAdvDlg->EnableLoadDefault(1);
}

void CLinkController::StopLinkThread(int bFull)
{
    if (m_pLinkThread && m_pLinkThread->joinable()) {
        // The quit event is the stop flag every wait of the worker watches: it is set first, so
        // the join waits at most one slice of the transaction in progress.
        m_hLinkEvents[EV_QUIT].Set();
        m_resume.Set();
        m_pLinkThread->join();
    }
    if (!bFull)
        return;
    m_pLinkThread.reset();
    for (CManualEvent& event : m_hLinkEvents)
        event.Reset();
    g_bUsbOpen = 0;
    m_bOnline = 0;
    m_netSocket.StartLinkCheck();
    if (g_pAdvDlg)
        g_pAdvDlg->EnableLoadDefault(0);
}

bool CLinkController::Pause(std::chrono::milliseconds time) const
{
    // A pause no longer than a slice (the pause between passes) is a plain sleep: it is taken
    // hundreds of times a second on an idle link, and a plain sleep costs the least to wake from.
    if (time <= m_timeouts.slice) {
        std::this_thread::sleep_for(time);
        return !Stopping();
    }
    return !m_hLinkEvents[EV_QUIT].Wait(time);
}

void CLinkController::LinkThreadProc()
{
    m_resume.Wait();
    for (;;) {
        m_bLinkThreadRunning = 1;
        m_bLinkThreadActive = 1;
        const int nEvent = WaitAny({&m_hLinkEvents[EV_QUIT], &m_hLinkEvents[EV_SUSPEND], &m_hLinkEvents[EV_FIRMWARE],
                                    &m_hLinkEvents[EV_NORMAL]},
                                   m_timeouts.idleWait);
        switch (nEvent) {
        case EV_QUIT:
            m_bLinkThreadRunning = 0;
            Trace("Link thread ends (%d)\n", LINK_THREAD_EXIT);
            return;
        case EV_SUSPEND:
            // Suspended until the view ends the worker.
            m_bLinkThreadActive = 0;
            m_hLinkEvents[EV_QUIT].Wait();
            break;
        case EV_FIRMWARE:
            if (g_bUpdateFinished)
                m_hLinkEvents[EV_FIRMWARE].Reset();
            else if (g_nLinkType == LINK_USB && g_bUsbOpen)
                UsbFirmwareTransfer();
            else if (g_nLinkType == LINK_NET && g_bNetLink)
                NetFirmwareTransfer();
            else
                Pause(m_timeouts.idlePause);
            break;
        case EV_NORMAL:
            if (g_bUpdateAbort || g_bTrafficPaused) {
                m_hLinkEvents[EV_NORMAL].Reset();
                break;
            }
            if (g_nLinkType == LINK_NET && !g_bNetLink) {
                Pause(m_timeouts.idlePause);
                break;
            }
            {
                std::lock_guard lock(g_csLink);
                if (g_nLinkType == LINK_USB)
                    UsbTransfer();
                else if (g_nLinkType == LINK_NET)
                    NetTransfer();
            }
            Pause(m_timeouts.passPause);
            break;
        default:
            break;
        }
    }
}

void CLinkController::LinkFailed(LPARAM lParam)
{
    // One failure per connection is enough: the view ends the link when it handles it, and until
    // then the worker waits instead of failing again every pass, in firmware mode too.
    m_hLinkEvents[EV_NORMAL].Reset();
    m_hLinkEvents[EV_FIRMWARE].Reset();
    PostMessage(g_pNotifyWnd, WM_LINK_FAILED, 0, lParam);
}

std::unique_ptr<CSendData> CLinkController::NextChangedFrame()
{
    return m_pData ? m_pData->GetNextChangedFrame() : nullptr;
}

CSendData* CLinkController::TakeFirmwareHead(int nRequestInfoAttempts)
{
    if (!m_command.GetHead() && m_fnNextFirmwarePacket)
        m_fnNextFirmwarePacket();
    CSendData* pHead = m_command.GetHead();
    if (!pHead) {
        Pause(m_timeouts.idlePause);
        return nullptr;
    }
    m_nFwCommand = pHead->GetCommand();
    g_nLastFwCommand = pHead->GetCommand();
    pHead->SetRetryCount(pHead->GetRetryCount() + 1);
    const int nMaxAttempts = pHead->GetCommand() == FW_DSP_REQUEST_INFO ? nRequestInfoAttempts : MAX_ATTEMPTS;
    if (pHead->GetRetryCount() > nMaxAttempts) {
        LinkFailed(0);
        return nullptr;
    }
    return pHead;
}
