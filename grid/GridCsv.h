#pragma once
// The grid's comma-separated text files, apart from any grid. A file holds one line per row,
// each ended by a carriage return and a line feed, with one field per column separated by commas.
// A field that holds a comma, a quote or a line break (or starts with a byte order mark) is
// quoted, its quotes doubled (RFC 4180), so it reads back as it was; every other field is written
// as it stands. Files are UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace GridCsv {

// One line of the file, its line end included.
std::string FormatLine(const std::vector<std::string>& fields);

enum class Problem {
    None,
    NotText,     // a zero byte, or bytes that are not UTF-8: nothing is taken from the file
    OpenQuote,   // the file ends inside a quoted field, which keeps the rest of the file as it stands
};

struct Table {
    std::vector<std::vector<std::string>> lines;
    Problem problem = Problem::None;
};

// The lines of a file's content and their fields. A line ends at a line feed, a carriage return
// before it going with it; the last line needs none. An empty line is one empty field. A UTF-8
// byte order mark before the first line is not part of it. A quoted field whose closing quote is
// followed by more than the end of the field was not quoted: it is read as it stands.
Table Parse(std::string_view bytes);

}  // namespace GridCsv
