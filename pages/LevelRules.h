#pragma once
// The level and delay page's own rules, without the toolkit: the keyboard ring of its 30 numeric
// fields and the order of its input columns. (Choosing the active input is the view's routine for
// every page, model/ActiveInput.h.)
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The page's numeric fields in keyboard order: the master, the six inputs, the fifteen delays,
// the eight outputs.
constexpr int LEVEL_TAB_COUNT = 30;
const std::array<int, LEVEL_TAB_COUNT>& LevelTabIds();

// The field a Left (bForward false) or Right (true) key moves to from field nFromId (a field not
// in the ring counts as the first): the nearest shown field before it, from the first field the
// last shown one; the nearest shown field after it, from the last one or with none after it the
// master field. 0 when no field qualifies.
int NextLevelField(int nFromId, bool bForward, const std::function<bool(int nId)>& isShown);

// The music inputs whose columns the page shows, in the order of the column places from the left,
// by the optional inputs present (bit 1 S/PDIF, bit 0 Phone): an absent input's column is
// hidden and the others close up. Nothing for a value beyond 0-3 (the columns stay as they are).
std::optional<std::vector<int>> InputColumnOrder(int nOptInputs);
