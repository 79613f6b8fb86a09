#pragma once
// The processor's parameter set in its own packed byte layout (the wire format of presets and
// system items). Every block of a preset is an array of 8-byte parameter groups; multi-byte
// values are little-endian. What each byte of a group means belongs to the channel classes.
#include <array>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/SharedValue.h"

static_assert(std::endian::native == std::endian::little,
              "the packed layouts below are the processor's little-endian wire format");

using BYTE = std::uint8_t;
using WORD = std::uint16_t;

// Block types of a command frame (byte 7).
constexpr int BLOCK_MIC = 1;
constexpr int BLOCK_EFFECT = 2;
constexpr int BLOCK_MUSIC = 3;
constexpr int BLOCK_OUTPUT = 4;
constexpr int BLOCK_SYSTEM = 9;

// Frame classes (byte 4) and reply kinds.
constexpr BYTE FRAME_WRITE = 0xA1;
constexpr BYTE FRAME_READ = 0xA2;
constexpr BYTE REPLY_ACK = 0x51;
constexpr BYTE REPLY_REFUSED = 0x52;
constexpr BYTE REPLY_DATA = 0x53;

constexpr BYTE SUB_WHOLE_BLOCK = 0x77;

// Device address of every frame (byte 5).
constexpr BYTE g_byDeviceId = 1;

// System items (block 9, item code in byte 8).
constexpr int SYS_PRESET_NAME = 0;
constexpr int SYS_INPUT = 2;
constexpr int SYS_STATUS = 3;
constexpr int SYS_VERSION = 4;
constexpr int SYS_MASTER = 5;
constexpr int SYS_OUT_ROLES = 6;
constexpr int SYS_CUR_PRESET = 52;
constexpr int SYS_MODE_TABLE = 64;
constexpr int SYS_FACTORY_RESET = 65;
constexpr int SYS_HELLO = 0xCC;

constexpr int MUSIC_CHANNELS = 6;
constexpr int OUTPUT_CHANNELS = 8;
constexpr int STORED_PRESETS = 6;
constexpr int EFFECT_PRESETS = 20;
constexpr int SPEAKER_ROLES = 25;

// Groups of a channel block: the EQ bands come first, one group each.
constexpr int MIC_BANDS = 9;
constexpr int EFFECT_BANDS = 8;
constexpr int CHANNEL_BANDS = 31;  // music inputs and outputs
constexpr int MUSIC_GROUP_BASE = 31;
constexpr int OUT_GROUP_BASE = 31;
constexpr int OUT_GROUP_CROSSOVER = 32;
constexpr int OUT_GROUP_SPARE = 33;
constexpr int OUT_GROUP_COMPRESSOR = 34;
constexpr int OUT_GROUP_LIMITER = 35;
constexpr int OUT_GROUP_NAME = 36;

#pragma pack(push, 1)

struct ParamGroup {
    BYTE m_by[8];
};

// One EQ band as it travels in a block and in frames.
struct BandGroup {
    WORD m_wFreq;         // device frequency, Hz
    std::int16_t m_nGain; // gain position + 400; 600 = 0 dB
    WORD m_wBandwidth;    // (octaves - 0.05) / 0.01, 0-295
    BYTE m_bySlope;       // slope index
    BYTE m_byType;        // 0 PEQ, 1 low shelf, 2 high shelf, 3 HPF, 4 LPF
};

struct EffectBlock {
    ParamGroup m_group[19];
};
struct MicBlock {
    ParamGroup m_group[14];
};
struct MusicBlock {
    ParamGroup m_group[36];
};
struct OutputBlock {
    ParamGroup m_group[37];
};

struct PresetImage {
    char m_szName[16];
    BYTE m_byReserved[16];
    EffectBlock m_effect;
    MicBlock m_mic;
    MusicBlock m_music[MUSIC_CHANNELS];
    OutputBlock m_out[OUTPUT_CHANNELS];
};

struct EffectPreset {
    char m_szName[16];
    EffectBlock m_block;
};

struct ModeTable {
    WORD m_nModeParam[4][8];
    BYTE m_byMode;
    BYTE m_byLoadedMode;
};

struct InputSettings {
    BYTE m_byInput;
    BYTE m_byInputMode;
    BYTE m_byOptInputs;  // 2 S/PDIF present, 1 Phone present, 3 both, 0 none
    BYTE m_byTwoWay;
    BYTE m_bySource;     // 0-5, 255 = off
    BYTE m_byMixThreshold;
    BYTE m_byMixAtten;
    BYTE m_byMixRelease;

    int GetOptInputsHigh() const { return m_byOptInputs >> 1; }
    int GetOptInputs() const { return m_byOptInputs; }
    void SetSpdifPresent(bool bOn) { SetOptBit(OPT_SPDIF, bOn); }
    void SetPhonePresent(bool bOn) { SetOptBit(OPT_PHONE, bOn); }

private:
    static constexpr BYTE OPT_SPDIF = 2;
    static constexpr BYTE OPT_PHONE = 1;
    void SetOptBit(BYTE byMask, bool bOn)
    {
        m_byOptInputs = static_cast<BYTE>(bOn ? (m_byOptInputs | byMask) : (m_byOptInputs & ~byMask));
    }
};

struct MasterSettings {
    WORD m_wVolume;
    BYTE m_byGroupDelay;
    BYTE m_byNoiseThreshold;
    BYTE m_byNoInput;
    BYTE m_byReserved;
    BYTE m_byMasterOn;
    BYTE m_byNoiseEcho;
};

struct RoleStateTable {
    BYTE m_byState[SPEAKER_ROLES];  // 1 blocked, 2 taken, 3 free
    BYTE m_bySpare;
    BYTE m_byOutRole[OUTPUT_CHANNELS];
};

struct HexParseState {
    int m_nCount;
    BYTE m_byExtAddr[8];
    BYTE m_byAddr[8];
    char m_szVersion[11];
};

#pragma pack(pop)

static_assert(sizeof(ParamGroup) == 8 && sizeof(BandGroup) == 8);
static_assert(sizeof(EffectBlock) == 152 && sizeof(MicBlock) == 112);
static_assert(sizeof(MusicBlock) == 288 && sizeof(OutputBlock) == 296);
static_assert(sizeof(PresetImage) == 4392);
static_assert(offsetof(PresetImage, m_effect) == 32 && offsetof(PresetImage, m_mic) == 184);
static_assert(offsetof(PresetImage, m_music) == 296 && offsetof(PresetImage, m_out) == 2024);
static_assert(sizeof(ModeTable) == 66 && sizeof(InputSettings) == 8 && sizeof(MasterSettings) == 8);
static_assert(sizeof(RoleStateTable) == 34 && sizeof(HexParseState) == 31);

// ---- Device state: the PC's mirror of the processor, application-wide for the whole run ----
// The link worker stores replies into it and copies its items into frames, holding g_csLink.
// The UI thread writes an item the worker sends or stores under g_csLink too, except the master
// and input settings: the pages' setters change those without waiting for a transaction, so
// each is one lock-free shared value that a setter changes and a frame copies whole.

class CKTV_OutData;  // one output channel object (defined with the channel classes)

// Outputs with equal group numbers are linked: a setting changed on one is copied to the others.
struct OutputLinkTable {
    int m_nGroup[OUTPUT_CHANNELS];
    CKTV_OutData* m_pOut[OUTPUT_CHANNELS];  // filled when the preset data is built
};

// A left output and the output whose role mirrors it.
struct OutputPair {
    int m_nFirst;
    int m_nSecond;
    int m_bUsed;
};

// The output strip chosen as the source of a copy and paste.
struct CopySource {
    int m_nSource;  // -1 none
    int m_bMarked[OUTPUT_CHANNELS];
    void Reset();
    // Output nOutput becomes the source, the only one marked.
    void Select(int nOutput);
};

extern PresetImage g_liveImage;                        // the current preset
extern PresetImage g_devImages[STORED_PRESETS];        // presets 1-6 stored in the processor
extern EffectPreset g_effectPresets[EFFECT_PRESETS];   // effect library, preset numbers 21-40

extern char g_szDeviceVersion[12];
extern ModeTable g_modeTable;
extern CSharedValue<InputSettings> g_inputSettings;
extern CSharedValue<MasterSettings> g_masterSettings;
extern BYTE g_byDevRoles[OUTPUT_CHANNELS];
// Stored preset (1-6) the live preset came from, 0 none. The link worker sets it from replies and
// the next-frame choice while the main view reads it for its name button.
extern std::atomic<BYTE> g_byCurPreset;
extern int g_nDevStatus[16];        // last status reply, one int per payload byte
// The status reply: its length, where the meter codes of outputs 0-7 start, and where it names
// the processor's active music input and that input's mixer source.
constexpr int STATUS_REPLY_BYTES = 16;
constexpr int STATUS_FIRST_METER = 6;
constexpr int STATUS_ACTIVE_INPUT = 14;
constexpr int STATUS_MIX_SOURCE = 15;
extern int g_nReadBackItems[6];     // system items read back after connecting
extern OutputLinkTable g_outLinks;
extern int g_bLinkLR;
extern int g_bOutMapLocked;
extern std::atomic<int> g_bSynced;      // the PC's data matches the connected processor
extern std::atomic<int> g_bLiveEdited;  // a change of the live preset was sent since the last load
extern RoleStateTable g_roleStates;
extern RoleStateTable g_defaultRoles;
extern OutputPair g_lrPairs[4];
extern OutputPair g_lrPairsLeftFirst[4];
extern CopySource g_copySource;
extern HexParseState g_hexState;
extern int g_nCurPage;   // 0 music input, 1 output, 2 level/delay
extern int g_nCurOutput;
extern int g_nCurInput;
extern int g_nInputMode;
extern int g_nDelayUnit;  // delays shown in 1 ms, 2 cm, 3 inch; shared by the pages, not stored
extern int g_bUpdateDone;

extern const std::array<std::string, OUTPUT_CHANNELS> g_strChannelNames;
extern const std::array<std::string, 15> g_strGeqLabels;
extern const std::string g_strCustomName;
extern std::string g_strPresetName;  // live preset name as last shown
extern std::string g_strComPort;     // serial port of the serial transport
extern const std::string g_strAppTitle;

// Sets every device-state value, image and table to its start value. Values that have none
// start at zero, as at program load, so a second call is a full reset.
void InitDeviceData();
// Keeps the high-pass of every tweeter output of the live image at 1000 Hz or above.
void FixCrossoverDefaults();
// True when another output shares the output's link group.
int IsChannelLinked(int nOutput);
// Who is linked with an output: the other outputs of its link group (equal group numbers in
// g_outLinks), in output order; none for an output that does not exist. Every copy to the linked
// outputs and every display of them asks this.
std::vector<int> LinkedOutputs(int nOutput);
void ResetHexParseState();
