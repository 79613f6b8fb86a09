// CGridCore: the focus cell, the selection and the keyboard.
#include <vector>

#include "controls/VirtualKeys.h"
#include "grid/GridCore.h"

void CGridCore::MarkFocus(const CGridCellPos& cell)
{
    if (m_bEditable) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | CELL_FOCUSED);
        return;
    }
    // A grid that is not editable shows its focus cell selected. The cell keeps its read-only and
    // modified marks, so Delete still leaves a read-only cell alone.
    const unsigned nKeep = GetItemState(cell.row, cell.col) & (CELL_READ_ONLY | CELL_MODIFIED);
    SetItemState(cell.row, cell.col, nKeep | CELL_SELECTED);
}

void CGridCore::RepaintFixedCells(const CGridCellPos& cell, bool bColumn, bool bRow)
{
    if (bColumn)
        for (int r = 0; r < GetFixedRowCount(); ++r)
            RedrawCell(r, cell.col);
    if (bRow)
        for (int c = 0; c < GetFixedColumnCount(); ++c)
            RedrawCell(cell.row, c);
}

CGridCellPos CGridCore::SetFocusCellPos(const CGridCellPos& cell)
{
    if (cell == m_idCurrentCell) {
        if (IsValid(m_idCurrentCell)) {
            MarkFocus(m_idCurrentCell);
            RedrawCell(m_idCurrentCell.row, m_idCurrentCell.col);
            RepaintFixedCells(m_idCurrentCell, true, true);
        }
        return m_idCurrentCell;
    }
    const CGridCellPos prev = m_idCurrentCell;
    m_idCurrentCell = cell;
    if (IsValid(prev)) {
        NotifyParent(prev.row, prev.col, GRIDN_FOCUS_CHANGING);
        SetItemState(prev.row, prev.col, GetItemState(prev.row, prev.col) & ~CELL_FOCUSED);
        RedrawCell(prev.row, prev.col);
        RepaintFixedCells(prev, prev.col != cell.col, prev.row != cell.row);
    }
    if (IsValid(m_idCurrentCell)) {
        MarkFocus(m_idCurrentCell);
        RedrawCell(m_idCurrentCell.row, m_idCurrentCell.col);
        RepaintFixedCells(m_idCurrentCell, prev.col != cell.col, prev.row != cell.row);
        NotifyParent(m_idCurrentCell.row, m_idCurrentCell.col, GRIDN_FOCUS_CHANGED);
    }
    return prev;
}

void CGridCore::SetSelectedRange(const CGridCellRange& range, bool bForceRepaint)
{
    SetSelectedRange(range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol(), bForceRepaint);
}

void CGridCore::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, bool bForceRepaint)
{
    if (!m_bEnableSelection)
        return;
    // Every cell whose mark changes is repainted; on this toolkit a repaint "now" is a mark too,
    // so bForceRepaint and the marks come to the same. The marks are gathered into one rectangle
    // of the shown cells, found once (a whole-grid selection touches every cell).
    (void)bForceRepaint;
    const bool bPaint = CanPaint();
    const CGridGeometry geometry = Geometry();
    const CGridCellRange shown = bPaint ? geometry.GetVisibleCellRange() : CGridCellRange();
    Rect rcDirty{};
    bool bDirty = false;
    auto mark = [&](int nRow, int nCol) {
        if (!bPaint)
            return;
        const bool bFixed = IsCellFixed(nRow, nCol);
        if (!bFixed && !shown.InRange(nRow, nCol))
            return;
        Rect rc;
        if ((bFixed && !geometry.IsCellVisible(nRow, nCol)) || !geometry.GetCellRect(nRow, nCol, rc))
            return;
        rc = {rc.left, rc.top, rc.right + 1, rc.bottom + 1};
        rcDirty = bDirty ? Rect{std::min(rcDirty.left, rc.left), std::min(rcDirty.top, rc.top),
                                std::max(rcDirty.right, rc.right), std::max(rcDirty.bottom, rc.bottom)}
                         : rc;
        bDirty = true;
    };

    const CGridCellRange block(nMinRow, nMinCol, nMaxRow, nMaxCol);
    const bool bBlock = IsValid(block);
    std::vector<CGridCellPos> selected;
    for (const auto& [key, cell] : SelectedCells())
        selected.push_back(cell);
    for (const CGridCellPos& cell : selected) {
        if (!IsValid(cell))
            continue;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~CELL_SELECTED);
        if (!bBlock || !block.InRange(cell.row, cell.col))
            mark(cell.row, cell.col);
    }
    if (!m_bSingleRowSelection) {
        for (const auto& [key, cell] : PreviousSelection()) {
            if (!IsValid(cell))
                continue;
            SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | CELL_SELECTED);
            mark(cell.row, cell.col);
        }
    }
    if (bBlock) {
        for (int r = nMinRow; r <= nMaxRow; ++r)
            for (int c = nMinCol; c <= nMaxCol; ++c) {
                const unsigned nState = GetItemState(r, c);
                if (nState & CELL_SELECTED)
                    continue;
                SetItemState(r, c, nState | CELL_SELECTED);
                mark(r, c);
            }
    }
    if (bDirty)
        Host().Invalidate(&rcDirty);
}

CGridCellRange CGridCore::GetSelectedRange() const
{
    CGridCellRange range(GetRowCount(), GetColumnCount(), -1, -1);
    for (const auto& [key, cell] : SelectedCells()) {
        range.SetMinRow(std::min(range.GetMinRow(), cell.row));
        range.SetMinCol(std::min(range.GetMinCol(), cell.col));
        range.SetMaxRow(std::max(range.GetMaxRow(), cell.row));
        range.SetMaxCol(std::max(range.GetMaxCol(), cell.col));
    }
    return range;
}

void CGridCore::ClearSelection()
{
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

void CGridCore::SelectAllCells()
{
    if (!m_bEnableSelection)
        return;
    SetSelectedRange(GetFixedRowCount(), GetFixedColumnCount(), GetRowCount() - 1, GetColumnCount() - 1);
}

void CGridCore::SelectColumns(const CGridCellPos& cell)
{
    if (!m_bEnableSelection || !IsValid(cell) || cell.col < GetFixedColumnCount())
        return;
    SetSelectedRange(GetFixedRowCount(), std::min(m_selectionStart.col, cell.col), GetRowCount() - 1,
                     std::max(m_selectionStart.col, cell.col));
}

void CGridCore::SelectRows(const CGridCellPos& cell)
{
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < GetFixedRowCount())
        return;
    if (m_bListMode && m_bSingleRowSelection)
        SetSelectedRange(cell.row, GetFixedColumnCount(), cell.row, GetColumnCount() - 1);
    else
        SetSelectedRange(std::min(m_selectionStart.row, cell.row), GetFixedColumnCount(),
                         std::max(m_selectionStart.row, cell.row), GetColumnCount() - 1);
}

void CGridCore::SelectCells(const CGridCellPos& cell)
{
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < GetFixedRowCount() || cell.col < GetFixedColumnCount())
        return;
    SetSelectedRange(std::min(m_selectionStart.row, cell.row), std::min(m_selectionStart.col, cell.col),
                     std::max(m_selectionStart.row, cell.row), std::max(m_selectionStart.col, cell.col));
}

void CGridCore::ExtendSelection(const CGridCellPos& cell)
{
    if (!m_bEnableSelection)
        return;
    switch (m_nMouseMode) {
    case MOUSE_SELECT_ALL: SelectAllCells(); break;
    case MOUSE_SELECT_COLUMNS: SelectColumns(cell); break;
    case MOUSE_SELECT_ROWS: SelectRows(cell); break;
    case MOUSE_SELECT_CELLS: SelectCells(cell); break;
    default: break;
    }
}

void CGridCore::ClearSelectedCells()
{
    if (!m_bEditable)
        return;
    std::vector<CGridCellPos> cells;
    for (const auto& [key, cell] : SelectedCells())
        cells.push_back(cell);
    for (const CGridCellPos& cell : cells) {
        CGridCtrlCell* pCell = GetCell(cell.row, cell.col);
        if (pCell == nullptr || !IsCellEditable(cell))
            continue;
        NotifyParent(cell.row, cell.col, GRIDN_BEGIN_EDIT);
        EmptyCell(*pCell, cell.row, cell.col);
        SetModified(true, cell.row, cell.col);
        NotifyParent(cell.row, cell.col, GRIDN_END_EDIT);
    }
    if (CanPaint())
        Host().Invalidate(nullptr);
}

CGridCellPos CGridCore::FindNextCell(const CGridCellPos& cell, unsigned nFlags) const
{
    const unsigned nStateBits = nFlags & 0xFF;
    auto matches = [&](int nRow, int nCol) { return (GetItemState(nRow, nCol) & nStateBits) != 0; };
    if (nFlags & (FIND_BELOW | FIND_TO_LEFT | FIND_TO_RIGHT)) {
        int nRow = std::max(cell.row, GetFixedRowCount());
        int nCol = cell.col + 1;
        for (; nRow < GetRowCount(); ++nRow, nCol = GetFixedColumnCount())
            for (nCol = std::max(nCol, GetFixedColumnCount()); nCol < GetColumnCount(); ++nCol)
                if (matches(nRow, nCol))
                    return {nRow, nCol};
    } else if (nFlags & FIND_ABOVE) {
        for (int nRow = cell.row - 1; nRow >= GetFixedRowCount(); --nRow)
            if (matches(nRow, cell.col))
                return {nRow, cell.col};
    }
    return {-1, -1};
}

bool CGridCore::WantsKey(int nKey, GridKeyState keys) const
{
    return nKey != VK_TAB || (m_bHandleTabKey && !keys.bCtrl);
}

bool CGridCore::OnKeyDown(int nKey, GridKeyState keys)
{
    if (!IsValid(m_idCurrentCell))
        return false;
    CGridCellPos next = m_idCurrentCell;
    bool bChangeLine = false;
    bool bWrapped = false;
    bool bHandled = true;

    bool bCommand = keys.bCtrl;
    if (keys.bCtrl) {
        switch (nKey) {
        case 'A': OnEditSelectAll(); break;
        case 'C': OnEditCopy(); break;
        case 'V': OnEditPaste(); break;
        case 'X': OnEditCut(); break;
        default: bCommand = false; break;
        }
    }

    const int nFirstRow = GetFixedRowCount();
    const int nFirstCol = GetFixedColumnCount();
    const int nLastRow = GetRowCount() - 1;
    const int nLastCol = GetColumnCount() - 1;
    switch (nKey) {
    case VK_TAB:
        if (keys.bShift) {
            if (next.col > nFirstCol) {
                --next.col;
            } else if (next.col == nFirstCol && next.row > nFirstRow) {
                --next.row;
                next.col = nLastCol;
                bChangeLine = true;
            } else {
                bHandled = false;
            }
        } else if (next.col < nLastCol) {
            ++next.col;
        } else {
            // The wrap goes to the first row that is not a heading, whatever the fixed count.
            bWrapped = next.row == nLastRow;
            next.row = bWrapped ? nFirstRow : next.row + 1;
            next.col = nFirstCol;
            bChangeLine = true;
        }
        break;
    case VK_NEXT: {
        const int nOldTop = GetTopLeftScrollCell().row;
        OnVScroll(SB_PAGEDOWN);
        const int nMoved = GetTopLeftScrollCell().row - nOldTop;
        next.row = nMoved > 0 ? std::min(nLastRow, next.row + nMoved) : nLastRow;
        break;
    }
    case VK_PRIOR: {
        const int nOldTop = GetTopLeftScrollCell().row;
        OnVScroll(SB_PAGEUP);
        const int nMoved = GetTopLeftScrollCell().row - nOldTop;
        next.row = nMoved < 0 ? std::max(nFirstRow, next.row + nMoved) : nFirstRow;
        break;
    }
    case VK_END:
        OnVScroll(SB_BOTTOM);
        next.row = nLastRow;
        break;
    case VK_HOME:
        OnVScroll(SB_TOP);
        next.row = nFirstRow;
        break;
    case VK_LEFT:
        if (next.col > nFirstCol)
            --next.col;
        break;
    case VK_RIGHT:
        if (next.col < nLastCol)
            ++next.col;
        break;
    case VK_UP:
        bWrapped = next.row <= nFirstRow;
        next.row = bWrapped ? nLastRow : next.row - 1;
        break;
    case VK_DOWN:
        bWrapped = next.row >= nLastRow;
        next.row = bWrapped ? nFirstRow : next.row + 1;
        break;
    case VK_DELETE:
        if ((GetItemState(next.row, next.col) & CELL_READ_ONLY) == 0) {
            SetItemText(next.row, next.col, "");
            SetModified(true, next.row, next.col);
            NotifyParent(next.row, next.col, GRIDN_CELL_CLEARED);
            RedrawCell(next.row, next.col);
        }
        break;
    default:
        bHandled = false;
        break;
    }

    if (next == m_idCurrentCell)
        return bHandled || bCommand;

    if (m_nMouseMode == MOUSE_NONE) {
        PreviousSelection().clear();
        m_nMouseMode = m_bListMode ? MOUSE_SELECT_ROWS : MOUSE_SELECT_CELLS;
        m_selectionStart = next;
        SetFocusCell(-1, -1);
        m_idCurrentCell = next;
        ExtendSelection(next);
        m_nMouseMode = MOUSE_NONE;
    }

    if (!IsCellVisible(next.row, next.col)) {
        EnsureVisible(next);
        // One more line shows what lies ahead; after a wrap, ahead is the other end of the grid,
        // and that line would take the target out of view again.
        switch (bWrapped ? 0 : nKey) {
        case VK_RIGHT: OnHScroll(SB_LINEDOWN); break;
        case VK_LEFT: OnHScroll(SB_LINEUP); break;
        case VK_DOWN: OnVScroll(SB_LINEDOWN); break;
        case VK_UP: OnVScroll(SB_LINEUP); break;
        case VK_TAB:
            if (keys.bShift) {
                if (bChangeLine) {
                    OnVScroll(SB_LINEUP);
                    SetScrollPosition(SB_HORZ, m_hBar.GetMax());
                } else {
                    OnHScroll(SB_LINEUP);
                }
            } else {
                if (bChangeLine) {
                    OnVScroll(SB_LINEDOWN);
                    SetScrollPosition(SB_HORZ, 0);
                } else {
                    OnHScroll(SB_LINEDOWN);
                }
            }
            break;
        default: break;
        }
        if (CanPaint())
            Host().Invalidate(nullptr);
    }
    return true;
}

bool CGridCore::OnChar(int nChar, GridKeyState keys)
{
    if (!keys.bCtrl && m_nMouseMode == MOUSE_NONE && (nChar != VK_TAB || !m_bHandleTabKey))
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nChar);
    return false;
}

void CGridCore::OnTimer(int nId, Point pt)
{
    if (nId != GRID_AUTOSCROLL_TIMER || !m_pHost->HasWindow())
        return;
    const GridSize client = Host().GetClientSize();
    const int nFixedHeight = GetFixedRowHeight();
    const int nFixedWidth = GetFixedColumnWidth();
    if (pt.y > client.cy) {
        OnKeyDown(VK_DOWN, {});
        ExtendSelection(HitTestCell({std::clamp(pt.x, 0, client.cx), client.cy}, true));
    } else if (pt.y < nFixedHeight) {
        OnKeyDown(VK_UP, {});
        ExtendSelection(HitTestCell({std::clamp(pt.x, 0, client.cx), nFixedHeight + 1}, true));
    }
    if (pt.x > client.cx) {
        OnKeyDown(VK_RIGHT, {});
        ExtendSelection(HitTestCell({client.cx, std::clamp(pt.y, 0, client.cy)}, true));
    } else if (pt.x < nFixedWidth) {
        OnKeyDown(VK_LEFT, {});
        ExtendSelection(HitTestCell({nFixedWidth + 1, std::clamp(pt.y, 0, client.cy)}, true));
    }
}

void CGridCore::OnCaptureChanged(bool bToGrid)
{
    if (bToGrid)
        return;
    if (m_nTimerId != 0) {
        Host().KillTimer(m_nTimerId);
        m_nTimerId = 0;
    }
    if (m_nMouseMode == MOUSE_DRAGGING)
        m_nMouseMode = MOUSE_NONE;
}
