// The view's client socket against a bare listener on 127.0.0.1: what its receive handler does
// with the bytes, when a waiting timer message cancels a blocking receive, and that it closes.
#include <gtest/gtest.h>

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
#include "tests/support/LoopbackPeer.h"

using namespace std::chrono_literals;

namespace {
constexpr unsigned WM_PAINT = 0x000F;

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
    CLoopbackPeer peer;
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
    CLoopbackPeer peer;
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
        CLoopbackPeer peer;
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
