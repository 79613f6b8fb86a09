#pragma once
// Where the cells of a grid lie on screen: pure functions of the row heights and column widths,
// the client size and the two scroll positions. The grid scrolls by pixels of the non-fixed
// area, but places the non-fixed cells from the first row and column whose start the scroll
// position has reached (the top-left scroll cell), so the view snaps to whole rows and columns.
// Cell rectangles are inclusive: a cell of width w at x covers x to x + w - 1. The top-left
// scroll cell is found once, when the object is made.
#include "grid/GridCellStore.h"

struct GridViewport {
    int nClientWidth = 0;
    int nClientHeight = 0;
    int nHScroll = 0;  // pixels of the non-fixed columns scrolled away
    int nVScroll = 0;  // pixels of the non-fixed rows scrolled away
};

class CGridGeometry {
public:
    CGridGeometry(const CGridCellStore& store, const GridViewport& view);

    // The first non-fixed row and column shown (the fixed counts when there are none).
    CGridCellPos GetTopLeftScrollCell() const { return m_topLeft; }
    // The non-fixed cells at least partly shown; pRect gets (0, 0, right, bottom) of what they
    // cover, cut at the client edges. Not valid when there are no non-fixed rows or columns.
    CGridCellRange GetVisibleCellRange(Rect* pRect = nullptr) const;
    // The non-fixed cells shown whole (a row ending on the client bottom counts).
    CGridCellRange GetFullyVisibleCellRange() const;
    // The cell's top-left corner; false outside the grid and for cells scrolled away above or
    // left. Cells scrolled off below or right get an origin outside the client area.
    bool GetCellOrigin(int nRow, int nCol, Point& pt) const;
    bool GetCellRect(int nRow, int nCol, Rect& rc) const;
    // From the minimum cell's origin to the maximum cell's far corner.
    bool GetRangeRect(const CGridCellRange& range, Rect& rc) const;
    // The cell under a client point; each part -1 where nothing lies (a point under the last row
    // and over a column gives (-1, column)). Without bAllowFixed a heading gives -1 that way.
    CGridCellPos HitTestCell(Point pt, bool bAllowFixed = true) const;
    // Within nCaptureRange pixels of a row divider, in the fixed columns (row 0's top edge never).
    bool IsOverRowDivider(Point pt, int nCaptureRange) const;
    bool IsOverColumnDivider(Point pt, int nCaptureRange) const;
    // Part of the cell lies in the client area.
    bool IsCellVisible(int nRow, int nCol) const;

private:
    int WalkColumns(int nFirst, int x) const;
    int WalkRows(int nFirst, int y) const;

    const CGridCellStore& m_store;
    GridViewport m_view;
    CGridCellPos m_topLeft;
    int m_nFixedWidth;
    int m_nFixedHeight;
};
