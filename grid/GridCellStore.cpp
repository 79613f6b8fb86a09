#include "grid/GridCellStore.h"

#include <numeric>

CGridCellRange CGridCellRange::Intersect(const CGridCellRange& other) const
{
    return {std::max(m_nMinRow, other.m_nMinRow), std::max(m_nMinCol, other.m_nMinCol),
            std::min(m_nMaxRow, other.m_nMaxRow), std::min(m_nMaxCol, other.m_nMaxCol)};
}

bool CGridCellStore::IsValid(const CGridCellRange& range) const
{
    return range.IsValid() && range.GetMaxRow() < GetRowCount() && range.GetMaxCol() < GetColumnCount();
}

CGridCtrlCell* CGridCellStore::GetCell(int nRow, int nCol) const
{
    return IsValid(nRow, nCol) ? m_rows[nRow][nCol].get() : nullptr;
}

std::unique_ptr<CGridCtrlCell> CGridCellStore::SetCell(int nRow, int nCol, std::unique_ptr<CGridCtrlCell> pCell)
{
    if (!IsValid(nRow, nCol))
        return pCell;
    m_rows[nRow][nCol].swap(pCell);
    return pCell;
}

int CGridCellStore::GetRowHeight(int nRow) const
{
    return nRow >= 0 && nRow < GetRowCount() ? m_rowHeights[nRow] : -1;
}

int CGridCellStore::GetColumnWidth(int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount() ? m_colWidths[nCol] : -1;
}

bool CGridCellStore::SetRowHeight(int nRow, int nHeight)
{
    if (nRow < 0 || nRow >= GetRowCount() || nHeight < 0)
        return false;
    m_rowHeights[nRow] = nHeight;
    return true;
}

bool CGridCellStore::SetColumnWidth(int nCol, int nWidth)
{
    if (nCol < 0 || nCol >= GetColumnCount() || nWidth < 0)
        return false;
    m_colWidths[nCol] = nWidth;
    return true;
}

int CGridCellStore::GetFixedRowHeight() const
{
    return std::accumulate(m_rowHeights.begin(), m_rowHeights.begin() + m_nFixedRows, 0);
}

int CGridCellStore::GetFixedColumnWidth() const
{
    return std::accumulate(m_colWidths.begin(), m_colWidths.begin() + m_nFixedCols, 0);
}

int CGridCellStore::GetTotalHeight() const
{
    return std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), 0);
}

int CGridCellStore::GetTotalWidth() const
{
    return std::accumulate(m_colWidths.begin(), m_colWidths.end(), 0);
}

bool CGridCellStore::SetItemState(int nRow, int nCol, unsigned nState)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    const bool bWas = (pCell->nState & CELL_SELECTED) != 0;
    const bool bIs = (nState & CELL_SELECTED) != 0;
    if (bWas && !bIs)
        m_selected.erase(CellKey(nRow, nCol));
    else if (!bWas && bIs)
        m_selected[CellKey(nRow, nCol)] = {nRow, nCol};
    pCell->nState = nState;
    return true;
}

unsigned CGridCellStore::GetItemState(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->nState : 0;
}

bool CGridCellStore::SetItemFormat(int nRow, int nCol, unsigned nFormat)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->nFormat = nFormat;
    return true;
}

unsigned CGridCellStore::GetItemFormat(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->nFormat : 0;
}

bool CGridCellStore::SetItemImage(int nRow, int nCol, int iImage)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->iImage = iImage;
    return true;
}

int CGridCellStore::GetItemImage(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->iImage : -1;
}

bool CGridCellStore::SetItemData(int nRow, int nCol, LPARAM lParam)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->lParam = lParam;
    return true;
}

LPARAM CGridCellStore::GetItemData(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->lParam : 0;
}

bool CGridCellStore::SetItemBackColour(int nRow, int nCol, COLORREF cr)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->crBkClr = cr;
    return true;
}

COLORREF CGridCellStore::GetItemBackColour(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->crBkClr : 0;
}

bool CGridCellStore::SetItemTextColour(int nRow, int nCol, COLORREF cr)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->crFgClr = cr;
    return true;
}

COLORREF CGridCellStore::GetItemTextColour(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->crFgClr : 0;
}

bool CGridCellStore::SetItemFont(int nRow, int nCol, const GridFont& font)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->lfFont = font;
    return true;
}

const GridFont* CGridCellStore::GetItemFont(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? &pCell->lfFont : &m_font;
}

bool CGridCellStore::SetItemSavedText(int nRow, int nCol, const std::string& strText)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->strSavedText = strText;
    return true;
}

std::string CGridCellStore::GetItemSavedText(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->strSavedText : std::string();
}

void CGridCellStore::SetModified(bool bModified, int nRow, int nCol)
{
    if (nRow < 1 || nCol < 1) {
        m_bModified = bModified;
    } else if (CGridCtrlCell* pCell = GetCell(nRow, nCol)) {
        if (bModified) {
            pCell->nState |= CELL_MODIFIED;
            m_bModified = true;
        } else {
            pCell->nState &= ~CELL_MODIFIED;
        }
    }
    if (!m_bModified)
        for (auto& row : m_rows)
            for (auto& pCell : row)
                if (pCell)
                    pCell->nState &= ~CELL_MODIFIED;
}

bool CGridCellStore::GetModified(int nRow, int nCol) const
{
    if (nRow >= 1 && nCol >= 1)
        return (GetItemState(nRow, nCol) & CELL_MODIFIED) != 0;
    return m_bModified;
}

void CGridCellStore::ResizeRows(int nRows, int nHeight, const CellFactory& make)
{
    const int nOld = GetRowCount();
    m_rows.resize(nRows);
    m_rowHeights.resize(nRows, nHeight);
    for (int r = nOld; r < nRows; ++r) {
        m_rows[r].resize(GetColumnCount());
        for (int c = 0; c < GetColumnCount(); ++c)
            m_rows[r][c] = make(r, c);
    }
    m_nFixedRows = std::min(m_nFixedRows, nRows);
}

void CGridCellStore::ResizeColumns(int nCols, int nWidth, const CellFactory& make)
{
    const int nOld = GetColumnCount();
    m_colWidths.resize(nCols, nWidth);
    for (int r = 0; r < GetRowCount(); ++r) {
        m_rows[r].resize(nCols);
        for (int c = nOld; c < nCols; ++c)
            m_rows[r][c] = make(r, c);
    }
    m_nFixedCols = std::min(m_nFixedCols, nCols);
}

void CGridCellStore::SetFixedCounts(int nFixedRows, int nFixedCols)
{
    m_nFixedRows = std::clamp(nFixedRows, 0, GetRowCount());
    m_nFixedCols = std::clamp(nFixedCols, 0, GetColumnCount());
}

int CGridCellStore::InsertColumnAt(int nBefore, int nWidth, const CellFactory& make)
{
    const int nCol = nBefore < 0 ? GetColumnCount() : nBefore;
    m_colWidths.insert(m_colWidths.begin() + nCol, nWidth);
    for (int r = 0; r < GetRowCount(); ++r)
        m_rows[r].insert(m_rows[r].begin() + nCol, make(r, nCol));
    return nCol;
}

int CGridCellStore::InsertRowAt(int nBefore, int nHeight, const CellFactory& make)
{
    const int nRow = nBefore < 0 ? GetRowCount() : nBefore;
    m_rowHeights.insert(m_rowHeights.begin() + nRow, nHeight);
    m_rows.insert(m_rows.begin() + nRow, std::vector<std::unique_ptr<CGridCtrlCell>>(GetColumnCount()));
    for (int c = 0; c < GetColumnCount(); ++c)
        m_rows[nRow][c] = make(nRow, c);
    return nRow;
}

void CGridCellStore::EraseColumn(int nCol)
{
    for (auto& row : m_rows)
        row.erase(row.begin() + nCol);
    m_colWidths.erase(m_colWidths.begin() + nCol);
    if (nCol < m_nFixedCols)
        --m_nFixedCols;
}

void CGridCellStore::EraseRow(int nRow)
{
    m_rows.erase(m_rows.begin() + nRow);
    m_rowHeights.erase(m_rowHeights.begin() + nRow);
    if (nRow < m_nFixedRows)
        --m_nFixedRows;
}

void CGridCellStore::EraseAll()
{
    m_rows.clear();
    m_rowHeights.clear();
    m_colWidths.clear();
    m_nFixedRows = 0;
    m_nFixedCols = 0;
    m_selected.clear();
}

void CGridCellStore::ReorderRows(int nFirst, const std::vector<int>& order)
{
    std::vector<std::vector<std::unique_ptr<CGridCtrlCell>>> rows(order.size());
    std::vector<int> heights(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        rows[i] = std::move(m_rows[order[i]]);
        heights[i] = m_rowHeights[order[i]];
    }
    for (size_t i = 0; i < order.size(); ++i) {
        m_rows[nFirst + i] = std::move(rows[i]);
        m_rowHeights[nFirst + i] = heights[i];
    }
}
