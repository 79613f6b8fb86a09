#pragma once
// What a grid holds: rows of cells, the row heights and column widths, the counts (fixed ones
// included), the selected-cell maps and the modified marks. Pure storage with its accessors; the
// rules that keep the focus cell, the selection and the window in step with it live in
// CGridCore. Positions outside the grid make setters return false and getters their defaults.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "grid/GridCell.h"

class CGridCellStore {
public:
    using CellFactory = std::function<std::unique_ptr<CGridCtrlCell>(int nRow, int nCol)>;
    // The selected cells by a key packed from column and row (both full 32-bit).
    using CellMap = std::map<std::uint64_t, CGridCellPos>;

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_colWidths.size()); }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }

    bool IsValid(int nRow, int nCol) const
    {
        return nRow >= 0 && nRow < GetRowCount() && nCol >= 0 && nCol < GetColumnCount();
    }
    bool IsValid(const CGridCellPos& cell) const { return IsValid(cell.row, cell.col); }
    bool IsValid(const CGridCellRange& range) const;
    bool IsCellFixed(int nRow, int nCol) const { return nRow < m_nFixedRows || nCol < m_nFixedCols; }

    CGridCtrlCell* GetCell(int nRow, int nCol) const;
    // Puts a cell into a slot and hands back the one that was there (nullptr outside the grid,
    // with pCell handed back).
    std::unique_ptr<CGridCtrlCell> SetCell(int nRow, int nCol, std::unique_ptr<CGridCtrlCell> pCell);

    // Sizes, in pixels; -1 outside the grid.
    int GetRowHeight(int nRow) const;
    int GetColumnWidth(int nCol) const;
    // False (and nothing changes) outside the grid or for a negative size.
    bool SetRowHeight(int nRow, int nHeight);
    bool SetColumnWidth(int nCol, int nWidth);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetTotalHeight() const;
    int GetTotalWidth() const;

    // Cell attributes; the getters answer the given default where there is no cell.
    bool SetItemState(int nRow, int nCol, unsigned nState);  // keeps the selected-cell map in step
    unsigned GetItemState(int nRow, int nCol) const;
    bool SetItemFormat(int nRow, int nCol, unsigned nFormat);
    unsigned GetItemFormat(int nRow, int nCol) const;
    bool SetItemImage(int nRow, int nCol, int iImage);
    int GetItemImage(int nRow, int nCol) const;
    bool SetItemData(int nRow, int nCol, LPARAM lParam);
    LPARAM GetItemData(int nRow, int nCol) const;
    bool SetItemBackColour(int nRow, int nCol, COLORREF cr);
    COLORREF GetItemBackColour(int nRow, int nCol) const;
    bool SetItemTextColour(int nRow, int nCol, COLORREF cr);
    COLORREF GetItemTextColour(int nRow, int nCol) const;
    bool SetItemFont(int nRow, int nCol, const GridFont& font);
    // The cell's description, or the grid's where there is no cell.
    const GridFont* GetItemFont(int nRow, int nCol) const;
    bool SetItemSavedText(int nRow, int nCol, const std::string& strText);
    std::string GetItemSavedText(int nRow, int nCol) const;

    // The description given to new cells.
    const GridFont& GetFontDescription() const { return m_font; }
    void SetFontDescription(const GridFont& font) { m_font = font; }

    // Without a cell (row or column below 1): the grid-wide flag. Otherwise the cell's mark; a
    // grid-wide flag that ends up clear clears every cell's mark.
    void SetModified(bool bModified = true, int nRow = -1, int nCol = -1);
    bool GetModified(int nRow = -1, int nCol = -1) const;

    const CellMap& SelectedCells() const { return m_selected; }
    CellMap& PreviousSelection() { return m_prevSelected; }
    const CellMap& PreviousSelection() const { return m_prevSelected; }
    static std::uint64_t CellKey(int nRow, int nCol)
    {
        return (std::uint64_t(std::uint32_t(nCol)) << 32) | std::uint32_t(nRow);
    }

protected:
    // Structure, for CGridCore, which first empties the cells that go (EmptyCell takes them out
    // of the selected-cell map).
    void ResizeRows(int nRows, int nHeight, const CellFactory& make);
    void ResizeColumns(int nCols, int nWidth, const CellFactory& make);
    void SetFixedCounts(int nFixedRows, int nFixedCols);
    // nBefore -1 appends; returns the new index.
    int InsertColumnAt(int nBefore, int nWidth, const CellFactory& make);
    int InsertRowAt(int nBefore, int nHeight, const CellFactory& make);
    void EraseColumn(int nCol);
    void EraseRow(int nRow);
    void EraseAll();
    // Puts the rows from nFirst on in the given order (order[i] is the old index of new row
    // nFirst + i); the rows' cells and heights move together.
    void ReorderRows(int nFirst, const std::vector<int>& order);

private:
    std::vector<std::vector<std::unique_ptr<CGridCtrlCell>>> m_rows;
    std::vector<int> m_rowHeights;
    std::vector<int> m_colWidths;
    int m_nFixedRows = 0;
    int m_nFixedCols = 0;
    GridFont m_font = kStockSystemFont;
    bool m_bModified = false;
    CellMap m_selected;
    CellMap m_prevSelected;
};
