#pragma once
// Everything a PC file load may change, taken whole so a test can show that a refused file
// changed nothing; and a patterned preset image.
#include <cstring>

#include "model/DataDefine.h"

struct DeviceStateSnapshot {
    PresetImage live;
    PresetImage stored[STORED_PRESETS];
    InputSettings input;
    MasterSettings master;
    BYTE roles[OUTPUT_CHANNELS];
    CrossoverGroup xover[OUTPUT_CHANNELS];

    static DeviceStateSnapshot Take()
    {
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

// Bytes that differ from image to image and from offset to offset.
inline void FillImage(PresetImage& image, int nSeed)
{
    auto* p = reinterpret_cast<BYTE*>(&image);
    for (std::size_t i = 0; i < sizeof image; ++i)
        p[i] = static_cast<BYTE>((i * 13 + static_cast<std::size_t>(nSeed) * 71) & 0xFF);
}
