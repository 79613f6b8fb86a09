#include "controls/LimCurveModel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int INSET_LEFT = 20;
constexpr int INSET_TOP = 5;
constexpr int INSET_RIGHT = 10;
constexpr int INSET_BOTTOM = 15;
constexpr int HANDLE_HALF = 3;
constexpr int LABEL_X = 2;
// Level codes of the grid lines: 0, -10 and -20 dB on the output axis, -20, -10 and 0 dB on the
// input axis.
constexpr int GRID_Y_CODES[] = {120, 220, 320};
constexpr int GRID_X_CODES[] = {100, 200, 300};

}  // namespace

void CLimCurveModel::LayoutPlot(int nClientWidth, int nClientHeight)
{
    m_rcClient = {0, 0, nClientWidth, nClientHeight};
    m_rcPlot = {INSET_LEFT, INSET_TOP, nClientWidth - INSET_RIGHT, nClientHeight - INSET_BOTTOM};
    m_ptStart = {static_cast<float>(m_rcPlot.left), static_cast<float>(m_rcPlot.bottom - 2)};
}

void CLimCurveModel::SetGraphMode(int nMode)
{
    m_nMode = nMode;
    if (nMode == LIM_GRAPH_MODE) {
        m_dScaleY = m_rcPlot.Height() / static_cast<double>(LIM_LEVEL_MAX);
        m_dScaleX = m_rcPlot.Width() / static_cast<double>(LIM_LEVEL_MAX);
    }
}

void CLimCurveModel::SetLevel(int nLevel)
{
    m_nLevel = nLevel;
}

int CLimCurveModel::DrawnLevel() const
{
    return std::clamp(m_nLevel, 0, LIM_LEVEL_MAX);
}

PointF CLimCurveModel::GetKnee() const
{
    const int l = DrawnLevel();
    return {static_cast<float>(m_rcPlot.left + l * m_dScaleX), static_cast<float>(m_rcPlot.bottom - l * m_dScaleY)};
}

PointF CLimCurveModel::GetEnd() const
{
    return {static_cast<float>(m_rcPlot.right), GetKnee().y};
}

Rect CLimCurveModel::GetHandleRect() const
{
    const PointF k = GetKnee();
    const int left = static_cast<int>(k.x - HANDLE_HALF);
    const int top = static_cast<int>(k.y - HANDLE_HALF);
    return {left, top, left + 2 * HANDLE_HALF, top + 2 * HANDLE_HALF};
}

std::vector<GraphLabel> CLimCurveModel::GetAxisLabels() const
{
    const int left = m_rcPlot.left;
    const int top = m_rcPlot.top;
    const auto sx = [this](int code) { return static_cast<int>(m_dScaleX * code); };
    const auto sy = [this](int code) { return static_cast<int>(m_dScaleY * code); };
    const int bottom = top + sy(LIM_LEVEL_MAX);
    return {{" 12", {LABEL_X, top - 5}},
            {"  0", {LABEL_X, top + static_cast<int>(m_dScaleY * 120 - 7)}},
            {"-10", {LABEL_X, top + static_cast<int>(m_dScaleY * 220 - 7)}},
            {"-20", {LABEL_X, top + static_cast<int>(m_dScaleY * 320 - 7)}},
            {"-30", {LABEL_X, top + static_cast<int>(m_dScaleY * 420 - 7)}},
            {"-20", {left + sx(100) - 8, bottom}},
            {"-10", {left + sx(200) - 8, bottom}},
            {"0", {left + sx(300) - 3, bottom}},
            {"12", {left + sx(420) - 7, bottom}}};
}

std::vector<int> CLimCurveModel::GetGridY() const
{
    std::vector<int> ys;
    for (int code : GRID_Y_CODES)
        ys.push_back(m_rcPlot.top + static_cast<int>(m_dScaleY * code));
    return ys;
}

std::vector<int> CLimCurveModel::GetGridX() const
{
    std::vector<int> xs;
    for (int code : GRID_X_CODES)
        xs.push_back(m_rcPlot.left + static_cast<int>(m_dScaleX * code));
    return xs;
}

int CLimCurveModel::MouseMoved(Point pt)
{
    if (m_nMode != LIM_GRAPH_MODE || !m_bEditable || m_dScaleY <= 0)
        return -1;
    if (!m_bDragging) {
        const Rect rc = GetHandleRect();
        m_bHover = pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
        return -1;
    }
    const double level = std::trunc((m_rcPlot.bottom - pt.y) / m_dScaleY);
    const int nLevel = static_cast<int>(std::clamp(level, 0.0, static_cast<double>(LIM_LEVEL_MAX)));
    if (nLevel == m_nLevel)
        return -1;
    m_nLevel = nLevel;
    return nLevel;
}

void CLimCurveModel::ButtonPressed()
{
    if (m_nMode == LIM_GRAPH_MODE && m_bHover)
        m_bDragging = true;
}

void CLimCurveModel::ButtonReleased()
{
    if (m_nMode == LIM_GRAPH_MODE && m_bHover)
        m_bDragging = false;
}
