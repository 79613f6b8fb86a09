#pragma once
// The processor's parameter set in its own packed byte layout (the wire format of presets and
// system items). Every block of a preset is an array of 8-byte parameter groups; multi-byte
// values are little-endian. What each byte of a group means belongs to the channel classes.
#include <bit>
#include <cstddef>
#include <cstdint>

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
constexpr BYTE REPLY_REFUSE = 0x52;
constexpr BYTE REPLY_DATA = 0x53;

constexpr BYTE SUB_WHOLE_BLOCK = 0x77;

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
    BYTE m_byOptInputs;
    BYTE m_byTwoWay;
    BYTE m_bySource;
    BYTE m_byMixThreshold;
    BYTE m_byMixAtten;
    BYTE m_byMixRelease;
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
