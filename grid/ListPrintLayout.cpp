#include "grid/ListPrintLayout.h"

#include <algorithm>
#include <cstdint>

namespace ListPrintLayout {

std::vector<int> ColumnEdges(const std::vector<int>& widths, int nPrintableWidth)
{
    std::vector<int> edges(widths.size() + 1, 0);
    std::int64_t nTotal = 0;
    for (const int nWidth : widths)
        nTotal += std::max(nWidth, 0);
    const std::int64_t nPrintable = std::max(nPrintableWidth, 0);
    std::int64_t nSum = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        nSum += nTotal > 0 ? std::max(widths[i], 0) : 1;
        const std::int64_t nAll = nTotal > 0 ? nTotal : static_cast<std::int64_t>(widths.size());
        edges[i + 1] = static_cast<int>(nSum * nPrintable / nAll);
    }
    return edges;
}

int RowsPerPage(int nUsableHeight, int nRowHeight)
{
    const int nPitch = std::max(nRowHeight, 0) + 1;
    return std::max(nUsableHeight / nPitch, 1);
}

int PageCount(int nRows, int nRowsPerPage)
{
    const int nPer = std::max(nRowsPerPage, 1);
    return std::max((std::max(nRows, 0) + nPer - 1) / nPer, 1);
}

int FirstRowOfPage(int nPage, int nRowsPerPage)
{
    return (std::max(nPage, 1) - 1) * std::max(nRowsPerPage, 1);
}

}  // namespace ListPrintLayout
