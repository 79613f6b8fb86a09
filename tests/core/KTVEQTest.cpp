#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "model/DataDefine.h"
#include "model/KTVEQ.h"
#include "platform/Archive.h"
#include "tests/support/ScopedFlag.h"

namespace {

constexpr Rect PLOT{0, 0, 600, 240};

std::string Bytes(const BandGroup& g)
{
    return std::string(reinterpret_cast<const char*>(&g), sizeof g);
}

BandGroup FromBytes(const std::string& bytes)
{
    BandGroup g;
    std::memcpy(&g, bytes.data(), sizeof g);
    return g;
}

}  // namespace

TEST(KTVEQ, OutputSetHasThirtyOneBandsAndTwoCrossovers)
{
    CKTVEQ eq;
    eq.InitOutBands(30, 32, 10, 20, 20000);
    ASSERT_EQ(eq.GetSize(), 33);
    for (int i = 0; i < 31; ++i) {
        EXPECT_EQ(eq.GetAt(i)->GetFreq(), g_nOutBandFreq[i]);
        EXPECT_EQ(eq.GetAt(i)->GetGroup(), i);
        EXPECT_EQ(eq.GetAt(i)->GetType(), FILTER_PEQ);
        EXPECT_EQ(eq.GetAt(i)->GetChanged(), 0);
    }
    EXPECT_EQ(eq.GetHPF(), eq.GetAt(31));
    EXPECT_EQ(eq.GetHPF()->GetRangeId(), 10);
    EXPECT_EQ(eq.GetHPF()->GetFreq(), 20);
    EXPECT_EQ(eq.GetHPF()->GetGroup(), 32);
    EXPECT_EQ(eq.GetGroupByte(31), 32);
    EXPECT_EQ(eq.GetGroupByte(7), 7);
    EXPECT_EQ(eq.GetHPF()->GetShowHandles(), 0);
    EXPECT_EQ(eq.GetHPF()->GetAlign(), ALIGN_LINKWITZ_RILEY);  // until the speaker role sets it
    EXPECT_EQ(eq.GetLPF(), eq.GetAt(32));
    EXPECT_EQ(eq.GetLPF()->GetRangeId(), 12);
    EXPECT_EQ(eq.GetLPF()->GetDevFreq(), 20000);
}

TEST(KTVEQ, InputAndEffectSets)
{
    CKTVEQ mic;
    mic.InitMicBands(8, 10, 20000);
    ASSERT_EQ(mic.GetSize(), 11);
    EXPECT_EQ(mic.GetAt(0)->GetType(), FILTER_LOW_SHELF);
    EXPECT_EQ(mic.GetAt(8)->GetType(), FILTER_HIGH_SHELF);
    EXPECT_EQ(mic.GetAt(8)->GetFreq(), 1035);
    EXPECT_EQ(mic.GetAt(4)->GetType(), FILTER_PEQ);
    for (const CFilter* x : {mic.GetHPF(), mic.GetLPF()}) {
        EXPECT_EQ(x->GetAlign(), ALIGN_BUTTERWORTH);
        EXPECT_EQ(x->GetTwoSlopes(), 1);
        EXPECT_EQ(x->GetGroup(), 10);
        EXPECT_EQ(x->GetShowHandles(), 0);
    }
    EXPECT_EQ(mic.GetLPF()->GetFreq(), 20000);

    CKTVEQ music;
    music.InitMusicBands(30, 32, 20000);
    ASSERT_EQ(music.GetSize(), 33);
    EXPECT_EQ(music.GetAt(13)->GetFreq(), 12210);
    EXPECT_EQ(music.GetAt(14)->GetFreq(), 20000);
    EXPECT_EQ(music.GetAt(15)->GetFreq(), 630);
    EXPECT_EQ(music.GetAt(30)->GetFreq(), 20000);
    EXPECT_EQ(music.GetHPF()->GetGroup(), 32);

    CKTVEQ effect;
    effect.InitEffectBands(2, 8, 20000);
    ASSERT_EQ(effect.GetSize(), 5);
    EXPECT_EQ(effect.GetAt(1)->GetFreq(), 1000);
    EXPECT_EQ(effect.GetHPF()->GetRangeId(), 8);
    EXPECT_EQ(effect.GetLPF()->GetRangeId(), 8);
    EXPECT_EQ(effect.GetLPF()->GetGroup(), 8);
}

TEST(KTVEQ, BandGroupBytes)
{
    CKTVEQ eq;
    eq.InitOutBands(30, 32, 9, 20, 20000);
    CFilter& band = *eq.GetAt(5);
    band.SetFreq(1000, false);
    band.SetGainPos(235);
    band.SetBandwidthIndex(115);
    EXPECT_EQ(Bytes(eq.BandToGroup(5)), std::string("\xE8\x03\x7B\x02\x73\x00\x00\x00", 8));

    band.SetGainPos(260);
    band.SetBypassAll(true);  // a bypass travels as 0 dB
    EXPECT_EQ(Bytes(eq.BandToGroup(5)), std::string("\xE8\x03\x58\x02\x73\x00\x00\x00", 8));
    eq.GroupToBand(eq.BandToGroup(5), 7);
    EXPECT_TRUE(eq.GetAt(7)->GetFlat());
    EXPECT_FALSE(eq.GetAt(7)->GetBypass());
    EXPECT_EQ(eq.GetAt(7)->GetGain(), 0.0);
}

TEST(KTVEQ, ReceivedGroupsSetTheBandWithoutMarkingIt)
{
    ScopedFlag synced(g_bSynced, 1);
    CKTVEQ eq;
    eq.InitMusicBands(30, 32, 20000);
    eq.SetGraphRect(PLOT);
    eq.GroupToBand(FromBytes(std::string("\x90\x01\x90\x01\x00\x00\x01\x02", 8)), 3);  // 400 Hz, code 400
    const CFilter& band = *eq.GetAt(3);
    EXPECT_EQ(band.GetFreq(), 400);
    EXPECT_EQ(band.GetDevFreq(), 400);
    EXPECT_DOUBLE_EQ(band.GetGain(), -20.0);
    EXPECT_DOUBLE_EQ(band.GetBandwidth(), 0.05);
    EXPECT_EQ(band.GetSlope(), 1);
    EXPECT_EQ(band.GetType(), FILTER_HIGH_SHELF);
    EXPECT_EQ(band.GetChanged(), 0);

    eq.GroupToBand(FromBytes(std::string("\x10\x27\x20\x03\x27\x01\x00\x00", 8)), 4);  // code 800
    EXPECT_DOUBLE_EQ(eq.GetAt(4)->GetGain(), 20.0);
    EXPECT_EQ(eq.GetAt(4)->GetChanged(), 0);
}

// What the processor sent goes back unchanged, absurd values included; only a band that
// contributes nothing travels as 0 dB.
TEST(KTVEQ, ReceivedBytesGoBackAsTheyCame)
{
    const std::string groups[] = {
        std::string("\xE8\x03\x7B\x02\x73\x00\x00\x00", 8),
        std::string("\x00\x00\xFF\x7F\xFF\xFF\xFF\xFF", 8),  // 0 Hz, huge gain, bandwidth -1
        std::string("\xFF\xFF\x00\x80\x00\x80\x09\x07", 8),  // -1 Hz, lowest gain and bandwidth
        std::string("\x20\x4E\x58\x02\x28\x01\x08\x03", 8),  // a high-pass switched off
        std::string("\x50\x00\x27\x02\x27\x01\x03\x04", 8),  // a low-pass at 80 Hz
    };
    CKTVEQ eq;
    eq.InitOutBands(30, 32, 9, 20, 20000);
    eq.SetGraphRect(PLOT);
    for (const std::string& bytes : groups) {
        eq.GroupToBand(FromBytes(bytes), 2);
        EXPECT_EQ(Bytes(eq.BandToGroup(2)), bytes);
        eq.UpdateCurve();
        for (int i = 0; i < FREQ_POINTS; ++i)
            ASSERT_LT(std::abs(eq.GetPoints()[i].y), 1000000);
    }
}

TEST(KTVEQ, CurveIsTheSumOfTheBands)
{
    CKTVEQ eq;
    eq.InitOutBands(30, 32, 9, 20, 20000);
    eq.SetGraphRect(PLOT);
    eq.UpdateCurve();
    for (int i = 0; i < FREQ_POINTS; ++i) {
        EXPECT_EQ(eq.GetPoints()[i], (Point{FreqToStep(g_dFreqTable[i], 600) + PLOT_LEFT, 130}));
        EXPECT_EQ(eq.GetPointsF()[i].y, 130.0f);
    }

    eq.GetAt(5)->SetGainPos(260);           // +6 dB at 1000 Hz
    eq.GetAt(20)->SetGainPos(140);          // -6 dB at 2000 Hz
    eq.GetHPF()->SetAlign(ALIGN_BUTTERWORTH, false);
    eq.GetHPF()->SetSlope(SLOPE_24DB, false);
    eq.GetHPF()->SetFreq(100, false);
    eq.UpdateCurveF();
    EXPECT_EQ(eq.GetPoints()[136].y, 130);  // the integer curve is left alone
    const float fAntiAliased = eq.GetPointsF()[136].y;
    eq.UpdateCurveI();
    EXPECT_EQ(eq.GetPoints()[136].y, GainToStep(eq.GetAt(5)->GetResponse()[136] + eq.GetAt(20)->GetResponse()[136] +
                                                     eq.GetHPF()->GetResponse()[136], 240) + PLOT_TOP);
    // The anti-aliased curve is left alone by the integer sum.
    eq.GetAt(5)->SetGainPos(200);
    eq.UpdateCurveI();
    EXPECT_EQ(eq.GetPointsF()[136].y, fAntiAliased);
    eq.GetAt(5)->SetGainPos(260);
    eq.UpdateCurve();
    for (int i = 0; i < FREQ_POINTS; ++i) {
        const double sum = eq.GetAt(5)->GetResponse()[i] + eq.GetAt(20)->GetResponse()[i] +
                           eq.GetHPF()->GetResponse()[i];
        EXPECT_EQ(eq.GetPoints()[i].y, GainToStep(sum, 240) + PLOT_TOP) << i;
        EXPECT_FLOAT_EQ(eq.GetPointsF()[i].y, static_cast<float>(GainToStepF(sum, 240) + PLOT_TOP)) << i;
    }

    eq.UpdateBandCurve(5);
    EXPECT_EQ(eq.GetPoints()[136].y, GainToStep(6.0, 240) + PLOT_TOP);
    EXPECT_EQ(eq.GetPoints()[0].y, 130);
}

TEST(KTVEQ, CopyAndArchive)
{
    CKTVEQ a;
    a.InitOutBands(30, 32, 9, 20, 20000);
    a.GetAt(3)->SetGainPos(300);
    a.GetAt(3)->SetFreq(700, false);
    a.GetAt(3)->SetDevFreq(350);
    CKTVEQ b;
    b.InitOutBands(30, 32, 11, 20, 20000);
    b.CopyBands(a);
    EXPECT_EQ(b.GetAt(3)->GetGainPos(), 300);
    EXPECT_EQ(b.GetAt(3)->GetDevFreq(), 700);
    EXPECT_EQ(b.GetHPF()->GetRangeId(), 11);

    std::stringstream stream;
    {
        CArchive out(static_cast<std::ostream&>(stream));
        a.Serialize(out);
    }
    EXPECT_EQ(stream.str().size(), 33u * 48u);
    CKTVEQ c;
    c.InitOutBands(30, 32, 9, 20, 20000);
    CArchive in(static_cast<std::istream&>(stream));
    c.Serialize(in);
    EXPECT_EQ(c.GetAt(3)->GetDevFreq(), 350);
    EXPECT_EQ(c.GetAt(3)->GetGainPos(), 300);
}
