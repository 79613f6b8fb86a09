#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "model/KTV_Data.h"
#include "platform/Archive.h"
#include "tests/support/PresetDataFixture.h"

namespace {

using OutData = PresetDataTest;

struct Flags {
    int base, comp, lim, source;
    friend bool operator==(const Flags&, const Flags&) = default;
};

Flags FlagsOf(const CKTV_OutData& out)
{
    return {out.GetBaseChanged(), out.GetCompChanged(), out.GetLimChanged(), out.GetSourceChanged()};
}

void PrintTo(const Flags& f, std::ostream* os)
{
    *os << "{base " << f.base << ", comp " << f.comp << ", lim " << f.lim << ", source " << f.source << "}";
}

}  // namespace

// Outputs 0 and 2 are linked, output 1 is not. A setter on output 0 copies exactly what the
// link rules name to output 2, marks the groups named, and leaves output 1 alone.
TEST_F(OutData, LinkedOutputsTakeWhatTheRulesName)
{
    struct Case {
        const char* name;
        std::function<void(CKTV_OutData&)> set;
        std::function<void(const CKTV_OutData& partner)> check;
        Flags self;
        Flags partner;
    };
    const Case cases[] = {
        {"level 0 mutes the partner", [](auto& o) { o.SetLevel(0); },
         [](const auto& p) { EXPECT_EQ(p.GetLevel(), 0); EXPECT_EQ(p.GetMute(), 1); }, {1, 0, 0, 0}, {1, 0, 0, 0}},
        {"level reaches the partner", [](auto& o) { o.SetLevel(555); },
         [](const auto& p) { EXPECT_EQ(p.GetLevel(), 555); EXPECT_EQ(p.GetMute(), 0); }, {1, 0, 0, 0}, {1, 0, 0, 0}},
        {"polarity re-marks the partner, which keeps its own", [](auto& o) { o.SetPolarity(1); },
         [](const auto& p) { EXPECT_EQ(p.GetPolarity(), 0); }, {1, 0, 0, 0}, {1, 0, 0, 0}},
        {"EQ mode reaches the partner and its bands", [](auto& o) { o.SetGraphicEQ(1); },
         [](const auto& p) {
             EXPECT_EQ(p.GetGraphicEQ(), 1);
             EXPECT_EQ(p.GetBand(30)->GetGraphicEQ(), 1);
         },
         {1, 0, 0, 0}, {1, 0, 0, 0}},
        {"delay is not shared", [](auto& o) { o.SetDelay(77); },
         [](const auto& p) { EXPECT_EQ(p.GetDelay(), 0); }, {1, 0, 0, 0}, {0, 0, 0, 0}},
        {"on/off is not shared", [](auto& o) { o.SetOn(0); },
         [](const auto& p) { EXPECT_EQ(p.GetOn(), 1); }, {1, 0, 0, 0}, {0, 0, 0, 0}},
        {"compressor attack copies even when unchanged", [](auto& o) { o.SetCompAttack(56); },
         [](const auto& p) { EXPECT_EQ(p.GetCompAttack(), 56); }, {0, 1, 0, 0}, {0, 1, 0, 0}},
        {"compressor level unchanged does nothing", [](auto& o) { o.SetCompLevel(300); },
         [](const auto&) {}, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"compressor ratio", [](auto& o) { o.SetCompRatio(9); },
         [](const auto& p) { EXPECT_EQ(p.GetCompRatio(), 9); }, {0, 1, 0, 0}, {0, 1, 0, 0}},
        {"limiter release", [](auto& o) { o.SetLimRelease(3); },
         [](const auto& p) { EXPECT_EQ(p.GetLimRelease(), 3); }, {0, 0, 1, 0}, {0, 0, 1, 0}},
        {"limiter level unchanged does nothing", [](auto& o) { o.SetLimLevel(420); },
         [](const auto&) {}, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"source level", [](auto& o) { o.SetSrc3(33); },
         [](const auto& p) { EXPECT_EQ(p.GetSrc3(), 33); }, {0, 0, 0, 1}, {0, 0, 0, 1}},
        {"source off flags stay per output", [](auto& o) { o.SetSrcROff(0); },
         [](const auto& p) { EXPECT_EQ(p.GetSrcROff(), 1); EXPECT_EQ(p.GetSrcR(), 50); }, {0, 0, 0, 1}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        g_outLinks.m_nGroup[2] = 0;
        g_bSynced = 1;
        c.set(Out(0));
        c.check(Out(2));
        EXPECT_EQ(FlagsOf(Out(0)), c.self);
        EXPECT_EQ(FlagsOf(Out(2)), c.partner);
        EXPECT_EQ(FlagsOf(Out(1)), (Flags{0, 0, 0, 0}));
        EXPECT_EQ(Out(1).GetLevel(), 600);
    }
}

TEST_F(OutData, EditsWhileNotSynchronisedAreStoredButNeverSent)
{
    g_outLinks.m_nGroup[2] = 0;
    Out(0).SetLevel(100);
    Out(0).SetLimAttack(9);
    Out(0).SetName("Door");
    EXPECT_EQ(Out(2).GetLevel(), 100);
    EXPECT_EQ(Out(2).GetLimAttack(), 9);
    EXPECT_EQ(FlagsOf(Out(0)), (Flags{0, 0, 0, 0}));
    EXPECT_EQ(FlagsOf(Out(2)), (Flags{0, 0, 0, 0}));
    EXPECT_EQ(Out(0).GetNameChanged(), 0);
    EXPECT_EQ(Next().nIndex, SYS_STATUS);
}

TEST_F(OutData, MuteTravelsAsLevelZero)
{
    Out(4).SetLevel(0);
    Out(4).SendBase(0);
    const auto base = ReadGroup<OutBasicGroup>(g_liveImage.m_out[4].m_group[OUT_GROUP_BASE]);
    EXPECT_EQ(base.m_nLevel, 0);
    Out(4).SetLevel(600);
    EXPECT_EQ(Out(4).GetMute(), 0);
    EXPECT_EQ(Out(4).GetLevel(), 600);
}

TEST_F(OutData, SpeakerRolesGiveTheirDefaultCrossover)
{
    struct Case {
        int role;
        int hpf, lpf, align, slope, rangeId;
    };
    const Case cases[] = {
        {0, 20, 20000, ALIGN_LINKWITZ_RILEY, 1, 12},  {1, 2200, 20000, ALIGN_BESSEL, 1, 11},
        {2, 600, 1500, ALIGN_BESSEL, 1, 12},          {3, 20, 500, ALIGN_BESSEL, 1, 12},
        {4, 600, 20000, ALIGN_BESSEL, 1, 12},         {5, 20, 1600, ALIGN_BESSEL, 1, 12},
        {6, 20, 20000, ALIGN_LINKWITZ_RILEY, 1, 12},  {7, 2200, 20000, ALIGN_BESSEL, 1, 11},
        {11, 20, 1600, ALIGN_BESSEL, 1, 12},          {13, 2200, 20000, ALIGN_BESSEL, 1, 11},
        {14, 20, 500, ALIGN_BESSEL, 1, 12},           {19, 2200, 20000, ALIGN_BESSEL, 1, 11},
        {21, 20, 20000, ALIGN_LINKWITZ_RILEY, 1, 12}, {22, 20, 150, ALIGN_LINKWITZ_RILEY, 1, 12},
        {24, 20, 150, ALIGN_LINKWITZ_RILEY, 1, 12},   {200, 20, 20000, ALIGN_LINKWITZ_RILEY, 1, 12},
    };
    g_bSynced = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.role);
        CKTV_OutData& out = Out(6);
        out.SetRole(static_cast<BYTE>(c.role));
        EXPECT_EQ(out.GetRole(), static_cast<BYTE>(c.role));
        EXPECT_EQ(out.GetHPF()->GetFreq(), c.hpf);
        EXPECT_EQ(out.GetLPF()->GetFreq(), c.lpf);
        for (const CFilter* band : {out.GetHPF(), out.GetLPF()}) {
            EXPECT_EQ(band->GetAlign(), c.align);
            EXPECT_EQ(band->GetSlope(), c.slope);
            EXPECT_EQ(band->GetChanged(), 1);
        }
        EXPECT_EQ(out.GetHPF()->GetRangeId(), c.rangeId);
        EXPECT_EQ(out.GetLPF()->GetRangeId(), 12);
        EXPECT_EQ(out.GetBaseChanged(), 0);  // the role travels in the base group, sent elsewhere
        out.ResetChangeFlags(0);
    }
}

TEST_F(OutData, RoleOnlyChangesRoleAndRangeId)
{
    g_bSynced = 1;
    Out(2).SetRoleOnly(13);
    EXPECT_EQ(Out(2).GetRole(), 13);
    EXPECT_EQ(Out(2).GetHPF()->GetRangeId(), 11);
    EXPECT_EQ(Out(2).GetHPF()->GetFreq(), 20);
    EXPECT_EQ(Out(2).GetHPF()->GetChanged(), 0);
    EXPECT_EQ(Out(2).GetBaseChanged(), 0);
    Out(2).SetRoleOnly(3);
    EXPECT_EQ(Out(2).GetHPF()->GetRangeId(), 12);
}

TEST_F(OutData, ReceivedCrossoverSlopesAreLimitedInTheImageToo)
{
    g_bSynced = 1;
    OutputBlock& block = g_liveImage.m_out[1];
    WriteGroup(block.m_group[OUT_GROUP_CROSSOVER], CrossoverGroup{300, 2, 2, 5000, 0, 5});
    Out(1).LoadFromDevice(block);
    EXPECT_EQ(Out(1).GetHPF()->GetSlope(), 1);
    EXPECT_EQ(Out(1).GetLPF()->GetSlope(), 1);
    EXPECT_EQ(Out(1).GetHPF()->GetFreq(), 300);
    EXPECT_EQ(Out(1).GetHPF()->GetDevFreq(), 300);
    EXPECT_EQ(block.m_group[OUT_GROUP_CROSSOVER].m_by[3], 1);
    EXPECT_EQ(block.m_group[OUT_GROUP_CROSSOVER].m_by[7], 1);
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(Out(1).GetBand(i)->GetChanged(), 0) << i;
    EXPECT_EQ(FlagsOf(Out(1)), (Flags{0, 0, 0, 0}));
}

TEST_F(OutData, EachOutputStartsWithItsOwnSourceSwitchedOn)
{
    EXPECT_EQ(Out(0).GetSrcLOff(), 0);
    EXPECT_EQ(Out(0).GetSrcL(), 1);
    EXPECT_EQ(Out(0).GetSrcROff(), 1);
    EXPECT_EQ(Out(1).GetSrcROff(), 0);
    EXPECT_EQ(Out(1).GetSrcR(), 1);
    for (int k : {6, 7}) {
        EXPECT_EQ(Out(k).GetSrcLOff(), 1);
        EXPECT_EQ(Out(k).GetSrcROff(), 1);
    }
}

TEST_F(OutData, BypassAllCoversThePageBandsOnly)
{
    Out(0).GetBand(3)->SetGainPos(260);
    Out(0).GetBand(12)->SetGainPos(260);
    EXPECT_EQ(Out(0).UpdateEQBypass(), 0);
    Out(0).BypassAll(1);
    EXPECT_EQ(Out(0).GetBand(9)->GetBypass(), 1);
    EXPECT_EQ(Out(0).GetBand(10)->GetBypass(), 0);
    EXPECT_EQ(Out(0).UpdateEQBypass(), 1);  // band 12 is not on the page
    Out(0).BypassAll(0);
    EXPECT_EQ(Out(0).GetBand(3)->GetBypass(), 0);
}

TEST_F(OutData, CopyFromTakesEqLevelAndDynamicsOnly)
{
    Out(1).GetBand(4)->SetGainPos(300);
    Out(1).SetLevel(0);
    Out(1).SetGraphicEQ(1);
    Out(1).SetCompRatio(7);
    Out(1).SetLimAttack(20);
    Out(1).SetDelay(40);
    Out(3).CopyFrom(Out(1));
    EXPECT_EQ(Out(3).GetBand(4)->GetGainPos(), 300);
    EXPECT_EQ(Out(3).GetMute(), 1);
    EXPECT_EQ(Out(3).GetBand(0)->GetGraphicEQ(), 1);
    EXPECT_EQ(Out(3).GetCompRatio(), 7);
    EXPECT_EQ(Out(3).GetLimAttack(), 20);
    EXPECT_EQ(Out(3).GetDelay(), 0);
    EXPECT_EQ(Out(3).GetName(), "SR");
}

TEST_F(OutData, Texts)
{
    struct Case {
        std::function<void(CKTV_OutData&)> set;
        std::function<std::string(const CKTV_OutData&)> text;
        std::string expected;
    };
    const Case cases[] = {
        {[](auto& o) { o.SetLevel(0); }, [](const auto& o) { return o.GetLevelText(); }, "-60.0dB"},
        {[](auto& o) { o.SetLevel(455); }, [](const auto& o) { return o.GetLevelText(); }, "-14.5dB"},
        {[](auto& o) { o.SetDelay(99); }, [](const auto& o) { return o.GetDelayText(); }, "9.9ms"},
        {[](auto& o) { o.SetDelay(100); }, [](const auto& o) { return o.GetDelayText(); }, "10.0ms"},
        {[](auto& o) { o.SetDelay(259); }, [](const auto& o) { return o.GetDelayText(); }, "169.0ms"},
        {[](auto&) {}, [](const auto& o) { return o.GetLimLevelText(); }, "12.0dBu"},
        {[](auto& o) { o.SetLimAttack(6); }, [](const auto& o) { return o.GetLimAttackText(); }, "0.9ms"},
        {[](auto& o) { o.SetLimAttack(7); }, [](const auto& o) { return o.GetLimAttackText(); }, "1ms"},
        {[](auto&) {}, [](const auto& o) { return o.GetLimAttackText(); }, "50ms"},
        {[](auto&) {}, [](const auto& o) { return o.GetLimReleaseText(); }, ""},
        {[](auto& o) { o.SetLimRelease(4); }, [](const auto& o) { return o.GetLimReleaseText(); }, "Atk * 16"},
        {[](auto& o) { o.SetPolarity(1); }, [](const auto& o) { return o.GetPolarityText(); }, "Pol-"},
        {[](auto&) {}, [](const auto& o) { return o.GetOnText(); }, "On"},
        {[](auto&) {}, [](const auto& o) { return o.GetSrcRText(); }, "0%"},
        {[](auto&) {}, [](const auto& o) { return o.GetSrcLText(); }, "1%"},
        {[](auto&) {}, [](const auto& o) { return o.GetBalanceText(); }, "50%:50%"},
        {[](auto&) {}, [](const auto& o) { return o.GetSwitch5Text(); }, "On"},
        {[](auto&) {}, [](const auto& o) { return o.GetSwitch1Text(); }, "OFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TearDown();
        SetUp();
        CKTV_OutData& out = Out(0);
        c.set(out);
        EXPECT_EQ(c.text(out), c.expected);
    }
    g_bChinese = 1;
    EXPECT_EQ(Out(1).GetPolarityText(), "正相");
}

TEST_F(OutData, ArchiveKeepsWhatItStoresOnly)
{
    CKTV_OutData& from = Out(0);
    from.SetName("Left");
    from.SetOn(0);
    from.SetPolarity(1);
    from.SetLevel(0);
    from.SetDelay(120);
    from.SetRoleOnly(3);
    from.SetSrc3(0);
    from.SetLimLevel(300);
    from.SetLimAttack(10);
    from.SetLimRelease(2);
    from.SetCompRatio(12);
    from.SetGraphicEQ(1);
    from.GetBand(2)->SetGainPos(320);

    std::stringstream stream;
    {
        CArchive ar(static_cast<std::ostream&>(stream));
        from.Serialize(ar);
    }
    CKTV_OutData& to = Out(5);
    CArchive ar(static_cast<std::istream&>(stream));
    to.Serialize(ar);

    EXPECT_EQ(to.GetName(), "Left");
    EXPECT_EQ(to.GetOn(), 0);
    EXPECT_EQ(to.GetPolarity(), 1);
    EXPECT_EQ(to.GetMute(), 1);
    EXPECT_EQ(to.GetDelay(), 120);
    EXPECT_EQ(to.GetRole(), 3);
    EXPECT_EQ(to.GetSrc3Off(), 1);
    EXPECT_EQ(to.GetSrcLOff(), 0);
    EXPECT_EQ(to.GetLimLevel(), 300);
    EXPECT_EQ(to.GetLimAttack(), 10);
    EXPECT_EQ(to.GetLimRelease(), 2);
    EXPECT_EQ(to.GetBand(2)->GetGainPos(), 320);
    EXPECT_EQ(to.GetCompRatio(), 1);   // not stored
    EXPECT_EQ(to.GetGraphicEQ(), 0);   // not stored
    EXPECT_EQ(stream.peek(), std::char_traits<char>::eof());
}
