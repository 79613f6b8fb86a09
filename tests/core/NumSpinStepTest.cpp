#include <gtest/gtest.h>

#include <vector>

#include "controls/NumSpinStep.h"
#include "model/Conversions.h"

namespace {

std::vector<int> RatioWalk(int a, int delta, int nSteps)
{
    std::vector<int> seen;
    for (int i = 0; i < nSteps; ++i)
        seen.push_back(a = RatioStep(a, delta));
    return seen;
}

TEST(NumSpinStep, RatioStepsByTenthsThenByHalves)
{
    EXPECT_EQ(RatioWalk(1, 1, 12), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 21}));
    EXPECT_EQ(RatioWalk(16, -1, 3), (std::vector<int>{11, 6, 5}));
    EXPECT_EQ(RatioStep(7, 0), 7);
}

TEST(NumSpinStep, FrequencyMovesAlongTheGrid)
{
    struct Case {
        const char* szName;
        int nPos, nCur, nMin, nMax;
        std::optional<int> expected;
    } const cases[] = {
        {"up from a grid point", 1001, 1000, 20, 20000, 1030},
        {"down from a grid point", 999, 1000, 20, 20000, 972},
        {"down from between points", 1009, 1010, 20, 20000, 972},
        {"up to the top point", 19586, 19585, 20, 20000, 20000},
        {"up at the top of the grid", 20001, 20000, 20, 30000, 20000},
        {"down to the lowest step", 20, 21, 20, 20000, 20},
        {"down at the grid's start keeps its second point", 19, 20, 10, 20000, 20},
        {"not above the maximum", 1001, 1000, 20, 1010, 1010},
        {"not below the minimum", 999, 1000, 980, 20000, 980},
        {"unmoved", 20, 20, 20, 20000, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        EXPECT_EQ(FrequencyStep(c.nPos, c.nCur, c.nMin, c.nMax), c.expected);
    }
}

TEST(NumSpinStep, DelayStepsByTheShownUnit)
{
    EXPECT_EQ(DelayStep(0, 51, 50, 1), 51);
    EXPECT_EQ(DelayStep(1, 1, 0, 1), DelayToCentimetres(0, 1));
    EXPECT_EQ(DelayStep(1, 3, 2, 1), 3);
    EXPECT_EQ(DelayStep(2, 51, 50, 1), DelayToInches(50, 1));
    EXPECT_EQ(DelayStep(2, 49, 50, -1), DelayToInches(50, -1));
    EXPECT_EQ(DelayStep(5, 51, 50, 1), std::nullopt);
}

}  // namespace
