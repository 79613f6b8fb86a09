#include <gtest/gtest.h>

#include <thread>

#include "platform/TcpClient.h"
#include "tests/support/LoopbackPeer.h"

using namespace std::chrono_literals;

namespace {
std::uint16_t FreePort()
{
    CLoopbackPeer listener;
    return listener.nPort;  // closed again at once: nothing listens there
}
}  // namespace

TEST(TcpClient, ConnectFailuresAreNamed)
{
    CTcpClient client;
    EXPECT_EQ(client.Connect("127.0.0.1", FreePort()), LinkError::Refused);
    for (const char* address : {"", "10.10.100", "10.10.100.254.1", "localhost", "-c"})
        EXPECT_EQ(client.Connect(address, 8899), LinkError::BadAddress) << address;
    EXPECT_FALSE(client.IsOpen());
    std::uint8_t buffer[4];
    EXPECT_EQ(client.Send(buffer), LinkError::Closed);
    EXPECT_EQ(client.Receive(buffer).error, LinkError::Closed);
}

TEST(TcpClient, ASilentPeerIsATimeOut)
{
    CLoopbackPeer listener;
    CTcpClient client;
    ASSERT_EQ(client.Connect("127.0.0.1", listener.nPort, {1000ms, 1000ms, 100ms}), LinkError::None);
    listener.Accept();
    std::uint8_t buffer[16];
    const TcpReceived received = client.Receive(buffer);
    EXPECT_EQ(received.error, LinkError::TimedOut);
    EXPECT_EQ(received.nCount, 0u);
}

TEST(TcpClient, APeerThatClosedIsClosedNeverZeroBytesNorASignal)
{
    CLoopbackPeer listener;
    CTcpClient client;
    ASSERT_EQ(client.Connect("127.0.0.1", listener.nPort), LinkError::None);
    listener.Accept();
    listener.CloseClient();

    std::uint8_t buffer[16] = {};
    const TcpReceived received = client.Receive(buffer);
    EXPECT_EQ(received.error, LinkError::Closed);
    EXPECT_EQ(received.nCount, 0u);
    // The first send may still be taken by the stack; a later one meets the reset. None of them
    // may raise SIGPIPE, which would end this test program.
    LinkError error = LinkError::None;
    for (int i = 0; i < 50 && error == LinkError::None; ++i) {
        error = client.Send(buffer);
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_EQ(error, LinkError::Closed);
}
