#pragma once
// The network link object: a blocking TCP client to the processor's WiFi module at the endpoint
// g_strDeviceIP:g_nDevicePort, and the link check that finds out whether the processor is
// reachable (a local adapter in its subnet, and an answer to a ping), run every 500 ms on the
// ping thread and posting WM_NET_AVAILABLE to the main view. Receives land in g_byNetRecv.
//
// The worker uses the socket; the UI thread opens and closes it only while no worker runs.
#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

#include "link/Ping_Net_Thread.h"
#include "model/DataDefine.h"
#include "platform/Event.h"
#include "platform/LinkError.h"
#include "platform/NetAdapters.h"
#include "platform/Ping.h"
#include "platform/TcpClient.h"

struct CNetOptions {
    using ms = std::chrono::milliseconds;
    TcpTimeouts tcp;                  // connect bound, send and receive time-outs (1000 ms)
    ms receiveSlice{50};              // a receive waits in slices this long, so a stop is seen quickly
    ms checkPeriod{500};              // the link check's timer
    ms checkPause{1000};              // after each check step
    ms updateFinishedPause{5000};     // a processor that has just taken new firmware is still starting
    PingOptions ping;
    std::function<std::vector<NetAdapter>()> adapters = LocalAdapters;
};

class CNet_Socket {
public:
    // Starts the ping thread; the check itself starts with StartLinkCheck.
    explicit CNet_Socket(CNetOptions options = {});
    ~CNet_Socket();
    CNet_Socket(const CNet_Socket&) = delete;
    CNet_Socket& operator=(const CNet_Socket&) = delete;

    // Only while the processor is reachable and answers a ping: connects to the endpoint with
    // the normal receive time-out. 1 on success; on failure the socket is closed and the result
    // is 0.
    int Connect();
    int Close();
    bool IsOpen() const { return m_socket.IsOpen(); }
    // Sends the whole buffer; 1 when it did not fail.
    int Send(const BYTE* pBuffer, int nLength);
    // One receive of at most 400 bytes (16 for ReceiveShort, the firmware replies) into
    // g_byNetRecv: None with nCount bytes, TimedOut when nothing came within the receive time-out
    // (or the cancel event was set), Closed or another error when the connection failed.
    LinkError Receive(int& nCount);
    LinkError ReceiveShort(int& nCount);
    // The receive time-out of the following receives, until the next Connect; 0 when the socket
    // is not open.
    int SetReceiveTimeout(std::chrono::milliseconds timeout);
    // Receives give up as soon as this event is set (the worker's quit event); none: never.
    void SetCancelEvent(const CManualEvent* pCancel) { m_pCancel = pCancel; }

    // 1 when a local adapter lies in the processor's subnet.
    int CheckSubnet() const;
    // One step of the link check; runs on the ping thread while bRunning is set.
    void CheckLink(const std::atomic<int>& bRunning);
    void StartLinkCheck();
    // Stops the check's timer; with bKeepThread 0 the ping thread ends too.
    void StopLinkCheck(int bKeepThread);
    bool IsLinkCheckRunning() const { return m_pingThread.IsRunning(); }

    // The processor answered the last ping and a local adapter is in its subnet. Written by the
    // ping thread, read by the worker and the UI.
    std::atomic<int> m_bReachable{0};

private:
    LinkError ReceiveInto(int nMax, int& nCount);
    bool PingDevice() const;

    CNetOptions m_options;
    CTcpClient m_socket;
    std::chrono::milliseconds m_receiveTimeout;
    const CManualEvent* m_pCancel = nullptr;
    int m_nLastPing = 0;  // result of the last ping (ping thread only)
    CPing_Net_Thread m_pingThread;
};
