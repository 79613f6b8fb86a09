// The view's client socket against a bare listener on 127.0.0.1: what its receive handler does
// with the bytes, when a waiting timer message cancels a blocking receive, and that it closes.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "link/ClientSocket.h"
#include "link/KTVCommand.h"
#include "link/LinkState.h"
#include "model/CommandFrame.h"
#include "platform/MessageIds.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/LinkRig.h"

using namespace std::chrono_literals;

namespace {
constexpr unsigned WM_PAINT = 0x000F;

// Accepts one connection, sends what the test gives it and reads what the client sends.
class CPeer {
public:
    CPeer()
    {
        m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(m_listenFd, 1);
        getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length);
        nPort = ntohs(address.sin_port);
    }
    ~CPeer()
    {
        if (m_fd >= 0)
            close(m_fd);
        close(m_listenFd);
    }
    void Accept()
    {
        m_fd = accept(m_listenFd, nullptr, nullptr);
        const timeval wait{5, 0};
        setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    }
    void Send(const std::vector<BYTE>& bytes) { ASSERT_EQ(send(m_fd, bytes.data(), bytes.size(), 0), ssize_t(bytes.size())); }
    // 0 once the client has closed the connection.
    ssize_t Receive()
    {
        BYTE buffer[64];
        return recv(m_fd, buffer, sizeof buffer, 0);
    }
    void Hangup()
    {
        shutdown(m_fd, SHUT_RDWR);
    }

    std::uint16_t nPort = 0;

private:
    int m_listenFd = -1;
    int m_fd = -1;
};

std::vector<BYTE> Ack()
{
    return ReplyFrame(REPLY_ACK, 0, BLOCK_SYSTEM, SYS_MASTER, 0, {});
}

bool ReceiveBufferStartsWith(const std::vector<BYTE>& bytes)
{
    return std::memcmp(g_byNetRecv, bytes.data(), bytes.size()) == 0;
}
}  // namespace

TEST(ClientSocket, HandsWhatItReceivesToTheCommandManagerOnlyWhileAskedTo)
{
    InitCommandFrame();
    CPeer peer;
    CClientSocket socket;
    ASSERT_EQ(socket.Connect("127.0.0.1", peer.nPort, {1s, 1s, 2s}), LinkError::None);
    peer.Accept();
    CKTVCommand command;
    command.AddSendData(MakeWriteSystemFrame(SYS_MASTER, 0));

    struct Case {
        const char* name;
        bool bCommand;
        int bPassOn;
        bool bTaken;
    };
    for (const Case c : {Case{"not asked to", true, 0, false}, Case{"no command manager", false, 1, false},
                         Case{"asked to", true, 1, true}}) {
        SCOPED_TRACE(c.name);
        std::memset(g_byNetRecv, 0, sizeof g_byNetRecv);
        socket.SetCommand(c.bCommand ? &command : nullptr, c.bPassOn);
        peer.Send(Ack());
        socket.OnReceive();
        // The command manager takes the bytes out of the buffer, and the acknowledgement removes
        // the frame in flight.
        EXPECT_EQ(ReceiveBufferStartsWith(Ack()), !c.bTaken);
        EXPECT_EQ(command.GetQueueCount(), c.bTaken ? 0 : 1);
    }
}

TEST(ClientSocket, AWaitingTimerMessageCancelsABlockingReceiveThatLastedOverASecond)
{
    std::atomic<std::int64_t> nNowMs{5000};
    CClientSocket socket([&] { return CClientSocket::Clock::time_point(std::chrono::milliseconds(nNowMs.load())); });
    CPeer peer;
    ASSERT_EQ(socket.Connect("127.0.0.1", peer.nPort, {1s, 1s, 60s}), LinkError::None);
    peer.Accept();
    EXPECT_EQ(socket.OnMessagePending(WM_TIMER), 0) << "no blocking call runs";

    std::atomic<bool> bReturned{false};
    std::thread receiver([&] {
        socket.OnReceive();
        bReturned = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return socket.IsBlocking(); }));
    nNowMs += 1000;
    EXPECT_EQ(socket.OnMessagePending(WM_TIMER), 0) << "a second is not more than a second";
    nNowMs += 1;
    EXPECT_EQ(socket.OnMessagePending(WM_PAINT), 0);
    EXPECT_FALSE(bReturned);
    EXPECT_EQ(socket.OnMessagePending(WM_TIMER), 1);
    const bool bCancelled = WaitUntil([&] { return bReturned.load(); }, 10s);
    if (!bCancelled)
        peer.Hangup();
    receiver.join();
    EXPECT_TRUE(bCancelled) << "the receive went on after the cancel";
    EXPECT_FALSE(socket.IsBlocking());
}

TEST(ClientSocket, ClosesItsConnectionWhenClosedOrDestroyed)
{
    for (bool bDestroy : {false, true}) {
        SCOPED_TRACE(bDestroy ? "destroyed" : "closed");
        CPeer peer;
        auto pSocket = std::make_unique<CClientSocket>();
        ASSERT_EQ(pSocket->Connect("127.0.0.1", peer.nPort), LinkError::None);
        peer.Accept();
        if (bDestroy)
            pSocket.reset();
        else
            pSocket->Close();
        EXPECT_EQ(peer.Receive(), 0);
    }
}
