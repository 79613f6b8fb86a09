#include "model/ParamTable.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "model/DataDefine.h"
#include "model/Filter.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/Music_InData.h"

namespace {
constexpr int kDelayMax = 259;  // 5.396 ms, the last code every page offers
constexpr int kLevelMax = 600;  // 0 dB
constexpr int kMasterMax = 66;  // +6 dB

// The value types of the rows' faders (CBitmapSlider).
constexpr int kNoFader = -1;
constexpr int kPlainFader = 0;
constexpr int kGainFader = 10;

CKTV_OutData& Out(const ParamTarget& t)
{
    return *t.pData->GetOutData(t.nChannel);
}

CMusic_InData& Music(const ParamTarget& t)
{
    return *t.pData->GetMusicData(t.nChannel);
}

CFilter& OutBand(const ParamTarget& t)
{
    return *Out(t).GetBand(t.nBand);
}

CFilter& MusicBand(const ParamTarget& t)
{
    return *Music(t).GetBand(t.nBand);
}

int GetMasterVolume(const ParamTarget&)
{
    return static_cast<std::int16_t>(g_masterSettings.Get().m_wVolume);
}

// A new volume also switches the master on: moving the volume is asking to hear it.
void SetMasterVolume(const ParamTarget&, int v)
{
    g_masterSettings.Update([v](MasterSettings& m) {
        m.m_wVolume = WORD(v);
        if (m.m_byMasterOn == 0)
            m.m_byMasterOn = 1;
    });
}

// Advanced settings dialog. The link worker stores these bytes from replies and copies them into
// frames; each setter changes its shared value in one step and never waits for the link lock.
constexpr int kMixMax = 120;
constexpr int kGroupDelayMax = 100;
constexpr int kNoiseMax = 100;
constexpr int kLimLevelMax = 420;  // +12 dBu
constexpr int kCompLevelMax = 360;  // +6 dBu
constexpr int kAttackMax = 206;     // 200 ms
constexpr int kReleaseMin = 50;     // ms
constexpr int kReleaseMax = 5000;
constexpr int kRatioMax = 191;      // 20.0:1

template <BYTE InputSettings::*Field>
int GetInputByte(const ParamTarget&)
{
    return g_inputSettings.Get().*Field;
}

template <BYTE InputSettings::*Field>
void SetInputByte(const ParamTarget&, int v)
{
    g_inputSettings.SetField(Field, BYTE(v));
}

void SetGroupDelay(const ParamTarget&, int v)
{
    g_masterSettings.SetField(&MasterSettings::m_byGroupDelay, BYTE(v));
}

// The processor takes its noise echo byte equal to the threshold: both change in one step, so
// no frame carries one without the other.
void SetNoiseThreshold(const ParamTarget&, int v)
{
    g_masterSettings.Update([v](MasterSettings& m) {
        m.m_byNoiseThreshold = BYTE(v);
        m.m_byNoiseEcho = BYTE(v);
    });
}

// Dynamics dialog: a limiter never starts below its compressor, nor a compressor above its
// limiter; the other level, as received, is taken within the edited one's range.
void SetLimLevelOverComp(const ParamTarget& t, int v)
{
    const int nComp = std::clamp<int>(Out(t).GetCompLevel(), 0, kLimLevelMax);
    Out(t).SetLimLevel(std::int16_t(std::max(v, nComp)));
}

void SetCompLevelUnderLim(const ParamTarget& t, int v)
{
    const int nLim = std::clamp<int>(Out(t).GetLimLevel(), 0, kCompLevelMax);
    Out(t).SetCompLevel(std::int16_t(std::min(v, nLim)));
}

constexpr ParamRow kRows[] = {
    {ParamId::MasterVolume, "master volume", ParamScope::Device, 25, 0, kMasterMax, 1.0, 60.0, "", -1,
     kPlainFader, ParamPending::Master, false, GetMasterVolume, SetMasterVolume},
    {ParamId::OutBandFreq, "output band frequency", ParamScope::OutputBand, 4, 20, 20000, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, true, [](const ParamTarget& t) { return OutBand(t).GetFreq(); },
     [](const ParamTarget& t, int v) { OutBand(t).SetFreq(v, true); }},
    {ParamId::OutBandWidth, "output band bandwidth", ParamScope::OutputBand, 11, 0, 295, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, true, [](const ParamTarget& t) { return OutBand(t).GetBandwidthIndex(); },
     [](const ParamTarget& t, int v) { OutBand(t).SetBandwidthIndex(v); }},
    {ParamId::OutBandGain, "output band gain", ParamScope::OutputBand, 10, GAIN_POS_EDIT_MIN, GAIN_POS_EDIT_MAX,
     GAIN_POS_DB, GAIN_POS_OFFSET_DB, "", -1, kGainFader, ParamPending::None, true,
     [](const ParamTarget& t) { return OutBand(t).GetGainPos(); },
     [](const ParamTarget& t, int v) { OutBand(t).SetGainPos(v); }},
    {ParamId::OutHpfFreq, "output high-pass frequency", ParamScope::Output, 8, 20, 20000, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, true, [](const ParamTarget& t) { return Out(t).GetHPF()->GetFreq(); },
     [](const ParamTarget& t, int v) { Out(t).GetHPF()->SetFreq(v, true); }},
    {ParamId::OutLpfFreq, "output low-pass frequency", ParamScope::Output, 8, 20, 20000, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, true, [](const ParamTarget& t) { return Out(t).GetLPF()->GetFreq(); },
     [](const ParamTarget& t, int v) { Out(t).GetLPF()->SetFreq(v, true); }},
    {ParamId::OutLevel, "output level", ParamScope::Output, 23, 0, kLevelMax, 0.1, 60.0, "", -1, kPlainFader,
     ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetLevel()); },
     [](const ParamTarget& t, int v) { Out(t).SetLevel(std::int16_t(v)); }},
    {ParamId::OutDelayMs, "output delay (ms)", ParamScope::Output, 0, 0, kDelayMax, 0.0, 0.0, "", 2,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetDelay()); },
     [](const ParamTarget& t, int v) { Out(t).SetDelay(std::int16_t(v)); }},
    {ParamId::OutDelayCm, "output delay (cm)", ParamScope::Output, 1, 0, kDelayMax, 0.0, 0.0, "", 2,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetDelay()); },
     [](const ParamTarget& t, int v) { Out(t).SetDelay(std::int16_t(v)); }},
    {ParamId::OutDelayInch, "output delay (inch)", ParamScope::Output, 2, 0, kDelayMax, 0.0, 0.0, "", 2,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetDelay()); },
     [](const ParamTarget& t, int v) { Out(t).SetDelay(std::int16_t(v)); }},
    // The input page's frequency spins step by 1 Hz, not along the frequency grid.
    {ParamId::MusicBandFreq, "music band frequency", ParamScope::MusicBand, 4, 20, 20000, 0.0, 0.0, "", 0,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return MusicBand(t).GetFreq(); },
     [](const ParamTarget& t, int v) { MusicBand(t).SetFreq(v, true); }},
    {ParamId::MusicBandWidth, "music band bandwidth", ParamScope::MusicBand, 11, 0, 295, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return MusicBand(t).GetBandwidthIndex(); },
     [](const ParamTarget& t, int v) { MusicBand(t).SetBandwidthIndex(v); }},
    {ParamId::MusicBandGain, "music band gain", ParamScope::MusicBand, 10, GAIN_POS_EDIT_MIN, GAIN_POS_EDIT_MAX,
     GAIN_POS_DB, GAIN_POS_OFFSET_DB, "", -1, kGainFader, ParamPending::None, false,
     [](const ParamTarget& t) { return MusicBand(t).GetGainPos(); },
     [](const ParamTarget& t, int v) { MusicBand(t).SetGainPos(v); }},
    {ParamId::MusicLevel, "music input level", ParamScope::Music, 23, 0, kLevelMax, 0.1, 60.0, "", -1,
     kPlainFader, ParamPending::None, false, [](const ParamTarget& t) { return Music(t).GetLevel(); },
     [](const ParamTarget& t, int v) { Music(t).SetLevel(v); }},
    // Advanced settings dialog
    {ParamId::MixThreshold, "mixer threshold", ParamScope::Device, 26, 0, kMixMax, 1.0, 120.0, "", -1,
     kNoFader, ParamPending::Input, false, GetInputByte<&InputSettings::m_byMixThreshold>,
     SetInputByte<&InputSettings::m_byMixThreshold>},
    {ParamId::MixAtten, "mixer attenuation", ParamScope::Device, 26, 0, kMixMax, 1.0, 120.0, "dB", -1,
     kNoFader, ParamPending::Input, false, GetInputByte<&InputSettings::m_byMixAtten>,
     SetInputByte<&InputSettings::m_byMixAtten>},
    {ParamId::MixRelease, "mixer release", ParamScope::Device, 20, 2, 30, 1.0, 1.0, "s", -1, kNoFader,
     ParamPending::Input, false, GetInputByte<&InputSettings::m_byMixRelease>,
     SetInputByte<&InputSettings::m_byMixRelease>},
    {ParamId::GroupDelay, "music group delay", ParamScope::Device, 14, 0, kGroupDelayMax, 0.01, 100.0, "s", -1,
     kNoFader, ParamPending::Master, false,
     [](const ParamTarget&) { return int(g_masterSettings.Get().m_byGroupDelay); }, SetGroupDelay},
    {ParamId::NoiseThreshold, "noise threshold", ParamScope::Device, 23, 0, kNoiseMax, 1.0, 120.0, "dBu", -1,
     kNoFader, ParamPending::Master, false,
     [](const ParamTarget&) { return int(g_masterSettings.Get().m_byNoiseThreshold); }, SetNoiseThreshold},
    {ParamId::AdvLimLevelDbu, "limiter level (dBu)", ParamScope::Output, 30, 0, kLimLevelMax, 0.1, 30.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetLimLevel()); },
     [](const ParamTarget& t, int v) { Out(t).SetLimLevel(std::int16_t(v)); }},
    {ParamId::AdvLimLevelVolt, "limiter level (Vpp)", ParamScope::Output, 32, 0, kLimLevelMax, 0.1, 30.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetLimLevel()); },
     [](const ParamTarget& t, int v) { Out(t).SetLimLevel(std::int16_t(v)); }},
    {ParamId::LimAttack, "limiter attack", ParamScope::Output, 5, 0, kAttackMax, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetLimAttack()); },
     [](const ParamTarget& t, int v) { Out(t).SetLimAttack(std::int16_t(v)); }},
    {ParamId::AdvLimRelease, "limiter release (code)", ParamScope::Output, 6, kReleaseMin, kReleaseMax, 0.0, 0.0,
     "ms", -1, kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetLimRelease()); },
     [](const ParamTarget& t, int v) { Out(t).SetLimRelease(std::int16_t(v)); }},
    // Dynamics dialog
    {ParamId::DynLimLevel, "limiter level", ParamScope::Output, 24, 0, kLimLevelMax, 0.1, 30.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetLimLevel()); },
     SetLimLevelOverComp},
    {ParamId::DynLimRelease, "limiter release", ParamScope::Output, 6, kReleaseMin, kReleaseMax, 0.0, 0.0, "ms", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return Out(t).GetLimRelease() + kReleaseMin; },
     [](const ParamTarget& t, int v) { Out(t).SetLimRelease(std::int16_t(v - kReleaseMin)); }},
    {ParamId::CompLevel, "compressor level", ParamScope::Output, 24, 0, kCompLevelMax, 0.1, 30.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetCompLevel()); },
     SetCompLevelUnderLim},
    {ParamId::CompRatio, "compressor ratio", ParamScope::Output, 40, 1, kRatioMax, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetCompRatio()); },
     [](const ParamTarget& t, int v) { Out(t).SetCompRatio(BYTE(v)); }},
    {ParamId::CompAttack, "compressor attack", ParamScope::Output, 5, 0, kAttackMax, 0.0, 0.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return int(Out(t).GetCompAttack()); },
     [](const ParamTarget& t, int v) { Out(t).SetCompAttack(std::int16_t(v)); }},
    {ParamId::CompRelease, "compressor release", ParamScope::Output, 6, kReleaseMin, kReleaseMax, 0.0, 0.0, "ms", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return Out(t).GetCompRelease() + kReleaseMin; },
     [](const ParamTarget& t, int v) { Out(t).SetCompRelease(std::int16_t(v - kReleaseMin)); }},
    {ParamId::MusicGate, "music noise gate", ParamScope::Music, 23, 0, kNoiseMax, 1.0, 120.0, "", -1,
     kNoFader, ParamPending::None, false, [](const ParamTarget& t) { return Music(t).GetGateThreshold(); },
     [](const ParamTarget& t, int v) { Music(t).SetGateThreshold(v); }},
};

bool InRange(int n, int nCount)
{
    return n >= 0 && n < nCount;
}
}  // namespace

std::span<const ParamRow> ParamRows()
{
    return kRows;
}

const ParamRow& ParamRowOf(ParamId id)
{
    for (const ParamRow& row : kRows)
        if (row.id == id)
            return row;
    throw std::logic_error("parameter without a row");
}

bool IsValidTarget(const ParamRow& row, const ParamTarget& target)
{
    if (row.scope == ParamScope::Device)
        return true;
    if (target.pData == nullptr)
        return false;
    switch (row.scope) {
    case ParamScope::Output: return InRange(target.nChannel, OUTPUT_CHANNELS);
    case ParamScope::OutputBand:
        return InRange(target.nChannel, OUTPUT_CHANNELS) && InRange(target.nBand, CHANNEL_BANDS);
    case ParamScope::Music: return InRange(target.nChannel, MUSIC_CHANNELS);
    case ParamScope::MusicBand:
        return InRange(target.nChannel, MUSIC_CHANNELS) && InRange(target.nBand, CHANNEL_BANDS);
    case ParamScope::Device: break;
    }
    return true;
}

int ReadParam(const ParamRow& row, const ParamTarget& target)
{
    return IsValidTarget(row, target) ? row.pfnGet(target) : row.nMin;
}

int ShownParam(const ParamRow& row, const ParamTarget& target)
{
    return std::clamp(ReadParam(row, target), row.nMin, row.nMax);
}

void WriteParam(const ParamRow& row, const ParamTarget& target, int v)
{
    if (!IsValidTarget(row, target))
        return;
    row.pfnSet(target, v);
    if (!row.bCopyToLinked)
        return;
    for (const int i : LinkedOutputs(target.nChannel)) {
        ParamTarget linked = target;
        linked.nChannel = i;
        row.pfnSet(linked, v);
    }
}

int FaderRange(const ParamRow& row)
{
    return row.nMax - row.nMin;
}

ParamId DelayParamOfUnit(int nUnit)
{
    switch (nUnit) {
    case 2: return ParamId::OutDelayCm;
    case 3: return ParamId::OutDelayInch;
    default: return ParamId::OutDelayMs;
    }
}
