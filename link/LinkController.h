#pragma once
// The device link of the main view, without windows: the link worker thread with its four
// events, the USB HID transport (finding the processor, the list of devices in use, opening, the
// report I/O of normal and firmware traffic) and the worker's passes over the network object.
// The main view owns one and calls its operations on the UI thread; transactions run on the
// worker, which reaches the UI only by posting to g_pNotifyWnd.
//
// Every blocking wait of the worker runs in short slices and ends when the worker is told to
// quit, so stopping it never waits for a long transaction. Never stop the worker while holding
// g_csLink: the worker may be waiting for it.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "link/LinkTimeouts.h"
#include "platform/Event.h"
#include "platform/Hid.h"
#include "platform/HidHotplugMonitor.h"
#include "platform/LinkError.h"
#include "platform/Message.h"

class CClientSocket;
class CKTVCommand;
class CKTV_Data;
class CNet_Socket;
class CSendData;
class CUsbInUseList;

class CLinkController {
public:
    CLinkController(CKTVCommand& command, IHidBackend& hid, CUsbInUseList& usbInUse, CNet_Socket& netSocket,
                    const CLinkTimeouts& timeouts = {});
    ~CLinkController();  // ends the worker and closes the device
    CLinkController(const CLinkController&) = delete;
    CLinkController& operator=(const CLinkController&) = delete;

    // The data model whose next-frame choice fills an empty queue (none: an empty queue stays
    // empty).
    void AttachData(CKTV_Data* pData) { m_pData = pData; }
    // The socket object that the firmware writers hand each report they send (none: no one).
    void AttachClientSocket(CClientSocket* pSocket) { m_pClientSocket = pSocket; }
    // Queues the next firmware packet of an update, if there is one (the update engine).
    void SetFirmwarePacketSource(std::function<void()> fnNextPacket) { m_fnNextFirmwarePacket = std::move(fnNextPacket); }
    // Closes the link as the view's connect button does.
    void SetConnectButtonHandler(std::function<void()> fnConnectButton) { m_fnConnectButton = std::move(fnConnectButton); }

    // The worker.
    void CreateLinkThread();
    // Lets traffic run: a new worker when none exists; then USB traffic allowed and online.
    void StartLinkThread();
    // Ends the worker. With bFull also forgets it, resets its events, clears g_bUsbOpen and
    // m_bOnline and restarts the network link check; without, only ends it (the view closes).
    void StopLinkThread(int bFull);
    std::thread* GetLinkThread() const { return m_pLinkThread.get(); }

    // One transaction of each kind; the worker runs them (the normal ones under g_csLink).
    void UsbTransfer();
    void UsbFirmwareTransfer();
    void NetTransfer();
    void NetFirmwareTransfer();
    // The WiFi module's factory reset has ended (lParam 1 accepted, 0 refused); UI thread. On
    // USB it is reported; on the network the module is back at its factory endpoint, where the
    // link no longer is, so the link is closed.
    void OnWifiResetDone(LPARAM lParam);

    // USB devices. These run on the UI thread while no worker runs, except where noted.
    // Starts posting arrivals of the processor and every HID removal to the window.
    bool RegisterHidNotification(WndHandle hWnd);
    // Fills g_usbDevicePaths with the present processors; 1 when there is one. With none the
    // list of devices in use is reset and g_bUsbOpen cleared. The open device is left alone.
    int FindHidDevices();
    // Opens g_strUsbDevicePath (claiming it in the list of devices in use); 1 on success.
    int OpenHidDevice();
    // When the path is free in the list of devices in use, makes it g_strUsbDevicePath and opens
    // it; 1 on success.
    int OpenUsbPath(const std::string& strPath);
    // Why the last open failed: Busy (another copy has it), AccessDenied (the udev rule is
    // missing: the view says so with g_strUsbAccessCn / g_strUsbAccessEn), NotFound ...
    LinkError GetLastOpenError() const { return m_lastOpenError; }
    // Picks a free processor and opens it; sets g_nLinkType 1 on success.
    int ConnectUsb();
    // Closes the device if open and connects again (the worker, after a firmware apply).
    int ReopenUsbDevice();
    // Closes the device: both report buffers cleared. Its entry in the list stays.
    void CloseHidDevice();
    bool IsHidOpen() const { return m_pHidDevice != nullptr; }
    int IsUsbPathFree(const std::string& strPath);
    LinkError MarkUsbPathInUse();
    void ForgetUsbDevice();
    // The list of devices in use: created when missing (start-up), emptied (no processor found).
    void CreateUsbDeviceKey();
    void ResetUsbDeviceKey();

    // A connection is open and the worker runs.
    std::atomic<int> m_bOnline{0};
    std::atomic<int> m_bLinkThreadRunning{0};  // set at each wake-up, cleared when it quits
    std::atomic<int> m_bLinkThreadActive{0};   // set at each wake-up, cleared when it suspends
    std::atomic<int> m_nFwCommand{0};          // firmware command of the head frame last written

    // A normal frame on the network gets this many attempts, each after a reconnect: a lossy
    // link loses a reply now and then, and the frame goes again instead of ending the link.
    static constexpr int NET_MAX_ATTEMPTS = 4;

private:
    // A queued frame takes the data model's turn this many times in a row at most.
    static constexpr int MAX_TURNS_TAKEN = 4;
    static constexpr int MAX_ATTEMPTS = 2;  // a normal frame on USB is sent at most twice, as is a firmware frame
    enum { EV_QUIT, EV_SUSPEND, EV_FIRMWARE, EV_NORMAL, EV_COUNT };

    void LinkThreadProc();
    // False when the worker was told to quit during the pause.
    bool Pause(std::chrono::milliseconds time) const;
    // Waits, until the deadline, unless told to quit.
    void WaitUntil(std::chrono::steady_clock::time_point deadline) const;
    // Between normal passes: waits for the next one, taking the data model's frame when it is due.
    void WaitForNextPass();
    // Under g_csLink: appends the data model's next frame, only to an empty queue (a batch and
    // what it marks keep their order).
    void QueueDataModelFrame();
    bool Stopping() const { return m_hLinkEvents[EV_QUIT].IsSet(); }
    std::chrono::steady_clock::duration Elapsed() const { return std::chrono::steady_clock::now() - m_liTxStart; }
    // Posts the link failure once and parks normal traffic: the view stops the worker.
    void LinkFailed(LPARAM lParam);
    void SignalSuspend() { m_hLinkEvents[EV_SUSPEND].Set(); }
    std::unique_ptr<CSendData> NextChangedFrame();
    // The head of a firmware pass (the update engine's next packet when the queue is empty),
    // counted as one more attempt; none when there is nothing to send or it is out of attempts.
    CSendData* TakeFirmwareHead(int nRequestInfoAttempts);

    bool UsbWritePacket();
    void UsbReadReply();
    bool UsbWriteFirmwarePacket();
    void UsbReadFirmwareReply();
    // Reads one input report into g_byHidIn within `wait`, in slices; TimedOut also when USB
    // traffic was stopped or the worker told to quit meanwhile.
    LinkError ReadReport(std::chrono::milliseconds wait);
    bool WriteReport();
    // Hands the firmware report in g_byHidOut to the client socket before it is sent.
    void ReportToClientSocket();
    void AfterHexApply();

    bool NetSendPacket();
    void NetReceiveReply();
    bool NetSendFirmwarePacket();
    void NetReceiveFirmwareReply();
    void NetReconnect();
    // The head frame has attempts left (or there is none).
    bool NetAttemptsLeft() const;
    // Clears g_bNetLink and posts the link failure.
    void NetLinkFailed(LPARAM lParam);
    void NetAttemptFailed(LPARAM lParam);
    bool SendEnterUpdatePattern(const std::function<bool()>& sendReport, std::chrono::milliseconds duration,
                                std::chrono::milliseconds step, const char* szChinese, const char* szEnglish);

    CKTVCommand& m_command;
    IHidBackend& m_hid;
    CUsbInUseList& m_usbInUse;
    CNet_Socket& m_netSocket;
    CLinkTimeouts m_timeouts;
    CKTV_Data* m_pData = nullptr;
    CClientSocket* m_pClientSocket = nullptr;
    std::function<void()> m_fnNextFirmwarePacket;
    std::function<void()> m_fnConnectButton;

    CManualEvent m_hLinkEvents[EV_COUNT];
    CManualEvent m_resume;  // a new worker waits for it before its first wait
    CManualEvent m_workQueued;  // set by every frame queued
    std::unique_ptr<std::thread> m_pLinkThread;
    std::chrono::steady_clock::time_point m_liTxStart;
    // The worker's own: the pauses in a row in which a queued frame took the data model's turn.
    int m_nTurnsTaken = 0;

    std::unique_ptr<IHidDevice> m_pHidDevice;
    LinkError m_lastOpenError = LinkError::None;
    CHidHotplugMonitor m_hotplug;
};
