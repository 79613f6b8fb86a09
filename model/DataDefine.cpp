#include "model/DataDefine.h"

#include <cstring>

#include "link/LinkState.h"
#include "model/ChannelGroups.h"
#include "model/CommandFrame.h"
#include "model/InputSourceTable.h"
#include "model/SpeakerGroupTable.h"
#include "model/SpeakerRole.h"

PresetImage g_liveImage;
PresetImage g_devImages[STORED_PRESETS];
EffectPreset g_effectPresets[EFFECT_PRESETS];

char g_szDeviceVersion[12];
ModeTable g_modeTable;
CSharedValue<InputSettings> g_inputSettings;
CSharedValue<MasterSettings> g_masterSettings;
BYTE g_byDevRoles[OUTPUT_CHANNELS];
std::atomic<BYTE> g_byCurPreset{0};
int g_nDevStatus[16];
int g_nReadBackItems[6];
OutputLinkTable g_outLinks{{0, 1, 2, 3, 4, 5, 6, 7}, {}};
int g_bLinkLR;
int g_bOutMapLocked;
std::atomic<int> g_bSynced{0};
std::atomic<int> g_bLiveEdited{0};
RoleStateTable g_roleStates;
RoleStateTable g_defaultRoles;
OutputPair g_lrPairs[4];
OutputPair g_lrPairsLeftFirst[4];
CopySource g_copySource;
HexParseState g_hexState;
int g_nCurPage;
int g_nCurOutput;
int g_nCurInput;
int g_nInputMode;
int g_nDelayUnit = 1;
int g_bUpdateDone;

const std::array<std::string, OUTPUT_CHANNELS> g_strChannelNames{"CH1", "CH2", "CH3", "CH4",
                                                                 "CH5", "CH6", "CH7", "CH8"};
const std::array<std::string, 15> g_strGeqLabels{"25",   "40",   "63",   "100",  "160",
                                                 "250",  "400",  "630",  "1000", "1600",
                                                 "2500", "4000", "6288", "10000", "16000"};
const std::string g_strCustomName = "Custom";
std::string g_strPresetName;
std::string g_strComPort = "NULL";
const std::string g_strAppTitle = "Tarvi";

namespace {

constexpr BandGroup FLAT_BAND{1000, 600, 0, 0, 0};
constexpr BYTE DEFAULT_ROLES[OUTPUT_CHANNELS] = {6, 12, 15, 18, 22, 23, 0, 0};
constexpr int READ_BACK_ITEMS[6] = {SYS_PRESET_NAME, SYS_CUR_PRESET, SYS_INPUT,
                                    SYS_MASTER,      SYS_OUT_ROLES,  SYS_VERSION};

constexpr BYTE SLOPE_OFF = 8;

void SetFlatBands(ParamGroup* pGroups, int nBands)
{
    for (int i = 0; i < nBands; ++i)
        std::memcpy(pGroups[i].m_by, &FLAT_BAND, sizeof(FLAT_BAND));
}

// Everything this unit owns back to its value at program load.
void ClearDeviceData()
{
    g_liveImage = {};
    for (auto& image : g_devImages)
        image = {};
    for (auto& preset : g_effectPresets)
        preset = {};
    std::memset(g_szDeviceVersion, 0, sizeof(g_szDeviceVersion));
    std::memset(g_byDevRoles, 0, sizeof(g_byDevRoles));
    g_byCurPreset = 0;
    g_outLinks = {{0, 1, 2, 3, 4, 5, 6, 7}, {}};
    g_bSynced = 0;
    g_bLiveEdited = 0;
    g_roleStates = {};
    g_defaultRoles = {};
    for (auto& pair : g_lrPairs)
        pair = {};
    for (auto& pair : g_lrPairsLeftFirst)
        pair = {};
    g_hexState = {};
}

}  // namespace

void CopySource::Reset()
{
    m_nSource = -1;
    for (auto& b : m_bMarked)
        b = 0;
}

void CopySource::Select(int nOutput)
{
    if (nOutput < 0 || nOutput >= OUTPUT_CHANNELS)
        return;
    if (m_nSource >= 0 && m_nSource < OUTPUT_CHANNELS)
        m_bMarked[m_nSource] = 0;
    m_nSource = nOutput;
    m_bMarked[nOutput] = 1;
}

void InitDeviceData()
{
    ClearDeviceData();

    for (auto& music : g_liveImage.m_music) {
        music.m_group[MUSIC_GROUP_BASE].m_by[2] = 1;  // graphic EQ
        SetFlatBands(music.m_group, CHANNEL_BANDS);
    }
    SetFlatBands(g_liveImage.m_mic.m_group, MIC_BANDS);
    for (auto& out : g_liveImage.m_out)
        SetFlatBands(out.m_group, CHANNEL_BANDS);
    SetFlatBands(g_liveImage.m_effect.m_group, EFFECT_BANDS);
    for (auto& image : g_devImages) {
        std::memset(image.m_szName, ' ', sizeof(image.m_szName) - 1);
        image.m_szName[sizeof(image.m_szName) - 1] = 0;
    }

    g_modeTable = {};
    g_inputSettings = InputSettings{1, 0, 3, 0, 255, 0, 0, 2};
    g_masterSettings = MasterSettings{60, 0, 0, 0, 0, 1, 0};

    g_nCurPage = 1;
    g_nCurOutput = 0;
    g_nCurInput = 0;
    g_nInputMode = 0;
    g_nDelayUnit = 1;

    InitCommandFrame();

    std::memset(g_nDevStatus, 0, sizeof(g_nDevStatus));
    std::memcpy(g_nReadBackItems, READ_BACK_ITEMS, sizeof(READ_BACK_ITEMS));

    ResetRoleStates();
    std::memcpy(g_roleStates.m_byOutRole, DEFAULT_ROLES, sizeof(DEFAULT_ROLES));
    g_defaultRoles = g_roleStates;
    std::memcpy(g_byDevRoles, g_roleStates.m_byOutRole, sizeof(g_byDevRoles));
    g_speakerGroups.GroupOutputsByPosition();
    RecomputeRoleStates();

    g_bLinkLR = 0;
    g_bOutMapLocked = 1;
    g_bUpdateDone = 0;

    ResetLinkStates();
    g_inputSourceTable.Init();
    g_copySource.Reset();
}

void FixCrossoverDefaults()
{
    for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
        if (!IsTweeterRole(g_roleStates.m_byOutRole[k]))
            continue;
        ParamGroup& group = g_liveImage.m_out[k].m_group[OUT_GROUP_CROSSOVER];
        auto g = ReadGroup<CrossoverGroup>(group);
        // Frequencies as received are compared as signed 16-bit values.
        if (static_cast<std::int16_t>(g.m_wHpfFreq) < 1000) {
            g.m_wHpfFreq = 1000;
            if (static_cast<std::int16_t>(g.m_wLpfFreq) < 1000)
                g.m_wLpfFreq = 20000;
        }
        if (g.m_byHpfSlope == SLOPE_OFF)
            g.m_byHpfSlope = 1;
        WriteGroup(group, g);
    }
}

int IsChannelLinked(int nOutput)
{
    return LinkedOutputs(nOutput).empty() ? 0 : 1;
}

std::vector<int> LinkedOutputs(int nOutput)
{
    std::vector<int> linked;
    if (nOutput < 0 || nOutput >= OUTPUT_CHANNELS)
        return linked;
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        if (i != nOutput && g_outLinks.m_nGroup[i] == g_outLinks.m_nGroup[nOutput])
            linked.push_back(i);
    return linked;
}

void ResetHexParseState()
{
    g_hexState = {};
}
