// The network object: connecting only to a reachable processor, receives that never pass a
// failure off as bytes, and the link check with the real adapters and ping on the loopback.
#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <thread>

#include "link/LinkState.h"
#include "link/Net_Socket.h"
#include "model/StdAfx.h"
#include "platform/MessageIds.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/FakePing.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/LinkRig.h"
#include "tests/support/MessageRecorder.h"

using namespace std::chrono_literals;

namespace {

constexpr WndHandle VIEW = 5;

class NetSocket : public testing::Test {
protected:
    NetSocket() : m_server(m_emulator)
    {
        ResetLinkGlobals();
        g_pNotifyWnd = VIEW;
        std::lock_guard lock(g_csEndpoint);
        g_strDeviceIP = "127.0.0.1";
        g_nDevicePort = m_server.Port();
    }
    ~NetSocket() override
    {
        ResetLinkGlobals();
        g_pNotifyWnd = 0;
    }

    static CNetOptions QuickCheck()
    {
        CNetOptions options;
        options.checkPeriod = 50ms;
        options.checkPause = 50ms;
        options.tcp.receive = 200ms;
        return options;
    }

    CMessageRecorder m_posted;
    CProcessorEmulator m_emulator;
    CEmulatorTcpServer m_server;
};

TEST_F(NetSocket, ConnectsOnlyToAReachableProcessor)
{
    CNet_Socket net(QuickCheck());
    EXPECT_EQ(net.Connect(), 0);
    EXPECT_FALSE(net.IsOpen());
    net.m_bReachable = 1;
    EXPECT_EQ(net.Connect(), 1);
    EXPECT_TRUE(net.IsOpen());
}

TEST_F(NetSocket, AClosedConnectionIsAnErrorNeverAByteCount)
{
    CNet_Socket net(QuickCheck());
    net.m_bReachable = 1;
    ASSERT_EQ(net.Connect(), 1);
    int nCount = 0;
    EXPECT_EQ(net.Receive(nCount), LinkError::TimedOut);
    EXPECT_EQ(nCount, -1);

    const std::vector<BYTE> poll = Framed({0xA2, 0x01, 0, 0x09, 0x03, 0, 0, 0, 0x08, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(net.Send(poll.data(), static_cast<int>(poll.size())), 1);
    ASSERT_EQ(net.Receive(nCount), LinkError::None);
    EXPECT_EQ(nCount, 16 + 16);  // the status reply: 14 meter bytes, the input and the source

    m_server.CloseConnection();
    EXPECT_EQ(net.Receive(nCount), LinkError::Closed);
    EXPECT_EQ(nCount, -1);
}

TEST_F(NetSocket, TheLinkCheckFindsTheProcessorOnTheLoopback)
{
    CNet_Socket net(QuickCheck());  // the machine's adapters and its ping
    net.StartLinkCheck();
    ASSERT_TRUE(m_posted.WaitFor(WM_NET_AVAILABLE, 1, 5s));
    EXPECT_EQ(net.m_bReachable, 1);  // already when the view hears of it, so its connect may ask
    std::this_thread::sleep_for(300ms);  // several more checks: a reachable processor is not pinged again
    net.StopLinkCheck(1);
    EXPECT_EQ(m_posted.Count(WM_NET_AVAILABLE), 1);
    EXPECT_FALSE(net.IsLinkCheckRunning());
}

TEST_F(NetSocket, WithoutAnAdapterInTheSubnetTheProcessorIsNeverPinged)
{
    CNetOptions options = QuickCheck();
    options.adapters = [] { return std::vector<NetAdapter>{{"eth0", "192.168.1.7", "255.255.255.0"}}; };
    options.ping.strProgram = FakePing("never-pinged", "ttl=64");
    CNet_Socket net(options);
    net.m_bReachable = 1;
    net.StartLinkCheck();
    std::this_thread::sleep_for(300ms);
    net.StopLinkCheck(0);
    EXPECT_EQ(net.m_bReachable, 0);
    EXPECT_EQ(m_posted.Count(WM_NET_AVAILABLE), 0);
    EXPECT_FALSE(std::filesystem::exists(options.ping.strProgram + ".ran"));
}

TEST_F(NetSocket, AFinishedFirmwareUpdateIsGivenTimeBeforeTheProcessorIsOffered)
{
    CNetOptions options = QuickCheck();
    options.updateFinishedPause = 300ms;
    options.ping.strProgram = FakePing("answers", "ttl=64");
    CNet_Socket net(options);
    g_bUpdateFinished = 1;
    const auto start = std::chrono::steady_clock::now();
    net.StartLinkCheck();
    ASSERT_TRUE(m_posted.WaitFor(WM_NET_AVAILABLE, 1, 5s));
    EXPECT_GE(std::chrono::steady_clock::now() - start, options.checkPeriod + options.updateFinishedPause);
    EXPECT_EQ(g_bUpdateFinished, 0);
}

TEST_F(NetSocket, StoppingTheCheckEndsItsPausesAtOnce)
{
    CNetOptions options = QuickCheck();
    options.checkPause = 10s;
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    CNet_Socket net(options);
    net.StartLinkCheck();
    std::this_thread::sleep_for(150ms);  // the check is in its pause now
    const auto start = std::chrono::steady_clock::now();
    net.StopLinkCheck(0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

// The view stops the check right after a network connect and waits for it: the wait ends when
// the check does, with no polling step (which used to keep the read-back waiting 50 ms).
TEST_F(NetSocket, StoppingTheCheckWaitsOnlyForTheCheckToEnd)
{
    CNetOptions options = QuickCheck();
    options.checkPeriod = 10ms;
    options.checkPause = 10s;
    options.adapters = [] { return std::vector<NetAdapter>{}; };
    CNet_Socket net(options);
    auto fastest = std::chrono::steady_clock::duration::max();
    for (int i = 0; i < 5; ++i) {
        net.StartLinkCheck();
        std::this_thread::sleep_for(60ms);  // the check is in its pause now
        const auto start = std::chrono::steady_clock::now();
        net.StopLinkCheck(1);
        fastest = std::min(fastest, std::chrono::steady_clock::now() - start);
    }
    EXPECT_LT(fastest, 25ms);
}

}  // namespace
