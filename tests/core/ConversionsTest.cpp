#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>

#include "model/Conversions.h"

TEST(Conversions, QTableFollowsTheBandwidthFormula)
{
    for (int i = 0; i < Q_TABLE_SIZE; ++i) {
        const double n = std::pow(2.0, 0.05 + 0.01 * i);
        EXPECT_NEAR(g_dQTable[i], std::sqrt(n) / (n - 1), 0.0005 + 1e-9) << "entry " << i;
    }
    EXPECT_DOUBLE_EQ(g_dQTable[0], 28.852);
    EXPECT_DOUBLE_EQ(g_dQTable[114], 1.179);
    EXPECT_DOUBLE_EQ(g_dQTable[115], 1.168);
    EXPECT_DOUBLE_EQ(g_dQTable[295], 0.404);
}

TEST(Conversions, FrequencyGridIsRoundedTwentyFourPointsPerOctave)
{
    const std::map<int, double> fixed = {
        {72, 158},    {76, 179},    {99, 344},    {105, 409},    {137, 1030},
        {138, 1060},  {139, 1090},  {140, 1123},  {142, 1190},   {182, 3776},
        {192, 5000},  {217, 10374}, {222, 11987}, {240, 20000}};
    for (int i = 0; i < FREQ_POINTS; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        if (auto it = fixed.find(i); it != fixed.end()) {
            EXPECT_EQ(g_dFreqTable[i], it->second);
            continue;
        }
        const double f = 1000 * std::pow(2.0, (i - 136) / 24.0);
        EXPECT_NEAR(g_dFreqTable[i], f, f < 100 ? 0.05 + 1e-9 : 0.5 + 1e-9);
    }
    for (int i = 1; i < FREQ_POINTS; ++i)
        EXPECT_GT(g_dFreqTable[i], g_dFreqTable[i - 1]) << "entry " << i;
    EXPECT_EQ(g_dFreqTable[0], 19.7);
    EXPECT_EQ(g_dFreqTable[56], 99.2);
    EXPECT_EQ(g_dFreqTable[57], 102);
    EXPECT_EQ(g_dFreqTable[136], 1000);
    EXPECT_EQ(g_dFreqTable[239], 19585);
}

TEST(Conversions, GraphGeometry)
{
    EXPECT_EQ(GainToStep(0, 240), 120);
    EXPECT_EQ(GainToStep(12, 240), 0);
    EXPECT_EQ(GainToStep(-12, 240), 240);
    EXPECT_DOUBLE_EQ(GainToStepF(-3, 240), 150.0);
    EXPECT_DOUBLE_EQ(StepToGain(60, 240), 6.5);
    EXPECT_DOUBLE_EQ(StepToGain(180, 240), -6.5);
    EXPECT_EQ(FreqToStep(1000, 600), 339);
    EXPECT_EQ(FreqToStep(20, 600), 0);
    EXPECT_NEAR(FreqToStepF(200, 600), 200.0, 1e-9);
    EXPECT_EQ(StepToFreq(0, 600), 20);
    EXPECT_EQ(StepToFreq(200, 600), 200);
    EXPECT_EQ(StepToFreq(700, 600), 20000);
    EXPECT_EQ(StepToFreq(-50, 600), 20);
}

TEST(Conversions, FrequencyStepsAndFrequenciesConvertBack)
{
    // StepToFreq truncates to whole hertz: the step lies between those of f and f + 1.
    for (int x = 0; x < 600; ++x) {
        const int f = StepToFreq(x, 600);
        EXPECT_LE(FreqToStepF(f, 600), x + 1e-9) << x;
        EXPECT_GT(FreqToStepF(f + 1, 600), x) << x;
    }
}

TEST(Conversions, AbsurdValuesGiveBoundedPixels)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {inf, -inf, nan, 1e300, -1e300}) {
        SCOPED_TRACE(v);
        EXPECT_LE(std::abs(GainToStep(v, 240)), 1000000);
        EXPECT_TRUE(std::isfinite(GainToStepF(v, 240)));
        EXPECT_LE(std::abs(FreqToStep(v, 600)), 1000000);
        EXPECT_TRUE(std::isfinite(FreqToStepF(v, 600)));
    }
    EXPECT_EQ(FreqToStep(0, 600), -1000000);
    EXPECT_EQ(FreqToStep(-5, 600), 0);
    EXPECT_EQ(StepToFreq(100, 2), 20000);  // a plot too narrow for a scale
    EXPECT_EQ(StepToFreq(0, 2), 20);
}

TEST(Conversions, FreqToIndexTakesTheNearestGridPoint)
{
    EXPECT_EQ(FreqToIndex(1000), 136);
    EXPECT_EQ(FreqToIndex(1010), 136);
    EXPECT_EQ(FreqToIndex(1015), 137);  // halfway between 1000 and 1030: the upper one
    EXPECT_EQ(FreqToIndex(25000), 240);
    EXPECT_EQ(FreqToIndex(10), 0);
    EXPECT_EQ(FreqToIndex(19.7), 0);
    EXPECT_EQ(FreqToIndex(20000), 240);
    for (int i = 0; i < FREQ_POINTS; ++i)
        EXPECT_EQ(FreqToIndex(g_dFreqTable[i]), i);
}

TEST(Conversions, QToIndex)
{
    EXPECT_EQ(QToIndex(30), 0);
    EXPECT_EQ(QToIndex(0.1), 295);
    EXPECT_EQ(QToIndex(1.175), 115);
    EXPECT_EQ(QToIndex(1.179), 114);
    EXPECT_DOUBLE_EQ(IndexToQ(115), 1.168);
    EXPECT_DOUBLE_EQ(IndexToQ(-3), 28.852);
    EXPECT_DOUBLE_EQ(IndexToQ(4000), 0.404);
}

TEST(Conversions, SnapRatioCode)
{
    const std::pair<int, int> cases[] = {{5, 5}, {11, 11}, {21, 21}, {26, 26}, {23, 26},
                                          {12, 16}, {190, 191}, {200, 191}};
    for (auto [code, expected] : cases)
        EXPECT_EQ(SnapRatioCode(code), expected) << code;
}

TEST(Conversions, FormatTimeMs)
{
    EXPECT_EQ(FormatTimeMs(0), "0.000ms");
    EXPECT_EQ(FormatTimeMs(100), "2.100ms");
    EXPECT_EQ(FormatTimeMs(476), "9.996ms");
    EXPECT_EQ(FormatTimeMs(477), "11.0ms");
    EXPECT_EQ(FormatTimeMs(566), "100.0ms");
}

TEST(Conversions, DelayStepsToWholeDistances)
{
    struct Case {
        int delay;
        int step;
        int cm;
        int inches;
    };
    const Case cases[] = {
        {0, 1, 1, 4},        // 1/48 ms is 0.72 cm, shown as 1
        {2, 1, 3, 7},       {0, -1, 0, 0},     {3, -1, 2, 0},   {100, 1, 101, 102},
        {100, -1, 99, 95},  {960, 1, 960, 960}, {960, -1, 259, 259},
        {256, 1, 258, 259},  // the top: centimetres stop at the last value computed, inches at 259
        {259, 1, 259, 259}, {0, 0, 0, 0},      {300, 0, 259, 259},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.delay) + " step " + std::to_string(c.step));
        EXPECT_EQ(DelayToCentimetres(c.delay, c.step), c.cm);
        EXPECT_EQ(DelayToInches(c.delay, c.step), c.inches);
    }
}
