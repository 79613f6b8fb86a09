// One set of checks for both ways to the processor: the in-memory HID backend (65-byte reports)
// and TCP to the emulator's listener. Request and reply bytes are written from the protocol.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Hid.h"
#include "platform/TcpClient.h"
#include "tests/support/EmulatedHid.h"
#include "tests/support/EmulatorTcpServer.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/ProcessorEmulator.h"

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

namespace {
Bytes ReadRequest(std::uint8_t preset, std::uint8_t block, std::uint8_t index, std::uint8_t sub = 0)
{
    return Framed({0xA2, 0x01, preset, block, index, sub, 0x00, 0x00, 0x08, 0x00, 0, 0, 0, 0, 0, 0, 0, 0});
}

Bytes Slice(const EmuImage& image, std::size_t offset, std::size_t size)
{
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(offset), image.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

bool HoldsSync(const Bytes& bytes)
{
    for (std::size_t i = 0; i + 4 <= bytes.size(); ++i)
        if (bytes[i] == 0x6B && bytes[i + 1] == 0x6B && bytes[i + 2] == 0x6B && bytes[i + 3] == 0xEE)
            return true;
    return false;
}

// A way to the emulated processor, used as the link uses it.
class CWay {
public:
    virtual ~CWay() = default;
    // HID: the frame in 64-byte pieces, one 65-byte report each; TCP: the whole frame in one send.
    virtual LinkError Send(const Bytes& frame) = 0;
    // One report's 64 bytes (HID) or one receive (TCP), waiting at most `timeout`.
    virtual LinkError ReceivePiece(Bytes& bytes, std::chrono::milliseconds timeout) = 0;
    // Makes the emulator send its replies in several pieces (HID always does beyond 64 bytes).
    virtual void SplitReplies() {}

    // Receives pieces until `count` bytes are in; the bytes after them must be report padding.
    LinkError Receive(std::size_t count, Bytes& reply, int* pPieces = nullptr,
                      std::chrono::milliseconds timeout = 2000ms)
    {
        Bytes bytes;
        int pieces = 0;
        while (bytes.size() < count) {
            if (const LinkError error = ReceivePiece(bytes, timeout); error != LinkError::None)
                return error;
            ++pieces;
        }
        for (std::size_t i = count; i < bytes.size(); ++i)
            EXPECT_EQ(bytes[i], 0) << "padding byte " << i;
        bytes.resize(count);
        reply = bytes;
        if (pPieces)
            *pPieces = pieces;
        return LinkError::None;
    }

    CProcessorEmulator emulator;
};

class CHidWay final : public CWay {
public:
    CHidWay()
    {
        backend.Plug("/dev/hidraw-test", emulator);
        HidOpenResult opened = backend.Open("/dev/hidraw-test");
        EXPECT_EQ(opened.error, LinkError::None);
        pDevice = std::move(opened.pDevice);
    }
    LinkError Send(const Bytes& frame) override
    {
        for (std::size_t i = 0; i < frame.size(); i += HID_REPORT_DATA) {
            HidReport report{};
            std::copy(frame.begin() + static_cast<std::ptrdiff_t>(i),
                      frame.begin() + static_cast<std::ptrdiff_t>(std::min(frame.size(), i + HID_REPORT_DATA)),
                      report.begin() + 1);
            if (const LinkError error = pDevice->Write(report); error != LinkError::None)
                return error;
        }
        return LinkError::None;
    }
    LinkError ReceivePiece(Bytes& bytes, std::chrono::milliseconds timeout) override
    {
        HidReport report{};
        report.fill(0xCD);
        const LinkError error = pDevice->Read(report, timeout);
        if (error == LinkError::None) {
            EXPECT_EQ(report[0], 0) << "report id";
            bytes.insert(bytes.end(), report.begin() + 1, report.end());
        }
        return error;
    }

    CEmulatedHidBackend backend;
    std::unique_ptr<IHidDevice> pDevice;
};

class CTcpWay final : public CWay {
public:
    CTcpWay() : server(emulator)
    {
        EXPECT_EQ(client.Connect("127.0.0.1", server.Port()), LinkError::None);
    }
    LinkError Send(const Bytes& frame) override { return client.Send(frame); }
    LinkError ReceivePiece(Bytes& bytes, std::chrono::milliseconds timeout) override
    {
        client.SetReceiveTimeout(timeout);
        std::uint8_t buffer[400];
        const TcpReceived received = client.Receive(buffer);
        if (received.error == LinkError::None)
            bytes.insert(bytes.end(), buffer, buffer + received.nCount);
        return received.error;
    }
    void SplitReplies() override { server.SplitReplies(100, 20ms); }

    CEmulatorTcpServer server;
    CTcpClient client;
};

struct WayKind {
    const char* name;
    std::unique_ptr<CWay> (*make)();
};

class TransportChecks : public testing::TestWithParam<WayKind> {
protected:
    void SetUp() override { pWay = GetParam().make(); }
    CWay& way() { return *pWay; }
    std::unique_ptr<CWay> pWay;
};
}  // namespace

TEST_P(TransportChecks, RequestsGetTheirReplies)
{
    const EmuState before = way().emulator.State();
    const Bytes group = {1, 2, 3, 4, 5, 6, 7, 8};
    // Group 5 of output 2, which shares its link group: link byte 1.
    const Bytes groupWrite = {0x6B, 0x6B, 0x6B, 0xEE, 0xA1, 0x01, 0x00, 0x04, 0x02, 0x05, 0x01, 0x00,
                              0x08, 0x00, 1, 2, 3, 4, 5, 6, 7, 8, 0xA2, 0xAA};
    Bytes name = Slice(before.images[3], 0, 16);
    name[15] = 0;
    Bytes nameReply = {0x53, 0x01, 0x03, 0x09, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00};
    nameReply.insert(nameReply.end(), name.begin(), name.end());
    Bytes damaged = ReadRequest(0, 9, 4);
    damaged[damaged.size() - 2] ^= 0x40;

    struct Case {
        const char* name;
        Bytes request;
        Bytes reply;
    };
    const Case cases[] = {
        {"hello", ReadRequest(0, 9, 0xCC),
         {0x6B, 0x6B, 0x6B, 0xEE, 0x53, 0x01, 0x00, 0x09, 0xCC, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x96, 0xAA}},
        {"version", ReadRequest(0, 9, 4),
         Framed({0x53, 0x01, 0x00, 0x09, 0x04, 0x00, 0x00, 0x00, 0x0B, 0x00,
                 'Z', 'I', 'R', 'E', '-', 'R', 'I', '1', '.', '0', '0'})},
        {"current preset", ReadRequest(0, 9, 52), Framed({0x53, 0x01, 0x00, 0x09, 0x34, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01})},
        {"roles", ReadRequest(0, 9, 6),
         Framed({0x53, 0x01, 0x00, 0x09, 0x06, 0x00, 0x00, 0x00, 0x08, 0x00, 6, 12, 15, 18, 22, 23, 0, 0})},
        {"stored name", ReadRequest(3, 9, 0), Framed(nameReply)},
        {"group write", groupWrite,
         {0x6B, 0x6B, 0x6B, 0xEE, 0x51, 0x01, 0x00, 0x04, 0x02, 0x05, 0x01, 0x00, 0x00, 0x00, 0x52, 0xAA}},
        {"damaged request", damaged, Framed({0x52, 0x01, 0x00, 0x09, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(way().Send(c.request), LinkError::None);
        Bytes reply;
        ASSERT_EQ(way().Receive(c.reply.size(), reply), LinkError::None);
        EXPECT_EQ(reply, c.reply);
        EXPECT_EQ(way().emulator.Log().back().bytes, c.request);
    }
    const EmuState after = way().emulator.State();
    EXPECT_EQ(Slice(after.images[0], 2024 + 2 * 296 + 5 * 8, 8), group);
}

TEST_P(TransportChecks, AReplyLongerThanOnePieceIsReassembled)
{
    way().SplitReplies();
    ASSERT_EQ(way().Send(ReadRequest(0, 4, 7, 0x77)), LinkError::None);
    Bytes reply;
    int pieces = 0;
    ASSERT_EQ(way().Receive(312, reply, &pieces), LinkError::None);
    EXPECT_GE(pieces, 2);
    if (std::string(GetParam().name) == "Hid") {
        EXPECT_EQ(pieces, 5);  // 312 bytes in 64-byte reports
    }
    Bytes expected = {0x53, 0x01, 0x00, 0x04, 0x07, 0x77, 0x00, 0x00, 0x28, 0x01};
    const Bytes block = Slice(way().emulator.State().images[0], 2024 + 7 * 296, 296);
    expected.insert(expected.end(), block.begin(), block.end());
    EXPECT_EQ(reply, Framed(expected));
}

TEST_P(TransportChecks, ARequestLongerThanOnePieceIsTaken)
{
    Bytes body = {0xA1, 0x01, 0x02, 0x04, 0x03, 0x00, 0x00, 0x00, 0x28, 0x01};
    Bytes block(296);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(255 - i % 251);
    body.insert(body.end(), block.begin(), block.end());
    ASSERT_EQ(way().Send(Framed(body)), LinkError::None);
    Bytes reply;
    ASSERT_EQ(way().Receive(16, reply), LinkError::None);
    EXPECT_EQ(reply, Framed({0x51, 0x01, 0x02, 0x04, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Slice(way().emulator.State().images[2], 2024 + 3 * 296, 296), block);
}

TEST_P(TransportChecks, FaultSwitchesShowAsTheLinkSeesThem)
{
    CProcessorEmulator& emulator = way().emulator;
    const Bytes masterWrite = Framed({0xA1, 0x01, 0x00, 0x09, 0x05, 0x00, 0x00, 0x00, 0x08, 0x00, 9, 9, 9, 9, 9, 9, 9, 9});
    Bytes reply;

    emulator.InjectFault(EmuFault::Refuse);
    ASSERT_EQ(way().Send(masterWrite), LinkError::None);
    ASSERT_EQ(way().Receive(16, reply), LinkError::None);
    EXPECT_EQ(reply, Framed({0x52, 0x01, 0x00, 0x09, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(emulator.State().master, CProcessorEmulator::FactoryState().master);  // not taken

    emulator.InjectFault(EmuFault::CorruptCheck);
    ASSERT_EQ(way().Send(masterWrite), LinkError::None);
    ASSERT_EQ(way().Receive(16, reply), LinkError::None);
    Bytes ack = Framed({0x51, 0x01, 0x00, 0x09, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00});
    EXPECT_NE(reply[14], ack[14]);
    reply[14] = ack[14];
    EXPECT_EQ(reply, ack);  // only the check byte is spoilt; the write was taken
    EXPECT_EQ(emulator.State().master, (std::array<std::uint8_t, 8>{9, 9, 9, 9, 9, 9, 9, 9}));

    emulator.InjectFault(EmuFault::Garbage);
    ASSERT_EQ(way().Send(ReadRequest(0, 9, 3)), LinkError::None);
    ASSERT_EQ(way().Receive(24, reply), LinkError::None);
    EXPECT_FALSE(HoldsSync(reply));

    emulator.InjectFault(EmuFault::EmptyData);
    ASSERT_EQ(way().Send(ReadRequest(0, 9, 4)), LinkError::None);
    ASSERT_EQ(way().Receive(16, reply), LinkError::None);
    EXPECT_EQ(reply, Framed({0x53, 0x01, 0x00, 0x09, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00}));

    emulator.InjectFault(EmuFault::Drop);
    ASSERT_EQ(way().Send(ReadRequest(0, 9, 4)), LinkError::None);
    EXPECT_EQ(way().Receive(17, reply, nullptr, 200ms), LinkError::TimedOut);

    // A fault aimed at one item leaves the others alone.
    emulator.InjectFault(EmuFault::Refuse, EMU_ALWAYS, EmuRequestOf(9, 5));
    ASSERT_EQ(way().Send(ReadRequest(0, 9, 0xCC)), LinkError::None);
    ASSERT_EQ(way().Receive(17, reply), LinkError::None);
    EXPECT_EQ(reply[4], 0x53);
    EXPECT_EQ(emulator.Log().back().answer, EmuAnswer::Data);
}

TEST_P(TransportChecks, ALateReplyTimesOutFirstAndArrivesLater)
{
    way().emulator.InjectFault(EmuFault::Late, 1, {}, 400ms);
    ASSERT_EQ(way().Send(ReadRequest(0, 9, 0xCC)), LinkError::None);
    Bytes reply;
    EXPECT_EQ(way().Receive(17, reply, nullptr, 50ms), LinkError::TimedOut);
    ASSERT_EQ(way().Receive(17, reply, nullptr, 2000ms), LinkError::None);
    EXPECT_EQ(reply[4], 0x53);
    EXPECT_EQ(reply[8], 0xCC);
}

TEST_P(TransportChecks, AClosedConnectionIsAnErrorNotAByteCount)
{
    way().emulator.InjectFault(EmuFault::Close);
    ASSERT_EQ(way().Send(ReadRequest(0, 9, 0xCC)), LinkError::None);
    Bytes reply;
    EXPECT_EQ(way().Receive(17, reply), LinkError::Closed);
    EXPECT_EQ(way().Receive(17, reply), LinkError::Closed);
    EXPECT_TRUE(reply.empty());
}

INSTANTIATE_TEST_SUITE_P(BothWays, TransportChecks,
                         testing::Values(WayKind{"Hid", [] { return std::unique_ptr<CWay>(new CHidWay); }},
                                         WayKind{"Tcp", [] { return std::unique_ptr<CWay>(new CTcpWay); }}),
                         [](const testing::TestParamInfo<WayKind>& info) { return std::string(info.param.name); });

TEST(EmulatorTcpServer, TheWifiModuleDropsItsClientOnAResetAndTakesTheNext)
{
    CProcessorEmulator emulator;
    CEmulatorTcpServer server(emulator);
    CTcpClient client;
    ASSERT_EQ(client.Connect("127.0.0.1", server.Port()), LinkError::None);
    ASSERT_EQ(client.Send(Framed({0xA1, 0x01, 0x00, 0x09, 0x41, 0x00, 0x00, 0x00, 0x08, 0x00, 0, 0, 0, 0, 0, 0, 0, 0})),
              LinkError::None);
    std::uint8_t buffer[64];
    EXPECT_EQ(client.Receive(buffer).error, LinkError::Closed);  // reset: no answer
    EXPECT_EQ(emulator.State().nWifiResets, 1);

    ASSERT_EQ(client.Connect("127.0.0.1", server.Port()), LinkError::None);
    ASSERT_EQ(client.Send(ReadRequest(0, 9, 0xCC)), LinkError::None);
    const TcpReceived received = client.Receive(buffer);
    ASSERT_EQ(received.error, LinkError::None);
    EXPECT_EQ(buffer[4], 0x53);
    EXPECT_EQ(server.Connections(), 2);

    server.CloseConnection();
    EXPECT_EQ(client.Receive(buffer).error, LinkError::Closed);
}
