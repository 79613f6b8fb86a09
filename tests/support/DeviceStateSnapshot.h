#pragma once
// Everything a PC file load may change, taken whole so a test can show that a refused file
// changed nothing; patterned preset images (any bytes, or values the processor takes) and device
// state away from the defaults.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>

#include "model/ChannelGroups.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "platform/LinkLock.h"

struct DeviceStateSnapshot {
    PresetImage live;
    PresetImage stored[STORED_PRESETS];
    InputSettings input;
    MasterSettings master;
    BYTE roles[OUTPUT_CHANNELS];
    CrossoverGroup xover[OUTPUT_CHANNELS];

    // Under g_csLink, as a connected link worker writes the device state too.
    static DeviceStateSnapshot Take()
    {
        std::lock_guard lock(g_csLink);
        DeviceStateSnapshot s;
        s.live = g_liveImage;
        std::memcpy(s.stored, g_devImages, sizeof s.stored);
        s.input = g_inputSettings;
        s.master = g_masterSettings;
        std::memcpy(s.roles, g_byDevRoles, sizeof s.roles);
        std::memcpy(s.xover, g_outXover, sizeof s.xover);
        return s;
    }
    bool operator==(const DeviceStateSnapshot& o) const { return std::memcmp(this, &o, sizeof *this) == 0; }
};

// What a file load may change in the preset data: the image it packs into, g_liveImage left as
// it was. Under g_csLink, as a connected link worker packs and reads the image too.
inline std::string PackedData(CKTV_Data& data)
{
    std::lock_guard lock(g_csLink);
    const PresetImage live = g_liveImage;
    data.PackAll();
    std::string packed(reinterpret_cast<const char*>(&g_liveImage), sizeof g_liveImage);
    g_liveImage = live;
    return packed;
}

// Bytes that differ from image to image and from offset to offset.
inline void FillImage(PresetImage& image, int nSeed)
{
    auto* p = reinterpret_cast<BYTE*>(&image);
    for (std::size_t i = 0; i < sizeof image; ++i)
        p[i] = static_cast<BYTE>((i * 13 + static_cast<std::size_t>(nSeed) * 71) & 0xFF);
}

// FillImage, then every value the program reads from the image given a value the processor takes,
// each distinct: names, bands, crossovers, levels, delays, gates, roles, compressors, limiters.
// The bytes the program does not read keep their pattern.
inline void FillTakeableImage(PresetImage& image, int nSeed)
{
    FillImage(image, nSeed);
    int n = nSeed * 37;
    const auto next = [&n](int nMin, int nMax) {
        n = (n * 7 + 13) % 100003;
        return nMin + n % (nMax - nMin + 1);
    };
    const auto i16 = [&](int nMin, int nMax) { return static_cast<std::int16_t>(next(nMin, nMax)); };
    const auto u8 = [&](int nMin, int nMax) { return static_cast<BYTE>(next(nMin, nMax)); };
    const auto name = [&](BYTE* pField, std::size_t nSize) {
        const std::string strName = "N" + std::to_string(next(0, 999999));
        std::memset(pField, 0, nSize);
        std::memcpy(pField, strName.data(), std::min(strName.size(), nSize - 1));
    };
    const auto bands = [&](ParamGroup* pGroups, int nCount) {
        for (int i = 0; i < nCount; ++i)
            WriteGroup(pGroups[i], BandGroup{static_cast<WORD>(next(20, 20000)), i16(400, 800),
                                             static_cast<WORD>(next(0, 295)), u8(0, 8), u8(0, 4)});
    };
    const auto crossover = [&](ParamGroup& group) {
        WriteGroup(group, CrossoverGroup{static_cast<WORD>(next(20, 20000)), u8(0, 2), u8(0, 8),
                                         static_cast<WORD>(next(20, 20000)), u8(0, 2), u8(0, 8)});
    };
    // The microphone and the music inputs; the microphone's basic group lays out delay and level
    // as a music input's does.
    const auto input = [&](ParamGroup* g, int nBands, int nCrossover, int nBase, int nGate, int nName) {
        bands(g, nBands);
        crossover(g[nCrossover]);
        auto base = ReadGroup<MusicBasicGroup>(g[nBase]);
        base.m_nDelay = i16(0, 259);
        base.m_nLevel = i16(0, 600);
        WriteGroup(g[nBase], base);
        g[nGate].m_by[0] = u8(0, 100);
        name(g[nName].m_by, 8);
    };
    name(reinterpret_cast<BYTE*>(image.m_szName), sizeof image.m_szName);
    ParamGroup* g = image.m_effect.m_group;
    bands(g, CEffect_Data::PEQ_BANDS);
    crossover(g[EFFECT_GROUP_CROSSOVER]);
    name(g[EFFECT_GROUP_NAME].m_by, 8);
    input(image.m_mic.m_group, MIC_BANDS, MIC_GROUP_CROSSOVER, MIC_GROUP_BASE, MIC_GROUP_GATE, MIC_GROUP_NAME);
    for (MusicBlock& music : image.m_music)
        input(music.m_group, CHANNEL_BANDS, MUSIC_GROUP_CROSSOVER, MUSIC_GROUP_BASE, MUSIC_GROUP_GATE, MUSIC_GROUP_NAME);
    for (OutputBlock& out : image.m_out) {
        g = out.m_group;
        bands(g, CHANNEL_BANDS);
        crossover(g[OUT_GROUP_CROSSOVER]);
        WriteGroup(g[OUT_GROUP_BASE], OutBasicGroup{u8(0, 1), u8(0, 1), i16(0, 600), i16(0, 259), u8(0, 1), u8(0, 24)});
        auto comp = ReadGroup<CompressorGroup>(g[OUT_GROUP_COMPRESSOR]);
        comp = {i16(0, 360), i16(0, 206), i16(0, 5000), u8(1, 191), comp.m_bySpare};
        WriteGroup(g[OUT_GROUP_COMPRESSOR], comp);
        WriteGroup(g[OUT_GROUP_LIMITER], LimiterGroup{i16(0, 420), i16(0, 206), i16(0, 5000)});
        name(g[OUT_GROUP_NAME].m_by, 8);
    }
}

// The stored presets, the input and master settings and the roles, all away from their defaults.
inline void SetDistinctDeviceState()
{
    for (int p = 0; p < STORED_PRESETS; ++p)
        FillTakeableImage(g_devImages[p], p + 1);
    g_inputSettings = {1, 1, 3, 1, 4, 20, 30, 25};
    g_masterSettings = {48, 7, 9, 1, 0, 1, 9};
    const BYTE roles[OUTPUT_CHANNELS] = {1, 7, 15, 18, 22, 23, 0, 0};
    std::memcpy(g_byDevRoles, roles, sizeof roles);
}
