#pragma once
// The text a grid puts on the clipboard or in a drag, and how it reads such text back. A block
// of cells becomes one line per row, separated by a line feed alone, with one tab-separated field
// per column. Reading cuts the text into lines and each line into fields at every tab, comma or
// line feed. Toolkit-free; UTF-8 throughout, so any text survives a copy and a paste.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/GridDefs.h"

namespace GridClipText {

// A cell's share of the text: its text, or none for a cell that is not taken (not selected, or
// no cell there).
using CellText = std::function<std::optional<std::string>(int nRow, int nCol)>;

// The lines of the block: a taken cell gives its text, or one space when its text is empty (so
// it still pastes as a field); a cell not taken gives nothing, its tab stays. No line feed after
// the last line.
std::string Build(const CGridCellRange& range, const CellText& cellText);

// The fields of each line, as a paste writes them from its start cell. The text ends at a zero
// byte. A line ends at a line feed, or a carriage return and a line feed. Runs of separators
// count as one, so a line has no empty fields; each field loses its leading and trailing white
// space. An empty line before a line end is one empty field; a text that ends with a line end has
// no line after it.
std::vector<std::vector<std::string>> Parse(std::string_view text);

}  // namespace GridClipText
