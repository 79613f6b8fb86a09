#include "controls/NumSpinStep.h"

#include "model/Conversions.h"

int RatioStep(int a, int delta)
{
    if (delta >= 1)
        return a <= 10 ? a + 1 : a + 5;
    if (delta < 0)
        return a >= 1 && a <= 10 ? a - 1 : a - 5;
    return a;
}

std::optional<int> FrequencyStep(int nPos, int nCur, int nMin, int nMax)
{
    if (nPos == nCur)
        return std::nullopt;
    const int i = FreqToIndex(nPos);
    constexpr int kLast = FREQ_POINTS - 1;
    if (nPos > nCur) {
        const int f = static_cast<int>(g_dFreqTable[i < kLast ? i + 1 : kLast]);
        return f > nMax ? nMax : f;
    }
    // The grid's first point (19.7 Hz) has no point below it: the lowest step is the second.
    const int f = static_cast<int>(g_dFreqTable[i > 1 ? i - 1 : 1]);
    return f < nMin ? nMin : f;
}

std::optional<int> DelayStep(int nDisplayType, int nPos, int a, int delta)
{
    switch (nDisplayType) {
    case 0:
        return nPos;
    case 1:
        return DelayToCentimetres(a, delta);
    case 2:
        return DelayToInches(a, delta);
    default:
        return std::nullopt;
    }
}
