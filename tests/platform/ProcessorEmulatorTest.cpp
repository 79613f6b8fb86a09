// Where the emulated processor takes its answers from and puts what it is sent: the stored presets,
// the current one, a recall, the device-state items. Frames are written from the protocol.
#include <gtest/gtest.h>

#include "tests/support/FrameBytes.h"
#include "tests/support/ProcessorEmulator.h"

using Bytes = std::vector<std::uint8_t>;

namespace {
// A request has the reply's layout, its class byte where the reply has its kind.
Bytes Request(std::uint8_t cls, std::uint8_t preset, std::uint8_t block, std::uint8_t index, std::uint8_t sub,
              const Bytes& payload)
{
    return ReplyFrame(cls, preset, block, index, sub, payload);
}

Bytes PayloadOf(const Bytes& reply)
{
    return Bytes(reply.begin() + 14, reply.end() - 2);
}

Bytes Block(const EmuImage& image, std::size_t offset, std::size_t size)
{
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(offset), image.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

constexpr std::size_t MUSIC2 = 296 + 2 * 288;
}  // namespace

TEST(ProcessorEmulator, BlockReadsComeFromThePresetTheyName)
{
    CProcessorEmulator emulator;
    const EmuState factory = emulator.State();
    ASSERT_NE(Block(factory.images[0], MUSIC2, 288), Block(factory.images[3], MUSIC2, 288));

    // The whole-block mark reads a stored preset without touching the current one.
    Bytes reply = emulator.Handle(Request(0xA2, 3, 3, 2, 0x77, Bytes(8))).bytes;
    EXPECT_EQ(reply[4], 0x53);
    EXPECT_EQ(PayloadOf(reply), Block(factory.images[3], MUSIC2, 288));
    EXPECT_EQ(emulator.State().images[0], factory.images[0]);

    // Group 0 recalls the stored preset's block into the current preset.
    reply = emulator.Handle(Request(0xA2, 3, 3, 2, 0x00, Bytes(8))).bytes;
    EXPECT_EQ(PayloadOf(reply), Block(factory.images[3], MUSIC2, 288));
    EXPECT_EQ(Block(emulator.State().images[0], MUSIC2, 288), Block(factory.images[3], MUSIC2, 288));
    EXPECT_EQ(emulator.State().byCurPreset, 3);

    // Out of range: a seventh preset, a seventh music input.
    EXPECT_EQ(emulator.Handle(Request(0xA2, 7, 3, 0, 0x77, Bytes(8))).bytes[4], 0x52);
    EXPECT_EQ(emulator.Handle(Request(0xA2, 0, 3, 6, 0x77, Bytes(8))).bytes[4], 0x52);
}

TEST(ProcessorEmulator, WritesLandWhereTheyAreAddressed)
{
    CProcessorEmulator emulator;
    const EmuState factory = emulator.State();
    const Bytes block(288, 0x5A);
    EXPECT_EQ(emulator.Handle(Request(0xA1, 4, 3, 2, 0, block)).bytes[4], 0x51);
    Bytes name = {'L', 'i', 'v', 'e', ' ', 'r', 'o', 'o', 'm', 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(emulator.Handle(Request(0xA1, 4, 9, 0, 0, name)).bytes[4], 0x51);
    EXPECT_EQ(emulator.Handle(Request(0xA1, 0, 9, 2, 0, {3, 1, 3, 0, 2, 10, 6, 2})).bytes[4], 0x51);
    EXPECT_EQ(emulator.Handle(Request(0xA1, 0, 9, 2, 0, {3, 1, 3})).bytes[4], 0x52);  // short payload

    const EmuState now = emulator.State();
    EXPECT_EQ(Block(now.images[4], MUSIC2, 288), block);
    EXPECT_EQ(Block(now.images[4], 0, 16), name);
    EXPECT_EQ(now.images[0], factory.images[0]);
    EXPECT_EQ(now.input, (std::array<std::uint8_t, 8>{3, 1, 3, 0, 2, 10, 6, 2}));

    // The meter status reports the active input and the mix source after the meters.
    emulator.Edit([](EmuState& state) { state.meters[6] = 0x21; });
    const Bytes status = PayloadOf(emulator.Handle(Request(0xA2, 0, 9, 3, 0, Bytes(8))).bytes);
    ASSERT_EQ(status.size(), 16u);
    EXPECT_EQ(status[6], 0x21);
    EXPECT_EQ(status[14], 3);
    EXPECT_EQ(status[15], 2);
}

TEST(ProcessorEmulator, TheFactoryDefaultCommandResetsTheWifiModule)
{
    CProcessorEmulator emulator;
    const EmuOutput output = emulator.Handle(Request(0xA1, 0, 9, 65, 0, Bytes(8)));
    EXPECT_TRUE(output.bWifiReset);
    EXPECT_EQ(output.bytes[4], 0x51);
    EXPECT_EQ(emulator.State().nWifiResets, 1);
}

// The lossy line's switches: a reply cut short lacks its end byte, and a fault that strikes one
// request in n does so about that often, at the same requests in every run with the same seed.
TEST(ProcessorEmulator, RepliesAreCutShortOrFaultedAtRandomAsAsked)
{
    CProcessorEmulator emulator;
    const Bytes request = Request(0xA2, 0, 9, 3, 0, Bytes(8));
    const Bytes whole = emulator.Handle(request).bytes;
    emulator.InjectFault(EmuFault::Truncate);
    EXPECT_EQ(emulator.Handle(request).bytes, Bytes(whole.begin(), whole.end() - 1));

    const auto struck = [&](std::uint32_t nSeed) {
        const EmuMatch oneIn = EmuOneIn(20, nSeed);
        std::vector<int> picks;
        for (int i = 0; i < 2000; ++i)
            if (oneIn(EmuRequest{}))
                picks.push_back(i);
        return picks;
    };
    const std::vector<int> picks = struck(7);
    EXPECT_GT(picks.size(), 60u);
    EXPECT_LT(picks.size(), 140u);
    EXPECT_EQ(struck(7), picks);
    EXPECT_NE(struck(8), picks);
}

TEST(ProcessorEmulator, RequestsAreFoundAmongPaddingAndSplitReports)
{
    CEmuRequestAssembler assembler;
    const Bytes hello = Request(0xA2, 0, 9, 0xCC, 0, Bytes(8));
    Bytes stream = {0x00, 0x6B, 0x6B, 0x6B, 0x6B, 0x00};  // noise, then a false start
    stream.insert(stream.end(), hello.begin(), hello.end());
    stream.insert(stream.end(), 40, 0x00);  // report padding
    stream.insert(stream.end(), hello.begin(), hello.end());

    std::vector<Bytes> frames;
    for (std::size_t i = 0; i < stream.size(); i += 7)
        for (Bytes& frame : assembler.Feed(std::span(stream).subspan(i, std::min<std::size_t>(7, stream.size() - i))))
            frames.push_back(std::move(frame));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], hello);
    EXPECT_EQ(frames[1], hello);
}

namespace {
Bytes Firmware(std::uint8_t command, const Bytes& payload)
{
    return Request(0xA1, 0, 9, command, 0, payload);
}

std::uint8_t Kind(CProcessorEmulator& emulator, const Bytes& frame)
{
    return emulator.Handle(frame).bytes.at(4);
}

void EnterLoader(CProcessorEmulator& emulator)
{
    Bytes report;
    for (int i = 0; i < 32; ++i)
        report.insert(report.end(), {0x43, 0x11});
    emulator.Receive(Bytes{0x00});  // a report id before the pattern
    emulator.Receive(Bytes(report.begin(), report.begin() + 11));  // split anywhere
    emulator.Receive(Bytes(report.begin() + 11, report.end()));
}

Bytes DspPiece(std::uint32_t address, const Bytes& image)
{
    Bytes payload = {static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(address >> 8),
                     static_cast<std::uint8_t>(address >> 16), static_cast<std::uint8_t>(address >> 24)};
    for (std::size_t i = 0; i < 44; ++i)
        payload.push_back(address + i < image.size() ? image[address + i] : 0);
    return Firmware(0x3B, payload);
}
}  // namespace

TEST(ProcessorEmulator, TheLoaderTakesAnMcuUpdateInItsOrderOnly)
{
    CProcessorEmulator emulator;
    const Bytes apply = Firmware(0x36, Bytes(16));
    // Without the enter pattern the processor refuses update commands.
    EXPECT_EQ(Kind(emulator, apply), 0x52);

    EnterLoader(emulator);
    EXPECT_EQ(Kind(emulator, Firmware(0x37, {1, 2, 3, 4})), 0x52);   // start before apply
    EXPECT_EQ(Kind(emulator, Request(0xA2, 0, 9, 4, 0, Bytes(8))), 0x52);  // the loader reads no version
    const EmuOutput applied = emulator.Handle(apply);
    EXPECT_EQ(applied.bytes[4], 0x51);
    EXPECT_TRUE(applied.bReenumerate);
    EXPECT_EQ(Kind(emulator, Firmware(0x38, Bytes(48, 7))), 0x52);  // data before start
    EXPECT_EQ(Kind(emulator, Firmware(0x37, {1, 2, 3, 4})), 0x51);
    Bytes piece(48, 0xFF);
    piece[0] = 0x01;
    piece[1] = 0x02;
    EXPECT_EQ(Kind(emulator, Firmware(0x38, piece)), 0x51);
    // The checksum covers image bytes 4 on: 0x12 ^ 0x01 ^ 0x02 = 0x11; a wrong one is refused.
    EXPECT_EQ(Kind(emulator, Firmware(0x39, {0x12})), 0x52);
    Bytes spoiled = Firmware(0x39, {0x11});
    spoiled[spoiled.size() - 2] ^= 1;  // frame check byte
    EXPECT_EQ(Kind(emulator, spoiled), 0x52);
    EXPECT_EQ(emulator.State().firmware.nUpdates, 0);
    EXPECT_EQ(Kind(emulator, Firmware(0x39, {0x11})), 0x51);

    const EmuState state = emulator.State();
    EXPECT_EQ(state.firmware.nUpdates, 1);
    EXPECT_EQ(state.firmware.lastMcu, (Bytes{1, 2, 3, 4, 1, 2}));
    EXPECT_EQ(state.firmware.loader, EmuLoader::Off);
    EXPECT_EQ(Kind(emulator, Request(0xA2, 0, 9, 4, 0, Bytes(8))), 0x53);  // back at work
}

TEST(ProcessorEmulator, DspPiecesMustComeInAddressOrderWithTheLastOneZeroFilled)
{
    CProcessorEmulator emulator;
    Bytes image(0x3FFFF);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 13 + 1);
    EnterLoader(emulator);
    ASSERT_EQ(Kind(emulator, Firmware(0x36, Bytes(16))), 0x51);
    EXPECT_EQ(Kind(emulator, DspPiece(0, image)), 0x52);  // before the erase request
    EXPECT_EQ(Kind(emulator, Firmware(0x3A, Bytes(16, 1))), 0x52);  // the request is all zero
    ASSERT_EQ(Kind(emulator, Firmware(0x3A, Bytes(16))), 0x51);
    EXPECT_EQ(Kind(emulator, DspPiece(44, image)), 0x52);  // a piece skipped
    std::uint32_t address = 0;
    for (; address + 44 < image.size(); address += 44)
        ASSERT_EQ(Kind(emulator, DspPiece(address, image)), 0x51) << address;
    EXPECT_EQ(address, 262108u);
    Bytes last = DspPiece(address, image);
    last[14 + 4 + 35] = 1;  // a filler byte that is not zero
    last[last.size() - 2] ^= 1;
    EXPECT_EQ(Kind(emulator, last), 0x52);
    EXPECT_EQ(Kind(emulator, Firmware(0x39, {0x12})), 0x52);  // the end before the last piece
    ASSERT_EQ(Kind(emulator, DspPiece(address, image)), 0x51);
    // A DSP-only update ends with the checksum of no MCU bytes.
    EXPECT_EQ(Kind(emulator, Firmware(0x39, {0x12})), 0x51);
    EXPECT_EQ(emulator.State().firmware.lastDsp, image);
    EXPECT_TRUE(emulator.State().firmware.lastMcu.empty());
}
