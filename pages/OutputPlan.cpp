#include "pages/OutputPlan.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "pages/DelayPlan.h"

namespace OutputPlan {
namespace {
// The button of each position, in role order 1-24.
constexpr std::array<int, DELAY_POSITIONS> kButtonOfPosition = {
    5, 4, 3, 6, 7, 8,        // front left: tweeter, midrange, woofer, mid-tweeter, mid-woofer, full
    11, 10, 9, 12, 13, 14,   // front right
    16, 15, 19,              // rear left: tweeter, woofer, full
    18, 17, 20,              // rear right
    1, 0, 2,                 // centre: tweeter, woofer, full
    21, 22, 23,              // left, right and mono subwoofer
};
}  // namespace

int PositionButtonOfRole(int nRole)
{
    const int p = DelayPositionOfRole(nRole);
    return p >= 0 ? kButtonOfPosition[static_cast<std::size_t>(p)] : -1;
}

int PositionOfButton(int nButton)
{
    const auto it = std::find(kButtonOfPosition.begin(), kButtonOfPosition.end(), nButton);
    return it != kButtonOfPosition.end() ? static_cast<int>(std::distance(kButtonOfPosition.begin(), it)) : -1;
}
}  // namespace OutputPlan
