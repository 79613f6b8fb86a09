#include "tests/support/ProcessorEmulator.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <random>

using namespace emu;

std::size_t emu::BlockOffset(std::uint8_t byBlock, std::size_t nChannel)
{
    switch (byBlock) {
    case BLOCK_MIC: return MIC_OFFSET;
    case BLOCK_EFFECT: return EFFECT_OFFSET;
    case BLOCK_MUSIC: return MUSIC_OFFSET + MUSIC_SIZE * nChannel;
    case BLOCK_OUTPUT: return OUTPUT_OFFSET + OUTPUT_SIZE * nChannel;
    default: return 0;
    }
}

std::size_t emu::BlockSize(std::uint8_t byBlock)
{
    switch (byBlock) {
    case BLOCK_MIC: return MIC_SIZE;
    case BLOCK_EFFECT: return EFFECT_SIZE;
    case BLOCK_MUSIC: return MUSIC_SIZE;
    case BLOCK_OUTPUT: return OUTPUT_SIZE;
    default: return 0;
    }
}

namespace {
std::size_t ChannelCount(std::uint8_t byBlock)
{
    switch (byBlock) {
    case BLOCK_MUSIC: return MUSIC_CHANNELS;
    case BLOCK_OUTPUT: return OUTPUT_CHANNELS;
    default: return 256;  // the microphone and the effect have one block: the index is not read
    }
}

std::size_t WholeWriteSize(std::uint8_t byBlock)
{
    return byBlock == BLOCK_EFFECT ? EFFECT_WRITE_SIZE : BlockSize(byBlock);
}

EmuRequest Parse(const std::vector<std::uint8_t>& frame)
{
    EmuRequest request;
    request.bytes = frame;
    const std::size_t n = frame.size();
    if (n < FRAME_EXTRA)
        return request;
    request.byClass = frame[4];
    request.byDevice = frame[5];
    request.byPreset = frame[6];
    request.byBlock = frame[7];
    request.byIndex = frame[8];
    request.bySub = frame[9];
    request.byLink = frame[10];
    request.payload.assign(frame.begin() + HEADER_SIZE, frame.end() - 2);
    std::uint8_t check = 0;
    for (std::size_t i = 4; i < n - 2; ++i)
        check ^= frame[i];
    request.bIntact = check == frame[n - 2] && frame[n - 1] == END;
    return request;
}

// A reply echoes the request's header with the reply kind in the class byte.
std::vector<std::uint8_t> Reply(std::uint8_t byKind, const EmuRequest& request, std::span<const std::uint8_t> payload)
{
    std::vector<std::uint8_t> reply = {SYNC, SYNC, SYNC, SYNC_END, byKind, request.byDevice, request.byPreset,
                                       request.byBlock, request.byIndex, request.bySub, request.byLink, 0,
                                       static_cast<std::uint8_t>(payload.size() & 0xFF),
                                       static_cast<std::uint8_t>(payload.size() >> 8)};
    reply.insert(reply.end(), payload.begin(), payload.end());
    std::uint8_t check = 0;
    for (std::size_t i = 4; i < reply.size(); ++i)
        check ^= reply[i];
    reply.push_back(check);
    reply.push_back(END);
    return reply;
}

EmuOutput Answered(EmuRequest& request, EmuAnswer answer, std::span<const std::uint8_t> payload = {})
{
    request.answer = answer;
    const std::uint8_t byKind = answer == EmuAnswer::Ack ? ACK : answer == EmuAnswer::Data ? DATA : REFUSE;
    return {Reply(byKind, request, payload)};
}

// Bytes that hold no frame, though they start like one.
std::vector<std::uint8_t> Garbage(std::size_t n)
{
    std::vector<std::uint8_t> bytes = {SYNC, SYNC, SYNC_END, DATA};
    for (std::size_t i = bytes.size(); i < n; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 37 % 0x50 + 0x10));  // never a sync byte
    return bytes;
}

std::string FixedName(const std::string& strName)
{
    std::string name = strName.substr(0, NAME_SIZE - 1);
    name.resize(NAME_SIZE, '\0');
    return name;
}

template <std::size_t N>
bool Store(std::array<std::uint8_t, N>& target, const std::vector<std::uint8_t>& payload)
{
    if (payload.size() != N)
        return false;
    std::copy(payload.begin(), payload.end(), target.begin());
    return true;
}
}  // namespace

EmuMatch EmuRequestOf(int nBlock, int nIndex)
{
    return [nBlock, nIndex](const EmuRequest& request) {
        return (nBlock < 0 || request.byBlock == nBlock) && (nIndex < 0 || request.byIndex == nIndex);
    };
}

EmuMatch EmuOneIn(unsigned nOneIn, std::uint32_t nSeed)
{
    // Shared, so that the copies a fault rule makes draw from one sequence.
    auto pRandom = std::make_shared<std::minstd_rand>(nSeed);
    return [pRandom, nOneIn](const EmuRequest&) { return (*pRandom)() % nOneIn == 0; };
}

std::vector<std::vector<std::uint8_t>> CEmuRequestAssembler::Feed(std::span<const std::uint8_t> bytes)
{
    std::vector<std::vector<std::uint8_t>> frames;
    for (const std::uint8_t by : bytes) {
        if (!m_bInFrame) {
            if (by == SYNC_END && m_nSync >= 3) {
                m_bInFrame = true;
                m_frame = {SYNC, SYNC, SYNC, SYNC_END};
            }
            m_nSync = by == SYNC ? m_nSync + 1 : 0;
            continue;
        }
        m_frame.push_back(by);
        if (m_frame.size() < HEADER_SIZE)
            continue;
        const std::size_t nPayload = m_frame[12] | m_frame[13] << 8;
        if (nPayload > MAX_PAYLOAD) {
            Reset();  // no request is that long: hunt again
        } else if (m_frame.size() == nPayload + FRAME_EXTRA) {
            frames.push_back(std::move(m_frame));
            Reset();
        }
    }
    return frames;
}

void CEmuRequestAssembler::Reset()
{
    m_nSync = 0;
    m_bInFrame = false;
    m_frame.clear();
}

CProcessorEmulator::CProcessorEmulator() : m_state(FactoryState()) {}

EmuState CProcessorEmulator::FactoryState()
{
    EmuState state;
    for (std::size_t p = 0; p < state.images.size(); ++p) {
        EmuImage& image = state.images[p];
        const std::string name = FixedName(p == 0 ? "Current" : "Preset " + std::to_string(p));
        std::copy(name.begin(), name.end(), image.begin());
        // Distinct bytes in every preset and block, so a block that lands in the wrong place shows.
        for (std::size_t i = EFFECT_OFFSET; i < IMAGE_SIZE; ++i)
            image[i] = static_cast<std::uint8_t>((i * 7 + p * 29 + 3) & 0xFF);
    }
    state.input = {0, 0, 3, 0, 255, 0, 0, 2};
    state.master = {60, 0, 0, 0, 0, 0, 1, 0};
    state.roles = {6, 12, 15, 18, 22, 23, 0, 0};
    state.byCurPreset = 1;
    return state;
}

EmuOutput CProcessorEmulator::Handle(const std::vector<std::uint8_t>& frame)
{
    EmuRequest request = Parse(frame);
    request.received = std::chrono::steady_clock::now();
    EmuOutput output;
    std::lock_guard lock(m_mutex);
    const std::optional<FaultRule> fault = TakeFault(request);
    if (!fault) {
        output = Answer(request);
    } else {
        switch (fault->fault) {
        case EmuFault::Refuse:
            output = Answered(request, EmuAnswer::Refuse);
            break;
        case EmuFault::Drop:
            request.answer = EmuAnswer::Silent;
            break;
        case EmuFault::CorruptCheck:
            output = Answer(request);
            if (output.bytes.size() >= 2)
                output.bytes[output.bytes.size() - 2] ^= 0xFF;
            break;
        case EmuFault::Truncate:
            output = Answer(request);
            if (!output.bytes.empty())
                output.bytes.pop_back();
            break;
        case EmuFault::Late:
            output = Answer(request);
            output.delay = fault->delay;
            break;
        case EmuFault::Garbage:
            request.answer = EmuAnswer::Garbage;
            output.bytes = Garbage(std::max<std::size_t>(request.bytes.size(), 24));
            break;
        case EmuFault::Close:
            request.answer = EmuAnswer::Close;
            output.bClose = true;
            break;
        case EmuFault::EmptyData:
            output = Answered(request, EmuAnswer::Data);
            break;
        case EmuFault::OtherKind:
            output = Answer(request);
            output.bytes = Reply(OTHER_KIND, request, {});
            break;
        }
    }
    m_log.push_back(std::move(request));
    m_logged.notify_all();
    return output;
}

std::optional<CProcessorEmulator::FaultRule> CProcessorEmulator::TakeFault(const EmuRequest& request)
{
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        if (it->match && !it->match(request))
            continue;
        FaultRule rule = *it;
        if (it->nRemaining != EMU_ALWAYS && --it->nRemaining == 0)
            m_faults.erase(it);
        return rule;
    }
    return std::nullopt;
}

EmuOutput CProcessorEmulator::Answer(EmuRequest& request)
{
    if (!request.bIntact)
        return Answered(request, EmuAnswer::Refuse);
    if (request.byClass == WRITE && request.byBlock == BLOCK_SYSTEM && request.byIndex >= FIRST_FIRMWARE_ITEM &&
        request.byIndex <= LAST_FIRMWARE_ITEM)
        return HandleFirmware(request);
    if (m_state.firmware.loader != EmuLoader::Off)
        return Answered(request, EmuAnswer::Refuse);  // the loader knows nothing else
    if (request.byClass == READ)
        return Read(request);
    if (request.byClass == WRITE)
        return Write(request);
    return Answered(request, EmuAnswer::Refuse);
}

EmuOutput CProcessorEmulator::Read(EmuRequest& request)
{
    const std::size_t p = request.byPreset;
    if (request.byBlock == BLOCK_SYSTEM) {
        std::vector<std::uint8_t> payload;
        switch (request.byIndex) {
        case ITEM_HELLO: payload = {m_state.byHello}; break;
        case ITEM_NAME:
            if (p > STORED_PRESETS)
                return Answered(request, EmuAnswer::Refuse);
            payload.assign(m_state.images[p].begin(), m_state.images[p].begin() + NAME_SIZE);
            payload.back() = 0;
            break;
        case ITEM_INPUT: payload.assign(m_state.input.begin(), m_state.input.end()); break;
        case ITEM_STATUS:
            payload.assign(m_state.meters.begin(), m_state.meters.end());
            payload.push_back(m_state.input[0]);  // the active music input
            payload.push_back(m_state.input[4]);  // the mix source
            break;
        case ITEM_VERSION:
            payload.assign(m_state.strVersion.begin(), m_state.strVersion.end());
            payload.resize(11, ' ');
            break;
        case ITEM_MASTER: payload.assign(m_state.master.begin(), m_state.master.end()); break;
        case ITEM_ROLES: payload.assign(m_state.roles.begin(), m_state.roles.end()); break;
        case ITEM_CUR_PRESET: payload = {m_state.byCurPreset}; break;
        case ITEM_MODE_TABLE: payload.assign(m_state.modeTable.begin(), m_state.modeTable.end()); break;
        default: return Answered(request, EmuAnswer::Refuse);
        }
        return Answered(request, EmuAnswer::Data, payload);
    }
    const std::size_t nSize = BlockSize(request.byBlock);
    if (nSize == 0 || p > STORED_PRESETS || request.byIndex >= ChannelCount(request.byBlock))
        return Answered(request, EmuAnswer::Refuse);
    const std::size_t nOffset = BlockOffset(request.byBlock, request.byIndex);
    // Group 0 instead of the whole-block mark recalls the stored preset into the current one.
    if (request.bySub == 0 && p != 0) {
        std::copy_n(m_state.images[p].begin() + nOffset, nSize, m_state.images[0].begin() + nOffset);
        m_state.byCurPreset = static_cast<std::uint8_t>(p);
    }
    const EmuImage& image = m_state.images[p];
    return Answered(request, EmuAnswer::Data, std::span(image).subspan(nOffset, nSize));
}

EmuOutput CProcessorEmulator::Write(EmuRequest& request)
{
    const std::size_t p = request.byPreset;
    const std::vector<std::uint8_t>& payload = request.payload;
    if (request.byBlock == BLOCK_SYSTEM) {
        bool bTaken = false;
        switch (request.byIndex) {
        case ITEM_NAME:
            bTaken = p <= STORED_PRESETS && payload.size() == NAME_SIZE;
            if (bTaken)
                std::copy(payload.begin(), payload.end(), m_state.images[p].begin());
            break;
        case ITEM_INPUT: bTaken = Store(m_state.input, payload); break;
        case ITEM_MASTER: bTaken = Store(m_state.master, payload); break;
        case ITEM_ROLES: bTaken = Store(m_state.roles, payload); break;
        case ITEM_MODE_TABLE: bTaken = Store(m_state.modeTable, payload); break;
        case ITEM_CUR_PRESET:
            bTaken = payload.size() == 1;
            if (bTaken)
                m_state.byCurPreset = payload[0];
            break;
        case ITEM_FACTORY_RESET:
            if (payload.size() == 8) {
                ++m_state.nWifiResets;
                EmuOutput output = Answered(request, EmuAnswer::Ack);
                output.bWifiReset = true;
                return output;
            }
            break;
        default: break;
        }
        return Answered(request, bTaken ? EmuAnswer::Ack : EmuAnswer::Refuse);
    }
    const std::size_t nSize = BlockSize(request.byBlock);
    if (nSize == 0 || request.byIndex >= ChannelCount(request.byBlock))
        return Answered(request, EmuAnswer::Refuse);
    const bool bGroup = payload.size() == GROUP_SIZE && request.bySub < nSize / GROUP_SIZE;
    const bool bBlock = request.bySub == 0 && payload.size() == WholeWriteSize(request.byBlock);
    // Presets 21 to 40 are effect library records, which this processor takes and keeps nowhere.
    const bool bLibrary = request.byBlock == BLOCK_EFFECT && p >= 21 && p <= 40;
    if (!(bGroup || bBlock) || (p > STORED_PRESETS && !bLibrary))
        return Answered(request, EmuAnswer::Refuse);
    if (!bLibrary) {
        const std::size_t nOffset = BlockOffset(request.byBlock, request.byIndex) + (bBlock ? 0 : request.bySub * GROUP_SIZE);
        std::copy(payload.begin(), payload.end(), m_state.images[p].begin() + nOffset);
    }
    return Answered(request, EmuAnswer::Ack);
}

void CProcessorEmulator::Receive(std::span<const std::uint8_t> bytes)
{
    std::lock_guard lock(m_mutex);
    for (const std::uint8_t by : bytes) {
        const std::uint8_t byNext = m_nPatternBytes % 2 == 0 ? 'C' : 0x11;
        if (by == byNext)
            ++m_nPatternBytes;
        else
            m_nPatternBytes = by == 'C' ? 1 : 0;
        if (m_nPatternBytes == 2 * ENTER_PATTERN_PAIRS) {
            m_state.firmware.loader = EmuLoader::Entered;
            m_nPatternBytes = 0;
        }
    }
}

EmuOutput CProcessorEmulator::HandleFirmware(EmuRequest& request)
{
    EmuFirmware& fw = m_state.firmware;
    const std::vector<std::uint8_t>& payload = request.payload;
    const auto is = [&](std::uint8_t byCommand, std::size_t nSize) {
        return request.byIndex == byCommand && payload.size() == nSize;
    };
    const auto isZeros = [&](std::uint8_t byCommand) {
        return is(byCommand, FW_ZERO_PAYLOAD) && std::all_of(payload.begin(), payload.end(), [](auto by) { return by == 0; });
    };
    const auto ack = [&] { return Answered(request, EmuAnswer::Ack); };
    if (request.byDevice != FIRMWARE_DEVICE || request.byPreset != 0 || request.bySub != 0)
        return Answered(request, EmuAnswer::Refuse);

    switch (fw.loader) {
    case EmuLoader::Off:
        break;
    case EmuLoader::Entered:
        if (isZeros(FW_APPLY)) {
            fw.loader = EmuLoader::Applied;
            fw.dsp.clear();
            fw.mcu.clear();
            EmuOutput output = ack();
            output.bReenumerate = true;  // the loader restarts the USB interface
            return output;
        }
        break;
    case EmuLoader::Applied:
        if (isZeros(FW_DSP_ERASE)) {
            fw.loader = EmuLoader::DspPieces;
            return ack();
        }
        [[fallthrough]];
    case EmuLoader::DspDone:
        if (is(FW_START, FW_START_PAYLOAD)) {
            fw.mcu = payload;
            fw.loader = EmuLoader::McuPieces;
            return ack();
        }
        if (fw.loader == EmuLoader::DspDone && is(FW_END, 1))
            return FinishFirmware(request);
        break;
    case EmuLoader::DspPieces:
        if (is(FW_DSP_DATA, FW_PIECE_PAYLOAD)) {
            const std::size_t nAddress = payload[0] | payload[1] << 8 | payload[2] << 16 | std::size_t{payload[3]} << 24;
            const std::size_t nTaken = std::min(FW_DSP_PIECE, FW_DSP_IMAGE - std::min(nAddress, FW_DSP_IMAGE));
            const auto pieceEnd = payload.begin() + 4 + static_cast<std::ptrdiff_t>(nTaken);
            // Pieces come in address order, and the last one is filled up with zeros.
            if (nAddress != fw.dsp.size() || !std::all_of(pieceEnd, payload.end(), [](auto by) { return by == 0; }))
                break;
            fw.dsp.insert(fw.dsp.end(), payload.begin() + 4, pieceEnd);
            if (fw.dsp.size() == FW_DSP_IMAGE)
                fw.loader = EmuLoader::DspDone;
            return ack();
        }
        break;
    case EmuLoader::McuPieces:
        if (is(FW_DATA, FW_PIECE_PAYLOAD)) {
            fw.mcu.insert(fw.mcu.end(), payload.begin(), payload.end());
            return ack();
        }
        if (is(FW_END, 1))
            return FinishFirmware(request);
        break;
    }
    return Answered(request, EmuAnswer::Refuse);
}

// The end command carries the seed XOR the MCU image from byte 4 on. The loader tells the filler
// of the last piece by its 0xFF bytes, so test images must not end in 0xFF.
EmuOutput CProcessorEmulator::FinishFirmware(EmuRequest& request)
{
    EmuFirmware& fw = m_state.firmware;
    std::vector<std::uint8_t> mcu = fw.mcu;
    const std::size_t nLastPiece = mcu.size() > FW_START_PAYLOAD ? mcu.size() - FW_PIECE_PAYLOAD : mcu.size();
    while (mcu.size() > nLastPiece && mcu.back() == 0xFF)
        mcu.pop_back();
    std::uint8_t byChecksum = FW_CHECKSUM_SEED;
    for (std::size_t i = FW_START_PAYLOAD; i < mcu.size(); ++i)
        byChecksum ^= mcu[i];
    if (request.payload[0] != byChecksum)
        return Answered(request, EmuAnswer::Refuse);
    ++fw.nUpdates;
    fw.lastDsp = fw.dsp;
    fw.lastMcu = std::move(mcu);
    fw.loader = EmuLoader::Off;
    return Answered(request, EmuAnswer::Ack);
}

EmuState CProcessorEmulator::State() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

void CProcessorEmulator::Edit(const std::function<void(EmuState&)>& change)
{
    std::lock_guard lock(m_mutex);
    change(m_state);
}

void CProcessorEmulator::InjectFault(EmuFault fault, int nTimes, EmuMatch match, std::chrono::milliseconds delay)
{
    std::lock_guard lock(m_mutex);
    m_faults.push_back({fault, nTimes, std::move(match), delay});
}

void CProcessorEmulator::ClearFaults()
{
    std::lock_guard lock(m_mutex);
    m_faults.clear();
}

std::vector<EmuRequest> CProcessorEmulator::Log() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

void CProcessorEmulator::ClearLog()
{
    std::lock_guard lock(m_mutex);
    m_log.clear();
}

bool CProcessorEmulator::WaitForRequests(std::size_t nCount, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_logged.wait_for(lock, timeout, [&] { return m_log.size() >= nCount; });
}
