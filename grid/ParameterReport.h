#pragma once
// The table of the parameter report: one row per parameter, one column per channel. Channels are
// numbered 0 the microphone, 1-6 the music inputs, 7 the effect and 8-15 the outputs; channel c
// goes to column c + 1 and column 0 holds the row names, so the list has a column for every
// channel.
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
constexpr int kChannels = 16;
constexpr int kColumns = kChannels + 1;

// The name of every row in the language chosen (empty where a row has none).
std::vector<std::string> RowNames(bool bChinese);
// The title of every column: "CH1" to "CH7" over the microphone and the music inputs, "Effect",
// then the outputs as the output page and the level page name them ("Output 1", "输出1").
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
