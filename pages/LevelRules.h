#pragma once
// The level and delay page's own rules, without the toolkit: choosing the active music input,
// which input button shows it, and the keyboard ring of the page's 30 numeric fields.
#include <array>
#include <functional>

class IPageHost;

// What choosing an input did. The music input page is told the no-input flag and the input as
// they were before (WM_INPUT_SELECTED: wParam the flag, lParam the input).
struct ActiveInputChoice {
    int nNoInputBefore;
    int nInputBefore;
    bool bNoInputCleared;  // the input buttons' checked faces change
    bool bInputChanged;
};

// The user chose music input nInput (0-5) on the level page, under the link lock:
// 1. a set no-input flag of the master settings is cleared and system item 5 sent at once;
// 2. an input other than the active one becomes active (g_nCurInput and the input settings),
//    keeps only a mixer source it offers, and system item 2 is sent at once.
// An input outside 0-5 changes nothing beyond step 1.
ActiveInputChoice ChooseActiveInput(int nInput, IPageHost& host);

// The input button that shows the active input (g_nCurInput); -1 when that is not 0-5.
int ActiveInputButton();

// The page's numeric fields in keyboard order: the master, the six inputs, the fifteen delays,
// the eight outputs.
constexpr int LEVEL_TAB_COUNT = 30;
const std::array<int, LEVEL_TAB_COUNT>& LevelTabIds();

// The field a Left (bForward false) or Right (true) key moves to from field nFromId (a field not
// in the ring counts as the first): the nearest shown field before it, from the first field the
// last shown one; the nearest shown field after it, from the last one or with none after it the
// master field. 0 when no field qualifies.
int NextLevelField(int nFromId, bool bForward, const std::function<bool(int nId)>& isShown);
