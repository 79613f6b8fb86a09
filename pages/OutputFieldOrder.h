#pragma once
// The order in which Left, Right, Enter and Tab (as Right) move the keyboard focus through the
// output page's fields: along the band columns' frequency, bandwidth and gain rows, the crossover,
// the level fields of the shown strips, the master volume and the delay fields of the car plan,
// and round again; Enter goes down a band column and on to the next one. A field that cannot take
// the focus (hidden, as the bandwidth of a shelf band or the frequency and bandwidth rows of the
// graphic layout; a disabled strip) is passed over in the same order. Toolkit-free.
#include <functional>

namespace OutputFieldOrder {
// Fields by control id: band frequency 5200 + k, bandwidth 4500 + k, gain 5000 + k (k 0-9), HPF
// frequency 1004, LPF frequency 1005, master volume 2572, delays 6000-6014. The level field of
// strip n (0-5) is kStripField + n: every strip's own id for it is the same.
inline constexpr int kStripField = 0x10000;
inline constexpr int kShownStrips = 6;

enum class Key { Left, Right, Enter };
// What the graph shows selected once the focus moved: unchanged, nothing, a band, a filter.
enum class Selection { Keep, Clear, Band, Hpf, Lpf };

struct Move {
    int nField = 0;  // 0: the focus stays where it is
    Selection select = Selection::Keep;
    int nBand = -1;  // with Selection::Band
    bool bClearFirst = false;  // the band selection is cleared before the focus moves
    bool operator==(const Move&) const = default;
};

using CanFocus = std::function<bool(int nField)>;

// Where a key in field nFrom sends the focus; nothing for a field outside the order.
Move Next(int nFrom, Key key, const CanFocus& canFocus);
// The field Tab or Enter gives the focus to when no field of the page has it: the first delay
// field shown, else band 1's frequency (in the graphic layout the first band field shown).
Move First(const CanFocus& canFocus);
}  // namespace OutputFieldOrder
