#include "link/SerialPort.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "link/FirmwareCommands.h"
#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "link/SendData.h"
#include "platform/LinkLock.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "platform/ThreadName.h"
#include "platform/Trace.h"

CManualEvent g_hSendDone;

namespace {
using std::chrono::milliseconds;

constexpr int kDriverQueueBytes = 10000;
constexpr int kTimeoutMs = 1000;
constexpr int kMaxAttempts = 3;        // time-outs a frame survives
constexpr int kEmptyReadsToRetry = 50;
constexpr int kLinkFailedSerial = 3;   // lParam of WM_LINK_FAILED

// The empty-read count lives in the last two bytes of the serial flags, so ClearCommFlags clears it.
constexpr std::size_t kEmptyReadsAt = sizeof(g_commFlags) - 2;
int EmptyReads()
{
    return g_commFlags[kEmptyReadsAt] | (g_commFlags[kEmptyReadsAt + 1] << 8);
}
void SetEmptyReads(int n)
{
    g_commFlags[kEmptyReadsAt] = static_cast<BYTE>(n);
    g_commFlags[kEmptyReadsAt + 1] = static_cast<BYTE>(n >> 8);
}

void Sleep(int nMs)
{
    std::this_thread::sleep_for(milliseconds(nMs));
}

// The number a port name ends with (ttyUSB3: 3), for the error text.
int PortNumber(const std::string& strName)
{
    std::size_t i = strName.size();
    while (i > 0 && std::isdigit(static_cast<unsigned char>(strName[i - 1])) && strName.size() - i < 9)
        --i;
    return i < strName.size() ? std::stoi(strName.substr(i)) : 0;
}
}  // namespace

CSerialPort::~CSerialPort()
{
    ClosePort();
}

std::string CSerialPort::ErrorMessage(const char* szCall) const
{
    char szText[512];
    std::snprintf(szText, sizeof szText, "WARNING:  %s Failed with the following error: \n%s\nPort: %d\n", szCall,
                  m_device.ErrorText().c_str(), PortNumber(m_strPortName));
    return szText;
}

void CSerialPort::ProcessErrorMessage(const char* szCall)
{
    AfxMessageBox(ErrorMessage(szCall), MB_OK | MB_ICONSTOP, 0);
}

void CSerialPort::NotifyClosed()
{
    m_bClosing = true;
    PostMessage(g_pNotifyWnd, WM_LINK_FAILED, 0, kLinkFailedSerial);
}

void CSerialPort::SetSerialEvent(int nEvent)
{
    CManualEvent* events[] = {&m_hShutdownEvent, &m_hWriteEvent, &m_hCommEvent, &m_hResumeEvent};
    if (nEvent < 0 || nEvent > SERIAL_RESUME)
        return;
    events[nEvent]->Set();
    std::lock_guard lock(m_csPort);
    m_device.Wake();
}

void CSerialPort::EndThread()
{
    while (m_bThreadAlive) {
        SetSerialEvent(SERIAL_RESUME);
        SetSerialEvent(SERIAL_SHUTDOWN);
        Sleep(50);
    }
    if (m_thread.joinable()) {
        m_thread.join();
        Trace("Thread ended\n");
    }
}

int CSerialPort::InitPort(WndHandle hOwner, const std::string& strPortName, int nBaud, char cParity, int nDataBits,
                          int nStopBits, unsigned nEvents, int nBufferSize)
{
    EndThread();
    for (CManualEvent* pEvent : {&m_hShutdownEvent, &m_hWriteEvent, &m_hCommEvent, &m_hResumeEvent})
        pEvent->Reset();
    m_hOwner = hOwner;
    m_nWriteBufferSize = nBufferSize;
    m_writeBuffer.assign(static_cast<std::size_t>(std::max(nBufferSize, 0)), 0);

    std::lock_guard lock(m_csPort);
    m_strPortName = strPortName;
    m_dwCommEvents = nEvents;
    char szSettings[64];
    std::snprintf(szSettings, sizeof szSettings, "baud=%d parity=%c data=%d stop=%d", nBaud, cParity, nDataBits,
                  nStopBits);
    if (m_device.Open(strPortName) != LinkError::None)
        return 0;
    m_timeouts = {kTimeoutMs, kTimeoutMs, kTimeoutMs, kTimeoutMs, kTimeoutMs};
    if (!m_device.SetTimeouts(m_timeouts))
        ProcessErrorMessage("SetCommTimeouts()");
    if (!m_device.GetState(m_dcb))
        ProcessErrorMessage("GetCommState()");
    m_dcb.bRtsOn = true;
    if (!BuildSerialDcb(szSettings, m_dcb))
        ProcessErrorMessage("BuildCommDCB()");
    else if (!m_device.SetState(m_dcb))
        ProcessErrorMessage("SetCommState()");
    if (!m_device.SetQueues(kDriverQueueBytes, kDriverQueueBytes)) {
        m_device.Close();
        return 0;
    }
    m_device.Purge();
    return 1;
}

int CSerialPort::StartMonitoring()
{
    if (!m_device.IsOpen() || m_thread.joinable())
        return 0;
    m_bThreadAlive = true;  // before the thread runs, so that an early ClosePort waits for it
    try {
        m_thread = std::thread([this] {
            SetThreadName("serial port");
            CommThread();
        });
    } catch (const std::system_error&) {
        m_bThreadAlive = false;
        return 0;
    }
    Trace("Thread started\n");
    return 1;
}

int CSerialPort::ResumeMonitoring()
{
    Trace("Thread resumed\n");
    SetSerialEvent(SERIAL_RESUME);
    return 1;
}

int CSerialPort::SuspendMonitoring()
{
    Trace("Thread suspended\n");
    m_hResumeEvent.Reset();
    return 1;
}

int CSerialPort::ClosePort()
{
    EndThread();
    std::lock_guard lock(m_csPort);
    m_device.Close();
    return 1;
}

SerialDcb CSerialPort::GetDCB() const
{
    std::lock_guard lock(m_csPort);
    return m_dcb;
}

unsigned CSerialPort::GetCommEvents() const
{
    std::lock_guard lock(m_csPort);
    return m_dwCommEvents;
}

int CSerialPort::GetWriteBufferSize() const
{
    return m_nWriteBufferSize;
}

int CSerialPort::WaitForEvents(milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (m_hShutdownEvent.IsSet())
            return SERIAL_SHUTDOWN;
        if (m_hWriteEvent.IsSet())
            return SERIAL_WRITE;
        if (m_hCommEvent.IsSet())
            return SERIAL_COMM;
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return -1;
        switch (m_device.WaitReadable(left)) {
        case CSerialDevice::WaitResult::Readable: m_hCommEvent.Set(); break;
        case CSerialDevice::WaitResult::Failed: return -2;
        default: break;
        }
    }
}

void CSerialPort::CommThread()
{
    m_bClosing = false;
    {
        std::lock_guard lock(m_csPort);
        m_device.Purge();
    }
    for (;;) {
        if (m_bClosing) {
            m_hShutdownEvent.Wait();
            break;
        }
        // A comm wait that completes at once: bytes are waiting.
        const auto ready = m_device.WaitReadable(milliseconds(0));
        if (ready == CSerialDevice::WaitResult::Failed) {
            Trace("%s", ErrorMessage("WaitCommEvent()").c_str());
            NotifyClosed();
            continue;
        }
        if (ready == CSerialDevice::WaitResult::Readable)
            m_hCommEvent.Set();

        CSendData* pFrame = nullptr;
        milliseconds timeout{500};
        {
            std::lock_guard link(g_csLink);
            pFrame = g_pCurSend;
            if (pFrame != nullptr && g_bUpdating)
                timeout = milliseconds(5000);
            else if (pFrame != nullptr && (pFrame->IsLastOfReadBatch() || pFrame->IsLastOfWriteBatch()))
                timeout = milliseconds(2000);
        }
        if (pFrame != nullptr) {
            switch (WaitForEvents(timeout)) {
            case SERIAL_SHUTDOWN: m_bThreadAlive = false; return;
            case SERIAL_WRITE: WriteChar(); break;
            case SERIAL_COMM: OnCommEvent(); break;
            case -1: OnTimeout(); break;
            default:
                Trace("%s", ErrorMessage("WaitForMultipleObjects()").c_str());
                NotifyClosed();
                break;
            }
        } else if (m_hShutdownEvent.IsSet()) {
            break;
        }
        m_hResumeEvent.Wait();
    }
    m_bThreadAlive = false;
}

void CSerialPort::OnCommEvent()
{
    m_hCommEvent.Reset();
    bool bAwaited = false;
    {
        std::lock_guard lock(m_csPort);
        m_dwCommEvents = EV_RXCHAR | EV_TXEMPTY | EV_CTS;
    }
    {
        std::lock_guard link(g_csLink);
        bAwaited = g_commFlags[COMM_FLAG_AWAITED] != 0;
    }
    if (bAwaited) {
        ReceiveChar();
        Sleep(5);
        return;
    }
    // Bytes nobody asked for: the next write would purge them; drop them now, since the line
    // stays readable until they are read.
    std::lock_guard lock(m_csPort);
    m_device.PurgeInput();
}

void CSerialPort::OnTimeout()
{
    enum { NOTHING, RECEIVE, REWRITE, FIRST_WRITE, FAIL } action = NOTHING;
    {
        std::lock_guard link(g_csLink);
        CSendData* pFrame = g_pCurSend;
        if (pFrame == nullptr)
            return;
        if (g_commFlags[COMM_FLAG_AWAITED] != 0) {
            const int nAttempt = pFrame->GetRetryCount() + 1;
            pFrame->SetRetryCount(nAttempt);
            action = nAttempt > kMaxAttempts ? FAIL : nAttempt == 2 ? REWRITE : RECEIVE;
            if (action == REWRITE && g_pCommand != nullptr)
                g_pCommand->ResetParser();
        } else if (pFrame->GetRetryCount() == 0) {
            pFrame->SetRetryCount(1);
            action = FIRST_WRITE;
        }
    }
    switch (action) {
    case FAIL: NotifyClosed(); break;
    case REWRITE: case FIRST_WRITE: WriteChar(); break;
    case RECEIVE:
        Sleep(10);
        ReceiveChar();
        break;
    case NOTHING: break;
    }
}

void CSerialPort::WriteChar()
{
    m_hWriteEvent.Reset();
    std::size_t nLength = 0;
    int nCommand = 0;
    {
        std::lock_guard link(g_csLink);
        const CSendData* pFrame = g_pCurSend;
        if (pFrame == nullptr || pFrame->GetBuffer() == nullptr)
            return;
        nLength = static_cast<std::size_t>(std::max(pFrame->GetLength(), 0));
        if (m_writeBuffer.size() < nLength)
            m_writeBuffer.resize(nLength);
        std::memcpy(m_writeBuffer.data(), pFrame->GetBuffer(), nLength);
        nCommand = pFrame->GetCommand();
    }
    LinkError error;
    {
        std::lock_guard lock(m_csPort);
        m_device.Purge();
        error = m_device.Write(std::span(m_writeBuffer.data(), nLength));
    }
    if (error != LinkError::None) {
        Trace("%s", ErrorMessage("WriteFile()").c_str());
        NotifyClosed();
        return;
    }
    {
        std::lock_guard link(g_csLink);
        g_commFlags[COMM_FLAG_AWAITED] = 1;
    }
    // After the apply command the processor restarts into the new firmware: give it time.
    Sleep(nCommand == FW_HEX_APPLY ? 4000 : 10);
}

void CSerialPort::RetryOrFail()
{
    CSendData* pFrame = g_pCurSend;
    if (pFrame == nullptr)
        return;
    // Each retry counts as an attempt, so a line that keeps failing ends in a link failure.
    const int nAttempt = pFrame->GetRetryCount() + 1;
    pFrame->SetRetryCount(nAttempt);
    if (nAttempt <= kMaxAttempts)
        SetSerialEvent(SERIAL_WRITE);
    else
        NotifyClosed();
}

void CSerialPort::ReceiveChar()
{
    for (;;) {
        SerialStatus status;
        {
            std::lock_guard lock(m_csPort);
            status = m_device.GetStatus();
        }
        std::lock_guard link(g_csLink);
        if (!status.bOk) {
            Trace("%s", ErrorMessage("ClearCommError()").c_str());
            NotifyClosed();
            return;
        }
        if (status.nInQueue == 0) {
            if (g_pCurSend != nullptr) {
                const int nEmpty = EmptyReads() + 1;
                SetEmptyReads(nEmpty < kEmptyReadsToRetry ? nEmpty : 0);
                if (nEmpty >= kEmptyReadsToRetry)
                    RetryOrFail();
            }
            return;
        }
        SetEmptyReads(0);

        std::uint8_t by = 0;
        LinkError error;
        {
            std::lock_guard lock(m_csPort);
            error = m_device.ReadByte(by);
        }
        if (error != LinkError::None) {
            Trace("%s", ErrorMessage("ReadFile()").c_str());
            NotifyClosed();
            return;
        }
        if (g_pCommand != nullptr && g_pCommand->OnSerialByte(by) != 0) {
            m_hResumeEvent.Reset();
            g_hSendDone.Set();
            return;
        }
        if (g_commFlags[COMM_FLAG_COMPLETE] == 0)
            continue;
        if (g_commFlags[COMM_FLAG_BAD_FRAME] != 0) {
            if (g_pCommand != nullptr)
                g_pCommand->ResetParser();
            g_commFlags[COMM_FLAG_COMPLETE] = 0;
            g_commFlags[COMM_FLAG_BAD_FRAME] = 0;
            RetryOrFail();
            return;
        }
        m_hResumeEvent.Reset();
        g_hSendDone.Set();
        return;
    }
}
