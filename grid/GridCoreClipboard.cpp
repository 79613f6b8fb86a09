// The grid's clipboard commands and its side of a drag and drop of cell texts.
#include "grid/GridClipText.h"
#include "grid/GridCore.h"

namespace {
int DropEffectFor(GridKeyState keys)
{
    return keys.bCtrl ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
}  // namespace

std::optional<std::string> CGridCore::CopyTextFromGrid() const
{
    const CGridCellRange range = GetSelectedRange();
    if (!IsValid(range))
        return std::nullopt;
    return GridClipText::Build(range, [this](int nRow, int nCol) -> std::optional<std::string> {
        if (GetCell(nRow, nCol) == nullptr || (GetItemState(nRow, nCol) & CELL_SELECTED) == 0)
            return std::nullopt;
        return GetItemText(nRow, nCol);
    });
}

bool CGridCore::PasteTextToGrid(const CGridCellPos& start, const std::string& strText)
{
    if (!IsValid(start) || !IsCellEditable(start))
        return false;
    const std::vector<std::vector<std::string>> lines = GridClipText::Parse(strText);
    for (std::size_t r = 0; r < lines.size(); ++r) {
        for (std::size_t c = 0; c < lines[r].size(); ++c) {
            const CGridCellPos target{start.row + int(r), start.col + int(c)};
            // A cell that cannot be edited keeps its text, as it would against typing.
            if (!IsValid(target) || !IsCellEditable(target))
                continue;
            NotifyParent(target.row, target.col, GRIDN_BEGIN_EDIT);
            SetItemText(target.row, target.col, lines[r][c]);
            SetModified(true, target.row, target.col);
            NotifyParent(target.row, target.col, GRIDN_END_EDIT);
            SetItemState(target.row, target.col, GetItemState(target.row, target.col) & ~CELL_SELECTED);
        }
    }
    if (CanPaint())
        Host().Invalidate(nullptr);
    return true;
}

void CGridCore::OnEditCopy()
{
    if (const std::optional<std::string> text = CopyTextFromGrid())
        Host().SetClipboardText(*text);
}

void CGridCore::OnEditCut()
{
    if (!m_bEditable)
        return;
    const std::optional<std::string> text = CopyTextFromGrid();
    if (text && Host().SetClipboardText(*text))
        ClearSelectedCells();
}

void CGridCore::OnEditPaste()
{
    if (!m_bEditable)
        return;
    CGridCellPos start = m_idCurrentCell;
    if (!IsValid(start))
        start = GetTopLeftScrollCell();
    if (!IsValid(start))
        return;
    if (const std::optional<std::string> text = Host().GetClipboardText())
        PasteTextToGrid(start, *text);
}

void CGridCore::OnBeginDrag()
{
    if (!m_bAllowDragAndDrop)
        return;
    const std::optional<std::string> text = CopyTextFromGrid();
    if (!text)
        return;
    const CGridCellPos topLeft = GetSelectedRange().GetTopLeft();
    NotifyParent(topLeft.row, topLeft.col, GRIDN_BEGIN_DRAG);
    m_nMouseMode = MOUSE_DRAGGING;
    const int nEffect = Host().DoDragDrop(*text);
    // The drag held the mouse: its end is a capture the grid lost.
    OnCaptureChanged(false);
    if (nEffect & DROPEFFECT_MOVE)
        ClearSelectedCells();
}

int CGridCore::OnDragEnter(bool bText, Point pt, GridKeyState keys)
{
    if (!m_bAllowDragAndDrop || !bText)
        return DROPEFFECT_NONE;
    m_cellDragOver = HitTestCell(pt, false);
    if (!IsValid(m_cellDragOver) || !IsCellEditable(m_cellDragOver))
        return DROPEFFECT_NONE;
    SetItemState(m_cellDragOver.row, m_cellDragOver.col,
                 GetItemState(m_cellDragOver.row, m_cellDragOver.col) | CELL_DROP_TARGET);
    RedrawCell(m_cellDragOver.row, m_cellDragOver.col);
    return DropEffectFor(keys);
}

int CGridCore::OnDragOver(bool bText, Point pt, GridKeyState keys)
{
    if (!m_bAllowDragAndDrop || !m_bEditable || !bText)
        return DROPEFFECT_NONE;
    const CGridCellPos cell = HitTestCell(pt, false);
    if (!IsValid(cell)) {
        OnDragLeave();
        m_cellDragOver = {};
        return DROPEFFECT_NONE;
    }
    if (!IsCellEditable(cell))
        return DROPEFFECT_NONE;
    if (cell != m_cellDragOver) {
        OnDragLeave();
        m_cellDragOver = cell;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | CELL_DROP_TARGET);
        RedrawCell(cell.row, cell.col);
    }
    return DropEffectFor(keys);
}

void CGridCore::OnDragLeave()
{
    if (!IsValid(m_cellDragOver))
        return;
    SetItemState(m_cellDragOver.row, m_cellDragOver.col,
                 GetItemState(m_cellDragOver.row, m_cellDragOver.col) & ~CELL_DROP_TARGET);
    RedrawCell(m_cellDragOver.row, m_cellDragOver.col);
}

bool CGridCore::OnDrop(const std::string& strText)
{
    if (!m_bAllowDragAndDrop || !IsValid(m_cellDragOver) || !IsCellEditable(m_cellDragOver))
        return false;
    m_nMouseMode = MOUSE_NONE;
    OnDragLeave();
    return PasteTextToGrid(m_cellDragOver, strText);
}
