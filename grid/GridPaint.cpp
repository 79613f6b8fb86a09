#include "grid/GridPaint.h"

#include <algorithm>

namespace {
void Background(const CGridCore& grid, const Rect& c, const Rect& v, GridPaintPlan& plan)
{
    const int w = grid.GetFixedColumnWidth();
    const int h = grid.GetFixedRowHeight();
    if (c.left < w && c.top < v.bottom)
        plan.fills.push_back({{c.left, c.top, w, v.bottom}, grid.GetFixedBackColour()});
    if (c.top < h && c.right > w && c.left < v.right)
        plan.fills.push_back({{w - 1, c.top, v.right, h}, grid.GetFixedBackColour()});
    const Rect i{std::max(v.left, c.left), std::max(v.top, c.top), std::min(v.right, c.right),
                 std::min(v.bottom, c.bottom)};
    if (i.left < i.right && i.top < i.bottom)
        plan.fills.push_back({{std::max(w, i.left), std::max(h, i.top), i.right, i.bottom}, grid.GetTextBackColour()});
    if (v.right < c.right)
        plan.fills.push_back({{v.right, c.top, c.right, c.bottom}, grid.GetBackColour()});
    if (v.bottom < c.bottom && c.left < v.right)
        plan.fills.push_back({{c.left, v.bottom, v.right, c.bottom}, grid.GetBackColour()});
}

// Lays out rows [r0, r1] from y0 and columns [c0, c1] from x0, keeping the cells that meet the
// clip box.
void Cells(const CGridCore& grid, const Rect& c, int r0, int r1, int y0, int c0, int c1, int x0, bool bFixed,
           GridPaintPlan& plan)
{
    int y = y0;
    for (int r = r0; r <= r1; ++r) {
        const int nHeight = grid.GetRowHeight(r);
        const int nTop = y;
        y += nHeight;
        if (nTop >= c.bottom)
            break;
        if (y <= c.top)
            continue;
        int x = x0;
        for (int col = c0; col <= c1; ++col) {
            const int nLeft = x;
            x += grid.GetColumnWidth(col);
            if (nLeft >= c.right)
                break;
            if (x <= c.left)
                continue;
            plan.cells.push_back({r, col, {nLeft, nTop, x - 1, y - 1}, bFixed});
        }
    }
}
}  // namespace

GridPaintPlan PlanGridPaint(const CGridCore& grid, const Rect& rcClip)
{
    GridPaintPlan plan;
    if (rcClip.left >= rcClip.right || rcClip.top >= rcClip.bottom)
        return plan;
    const CGridGeometry geometry = grid.Geometry();
    Rect v;
    const CGridCellRange visible = geometry.GetVisibleCellRange(&v);
    Background(grid, rcClip, v, plan);

    const int w = grid.GetFixedColumnWidth();
    const int h = grid.GetFixedRowHeight();
    const CGridCellPos topLeft = geometry.GetTopLeftScrollCell();
    const int nFixedRows = grid.GetFixedRowCount();
    const int nFixedCols = grid.GetFixedColumnCount();
    const int nMaxRow = visible.GetMaxRow();
    const int nMaxCol = visible.GetMaxCol();

    // The corner, unclipped; then the headings of the shown rows and columns, then the cells.
    const Rect all{0, 0, 1 << 30, 1 << 30};
    Cells(grid, all, 0, nFixedRows - 1, 0, 0, nFixedCols - 1, 0, true, plan);
    Cells(grid, rcClip, topLeft.row, nMaxRow, h, 0, nFixedCols - 1, 0, true, plan);
    Cells(grid, rcClip, 0, nFixedRows - 1, 0, topLeft.col, nMaxCol, w, true, plan);
    Cells(grid, rcClip, topLeft.row, nMaxRow, h, topLeft.col, nMaxCol, w, false, plan);

    const int nLines = grid.GetGridLines();
    if (nLines == GRID_LINES_BOTH || nLines == GRID_LINES_VERT) {
        int x = w;
        for (int col = topLeft.col; col <= nMaxCol; ++col) {
            x += grid.GetColumnWidth(col);
            plan.lines.push_back({{x - 1, h}, {x - 1, v.bottom}});
        }
    }
    if (nLines == GRID_LINES_BOTH || nLines == GRID_LINES_HORZ) {
        int y = h;
        for (int r = topLeft.row; r <= nMaxRow; ++r) {
            y += grid.GetRowHeight(r);
            plan.lines.push_back({{w, y - 1}, {v.right, y - 1}});
        }
    }
    return plan;
}
