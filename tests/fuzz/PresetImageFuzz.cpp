// One channel block of a preset image as the processor or a preset file may hold it: any bytes
// (the first input byte chooses effect, microphone, music input or output). Unpacking must leave
// nothing marked to send, and what a load and a pack settle on must be stable: packing the
// settled block again gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/KTV_Data.h"

namespace {

CKTV_Data& Data()
{
    static CKTV_Data* pData = [] {
        InitDeviceData();
        auto* pNew = new CKTV_Data;
        g_bSynced = 1;  // so a load that marked anything would show
        return pNew;
    }();
    return *pData;
}

void Check(bool bOk)
{
    if (!bOk)
        std::abort();
}

// Loads the block from the live image twice, packing after each load; the two packs agree.
template <typename Channel, typename Block>
void SettleAndCompare(Channel& channel, Block& block)
{
    channel.LoadFromDevice(block);
    channel.PackAll();
    const Block settled = block;
    channel.LoadFromDevice(block);
    channel.PackAll();
    Check(std::memcmp(&settled, &block, sizeof block) == 0);
    for (int i = 0; i < channel.GetEQ()->GetSize(); ++i)
        Check(channel.GetBand(i)->GetChanged() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    CKTV_Data& preset = Data();
    const auto fill = [&](auto& block) {
        std::memset(&block, 0, sizeof block);
        std::memcpy(&block, data + 1, std::min(size - 1, sizeof block));
    };
    switch (data[0] % 4) {
    case 0:
        fill(g_liveImage.m_effect);
        SettleAndCompare(*preset.GetEffectData(), g_liveImage.m_effect);
        break;
    case 1:
        fill(g_liveImage.m_mic);
        SettleAndCompare(*preset.GetMicData(0), g_liveImage.m_mic);
        break;
    case 2: {
        CMusic_InData& music = *preset.GetMusicData(data[0] / 4 % MUSIC_CHANNELS);
        fill(g_liveImage.m_music[music.GetChannel()]);
        SettleAndCompare(music, g_liveImage.m_music[music.GetChannel()]);
        Check(music.GetBaseChanged() == 0 && music.GetGateChanged() == 0);
        break;
    }
    default: {
        CKTV_OutData& out = *preset.GetOutData(data[0] / 4 % OUTPUT_CHANNELS);
        fill(g_liveImage.m_out[out.GetChannel()]);
        SettleAndCompare(out, g_liveImage.m_out[out.GetChannel()]);
        Check(out.GetBaseChanged() == 0 && out.GetCompChanged() == 0 && out.GetLimChanged() == 0);
        break;
    }
    }
    return 0;
}
