#pragma once
// The table of the parameter report: one row per parameter, one column per channel. Channels are
// numbered 0 the microphone, 1-6 the music inputs, 7 the effect and 8-15 the outputs; channel c
// goes to column c + 1 and column 0 holds the row names. The report's list has ten columns, so the
// texts of the outputs 2 to 8 have no column to go to.
//
// An EQ band k (from 0) takes rows 6k to 6k + 5: type, gain, frequency, bandwidth (a shelf: its
// slope), Q (a shelf: none) and an empty row; the filters, levels, switches and dynamics take the
// fixed rows from 58 on. The row names follow the same layout in both languages. Levels and delays
// read as the pages show them.
#include <string>
#include <vector>

class CKTV_Data;

namespace ParameterReport {

constexpr int kRows = 174;
constexpr int kColumns = 10;
constexpr int kChannels = 16;

// The name of every row in the language chosen (empty where a row has none).
std::vector<std::string> RowNames(bool bChinese);
// The twelve column titles; entries 7 to 11 are empty.
std::vector<std::string> ColumnTitles(bool bChinese);
// Column widths in pixels.
int ColumnWidth(int nColumn);

struct Cell {
    int nRow;
    int nChannel;
    std::string text;
};
// The texts of every channel, in channel order (texts follow the language flag).
std::vector<Cell> ChannelTexts(CKTV_Data& data);

}  // namespace ParameterReport
