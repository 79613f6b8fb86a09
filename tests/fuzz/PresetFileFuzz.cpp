// Feeds arbitrary bytes to one of the document's file loaders, as a file the user picked. Built
// once per file kind (FUZZ_FILE_KIND: 0 all presets, 1 one preset, 2 output map). No input may
// crash, read out of bounds or leave the link lock held; a damaged file ends in the archive
// exception, which the loader's caller reports. A refused file of any kind changes nothing, the
// device state nor the preset data; an accepted output map holds only what the outputs can take.
// A preset file is refused only for its signature or its length: one of the right signature and
// length always loads, its stored presets go in as they stand, and what the program then saves
// loads again and saves to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "model/ChannelGroups.h"
#include "model/HalvekDoc.h"
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

// The loader of the target's kind; its result, 0 when it threw the archive exception.
int Load(CHalvekDoc& doc, const std::string& bytes)
{
    std::istringstream in(bytes);
    CArchive ar(in);
    try {
        if constexpr (FUZZ_FILE_KIND == 0)
            return doc.SerializeAllPresets(ar);
        else if constexpr (FUZZ_FILE_KIND == 1)
            return doc.SerializePreset(ar);
        else
            return doc.SerializeOutputMap(ar);
    } catch (const CArchiveException&) {
        return 0;
    }
}

std::string Save(CHalvekDoc& doc)
{
    std::ostringstream out;
    CArchive ar(out);
    if constexpr (FUZZ_FILE_KIND == 0)
        doc.SerializeAllPresets(ar);
    else
        doc.SerializePreset(ar);
    return out.str();
}

// The signature as the program writes it, and the file's whole size.
bool HasSignatureAndLength(const std::string& bytes)
{
    const char* szSignature = FUZZ_FILE_KIND == 0 ? g_strAllPresetSig : g_strPresetSig;
    const std::size_t nSize = FUZZ_FILE_KIND == 0 ? ALL_PRESETS_FILE_SIZE : PRESET_FILE_SIZE;
    const std::string strSignature = char(std::strlen(szSignature)) + std::string(szSignature);
    return bytes.size() == nSize && bytes.compare(0, strSignature.size(), strSignature) == 0;
}

// The stored presets of an all-presets file, byte for byte.
bool StoredAsInFile(const std::string& bytes)
{
    constexpr std::size_t STORED_AT = 18;
    return std::memcmp(g_devImages, bytes.data() + STORED_AT, sizeof g_devImages) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CHalvekDoc& doc = Document();
    const std::string bytes(reinterpret_cast<const char*>(pData), nSize);
    const DeviceStateSnapshot before = DeviceStateSnapshot::Take();
    const std::string fields = PackedData(doc.m_data);
    const int bLoaded = Load(doc, bytes);
    if (!LinkLockIsFree())
        std::abort();
    if (!bLoaded && !(DeviceStateSnapshot::Take() == before && PackedData(doc.m_data) == fields))
        std::abort();
    if (FUZZ_FILE_KIND == 2) {
        if (bLoaded && !MapIsTakeable())
            std::abort();
        return 0;
    }
    if (!bLoaded) {
        if (HasSignatureAndLength(bytes))
            std::abort();
        return 0;
    }
    if (FUZZ_FILE_KIND == 0 && !StoredAsInFile(bytes))
        std::abort();
    const std::string saved = Save(doc);
    if (!Load(doc, saved) || Save(doc) != saved || !LinkLockIsFree())
        std::abort();
    return 0;
}
