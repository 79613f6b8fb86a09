#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Filter.h"

namespace {

constexpr int AT_1000 = 136;  // one octave is 24 grid points
constexpr int AT_500 = AT_1000 - 24;
constexpr int AT_2000 = AT_1000 + 24;
constexpr int AT_100 = 56;    // 99.2 Hz
constexpr int AT_5000 = 192;
constexpr int AT_20000 = 240;

struct BandCase {
    int type;
    int freq;
    int gainPos;   // 0.1 dB steps, 200 = 0 dB
    int widthIndex;
    int slope;
    int align;
};

CFilter Make(const BandCase& s)
{
    CFilter f;
    f.SetType(s.type);
    f.SetShowHandles(s.type != FILTER_HPF && s.type != FILTER_LPF);
    f.SetGraphRect({0, 0, 600, 240});
    f.SetFreq(s.freq, false);
    f.SetGainPos(s.gainPos);
    f.SetBandwidthIndex(s.widthIndex);
    f.SetAlign(s.align, false);
    f.SetSlope(s.slope, false);
    return f;
}

}  // namespace

// Each band type and alignment at chosen grid points, values to three decimals.
TEST(FilterResponse, BandsGiveTheirDesignedResponses)
{
    struct Point {
        int index;
        double dB;
    };
    struct Case {
        const char* name;
        BandCase band;
        std::vector<Point> points;
    };
    const Case cases[] = {
        {"peak +6 dB 1.2 oct", {FILTER_PEQ, 1000, 260, 115, 0, 0}, {{AT_1000, 6.000}, {AT_2000, 1.515}}},
        {"peak off-grid centre", {FILTER_PEQ, 1010, 260, 115, 0, 0}, {{AT_1000, 6.000}, {AT_2000, 1.515}}},
        {"peak -12 dB 0.05 oct", {FILTER_PEQ, 1000, 80, 0, 0, 0}, {{AT_1000, -12.000}, {AT_1000 + 1, -3.384}}},
        {"low shelf 6 dB/oct", {FILTER_LOW_SHELF, 100, 260, 115, 0, 0}, {{0, 5.938}, {AT_100, 4.771}, {AT_1000, 0.247}}},
        {"low shelf 12 dB/oct", {FILTER_LOW_SHELF, 100, 260, 115, 1, 0}, {{0, 6.033}, {AT_100, 4.694}, {AT_1000, -0.023}}},
        {"high shelf 6 dB/oct", {FILTER_HIGH_SHELF, 5000, 260, 115, 0, 0}, {{AT_20000, 5.940}, {AT_5000, 4.941}, {AT_1000, 1.014}}},
        {"high-pass LR 12", {FILTER_HPF, 1000, 200, 115, 1, 0}, {{AT_1000, -6.021}, {AT_500, -13.983}, {AT_2000, -1.934}}},
        {"high-pass BW 24", {FILTER_HPF, 1000, 200, 115, 3, 2}, {{AT_1000, -3.007}, {AT_500, -24.115}, {AT_2000, -0.024}}},
        {"high-pass Bessel 12", {FILTER_HPF, 1000, 200, 115, 1, 1}, {{AT_1000, -1.387}, {AT_500, -8.541}, {AT_2000, -0.092}}},
        {"high-pass LR 6", {FILTER_HPF, 1000, 200, 115, 0, 0}, {{AT_1000, -3.010}}},
        {"low-pass LR 12", {FILTER_LPF, 1000, 200, 115, 1, 0}, {{AT_1000, -6.021}, {AT_500, -1.937}, {AT_2000, -13.994}}},
        {"low-pass BW 48", {FILTER_LPF, 1000, 200, 115, 7, 2}, {{AT_1000, -3.036}, {AT_500, -0.009}, {AT_2000, -48.248}}},
        {"low-pass Bessel 12", {FILTER_LPF, 1000, 200, 115, 1, 1}, {{AT_1000, -3.011}, {AT_500, -0.713}, {AT_2000, -9.832}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CFilter f = Make(c.band);
        for (const Point& p : c.points)
            EXPECT_NEAR(f.GetResponse()[p.index], p.dB, 0.0005) << "grid point " << p.index;
    }
    const CFilter peak = Make({FILTER_PEQ, 1000, 260, 115, 0, 0});
    EXPECT_LT(std::abs(peak.GetResponse()[0]), 0.01);
    EXPECT_LT(std::abs(peak.GetResponse()[AT_20000]), 0.01);
}

TEST(FilterResponse, BesselLowPassDrawsSlopeZeroAsSlopeOne)
{
    CFilter first = Make({FILTER_LPF, 700, 200, 115, 0, 1});
    EXPECT_EQ(first.GetAlign(), ALIGN_BUTTERWORTH);  // the slope setter leaves no first-order Bessel
    first.SetAlign(ALIGN_BESSEL, false);              // but the alignment setter may make one
    const CFilter second = Make({FILTER_LPF, 700, 200, 115, 1, 1});
    for (int i = 0; i < FREQ_POINTS; ++i)
        EXPECT_EQ(first.GetResponse()[i], second.GetResponse()[i]);
}

TEST(FilterResponse, BandsThatContributeNothingAreZeroEverywhere)
{
    const BandCase silent[] = {
        {FILTER_HPF, 20, 200, 115, 3, 2},
        {FILTER_LPF, 20000, 200, 115, 3, 2},
        {FILTER_HPF, 1000, 200, 115, SLOPE_OFF, 2},
        {FILTER_LPF, 1000, 200, 115, SLOPE_OFF, 0},
        {FILTER_PEQ, 1000, 200, 115, 0, 0},
    };
    for (const BandCase& s : silent) {
        const CFilter f = Make(s);
        for (int i = 0; i < FREQ_POINTS; ++i)
            ASSERT_EQ(f.GetResponse()[i], 0.0) << s.type << " at " << i;
    }
    for (int type : {FILTER_PEQ, FILTER_LOW_SHELF, FILTER_HIGH_SHELF}) {
        CFilter f = Make({type, 1000, 300, 115, 0, 0});
        f.SetBypassAll(true);
        for (int i = 0; i < FREQ_POINTS; ++i)
            ASSERT_EQ(f.GetResponse()[i], 0.0) << type << " at " << i;
    }
}

TEST(FilterResponse, CrossoversIgnoreBypass)
{
    CFilter f = Make({FILTER_HPF, 1000, 200, 115, 1, 0});
    f.SetBypassAll(true);
    EXPECT_NEAR(f.GetResponse()[AT_1000], -6.021, 0.0005);
}
