// The USB half of the link controller: finding and opening the processor, and the worker's
// normal and firmware transactions over 65-byte HID reports.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>

#include "link/ClientSocket.h"
#include "link/FirmwareCommands.h"
#include "link/KTVCommand.h"
#include "link/LinkController.h"
#include "link/LinkState.h"
#include "link/ProgressTarget.h"
#include "model/StdAfx.h"
#include "platform/LinkLock.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"
#include "platform/UsbInUseList.h"

namespace {
constexpr int FW_MAX_REQUEST_INFO_ATTEMPTS = 4;
// Input-report byte that echoes the firmware command of a reply (frame byte 8, the index).
constexpr int REPORT_COMMAND_ECHO = 9;

// The reply wait of a firmware command, in wait units (seconds on the processor).
int FirmwareReplyUnits(int nCommand)
{
    switch (nCommand) {
    case FW_HEX_APPLY: return 3;
    case FW_HEX_START: return 8;
    case FW_HEX_DATA: return 2;
    case FW_HEX_END: return 2;
    case FW_DSP_REQUEST_INFO: return 40;
    case FW_DSP_DATA: return 10;
    case FW_DSP_END_INF: return 20;
    default: return 2;
    }
}

// The enter-update pattern: report id 0, then 32 pairs 'C', 0x11.
void FillEnterUpdatePattern()
{
    g_byHidOut[0] = 0;
    for (int i = 1; i < HID_REPORT_SIZE; i += 2) {
        g_byHidOut[i] = 'C';
        g_byHidOut[i + 1] = 0x11;
    }
}
}  // namespace

bool CLinkController::RegisterHidNotification(WndHandle hWnd)
{
    return m_hotplug.Start(hWnd, PROCESSOR_HID_ID);
}

int CLinkController::FindHidDevices()
{
    std::vector<std::string> paths;
    for (const HidDeviceInfo& device : m_hid.Enumerate(PROCESSOR_HID_ID))
        paths.push_back(device.strPath);
    const bool bFound = !paths.empty();
    {
        std::lock_guard lock(g_csLink);
        g_usbDevicePaths = std::move(paths);
    }
    if (!bFound) {
        ResetUsbDeviceKey();
        g_bUsbOpen = 0;
    }
    return bFound;
}

int CLinkController::OpenHidDevice()
{
    std::string strPath;
    {
        std::lock_guard lock(g_csLink);
        strPath = g_strUsbDevicePath;
    }
    CloseHidDevice();
    // Claimed before the open, so that of two copies that both saw the device free one gets it.
    m_lastOpenError = MarkUsbPathInUse();
    if (m_lastOpenError != LinkError::None)
        return 0;
    HidOpenResult opened = OpenArrivedHidDevice(m_hid, strPath, m_timeouts.hidOpen);
    m_lastOpenError = opened.error;
    if (opened.error != LinkError::None) {
        Trace("Open %s failed: %s\n", strPath.c_str(), std::string(ToString(opened.error)).c_str());
        ForgetUsbDevice();
        return 0;
    }
    m_pHidDevice = std::move(opened.pDevice);
    g_bUsbOpen = 1;
    if (!m_bOnline) {
        for (auto& n : g_nNetLinkState)
            n = 0;
    }
    return 1;
}

int CLinkController::OpenUsbPath(const std::string& strPath)
{
    if (!IsUsbPathFree(strPath))
        return 0;
    {
        std::lock_guard lock(g_csLink);
        g_strUsbDevicePath = strPath;
    }
    return OpenHidDevice();
}

void CLinkController::CloseHidDevice()
{
    m_pHidDevice.reset();
    std::memset(g_byHidOut, 0, sizeof(g_byHidOut));
    std::memset(g_byHidIn, 0, sizeof(g_byHidIn));
}

int CLinkController::ConnectUsb()
{
    std::string strPath;
    {
        std::lock_guard lock(g_csLink);
        strPath = g_strUsbDevicePath;
    }
    if (strPath.empty() || !IsUsbPathFree(strPath)) {
        strPath.clear();
        FindHidDevices();
        std::lock_guard lock(g_csLink);
        for (const std::string& strFound : g_usbDevicePaths) {
            if (IsUsbPathFree(strFound)) {
                strPath = strFound;
                break;
            }
        }
        g_strUsbDevicePath = strPath;
    }
    if (!strPath.empty() && OpenHidDevice()) {
        g_nLinkType = LINK_USB;
        return 1;
    }
    std::vector<std::string> paths;
    {
        std::lock_guard lock(g_csLink);
        paths = g_usbDevicePaths;
    }
    for (const std::string& strFound : paths) {
        if (!IsUsbPathFree(strFound))
            continue;
        {
            std::lock_guard lock(g_csLink);
            g_strUsbDevicePath = strFound;
        }
        if (OpenHidDevice()) {
            g_nLinkType = LINK_USB;
            return 1;
        }
    }
    std::lock_guard lock(g_csLink);
    g_strUsbDevicePath.clear();
    return 0;
}

int CLinkController::ReopenUsbDevice()
{
    CloseHidDevice();
    return ConnectUsb();
}

int CLinkController::IsUsbPathFree(const std::string& strPath)
{
    return m_usbInUse.IsFree(strPath);
}

LinkError CLinkController::MarkUsbPathInUse()
{
    std::lock_guard lock(g_csLink);
    return m_usbInUse.Claim(g_strUsbDevicePath);
}

void CLinkController::ForgetUsbDevice()
{
    std::lock_guard lock(g_csLink);
    m_usbInUse.Release(g_strUsbDevicePath);
}

void CLinkController::CreateUsbDeviceKey()
{
    m_usbInUse.CreateKey();
}

void CLinkController::ResetUsbDeviceKey()
{
    m_usbInUse.Reset();
}

LinkError CLinkController::ReadReport(std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (!g_bUsbOpen || Stopping() || !m_pHidDevice)
            return LinkError::TimedOut;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return LinkError::TimedOut;
        const LinkError error = m_pHidDevice->Read(HidReportIn(g_byHidIn), std::min(left, m_timeouts.slice));
        if (error != LinkError::TimedOut)
            return error;
    }
}

bool CLinkController::WriteReport()
{
    if (!m_pHidDevice)
        return false;
    const LinkError error = m_pHidDevice->Write(HidReportOut(g_byHidOut));
    if (error != LinkError::None)
        Trace("Write UsbData failed: %s\n", std::string(ToString(error)).c_str());
    return error == LinkError::None;
}

void CLinkController::ReportToClientSocket()
{
    if (m_pClientSocket)
        m_pClientSocket->OnOutgoingData(g_byHidOut, HID_REPORT_SIZE);
}

void CLinkController::UsbTransfer()
{
    m_liTxStart = std::chrono::steady_clock::now();
    if (UsbWritePacket())
        UsbReadReply();
}

// True when a reply is to be read.
bool CLinkController::UsbWritePacket()
{
    if (!m_pHidDevice) {
        if (OpenHidDevice())
            m_command.RewindHead();
        else
            LinkFailed(0);
        return false;
    }
    if (!g_bUsbOpen)
        return false;
    CSendData* pHead = m_command.GetHead();
    if (!pHead) {
        if (std::unique_ptr<CSendData> pFrame = NextChangedFrame())
            m_command.AddSendData(std::move(pFrame));
        return false;
    }
    if (pHead->GetChunkCursor() == 0) {
        // A new attempt of the frame: its first, or the next after a refusal or a reopen.
        pHead->SetRetryCount(pHead->GetRetryCount() + 1);
        if (pHead->GetRetryCount() > MAX_ATTEMPTS) {
            LinkFailed(0);
            return false;
        }
        pHead->SetRefused(0);
    }
    while (pHead->GetNextChunk()) {
        if (!g_bUsbOpen || Stopping())
            return false;
        if (!WriteReport()) {
            if (g_bUsbOpen)
                LinkFailed(0);
            return false;
        }
    }
    return true;
}

void CLinkController::UsbReadReply()
{
    CSendData* pSent = m_command.GetHead();
    const bool bLong = pSent && pSent->IsLongWait();
    const auto reportWait = bLong ? m_timeouts.usbLongReportWait : m_timeouts.usbReportWait;
    const auto replyLimit = bLong ? m_timeouts.usbLongReplyLimit : m_timeouts.usbReplyLimit;
    for (;;) {
        if (!g_bUsbOpen)
            return;
        const LinkError error = ReadReport(reportWait);
        if (!g_bUsbOpen || Stopping())
            return;
        if (error != LinkError::None) {
            // No report in time, or the device is gone: one failure, and the pass ends.
            LinkFailed(0);
            return;
        }
        Trace("Read UsbData\n");
        if (m_command.OnUsbReport(HID_REPORT_SIZE))
            return;
        // A refusal rewound the head (or removed a refused long operation): the transaction
        // ends, and the next pass sends the frame again.
        CSendData* pHead = m_command.GetHead();
        if (pHead != pSent || (pHead && pHead->IsRefused()))
            return;
        if (Elapsed() > replyLimit) {
            Pause(m_timeouts.failurePause);
            if (g_bUsbOpen)
                LinkFailed(0);
            return;
        }
    }
}

void CLinkController::UsbFirmwareTransfer()
{
    m_liTxStart = std::chrono::steady_clock::now();
    if (UsbWriteFirmwarePacket())
        UsbReadFirmwareReply();
}

bool CLinkController::SendEnterUpdatePattern(const std::function<bool()>& sendReport, std::chrono::milliseconds duration,
                                             std::chrono::milliseconds step, const char* szChinese,
                                             const char* szEnglish)
{
    FillEnterUpdatePattern();
    // The sends go back to back (on the network without a pause); the status line, which the UI
    // thread draws, is told only a few times a second.
    std::optional<std::chrono::steady_clock::time_point> lastStatus;
    while (Elapsed() <= duration) {
        if (Stopping())
            return false;
        if (!sendReport())
            return false;
        if (step.count() > 0)
            Pause(step);
        const auto now = std::chrono::steady_clock::now();
        if (!lastStatus || now - *lastStatus >= m_timeouts.enterUpdateStatus) {
            ShowUpdateTip(szChinese, szEnglish);
            lastStatus = now;
        }
    }
    m_command.RemoveHead();
    return true;
}

// True when a reply is to be read.
bool CLinkController::UsbWriteFirmwarePacket()
{
    if (!m_pHidDevice || !g_bUsbOpen)
        return false;
    CSendData* pHead = TakeFirmwareHead(FW_MAX_REQUEST_INFO_ATTEMPTS);
    if (!pHead)
        return false;
    if (pHead->GetCommand() == FW_ENTER_UPDATE) {
        // The processor answers nothing while it switches to its loader.
        SendEnterUpdatePattern([this] { return g_bUsbOpen && WriteReport(); }, m_timeouts.usbEnterUpdate,
                               m_timeouts.usbEnterUpdateStep, "连接Usb", "Connected Usb");
        return false;
    }
    if (pHead->GetNextChunk()) {
        ReportToClientSocket();
        WriteReport();
    }
    return true;
}

void CLinkController::UsbReadFirmwareReply()
{
    const int nCommand = m_nFwCommand;
    const auto replyWait = m_timeouts.firmwareWaitUnit * FirmwareReplyUnits(nCommand);
    if (nCommand == FW_DSP_REQUEST_INFO)
        ShowUpdateTip("擦除中......", "Erasing......");
    for (;;) {
        if (!g_bUsbOpen || Stopping())
            break;
        const LinkError error = ReadReport(replyWait);
        if (!g_bUsbOpen || Stopping())
            break;
        if (error != LinkError::None) {
            if (nCommand == FW_HEX_APPLY)
                break;  // the processor left to re-enumerate without a word
            if (error == LinkError::TimedOut)
                g_bUsbOpen = 0;
            SignalSuspend();
            LinkFailed(0);
            return;
        }
        if (g_bUpdateAbort)
            return;
        if (g_byHidIn[REPORT_COMMAND_ECHO] == nCommand && m_command.OnUsbReport(HID_REPORT_SIZE))
            break;
        CSendData* pHead = m_command.GetHead();
        if (pHead && pHead->IsRefused()) {
            if (nCommand != FW_DSP_REQUEST_INFO) {
                SignalSuspend();
                LinkFailed(0);
            }
            return;
        }
        if (Elapsed() > replyWait) {
            Pause(m_timeouts.failurePause);
            SignalSuspend();
            LinkFailed(0);
            return;
        }
    }
    if (nCommand == FW_HEX_APPLY && !Stopping())
        AfterHexApply();
}

// The processor re-enumerates after applying its firmware, perhaps on another device node.
void CLinkController::AfterHexApply()
{
    if (!Pause(m_timeouts.hexApplyPause))
        return;
    ForgetUsbDevice();
    // It comes back as a new device, perhaps at another node: found again by vendor, product and
    // version, its old path is kept only while it is still there.
    FindHidDevices();
    {
        std::lock_guard lock(g_csLink);
        if (std::find(g_usbDevicePaths.begin(), g_usbDevicePaths.end(), g_strUsbDevicePath) == g_usbDevicePaths.end())
            g_strUsbDevicePath.clear();
    }
    if (!ReopenUsbDevice()) {
        SignalSuspend();
        LinkFailed(0);
    }
}
