#pragma once
// The grid's value types and codes: cell positions and ranges, the item record of SetItem and
// GetItem, the notification records the owner receives, cell state bits, item masks,
// notification codes, grid-line and mouse modes, text format flags and scroll-bar codes. The
// numbers are those of the system the grid was first written on, so owners and stored values
// keep them. Toolkit-free.
#include <cstdint>
#include <string>

#include "model/GdiTypes.h"
#include "platform/Message.h"

// A colour as 0x00BBGGRR; CLR_DEFAULT stands for the grid's own colour.
using COLORREF = std::uint32_t;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;
constexpr COLORREF ColorRef(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int RedOf(COLORREF c) { return int(c & 0xFF); }
constexpr int GreenOf(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(COLORREF c) { return int((c >> 16) & 0xFF); }

// A font description: a height above 0 is the cell height in pixels, below 0 the character
// height (res/Fonts.h turns it into a font).
struct GridFont {
    int nHeight = 16;
    int nWeight = 700;
    bool bItalic = false;
    std::string strFace = "System";
    friend bool operator==(const GridFont&, const GridFont&) = default;
};
// The stock system font: what every cell starts with until the grid is given a font.
inline const GridFont kStockSystemFont{};

struct GridSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const GridSize&, const GridSize&) = default;
};

// What the grid reads of its font when the font is set.
struct GridFontMetrics {
    int nHeight = 0;           // ascent + descent
    int nExternalLeading = 0;  // space between lines
    int nAveCharWidth = 0;
};

class CGridCellPos {
public:
    constexpr CGridCellPos(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}
    // Both parts 0 or more (whether the cell lies inside a grid is the grid's question).
    constexpr bool IsValid() const { return row >= 0 && col >= 0; }
    friend constexpr bool operator==(const CGridCellPos&, const CGridCellPos&) = default;

    int row;
    int col;
};

class CGridCellRange {
public:
    constexpr CGridCellRange(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1)
        : m_nMinRow(nMinRow), m_nMinCol(nMinCol), m_nMaxRow(nMaxRow), m_nMaxCol(nMaxCol)
    {
    }
    void Set(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol) { *this = {nMinRow, nMinCol, nMaxRow, nMaxCol}; }
    int GetMinRow() const { return m_nMinRow; }
    int GetMinCol() const { return m_nMinCol; }
    int GetMaxRow() const { return m_nMaxRow; }
    int GetMaxCol() const { return m_nMaxCol; }
    void SetMinRow(int n) { m_nMinRow = n; }
    void SetMinCol(int n) { m_nMinCol = n; }
    void SetMaxRow(int n) { m_nMaxRow = n; }
    void SetMaxCol(int n) { m_nMaxCol = n; }
    // All bounds 0 or more and each minimum at most its maximum.
    bool IsValid() const
    {
        return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= 0 && m_nMaxCol >= 0 && m_nMinRow <= m_nMaxRow &&
               m_nMinCol <= m_nMaxCol;
    }
    bool InRange(int nRow, int nCol) const
    {
        return nRow >= m_nMinRow && nRow <= m_nMaxRow && nCol >= m_nMinCol && nCol <= m_nMaxCol;
    }
    long long Count() const { return (long long)(m_nMaxRow - m_nMinRow + 1) * (m_nMaxCol - m_nMinCol + 1); }
    CGridCellPos GetTopLeft() const { return {m_nMinRow, m_nMinCol}; }
    // The overlap: the larger minima and the smaller maxima.
    CGridCellRange Intersect(const CGridCellRange& other) const;
    friend bool operator==(const CGridCellRange&, const CGridCellRange&) = default;

private:
    int m_nMinRow;
    int m_nMinCol;
    int m_nMaxRow;
    int m_nMaxCol;
};

// Cell state bits.
constexpr unsigned CELL_FOCUSED = 0x01;
constexpr unsigned CELL_SELECTED = 0x02;
constexpr unsigned CELL_DROP_TARGET = 0x04;
constexpr unsigned CELL_READ_ONLY = 0x08;
constexpr unsigned CELL_MODIFIED = 0x20;

// Which fields of a GridItem take part.
constexpr unsigned ITEM_TEXT = 0x01;
constexpr unsigned ITEM_IMAGE = 0x02;
constexpr unsigned ITEM_DATA = 0x04;
constexpr unsigned ITEM_STATE = 0x08;
constexpr unsigned ITEM_BACK_COLOUR = 0x10;
constexpr unsigned ITEM_TEXT_COLOUR = 0x20;
constexpr unsigned ITEM_FORMAT = 0x40;
constexpr unsigned ITEM_FONT = 0x80;

// An item description owned by the caller.
struct GridItem {
    int row = 0;
    int col = 0;
    unsigned mask = 0;
    unsigned nState = 0;
    unsigned nFormat = 0;
    std::string strText;  // UTF-8
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    LPARAM lParam = 0;
    GridFont lfFont;
};

// Notification codes the grid sends its owner with WM_NOTIFY.
constexpr int GRIDN_FOCUS_CHANGING = -100;
constexpr int GRIDN_FOCUS_CHANGED = -101;
constexpr int GRIDN_CELL_CLEARED = -103;
constexpr int GRIDN_BEGIN_EDIT = -105;
constexpr int GRIDN_END_EDIT = -106;
constexpr int GRIDN_BEGIN_DRAG = -109;
constexpr int NM_DBLCLK = -3;
// Control id of the in-place editor, which reports GRIDN_END_EDIT to the grid.
constexpr int IDC_INPLACE_EDIT = 8;

// The records an owner reads from lParam of WM_NOTIFY (sent, so valid during the call).
struct GridNotifyHeader {
    WndHandle hwndFrom = 0;
    int idFrom = 0;
    int code = 0;
};
struct GridNotify {
    GridNotifyHeader hdr;
    int iRow = -1;
    int iColumn = -1;
};
struct GridItemNotify {
    GridNotifyHeader hdr;
    GridItem item;
};

constexpr int GRID_LINES_NONE = 0;
constexpr int GRID_LINES_HORZ = 1;
constexpr int GRID_LINES_VERT = 2;
constexpr int GRID_LINES_BOTH = 3;

constexpr int MOUSE_NONE = 0;
constexpr int MOUSE_SELECT_ALL = 1;
constexpr int MOUSE_SELECT_COLUMNS = 2;
constexpr int MOUSE_SELECT_ROWS = 3;
constexpr int MOUSE_SELECT_CELLS = 4;
constexpr int MOUSE_OVER_ROW_DIVIDER = 6;
constexpr int MOUSE_SIZING_ROW = 7;
constexpr int MOUSE_OVER_COLUMN_DIVIDER = 8;
constexpr int MOUSE_SIZING_COLUMN = 9;
constexpr int MOUSE_PREPARE_EDIT = 10;
constexpr int MOUSE_PREPARE_DRAG = 11;
constexpr int MOUSE_DRAGGING = 12;

// Text format flags of a cell.
constexpr unsigned DT_LEFT = 0x00;
constexpr unsigned DT_CENTER = 0x01;
constexpr unsigned DT_RIGHT = 0x02;
constexpr unsigned DT_VCENTER = 0x04;
constexpr unsigned DT_BOTTOM = 0x08;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Scroll bars and their requests.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_LINEUP = 0;  // also line left
constexpr int SB_LINEDOWN = 1;  // also line right
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;

// System colours the grid paints with, by their index.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_3DFACE = 15;
constexpr int COLOR_3DSHADOW = 16;
constexpr int COLOR_3DHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;

// The edit commands the grid answers (copy, cut, paste, select all).
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_SELECT_ALL = 57642;

// FindNextCell: where to look, beside the state bits asked for.
constexpr unsigned FIND_ABOVE = 0x100;
constexpr unsigned FIND_BELOW = 0x200;
constexpr unsigned FIND_TO_LEFT = 0x400;
constexpr unsigned FIND_TO_RIGHT = 0x800;

// The auto-scroll timer's id (a mouse selection outside the cells).
constexpr int GRID_AUTOSCROLL_TIMER = 513;

// What a drop does with the dragged text (a drag source allows both).
constexpr int DROPEFFECT_NONE = 0;
constexpr int DROPEFFECT_COPY = 1;
constexpr int DROPEFFECT_MOVE = 2;
