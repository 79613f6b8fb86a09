#include "model/HalvekDoc.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <mutex>
#include <type_traits>

#include "model/ChannelGroups.h"
#include "model/Filter.h"
#include "model/SpeakerRole.h"
#include "platform/LinkLock.h"

namespace {

#pragma pack(push, 1)
// The 22 device-state items of the all-presets file, in file order.
struct DeviceStateItems {
    BYTE m_byInput;
    BYTE m_byGroupDelay;
    WORD m_wVolume;
    BYTE m_byInputMode;
    BYTE m_byNoiseThreshold;
    BYTE m_byInputAgain;  // the same value as m_byInput
    BYTE m_byTwoWay;
    BYTE m_bySource;
    BYTE m_byMixThreshold;
    BYTE m_byMixAtten;
    BYTE m_byMixRelease;
    BYTE m_byNoInput;
    BYTE m_byReserved;
    BYTE m_byMasterOn;
    BYTE m_byRoles[OUTPUT_CHANNELS];
};

struct AllPresetsContent {
    PresetImage m_stored[STORED_PRESETS];
    PresetImage m_live;
    DeviceStateItems m_items;
};

// One output's crossover in the output-map file: slope before alignment, unlike the image.
struct OutMapRecord {
    WORD m_wHpfFreq;
    BYTE m_byHpfSlope;
    BYTE m_byHpfAlign;
    WORD m_wLpfFreq;
    BYTE m_byLpfSlope;
    BYTE m_byLpfAlign;
};

struct OutMapContent {
    BYTE m_byRoles[OUTPUT_CHANNELS];
    OutMapRecord m_xover[OUTPUT_CHANNELS];
};
#pragma pack(pop)

static_assert(sizeof(DeviceStateItems) == 23);
static_assert(1 + sizeof(g_strAllPresetSig) - 1 + sizeof(AllPresetsContent) == ALL_PRESETS_FILE_SIZE);
static_assert(1 + sizeof(g_strPresetSig) - 1 + sizeof(PresetImage) == PRESET_FILE_SIZE);
static_assert(1 + sizeof(g_strOutMapSig) - 1 + sizeof(OutMapContent) == OUT_MAP_FILE_SIZE);

constexpr int MODE_RECORDS = std::extent_v<decltype(ModeTable::m_nModeParam)>;

// Reads the signature; false for another one. A file too short throws.
bool ReadSignature(CArchive& ar, const char* szSignature)
{
    return ar.ReadString() == szSignature;
}

// Reads exactly the content, and nothing may follow it.
template <typename T>
void ReadContent(CArchive& ar, T& content)
{
    ar.Read(&content, sizeof content);
    if (!ar.AtEnd())
        throw CArchiveException("the file is longer than its kind");
}

DeviceStateItems CollectItems()
{
    const InputSettings input = g_inputSettings;
    const MasterSettings master = g_masterSettings;
    DeviceStateItems items{};
    items.m_byInput = input.m_byInput;
    items.m_byGroupDelay = master.m_byGroupDelay;
    items.m_wVolume = master.m_wVolume;
    items.m_byInputMode = input.m_byInputMode;
    items.m_byNoiseThreshold = master.m_byNoiseThreshold;
    items.m_byInputAgain = input.m_byInput;
    items.m_byTwoWay = input.m_byTwoWay;
    items.m_bySource = input.m_bySource;
    items.m_byMixThreshold = input.m_byMixThreshold;
    items.m_byMixAtten = input.m_byMixAtten;
    items.m_byMixRelease = input.m_byMixRelease;
    items.m_byNoInput = master.m_byNoInput;
    items.m_byReserved = master.m_byReserved;
    items.m_byMasterOn = master.m_byMasterOn;
    std::memcpy(items.m_byRoles, g_byDevRoles, sizeof(items.m_byRoles));
    return items;
}

// The items into the settings given; what the file does not carry stays.
void ApplyInputItems(const DeviceStateItems& items, InputSettings& input)
{
    input.m_byInput = items.m_byInputAgain;
    input.m_byInputMode = items.m_byInputMode;
    input.m_byTwoWay = items.m_byTwoWay;
    input.m_bySource = items.m_bySource;
    input.m_byMixThreshold = items.m_byMixThreshold;
    input.m_byMixAtten = items.m_byMixAtten;
    input.m_byMixRelease = items.m_byMixRelease;
}

void ApplyMasterItems(const DeviceStateItems& items, MasterSettings& master)
{
    master.m_byGroupDelay = items.m_byGroupDelay;
    master.m_wVolume = items.m_wVolume;
    master.m_byNoiseThreshold = items.m_byNoiseThreshold;
    master.m_byNoInput = items.m_byNoInput;
    master.m_byReserved = items.m_byReserved;
    master.m_byMasterOn = items.m_byMasterOn;
}

// Outputs 7 and 8 never keep a speaker role from a file.
void ClearLastRoles()
{
    g_byDevRoles[6] = 0;
    g_byDevRoles[7] = 0;
}

// The file does not know which optional inputs this processor has: an active input that is not
// there falls back to the input the music page shows.
void CorrectActiveInput()
{
    constexpr BYTE INPUT_SPDIF = 0;
    constexpr BYTE INPUT_PHONE = 2;
    const InputSettings input = g_inputSettings;
    const int nOpt = input.GetOptInputs();
    const BYTE byInput = input.m_byInput;
    const bool bMissing = (nOpt == 0 && (byInput == INPUT_SPDIF || byInput == INPUT_PHONE)) ||
        (nOpt == 1 && byInput == INPUT_SPDIF) || (nOpt == 2 && byInput == INPUT_PHONE);
    if (bMissing)
        g_inputSettings.SetField(&InputSettings::m_byInput, static_cast<BYTE>(g_nCurInput));
}

OutMapRecord ToRecord(const CrossoverGroup& xover)
{
    return {xover.m_wHpfFreq, xover.m_byHpfSlope, xover.m_byHpfAlign,
            xover.m_wLpfFreq, xover.m_byLpfSlope, xover.m_byLpfAlign};
}

CrossoverGroup FromRecord(const OutMapRecord& record)
{
    return {record.m_wHpfFreq, record.m_byHpfAlign, record.m_byHpfSlope,
            record.m_wLpfFreq, record.m_byLpfAlign, record.m_byLpfSlope};
}

constexpr int MAP_FREQ_MIN = 20;
constexpr int MAP_FREQ_MAX = 20000;
constexpr BYTE MAP_SLOPE_MAX = 1;
constexpr WORD TWEETER_HPF_MIN = 1000;
constexpr WORD TWEETER_LPF = 20000;

bool IsMapFrequency(WORD wHz)
{
    return wHz >= MAP_FREQ_MIN && wHz <= MAP_FREQ_MAX;
}

// A role no output can take, a frequency beyond 20 Hz - 20 kHz or an alignment the filters do
// not have make the file damaged: it changes nothing.
void CheckOutputMap(const OutMapContent& content)
{
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        const OutMapRecord& r = content.m_xover[i];
        if (content.m_byRoles[i] > ROLE_MAX || !IsMapFrequency(r.m_wHpfFreq) || !IsMapFrequency(r.m_wLpfFreq) ||
            r.m_byHpfAlign > ALIGN_BUTTERWORTH || r.m_byLpfAlign > ALIGN_BUTTERWORTH)
            throw CArchiveException("the output map holds a value no output can take");
    }
}

// What the outputs can take of a good file: slopes the outputs have, no roles on outputs 7 and 8,
// each role on its lowest-numbered output only, and a tweeter's high-pass not below 1 kHz with a
// low-pass above it.
void RepairOutputMap(OutMapContent& content)
{
    content.m_byRoles[6] = 0;
    content.m_byRoles[7] = 0;
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        OutMapRecord& r = content.m_xover[i];
        r.m_byHpfSlope = std::min(r.m_byHpfSlope, MAP_SLOPE_MAX);
        r.m_byLpfSlope = std::min(r.m_byLpfSlope, MAP_SLOPE_MAX);
        for (int j = 0; j < i; ++j)
            if (content.m_byRoles[j] == content.m_byRoles[i])
                content.m_byRoles[i] = ROLE_NONE;
        if (!IsTweeterRole(content.m_byRoles[i]))
            continue;
        r.m_wHpfFreq = std::max(r.m_wHpfFreq, TWEETER_HPF_MIN);
        if (r.m_wLpfFreq < r.m_wHpfFreq)
            r.m_wLpfFreq = TWEETER_LPF;
    }
}

}  // namespace

int CHalvekDoc::OnNewDocument()
{
    m_strTitle.clear();
    return 1;
}

int CHalvekDoc::SerializeAllPresets(CArchive& ar)
{
    auto pContent = std::make_unique<AllPresetsContent>();
    if (ar.IsStoring()) {
        {
            std::lock_guard lock(g_csLink);
            m_data.PackAll();
            std::memcpy(pContent->m_stored, g_devImages, sizeof(pContent->m_stored));
            pContent->m_live = g_liveImage;
            pContent->m_items = CollectItems();
        }
        ar.WriteString(g_strAllPresetSig);
        ar.Write(pContent.get(), sizeof(AllPresetsContent));
        return 1;
    }
    if (!ReadSignature(ar, g_strAllPresetSig))
        return 0;
    ReadContent(ar, *pContent);
    std::lock_guard lock(g_csLink);
    std::memcpy(g_devImages, pContent->m_stored, sizeof(g_devImages));
    g_liveImage = pContent->m_live;
    g_inputSettings.Update([&](InputSettings& input) { ApplyInputItems(pContent->m_items, input); });
    g_masterSettings.Update([&](MasterSettings& master) { ApplyMasterItems(pContent->m_items, master); });
    std::memcpy(g_byDevRoles, pContent->m_items.m_byRoles, sizeof(g_byDevRoles));
    ClearLastRoles();
    m_data.LoadFromDevice(g_liveImage, -1);
    CorrectActiveInput();
    return 1;
}

int CHalvekDoc::SerializePreset(CArchive& ar)
{
    auto pImage = std::make_unique<PresetImage>();
    if (ar.IsStoring()) {
        {
            std::lock_guard lock(g_csLink);
            m_data.PackAll();
            *pImage = g_liveImage;
        }
        ar.WriteString(g_strPresetSig);
        ar.Write(pImage.get(), sizeof(PresetImage));
        return 1;
    }
    if (!ReadSignature(ar, g_strPresetSig))
        return 0;
    ReadContent(ar, *pImage);
    std::lock_guard lock(g_csLink);
    g_liveImage = *pImage;
    FixCrossoverDefaults();
    m_data.LoadFromDevice(g_liveImage, -1);
    return 1;
}

int CHalvekDoc::SerializeOutputMap(CArchive& ar)
{
    OutMapContent content{};
    if (ar.IsStoring()) {
        {
            std::lock_guard lock(g_csLink);
            m_data.CollectCrossovers();
            std::memcpy(content.m_byRoles, g_byDevRoles, sizeof(content.m_byRoles));
            for (int i = 0; i < OUTPUT_CHANNELS; ++i)
                content.m_xover[i] = ToRecord(g_outXover[i]);
        }
        ar.WriteString(g_strOutMapSig);
        ar.Write(&content, sizeof content);
        return 1;
    }
    if (!ReadSignature(ar, g_strOutMapSig))
        return 0;
    ReadContent(ar, content);
    CheckOutputMap(content);
    RepairOutputMap(content);
    std::lock_guard lock(g_csLink);
    std::memcpy(g_byDevRoles, content.m_byRoles, sizeof(g_byDevRoles));
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        g_outXover[i] = FromRecord(content.m_xover[i]);
    return 1;
}

int CHalvekDoc::SerializeMode(CArchive& ar)
{
    WORD record[std::size(g_modeTable.m_nModeParam[0])];
    if (ar.IsStoring()) {
        BYTE byMode = 0;
        {
            std::lock_guard lock(g_csLink);
            byMode = g_modeTable.m_byMode;
            // The mode byte comes from the processor: it picks a record only within the table.
            std::memcpy(record, g_modeTable.m_nModeParam[std::min<int>(byMode, MODE_RECORDS - 1)], sizeof record);
        }
        ar.WriteString(g_strModeSig);
        ar.Write(&byMode, 1);
        ar.Write(record, sizeof record);
        return 1;
    }
    if (!ReadSignature(ar, g_strModeSig))
        return 0;
    BYTE byMode = 0;
    ar.Read(&byMode, 1);
    ReadContent(ar, record);
    if (byMode >= MODE_RECORDS)
        throw CArchiveException("the mode is not one of the table's");
    std::lock_guard lock(g_csLink);
    g_modeTable.m_byLoadedMode = byMode;
    std::memcpy(g_modeTable.m_nModeParam[byMode], record, sizeof record);
    return 1;
}
