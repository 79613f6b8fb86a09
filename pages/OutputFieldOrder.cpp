#include "pages/OutputFieldOrder.h"

namespace OutputFieldOrder {
namespace {
constexpr int kFreq = 5200;
constexpr int kWidth = 4500;
constexpr int kGain = 5000;
constexpr int kBands = 10;
constexpr int kHpf = 1004;
constexpr int kLpf = 1005;
constexpr int kMaster = 2572;
constexpr int kDelay = 6000;
constexpr int kDelays = 15;
// More steps than the order has fields: a walk this long found no field that takes the focus.
constexpr int kMaxSkips = 64;

int Column(int nField, int nBase)
{
    return nField >= nBase && nField < nBase + kBands ? nField - nBase : -1;
}

Move Band(int nField, int nBand)
{
    return {nField, Selection::Band, nBand, false};
}

Move Plain(int nField, Selection select = Selection::Keep)
{
    return {nField, select, -1, false};
}

// The first of fields nBase + nFrom, nBase + nFrom + nDir, ... within nBase + 0 to nBase +
// nCount - 1 that can take the focus; 0 for none.
int Find(int nBase, int nCount, int nFrom, int nDir, const CanFocus& canFocus)
{
    for (int i = nFrom; i >= 0 && i < nCount; i += nDir)
        if (canFocus(nBase + i))
            return nBase + i;
    return 0;
}

int FindDelay(int nFrom, int nDir, const CanFocus& canFocus)
{
    return Find(kDelay, kDelays, nFrom, nDir, canFocus);
}

int FindStrip(int nFrom, int nDir, const CanFocus& canFocus)
{
    return Find(kStripField, kShownStrips, nFrom, nDir, canFocus);
}

Move Right(int nFrom, const CanFocus& canFocus)
{
    if (const int k = Column(nFrom, kFreq); k >= 0)
        return k < kBands - 1 ? Band(nFrom + 1, k + 1) : Band(kWidth, 0);
    if (const int k = Column(nFrom, kWidth); k >= 0)
        return k < kBands - 1 ? Band(nFrom + 1, k + 1) : Band(kGain, 0);
    if (const int k = Column(nFrom, kGain); k >= 0)
        return k < kBands - 1 ? Band(nFrom + 1, k + 1) : Plain(kHpf, Selection::Hpf);
    if (nFrom == kHpf)
        return Plain(kLpf, Selection::Lpf);
    if (nFrom == kLpf) {
        const int nStrip = FindStrip(0, 1, canFocus);
        return {nStrip != 0 ? nStrip : kMaster, Selection::Keep, -1, true};
    }
    if (nFrom >= kStripField && nFrom < kStripField + kShownStrips) {
        const int nStrip = FindStrip(nFrom - kStripField + 1, 1, canFocus);
        return Plain(nStrip != 0 ? nStrip : kMaster);
    }
    if (nFrom == kMaster) {
        const int nDelay = FindDelay(0, 1, canFocus);
        return Plain(nDelay != 0 ? nDelay : kFreq);
    }
    if (nFrom >= kDelay && nFrom < kDelay + kDelays) {
        const int nDelay = FindDelay(nFrom - kDelay + 1, 1, canFocus);
        return Plain(nDelay != 0 ? nDelay : kFreq);
    }
    return {};
}

Move Left(int nFrom, const CanFocus& canFocus)
{
    if (nFrom == kFreq)
        return {FindDelay(kDelays - 1, -1, canFocus), Selection::Keep, -1, true};
    if (const int k = Column(nFrom, kFreq); k >= 0)
        return Band(nFrom - 1, k - 1);
    if (const int k = Column(nFrom, kWidth); k >= 0)
        return k > 0 ? Band(nFrom - 1, k - 1) : Band(kFreq + kBands - 1, kBands - 1);
    if (const int k = Column(nFrom, kGain); k >= 0)
        return k > 0 ? Band(nFrom - 1, k - 1) : Band(kWidth + kBands - 1, kBands - 1);
    if (nFrom == kHpf)
        return Band(kGain + kBands - 1, kBands - 1);
    if (nFrom == kLpf)
        return Plain(kHpf, Selection::Hpf);
    const bool bStrip = nFrom >= kStripField && nFrom < kStripField + kShownStrips;
    if (bStrip || nFrom == kMaster) {
        const int nStrip = FindStrip(bStrip ? nFrom - kStripField - 1 : kShownStrips - 1, -1, canFocus);
        return nStrip != 0 ? Plain(nStrip) : Plain(kLpf, Selection::Lpf);
    }
    if (nFrom >= kDelay && nFrom < kDelay + kDelays) {
        const int nDelay = FindDelay(nFrom - kDelay - 1, -1, canFocus);
        return Plain(nDelay != 0 ? nDelay : kMaster);
    }
    return {};
}

Move Enter(int nFrom, const CanFocus& canFocus)
{
    if (const int k = Column(nFrom, kFreq); k >= 0)
        return Band(kWidth + k, k);
    if (const int k = Column(nFrom, kWidth); k >= 0)
        return Band(kGain + k, k);
    if (const int k = Column(nFrom, kGain); k >= 0 && k < kBands - 1)
        return Band(kFreq + k + 1, k + 1);
    return Right(nFrom, canFocus);
}

Move Step(int nFrom, Key key, const CanFocus& canFocus)
{
    switch (key) {
    case Key::Left: return Left(nFrom, canFocus);
    case Key::Right: return Right(nFrom, canFocus);
    case Key::Enter: return Enter(nFrom, canFocus);
    }
    return {};
}
}  // namespace

Move Next(int nFrom, Key key, const CanFocus& canFocus)
{
    Move move = Step(nFrom, key, canFocus);
    for (int n = 0; move.nField != 0 && !canFocus(move.nField); ++n) {
        if (n == kMaxSkips)
            return {0, Selection::Keep, -1, move.bClearFirst};
        const bool bClear = move.bClearFirst;
        move = Step(move.nField, key, canFocus);
        move.bClearFirst = move.bClearFirst || bClear;
    }
    return move;
}

Move First(const CanFocus& canFocus)
{
    if (const int nDelay = FindDelay(0, 1, canFocus); nDelay != 0)
        return Plain(nDelay);
    if (canFocus(kFreq))
        return Band(kFreq, 0);
    return Next(kFreq, Key::Right, canFocus);
}
}  // namespace OutputFieldOrder
