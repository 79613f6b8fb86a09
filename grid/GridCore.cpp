#include "grid/GridCore.h"

#include <algorithm>
#include <numeric>

#include "controls/VirtualKeys.h"
#include "platform/SettingsStore.h"
#include "platform/Trace.h"

namespace {
// The host of a grid that has no window yet: nothing is shown, measured or told.
class CNoWindowHost final : public IGridHost {
public:
    bool HasWindow() const override { return false; }
    GridSize GetClientSize() const override { return {}; }
    std::intptr_t NotifyParent(int, int, int) override { return 0; }
    void Invalidate(const Rect*) override {}
    void ScrollArea(const Rect&, int, int) override {}
    void ScrollBarsChanged() override {}
    GridSize MeasureText(const std::string&, const GridFont&) override { return {}; }
    GridFontMetrics GetFontMetrics(const GridFont&) override { return {}; }
    COLORREF GetSysColour(int nIndex) const override
    {
        return nIndex == COLOR_WINDOW ? ColorRef(255, 255, 255) : nIndex == COLOR_3DFACE ? ColorRef(240, 240, 240) : 0;
    }
    bool HasFocus() const override { return false; }
    void TakeFocus() override {}
    void SetWaitCursor(bool) override {}
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void PostClickToOwner() override {}
    bool ClipboardHasText() override { return false; }
    bool SetClipboardText(const std::string&) override { return false; }
    std::optional<std::string> GetClipboardText() override { return std::nullopt; }
    int DoDragDrop(const std::string&) override { return DROPEFFECT_NONE; }
};
CNoWindowHost g_noWindowHost;

// Set while a grid handles a resize: a size change caused by it is not handled again.
bool g_bInOnSize = false;

// Tab and the page, end, home and arrow keys (33 to 40) carry an in-place edit on to the next cell.
bool IsEditNavigationKey(int nKey)
{
    return nKey == VK_TAB || (nKey >= VK_PRIOR && nKey <= VK_DOWN);
}

// A rectangle grown to take in its right and bottom edges (cell rectangles are inclusive).
Rect Outer(const Rect& rc)
{
    return {rc.left, rc.top, rc.right + 1, rc.bottom + 1};
}
}  // namespace

int GetMouseScrollLines()
{
    const std::optional<std::string> value = Settings().ReadString("Control Panel/Desktop", "WheelScrollLines");
    return value ? SettingsNumber(*value, -1, kMaxWheelLines).value_or(3) : 3;
}

CGridCore::CGridCore() : m_pHost(&g_noWindowHost) {}

CGridCore::~CGridCore() = default;

void CGridCore::DetachHost()
{
    m_pHost = &g_noWindowHost;
}

void CGridCore::InitGrid(IGridHost& host, int nRows, int nCols, int nFixedRows, int nFixedCols)
{
    m_pHost = &host;
    m_crWindowText = host.GetSysColour(COLOR_WINDOWTEXT);
    m_crWindowColour = host.GetSysColour(COLOR_WINDOW);
    m_cr3DFace = host.GetSysColour(COLOR_3DFACE);
    m_crShadow = host.GetSysColour(COLOR_3DSHADOW);
    m_nRowsPerWheelNotch = GetMouseScrollLines();
    SetFontDescription(kStockSystemFont);
    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
    SetTextColour(m_crWindowText);
    SetTextBackColour(m_crWindowColour);
    SetBackColour(m_crShadow);
    SetFixedTextColour(m_crWindowText);
    SetFixedBackColour(m_cr3DFace);
    PreviousSelection().clear();
}

CGridCellStore::CellFactory CGridCore::Factory()
{
    return [this](int nRow, int nCol) { return CreateCell(nRow, nCol); };
}

std::unique_ptr<CGridCtrlCell> CGridCore::CreateCell(int nRow, int nCol)
{
    auto pCell = std::make_unique<CGridCtrlCell>();
    if (nRow > 0 && nCol >= 0 && nCol < GetColumnCount())
        if (const CGridCtrlCell* pAbove = GetCell(nRow - 1, nCol))
            pCell->nFormat = pAbove->nFormat;
    pCell->lfFont = GetFontDescription();
    return pCell;
}

void CGridCore::EmptyCell(CGridCtrlCell& cell, int nRow, int nCol)
{
    SetItemState(nRow, nCol, 0);
    cell.strText.clear();
}

bool CGridCore::SetRowCount(int nRows)
{
    if (nRows < 0)
        return false;
    if (nRows == GetRowCount())
        return true;
    if (nRows < GetFixedRowCount())
        SetFixedCounts(nRows, GetFixedColumnCount());
    if (m_idCurrentCell.row >= nRows)
        SetFocusCell(-1, -1);
    for (int r = nRows; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            if (CGridCtrlCell* pCell = GetCell(r, c))
                EmptyCell(*pCell, r, c);
    ResizeRows(nRows, m_nDefRowHeight, Factory());
    if (CanPaint()) {
        UpdateScrollBars();
        Host().Invalidate(nullptr);
    }
    return true;
}

bool CGridCore::SetColumnCount(int nCols)
{
    if (nCols < 0)
        return false;
    if (nCols == GetColumnCount())
        return true;
    if (nCols < GetFixedColumnCount())
        SetFixedCounts(GetFixedRowCount(), nCols);
    if (m_idCurrentCell.col >= nCols)
        SetFocusCell(-1, -1);
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = nCols; c < GetColumnCount(); ++c)
            if (CGridCtrlCell* pCell = GetCell(r, c))
                EmptyCell(*pCell, r, c);
    ResizeColumns(nCols, m_nDefColWidth, Factory());
    if (CanPaint()) {
        UpdateScrollBars();
        Host().Invalidate(nullptr);
    }
    return true;
}

bool CGridCore::SetFixedRowCount(int nFixedRows)
{
    if (nFixedRows < 0)
        return false;
    if (nFixedRows > GetRowCount() && !SetRowCount(nFixedRows))
        return false;
    if (m_idCurrentCell.row < nFixedRows)
        SetFocusCell(-1, -1);
    SetFixedCounts(nFixedRows, GetFixedColumnCount());
    if (CanPaint())
        Host().Invalidate(nullptr);
    return true;
}

bool CGridCore::SetFixedColumnCount(int nFixedCols)
{
    if (nFixedCols < 0)
        return false;
    if (nFixedCols > GetColumnCount() && !SetColumnCount(nFixedCols))
        return false;
    if (m_idCurrentCell.col < nFixedCols)
        SetFocusCell(-1, -1);
    SetFixedCounts(GetFixedRowCount(), nFixedCols);
    if (CanPaint())
        Host().Invalidate(nullptr);
    return true;
}

int CGridCore::InsertColumn(const std::string& strHeading, unsigned nFormat, int nBefore)
{
    if (nBefore >= 0 && nBefore >= GetColumnCount())
        return -1;
    ClearSelection();
    if (GetRowCount() == 0)
        SetRowCount(1);
    const int nCol = InsertColumnAt(nBefore, 0, Factory());
    SetItemText(0, nCol, strHeading);
    for (int r = 0; r < GetRowCount(); ++r)
        SetItemFormat(r, nCol, nFormat);
    SetColumnWidth(nCol, MeasureText(strHeading, true).cx);
    UpdateScrollBars();
    return nCol;
}

int CGridCore::InsertRow(const std::string& strHeading, int nBefore)
{
    if (nBefore >= 0 && nBefore >= GetRowCount())
        return -1;
    ClearSelection();
    if (GetColumnCount() == 0)
        SetColumnCount(1);
    const int nRow = InsertRowAt(nBefore, 0, Factory());
    SetItemText(nRow, 0, strHeading);
    SetRowHeight(nRow, MeasureText(strHeading, true).cy);
    UpdateScrollBars();
    return nRow;
}

bool CGridCore::DeleteColumn(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return false;
    ClearSelection();
    for (int r = 0; r < GetRowCount(); ++r)
        if (CGridCtrlCell* pCell = GetCell(r, nCol))
            EmptyCell(*pCell, r, nCol);
    EraseColumn(nCol);
    UpdateScrollBars();
    return true;
}

bool CGridCore::DeleteRow(int nRow)
{
    if (nRow < 0 || nRow >= GetRowCount())
        return false;
    ClearSelection();
    for (int c = 0; c < GetColumnCount(); ++c)
        if (CGridCtrlCell* pCell = GetCell(nRow, c))
            EmptyCell(*pCell, nRow, c);
    EraseRow(nRow);
    UpdateScrollBars();
    return true;
}

bool CGridCore::DeleteNonFixedRows()
{
    for (int r = GetRowCount() - 1; r >= GetFixedRowCount(); --r)
        DeleteRow(r);
    return true;
}

void CGridCore::DeleteAllCells()
{
    ClearSelection();
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            if (CGridCtrlCell* pCell = GetCell(r, c))
                EmptyCell(*pCell, r, c);
    EraseAll();
    PreviousSelection().clear();
    m_idCurrentCell = {-1, -1};
    UpdateScrollBars();
}

bool CGridCore::SetItem(const GridItem& item)
{
    CGridCtrlCell* pCell = GetCell(item.row, item.col);
    if (pCell == nullptr)
        return false;
    if (item.mask & ITEM_TEXT)
        pCell->strText = item.strText;
    if (item.mask & ITEM_DATA)
        pCell->lParam = item.lParam;
    if (item.mask & ITEM_IMAGE)
        pCell->iImage = item.iImage;
    if (item.mask & ITEM_STATE)
        pCell->nState = item.nState;
    if (item.mask & ITEM_FORMAT)
        pCell->nFormat = item.nFormat;
    if (item.mask & ITEM_BACK_COLOUR)
        pCell->crBkClr = item.crBkClr;
    if (item.mask & ITEM_TEXT_COLOUR)
        pCell->crFgClr = item.crFgClr;
    if (item.mask & ITEM_FONT)
        pCell->lfFont = item.lfFont;
    return true;
}

bool CGridCore::GetItem(GridItem& item) const
{
    const CGridCtrlCell* pCell = GetCell(item.row, item.col);
    if (pCell == nullptr)
        return false;
    if (item.mask & ITEM_TEXT)
        item.strText = GetItemText(item.row, item.col);
    if (item.mask & ITEM_DATA)
        item.lParam = pCell->lParam;
    if (item.mask & ITEM_IMAGE)
        item.iImage = pCell->iImage;
    if (item.mask & ITEM_STATE)
        item.nState = pCell->nState;
    if (item.mask & ITEM_FORMAT)
        item.nFormat = pCell->nFormat;
    if (item.mask & ITEM_BACK_COLOUR)
        item.crBkClr = pCell->crBkClr;
    if (item.mask & ITEM_TEXT_COLOUR)
        item.crFgClr = pCell->crFgClr;
    if (item.mask & ITEM_FONT)
        item.lfFont = pCell->lfFont;
    return true;
}

bool CGridCore::SetItemText(int nRow, int nCol, const std::string& strText)
{
    CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (pCell == nullptr)
        return false;
    pCell->strText = strText;
    pCell->strSavedText = strText;
    if (CanPaint())
        Host().Invalidate(nullptr);
    return true;
}

std::string CGridCore::GetItemText(int nRow, int nCol) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    return pCell ? pCell->strText : std::string();
}

void CGridCore::SetEditable(bool bEditable)
{
    m_bEditable = bEditable;
    SetFocusCellPos(m_idCurrentCell);
}

void CGridCore::EnableDrawing(bool bAllow, bool bUpdateScrollBars)
{
    Trace("%s: Setting redraw to %s\n", "CGridCtrl", bAllow ? "TRUE" : "FALSE");
    if (bAllow && !m_bAllowDraw && m_pHost->HasWindow())
        Host().Invalidate(nullptr);
    m_bAllowDraw = bAllow;
    if (bUpdateScrollBars)
        UpdateScrollBars();
}

std::intptr_t CGridCore::NotifyParent(int nRow, int nCol, int nCode)
{
    return Host().NotifyParent(nRow, nCol, nCode);
}

void CGridCore::SetGridFont(const GridFont& font, bool bRedraw)
{
    SetFontDescription(font);
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c)
            SetItemFont(r, c, font);
    if (!m_pHost->HasWindow())
        return;
    const GridFontMetrics metrics = Host().GetFontMetrics(font);
    m_nMargin = Host().MeasureText(" ", font).cx;
    m_nDefRowHeight = metrics.nHeight + metrics.nExternalLeading + 2 * m_nMargin;
    m_nDefColWidth = 12 * metrics.nAveCharWidth + 2 * m_nMargin;
    if (bRedraw)
        Host().Invalidate(nullptr);
}

GridSize CGridCore::MeasureText(const std::string& strText, bool bBold)
{
    if (!m_pHost->HasWindow())
        return {};
    GridFont font = GetFontDescription();
    if (bBold)
        font.nWeight = 600;
    const GridSize size = Host().MeasureText(strText, font);
    return {size.cx + 2 * m_nMargin, size.cy + 2 * m_nMargin};
}

GridSize CGridCore::GetCellTextExtent(int nRow, int nCol)
{
    GridFont font = *GetItemFont(nRow, nCol);
    if (IsCellFixed(nRow, nCol))
        font.nWeight = 600;
    const GridSize size = Host().MeasureText(GetItemText(nRow, nCol), font);
    return {size.cx + 4 * m_nMargin, size.cy + 2 * m_nMargin};
}

void CGridCore::OnSysColorChange()
{
    const COLORREF crWindowText = Host().GetSysColour(COLOR_WINDOWTEXT);
    const COLORREF crWindow = Host().GetSysColour(COLOR_WINDOW);
    const COLORREF cr3DFace = Host().GetSysColour(COLOR_3DFACE);
    const COLORREF crShadow = Host().GetSysColour(COLOR_3DSHADOW);
    if (m_crText == m_crWindowText)
        m_crText = crWindowText;
    if (m_crFixedText == m_crWindowText)
        m_crFixedText = crWindowText;
    if (m_crTextBk == m_crWindowColour)
        m_crTextBk = crWindow;
    if (m_crBk == m_crShadow)
        m_crBk = crShadow;
    if (m_crFixedBk == m_cr3DFace)
        m_crFixedBk = cr3DFace;
    m_crWindowText = crWindowText;
    m_crWindowColour = crWindow;
    m_cr3DFace = cr3DFace;
    m_crShadow = crShadow;
}

GridViewport CGridCore::Viewport() const
{
    const GridSize client = m_pHost->GetClientSize();
    return {client.cx, client.cy, m_hBar.GetPos(), m_vBar.GetPos()};
}

CGridGeometry CGridCore::Geometry() const
{
    return CGridGeometry(*this, Viewport());
}

bool CGridCore::IsCellVisible(int nRow, int nCol) const
{
    return m_pHost->HasWindow() && Geometry().IsCellVisible(nRow, nCol);
}

bool CGridCore::IsCellEditable(int nRow, int nCol) const
{
    return m_bEditable && (GetItemState(nRow, nCol) & CELL_READ_ONLY) == 0;
}

bool CGridCore::RedrawCell(int nRow, int nCol)
{
    Rect rc;
    if (!m_bAllowDraw || !IsCellVisible(nRow, nCol) || !GetCellRect(nRow, nCol, rc))
        return false;
    // The window paints only in its paint handler: the cell, with its grid lines, is marked and
    // painted on the next pass of the event loop.
    const Rect rcOuter = Outer(rc);
    Host().Invalidate(&rcOuter);
    return true;
}

bool CGridCore::RedrawRow(int nRow)
{
    bool bAll = true;
    for (int c = 0; c < GetColumnCount(); ++c)
        bAll = RedrawCell(nRow, c) && bAll;
    return bAll;
}

bool CGridCore::RedrawColumn(int nCol)
{
    bool bAll = true;
    for (int r = 0; r < GetRowCount(); ++r)
        bAll = RedrawCell(r, nCol) && bAll;
    return bAll;
}

bool CGridCore::InvalidateCellRect(const CGridCellPos& cell)
{
    Rect rc;
    if (!CanPaint() || !IsCellVisible(cell.row, cell.col) || !GetCellRect(cell.row, cell.col, rc))
        return false;
    const Rect rcOuter = Outer(rc);
    Host().Invalidate(&rcOuter);
    return true;
}

bool CGridCore::InvalidateCellRange(const CGridCellRange& range)
{
    if (!CanPaint())
        return false;
    const CGridGeometry geometry = Geometry();
    const CGridCellRange shown = range.Intersect(geometry.GetVisibleCellRange());
    Rect rc;
    if (!geometry.GetRangeRect(shown, rc))
        return false;
    const Rect rcOuter = Outer(rc);
    Host().Invalidate(&rcOuter);
    return true;
}

bool CGridCore::GetCellLook(int nRow, int nCol, bool bPrinting, GridCellLook& look) const
{
    const CGridCtrlCell* pCell = GetCell(nRow, nCol);
    if (!m_bAllowDraw || pCell == nullptr)
        return false;
    look.strText = GetItemText(nRow, nCol);
    look.nFormat = pCell->nFormat;
    look.font = pCell->lfFont;
    look.bFrame = false;
    look.bSunken = false;
    if (IsCellFixed(nRow, nCol)) {
        look.crBack = pCell->crBkClr == CLR_DEFAULT ? m_crFixedBk : pCell->crBkClr;
        look.crText = pCell->crFgClr == CLR_DEFAULT ? m_crFixedText : pCell->crFgClr;
        look.bSunken = IsValid(m_idCurrentCell) && (nRow == m_idCurrentCell.row || nCol == m_idCurrentCell.col);
        return true;
    }
    look.crBack = pCell->crBkClr == CLR_DEFAULT ? m_crTextBk : pCell->crBkClr;
    look.crText = pCell->crFgClr == CLR_DEFAULT ? m_crText : pCell->crFgClr;
    if ((pCell->nState & CELL_FOCUSED) && !bPrinting) {
        look.bFrame = true;
    } else if ((pCell->nState & CELL_SELECTED) && !bPrinting) {
        look.crBack = m_pHost->GetSysColour(COLOR_HIGHLIGHT);
        look.crText = m_pHost->GetSysColour(COLOR_HIGHLIGHTTEXT);
    }
    if ((pCell->nState & CELL_DROP_TARGET) && !bPrinting)
        look.bFrame = true;
    return true;
}

bool CGridCore::OnUpdateEditCopy() const
{
    const CGridCellRange range = GetSelectedRange();
    return IsValid(range) && range.Count() > 0;
}

bool CGridCore::OnUpdateEditCut() const
{
    return m_bEditable && OnUpdateEditCopy();
}

bool CGridCore::OnUpdateEditPaste() const
{
    return IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell) && m_pHost->ClipboardHasText();
}

void CGridCore::OnEditCell(int nRow, int nCol, int nChar)
{
    EnsureVisible(nRow, nCol);
    Rect rc;
    if (!IsValid(nRow, nCol) || !IsCellEditable(nRow, nCol) || !IsCellVisible(nRow, nCol) ||
        !GetCellRect(nRow, nCol, rc))
        return;
    NotifyParent(nRow, nCol, GRIDN_BEGIN_EDIT);
    GridItem item;
    item.row = nRow;
    item.col = nCol;
    item.mask = ITEM_TEXT | ITEM_FORMAT;
    if (!GetItem(item))
        return;
    const unsigned nStyle = (item.nFormat & DT_RIGHT) ? DT_RIGHT : (item.nFormat & DT_CENTER) ? DT_CENTER : DT_LEFT;
    CreateInPlaceEditControl(rc, nStyle, IDC_INPLACE_EDIT, nRow, nCol, item.strText, nChar);
}

void CGridCore::OnEndEditCell(int nRow, int nCol, const std::string& strText)
{
    // Only a text the setter took marks the cell: a column with options may refuse it.
    if (GetItemText(nRow, nCol) != strText && SetItemText(nRow, nCol, strText))
        SetModified(true, nRow, nCol);
}

void CGridCore::CreateInPlaceEditControl(const Rect&, unsigned, int, int, int, const std::string&, int) {}

void CGridCore::OnInPlaceEditEnd(const GridItem& item, GridKeyState keys)
{
    if (!m_pHost->HasWindow())
        return;
    OnEndEditCell(item.row, item.col, item.strText);
    InvalidateCellRect({item.row, item.col});
    NotifyParent(item.row, item.col, GRIDN_END_EDIT);
    const int nKey = static_cast<int>(item.lParam);
    if (IsEditNavigationKey(nKey)) {
        OnKeyDown(nKey, keys);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, nKey);
    }
}

void CGridCore::OnSize()
{
    if (g_bInOnSize || !m_pHost->HasWindow())
        return;
    g_bInOnSize = true;
    if (!Host().HasFocus())
        Host().TakeFocus();
    UpdateScrollBars();
    g_bInOnSize = false;
}
