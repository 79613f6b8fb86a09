#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "controls/BitmapSliderModel.h"
#include "controls/NumEditTypes.h"
#include "controls/VirtualKeys.h"
#include "model/Filter.h"
#include "model/ParamTable.h"
#include "tests/support/PresetDataFixture.h"

namespace {

using ParamTable = PresetDataTest;

std::string Shown(const ParamRow& row, int v)
{
    return FormatNumEditValue(ParamFormat(row), v).text.value_or("<none>");
}

// The change mark a row's edit sets on its target, if any.
int ChangeMark(const ParamRow& row, CKTV_Data& data, const ParamTarget& t)
{
    switch (row.id) {
    case ParamId::OutBandFreq:
    case ParamId::OutBandWidth:
    case ParamId::OutBandGain: return data.GetOutData(t.nChannel)->GetBand(t.nBand)->GetChanged();
    case ParamId::OutHpfFreq: return data.GetOutData(t.nChannel)->GetHPF()->GetChanged();
    case ParamId::OutLpfFreq: return data.GetOutData(t.nChannel)->GetLPF()->GetChanged();
    case ParamId::OutLevel:
    case ParamId::OutDelayMs:
    case ParamId::OutDelayCm:
    case ParamId::OutDelayInch: return data.GetOutData(t.nChannel)->GetBaseChanged();
    case ParamId::MusicBandFreq:
    case ParamId::MusicBandWidth:
    case ParamId::MusicBandGain: return data.GetMusicData(t.nChannel)->GetBand(t.nBand)->GetChanged();
    case ParamId::MusicLevel: return data.GetMusicData(t.nChannel)->GetBaseChanged();
    case ParamId::AdvLimLevelDbu:
    case ParamId::AdvLimLevelVolt:
    case ParamId::LimAttack:
    case ParamId::AdvLimRelease:
    case ParamId::DynLimLevel:
    case ParamId::DynLimRelease: return data.GetOutData(t.nChannel)->GetLimChanged();
    case ParamId::CompLevel:
    case ParamId::CompRatio:
    case ParamId::CompAttack:
    case ParamId::CompRelease: return data.GetOutData(t.nChannel)->GetCompChanged();
    case ParamId::MusicGate: return data.GetMusicData(t.nChannel)->GetGateChanged();
    case ParamId::MasterVolume:
    case ParamId::MixThreshold:
    case ParamId::MixAtten:
    case ParamId::MixRelease:
    case ParamId::GroupDelay:
    case ParamId::NoiseThreshold: return 0;  // sent as a pending item, not by a change flag
    }
    return -1;
}

}  // namespace

// A user who retypes what a field shows never changes what it shows: every code's text reads back
// to that code, except in centimetres, inches and volts, which are coarser than a step, where it
// reads back to a code with the same text.
TEST(ParamRows, EveryShownTextReadsBackToItself)
{
    for (const ParamRow& row : ParamRows()) {
        SCOPED_TRACE(row.szName);
        if (CommitKindOf(row.nType) == NumEditCommit::None)
            continue;  // a ratio is only stepped, never typed
        const NumEditFormat fmt = ParamFormat(row);
        const bool bCoarse =
            row.id == ParamId::OutDelayCm || row.id == ParamId::OutDelayInch || row.id == ParamId::AdvLimLevelVolt;
        for (int v = row.nMin; v <= row.nMax; ++v) {
            const std::string text = Shown(row, v);
            const std::optional<int> read = CommitNumEditEntry(fmt, text);
            ASSERT_TRUE(read.has_value()) << '"' << text << '"';
            if (bCoarse)
                ASSERT_EQ(Shown(row, *read), text);
            else
                ASSERT_EQ(*read, v) << '"' << text << '"';
        }
    }
}

TEST(ParamRows, ShowTheirBoundsAsThePagesDo)
{
    struct Case {
        ParamId id;
        int v;
        const char* text;
    };
    const Case cases[] = {
        {ParamId::MasterVolume, 0, "OFF"},        {ParamId::MasterVolume, 60, "0dB"},
        {ParamId::MasterVolume, 66, "6dB"},       {ParamId::OutBandGain, 80, "-12.0"},
        {ParamId::OutBandGain, 200, "0.0"},       {ParamId::OutBandGain, 320, "12.0"},
        {ParamId::OutBandFreq, 20, "20"},         {ParamId::OutBandFreq, 20000, "20000"},
        {ParamId::OutHpfFreq, 1000, "1000Hz"},    {ParamId::OutLevel, 0, "OFF"},
        {ParamId::OutLevel, 1, "-59.9dB"},        {ParamId::OutLevel, 600, "0.0dB"},
        {ParamId::OutDelayMs, 0, "0.000"},        {ParamId::OutDelayMs, 259, "5.396"},
        {ParamId::OutDelayCm, 259, "187"},        {ParamId::OutDelayInch, 259, "74"},
        {ParamId::MusicBandGain, 320, "12.0"},    {ParamId::MusicLevel, 600, "0.0dB"},
        {ParamId::MixThreshold, 0, "-120dBu"},    {ParamId::MixThreshold, 120, "0dBu"},
        {ParamId::MixAtten, 0, "-120dB"},         {ParamId::MixRelease, 2, "2s"},
        {ParamId::MixRelease, 30, "30s"},         {ParamId::GroupDelay, 100, "1.00s"},
        {ParamId::GroupDelay, 29, "0.29s"},       {ParamId::NoiseThreshold, 0, "OFF"},
        {ParamId::NoiseThreshold, 1, "-119dBu"},  {ParamId::NoiseThreshold, 100, "-20dBu"},
        {ParamId::AdvLimLevelDbu, 420, "OFF"},    {ParamId::AdvLimLevelDbu, 300, "0.0dBu"},
        {ParamId::AdvLimLevelVolt, 420, "OFF"},   {ParamId::AdvLimLevelVolt, 300, "2.200Vpp"},
        {ParamId::LimAttack, 0, "0.3ms"},         {ParamId::LimAttack, 206, "200ms"},
        {ParamId::AdvLimRelease, 50, "50ms"},     {ParamId::DynLimLevel, 420, "12.0dBu"},
        {ParamId::DynLimLevel, 0, "-30.0dBu"},    {ParamId::CompLevel, 360, "6.0dBu"},
        {ParamId::CompRatio, 1, "1:1"},           {ParamId::CompRatio, 11, "2.0:1"},
        {ParamId::CompRatio, 16, "2.5:1"},        {ParamId::CompRatio, 191, "20.0:1"},
        {ParamId::DynLimRelease, 150, "150ms"},   {ParamId::MusicGate, 0, "OFF"},
        {ParamId::MusicGate, 100, "-20.0dB"},
    };
    for (const Case& c : cases) {
        const ParamRow& row = ParamRowOf(c.id);
        SCOPED_TRACE(row.szName);
        EXPECT_EQ(Shown(row, c.v), c.text);
    }
}

// Each row writes through the model's marking setter: a synchronised edit marks its group for the
// worker, an edit without a processor marks nothing.
TEST_F(ParamTable, WritingMarksTheRowsGroupOnlyWhileSynchronised)
{
    for (const ParamRow& row : ParamRows()) {
        SCOPED_TRACE(row.szName);
        for (const int bSynced : {0, 1}) {
            SetUp();
            // No level rule of the dynamics dialog stands in the way.
            Out(1).SetLimLevel(420);
            Out(1).SetCompLevel(0);
            g_bSynced = bSynced;
            const ParamTarget t{&Data(), 1, 3};
            const int v = ReadParam(row, t) == row.nMax ? row.nMin + 1 : row.nMax;
            WriteParam(row, t, v);
            EXPECT_EQ(ReadParam(row, t), v);
            if (row.scope != ParamScope::Device) {
                EXPECT_EQ(ChangeMark(row, Data(), t), bSynced);
            }
        }
    }
}

TEST_F(ParamTable, MasterVolumeSwitchesTheMasterOn)
{
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, 0);
    WriteParam(ParamRowOf(ParamId::MasterVolume), {}, 30);
    EXPECT_EQ(g_masterSettings.Get().m_wVolume, 30);
    EXPECT_EQ(g_masterSettings.Get().m_byMasterOn, 1);
}

// Outputs 0 and 1 share a link group, output 2 has its own: a band edit of output 0 reaches band
// 3 of output 1 and nothing else; a level edit relies on the model's own copy.
TEST_F(ParamTable, BandEditsOfAnOutputReachTheSameBandOfItsLinkedOutputs)
{
    const int groups[OUTPUT_CHANNELS] = {0, 0, 2, 3, 4, 5, 6, 7};
    std::copy(std::begin(groups), std::end(groups), g_outLinks.m_nGroup);
    g_bSynced = 1;
    const int nOtherGain = Out(2).GetBand(3)->GetGainPos();
    const int nOtherBand = Out(1).GetBand(4)->GetGainPos();

    WriteParam(ParamRowOf(ParamId::OutBandGain), {&Data(), 0, 3}, 260);

    EXPECT_EQ(Out(0).GetBand(3)->GetGainPos(), 260);
    EXPECT_EQ(Out(1).GetBand(3)->GetGainPos(), 260);
    EXPECT_EQ(Out(1).GetBand(3)->GetChanged(), 1);
    EXPECT_EQ(Out(1).GetBand(4)->GetGainPos(), nOtherBand);
    EXPECT_EQ(Out(2).GetBand(3)->GetGainPos(), nOtherGain);
    EXPECT_EQ(Out(2).GetBand(3)->GetChanged(), 0);

    WriteParam(ParamRowOf(ParamId::OutHpfFreq), {&Data(), 1, 0}, 150);
    EXPECT_EQ(Out(0).GetHPF()->GetFreq(), 150);
    EXPECT_NE(Out(2).GetHPF()->GetFreq(), 150);
}

// A gain the processor holds beyond the editors' +-12 dB is shown at the bound, and the model
// keeps it until the user edits the band.
TEST_F(ParamTable, StoredValuesOutsideTheRangeAreShownClampedAndKept)
{
    const ParamRow& gain = ParamRowOf(ParamId::OutBandGain);
    const ParamTarget t{&Data(), 0, 2};
    Out(0).GetBand(2)->SetGainPos(350);  // +15 dB
    EXPECT_EQ(ReadParam(gain, t), 350);
    EXPECT_EQ(ShownParam(gain, t), 320);
    Out(0).GetBand(2)->SetGainPos(10);  // -19 dB
    EXPECT_EQ(ShownParam(gain, t), 80);
    EXPECT_EQ(Out(0).GetBand(2)->GetGainPos(), 10);
}

TEST_F(ParamTable, TargetsOutsideTheModelAreNeitherReadNorWritten)
{
    const ParamRow& level = ParamRowOf(ParamId::OutLevel);
    const ParamRow& band = ParamRowOf(ParamId::MusicBandGain);
    for (const ParamTarget& t : {ParamTarget{&Data(), 8, 0}, ParamTarget{&Data(), -1, 0}, ParamTarget{nullptr, 0, 0}}) {
        EXPECT_FALSE(IsValidTarget(level, t));
        EXPECT_EQ(ReadParam(level, t), level.nMin);
        WriteParam(level, t, 300);
    }
    EXPECT_FALSE(IsValidTarget(band, {&Data(), 6, 0}));
    EXPECT_FALSE(IsValidTarget(band, {&Data(), 0, CHANNEL_BANDS}));
    EXPECT_TRUE(IsValidTarget(band, {&Data(), 5, CHANNEL_BANDS - 1}));
}

// A fader set up from its row stands at each value of the row's range and reads it back: the top
// end is the maximum, the bottom end the minimum, and no value lies where a user's move would
// clamp it away. A band gain's field shows the gain the band takes from the same position.
TEST(ParamRows, EachRowsFaderRoundTripsOverTheRowsRange)
{
    // The rows the pages give a fader.
    for (const ParamId id : {ParamId::MasterVolume, ParamId::OutBandGain, ParamId::OutLevel, ParamId::MusicBandGain,
                             ParamId::MusicLevel})
        EXPECT_GE(ParamRowOf(id).nFaderType, 0) << ParamRowOf(id).szName;
    for (const ParamRow& row : ParamRows()) {
        if (row.nFaderType < 0)
            continue;
        SCOPED_TRACE(row.szName);
        CBitmapSliderModel fader;
        fader.SetType(row.nFaderType);
        fader.SetRangeMax(FaderRange(row));
        for (int v = row.nMin; v <= row.nMax; ++v) {
            fader.SetPos(v);
            ASSERT_EQ(fader.GetPos(), v);
            ASSERT_FALSE(fader.ClampedSet(fader.GetRaw())) << v;
        }
        fader.SetPos(row.nMax);
        EXPECT_EQ(fader.GetRaw(), 0);
        fader.Key(VK_END);
        EXPECT_EQ(fader.GetPos(), row.nMin);
        fader.Key(VK_HOME);
        EXPECT_EQ(fader.GetPos(), row.nMax);
    }

    for (const ParamId id : {ParamId::OutBandGain, ParamId::MusicBandGain}) {
        const ParamRow& row = ParamRowOf(id);
        SCOPED_TRACE(row.szName);
        CFilter band;
        for (int v = row.nMin; v <= row.nMax; ++v) {
            band.SetGainPos(v);
            ASSERT_DOUBLE_EQ(band.GetGain(), v * row.dScale - row.dOffset) << v;
        }
    }
}

TEST(ParamRows, DelayRowFollowsTheDisplayUnit)
{
    EXPECT_EQ(DelayParamOfUnit(1), ParamId::OutDelayMs);
    EXPECT_EQ(DelayParamOfUnit(2), ParamId::OutDelayCm);
    EXPECT_EQ(DelayParamOfUnit(3), ParamId::OutDelayInch);
    EXPECT_EQ(DelayParamOfUnit(0), ParamId::OutDelayMs);
    for (const int nUnit : {1, 2, 3})
        EXPECT_EQ(ParamRowOf(DelayParamOfUnit(nUnit)).nType, nUnit - 1);
}

// The dynamics dialog keeps each output's limiter at or above its compressor: a limiter set
// below the compressor stops at it, a compressor set above the limiter stops at it.
TEST_F(ParamTable, DynamicsLevelsKeepTheLimiterAtOrAboveTheCompressor)
{
    const ParamTarget t{&Data(), 2, 0};
    Out(2).SetLimLevel(250);
    Out(2).SetCompLevel(200);
    WriteParam(ParamRowOf(ParamId::DynLimLevel), t, 100);
    EXPECT_EQ(Out(2).GetLimLevel(), 200);
    WriteParam(ParamRowOf(ParamId::DynLimLevel), t, 200);  // equal levels are allowed
    EXPECT_EQ(Out(2).GetLimLevel(), 200);
    Out(2).SetLimLevel(250);
    WriteParam(ParamRowOf(ParamId::CompLevel), t, 300);
    EXPECT_EQ(Out(2).GetCompLevel(), 250);
    // The advanced dialog's limiter level knows no such rule.
    WriteParam(ParamRowOf(ParamId::AdvLimLevelDbu), t, 10);
    EXPECT_EQ(Out(2).GetLimLevel(), 10);
}

// The release fields of the dynamics dialog show the code + 50 ms, those of the advanced
// dialog the code itself.
TEST_F(ParamTable, ReleaseCodesShowAsTheirDialogsCountThem)
{
    const ParamTarget t{&Data(), 0, 0};
    Out(0).SetLimRelease(100);
    EXPECT_EQ(ReadParam(ParamRowOf(ParamId::DynLimRelease), t), 150);
    EXPECT_EQ(ReadParam(ParamRowOf(ParamId::AdvLimRelease), t), 100);
    WriteParam(ParamRowOf(ParamId::DynLimRelease), t, 50);
    EXPECT_EQ(Out(0).GetLimRelease(), 0);
    WriteParam(ParamRowOf(ParamId::CompRelease), t, 5000);
    EXPECT_EQ(Out(0).GetCompRelease(), 4950);
}

// Fault mended: texts the dialogs show once read back to the step below ("0.29s" as 28); a
// typed text now stores the code it shows.
TEST(ParamRows, TypedTextsStoreTheCodesTheyShow)
{
    struct Case {
        ParamId id;
        const char* text;
        int v;
    };
    const Case cases[] = {
        {ParamId::GroupDelay, "0.29", 29},      {ParamId::GroupDelay, "0.29s", 29},
        {ParamId::DynLimLevel, "-29.8dBu", 2},  {ParamId::AdvLimLevelDbu, "-29.8dBu", 2},
        {ParamId::CompLevel, "-29.8", 2},       {ParamId::LimAttack, "0.6ms", 3},
        {ParamId::CompAttack, "0.6", 3},        {ParamId::MixThreshold, "-37dBu", 83},
        {ParamId::NoiseThreshold, "-119dBu", 1}, {ParamId::MusicGate, "-20.0dB", 100},
    };
    for (const Case& c : cases) {
        const ParamRow& row = ParamRowOf(c.id);
        SCOPED_TRACE(std::string(row.szName) + " " + c.text);
        EXPECT_EQ(CommitNumEditEntry(ParamFormat(row), c.text), c.v);
    }
}
