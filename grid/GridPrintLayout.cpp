#include "grid/GridPrintLayout.h"

#include <algorithm>
#include <cstdint>

namespace GridPrintLayout {

GridPrintMetrics Metrics(int nPaperWidth, int nPaperHeight, int nTotalWidth, int nFixedHeight, int nCharWidth,
                         int nCharHeight)
{
    GridPrintMetrics m;
    m.nCharWidth = nCharWidth;
    m.nCharHeight = nCharHeight;
    m.nPageWidth = std::max(nTotalWidth + 8 * nCharWidth, 1);
    m.nPageHeight = nPaperWidth > 0
                        ? static_cast<int>((std::int64_t(m.nPageWidth) * nPaperHeight + nPaperWidth / 2) / nPaperWidth)
                        : 0;
    m.nUsableHeight = m.nPageHeight - nFixedHeight - 6 * nCharHeight;
    return m;
}

std::vector<int> PageFirstRows(const std::vector<int>& rowHeights, int nUsableHeight)
{
    std::vector<int> firstRows{0};
    std::int64_t nRunning = 0;
    for (std::size_t i = 0; i < rowHeights.size(); ++i) {
        nRunning += std::max(rowHeights[i], 0);
        const bool bFirstOnPage = static_cast<int>(i) == firstRows.back();
        if (nRunning > nUsableHeight && !bFirstOnPage) {
            firstRows.push_back(static_cast<int>(i));
            nRunning = std::max(rowHeights[i], 0);
        }
    }
    return firstRows;
}

int CentredLeftBefore(int nLeft, int nRight, int nStop, int nWidth)
{
    const int nCentred = nLeft + (nRight - nLeft - nWidth) / 2;
    return std::max(nLeft, std::min(nCentred, nStop - nWidth));
}

}  // namespace GridPrintLayout
