// CGridCore: row and column sizes, sorting and clicks on the headings.
#include <algorithm>
#include <numeric>
#include <vector>

#include "grid/GridCore.h"

bool CGridCore::AutoSizeColumn(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount() || !Host().HasWindow())
        return false;
    int nWidth = 0;
    for (int r = 0; r < GetRowCount(); ++r)
        nWidth = std::max(nWidth, GetCellTextExtent(r, nCol).cx);
    SetColumnWidth(nCol, nWidth);
    UpdateScrollBars();
    return true;
}

bool CGridCore::AutoSizeRow(int nRow)
{
    if (nRow < 0 || nRow >= GetRowCount() || !Host().HasWindow())
        return false;
    int nHeight = 0;
    for (int c = 0; c < GetColumnCount(); ++c)
        nHeight = std::max(nHeight, GetCellTextExtent(nRow, c).cy);
    SetRowHeight(nRow, nHeight);
    UpdateScrollBars();
    return true;
}

void CGridCore::AutoSizeColumns()
{
    for (int c = 0; c < GetColumnCount(); ++c)
        AutoSizeColumn(c);
}

void CGridCore::AutoSizeRows()
{
    for (int r = 0; r < GetRowCount(); ++r)
        AutoSizeRow(r);
}

void CGridCore::AutoSize()
{
    if (!Host().HasWindow())
        return;
    for (int c = 0; c < GetColumnCount(); ++c)
        SetColumnWidth(c, 0);
    for (int r = 0; r < GetRowCount(); ++r)
        SetRowHeight(r, 0);
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c) {
            const GridSize size = GetCellTextExtent(r, c);
            SetColumnWidth(c, std::max(GetColumnWidth(c), size.cx));
            SetRowHeight(r, std::max(GetRowHeight(r), size.cy));
        }
    if (m_bAllowDraw) {
        UpdateScrollBars();
        Host().Invalidate(nullptr);
    }
}

namespace {
// Spreads d pixels over n sizes: each gets d / n, the first (|d| mod n) one pixel more that way.
void Stretch(int nCount, int nDiff, int (CGridCellStore::*get)(int) const, bool (CGridCellStore::*set)(int, int),
             CGridCellStore& store)
{
    const int nEach = nDiff / nCount;
    const int nExtra = nDiff > 0 ? nDiff % nCount : (-nDiff) % nCount;
    for (int i = 0; i < nCount; ++i) {
        int nSize = (store.*get)(i) + nEach;
        if (i < nExtra)
            nSize += nDiff > 0 ? 1 : -1;
        (store.*set)(i, std::max(0, nSize));
    }
}
}  // namespace

void CGridCore::StretchColumnsToFit()
{
    if (GetColumnCount() == 0)
        return;
    Stretch(GetColumnCount(), Host().GetClientSize().cx - GetTotalWidth(), &CGridCellStore::GetColumnWidth,
            &CGridCellStore::SetColumnWidth, *this);
    if (CanPaint())
        Host().Invalidate(nullptr);
}

void CGridCore::StretchRowsToFit()
{
    if (GetRowCount() == 0)
        return;
    Stretch(GetRowCount(), Host().GetClientSize().cy - GetTotalHeight(), &CGridCellStore::GetRowHeight,
            &CGridCellStore::SetRowHeight, *this);
    if (CanPaint())
        Host().Invalidate(nullptr);
}

void CGridCore::StretchToFit()
{
    StretchColumnsToFit();
    StretchRowsToFit();
    StretchColumnsToFit();
}

void CGridCore::OnFixedRowClick(const CGridCellPos& cell)
{
    if (!IsValid(cell))
        return;
    if (m_bListMode) {
        if (!m_bSortOnClick)
            return;
        Host().SetWaitCursor(true);
        if (cell.col == m_nSortColumn) {
            m_bAscending = !m_bAscending;
        } else {
            m_bAscending = true;
            m_nSortColumn = cell.col;
        }
        SortByColumn(m_nSortColumn, m_bAscending);
        if (CanPaint())
            Host().Invalidate(nullptr);
        Host().SetWaitCursor(false);
        return;
    }
    m_nMouseMode = cell.col < GetFixedColumnCount() ? MOUSE_SELECT_ALL : MOUSE_SELECT_COLUMNS;
    ExtendSelection(cell);
}

void CGridCore::OnFixedColumnClick(const CGridCellPos& cell)
{
    if (!IsValid(cell))
        return;
    m_nMouseMode = cell.row < GetFixedRowCount() ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROWS;
    ExtendSelection(cell);
}

bool CGridCore::SortByColumn(int nCol, bool bAscending)
{
    ClearSelection();
    return SortRowsByText(nCol, bAscending, GetFixedRowCount(), -1);
}

void CGridCore::SortRows(int nLow, int nHigh, bool bAscending, const std::function<bool(int, int)>& less)
{
    // A stable sort of the row order: rows that compare equal keep their places, so sorting a
    // sorted column again, or a column of equal texts, changes nothing. Cells and heights move
    // with their rows.
    std::vector<int> order(nHigh - nLow + 1);
    std::iota(order.begin(), order.end(), nLow);
    if (bAscending)
        std::stable_sort(order.begin(), order.end(), less);
    else
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(b, a); });
    ReorderRows(nLow, order);
}

bool CGridCore::SortRowsByText(int nCol, bool bAscending, int nLow, int nHigh)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return false;
    if (nHigh == -1)
        nHigh = GetRowCount() - 1;
    if (nLow < 0 || nLow >= nHigh || nHigh >= GetRowCount())
        return false;
    // Each row's text is read once; texts compare byte by byte, so capitals sort before small
    // letters and an empty text first.
    std::vector<std::string> texts(nHigh - nLow + 1);
    for (int r = nLow; r <= nHigh; ++r)
        texts[r - nLow] = GetItemText(r, nCol);
    SortRows(nLow, nHigh, bAscending, [&](int a, int b) { return texts[a - nLow] < texts[b - nLow]; });
    return true;
}

bool CGridCore::SortByColumnWith(DataCompare pfnCompare, int nCol, bool bAscending, LPARAM lParamSort)
{
    ClearSelection();
    return SortRowsWith(pfnCompare, nCol, bAscending, lParamSort, GetFixedRowCount(), -1);
}

bool CGridCore::SortRowsWith(DataCompare pfnCompare, int nCol, bool bAscending, LPARAM lParamSort, int nLow,
                             int nHigh)
{
    if (pfnCompare == nullptr || nCol < 0 || nCol >= GetColumnCount())
        return false;
    if (nHigh == -1)
        nHigh = GetRowCount() - 1;
    if (nLow < 0 || nLow >= nHigh || nHigh >= GetRowCount())
        return false;
    std::vector<LPARAM> data(nHigh - nLow + 1);
    for (int r = nLow; r <= nHigh; ++r)
        data[r - nLow] = GetItemData(r, nCol);
    SortRows(nLow, nHigh, bAscending,
             [&](int a, int b) { return pfnCompare(data[a - nLow], data[b - nLow], lParamSort) < 0; });
    return true;
}
