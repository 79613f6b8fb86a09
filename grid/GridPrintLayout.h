#pragma once
// The page layout rules of the grid's printout, apart from any device context. The page is the
// grid's own pixels scaled to the paper's width: the grid's whole width and a margin of four
// characters each side across, as tall as the paper's shape makes it. The page count and the page
// loop both take their rows from PageFirstRows, so no row prints twice and no page is empty.
#include <vector>

struct GridPrintMetrics {
    int nCharWidth = 0;   // of the printer font, in grid pixels
    int nCharHeight = 0;
    int nPageWidth = 0;   // the logical page, in grid pixels
    int nPageHeight = 0;
    int nUsableHeight = 0;  // left for the rows below the header and the headings, above the footer
};

namespace GridPrintLayout {

// The page for a paper of nPaperWidth x nPaperHeight (printer units) and a grid nTotalWidth wide
// whose fixed rows are nFixedHeight tall.
GridPrintMetrics Metrics(int nPaperWidth, int nPaperHeight, int nTotalWidth, int nFixedHeight, int nCharWidth,
                         int nCharHeight);

// The first row of each page, as an index into rowHeights (the rows below the headings). A row
// fits while the running height of the page's rows, its own included, stays within the usable
// height; every page takes at least one row, so a row taller than the page has a page of its own.
// At least one page.
std::vector<int> PageFirstRows(const std::vector<int>& rowHeights, int nUsableHeight);

// A text of nWidth centred between nLeft and nRight, but ending no further right than nStop: the
// left edge where it is drawn (never left of nLeft; a text too wide is cut at nStop).
int CentredLeftBefore(int nLeft, int nRight, int nStop, int nWidth);

}  // namespace GridPrintLayout
