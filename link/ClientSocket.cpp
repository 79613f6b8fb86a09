#include "link/ClientSocket.h"

#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "platform/MessageIds.h"

namespace {
constexpr auto kLongestBlockingCall = std::chrono::seconds(1);
}  // namespace

CClientSocket::CClientSocket(std::function<Clock::time_point()> now) : m_now(std::move(now)) {}

CClientSocket::~CClientSocket()
{
    Close();
}

void CClientSocket::SetCommand(CKTVCommand* pCommand, int bPassOn)
{
    m_pCommand = pCommand;
    m_bPassOn = bPassOn;
}

void CClientSocket::OnReceive()
{
    m_timeCall = m_now();
    m_bBlocking = true;
    const TcpReceived received = Receive({g_byNetRecv, NET_RECV_SIZE});
    m_bBlocking = false;
    if (received.error == LinkError::None && m_bPassOn && m_pCommand)
        m_pCommand->OnNetworkData(static_cast<int>(received.nCount));
}

int CClientSocket::OnMessagePending(unsigned nMessage)
{
    if (!m_bBlocking)
        return 0;
    m_spanCall = m_now() - m_timeCall.load();
    if (nMessage != WM_TIMER || m_spanCall <= kLongestBlockingCall)
        return 0;
    CancelBlockingCall();
    return 1;
}

void CClientSocket::OnOutgoingData(const BYTE*, int) {}
