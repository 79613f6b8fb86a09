#pragma once
// Everything a PC file load may change, taken whole so a test can show that a refused file
// changed nothing; patterned preset images and device state away from the defaults.
#include <cstring>
#include <mutex>
#include <string>

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

// The stored presets, the input and master settings and the roles, all away from their defaults.
inline void SetDistinctDeviceState()
{
    for (int p = 0; p < STORED_PRESETS; ++p)
        FillImage(g_devImages[p], p + 1);
    g_inputSettings = {1, 1, 3, 1, 4, 20, 30, 40};
    g_masterSettings = {0x0102, 7, 9, 1, 0, 1, 9};
    const BYTE roles[OUTPUT_CHANNELS] = {1, 7, 15, 18, 22, 23, 0, 0};
    std::memcpy(g_byDevRoles, roles, sizeof roles);
}
