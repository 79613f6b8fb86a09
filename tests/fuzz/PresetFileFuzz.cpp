// Feeds arbitrary bytes to one of the document's file loaders, as a file the user picked. Built
// once per file kind (FUZZ_FILE_KIND: 0 all presets, 1 one preset, 2 output map). No input may
// crash, read out of bounds or leave the link lock held; a damaged file ends in the archive
// exception, which the loader's caller reports. A refused file of any kind changes nothing, the
// device state nor the preset data; an accepted output map holds only what the outputs can take,
// and an accepted preset file only what the processor takes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>

#include "model/ChannelGroups.h"
#include "model/HalvekDoc.h"
#include "model/PresetCheck.h"
#include "model/SpeakerRole.h"
#include "tests/support/DeviceStateSnapshot.h"
#include "tests/support/ThreadChecks.h"

namespace {

CHalvekDoc& Document()
{
    static CHalvekDoc* pDoc = [] {
        InitDeviceData();
        return new CHalvekDoc();
    }();
    return *pDoc;
}

bool InRange(int n, int nMin, int nMax)
{
    return n >= nMin && n <= nMax;
}

// Roles 0-24 on outputs 1-6 only, none twice; frequencies 20 Hz - 20 kHz, alignments 0-2,
// slopes 0-1; a tweeter's high-pass from 1 kHz with its low-pass above it.
bool MapIsTakeable()
{
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        const int nRole = g_byDevRoles[i];
        if (nRole > ROLE_MAX || (i >= 6 && nRole != 0))
            return false;
        for (int j = 0; j < i; ++j)
            if (nRole != 0 && g_byDevRoles[j] == nRole)
                return false;
        const CrossoverGroup& g = g_outXover[i];
        if (!InRange(g.m_wHpfFreq, 20, 20000) || !InRange(g.m_wLpfFreq, 20, 20000) || g.m_byHpfAlign > 2 ||
            g.m_byLpfAlign > 2 || g.m_byHpfSlope > 1 || g.m_byLpfSlope > 1)
            return false;
        if (IsTweeterRole(nRole) && (g.m_wHpfFreq < 1000 || g.m_wLpfFreq < g.m_wHpfFreq))
            return false;
    }
    return true;
}

// The live image, and for an all-presets file the stored images and the device-state items.
bool PresetsAreTakeable()
{
    if (!IsTakeablePresetImage(g_liveImage))
        return false;
    if (FUZZ_FILE_KIND != 0)
        return true;
    return std::all_of(std::begin(g_devImages), std::end(g_devImages), IsTakeablePresetImage) &&
        IsTakeableInputSettings(g_inputSettings) && IsTakeableMasterSettings(g_masterSettings) &&
        std::all_of(std::begin(g_byDevRoles), std::end(g_byDevRoles), IsTakeableRole);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CHalvekDoc& doc = Document();
    std::istringstream in(std::string(reinterpret_cast<const char*>(pData), nSize));
    CArchive ar(in);
    const DeviceStateSnapshot before = DeviceStateSnapshot::Take();
    const std::string fields = PackedData(doc.m_data);
    int bLoaded = 0;
    try {
        if constexpr (FUZZ_FILE_KIND == 0)
            bLoaded = doc.SerializeAllPresets(ar);
        else if constexpr (FUZZ_FILE_KIND == 1)
            bLoaded = doc.SerializePreset(ar);
        else
            bLoaded = doc.SerializeOutputMap(ar);
    } catch (const CArchiveException&) {
    }
    if (!LinkLockIsFree())
        std::abort();
    if (!bLoaded && !(DeviceStateSnapshot::Take() == before && PackedData(doc.m_data) == fields))
        std::abort();
    if (FUZZ_FILE_KIND == 2 && bLoaded && !MapIsTakeable())
        std::abort();
    if (FUZZ_FILE_KIND != 2 && bLoaded && !PresetsAreTakeable())
        std::abort();
    return 0;
}
