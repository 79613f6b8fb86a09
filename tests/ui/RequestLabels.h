#pragma once
// The requests the emulated processor received as short labels ("master off", "name 0 Rock",
// "write output 3.7"), meter polls left out, so that a test compares the frames of a batch and
// their order with a list it builds, and a failure shows the frame out of place.
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/ProcessorEmulator.h"

// The name item of preset nPreset carrying the name field szField (up to its first zero).
inline std::string NameLabel(int nPreset, const char* szField, std::size_t nSize = emu::NAME_SIZE)
{
    return "name " + std::to_string(nPreset) + " " + std::string(szField, strnlen(szField, nSize));
}

inline std::string RequestLabel(const EmuRequest& r)
{
    const std::string strWhere = std::to_string(r.byPreset) + "." + std::to_string(r.byIndex);
    if (r.byClass == emu::READ)
        return "read " + std::to_string(r.byBlock) + " " + strWhere;
    switch (r.byBlock) {
    case emu::BLOCK_MUSIC: return "write music " + strWhere;
    case emu::BLOCK_OUTPUT: return "write output " + strWhere;
    case emu::BLOCK_SYSTEM: break;
    default: return "write " + std::to_string(r.byBlock) + " " + strWhere;
    }
    switch (r.byIndex) {
    case emu::ITEM_NAME:
        return NameLabel(r.byPreset, reinterpret_cast<const char*>(r.payload.data()), r.payload.size());
    case emu::ITEM_MASTER: return r.payload.size() > 6 && r.payload[6] != 0 ? "master on" : "master off";
    case emu::ITEM_INPUT: return "input";
    case emu::ITEM_ROLES: return "roles";
    case emu::ITEM_CUR_PRESET: return "current preset " + std::to_string(r.payload.empty() ? -1 : r.payload[0]);
    default: return "item " + std::to_string(r.byIndex);
    }
}

// Every request of the log but the meter polls, in the order received.
inline std::vector<std::string> RequestLabels(const std::vector<EmuRequest>& log)
{
    std::vector<std::string> labels;
    for (const EmuRequest& r : log)
        if (!(r.byClass == emu::READ && r.byBlock == emu::BLOCK_SYSTEM && r.byIndex == emu::ITEM_STATUS))
            labels.push_back(RequestLabel(r));
    return labels;
}

// The writes of a preset's six music blocks and eight output blocks into preset nPreset.
inline void AppendBlockWrites(std::vector<std::string>& labels, int nPreset)
{
    for (std::size_t c = 0; c < emu::MUSIC_CHANNELS; ++c)
        labels.push_back("write music " + std::to_string(nPreset) + "." + std::to_string(c));
    for (std::size_t c = 0; c < emu::OUTPUT_CHANNELS; ++c)
        labels.push_back("write output " + std::to_string(nPreset) + "." + std::to_string(c));
}
