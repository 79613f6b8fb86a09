#include "model/CommandFrame.h"

#include <cassert>
#include <cstring>

CommandFrame g_cmdFrame;
CSendData* g_pLastBuilt = nullptr;
BYTE* g_pLastBuiltBuf = nullptr;

namespace {

void SetHeader(BYTE byClass, int nPreset, int nBlock, int nIndex, int nSub, int nLength)
{
    g_cmdFrame.m_byClass = byClass;
    g_cmdFrame.m_byDevice = g_byDeviceId;
    g_cmdFrame.m_byPreset = static_cast<BYTE>(nPreset);
    g_cmdFrame.m_byBlock = static_cast<BYTE>(nBlock);
    g_cmdFrame.m_byIndex = static_cast<BYTE>(nIndex);
    g_cmdFrame.m_bySub = static_cast<BYTE>(nSub);
    g_cmdFrame.m_byLink = 0;
    g_cmdFrame.m_nLength = static_cast<WORD>(nLength);
}

void SetPayload(const void* pSource, int nLength)
{
    std::memcpy(g_cmdFrame.m_byPayload, pSource, static_cast<size_t>(nLength));
}

void ZeroPayload(int nLength)
{
    std::memset(g_cmdFrame.m_byPayload, 0, static_cast<size_t>(nLength));
}

const BYTE* BlockBytes(const PresetImage& image, int nBlock, int nChannel)
{
    switch (nBlock) {
    case BLOCK_MIC: return image.m_mic.m_group[0].m_by;
    case BLOCK_EFFECT: return image.m_effect.m_group[0].m_by;
    case BLOCK_MUSIC:
        assert(nChannel >= 0 && nChannel < MUSIC_CHANNELS);
        return image.m_music[nChannel].m_group[0].m_by;
    case BLOCK_OUTPUT:
        assert(nChannel >= 0 && nChannel < OUTPUT_CHANNELS);
        return image.m_out[nChannel].m_group[0].m_by;
    default: assert(!"no such block"); return nullptr;
    }
}

constexpr int BlockGroups(int nBlock)
{
    switch (nBlock) {
    case BLOCK_MIC: return sizeof(MicBlock) / sizeof(ParamGroup);
    case BLOCK_EFFECT: return sizeof(EffectBlock) / sizeof(ParamGroup);
    case BLOCK_MUSIC: return sizeof(MusicBlock) / sizeof(ParamGroup);
    default: return sizeof(OutputBlock) / sizeof(ParamGroup);
    }
}

const PresetImage& StoredImage(int nPreset)
{
    assert(nPreset >= 1 && nPreset <= STORED_PRESETS);
    return g_devImages[nPreset - 1];
}

// The link byte travels with the output groups that the link group shares.
bool GroupCarriesLink(int nGroup)
{
    return nGroup != OUT_GROUP_BASE && nGroup != OUT_GROUP_COMPRESSOR &&
           nGroup != OUT_GROUP_LIMITER && nGroup != OUT_GROUP_NAME;
}

void ForgetLastBuilt()
{
    g_pLastBuilt = nullptr;
    g_pLastBuiltBuf = nullptr;
}

}  // namespace

void InitCommandFrame()
{
    std::memset(&g_cmdFrame, 0, sizeof(g_cmdFrame));
    std::memset(g_cmdFrame.m_bySync, FRAME_SYNC, 3);
    g_cmdFrame.m_bySync[3] = FRAME_SYNC_LAST;
    g_cmdFrame.m_byEnd = FRAME_END;
}

void FinishFrame(BYTE* pBuffer, int n)
{
    assert(pBuffer != nullptr);
    assert(n == g_cmdFrame.m_nLength + FRAME_OVERHEAD);
    const auto* pTemplate = reinterpret_cast<const BYTE*>(&g_cmdFrame);
    std::memcpy(pBuffer, pTemplate, FRAME_HEADER_SIZE);
    std::memcpy(pBuffer + FRAME_HEADER_SIZE, g_cmdFrame.m_byPayload,
                static_cast<size_t>(n - FRAME_OVERHEAD));
    BYTE byCheck = 0;
    for (int i = 4; i <= n - 3; ++i)
        byCheck ^= pBuffer[i];
    pBuffer[n - 2] = byCheck;
    pBuffer[n - 1] = FRAME_END;
}

std::unique_ptr<CSendData> MakeFrameFromTemplate(int n)
{
    auto pBuffer = std::make_unique<BYTE[]>(static_cast<size_t>(n));
    FinishFrame(pBuffer.get(), n);
    auto pFrame = std::make_unique<CSendData>();
    pFrame->SetBuffer(std::move(pBuffer));
    pFrame->SetLength(n);
    g_pLastBuilt = pFrame.get();
    g_pLastBuiltBuf = pFrame->GetBuffer();
    return pFrame;
}

std::unique_ptr<CSendData> MakeWriteGroupFrame(int nType, int nChannel, int nGroup)
{
    ForgetLastBuilt();
    if (nType == GROUP_METER_POLL) {
        // The payload is left as the previous frame wrote it (see the header).
        SetHeader(FRAME_READ, 0, BLOCK_SYSTEM, SYS_STATUS, 0, sizeof(ParamGroup));
        return MakeFrameFromTemplate(FRAME_OVERHEAD + sizeof(ParamGroup));
    }
    assert(nGroup >= 0 && nGroup < BlockGroups(nType));
    SetHeader(FRAME_WRITE, 0, nType, nChannel, nGroup, sizeof(ParamGroup));
    const int nSourceChannel = nType == BLOCK_EFFECT ? 0 : nChannel;
    SetPayload(BlockBytes(g_liveImage, nType, nSourceChannel) + nGroup * sizeof(ParamGroup),
               sizeof(ParamGroup));
    if (nType == BLOCK_OUTPUT && GroupCarriesLink(nGroup))
        g_cmdFrame.m_byLink = static_cast<BYTE>(IsChannelLinked(nChannel));
    return MakeFrameFromTemplate(FRAME_OVERHEAD + sizeof(ParamGroup));
}

std::unique_ptr<CSendData> MakeWriteBlockFrame(int nPreset, int nBlock, int nChannel, int bFromLive,
                                               int bFromStored)
{
    ForgetLastBuilt();
    // Only the first 12 groups of the effect block travel; the rest stays on the PC.
    constexpr int EFFECT_BYTES_SENT = 96;
    int nLength = 0;
    switch (nBlock) {
    case BLOCK_MIC: nLength = sizeof(MicBlock); break;
    case BLOCK_EFFECT: nLength = EFFECT_BYTES_SENT; break;
    case BLOCK_MUSIC: nLength = sizeof(MusicBlock); break;
    case BLOCK_OUTPUT: nLength = sizeof(OutputBlock); break;
    default: assert(!"no such block"); return nullptr;
    }
    SetHeader(FRAME_WRITE, nPreset, nBlock, nChannel, 0, nLength);

    const BYTE* pSource = nullptr;
    if (bFromLive)
        pSource = BlockBytes(g_liveImage, nBlock, nChannel);
    else if (nBlock != BLOCK_EFFECT || bFromStored)
        pSource = BlockBytes(StoredImage(nPreset), nBlock, nChannel);
    else {
        assert(nPreset >= 21 && nPreset < 21 + EFFECT_PRESETS);
        pSource = g_effectPresets[nPreset - 21].m_block.m_group[0].m_by;
    }
    SetPayload(pSource, nLength);

    if (nBlock == BLOCK_OUTPUT)
        g_cmdFrame.m_byLink = static_cast<BYTE>(IsChannelLinked(nChannel));
    if (bFromLive && (nBlock == BLOCK_MUSIC || nBlock == BLOCK_OUTPUT))
        g_bLiveEdited = 1;
    return MakeFrameFromTemplate(nLength + FRAME_OVERHEAD);
}

std::unique_ptr<CSendData> MakeReadFrame(int nPreset, int nBlock, int nChannel, int bRecall,
                                         [[maybe_unused]] int bStored)
{
    ForgetLastBuilt();
    const int nSub = (bRecall && nPreset != 0) ? 0 : SUB_WHOLE_BLOCK;
    SetHeader(FRAME_READ, nPreset, nBlock, nChannel, nSub, sizeof(ParamGroup));
    ZeroPayload(sizeof(ParamGroup));
    return MakeFrameFromTemplate(FRAME_OVERHEAD + sizeof(ParamGroup));
}

std::unique_ptr<CSendData> MakeReadSystemFrame(int nItem, int nPreset)
{
    ForgetLastBuilt();
    SetHeader(FRAME_READ, nPreset, BLOCK_SYSTEM, nItem, 0, sizeof(ParamGroup));
    ZeroPayload(sizeof(ParamGroup));
    return MakeFrameFromTemplate(FRAME_OVERHEAD + sizeof(ParamGroup));
}

std::unique_ptr<CSendData> MakeWriteSystemFrame(int nItem, int nPreset)
{
    ForgetLastBuilt();
    int nLength = 0;
    switch (nItem) {
    case SYS_PRESET_NAME: {
        const PresetImage& image = nPreset == 0 ? g_liveImage : StoredImage(nPreset);
        nLength = sizeof(image.m_szName);
        SetPayload(image.m_szName, nLength - 1);
        g_cmdFrame.m_byPayload[nLength - 1] = 0;
        break;
    }
    case SYS_INPUT: {
        const InputSettings input = g_inputSettings;
        nLength = sizeof(input);
        SetPayload(&input, nLength);
        break;
    }
    case SYS_MASTER: {
        // The threshold travels as 0 while the echo byte is 0; the stored value stays.
        MasterSettings sent = g_masterSettings;
        if (sent.m_byNoiseEcho == 0)
            sent.m_byNoiseThreshold = 0;
        nLength = sizeof(sent);
        SetPayload(&sent, nLength);
        break;
    }
    case SYS_OUT_ROLES:
        nLength = sizeof(g_byDevRoles);
        SetPayload(g_byDevRoles, nLength);
        break;
    case SYS_CUR_PRESET: {
        nLength = 1;
        const BYTE byPreset = g_byCurPreset;
        SetPayload(&byPreset, nLength);
        break;
    }
    case SYS_MODE_TABLE:
        nLength = sizeof(g_modeTable);
        SetPayload(&g_modeTable, nLength);
        break;
    case SYS_FACTORY_RESET:
        nLength = 8;
        ZeroPayload(nLength);
        break;
    default: return nullptr;
    }
    SetHeader(FRAME_WRITE, nPreset, BLOCK_SYSTEM, nItem, 0, nLength);
    return MakeFrameFromTemplate(nLength + FRAME_OVERHEAD);
}
