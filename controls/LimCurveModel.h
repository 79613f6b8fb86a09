#pragma once
// The toolkit-free half of the dynamics transfer-curve graph (CCOM_EXT_LIMStatic): output level
// against input level of one output's limiter, both axes from -30 to +12 dBu (level codes 0-420,
// 10 per dB), a diagonal up to the knee at the limiter level and a flat line after it; the plot
// layout, the axis texts and grid, and the drag of the knee handle.
//
// Only a graph whose level fields are attached edits the limiter: the graphs shown without
// fields are read-only (no handle hover, no drag), so no drag can change a level that is neither
// stored nor shown.
#include <vector>

#include "controls/GraphLabel.h"
#include "model/GdiTypes.h"

constexpr int LIM_GRAPH_MODE = 3;
constexpr int LIM_LEVEL_MAX = 420;

class CLimCurveModel {
public:
    // Client size in pixels: derives the plot rectangle and the curve's start point.
    void LayoutPlot(int nClientWidth, int nClientHeight);
    // Mode 3 sets the scales (call after LayoutPlot); any other mode draws nothing.
    void SetGraphMode(int nMode);
    int GetGraphMode() const { return m_nMode; }
    const Rect& GetGraphRect() const { return m_rcClient; }
    const Rect& GetPlotRect() const { return m_rcPlot; }

    // The graph's copy of the limiter level code, as received; drawn within 0-420.
    void SetLevel(int nLevel);
    int GetLevel() const { return m_nLevel; }
    PointF GetStart() const { return m_ptStart; }
    PointF GetKnee() const;
    PointF GetEnd() const;
    // The 6 x 6 handle around the knee, the only part of the curve that can be dragged.
    Rect GetHandleRect() const;

    std::vector<GraphLabel> GetAxisLabels() const;
    // y of the horizontal grid lines (0, -10, -20 dB) and x of the vertical ones (-20, -10, 0 dB).
    std::vector<int> GetGridY() const;
    std::vector<int> GetGridX() const;

    void SetEditable(bool bEditable) { m_bEditable = bEditable; }
    bool IsHover() const { return m_bHover; }
    bool IsDragging() const { return m_bDragging; }

    // Mouse, in client coordinates. MouseMoved returns the new level when a drag changed the
    // copy, else -1.
    int MouseMoved(Point pt);
    void ButtonPressed();
    void ButtonReleased();

private:
    int DrawnLevel() const;

    Rect m_rcClient;
    Rect m_rcPlot;
    PointF m_ptStart;
    double m_dScaleY = 0;
    double m_dScaleX = 0;
    int m_nLevel = 0;
    int m_nMode = 0;
    bool m_bEditable = false;
    bool m_bHover = false;
    bool m_bDragging = false;
};
