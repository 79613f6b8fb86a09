#pragma once
// A second socket of the main view, which lives for the whole run and which nothing connects.
// Its receive handler reads into g_byNetRecv and, while asked to, hands the bytes to the command
// manager; a pending timer message cancels a blocking call that has lasted over a second; the
// firmware writers of both transports hand it every report they send, and it does nothing with
// them. The network disconnect closes it, as does its destructor.
#include <atomic>
#include <chrono>
#include <functional>

#include "model/DataDefine.h"
#include "platform/TcpClient.h"

class CKTVCommand;

class CClientSocket : public CTcpClient {
public:
    using Clock = std::chrono::steady_clock;

    explicit CClientSocket(std::function<Clock::time_point()> now = Clock::now);
    virtual ~CClientSocket();

    // The command manager that received bytes go to while bPassOn is set (none: they stay in
    // g_byNetRecv).
    void SetCommand(CKTVCommand* pCommand, int bPassOn);
    // One receive of at most NET_RECV_SIZE bytes into g_byNetRecv, a blocking call.
    void OnReceive();
    // A message waits while a blocking call runs: a timer message cancels a call that has lasted
    // more than a second, and the socket is then only fit to be closed. 1 when it cancelled.
    int OnMessagePending(unsigned nMessage);
    bool IsBlocking() const { return m_bBlocking; }
    // Every report a firmware writer sends; nothing is done with it.
    virtual void OnOutgoingData(const BYTE* pReport, int nLength);

private:
    std::function<Clock::time_point()> m_now;
    std::atomic<Clock::time_point> m_timeCall{};  // start of the blocking call
    Clock::duration m_spanCall{};                 // how long it had lasted when a message waited
    std::atomic<bool> m_bBlocking{false};
    CKTVCommand* m_pCommand = nullptr;
    int m_bPassOn = 0;
};
