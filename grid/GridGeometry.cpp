#include "grid/GridGeometry.h"

CGridGeometry::CGridGeometry(const CGridCellStore& store, const GridViewport& view)
    : m_store(store), m_view(view), m_nFixedWidth(store.GetFixedColumnWidth()), m_nFixedHeight(store.GetFixedRowHeight())
{
    int nCol = store.GetFixedColumnCount();
    for (int x = 0; x < view.nHScroll && nCol < store.GetColumnCount() - 1; ++nCol)
        x += store.GetColumnWidth(nCol);
    int nRow = store.GetFixedRowCount();
    for (int y = 0; y < view.nVScroll && nRow < store.GetRowCount() - 1; ++nRow)
        y += store.GetRowHeight(nRow);
    m_topLeft = {nRow, nCol};
}

CGridCellRange CGridGeometry::GetVisibleCellRange(Rect* pRect) const
{
    int nBottom = m_nFixedHeight;
    int nRow = m_topLeft.row;
    for (; nRow < m_store.GetRowCount(); ++nRow) {
        nBottom += m_store.GetRowHeight(nRow);
        if (nBottom >= m_view.nClientHeight) {
            nBottom = m_view.nClientHeight;
            break;
        }
    }
    int nRight = m_nFixedWidth;
    int nCol = m_topLeft.col;
    for (; nCol < m_store.GetColumnCount(); ++nCol) {
        nRight += m_store.GetColumnWidth(nCol);
        if (nRight >= m_view.nClientWidth) {
            nRight = m_view.nClientWidth;
            break;
        }
    }
    if (pRect != nullptr)
        *pRect = {0, 0, nRight, nBottom};
    return {m_topLeft.row, m_topLeft.col, std::min(nRow, m_store.GetRowCount() - 1),
            std::min(nCol, m_store.GetColumnCount() - 1)};
}

CGridCellRange CGridGeometry::GetFullyVisibleCellRange() const
{
    int nBottom = m_nFixedHeight;
    int nRow = m_topLeft.row;
    for (; nRow < m_store.GetRowCount(); ++nRow) {
        nBottom += m_store.GetRowHeight(nRow);
        if (nBottom >= m_view.nClientHeight)
            break;
    }
    int nRight = m_nFixedWidth;
    int nCol = m_topLeft.col;
    for (; nCol < m_store.GetColumnCount(); ++nCol) {
        nRight += m_store.GetColumnWidth(nCol);
        if (nRight >= m_view.nClientWidth)
            break;
    }
    int nMaxRow = std::min(nRow, m_store.GetRowCount() - 1);
    int nMaxCol = std::min(nCol, m_store.GetColumnCount() - 1);
    if (nMaxRow > 0 && nBottom > m_view.nClientHeight)
        --nMaxRow;
    if (nMaxCol > 0 && nRight > m_view.nClientWidth)
        --nMaxCol;
    return {m_topLeft.row, m_topLeft.col, nMaxRow, nMaxCol};
}

bool CGridGeometry::GetCellOrigin(int nRow, int nCol, Point& pt) const
{
    if (!m_store.IsValid(nRow, nCol))
        return false;
    const int nFixedRows = m_store.GetFixedRowCount();
    const int nFixedCols = m_store.GetFixedColumnCount();
    if ((nRow >= nFixedRows && nRow < m_topLeft.row) || (nCol >= nFixedCols && nCol < m_topLeft.col))
        return false;
    int x = 0;
    if (nCol < nFixedCols) {
        for (int c = 0; c < nCol; ++c)
            x += m_store.GetColumnWidth(c);
    } else {
        x = m_nFixedWidth;
        for (int c = m_topLeft.col; c < nCol; ++c)
            x += m_store.GetColumnWidth(c);
    }
    int y = 0;
    if (nRow < nFixedRows) {
        for (int r = 0; r < nRow; ++r)
            y += m_store.GetRowHeight(r);
    } else {
        y = m_nFixedHeight;
        for (int r = m_topLeft.row; r < nRow; ++r)
            y += m_store.GetRowHeight(r);
    }
    pt = {x, y};
    return true;
}

bool CGridGeometry::GetCellRect(int nRow, int nCol, Rect& rc) const
{
    Point pt;
    if (!GetCellOrigin(nRow, nCol, pt))
        return false;
    rc = {pt.x, pt.y, pt.x + m_store.GetColumnWidth(nCol) - 1, pt.y + m_store.GetRowHeight(nRow) - 1};
    return true;
}

bool CGridGeometry::GetRangeRect(const CGridCellRange& range, Rect& rc) const
{
    Point ptMin;
    Point ptMax;
    if (!GetCellOrigin(range.GetMinRow(), range.GetMinCol(), ptMin) ||
        !GetCellOrigin(range.GetMaxRow(), range.GetMaxCol(), ptMax))
        return false;
    rc = {ptMin.x, ptMin.y, ptMax.x + m_store.GetColumnWidth(range.GetMaxCol()) - 1,
          ptMax.y + m_store.GetRowHeight(range.GetMaxRow()) - 1};
    return true;
}

int CGridGeometry::WalkColumns(int nFirst, int x) const
{
    int nRight = nFirst < m_store.GetFixedColumnCount() ? 0 : m_nFixedWidth;
    const int nEnd = nFirst < m_store.GetFixedColumnCount() ? m_store.GetFixedColumnCount() : m_store.GetColumnCount();
    for (int c = nFirst; c < nEnd; ++c) {
        nRight += m_store.GetColumnWidth(c);
        if (nRight > x)
            return c;
    }
    return nFirst < m_store.GetFixedColumnCount() ? nEnd : -1;
}

int CGridGeometry::WalkRows(int nFirst, int y) const
{
    int nBottom = nFirst < m_store.GetFixedRowCount() ? 0 : m_nFixedHeight;
    const int nEnd = nFirst < m_store.GetFixedRowCount() ? m_store.GetFixedRowCount() : m_store.GetRowCount();
    for (int r = nFirst; r < nEnd; ++r) {
        nBottom += m_store.GetRowHeight(r);
        if (nBottom > y)
            return r;
    }
    return nFirst < m_store.GetFixedRowCount() ? nEnd : -1;
}

CGridCellPos CGridGeometry::HitTestCell(Point pt, bool bAllowFixed) const
{
    CGridCellPos cell;
    if (pt.x < 0 || (pt.x < m_nFixedWidth && !bAllowFixed))
        cell.col = -1;
    else if (pt.x < m_nFixedWidth)
        cell.col = WalkColumns(0, pt.x);
    else
        cell.col = WalkColumns(m_topLeft.col, pt.x);
    if (pt.y < 0 || (pt.y < m_nFixedHeight && !bAllowFixed))
        cell.row = -1;
    else if (pt.y < m_nFixedHeight)
        cell.row = WalkRows(0, pt.y);
    else
        cell.row = WalkRows(m_topLeft.row, pt.y);
    return cell;
}

bool CGridGeometry::IsOverRowDivider(Point pt, int nCaptureRange) const
{
    if (pt.x >= m_nFixedWidth)
        return false;
    const CGridCellPos cell = HitTestCell(pt, true);
    Point origin;
    if (!GetCellOrigin(cell.row, cell.col, origin))
        return false;
    return (pt.y <= origin.y + nCaptureRange && cell.row != 0) ||
           pt.y >= origin.y + m_store.GetRowHeight(cell.row) - nCaptureRange;
}

bool CGridGeometry::IsOverColumnDivider(Point pt, int nCaptureRange) const
{
    if (pt.y >= m_nFixedHeight)
        return false;
    const CGridCellPos cell = HitTestCell(pt, true);
    Point origin;
    if (!GetCellOrigin(cell.row, cell.col, origin))
        return false;
    return (pt.x <= origin.x + nCaptureRange && cell.col != 0) ||
           pt.x >= origin.x + m_store.GetColumnWidth(cell.col) - nCaptureRange;
}

bool CGridGeometry::IsCellVisible(int nRow, int nCol) const
{
    const int nFixedRows = m_store.GetFixedRowCount();
    const int nFixedCols = m_store.GetFixedColumnCount();
    if ((nCol >= nFixedCols && nCol < m_topLeft.col) || (nRow >= nFixedRows && nRow < m_topLeft.row))
        return false;
    int x = nCol < nFixedCols ? 0 : m_nFixedWidth;
    for (int c = nCol < nFixedCols ? 0 : m_topLeft.col; c <= nCol; ++c) {
        if (x >= m_view.nClientWidth)
            return false;
        x += m_store.GetColumnWidth(c);
    }
    int y = nRow < nFixedRows ? 0 : m_nFixedHeight;
    for (int r = nRow < nFixedRows ? 0 : m_topLeft.row; r <= nRow; ++r) {
        if (y >= m_view.nClientHeight)
            return false;
        y += m_store.GetRowHeight(r);
    }
    return true;
}
