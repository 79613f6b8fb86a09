#pragma once
// The processor, as the tests need it: written from the protocol alone, never from the editor's
// code, so that an editor fault and an emulator fault cannot hide each other.
//
// It keeps the current preset image, the six stored images and the device-state bytes, and
// answers every request frame as the processor must: an acknowledgement (0x51) for a write, a
// data reply (0x53) for a read, a refusal (0x52) for a frame it cannot take. Transports feed it
// through a CEmuRequestAssembler and carry its replies: the in-memory HID backend
// (tests/support/EmulatedHid.h) and the TCP listener (tests/support/EmulatorTcpServer.h).
// Fault switches make it refuse, drop, corrupt, delay, garble or close; a call log shows the
// tests what it received. All members are safe to call from any thread.
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The processor's wire layout.
namespace emu {
constexpr std::size_t IMAGE_SIZE = 4392;  // one preset
constexpr std::size_t NAME_SIZE = 16;
constexpr std::size_t GROUP_SIZE = 8;
constexpr std::size_t EFFECT_OFFSET = 32, EFFECT_SIZE = 152, EFFECT_WRITE_SIZE = 96;
constexpr std::size_t MIC_OFFSET = 184, MIC_SIZE = 112;
constexpr std::size_t MUSIC_OFFSET = 296, MUSIC_SIZE = 288, MUSIC_CHANNELS = 6;
constexpr std::size_t OUTPUT_OFFSET = 2024, OUTPUT_SIZE = 296, OUTPUT_CHANNELS = 8;
constexpr int STORED_PRESETS = 6;

constexpr std::size_t HEADER_SIZE = 14;   // sync to length field
constexpr std::size_t FRAME_EXTRA = 16;   // header, check byte, end byte
constexpr std::size_t MAX_PAYLOAD = 301;
constexpr std::uint8_t SYNC = 0x6B, SYNC_END = 0xEE, END = 0xAA;
constexpr std::uint8_t WRITE = 0xA1, READ = 0xA2, ACK = 0x51, REFUSE = 0x52, DATA = 0x53;
constexpr std::uint8_t OTHER_KIND = 0x54;  // no reply kind the program knows
constexpr std::uint8_t BLOCK_MIC = 1, BLOCK_EFFECT = 2, BLOCK_MUSIC = 3, BLOCK_OUTPUT = 4, BLOCK_SYSTEM = 9;
constexpr std::uint8_t WHOLE_BLOCK = 0x77;
constexpr std::uint8_t ITEM_NAME = 0, ITEM_INPUT = 2, ITEM_STATUS = 3, ITEM_VERSION = 4, ITEM_MASTER = 5,
                       ITEM_ROLES = 6, ITEM_CUR_PRESET = 52, ITEM_MODE_TABLE = 64, ITEM_FACTORY_RESET = 65,
                       ITEM_HELLO = 0xCC;
constexpr std::uint8_t FIRST_FIRMWARE_ITEM = 0x36, LAST_FIRMWARE_ITEM = 0x3C;
// The firmware loader's commands and sizes.
constexpr std::uint8_t FW_APPLY = 0x36, FW_START = 0x37, FW_DATA = 0x38, FW_END = 0x39, FW_DSP_ERASE = 0x3A,
                       FW_DSP_DATA = 0x3B;
constexpr std::uint8_t FIRMWARE_DEVICE = 1;
constexpr std::size_t FW_ZERO_PAYLOAD = 16, FW_START_PAYLOAD = 4, FW_PIECE_PAYLOAD = 48, FW_DSP_PIECE = 44;
constexpr std::size_t FW_DSP_IMAGE = 0x3FFFF;
constexpr std::uint8_t FW_CHECKSUM_SEED = 0x12;
constexpr std::size_t ENTER_PATTERN_PAIRS = 32;  // one report of 'C', 0x11 pairs switches to the loader

// Offset of a channel block in an image; 0 for a block type without channels of its own.
std::size_t BlockOffset(std::uint8_t byBlock, std::size_t nChannel);
std::size_t BlockSize(std::uint8_t byBlock);
}  // namespace emu

using EmuImage = std::array<std::uint8_t, emu::IMAGE_SIZE>;

// The firmware loader. The enter-update pattern switches the processor to it from any state; the
// loader takes the update commands in their one order and refuses every other frame, and
// anything out of order, until the end command returns it to normal work.
enum class EmuLoader {
    Off,         // normal work: update commands are refused
    Entered,     // the pattern was seen: the apply command must follow
    Applied,     // the DSP erase request or the MCU start command must follow
    DspPieces,   // DSP pieces in address order
    DspDone,     // the whole DSP image is in: the MCU start or the end command must follow
    McuPieces,   // MCU pieces, then the end command
};

struct EmuFirmware {
    EmuLoader loader = EmuLoader::Off;
    std::vector<std::uint8_t> dsp;  // the DSP image received (grows piece by piece)
    std::vector<std::uint8_t> mcu;  // the MCU image received: start bytes, then whole pieces (with filler)
    int nUpdates = 0;               // end commands taken with the right checksum
    std::vector<std::uint8_t> lastDsp, lastMcu;  // the images of the last completed update, filler removed
};

// Everything the processor stores.
struct EmuState {
    std::array<EmuImage, 1 + emu::STORED_PRESETS> images{};  // [0] the current preset, [p] stored preset p
    std::string strVersion = "ZIRE-RI1.00";                   // 11 characters are sent
    std::array<std::uint8_t, 8> input{};                      // system item 2
    std::array<std::uint8_t, 8> master{};                     // system item 5
    std::array<std::uint8_t, 8> roles{};                      // system item 6
    std::uint8_t byCurPreset = 0;                             // system item 52
    std::array<std::uint8_t, 66> modeTable{};                 // system item 64
    std::uint8_t byHello = 0;                                 // the handshake's answer: 0, ready
    std::array<std::uint8_t, 14> meters{};                    // status bytes 0-13; 14 and 15 are the
                                                              // active input and the mix source
    int nWifiResets = 0;                                      // factory-default commands taken
    EmuFirmware firmware;
};

// What the processor did with a request.
enum class EmuAnswer { Ack, Refuse, Data, Silent, Garbage, Close };

// One request frame as received, with what the processor did.
struct EmuRequest {
    std::vector<std::uint8_t> bytes;  // the whole frame, sync to end byte
    std::uint8_t byClass = 0, byDevice = 0, byPreset = 0, byBlock = 0, byIndex = 0, bySub = 0, byLink = 0;
    std::vector<std::uint8_t> payload;
    bool bIntact = false;  // check byte and end byte were right
    EmuAnswer answer = EmuAnswer::Silent;
    std::chrono::steady_clock::time_point received;  // when the processor took the whole frame
};

// What a transport must do with the answer to one request.
struct EmuOutput {
    std::vector<std::uint8_t> bytes;     // reply bytes (none: nothing to send)
    std::chrono::milliseconds delay{0};  // send them this late
    bool bClose = false;                 // then close the connection (TCP) or fall off the bus (HID)
    bool bWifiReset = false;             // the WiFi module resets: over TCP the connection ends unanswered
    bool bReenumerate = false;           // HID: once the reply is read the device leaves the bus and comes back
};

enum class EmuFault {
    Refuse,        // refuse the request without taking it
    Drop,          // ignore it: no reply
    CorruptCheck,  // take it, but spoil the check byte of the reply
    Truncate,      // take it, but the reply loses its last byte on the way
    Late,          // take it and reply after the fault's delay
    Garbage,       // ignore it and send bytes that hold no frame
    Close,         // close the connection (HID: the device disappears)
    EmptyData,     // answer a data reply without payload
    OtherKind,     // take it, but answer with a reply kind that is neither acknowledge, refuse nor data
};
constexpr int EMU_ALWAYS = -1;
using EmuMatch = std::function<bool(const EmuRequest&)>;

// Matches requests of one block type and index (channel or system item); -1 matches any.
EmuMatch EmuRequestOf(int nBlock, int nIndex = -1);
// Matches one request in nOneIn, at random but alike in every run with the same seed: with
// EMU_ALWAYS, a lossy line.
EmuMatch EmuOneIn(unsigned nOneIn, std::uint32_t nSeed);

// Gathers request frames from received bytes: hunts the sync bytes 6B 6B 6B EE, takes the length,
// collects the frame. Bytes between frames (report padding, a report id) are skipped.
class CEmuRequestAssembler {
public:
    std::vector<std::vector<std::uint8_t>> Feed(std::span<const std::uint8_t> bytes);
    void Reset();

private:
    int m_nSync = 0;
    bool m_bInFrame = false;
    std::vector<std::uint8_t> m_frame;
};

class CProcessorEmulator {
public:
    CProcessorEmulator();  // factory state (FactoryState)

    // Answers one complete request frame.
    EmuOutput Handle(const std::vector<std::uint8_t>& frame);
    // Every byte a transport receives, frames or not, before they are gathered into frames: the
    // enter-update pattern is no frame.
    void Receive(std::span<const std::uint8_t> bytes);

    EmuState State() const;
    void Edit(const std::function<void(EmuState&)>& change);
    static EmuState FactoryState();

    // The next nTimes requests that match (all requests without a match) get the fault.
    void InjectFault(EmuFault fault, int nTimes = 1, EmuMatch match = {}, std::chrono::milliseconds delay = {});
    void ClearFaults();

    std::vector<EmuRequest> Log() const;
    void ClearLog();
    // Waits until the log holds at least nCount requests.
    bool WaitForRequests(std::size_t nCount, std::chrono::milliseconds timeout) const;

private:
    struct FaultRule {
        EmuFault fault;
        int nRemaining;
        EmuMatch match;
        std::chrono::milliseconds delay;
    };

    EmuOutput Answer(EmuRequest& request);
    EmuOutput Read(EmuRequest& request);
    EmuOutput Write(EmuRequest& request);
    EmuOutput HandleFirmware(EmuRequest& request);
    EmuOutput FinishFirmware(EmuRequest& request);
    std::optional<FaultRule> TakeFault(const EmuRequest& request);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_logged;
    EmuState m_state;
    std::vector<FaultRule> m_faults;
    std::vector<EmuRequest> m_log;
    std::size_t m_nPatternBytes = 0;  // of the enter-update pattern, in a row
};
