#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "controls/NumEditTypes.h"
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
    case ParamId::MasterVolume: return 0;  // sent as a pending item, not by a change flag
    }
    return -1;
}

}  // namespace

// A user who retypes what a field shows never changes what it shows: every code's text reads back
// to that code, except in centimetres and inches, which are coarser than a delay step, where it
// reads back to a code with the same text.
TEST(ParamRows, EveryShownTextReadsBackToItself)
{
    for (const ParamRow& row : ParamRows()) {
        SCOPED_TRACE(row.szName);
        const NumEditFormat fmt = ParamFormat(row);
        const bool bCoarse = row.id == ParamId::OutDelayCm || row.id == ParamId::OutDelayInch;
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
    g_masterSettings.m_byMasterOn = 0;
    WriteParam(ParamRowOf(ParamId::MasterVolume), {}, 30);
    EXPECT_EQ(g_masterSettings.m_wVolume, 30);
    EXPECT_EQ(g_masterSettings.m_byMasterOn, 1);
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

TEST(ParamRows, DelayRowFollowsTheDisplayUnit)
{
    EXPECT_EQ(DelayParamOfUnit(1), ParamId::OutDelayMs);
    EXPECT_EQ(DelayParamOfUnit(2), ParamId::OutDelayCm);
    EXPECT_EQ(DelayParamOfUnit(3), ParamId::OutDelayInch);
    EXPECT_EQ(DelayParamOfUnit(0), ParamId::OutDelayMs);
    for (const int nUnit : {1, 2, 3})
        EXPECT_EQ(ParamRowOf(DelayParamOfUnit(nUnit)).nType, nUnit - 1);
}
