// Music inputs, the microphone and the effect: what differs from the outputs.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "model/KTV_Data.h"
#include "tests/support/PresetDataFixture.h"

using InputData = PresetDataTest;

TEST_F(InputData, MusicLevelZeroIsALevelNotAMute)
{
    g_bSynced = 1;
    Music(2).SetLevel(0);
    EXPECT_EQ(Music(2).GetMute(), 0);
    EXPECT_EQ(Music(2).GetLevel(), 0);
    EXPECT_EQ(Music(2).GetBaseChanged(), 1);
    const FrameFields f = Next();
    EXPECT_EQ(f.nBlock, BLOCK_MUSIC);
    EXPECT_EQ(f.nIndex, 2);
    EXPECT_EQ(f.nSub, MUSIC_GROUP_BASE);
    EXPECT_EQ(f.payload[6] | f.payload[7] << 8, 0);
}

TEST_F(InputData, MusicUnpackKeepsMuteSlopeAndTheProcessorsByte)
{
    g_bSynced = 1;
    MusicBlock& block = g_liveImage.m_music[3];
    WriteGroup(block.m_group[MUSIC_GROUP_BASE], MusicBasicGroup{0x5A, 1, 0, 1, 30, 0});
    WriteGroup(block.m_group[MUSIC_GROUP_CROSSOVER], CrossoverGroup{80, 2, 5, 9000, 0, 3});
    Music(3).LoadFromDevice(block);
    EXPECT_EQ(Music(3).GetMute(), 0);
    EXPECT_EQ(Music(3).GetLevel(), 0);
    EXPECT_EQ(Music(3).GetGraphicEQ(), 0);
    EXPECT_EQ(Music(3).GetBand(0)->GetGraphicEQ(), 0);
    EXPECT_EQ(Music(3).GetHPF()->GetSlope(), 5);
    EXPECT_EQ(Music(3).GetLPF()->GetSlope(), 3);
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(Music(3).GetBand(i)->GetChanged(), 0) << i;
    EXPECT_EQ(Music(3).GetBaseChanged(), 0);

    Music(3).SetPolarity(0);
    Music(3).PackAll();
    EXPECT_EQ(block.m_group[MUSIC_GROUP_BASE].m_by[0], 0x5A);
    EXPECT_EQ(block.m_group[MUSIC_GROUP_BASE].m_by[1], 0);
    EXPECT_EQ(block.m_group[MUSIC_GROUP_CROSSOVER].m_by[3], 5);
}

TEST_F(InputData, MusicBypassAllCoversEveryPeakingBand)
{
    Music(0).GetBand(30)->SetGainPos(150);
    Music(0).BypassAll(1);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(Music(0).GetBand(i)->GetBypass(), 1) << i;
    EXPECT_EQ(Music(0).GetHPF()->GetBypass(), 0);
    EXPECT_EQ(Music(0).GetLPF()->GetBypass(), 0);
    EXPECT_EQ(Music(0).UpdateEQBypass(), 1);
}

// Only the basic and gate groups and the bands travel group by group; the name, crossover and
// limiter go with whole-block writes.
TEST_F(InputData, MusicLimiterNameAndCrossoverAreMarkedButNotPolled)
{
    g_bSynced = 1;
    Music(1).SetLimiterThreshold(450);
    Music(1).SetName("Aux");
    Music(1).GetHPF()->SetFreq(200, true);
    EXPECT_EQ(Music(1).GetLimiterChanged(), 1);
    EXPECT_EQ(Music(1).GetNameChanged(), 1);
    EXPECT_EQ(Next().nIndex, SYS_STATUS);
    Music(1).SetGateThreshold(0);
    const FrameFields f = Next();
    EXPECT_EQ(f.nSub, MUSIC_GROUP_GATE);
    EXPECT_EQ(f.payload[0], 0);
}

TEST_F(InputData, MicrophoneBlockKeepsItsBytes)
{
    g_bSynced = 1;
    MicBlock& block = g_liveImage.m_mic;
    WriteGroup(block.m_group[MIC_GROUP_BASE], MicBasicGroup{3, 1, 0, 1, 44, 0});
    WriteGroup(block.m_group[MIC_GROUP_CROSSOVER], CrossoverGroup{100, 2, 3, 12000, 1, 2});
    WriteGroup(block.m_group[MIC_GROUP_LIMITER], InputLimiterGroup{321, 0xA7, 0xB8});
    std::memcpy(block.m_group[MIC_GROUP_NAME].m_by, "Vocal 12", 8);
    Mic().LoadFromDevice(block);

    EXPECT_EQ(Mic().GetName(), "Vocal 12");
    EXPECT_EQ(Mic().GetMute(), 1);
    EXPECT_EQ(Mic().GetGrade(), 3);
    EXPECT_EQ(Mic().GetLimiterA(), 0xA7);
    EXPECT_EQ(Mic().GetEqReserved(), 0);  // nothing in a block or elsewhere sets it
    for (int i = 0; i < Mic().GetBandCount(); ++i)
        EXPECT_EQ(Mic().GetBand(i)->GetChanged(), 0) << i;

    MicBlock before = block;
    std::memset(&block, 0, sizeof block);
    Mic().PackAll();
    EXPECT_EQ(block.m_group[MIC_GROUP_LIMITER].m_by[2], 0xA7);  // byte 98
    EXPECT_EQ(block.m_group[MIC_GROUP_LIMITER].m_by[3], 0xB8);  // byte 99
    for (int g : {MIC_GROUP_BASE, MIC_GROUP_CROSSOVER, MIC_GROUP_NAME})
        EXPECT_EQ(std::memcmp(block.m_group[g].m_by, before.m_group[g].m_by, 8), 0) << g;
}

TEST_F(InputData, MicrophoneSendersBuildFramesOnlyWhenAsked)
{
    EXPECT_EQ(Mic().SendName(0), nullptr);
    const FrameFields f = Fields(*Mic().SendName(1));
    EXPECT_EQ(f.nBlock, BLOCK_MIC);
    EXPECT_EQ(f.nSub, MIC_GROUP_NAME);
    EXPECT_EQ(std::string(f.payload.begin(), f.payload.begin() + 5), "Mic 1");
}

TEST_F(InputData, EffectRoundTripsAndLoadsUnmarked)
{
    g_bSynced = 1;
    Effect().SetEchoBalance(150);
    Effect().SetEchoDelay(200);
    Effect().SetEchoValue6(7);
    Effect().SetReverbPct4(99);
    Effect().SetReverbDelay(250);
    Effect().GetHPF()->SetFreq(90, false);
    Effect().PackAll();

    CKTV_Data other;
    other.GetEffectData()->LoadFromDevice(g_liveImage.m_effect);
    const CEffect_Data& e = *other.GetEffectData();
    EXPECT_EQ(e.GetEchoBalance(), 150);
    EXPECT_EQ(e.GetEchoDelay(), 200);
    EXPECT_EQ(e.GetEchoValue6(), 7);
    EXPECT_EQ(e.GetReverbPct4(), 99);
    EXPECT_EQ(e.GetReverbDelay(), 250);
    EXPECT_EQ(e.GetName(), "Effect");
    EXPECT_EQ(e.GetHPF()->GetFreq(), 90);
    for (int i = 0; i < e.GetBandCount(); ++i)
        EXPECT_EQ(e.GetBand(i)->GetChanged(), 0) << i;
}

TEST_F(InputData, Texts)
{
    struct Case {
        std::function<std::string()> text;
        std::string expected;
    };
    const Case cases[] = {
        {[&] { Music(0).SetGateThreshold(0); return Music(0).GetGateThresholdText(); }, "OFF"},
        {[&] { Music(0).SetGateThreshold(40); return Music(0).GetGateThresholdText(); }, "-80.0dBu"},
        {[&] { return Music(0).GetLevelText(); }, "370dB"},
        {[&] { Music(0).SetDelay(150); return Music(0).GetDelayText(); }, "60.0ms"},
        {[&] { return Music(0).GetLimiterText(); }, "20.0"},
        {[&] { return Mic().GetGradeText(); }, " OFF "},
        {[&] { Mic().SetGrade(2); return Mic().GetGradeText(); }, " 2Level"},
        {[&] { return Mic().GetLevelText(); }, "320dB"},
        {[&] { Effect().SetEchoBalance(20); return Effect().GetEchoBalanceText(); }, "R_80%"},
        {[&] { Effect().SetEchoBalance(100); return Effect().GetEchoBalanceText(); }, "OFF"},
        {[&] { Effect().SetEchoBalance(150); return Effect().GetEchoBalanceText(); }, "L_50%"},
        {[&] { Effect().SetEchoBalance(196); return Effect().GetEchoBalanceText(); }, ""},
        {[&] { return Effect().GetEchoDelayText(); }, "168ms"},
        {[&] { return Effect().GetReverbTimeText(); }, "1.8s"},
        {[&] { return Effect().GetReverbPct3Text(); }, "40%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text(), c.expected);
    g_bChinese = 1;
    EXPECT_EQ(Mic().GetGradeText(), " 2级");
    EXPECT_EQ(Music(0).GetPolarityText(), "正相");
}
