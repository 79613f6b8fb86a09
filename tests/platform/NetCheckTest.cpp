#include <gtest/gtest.h>

#include <filesystem>

#include "platform/NetAdapters.h"
#include "platform/Ping.h"
#include "tests/support/FakePing.h"
#include "tests/support/TestEnvironment.h"

using namespace std::chrono_literals;

TEST(Ping, TheLoopbackAddressAnswers)
{
    EXPECT_TRUE(PingDevice("127.0.0.1"));
}

TEST(Ping, OnlyATtlFieldInTimeCountsAsAnAnswer)
{
    struct Case {
        const char* name;
        std::string output;
        int sleep;
        bool bReachable;
    };
    const Case cases[] = {
        {"linux", "64 bytes from 10.10.100.254: icmp_seq=1 ttl=255 time=3.1 ms", 0, true},
        {"windows", "Reply from 10.10.100.254: bytes=32 time=3ms TTL=255", 0, true},
        {"unreachable", "From 10.10.100.1 icmp_seq=1 Destination Host Unreachable", 0, false},
        {"too late", "64 bytes from 10.10.100.254: icmp_seq=1 ttl=255 time=3.1 ms", 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string program = FakePing(c.name, c.output, c.sleep);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(PingDevice("10.10.100.254", {program, 500ms}), c.bReachable);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3000ms);  // the bound, far from the sleep
    }
}

TEST(Ping, OnlyAnIPv4AddressIsEverHandedToPing)
{
    const std::string program = FakePing("never", "ttl=64");
    for (const std::string& address : {std::string(), std::string(81, '1'), std::string("-f"),
                                      std::string("10.10.100.254; reboot"), std::string("host.example")}) {
        EXPECT_FALSE(PingDevice(address, {program, 500ms})) << address;
    }
    EXPECT_FALSE(std::filesystem::exists(program + ".ran"));
    EXPECT_FALSE(PingDevice("10.10.100.254", {ConfigFolder() + "/no-such-program", 500ms}));
}

TEST(Subnet, MaskOctetsOf255AreCompared)
{
    struct Case {
        const char* address;
        const char* mask;
        const char* device;
        bool bInSubnet;
    };
    const Case cases[] = {
        {"10.10.100.7", "255.255.255.0", "10.10.100.254", true},
        {"10.10.101.7", "255.255.255.0", "10.10.100.254", false},
        {"10.10.101.7", "255.255.0.0", "10.10.100.254", true},
        {"10.11.101.7", "255.255.0.0", "10.10.100.254", false},
        {"10.10.101.7", "255.255.254.0", "10.10.100.254", true},  // 254 is not compared
        {"10.10.100.254", "0.0.0.0", "10.10.100.254", false},     // nothing compared: never
        {"10.10.100.7", "255.255.255.0", "10.10.100", false},
        {"10.10.100.7", "255.255.255.0", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInSubnet({"test", c.address, c.mask}, c.device), c.bInSubnet)
            << c.address << " / " << c.mask << " vs " << c.device;
}

TEST(Subnet, TheLoopbackAdapterHoldsTheLoopbackAddress)
{
    const std::vector<NetAdapter> adapters = LocalAdapters();
    const NetAdapter* pAdapter = FindAdapterInSubnet(adapters, "127.0.0.1");
    ASSERT_NE(pAdapter, nullptr);
    EXPECT_EQ(pAdapter->strAddress.substr(0, 4), "127.");
    for (const NetAdapter& adapter : adapters)
        EXPECT_NE(adapter.strAddress.find('.'), std::string::npos) << adapter.strName;
}
