#include "link/Net_Socket.h"

#include <algorithm>
#include <mutex>
#include <string>

#include "link/LinkState.h"
#include "model/StdAfx.h"
#include "platform/Message.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"

namespace {
constexpr int FIRMWARE_REPLY_BYTES = 16;

struct Endpoint {
    std::string strAddress;
    int nPort;
};

Endpoint DeviceEndpoint()
{
    std::lock_guard lock(g_csEndpoint);
    return {g_strDeviceIP, g_nDevicePort};
}
}  // namespace

CNet_Socket::CNet_Socket(CNetOptions options)
    : m_options(std::move(options)), m_receiveTimeout(m_options.tcp.receive)
{
    m_pingThread.SetNetSocket(this);
}

CNet_Socket::~CNet_Socket()
{
    m_pingThread.Quit();
    Close();
}

bool CNet_Socket::PingDevice() const
{
    return ::PingDevice(DeviceEndpoint().strAddress, m_options.ping);
}

int CNet_Socket::Connect()
{
    if (!m_bReachable || !PingDevice())
        return 0;
    const Endpoint endpoint = DeviceEndpoint();
    if (endpoint.nPort <= 0 || endpoint.nPort > 0xFFFF)
        return 0;
    // Every connection starts with the normal receive time-out: a firmware pass sets its own
    // per command, and a wait of up to 50 s must not outlive the pass that needed it.
    m_receiveTimeout = m_options.tcp.receive;
    // The socket's own time-out is a slice of the receive time-out (see Receive).
    TcpTimeouts timeouts = m_options.tcp;
    timeouts.receive = std::min(m_options.receiveSlice, m_receiveTimeout);
    const LinkError error = m_socket.Connect(endpoint.strAddress, static_cast<std::uint16_t>(endpoint.nPort), timeouts);
    if (error != LinkError::None) {
        Trace("Connect %s:%d failed: %s\n", endpoint.strAddress.c_str(), endpoint.nPort, std::string(ToString(error)).c_str());
        return 0;
    }
    return 1;
}

int CNet_Socket::Close()
{
    m_socket.Close();
    return 1;
}

int CNet_Socket::Send(const BYTE* pBuffer, int nLength)
{
    if (nLength < 0)
        return 0;
    return m_socket.Send({pBuffer, static_cast<std::size_t>(nLength)}) == LinkError::None;
}

LinkError CNet_Socket::Receive(int& nCount)
{
    return ReceiveInto(NET_RECV_SIZE, nCount);
}

LinkError CNet_Socket::ReceiveShort(int& nCount)
{
    return ReceiveInto(FIRMWARE_REPLY_BYTES, nCount);
}

// The socket waits one slice per receive call; the receive time-out is the sum of empty slices,
// so the worker's quit event is seen within a slice.
LinkError CNet_Socket::ReceiveInto(int nMax, int& nCount)
{
    nCount = -1;
    const auto deadline = std::chrono::steady_clock::now() + m_receiveTimeout;
    for (;;) {
        const TcpReceived received = m_socket.Receive({g_byNetRecv, static_cast<std::size_t>(nMax)});
        if (received.error != LinkError::TimedOut) {
            if (received.error == LinkError::None)
                nCount = static_cast<int>(received.nCount);
            return received.error;
        }
        if (std::chrono::steady_clock::now() >= deadline || (m_pCancel && m_pCancel->IsSet()))
            return LinkError::TimedOut;
    }
}

int CNet_Socket::SetReceiveTimeout(std::chrono::milliseconds timeout)
{
    if (m_socket.SetReceiveTimeout(std::min(m_options.receiveSlice, timeout)) != LinkError::None) {
        Close();
        return 0;
    }
    m_receiveTimeout = timeout;
    return 1;
}

int CNet_Socket::CheckSubnet() const
{
    const std::vector<NetAdapter> adapters = m_options.adapters();
    return FindAdapterInSubnet(adapters, DeviceEndpoint().strAddress) != nullptr;
}

void CNet_Socket::CheckLink(const std::atomic<int>& bRunning)
{
    if (!CheckSubnet()) {
        if (bRunning) {
            m_bReachable = 0;
            m_pingThread.Pause(m_options.checkPause);
        }
        return;
    }
    if (!m_bReachable) {
        m_nLastPing = PingDevice();
        if (m_nLastPing) {
            if (g_bUpdateFinished) {
                m_pingThread.Pause(m_options.updateFinishedPause);
                g_bUpdateFinished = 0;
            }
            // Reachable before the view hears of it: its connect asks for it.
            if (bRunning)
                m_bReachable = 1;
            PostMessage(g_pNotifyWnd, WM_NET_AVAILABLE, 0, 0);
        }
    }
    if (bRunning) {
        m_bReachable = m_nLastPing;
        m_pingThread.Pause(m_options.checkPause);
    }
}

void CNet_Socket::StartLinkCheck()
{
    m_pingThread.SetNetSocket(this);
    m_pingThread.StartTimer(m_options.checkPeriod);
}

void CNet_Socket::StopLinkCheck(int bKeepThread)
{
    m_pingThread.StopTimer();
    if (!bKeepThread)
        m_pingThread.Quit();
}
