// The output page's band and crossover edits: each reaches the shown output and, with the same
// value, the same band of the outputs linked to it, and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>

#include "model/Filter.h"
#include "model/KTVEQ.h"
#include "pages/OutputEqEdit.h"
#include "tests/support/PresetDataFixture.h"

namespace {

class OutputEqEdit : public PresetDataTest {
protected:
    void SetUp() override
    {
        PresetDataTest::SetUp();
        // Outputs 0 and 1 are linked, 2 is on its own.
        const int groups[OUTPUT_CHANNELS] = {0, 0, 2, 3, 4, 5, 6, 7};
        std::copy(std::begin(groups), std::end(groups), g_outLinks.m_nGroup);
        g_bSynced = 1;
    }
    CKTV_OutData& Out(int i) { return *Data().GetOutData(i); }
    CFilter& Band(int i, int k) { return *Out(i).GetBand(k); }
};

}  // namespace

TEST_F(OutputEqEdit, LinkedOutputsAreTheOthersOfTheGroupInOrder)
{
    g_outLinks.m_nGroup[5] = 0;
    EXPECT_EQ(COutputEqEdit::LinkedOutputs(1), (std::vector<int>{0, 5}));
    EXPECT_EQ(COutputEqEdit::LinkedOutputs(2), (std::vector<int>{}));
    EXPECT_EQ(COutputEqEdit::LinkedOutputs(8), (std::vector<int>{}));
}

// Each edit of output 0 as a row: what it does to output 0, and that output 1 ends the same while
// output 2 keeps what it had.
TEST_F(OutputEqEdit, EveryEditPathReachesTheLinkedOutputAlone)
{
    struct Case {
        const char* name;
        std::function<void(COutputEqEdit&)> edit;
        std::function<int(CKTV_OutData&)> read;
        int nExpected;
    };
    const Case cases[] = {
        {"bypass a band at +3 dB",
         [](COutputEqEdit& e) { EXPECT_TRUE(e.ToggleBypass(3, false)); },
         [](CKTV_OutData& o) { return o.GetBand(3)->IsBypassOrFlat(); }, 1},
        {"low shelf on band 1 at 5000 Hz",
         [](COutputEqEdit& e) { EXPECT_TRUE(e.SetBandType(0, FILTER_LOW_SHELF)); },
         [](CKTV_OutData& o) { return o.GetBand(0)->GetType() * 100000 + o.GetBand(0)->GetFreq(); },
         FILTER_LOW_SHELF * 100000 + 2000},
        {"high shelf on band 10 at 500 Hz",
         [](COutputEqEdit& e) { EXPECT_TRUE(e.SetBandType(9, FILTER_HIGH_SHELF)); },
         [](CKTV_OutData& o) { return o.GetBand(9)->GetType() * 100000 + o.GetBand(9)->GetFreq(); },
         FILTER_HIGH_SHELF * 100000 + 2000},
        {"shelf slope 12 dB", [](COutputEqEdit& e) { EXPECT_TRUE(e.SetShelfSlope(0, 1)); },
         [](CKTV_OutData& o) { return o.GetBand(0)->GetSlope(); }, 1},
        {"high-pass 150 Hz", [](COutputEqEdit& e) { EXPECT_EQ(e.SetHpfFreq(150, 0).nShown, 150); },
         [](CKTV_OutData& o) { return o.GetHPF()->GetFreq(); }, 150},
        {"low-pass 8000 Hz", [](COutputEqEdit& e) { EXPECT_EQ(e.SetLpfFreq(8000).nShown, 8000); },
         [](CKTV_OutData& o) { return o.GetLPF()->GetFreq(); }, 8000},
        {"high-pass Butterworth", [](COutputEqEdit& e) { EXPECT_TRUE(e.SetXoverAlign(false, ALIGN_BUTTERWORTH)); },
         [](CKTV_OutData& o) { return o.GetHPF()->GetAlign(); }, ALIGN_BUTTERWORTH},
        {"low-pass 6 dB", [](COutputEqEdit& e) { EXPECT_TRUE(e.SetXoverSlope(true, SLOPE_6DB)); },
         [](CKTV_OutData& o) { return o.GetLPF()->GetSlope(); }, SLOPE_6DB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Band(0, 3).SetGainPos(230);
        Band(1, 3).SetGainPos(230);
        for (const int i : {0, 1}) {
            Band(i, 0).SetFreq(5000, true);
            Band(i, 9).SetFreq(500, true);
        }
        const int nBefore = c.read(Out(2));
        COutputEqEdit edit(Data(), 0);
        c.edit(edit);
        EXPECT_EQ(c.read(Out(0)), c.nExpected);
        EXPECT_EQ(c.read(Out(1)), c.nExpected);
        EXPECT_EQ(c.read(Out(2)), nBefore);
    }
}

TEST_F(OutputEqEdit, BypassOfABandAtZeroDecibelsLeavesItFlat)
{
    COutputEqEdit edit(Data(), 0);
    ASSERT_TRUE(Band(0, 4).IsBypassOrFlat());
    EXPECT_TRUE(edit.ToggleBypass(4, true));  // shown bypassed, pressed to switch on: stays flat
    Band(0, 4).SetGainPos(230);
    EXPECT_TRUE(edit.ToggleBypass(4, false));
    EXPECT_EQ(Band(0, 4).GetGainPos(), 200);
    EXPECT_FALSE(edit.ToggleBypass(4, true));
    EXPECT_EQ(Band(0, 4).GetGainPos(), 230);
}

TEST_F(OutputEqEdit, ValuesAlreadyHeldChangeNothing)
{
    COutputEqEdit edit(Data(), 0);
    EXPECT_FALSE(edit.SetBandType(0, FILTER_PEQ));
    EXPECT_FALSE(edit.SetShelfSlope(0, Band(0, 0).GetSlope()));
    EXPECT_FALSE(edit.SetXoverAlign(false, Out(0).GetHPF()->GetAlign()));
    EXPECT_FALSE(edit.SetXoverSlope(true, Out(0).GetLPF()->GetSlope()));
    EXPECT_FALSE(edit.SetHpfFreq(Out(0).GetHPF()->GetFreq(), 0).bChanged);
    for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
        EXPECT_EQ(Band(0, k).GetChanged(), 0);
    EXPECT_EQ(Out(0).GetHPF()->GetChanged(), 0);
    EXPECT_EQ(Out(0).GetLPF()->GetChanged(), 0);
}

// A tweeter keeps its high-pass at 1000 Hz or above; neither filter crosses the other on the
// shown output, while the linked output takes the value as it comes.
TEST_F(OutputEqEdit, CrossoverFrequenciesFollowTheOrderingAndTweeterRules)
{
    COutputEqEdit edit(Data(), 0);
    EXPECT_EQ(edit.SetHpfFreq(500, 1).nShown, 1000);
    EXPECT_EQ(Out(0).GetHPF()->GetFreq(), 1000);
    EXPECT_EQ(edit.SetHpfFreq(500, 1).nShown, 1000);  // already there: shown, nothing new
    EXPECT_EQ(edit.SetHpfFreq(500, 3).nShown, 500);   // a woofer may go lower

    ASSERT_TRUE(edit.SetLpfFreq(3000).bChanged);
    Out(1).GetLPF()->SetFreq(1000, true);
    EXPECT_EQ(edit.SetHpfFreq(5000, 0).nShown, 3000);
    EXPECT_EQ(Out(0).GetHPF()->GetFreq(), 3000);
    EXPECT_EQ(Out(1).GetHPF()->GetFreq(), 3000);
    EXPECT_EQ(edit.SetLpfFreq(200).nShown, 3000);
    EXPECT_EQ(Out(0).GetLPF()->GetFreq(), 3000);
}

TEST_F(OutputEqEdit, SixDecibelSlopeMakesABesselFilterButterworth)
{
    COutputEqEdit edit(Data(), 0);
    Out(0).GetHPF()->SetAlign(ALIGN_BESSEL, false);
    Out(0).GetHPF()->SetSlope(SLOPE_12DB, false);
    Out(1).GetHPF()->SetAlign(ALIGN_BESSEL, false);
    EXPECT_TRUE(edit.SetXoverSlope(false, SLOPE_6DB));
    EXPECT_EQ(Out(0).GetHPF()->GetAlign(), ALIGN_BUTTERWORTH);
    EXPECT_EQ(Out(1).GetHPF()->GetAlign(), ALIGN_BUTTERWORTH);
}

// Only the bands the graph can pick on an output are copied after a drag.
TEST_F(OutputEqEdit, AGraphDragCopiesOnlyTheBandsTheGraphCanPick)
{
    for (const int n : {0, 9, 31, 32})
        EXPECT_TRUE(COutputEqEdit::IsGraphBand(n)) << n;
    for (const int n : {-1, 10, 15, 30, 33})
        EXPECT_FALSE(COutputEqEdit::IsGraphBand(n)) << n;

    COutputEqEdit edit(Data(), 0);
    Band(0, 7).SetFreq(3150, true);
    Band(0, 7).SetBandwidthIndex(40);
    Band(0, 7).SetGainPos(250);
    EXPECT_TRUE(edit.CopyDraggedBand(7));
    EXPECT_EQ(Band(1, 7).GetFreq(), 3150);
    EXPECT_EQ(Band(1, 7).GetBandwidthIndex(), 40);
    EXPECT_EQ(Band(1, 7).GetGainPos(), 250);
    EXPECT_NE(Band(2, 7).GetGainPos(), 250);

    Out(0).GetLPF()->SetFreq(9000, true);
    EXPECT_TRUE(edit.CopyDraggedBand(32));
    EXPECT_EQ(Out(1).GetLPF()->GetFreq(), 9000);

    Band(0, 12).SetGainPos(300);
    const int nBefore = Band(1, 12).GetGainPos();
    EXPECT_FALSE(edit.CopyDraggedBand(12));
    EXPECT_EQ(Band(1, 12).GetGainPos(), nBefore);
}

// In the graphic layout a fader whose band's start frequency (31, 65, 125 ... Hz) lies outside
// the crossover shows the dimmed thumb; in the parametric layout none does.
TEST_F(OutputEqEdit, FaderThumbsDimOutsideThePassBandInTheGraphicLayoutOnly)
{
    struct Case {
        int bGraphic, nHpf, nLpf;
        std::vector<int> dimmed;
    };
    const Case cases[] = {
        {0, 200, 20000, {}},
        {1, 20, 20000, {}},
        {1, 200, 20000, {0, 1, 2}},
        {1, 20, 3000, {7, 8, 9}},
        {1, 31, 16000, {}},
        {1, 1000, 1000, {0, 1, 2, 3, 4, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bGraphic << " " << c.nHpf << " " << c.nLpf);
        Out(0).SetGraphicEQ(static_cast<BYTE>(c.bGraphic));
        Out(0).GetHPF()->SetFreq(c.nHpf, false);
        Out(0).GetLPF()->SetFreq(c.nLpf, false);
        std::vector<int> dimmed;
        for (int k = 0; k < CKTV_OutData::PAGE_BANDS; ++k)
            if (COutputEqEdit::IsFaderDimmed(Out(0), k))
                dimmed.push_back(k);
        EXPECT_EQ(dimmed, c.dimmed);
    }
}
