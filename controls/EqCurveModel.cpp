#include "controls/EqCurveModel.h"

#include "model/Conversions.h"
#include "model/Filter.h"
#include "model/KTVEQ.h"
#include "model/StdAfx.h"

namespace {

constexpr int PLOT_RIGHT_MARGIN = 10;
constexpr int PLOT_BOTTOM_MARGIN = 20;
constexpr int GAIN_LABEL_X = 6;
// Elements 10-30 of a band set are never hit: the pages edit only the first ten bands with the
// mouse (and, on outputs, the crossovers that follow element 30).
constexpr int FIRST_UNTRACKED = 10;
constexpr int LAST_UNTRACKED = 30;
constexpr int MUSIC_TRACKED = 15;
constexpr int MUSIC_NUMBERED = 15;
constexpr int OUTPUT_NUMBERED = 10;

constexpr int GRID_HZ[EQ_GRID_LINES] = {20,  30,  40,  50,  60,  70,  80,   90,   100,  200,  300,  400,  500, 600,
                                        700, 800, 900, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000};

struct FreqLabel {
    int nHz;
    const char* szText;
    int nDx;
};
constexpr FreqLabel FREQ_LABELS[] = {
    {30, "30", 8},     {40, "40", 8},     {50, "50", 8},     {70, "70", 8},     {100, "100", 10}, {200, "200", 10},
    {300, "300", 10},  {500, "500", 10},  {700, "700", 10},  {1000, "1K", 8},   {2000, "2K", 8},  {3000, "3K", 8},
    {4000, "4K", 8},   {5000, "5K", 8},   {7000, "7K", 8},   {10000, "10K", 10}, {20000, "20K", 15}};
constexpr const char* GAIN_LABELS[] = {"+9", "+6", "+3", "0dB", "-3", "-6", "-9"};

constexpr Color WHITE{255, 255, 255, 255};
constexpr Color RED{255, 255, 0, 0};
constexpr Color GREEN_BORDER{255, 0, 180, 0};
constexpr Color GREY_BORDER{255, 149, 149, 149};

bool Contains(const Rect& rc, Point pt)
{
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

bool IsCrossoverType(int nType)
{
    return nType == FILTER_HPF || nType == FILTER_LPF;
}

}  // namespace

void CEqCurveModel::LayoutGrid(int nClientWidth, int nClientHeight)
{
    m_rcClient = {0, 0, nClientWidth, nClientHeight};
    m_rcPlot = {PLOT_LEFT, PLOT_TOP, nClientWidth - PLOT_RIGHT_MARGIN, nClientHeight - PLOT_BOTTOM_MARGIN};
    for (int i = 0; i < EQ_GRID_LINES; ++i)
        m_nGridX[i] = FreqX(GRID_HZ[i]);
}

int CEqCurveModel::GetGridY(int k) const
{
    return m_rcPlot.top + static_cast<int>(m_rcPlot.Height() / 8.0 * k);
}

int CEqCurveModel::FreqX(double dHz) const
{
    return FreqToStep(dHz, m_rcPlot.Width()) + PLOT_LEFT;
}

int CEqCurveModel::GainY(double dB) const
{
    return GainToStep(dB, m_rcPlot.Height()) + PLOT_TOP;
}

std::vector<GraphLabel> CEqCurveModel::GetAxisLabels() const
{
    const int h = m_rcPlot.Height();
    std::vector<GraphLabel> labels;
    labels.push_back({"+12", {GAIN_LABEL_X, m_rcClient.top + 5}, true});
    for (int k = 1; k <= 7; ++k)
        labels.push_back({GAIN_LABELS[k - 1], {GAIN_LABEL_X, k * (h / 8) + 3}, true});
    labels.push_back({"-12", {GAIN_LABEL_X, h}, true});
    labels.push_back({"20", {30, m_rcPlot.bottom}});
    for (const FreqLabel& f : FREQ_LABELS)
        labels.push_back({f.szText, {FreqX(f.nHz) - f.nDx, m_rcPlot.bottom}});
    return labels;
}

void CEqCurveModel::ShowBands(CKTVEQ* pEQ, int nMode, int nSourceCode)
{
    m_pEQ = pEQ;
    m_pActive = nullptr;
    m_nMode = nMode;
    m_nSourceCode = nSourceCode;
}

CFilter* CEqCurveModel::GetHighlightBand() const
{
    if (m_nSelected >= 0)
        return m_pEQ != nullptr && m_nSelected < m_pEQ->GetSize() ? m_pEQ->GetAt(m_nSelected) : nullptr;
    return m_pActive;
}

bool CEqCurveModel::IsNumberShown(int nBand) const
{
    switch (m_nMode) {
    case EQ_MODE_EFFECT:
    case EQ_MODE_MIC:
        return true;
    case EQ_MODE_MUSIC:
        return g_nViewMode == 2 || nBand < MUSIC_NUMBERED;
    case EQ_MODE_OUTPUT:
        return nBand < OUTPUT_NUMBERED || nBand > LAST_UNTRACKED;
    default:
        return false;
    }
}

std::string CEqCurveModel::GetNumberText(const CFilter& band, int nBand)
{
    if (band.GetType() == FILTER_HPF)
        return "H";
    if (band.GetType() == FILTER_LPF)
        return "L";
    return std::to_string(nBand + 1);
}

EqTextAlign CEqCurveModel::GetNumberAlign(const CFilter& band) const
{
    if (band.GetNodeRect().right == m_rcPlot.right)
        return EqTextAlign::Left;
    if (band.GetFreq() <= 20)
        return EqTextAlign::Right;
    return band.GetFreq() < 20000 ? EqTextAlign::Centre : EqTextAlign::Left;
}

bool CEqCurveModel::ShowsHandles() const
{
    if (m_pActive == nullptr || m_pActive->GetType() != FILTER_PEQ)
        return false;
    return GetPlotStyle(m_nMode).bChannelHandles || !m_pActive->GetGraphicEQ();
}

const EqPlotStyle& CEqCurveModel::GetPlotStyle(int nMode)
{
    static const EqPlotStyle grid{WHITE, false, false, WHITE, false, false};
    static const EqPlotStyle channel{GREEN_BORDER, true, false, WHITE, true, false};
    static const EqPlotStyle music{GREY_BORDER, true, true, RED, false, true};
    static const EqPlotStyle output{GREY_BORDER, false, true, RED, false, true};
    switch (nMode) {
    case EQ_MODE_EFFECT:
    case EQ_MODE_MIC:
        return channel;
    case EQ_MODE_MUSIC:
        return music;
    case EQ_MODE_OUTPUT:
        return output;
    default:
        return grid;
    }
}

bool CEqCurveModel::MouseMoved(Point pt)
{
    m_bRepaint = false;
    if (m_nMode >= EQ_MODE_EFFECT && m_nMode <= EQ_MODE_OUTPUT && (g_nViewMode == 1 || g_nViewMode == 2) &&
        m_pEQ != nullptr)
        TrackMouse(pt);
    return m_bRepaint;
}

void CEqCurveModel::Repaint()
{
    m_nSelected = -1;
    m_bRepaint = true;
}

int CEqCurveModel::TrackedBandCount() const
{
    return m_nMode == EQ_MODE_MUSIC ? MUSIC_TRACKED : m_pEQ->GetSize();
}

void CEqCurveModel::TrackMouse(Point pt)
{
    if (m_pActive != nullptr && IsCrossoverType(m_pActive->GetType())) {
        TrackCrossover(pt);
        return;
    }
    if (CFilter* a = m_pActive) {
        const bool bInNode = Contains(a->GetNodeRect(), pt);
        if (!bInNode && a->m_bDragNode) {
            const bool bChanged = a->DragNode(pt);
            Repaint();
            m_bChanged |= bChanged;
            m_bHover = 0;
            return;
        }
        if (bInNode) {
            a->m_bOverNode = 1;
            a->m_bOverLeft = 0;
            a->m_bOverRight = 0;
            if (a->m_bDragNode && a->DragNode(pt)) {
                m_bChanged = 1;
                Repaint();
            }
            m_bHover = 1;
            return;
        }
        if (!a->GetGraphicEQ()) {
            // The two handles the same way; a bandwidth drag step always counts as a change.
            struct Handle {
                const Rect& rc;
                int& bOver;
                int& bDrag;
                int& bOtherOver;
                int& bOtherDrag;
            };
            const Handle handles[] = {
                {a->GetLeftRect(), a->m_bOverLeft, a->m_bDragLeft, a->m_bOverRight, a->m_bDragRight},
                {a->GetRightRect(), a->m_bOverRight, a->m_bDragRight, a->m_bOverLeft, a->m_bDragLeft}};
            for (const Handle& h : handles) {
                const bool bIn = Contains(h.rc, pt);
                if (!bIn && !h.bDrag)
                    continue;
                if (bIn) {
                    a->m_bOverNode = 0;
                    h.bOver = 1;
                    h.bOtherOver = 0;
                    h.bOtherDrag = 0;
                }
                if (h.bDrag && a->DragBandwidth(pt)) {
                    m_bChanged = 1;
                    Repaint();
                }
                m_bHover = bIn;
                return;
            }
        }
    }
    const int nCount = TrackedBandCount();
    for (int i = 0; i < nCount; ++i) {
        if (i >= FIRST_UNTRACKED && i <= LAST_UNTRACKED)
            continue;
        CFilter* pBand = m_pEQ->GetAt(i);
        if (Contains(pBand->GetNodeRect(), pt)) {
            m_pActive = pBand;
            pBand->m_bOverNode = 1;
            m_nBand = i;
            m_bHover = 1;
            Repaint();
            return;
        }
    }
    m_bHover = 0;
}

void CEqCurveModel::TrackCrossover(Point pt)
{
    CFilter* a = m_pActive;
    const int nLimit = a->GetType() == FILTER_HPF ? m_pEQ->GetLPF()->GetFreq() : m_pEQ->GetHPF()->GetFreq();
    if (Contains(a->GetNodeRect(), pt)) {
        if (a->m_bDragNode) {
            m_bDragResult = a->DragCrossover(pt, nLimit);
            if (m_bDragResult) {
                Repaint();
                m_bChanged = 1;
            }
        }
        m_bHover = 1;
    } else if (!a->m_bDragNode) {
        m_pActive = nullptr;
        m_bHover = 0;
    } else {
        m_bDragResult = a->DragCrossover(pt, nLimit);
        Repaint();
        m_bChanged |= m_bDragResult;
        m_bHover = 1;
    }
}

void CEqCurveModel::ButtonPressed(Point pt)
{
    if (m_nMode >= EQ_MODE_EFFECT && m_nMode <= EQ_MODE_OUTPUT)
        BeginDrag(pt);
    m_bButtonUp = 0;
}

void CEqCurveModel::BeginDrag(Point pt)
{
    CFilter* a = m_pActive;
    if (!m_bHover || a == nullptr)
        return;
    if (a->m_bOverNode) {
        a->m_bDragNode = 1;
        a->BeginNodeDrag(pt);
    } else if (a->GetType() == FILTER_PEQ) {
        if (a->m_bOverLeft)
            a->m_bDragLeft = 1;
        else if (a->m_bOverRight)
            a->m_bDragRight = 1;
        a->BeginBandwidthDrag(pt);
    }
}

void CEqCurveModel::ButtonReleased()
{
    m_bButtonUp = 1;
    if (m_nMode >= EQ_MODE_EFFECT && m_nMode <= EQ_MODE_OUTPUT)
        EndDrag();
}

void CEqCurveModel::EndDrag()
{
    CFilter* a = m_pActive;
    if (a == nullptr)
        return;
    if (a->m_bOverNode) {
        a->m_bDragNode = a->m_bOverNode = 0;
        a->m_bDragLeft = a->m_bOverLeft = 0;
        a->m_bDragRight = a->m_bOverRight = 0;
        m_bHover = 0;
        return;
    }
    if (a->m_bOverLeft) {
        a->m_bDragLeft = a->m_bOverLeft = 0;
        m_bHover = 0;
    }
    if (a->m_bOverRight) {
        a->m_bDragRight = a->m_bOverRight = 0;
        m_bHover = 0;
    }
}

EqCursor CEqCurveModel::GetCursorKind() const
{
    if (m_pActive != nullptr && m_bHover) {
        if (m_pActive->m_bOverLeft || m_pActive->m_bOverRight || IsCrossoverType(m_pActive->GetType()))
            return EqCursor::SizeWE;
        if (m_pActive->GetGraphicEQ())
            return EqCursor::SizeNS;
    }
    return m_bHover ? EqCursor::Move : EqCursor::Arrow;
}

bool CEqCurveModel::NotifyDue()
{
    if (m_bChanged) {
        m_bChanged = 0;
        return true;
    }
    return m_bButtonUp != 0;
}
