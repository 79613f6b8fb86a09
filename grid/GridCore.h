#pragma once
// The grid's rules without a toolkit: the cell store with its counts, items and attributes; the
// geometry and scroll state; focus, selection and keys; sizing, sorting and heading clicks. It
// reaches its window only through IGridHost, so every rule runs in tests with a recording host.
// CGridCtrl (grid/GridCtrl.h) is the wx window on top; subclasses override the virtual hooks
// (item texts, cell creation, editing, the edit commands) as on any grid. Key codes are the
// system's virtual-key numbers (controls/VirtualKeys.h); the window translates its keys once.
#include <optional>
#include <string>

#include "grid/GridCellStore.h"
#include "grid/GridGeometry.h"
#include "grid/GridHost.h"
#include "grid/GridScrollBar.h"

// Modifier keys held with a key.
struct GridKeyState {
    bool bShift = false;
    bool bCtrl = false;
};

// What a cell looks like when painted: the colours and marks the drawing code uses.
struct GridCellLook {
    COLORREF crBack = 0;
    COLORREF crText = 0;
    bool bFrame = false;   // black frame: the focus cell of an editable grid, or a drop target
    bool bSunken = false;  // a heading in the focus cell's row or column
    std::string strText;
    unsigned nFormat = 0;
    GridFont font;
};

// Lines per wheel notch: "WheelScrollLines" of "Control Panel/Desktop" in the settings store, 3
// when missing or unreadable; -1 (or less) scrolls by pages, and no notch scrolls more than
// kMaxWheelLines.
constexpr int kMaxWheelLines = 100;
int GetMouseScrollLines();

class CGridCore : public CGridCellStore {
public:
    CGridCore();
    virtual ~CGridCore();
    CGridCore(const CGridCore&) = delete;
    CGridCore& operator=(const CGridCore&) = delete;

    // Attaches the window and gives the grid its start: system colours, wheel lines, the counts.
    void InitGrid(IGridHost& host, int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    // Back to a host without a window (the window is going).
    void DetachHost();

    // --- Counts and structure (true on success).
    bool SetRowCount(int nRows);
    bool SetColumnCount(int nCols);
    bool SetFixedRowCount(int nFixedRows);
    bool SetFixedColumnCount(int nFixedCols);
    // The new column's or row's index, or -1. nBefore -1 appends.
    int InsertColumn(const std::string& strHeading, unsigned nFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                     int nBefore = -1);
    int InsertRow(const std::string& strHeading, int nBefore = -1);
    bool DeleteColumn(int nCol);
    bool DeleteRow(int nRow);
    bool DeleteNonFixedRows();
    void DeleteAllCells();
    CGridCellRange GetWholeRange() const { return {0, 0, GetRowCount() - 1, GetColumnCount() - 1}; }

    // --- Items.
    virtual bool SetItem(const GridItem& item);
    bool GetItem(GridItem& item) const;
    // Sets the text and the saved text, and repaints the grid.
    virtual bool SetItemText(int nRow, int nCol, const std::string& strText);
    virtual std::string GetItemText(int nRow, int nCol) const;
    // Cell state 0 and no text (the saved text stays); takes the cell out of the selection.
    virtual void EmptyCell(CGridCtrlCell& cell, int nRow, int nCol);

    // --- Grid attributes.
    void SetTextColour(COLORREF cr) { m_crText = cr; }
    void SetTextBackColour(COLORREF cr) { m_crTextBk = cr; }
    void SetBackColour(COLORREF cr) { m_crBk = cr; }
    void SetFixedTextColour(COLORREF cr) { m_crFixedText = cr; }
    void SetFixedBackColour(COLORREF cr) { m_crFixedBk = cr; }
    void SetGridLineColour(COLORREF cr) { m_crGridLines = cr; }
    COLORREF GetTextColour() const { return m_crText; }
    COLORREF GetTextBackColour() const { return m_crTextBk; }
    COLORREF GetBackColour() const { return m_crBk; }
    COLORREF GetFixedTextColour() const { return m_crFixedText; }
    COLORREF GetFixedBackColour() const { return m_crFixedBk; }
    COLORREF GetGridLineColour() const { return m_crGridLines; }
    void SetGridLines(int nMode) { m_nGridLines = nMode; }
    int GetGridLines() const { return m_nGridLines; }
    // Storing the flag marks the focus cell again in the new way.
    void SetEditable(bool bEditable);
    bool IsEditable() const { return m_bEditable; }
    void SetListMode(bool bList) { m_bListMode = bList; }
    bool GetListMode() const { return m_bListMode; }
    void SetSingleRowSelection(bool bSingle) { m_bSingleRowSelection = bSingle; }
    bool GetSingleRowSelection() const { return m_bSingleRowSelection; }
    void EnableSelection(bool bEnable) { m_bEnableSelection = bEnable; }
    bool IsSelectable() const { return m_bEnableSelection; }
    void SetSortOnClick(bool bSort) { m_bSortOnClick = bSort; }
    bool GetSortOnClick() const { return m_bSortOnClick; }
    void SetHandleTabKey(bool bHandle) { m_bHandleTabKey = bHandle; }
    bool GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetDoubleBuffering(bool bBuffer) { m_bDoubleBuffer = bBuffer; }
    bool GetDoubleBuffering() const { return m_bDoubleBuffer; }
    void EnableTitleTips(bool bEnable) { m_bTitleTips = bEnable; }
    bool GetTitleTips() const { return m_bTitleTips; }
    void EnableDragAndDrop(bool bAllow) { m_bAllowDragAndDrop = bAllow; }
    bool GetDragAndDrop() const { return m_bAllowDragAndDrop; }
    void SetRowResize(bool bResize) { m_bAllowRowResize = bResize; }
    bool GetRowResize() const { return m_bAllowRowResize; }
    void SetColumnResize(bool bResize) { m_bAllowColumnResize = bResize; }
    bool GetColumnResize() const { return m_bAllowColumnResize; }
    // Whether the pointer's moves act: sizing at the dividers, selecting by dragging (with the
    // auto-scroll), dragging cells and the title tip. Off, a press acts on its cell alone and a
    // drag keeps it.
    void SetMouseMoves(bool bAct) { m_bMouseMoves = bAct; }
    bool GetMouseMoves() const { return m_bMouseMoves; }
    // Painting allowed; switching it on repaints the window.
    void EnableDrawing(bool bAllow, bool bUpdateScrollBars = false);
    bool IsDrawingEnabled() const { return m_bAllowDraw; }
    int GetMargin() const { return m_nMargin; }
    int GetDefaultRowHeight() const { return m_nDefRowHeight; }
    int GetDefaultColumnWidth() const { return m_nDefColWidth; }
    int GetMouseMode() const { return m_nMouseMode; }
    void SetMouseMode(int nMode) { m_nMouseMode = nMode; }
    int GetWheelLines() const { return m_nRowsPerWheelNotch; }
    int GetResizeCaptureRange() const { return m_nResizeCaptureRange; }
    int GetSortColumn() const { return m_nSortColumn; }
    bool GetSortAscending() const { return m_bAscending; }
    CGridCellPos GetSelectionAnchor() const { return m_selectionStart; }
    void SetSelectionAnchor(const CGridCellPos& cell) { m_selectionStart = cell; }

    // Sends the owner a notification for a cell; the owner's reply.
    std::intptr_t NotifyParent(int nRow, int nCol, int nCode);

    // --- Font: the description every cell takes; the margin and default sizes follow its metrics.
    void SetGridFont(const GridFont& font, bool bRedraw = true);
    // The text's size in the grid font (bold: weight 600) plus two margins each way.
    GridSize MeasureText(const std::string& strText, bool bBold = true);
    // The size a cell's text needs (headings measured bold), plus four margins across and two down.
    virtual GridSize GetCellTextExtent(int nRow, int nCol);

    // --- Colours, and the system colours they came from.
    // Colours still equal to the system colour they came from follow the new one.
    void OnSysColorChange();

    // --- Geometry at the current scroll positions.
    CGridGeometry Geometry() const;
    CGridCellPos GetTopLeftScrollCell() const { return Geometry().GetTopLeftScrollCell(); }
    CGridCellRange GetVisibleCellRange(Rect* pRect = nullptr) const { return Geometry().GetVisibleCellRange(pRect); }
    CGridCellRange GetFullyVisibleCellRange() const { return Geometry().GetFullyVisibleCellRange(); }
    bool GetCellOrigin(int nRow, int nCol, Point& pt) const { return Geometry().GetCellOrigin(nRow, nCol, pt); }
    bool GetCellRect(int nRow, int nCol, Rect& rc) const { return Geometry().GetCellRect(nRow, nCol, rc); }
    bool GetRangeRect(const CGridCellRange& range, Rect& rc) const { return Geometry().GetRangeRect(range, rc); }
    CGridCellPos HitTestCell(Point pt, bool bAllowFixed = true) const { return Geometry().HitTestCell(pt, bAllowFixed); }
    bool IsOverRowDivider(Point pt) const { return Geometry().IsOverRowDivider(pt, m_nResizeCaptureRange); }
    bool IsOverColumnDivider(Point pt) const { return Geometry().IsOverColumnDivider(pt, m_nResizeCaptureRange); }
    // Part of the cell is in the client area (false without a window).
    bool IsCellVisible(int nRow, int nCol) const;
    bool IsCellEditable(int nRow, int nCol) const;
    bool IsCellEditable(const CGridCellPos& cell) const { return IsCellEditable(cell.row, cell.col); }

    // --- Scrolling.
    const CGridScrollBar& GetScrollBar(int nBar) const { return nBar == SB_HORZ ? m_hBar : m_vBar; }
    int GetScrollPosition(int nBar) const { return GetScrollBar(nBar).GetPos(); }
    void SetScrollPosition(int nBar, int nPos);
    // Page sizes and ranges from the client size and the sizes of the cells.
    void UpdateScrollBars();
    // A scroll request (SB_ codes); nTrackPos is the thumb's position for the thumb codes.
    void OnVScroll(int nCode, int nTrackPos = 0);
    void OnHScroll(int nCode, int nTrackPos = 0);
    void OnSize();
    // Lines (or pages) for a wheel turn of nDelta (120 a notch, positive away from the user).
    void OnMouseWheel(int nDelta);
    void EnsureVisible(int nRow, int nCol);
    void EnsureVisible(const CGridCellPos& cell) { EnsureVisible(cell.row, cell.col); }

    // --- Repainting.
    // Marks one cell for repainting now (false when drawing is off or it is not shown).
    bool RedrawCell(int nRow, int nCol);
    // Every cell of a row or a column; true when each one was marked.
    bool RedrawRow(int nRow);
    bool RedrawColumn(int nCol);
    bool InvalidateCellRect(const CGridCellPos& cell);
    bool InvalidateCellRange(const CGridCellRange& range);
    // How a cell is painted; false while drawing is off or where there is no cell.
    bool GetCellLook(int nRow, int nCol, bool bPrinting, GridCellLook& look) const;

    // --- Focus and selection.
    CGridCellPos GetFocusCell() const { return m_idCurrentCell; }
    CGridCellPos SetFocusCell(int nRow, int nCol) { return SetFocusCellPos({nRow, nCol}); }
    CGridCellPos SetFocusCellPos(const CGridCellPos& cell);
    void SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, bool bForceRepaint = false);
    void SetSelectedRange(const CGridCellRange& range, bool bForceRepaint = false);
    CGridCellRange GetSelectedRange() const;
    void ClearSelection();
    void SelectAllCells();
    void SelectColumns(const CGridCellPos& cell);
    void SelectRows(const CGridCellPos& cell);
    void SelectCells(const CGridCellPos& cell);
    // Selects from the anchor to the cell as the mouse mode says.
    void ExtendSelection(const CGridCellPos& cell);
    // Empties the selected editable cells (editable grid only).
    virtual void ClearSelectedCells();
    // The next cell after the given one whose state has any of the asked bits; see FIND_.
    CGridCellPos FindNextCell(const CGridCellPos& cell, unsigned nFlags) const;

    // --- Edit commands (Ctrl+C, X, V, A reach them) and their command states.
    // Copy puts the selected cells' text on the clipboard; cut (editable grid) copies and then
    // empties them; paste (editable grid) writes the clipboard's text from the focus cell, or
    // without one from the top-left scroll cell.
    virtual void OnEditCopy();
    virtual void OnEditCut();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll() { SelectAllCells(); }
    // The text of the selected range (grid/GridClipText.h); none with nothing selected.
    virtual std::optional<std::string> CopyTextFromGrid() const;
    // Writes the text's fields into the cells from the start cell on, skipping cells outside the
    // grid and cells that cannot be edited; false (nothing written) when the start cell cannot
    // be edited.
    virtual bool PasteTextToGrid(const CGridCellPos& start, const std::string& strText);
    bool OnUpdateEditCopy() const;
    bool OnUpdateEditCut() const;
    bool OnUpdateEditPaste() const;
    bool OnUpdateEditSelectAll() const { return m_bEnableSelection; }

    // --- Drag and drop of cell texts (only with the drag-and-drop flag set).
    // Drags the selected cells' text; a move empties them once it is dropped.
    void OnBeginDrag();
    // A drag over the grid, reported by the window's drop target: bText when it carries text, pt
    // in client coordinates. The answers are DROPEFFECT_ codes: copy with Ctrl held, else move.
    int OnDragEnter(bool bText, Point pt, GridKeyState keys);
    int OnDragOver(bool bText, Point pt, GridKeyState keys);
    void OnDragLeave();
    // The dragged text dropped on the drag-over cell; true when it was pasted there.
    bool OnDrop(const std::string& strText);
    CGridCellPos GetDragOverCell() const { return m_cellDragOver; }

    // --- Keyboard. Each returns whether the grid handled the key (else the window's default
    // handling takes it).
    // Whether the grid takes the key from dialog navigation (arrows and characters always; Tab
    // while the Tab-key flag is set and Ctrl is up).
    bool WantsKey(int nKey, GridKeyState keys) const;
    bool OnKeyDown(int nKey, GridKeyState keys);
    bool OnChar(int nChar, GridKeyState keys);
    // The in-place editor ended (its text, and the key that ended it in lParam).
    void OnInPlaceEditEnd(const GridItem& item, GridKeyState keys);
    // The auto-scroll timer ticked with the pointer at pt (client coordinates).
    void OnTimer(int nId, Point pt);
    // The mouse capture moved; bToGrid when the grid itself took it.
    void OnCaptureChanged(bool bToGrid);
    // The running auto-scroll timer's id (0 none), kept for the mouse selection that starts it.
    void SetAutoScrollTimer(int nId) { m_nTimerId = nId; }
    int GetAutoScrollTimer() const { return m_nTimerId; }

    // --- Mouse (grid/GridCoreMouse.cpp); points in client coordinates. A press on heading row 0
    // selects nothing and a press on column 0 acts on column 1, as the stored-preset grid wants;
    // a press on a divider of the headings sizes that column or row (while resizing is allowed).
    void OnLButtonDown(Point pt, GridKeyState keys);
    void OnLButtonUp(Point pt);
    void OnLButtonDblClk(Point pt);
    // The pointer moved, with the left button held or not: a drag selects, sizes or starts a
    // drag of cells; without a button the mode tells whether the pointer is over a divider.
    void OnMouseMove(Point pt, bool bLeftDown);
    // The right button went down: selects the row under the pointer (or keeps the focus cell)
    // and notes it as the menu cell; true when the preset menu is to open. The window calls
    // OnPresetMenuClosed once the menu is gone.
    bool OnRButtonDown(Point pt, GridKeyState keys);
    void OnPresetMenuClosed();
    // The cell under the pointer when the preset menu last opened.
    CGridCellPos GetMenuCell() const { return m_cellMenu; }
    CGridCellPos GetLButtonDownCell() const { return m_cellLButtonDown; }
    // The cell under pt whose text does not fit in it, with its rectangle; false for none (also
    // while title tips are off or a button gesture runs).
    bool GetTitleTipCell(Point pt, CGridCellPos& cell, Rect& rcCell) const;
    // The pixels between the pointer and where the left button went down before a drag of cells
    // begins.
    static constexpr int kDragThreshold = 4;
    static constexpr int kAutoScrollInterval = 25;

    // --- Editing hooks.
    // Starts an in-place edit of a cell with a first character (VK_LBUTTON from the mouse).
    virtual void OnEditCell(int nRow, int nCol, int nChar);
    // Stores an edited text (marks the cell modified when it changed).
    virtual void OnEndEditCell(int nRow, int nCol, const std::string& strText);
    // Makes the editor over rc (client coordinates); the grid offers none of its own.
    virtual void CreateInPlaceEditControl(const Rect& rc, unsigned nStyle, int nId, int nRow, int nCol,
                                          const std::string& strText, int nChar);

    // --- Sizing.
    bool AutoSizeColumn(int nCol);
    bool AutoSizeRow(int nRow);
    void AutoSizeColumns();
    void AutoSizeRows();
    void AutoSize();
    void StretchColumnsToFit();
    void StretchRowsToFit();
    void StretchToFit();

    // --- Comma-separated text files (grid/GridCsv.h): every row and column's text, row 0 first.
    // Failures and files that are not as written are told in a message box of the current
    // language. A save replaces the file whole or leaves it as it was.
    bool SaveCsvFile(const std::string& strPath) const;
    // Rebuilds the grid from the file: its first line gives the columns and their headings (row
    // 0), the others the rows; no fixed rows or columns. A file that cannot be read or is not
    // UTF-8 text leaves the grid as it was (false).
    bool LoadCsvFile(const std::string& strPath);

    // --- Sorting and heading clicks.
    virtual void OnFixedRowClick(const CGridCellPos& cell);
    virtual void OnFixedColumnClick(const CGridCellPos& cell);
    // Sorts the non-fixed rows by one column's texts; rows with equal texts keep their order.
    bool SortByColumn(int nCol, bool bAscending);
    bool SortRowsByText(int nCol, bool bAscending, int nLow, int nHigh = -1);
    // Compares two cells' data values with the caller's value: negative, 0 or positive.
    using DataCompare = int (*)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    bool SortByColumnWith(DataCompare pfnCompare, int nCol, bool bAscending, LPARAM lParamSort);
    bool SortRowsWith(DataCompare pfnCompare, int nCol, bool bAscending, LPARAM lParamSort, int nLow, int nHigh = -1);

protected:
    // A new cell for a slot: format from the cell above, the grid's font description.
    virtual std::unique_ptr<CGridCtrlCell> CreateCell(int nRow, int nCol);
    IGridHost& Host() const { return *m_pHost; }
    bool CanPaint() const { return m_bAllowDraw && m_pHost->HasWindow(); }
    GridViewport Viewport() const;

private:
    CellFactory Factory();
    void OnScroll(int nBar, int nCode, int nTrackPos);
    void RepaintFixedCells(const CGridCellPos& cell, bool bColumn, bool bRow);
    void MarkFocus(const CGridCellPos& cell);
    void SortRows(int nLow, int nHigh, bool bAscending, const std::function<bool(int, int)>& less);
    bool StartSizing(Point pt);
    void DragSelectTo(Point pt);

    IGridHost* m_pHost;

    COLORREF m_crText = 0;
    COLORREF m_crTextBk = 0;
    COLORREF m_crBk = 0;
    COLORREF m_crFixedText = 0;
    COLORREF m_crFixedBk = 0;
    COLORREF m_crGridLines = ColorRef(192, 192, 192);
    COLORREF m_crWindowText = 0;
    COLORREF m_crWindowColour = 0;
    COLORREF m_cr3DFace = 0;
    COLORREF m_crShadow = 0;
    int m_nGridLines = GRID_LINES_BOTH;
    bool m_bEditable = true;
    bool m_bAllowDragAndDrop = false;
    bool m_bListMode = false;
    bool m_bSingleRowSelection = false;
    bool m_bAllowDraw = true;
    bool m_bEnableSelection = true;
    bool m_bSortOnClick = true;
    bool m_bHandleTabKey = true;
    bool m_bDoubleBuffer = true;
    bool m_bTitleTips = true;
    int m_nMargin = 0;
    int m_nDefColWidth = 30;
    int m_nDefRowHeight = 10;
    CGridScrollBar m_hBar;
    CGridScrollBar m_vBar;
    int m_nMouseMode = MOUSE_NONE;
    CGridCellPos m_selectionStart;
    CGridCellPos m_idCurrentCell;
    int m_nTimerId = 0;
    int m_nResizeCaptureRange = 3;
    bool m_bAllowRowResize = true;
    bool m_bAllowColumnResize = true;
    bool m_bMouseMoves = true;
    int m_nRowsPerWheelNotch = 3;
    bool m_bAscending = true;
    int m_nSortColumn = -1;
    CGridCellPos m_cellDragOver;
    Point m_ptLButtonDown;
    CGridCellPos m_cellLButtonDown;
    CGridCellPos m_cellMenu;
    bool m_bPressedSelected = false;  // the pressed cell was selected before the press
    // The column or row being sized by the mouse, and where it starts (client coordinates).
    int m_nSizing = -1;
    int m_nSizingStart = 0;
};
