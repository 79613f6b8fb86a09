#pragma once
// The page layout rules of the list printout, apart from any device context: where the column
// edges fall on the paper, how many rows a page holds and which rows each page prints. The page
// count and the page loop both ask the same functions, so no row prints twice and no page is left
// without a row of its own.
#include <vector>

namespace ListPrintLayout {

// Column edges from the on-screen widths: entry 0 is 0, entry i + 1 the right edge of column i,
// scaled (truncated) so that the last edge is the printable width. Widths below 0 count as 0;
// when every width is 0 the columns share the width equally.
std::vector<int> ColumnEdges(const std::vector<int>& widths, int nPrintableWidth);

// Rows of nRowHeight, each followed by a one-unit rule, that fit in nUsableHeight: a row fits
// while the running height, its closing rule included, stays within the usable height. At least 1,
// so a page always makes progress.
int RowsPerPage(int nUsableHeight, int nRowHeight);

// ceil(rows / rows per page), at least 1 (an empty list still prints its headings once).
int PageCount(int nRows, int nRowsPerPage);

// The first row of page nPage (counted from 1); the page shows nRowsPerPage rows from there.
int FirstRowOfPage(int nPage, int nRowsPerPage);

}  // namespace ListPrintLayout
