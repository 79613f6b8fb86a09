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
#include "platform/ThreadName.h"
#include "platform/Trace.h"

namespace {
constexpr int LINK_THREAD_EXIT = 100;
}  // namespace

CLinkController::CLinkController(CKTVCommand& command, IHidBackend& hid, CUsbInUseList& usbInUse,
                                 CNet_Socket& netSocket, const CLinkTimeouts& timeouts)
    : m_command(command), m_hid(hid), m_usbInUse(usbInUse), m_netSocket(netSocket), m_timeouts(timeouts)
{
    m_netSocket.SetCancelEvent(&m_hLinkEvents[EV_QUIT]);
    m_command.SetQueuedEvent(&m_workQueued);
}

CLinkController::~CLinkController()
{
    m_hotplug.Stop();
    StopLinkThread(0);
    m_netSocket.SetCancelEvent(nullptr);
    m_command.SetQueuedEvent(nullptr);
    CloseHidDevice();
}

void CLinkController::CreateLinkThread()
{
    for (CManualEvent& event : m_hLinkEvents)
        event.Reset();
    m_resume.Reset();
    m_nTurnsTaken = 0;
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
    return !m_hLinkEvents[EV_QUIT].Wait(time);
}

void CLinkController::LinkThreadProc()
{
    SetThreadName("link worker");
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
                // Taken before the lock is let go, so no frame queued later can come first.
                if (m_nTurnsTaken >= MAX_TURNS_TAKEN && m_command.GetHead() == nullptr) {
                    m_nTurnsTaken = 0;
                    QueueDataModelFrame();
                }
            }
            WaitForNextPass();
            break;
        default:
            break;
        }
    }
}

// The next normal pass comes a pause after this one, as always. A pass that would only take the
// data model's next frame (the queue being empty) is not made on its own: the worker sleeps until
// a frame is queued or that frame is due to go, a pause later, and takes it then. An idle link
// thus wakes once per meter poll besides its reply, with the spacing of passes it always had.
void CLinkController::WaitForNextPass()
{
    if (!m_hLinkEvents[EV_NORMAL].IsSet())
        return;  // the link failed: nothing follows
    const auto nextPass = std::chrono::steady_clock::now() + m_timeouts.passPause;
    m_workQueued.Reset();
    bool bQueueEmpty = false;
    {
        std::lock_guard lock(g_csLink);
        bQueueEmpty = m_command.GetHead() == nullptr;
    }
    if (bQueueEmpty) {
        const auto dataFrameDue = nextPass + m_timeouts.passPause;
        constexpr int WORK_QUEUED = 3;
        const int nEvent = WaitAnyUntil({&m_hLinkEvents[EV_QUIT], &m_hLinkEvents[EV_SUSPEND],
                                         &m_hLinkEvents[EV_FIRMWARE], &m_workQueued},
                                        dataFrameDue);
        if (nEvent >= 0 && nEvent != WORK_QUEUED)
            return;  // quit, suspend or firmware traffic: the main loop takes it
        if (nEvent < 0) {
            m_nTurnsTaken = 0;
            std::lock_guard lock(g_csLink);
            QueueDataModelFrame();
            return;
        }
        // A frame queued while the data model's frame was due goes first. The first few times
        // the data model waits for the next quiet pause, so that choices made one after the
        // other are not split by a poll; after that it has its turn as soon as a pass leaves the
        // queue empty, so that a marked edit gets out however often frames are queued.
        ++m_nTurnsTaken;
    }
    WaitUntil(nextPass);
}

// The frame the data model gives when it is asked (a changed group, a device-state item, else a
// meter poll), only while the queue is still empty, as a pass takes it. Frames queued meanwhile
// go first: the data model's choice reads what was marked with them (the live name marked to
// follow a batch, the input a poll would report), so taken now and put in front it would
// overtake them.
void CLinkController::QueueDataModelFrame()
{
    if (g_bUpdateAbort || g_bTrafficPaused || m_command.GetHead() != nullptr)
        return;
    if (std::unique_ptr<CSendData> pFrame = NextChangedFrame())
        m_command.AddSendData(std::move(pFrame));
}

void CLinkController::WaitUntil(std::chrono::steady_clock::time_point deadline) const
{
    WaitAnyUntil({&m_hLinkEvents[EV_QUIT]}, deadline);
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
