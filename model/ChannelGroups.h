#pragma once
// The non-band parameter groups of the channel blocks, byte for byte as the processor lays them
// out (little-endian), and the reading and writing of one group of a block. A group struct
// shorter than 8 bytes covers the bytes the PC writes; the rest of the group keeps what it holds.
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "model/DataDefine.h"

// Group numbers inside the blocks (the output's are in DataDefine.h).
constexpr int MUSIC_GROUP_CROSSOVER = 32;
constexpr int MUSIC_GROUP_GATE = 33;
constexpr int MUSIC_GROUP_LIMITER = 34;
constexpr int MUSIC_GROUP_NAME = 35;
constexpr int MIC_GROUP_BASE = 9;
constexpr int MIC_GROUP_CROSSOVER = 10;
constexpr int MIC_GROUP_GATE = 11;
constexpr int MIC_GROUP_LIMITER = 12;
constexpr int MIC_GROUP_NAME = 13;
constexpr int EFFECT_GROUP_CROSSOVER = 15;
constexpr int EFFECT_GROUP_ECHO = 16;
constexpr int EFFECT_GROUP_REVERB = 17;
constexpr int EFFECT_GROUP_NAME = 18;

#pragma pack(push, 1)

// Output group 31.
struct OutBasicGroup {
    BYTE m_byOn;
    BYTE m_byPolarity;
    std::int16_t m_nLevel;  // dB = code x 0.1 - 60; 0 mutes
    std::int16_t m_nDelay;  // delay code
    BYTE m_byGraphicEQ;
    BYTE m_byRole;          // speaker role 0-24
};

// Crossover of every channel kind (output group 32, music 32, microphone 10, effect 15).
struct CrossoverGroup {
    WORD m_wHpfFreq;  // Hz, the band's device frequency
    BYTE m_byHpfAlign;
    BYTE m_byHpfSlope;
    WORD m_wLpfFreq;
    BYTE m_byLpfAlign;
    BYTE m_byLpfSlope;
};

// Output group 34. The spare byte travels as received.
struct CompressorGroup {
    std::int16_t m_nLevel;    // dBu = code x 0.1 - 30
    std::int16_t m_nAttack;
    std::int16_t m_nRelease;
    BYTE m_byRatio;
    BYTE m_bySpare;
};

// Output group 35, bytes 0-5.
struct LimiterGroup {
    std::int16_t m_nLevel;    // dBu = code x 0.1 - 30
    std::int16_t m_nAttack;
    std::int16_t m_nRelease;
};

// The source mix of an output. It stays on the PC: no block holds it.
struct SourceGroup {
    BYTE m_bySrcL;      // percent
    BYTE m_bySrcR;
    BYTE m_bySrcX;
    BYTE m_bySrcY;
    BYTE m_bySpare;
    BYTE m_bySrc3;
    BYTE m_byBalance;   // percent left; right = 100 - value
    BYTE m_bySwitches;  // bits 0-4
};

// Music group 31 (byte 0 is the processor's and is never written by the PC).
struct MusicBasicGroup {
    BYTE m_byKept;
    BYTE m_byPolarity;
    BYTE m_byGraphicEQ;
    BYTE m_byOn;
    std::int16_t m_nDelay;
    std::int16_t m_nLevel;
};

// Microphone group 9.
struct MicBasicGroup {
    BYTE m_byGrade;
    BYTE m_byPolarity;
    BYTE m_byGraphicEQ;
    BYTE m_byOn;
    std::int16_t m_nDelay;
    std::int16_t m_nLevel;
};

// Limiter of the inputs (music group 34, microphone group 12), bytes 0-3.
struct InputLimiterGroup {
    std::int16_t m_nThreshold;  // shown as code x 0.1 - 30
    BYTE m_byA;
    BYTE m_byB;
};

#pragma pack(pop)

static_assert(sizeof(OutBasicGroup) == 8 && sizeof(CrossoverGroup) == 8 && sizeof(CompressorGroup) == 8);
static_assert(sizeof(LimiterGroup) == 6 && sizeof(SourceGroup) == 8 && sizeof(MusicBasicGroup) == 8);
static_assert(sizeof(MicBasicGroup) == 8 && sizeof(InputLimiterGroup) == 4);

// T is a wire layout: a shared value (an atomic) must be read with Get() first, never copied
// byte by byte.
template <typename T>
T ReadGroup(const ParamGroup& group)
{
    static_assert(sizeof(T) <= sizeof(ParamGroup) && std::is_trivially_copyable_v<T>);
    T value;
    std::memcpy(&value, group.m_by, sizeof value);
    return value;
}

// Writes the first sizeof(T) bytes of the group.
template <typename T>
void WriteGroup(ParamGroup& group, const T& value)
{
    static_assert(sizeof(T) <= sizeof(ParamGroup) && std::is_trivially_copyable_v<T>);
    std::memcpy(group.m_by, &value, sizeof value);
}

// The crossover table of the eight outputs that the output-map file stores and loads.
extern CrossoverGroup g_outXover[OUTPUT_CHANNELS];
