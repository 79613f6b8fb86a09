// Typed text of a numeric field read by every display type: no undefined behaviour, and a value
// read from an entry always lies within the field's range.
#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/NumEditTypes.h"

namespace {
struct Setting {
    int nMin, nMax;
    double dScale, dOffset;
};
// The pages' settings, and some no page uses (a scale of 0, a negative scale).
constexpr Setting kSettings[] = {
    {0, 259, 0, 0},     {20, 20000, 0, 0}, {0, 206, 0, 0},     {50, 5000, 0, 0},
    {80, 320, 0.1, 20}, {0, 295, 0, 0},    {0, 600, 0.1, 60},  {0, 120, 1, 120},
    {0, 66, 1, 60},     {0, 420, 0.1, 30}, {1, 191, 0, 0},     {0, 100, 0, 0},
    {0, 100, -0.5, 3},  {-50, 50, 1e300, -1e300},
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const Setting& s = kSettings[data[1] % std::size(kSettings)];
    NumEditFormat fmt{data[0] % 42, s.nMin, s.nMax, s.dScale, s.dOffset, 50 + data[2] % 60, data[3] & 1 ? "dBu" : ""};
    const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);
    for (const auto v : {CommitNumEditEntry(fmt, text), ReadNumEditEntry(fmt, text)}) {
        if (v && (*v < fmt.nMin || *v > fmt.nMax))
            __builtin_trap();
        FormatNumEditValue(fmt, v.value_or(fmt.nMin));
    }
    return 0;
}
