#pragma once
// What one paint of a grid draws for a clip box, worked out without a toolkit: the background
// fills, the cells (headings and normal cells) with their rectangles, and the grid lines, in
// painting order. Rows and columns wholly outside the clip box are left out, and the walks stop
// at the first row below it or column right of it, so a paint costs what is shown, not the size
// of the grid.
#include <vector>

#include "grid/GridCore.h"

struct GridPaintFill {
    Rect rc;  // right and bottom outside
    COLORREF cr;
};

struct GridPaintCell {
    int nRow;
    int nCol;
    Rect rc;  // inclusive
    bool bFixed;
};

struct GridPaintLine {
    Point from;
    Point to;  // not drawn
};

struct GridPaintPlan {
    std::vector<GridPaintFill> fills;
    std::vector<GridPaintCell> cells;
    std::vector<GridPaintLine> lines;
};

// The plan for a clip box C (client coordinates, right and bottom outside).
GridPaintPlan PlanGridPaint(const CGridCore& grid, const Rect& rcClip);
