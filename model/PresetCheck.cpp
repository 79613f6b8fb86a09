#include "model/PresetCheck.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "model/ActiveInput.h"
#include "model/ChannelGroups.h"
#include "model/Effect_Data.h"
#include "model/Filter.h"
#include "model/InputSourceTable.h"
#include "model/KTVEQ.h"
#include "model/ParamTable.h"
#include "model/SpeakerRole.h"
#include "platform/Gbk.h"

namespace {

bool InRange(int n, int nMin, int nMax)
{
    return n >= nMin && n <= nMax;
}

bool InRow(ParamId id, int n)
{
    const ParamRow& row = ParamRowOf(id);
    return InRange(n, row.nMin, row.nMax);
}

// Attack and release times travel as codes from 0; one dialog shows a release code as that many
// milliseconds, the other as 50 more, so a code up to the longest either offers is taken.
bool IsReleaseCode(int nCode)
{
    return InRange(nCode, 0, ParamRowOf(ParamId::AdvLimRelease).nMax);
}

bool IsSlope(int nSlope)
{
    return InRange(nSlope, SLOPE_6DB, SLOPE_OFF);
}

// The text before the first zero byte (the whole field without one) is text in the processor's
// code page; what follows that byte is never read.
bool IsNameField(const BYTE* pField, std::size_t nSize)
{
    const auto* p = reinterpret_cast<const char*>(pField);
    std::string strUtf8;
    return GbkToUtf8(std::string_view(p, static_cast<std::size_t>(std::find(p, p + nSize, '\0') - p)), strUtf8);
}

bool IsName(const ParamGroup& group)
{
    return IsNameField(group.m_by, sizeof group.m_by);
}

bool IsBand(const BandGroup& band)
{
    return IsTakeableFrequency(band.m_wFreq) && InRange(band.m_nGain - GAIN_CODE_OFFSET, 0, GAIN_POS_MAX) &&
        InRow(ParamId::OutBandWidth, band.m_wBandwidth) && IsSlope(band.m_bySlope) &&
        InRange(band.m_byType, FILTER_PEQ, FILTER_LPF);
}

// Output slopes above the two the outputs have are brought down when the block is loaded.
bool IsCrossover(const CrossoverGroup& g)
{
    return IsTakeableFrequency(g.m_wHpfFreq) && IsTakeableFrequency(g.m_wLpfFreq) &&
        IsTakeableAlignment(g.m_byHpfAlign) && IsTakeableAlignment(g.m_byLpfAlign) && IsSlope(g.m_byHpfSlope) &&
        IsSlope(g.m_byLpfSlope);
}

bool IsCompressor(const CompressorGroup& g)
{
    return InRow(ParamId::CompLevel, g.m_nLevel) && InRow(ParamId::CompAttack, g.m_nAttack) &&
        IsReleaseCode(g.m_nRelease) && InRow(ParamId::CompRatio, g.m_byRatio);
}

// A group of nothing but zero bytes was never filled: the program's stored presets start so, and
// a preset read from the processor leaves its microphone and effect blocks as they were, the live
// ones with the all-zero crossovers they start with, which the data then takes and packs again.
template <typename T>
bool IsUnsetOr(const ParamGroup& group, bool (*pfnCheck)(const T&))
{
    return std::all_of(std::begin(group.m_by), std::end(group.m_by), [](BYTE by) { return by == 0; }) ||
        pfnCheck(ReadGroup<T>(group));
}

bool AreBands(const ParamGroup* pGroups, int nCount)
{
    return std::all_of(pGroups, pGroups + nCount, [](const ParamGroup& g) { return IsUnsetOr(g, IsBand); });
}

// Delay, level and noise gate of the music inputs and the microphone; delay codes mean what an
// output's do.
bool IsInputBase(int nDelay, int nLevel, int nGate)
{
    return InRow(ParamId::OutDelayMs, nDelay) && InRow(ParamId::MusicLevel, nLevel) && InRow(ParamId::MusicGate, nGate);
}

bool IsEffectBlock(const EffectBlock& block)
{
    const ParamGroup* g = block.m_group;
    return AreBands(g, CEffect_Data::PEQ_BANDS) && IsUnsetOr(g[EFFECT_GROUP_CROSSOVER], IsCrossover) &&
        IsName(g[EFFECT_GROUP_NAME]);
}

bool IsMicBlock(const MicBlock& block)
{
    const ParamGroup* g = block.m_group;
    const auto base = ReadGroup<MicBasicGroup>(g[MIC_GROUP_BASE]);
    return AreBands(g, MIC_BANDS) && IsUnsetOr(g[MIC_GROUP_CROSSOVER], IsCrossover) &&
        IsInputBase(base.m_nDelay, base.m_nLevel, g[MIC_GROUP_GATE].m_by[0]) && IsName(g[MIC_GROUP_NAME]);
}

bool IsMusicBlock(const MusicBlock& block)
{
    const ParamGroup* g = block.m_group;
    const auto base = ReadGroup<MusicBasicGroup>(g[MUSIC_GROUP_BASE]);
    return AreBands(g, CHANNEL_BANDS) && IsUnsetOr(g[MUSIC_GROUP_CROSSOVER], IsCrossover) &&
        IsInputBase(base.m_nDelay, base.m_nLevel, g[MUSIC_GROUP_GATE].m_by[0]) && IsName(g[MUSIC_GROUP_NAME]);
}

bool IsOutputBlock(const OutputBlock& block)
{
    const ParamGroup* g = block.m_group;
    const auto base = ReadGroup<OutBasicGroup>(g[OUT_GROUP_BASE]);
    const auto lim = ReadGroup<LimiterGroup>(g[OUT_GROUP_LIMITER]);
    return AreBands(g, CHANNEL_BANDS) && IsUnsetOr(g[OUT_GROUP_CROSSOVER], IsCrossover) && InRow(ParamId::OutLevel, base.m_nLevel) &&
        InRow(ParamId::OutDelayMs, base.m_nDelay) && IsTakeableRole(base.m_byRole) &&
        IsUnsetOr(g[OUT_GROUP_COMPRESSOR], IsCompressor) &&
        InRow(ParamId::AdvLimLevelDbu, lim.m_nLevel) && InRow(ParamId::LimAttack, lim.m_nAttack) &&
        IsReleaseCode(lim.m_nRelease) && IsName(g[OUT_GROUP_NAME]);
}

template <typename Block, std::size_t N>
bool AreAll(const Block (&blocks)[N], bool (*pfnCheck)(const Block&))
{
    return std::all_of(blocks, blocks + N, pfnCheck);
}

}  // namespace

bool IsTakeablePresetImage(const PresetImage& image)
{
    return IsNameField(reinterpret_cast<const BYTE*>(image.m_szName), sizeof image.m_szName) &&
        IsEffectBlock(image.m_effect) && IsMicBlock(image.m_mic) && AreAll(image.m_music, IsMusicBlock) &&
        AreAll(image.m_out, IsOutputBlock);
}

bool IsTakeableInputSettings(const InputSettings& input)
{
    const bool bSource = SourceFromByte(input.m_bySource) != SOURCE_OFF || input.m_bySource == SOURCE_BYTE_OFF;
    return IsMusicInput(input.m_byInput) && IsInputMode(input.m_byInputMode) && bSource &&
        InRow(ParamId::MixThreshold, input.m_byMixThreshold) && InRow(ParamId::MixAtten, input.m_byMixAtten) &&
        InRow(ParamId::MixRelease, input.m_byMixRelease);
}

bool IsTakeableMasterSettings(const MasterSettings& master)
{
    return InRow(ParamId::MasterVolume, master.m_wVolume) && InRow(ParamId::GroupDelay, master.m_byGroupDelay) &&
        InRow(ParamId::NoiseThreshold, master.m_byNoiseThreshold);
}

bool IsTakeableRole(int nRole)
{
    return InRange(nRole, ROLE_NONE, ROLE_MAX);
}

bool IsTakeableFrequency(int nHz)
{
    return InRow(ParamId::OutBandFreq, nHz);
}

bool IsTakeableAlignment(int nAlign)
{
    return InRange(nAlign, ALIGN_LINKWITZ_RILEY, ALIGN_BUTTERWORTH);
}
