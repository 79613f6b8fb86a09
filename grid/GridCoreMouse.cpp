// CGridCore: the mouse. Presses select and focus, a double click edits or tells the owner, a drag
// selects or sizes a column or row, the right button prepares the preset menu.
#include <algorithm>
#include <cstdlib>

#include "controls/VirtualKeys.h"
#include "grid/GridCore.h"

bool CGridCore::StartSizing(Point pt)
{
    if (!m_bMouseMoves)
        return false;
    const bool bColumn = m_bAllowColumnResize && IsOverColumnDivider(pt);
    if (!bColumn && !(m_bAllowRowResize && IsOverRowDivider(pt)))
        return false;
    const CGridCellPos cell = HitTestCell(pt, true);
    Point origin;
    if (!GetCellOrigin(cell.row, cell.col, origin))
        return false;
    // Within the capture range of a cell's leading edge the divider is the one before the cell:
    // the neighbour on screen, which after the last fixed column or row is that fixed one.
    const int nIndex = bColumn ? cell.col : cell.row;
    const int nLead = bColumn ? origin.x : origin.y;
    const int nAt = bColumn ? pt.x : pt.y;
    const int nFixed = bColumn ? GetFixedColumnCount() : GetFixedRowCount();
    const CGridCellPos topLeft = GetTopLeftScrollCell();
    int nSized = nIndex;
    if (nAt <= nLead + m_nResizeCaptureRange && nIndex != 0)
        nSized = nIndex == (bColumn ? topLeft.col : topLeft.row) && nIndex >= nFixed ? nFixed - 1 : nIndex - 1;
    if (nSized < 0)
        return false;
    Point start;
    if (!GetCellOrigin(bColumn ? cell.row : nSized, bColumn ? nSized : cell.col, start))
        return false;
    m_nSizing = nSized;
    m_nSizingStart = bColumn ? start.x : start.y;
    m_nMouseMode = bColumn ? MOUSE_SIZING_COLUMN : MOUSE_SIZING_ROW;
    Host().CaptureMouse();
    return true;
}

void CGridCore::OnLButtonDown(Point pt, GridKeyState keys)
{
    const bool bHadFocus = Host().HasFocus();
    m_ptLButtonDown = pt;
    m_cellLButtonDown = {};
    if (StartSizing(pt))
        return;
    CGridCellPos cell = HitTestCell(pt, true);
    m_cellLButtonDown = cell;
    // Until the press has a cell, a drag has nothing to select from.
    m_nMouseMode = MOUSE_NONE;
    if (cell.row == 0)
        return;
    if (cell.col == 0)
        cell.col = 1;
    m_cellLButtonDown = cell;
    if (!IsValid(cell))
        return;
    m_nMouseMode = MOUSE_SELECT_ROWS;
    m_selectionStart = keys.bShift && IsValid(m_idCurrentCell) ? m_idCurrentCell : cell;
    Host().TakeFocus();

    const unsigned nState = GetItemState(cell.row, cell.col);
    m_bPressedSelected = (nState & CELL_SELECTED) != 0;
    SetFocusCell(-1, -1);
    SetFocusCellPos(cell);
    // The pressed cell shows selected; it keeps its read-only and modified marks, so a click
    // never makes a read-only cell editable.
    SetItemState(cell.row, cell.col, CELL_SELECTED | (nState & (CELL_READ_ONLY | CELL_MODIFIED)));
    if (CanPaint())
        Host().Invalidate(nullptr);

    // A press on a cell that was already selected in a grid that had the focus may start a drag
    // of the selection.
    if (m_bAllowDragAndDrop && bHadFocus && m_bPressedSelected) {
        m_nMouseMode = MOUSE_PREPARE_DRAG;
        return;
    }
    Host().CaptureMouse();
    PreviousSelection().clear();
    if (keys.bCtrl)
        PreviousSelection() = SelectedCells();
    if (cell.row < GetFixedRowCount()) {
        OnFixedRowClick(cell);
    } else if (cell.col >= GetFixedColumnCount()) {
        m_nMouseMode = m_bListMode ? MOUSE_SELECT_ROWS : MOUSE_SELECT_CELLS;
        ExtendSelection(cell);
    }
}

void CGridCore::OnLButtonUp(Point)
{
    Host().ReleaseMouse();
    if (m_nTimerId != 0) {
        Host().KillTimer(m_nTimerId);
        m_nTimerId = 0;
    }
    switch (m_nMouseMode) {
    case MOUSE_SIZING_COLUMN:
    case MOUSE_SIZING_ROW:
        m_nSizing = -1;
        UpdateScrollBars();
        if (CanPaint())
            Host().Invalidate(nullptr);
        break;
    case MOUSE_PREPARE_EDIT:
        m_nMouseMode = MOUSE_NONE;
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, VK_LBUTTON);
        break;
    case MOUSE_PREPARE_DRAG:
        // No drag came of the press: it was a click, which selects the pressed cell alone.
        PreviousSelection().clear();
        m_nMouseMode = m_bListMode ? MOUSE_SELECT_ROWS : MOUSE_SELECT_CELLS;
        ExtendSelection(m_cellLButtonDown);
        break;
    default:
        break;
    }
    m_nMouseMode = MOUSE_NONE;
    if (IsValid(m_cellLButtonDown))
        Host().PostClickToOwner();
}

void CGridCore::OnLButtonDblClk(Point pt)
{
    const CGridCellPos cell = HitTestCell(pt, true);
    if (!IsValid(cell) || m_nMouseMode != MOUSE_NONE)
        return;
    const int nFixedRows = GetFixedRowCount();
    const int nFixedCols = GetFixedColumnCount();
    if (m_bEditable) {
        // Editing starts when the button goes up.
        if (IsValid(m_cellLButtonDown) && m_cellLButtonDown.row >= nFixedRows && m_cellLButtonDown.col >= nFixedCols) {
            Host().TakeFocus();
            Host().CaptureMouse();
            SetFocusCell(std::max(cell.row, nFixedRows), std::max(cell.col, nFixedCols));
            m_nMouseMode = MOUSE_PREPARE_EDIT;
        }
        return;
    }
    if (cell.row >= nFixedRows && cell.col <= nFixedCols) {
        OnEditCell(cell.row, cell.col, VK_LBUTTON);
        m_idCurrentCell = m_cellLButtonDown;
        NotifyParent(cell.row, cell.col, NM_DBLCLK);
    }
}

void CGridCore::OnMouseMove(Point pt, bool bLeftDown)
{
    if (!m_bMouseMoves)
        return;
    if (!bLeftDown) {
        if (m_nMouseMode == MOUSE_NONE || m_nMouseMode == MOUSE_OVER_COLUMN_DIVIDER ||
            m_nMouseMode == MOUSE_OVER_ROW_DIVIDER)
            m_nMouseMode = m_bAllowColumnResize && IsOverColumnDivider(pt) ? MOUSE_OVER_COLUMN_DIVIDER
                           : m_bAllowRowResize && IsOverRowDivider(pt)     ? MOUSE_OVER_ROW_DIVIDER
                                                                           : MOUSE_NONE;
        return;
    }
    switch (m_nMouseMode) {
    case MOUSE_SIZING_COLUMN:
        SetColumnWidth(m_nSizing, std::max(0, pt.x - m_nSizingStart + 1));
        if (CanPaint())
            Host().Invalidate(nullptr);
        break;
    case MOUSE_SIZING_ROW:
        SetRowHeight(m_nSizing, std::max(0, pt.y - m_nSizingStart + 1));
        if (CanPaint())
            Host().Invalidate(nullptr);
        break;
    case MOUSE_SELECT_ALL:
    case MOUSE_SELECT_COLUMNS:
    case MOUSE_SELECT_ROWS:
    case MOUSE_SELECT_CELLS: {
        // Outside the cells the auto-scroll timer scrolls on and selects what comes in.
        const GridSize client = Host().GetClientSize();
        const bool bOutside = pt.x < GetFixedColumnWidth() || pt.x >= client.cx || pt.y < GetFixedRowHeight() ||
                              pt.y >= client.cy;
        if (bOutside && m_nTimerId == 0) {
            m_nTimerId = GRID_AUTOSCROLL_TIMER;
            Host().SetTimer(m_nTimerId, kAutoScrollInterval);
        } else if (!bOutside && m_nTimerId != 0) {
            Host().KillTimer(m_nTimerId);
            m_nTimerId = 0;
        }
        DragSelectTo(pt);
        break;
    }
    case MOUSE_PREPARE_DRAG:
        if (std::abs(pt.x - m_ptLButtonDown.x) > kDragThreshold || std::abs(pt.y - m_ptLButtonDown.y) > kDragThreshold)
            OnBeginDrag();
        break;
    default:
        break;
    }
}

void CGridCore::DragSelectTo(Point pt)
{
    // The cell under the pointer, or the nearest shown one when it is outside the cells.
    const GridSize client = Host().GetClientSize();
    const Point in{std::clamp(pt.x, GetFixedColumnWidth(), std::max(GetFixedColumnWidth(), client.cx - 1)),
                   std::clamp(pt.y, GetFixedRowHeight(), std::max(GetFixedRowHeight(), client.cy - 1))};
    CGridCellPos cell = HitTestCell(in, true);
    if (cell.row < 0)
        cell.row = GetRowCount() - 1;
    if (cell.col < 0)
        cell.col = GetColumnCount() - 1;
    if (!IsValid(cell))
        return;
    // Selecting cells or rows carries the focus along, so the auto-scroll timer's keys move on
    // from where the selection ends.
    if ((m_nMouseMode == MOUSE_SELECT_CELLS || m_nMouseMode == MOUSE_SELECT_ROWS) && cell != m_idCurrentCell)
        SetFocusCell(cell.row, cell.col);
    ExtendSelection(cell);
}

bool CGridCore::OnRButtonDown(Point pt, GridKeyState keys)
{
    m_ptLButtonDown = pt;
    const CGridCellPos cell = HitTestCell(pt, true);
    m_cellLButtonDown = cell;
    if (cell.row == 0 || !IsValid(cell))
        return false;
    m_nMouseMode = MOUSE_SELECT_ROWS;
    m_selectionStart = keys.bShift && IsValid(m_idCurrentCell) ? m_idCurrentCell : cell;
    Host().TakeFocus();
    if (cell == m_idCurrentCell) {
        m_nMouseMode = MOUSE_PREPARE_EDIT;
    } else {
        // The rows from the anchor to this one are selected; the grid has no focus cell then.
        SetFocusCell(-1, -1);
        ExtendSelection(cell);
    }
    m_cellMenu = cell;
    return true;
}

void CGridCore::OnPresetMenuClosed()
{
    // The menu ends the gesture: keys move the focus again and typing edits.
    m_nMouseMode = MOUSE_NONE;
}

bool CGridCore::GetTitleTipCell(Point pt, CGridCellPos& cell, Rect& rcCell) const
{
    if (!m_bTitleTips || !m_bMouseMoves || m_nMouseMode != MOUSE_NONE || !m_pHost->HasWindow())
        return false;
    cell = HitTestCell(pt, true);
    const CGridCtrlCell* pCell = GetCell(cell.row, cell.col);
    if (pCell == nullptr || !GetCellRect(cell.row, cell.col, rcCell))
        return false;
    const std::string strText = GetItemText(cell.row, cell.col);
    if (strText.empty())
        return false;
    // The room DrawCell leaves the text: the cell less its margins, and less the edge of a heading.
    const int nRoom = rcCell.right - rcCell.left + 1 - 2 * m_nMargin - (IsCellFixed(cell.row, cell.col) ? 2 : 0);
    return Host().MeasureText(strText, pCell->lfFont).cx > nRoom;
}
