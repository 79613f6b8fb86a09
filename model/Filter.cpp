#include "model/Filter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "model/BandSlider.h"
#include "model/DataDefine.h"
#include "model/NumberText.h"
#include "model/StdAfx.h"
#include "platform/Archive.h"

namespace {

constexpr int NODE_SIZE = 16;
constexpr int HALF_NODE = NODE_SIZE / 2;
constexpr int HALF_HANDLE = 4;
constexpr int SHELF_TURN_HZ = 2000;   // low shelves stay at or below it, high shelves at or above
constexpr double DRAG_GAIN_LIMIT = 12.0;
constexpr double MIN_BANDWIDTH = 0.05;
constexpr double MAX_BANDWIDTH = 3.0;

// floor() as an int; out-of-range or undefined values stay inside int.
int FloorToInt(double dValue)
{
    if (std::isnan(dValue))
        return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::floor(dValue), lo, hi));
}

double DrawnFreq(double dHz)
{
    return std::clamp(dHz, 20.0, 20000.0);
}

bool IsCrossover(int nType)
{
    return nType == FILTER_HPF || nType == FILTER_LPF;
}

bool IsShelf(int nType)
{
    return nType == FILTER_LOW_SHELF || nType == FILTER_HIGH_SHELF;
}

// The device frequency once the set frequency has moved to nFreq: within an octave it follows
// at once; farther off it stays for the sender to step. A crossover's follows upwards only (the
// sender steps it down). Without a synchronised processor there is nothing to step for: it
// takes the set frequency.
int FollowingDevFreq(int nDev, int nFreq, bool bSynced, bool bBothWays)
{
    if (bBothWays) {
        if (!bSynced)
            nDev = nFreq;
        if (nDev == 0)
            nDev = 20;
        if (nFreq >= nDev) {
            if (nFreq / nDev < 2)
                nDev = nFreq;
        } else if (static_cast<double>(nFreq) / nDev >= 0.5) {
            nDev = nFreq;
        }
        return nDev;
    }
    if (nDev == 0)
        nDev = 20;
    if (nFreq >= nDev && nFreq / nDev < 2)
        nDev = nFreq;
    return bSynced ? nDev : nFreq;
}

// One octave from nDev towards nFreq, or nFreq itself when nearer.
int SteppedDevFreq(int nDev, int nFreq)
{
    if (nDev == nFreq)
        return nDev;
    if (nDev <= 0)  // a processor may report 0 Hz: there is no octave to step from
        return nFreq;
    if (nFreq / nDev >= 2)
        return nDev * 2;
    if (static_cast<double>(nFreq) / nDev <= 0.5)
        return nDev / 2;
    return nFreq;
}

}  // namespace

CFilter::CFilter() = default;

int CFilter::GetEqTypeCode() const
{
    switch (m_nType) {
    case FILTER_PEQ:
        return EQTYPE_PEQ;
    case FILTER_LOW_SHELF:
        return EQTYPE_LOW_SHELF_6DB + m_nSlope;
    case FILTER_HIGH_SHELF:
        return EQTYPE_HIGH_SHELF_6DB + m_nSlope;
    default:
        return -1;
    }
}

// Rounded half up. A received code outside 0-400 goes back unchanged.
int CFilter::GetGainPos() const
{
    if (IsBypassOrFlat())
        return 200;
    return FloorToInt((m_dGain + GAIN_POS_OFFSET_DB) * 100 / 10 + 0.5);
}

// The small offset absorbs the binary error of the 0.01 steps; floor keeps a received negative
// code as it came.
int CFilter::GetBandwidthIndex() const
{
    return FloorToInt((m_dBandwidth - 0.05) / 0.01 + 0.05);
}

void CFilter::Mark()
{
    m_nChanged.Mark();
}

// The device frequency follows at most one octave per sent step while synchronised.
void CFilter::SetFreq(int nHz, bool bNotify)
{
    m_nFreq = nHz;
    if (!bNotify) {
        m_nDevFreq = nHz;
    } else {
        if (!m_bShowHandles && m_pSlider != nullptr)  // a crossover's slider shows its frequency
            m_pSlider->SetFreq(nHz);
        const bool bSynced = g_bSynced != 0;
        const bool bBothWays = m_bShowHandles != 0;
        // The worker may be stepping the same value: the two changes are made one after the other.
        m_nDevFreq.Update([&](int& nDev) { nDev = FollowingDevFreq(nDev, nHz, bSynced, bBothWays); });
    }
    UpdateGeometry();
    UpdateResponse();
    if (bNotify)
        Mark();
}

void CFilter::StepDeviceFreq(int nFlag)
{
    if (m_nDevFreq != m_nFreq)
        m_nDevFreq.Update([this](int& nDev) { nDev = SteppedDevFreq(nDev, m_nFreq); });
    // The step that reaches the set frequency ends the change too: the group sent now carries it,
    // and a further send would repeat the same frame.
    if (m_nDevFreq == m_nFreq) {
        m_nChanged.Set(nFlag);
        // The clear acquires: a frequency stored before a mark it took away is seen now, and the
        // band steps towards it instead of staying behind unmarked.
        if (m_nDevFreq == m_nFreq)
            return;
    }
    m_nChanged.Set(1);
}

// A band without gain is flat; one with gain is switched on.
void CFilter::FlatFromGain()
{
    if (m_dGain == 0) {
        m_bFlat = 1;
    } else {
        m_bFlat = 0;
        m_bBypass = 0;
    }
}

void CFilter::SetGainPos(int nPos)
{
    m_dGain = GainOfPos(nPos);
    FlatFromGain();
    if (m_bShowHandles)
        UpdateNodeGeometry();
    UpdateResponse();
    Mark();
}

void CFilter::SetBandwidthIndex(int nIndex)
{
    m_dBandwidth = nIndex * 0.01 + 0.05;
    if (m_bShowHandles)
        UpdateHandleGeometry();
    UpdateResponse();
    Mark();
}

void CFilter::SetSlope(int nSlope, bool bNotify)
{
    m_nSlope = nSlope;
    // A first-order Bessel crossover does not exist.
    if (IsCrossover(m_nType) && nSlope == SLOPE_6DB && m_nAlign == ALIGN_BESSEL)
        m_nAlign = ALIGN_BUTTERWORTH;
    UpdateResponse();
    if (bNotify)
        Mark();
}

void CFilter::SetAlign(int nAlign, bool bNotify)
{
    m_nAlign = nAlign;
    UpdateResponse();
    if (bNotify)
        Mark();
}

void CFilter::SetType(int nType)
{
    m_nType = nType;
    if (nType == FILTER_LPF)
        m_nDevFreq = 20000;
    UpdateResponse();
    Mark();
}

// A parametric band or a shelf; a shelf on its side of the turn frequency.
void CFilter::ApplyEqType(int nType)
{
    m_nType = nType;
    if (nType == FILTER_LOW_SHELF)
        m_nFreq = std::min<int>(m_nFreq, SHELF_TURN_HZ);
    else if (nType == FILTER_HIGH_SHELF)
        m_nFreq = std::max<int>(m_nFreq, SHELF_TURN_HZ);
    UpdateGeometry();
    UpdateResponse();
    Mark();
}

void CFilter::SetEqType(int nType)
{
    if (nType == FILTER_PEQ || IsShelf(nType))
        ApplyEqType(nType);
}

void CFilter::SetEqTypeCode(int nCode)
{
    if (nCode == EQTYPE_PEQ) {
        ApplyEqType(FILTER_PEQ);
    } else if (nCode >= EQTYPE_LOW_SHELF_6DB && nCode <= EQTYPE_HIGH_SHELF_12DB) {
        m_nSlope = (nCode - EQTYPE_LOW_SHELF_6DB) % 2;
        ApplyEqType(nCode <= EQTYPE_LOW_SHELF_12DB ? FILTER_LOW_SHELF : FILTER_HIGH_SHELF);
    }
}

void CFilter::SetLowShelf(int nSlope)
{
    if (nSlope == 0 || nSlope == 1)
        SetEqTypeCode(EQTYPE_LOW_SHELF_6DB + nSlope);
}

void CFilter::SetHighShelf(int nSlope)
{
    if (nSlope == 0 || nSlope == 1)
        SetEqTypeCode(EQTYPE_HIGH_SHELF_6DB + nSlope);
}

// The band's on/off switch. A band without gain stays flat.
void CFilter::SetFlat(bool bFlat)
{
    if (m_bBypass) {
        m_bBypass = 0;
        if (m_dGain == 0)
            return;
    } else if (m_bFlat == static_cast<int>(bFlat) || m_dGain == 0) {
        return;
    }
    m_bFlat = bFlat;
    if (!bFlat)
        m_bBypass = 0;
    UpdateGeometry();
    UpdateResponse();
    Mark();
}

void CFilter::SetBypassAll(bool bOn)
{
    if (bOn) {
        m_bSavedBypass = m_bBypass;
        m_bBypass = 1;
    } else {
        m_bBypass = m_bSavedBypass;
    }
    if (!m_bFlat) {
        UpdateGeometry();
        UpdateResponse();
    }
}

void CFilter::ResetToPeq(int nHz)
{
    m_nType = FILTER_PEQ;
    m_nSlope = 0;
    m_nFreq = nHz;
    m_nDevFreq = nHz;
    m_dBandwidth = 1.17;
    m_dGain = 0;
    m_bFlat = 1;
    UpdateGeometry();
    UpdateResponse();
}

void CFilter::SetGraphicEQ(bool bOn)
{
    m_bGraphicEQ = bOn;
    UpdateGeometry();
}

void CFilter::SetBandwidth(double dOctaves)
{
    m_dBandwidth = dOctaves;
    if (m_bShowHandles)
        UpdateHandleGeometry();
    UpdateResponse();
    Mark();
}

void CFilter::SetGain(double dB)
{
    m_dGain = dB;
    if (m_bShowHandles)
        UpdateNodeGeometry();
    UpdateResponse();
    Mark();
}

void CFilter::SetGraphRect(const Rect& rect)
{
    m_nPlotHeight = rect.Height();
    m_nPlotWidth = rect.Width();
    UpdateGeometry();
    const int zeroY = GainToStep(0, m_nPlotHeight) + PLOT_TOP;
    m_ptPolygon[0] = {PLOT_LEFT, zeroY};
    m_ptPolygon[POLYGON_POINTS - 1] = {m_nPlotWidth + PLOT_LEFT, zeroY};
    for (int i = 0; i < FREQ_POINTS; ++i)
        m_ptPolygon[i + 1].x = FreqToStep(g_dFreqTable[i], m_nPlotWidth) + PLOT_LEFT;
    UpdateResponse();
}

void CFilter::CopyFrom(const CFilter& other)
{
    m_nType = other.m_nType;
    m_nFreq = other.m_nFreq;
    m_nDevFreq = other.m_nFreq;
    m_dGain = other.m_dGain;
    m_bFlat = other.m_bFlat;
    m_bBypass = other.m_bBypass;
    m_dBandwidth = other.m_dBandwidth;
    m_nAlign = other.m_nAlign;
    m_nSlope = other.m_nSlope;
    UpdateGeometry();
    UpdateResponse();
}

int CFilter::FreqX(double dHz) const
{
    return FreqToStep(DrawnFreq(dHz), m_nPlotWidth);
}

void CFilter::UpdateGeometry()
{
    if (m_bShowHandles)
        UpdateNodeGeometry();
    else
        UpdateCrossoverGeometry();
}

void CFilter::UpdateNodeGeometry()
{
    const int w = m_nPlotWidth;
    const int h = m_nPlotHeight;
    int left = FreqX(m_nFreq) - HALF_NODE;
    int top = GainToStep(IsBypassOrFlat() ? 0.0 : m_dGain, h) - HALF_NODE;
    left = std::max(left, -HALF_NODE);
    top = std::max(top, 0);
    if (left <= 0 && m_nGroup >= 9)  // bands 0-8 may stand half outside the plot's left edge
        left = 0;
    int right = left + NODE_SIZE;
    int bottom = top + NODE_SIZE;
    if (right > w) {
        right = w;
        left = w - NODE_SIZE;
    }
    if (bottom > h) {
        bottom = h;
        top = h - NODE_SIZE;
    }
    m_rcNode = {left + PLOT_LEFT, top + PLOT_TOP, right + PLOT_LEFT, bottom + PLOT_TOP};

    if (m_nType == FILTER_PEQ || IsShelf(m_nType)) {
        const Rect& node = m_rcNode;
        const int edge = w + PLOT_LEFT;
        if (node.bottom >= h - 15) {  // near the bottom the label goes above the node
            m_rcLabel.top = node.top - 25;
            m_rcLabel.bottom = node.bottom - 25;
        } else {
            m_rcLabel.top = node.top + 25;
            m_rcLabel.bottom = node.bottom + 25;
        }
        if (IsShelf(m_nType)) {
            if (node.right + 170 > edge) {
                m_rcLabel.left = edge - 180;
                m_rcLabel.right = edge;
            } else {
                m_rcLabel.left = node.left;
                m_rcLabel.right = node.right + 170;
            }
        } else if (m_bGraphicEQ) {
            if (node.right + 20 > edge) {
                m_rcLabel.left = edge - 50;
                m_rcLabel.right = edge;
            } else if (node.left - 20 < PLOT_LEFT) {
                m_rcLabel.left = PLOT_LEFT;
                m_rcLabel.right = node.Width() + 70;
            } else {
                m_rcLabel.left = node.left - 25;
                m_rcLabel.right = node.right + 25;
            }
        } else {
            if (node.right + 80 > edge) {
                m_rcLabel.left = edge - 160;
                m_rcLabel.right = edge;
            } else if (node.left - 60 < PLOT_LEFT) {
                m_rcLabel.left = PLOT_LEFT;
                m_rcLabel.right = node.Width() + 160;
            } else {
                m_rcLabel.left = node.left - 80;
                m_rcLabel.right = node.right + 80;
            }
        }
    }
    UpdateHandleGeometry();
}

// The handles sit 10 px outside the band edges.
void CFilter::UpdateHandleGeometry()
{
    const Point centre = m_rcNode.CenterPoint();
    const int y = m_dGain >= 0 ? centre.y + 10 : centre.y - 10;
    const double half = std::pow(2.0, std::clamp<double>(m_dBandwidth, MIN_BANDWIDTH, MAX_BANDWIDTH) / 2);
    const double freq = DrawnFreq(m_nFreq);
    const int xr = FreqToStep(std::trunc(freq * half), m_nPlotWidth) + 50;
    const int xl = FreqToStep(freq / half, m_nPlotWidth) + 30;
    m_rcRight = {xr - HALF_HANDLE, y - HALF_HANDLE, xr + HALF_HANDLE, y + HALF_HANDLE};
    m_rcLeft = {xl - HALF_HANDLE, y - HALF_HANDLE, xl + HALF_HANDLE, y + HALF_HANDLE};
}

void CFilter::UpdateCrossoverGeometry()
{
    const int w = m_nPlotWidth;
    int left = std::max(FreqX(m_nFreq) - HALF_NODE, -HALF_NODE);
    const int top = GainToStep(m_nType == FILTER_HPF ? -7 : -10, m_nPlotHeight);
    int right = left + NODE_SIZE;
    if (right > w + HALF_NODE) {  // a crossover node may reach past the plot's right edge
        right = w + HALF_NODE;
        left = right - NODE_SIZE;
    }
    m_rcNode = {left + PLOT_LEFT, top + PLOT_TOP, right + PLOT_LEFT, top + NODE_SIZE + PLOT_TOP};
    if (!IsCrossover(m_nType))
        return;
    const Rect& node = m_rcNode;
    const int edge = w + PLOT_LEFT;
    m_rcLabel.top = node.top - 15;
    if (node.right + 50 > edge) {
        m_rcLabel.left = edge - 66;
        m_rcLabel.right = edge;
    } else {
        m_rcLabel.left = node.left;
        m_rcLabel.right = node.right + 50;
    }
    m_rcLabel.bottom = node.bottom + (m_nType == FILTER_HPF ? 25 : 20);
}

std::string CFilter::GetFreqText() const
{
    return std::to_string(m_nFreq) + "Hz";
}

std::string CFilter::GetGainText() const
{
    return (IsBypassOrFlat() ? "0.0" : FormatFixed(m_dGain, 1)) + "dB";
}

std::string CFilter::GetBandwidthText() const
{
    return FormatFixed(m_dBandwidth, 2) + "Oct";
}

std::string CFilter::GetQText() const
{
    const double q = IndexToQ(GetBandwidthIndex());
    return FormatFixed(q, q > 10 ? 2 : 3);
}

std::string CFilter::GetAlignText() const
{
    switch (m_nAlign) {
    case ALIGN_LINKWITZ_RILEY:
        return LangText("宁克", "Link_Ril");
    case ALIGN_BESSEL:
        return LangText("贝塞尔", "Bessel");
    case ALIGN_BUTTERWORTH:
        return LangText("巴特沃斯", "Butter_W");
    default:
        return {};
    }
}

std::string CFilter::GetShelfSlopeText() const
{
    switch (m_nSlope) {
    case 0:
        return "6dB/Oct";
    case 1:
        return "12dB/Oct";
    default:
        return {};
    }
}

std::string CFilter::GetSlopeText() const
{
    if (m_bTwoSlopes) {
        switch (m_nSlope) {
        case 1:
            return "12dB/Oct";
        case 2:
            return "24dB/Oct";
        default:
            return {};
        }
    }
    if (m_nSlope >= SLOPE_12DB && m_nSlope <= SLOPE_48DB)
        return std::to_string(6 * (m_nSlope + 1)) + "dB/Oct";
    if (m_nSlope == SLOPE_OFF)
        return "OFF";
    return {};
}

std::string CFilter::GetTypeText() const
{
    switch (m_nType) {
    case FILTER_PEQ:
        return LangText("参量均衡", "PEQ");
    case FILTER_LOW_SHELF:
        return LangText("低架", "Lo_Shf");
    case FILTER_HIGH_SHELF:
        return LangText("高架", "Hi_Shf");
    default:
        return {};
    }
}

std::string CFilter::BuildLabel()
{
    switch (m_nType) {
    case FILTER_PEQ:
        m_strLabel = m_bGraphicEQ ? GetGainText() : GetFreqText() + " " + GetQText() + "Q " + GetGainText();
        break;
    case FILTER_LOW_SHELF:
    case FILTER_HIGH_SHELF:
        m_strLabel = (m_nType == FILTER_LOW_SHELF ? "Lo " : "Hi ") + GetFreqText() + " " +
                     GetShelfSlopeText() + " " + GetGainText();
        break;
    case FILTER_HPF:
    case FILTER_LPF:
        m_strLabel = m_nSlope == SLOPE_OFF ? std::string(LangText("关闭", "OFF")) : GetFreqText() + " ";
        break;
    default:
        break;
    }
    return m_strLabel;
}

void CFilter::BeginNodeDrag(Point pt)
{
    const Point centre = m_rcNode.CenterPoint();
    m_ptDragOffset = {pt.x - centre.x, pt.y - centre.y};
    m_nDragStartX = pt.x;
    m_nDragStartFreq = m_nFreq;
}

void CFilter::BeginBandwidthDrag(Point pt)
{
    if (m_bDragLeft)
        m_nLeftDragOffset = pt.x - m_rcLeft.right;
    else if (m_bDragRight)
        m_nRightDragOffset = pt.x - m_rcRight.left;
}

bool CFilter::DragNode(Point pt)
{
    if (IsCrossover(m_nType))
        return false;
    const int x = std::clamp(pt.x - m_ptDragOffset.x - PLOT_LEFT, 0, m_nPlotWidth);
    const int y = std::clamp(pt.y - m_ptDragOffset.y - PLOT_TOP, 0, m_nPlotHeight);
    const int oldFreq = m_nFreq;
    const int oldPos = GetGainPos();
    if (!m_bGraphicEQ)
        m_nFreq = pt.x == m_nDragStartX ? m_nDragStartFreq : StepToFreq(x, m_nPlotWidth);
    // StepToGain moves every value half a decibel away from 0, so a drag never ends flat.
    m_dGain = std::clamp(StepToGain(y, m_nPlotHeight), -DRAG_GAIN_LIMIT, DRAG_GAIN_LIMIT);
    FlatFromGain();
    const bool changed = m_nFreq != oldFreq || GetGainPos() != oldPos || y == 0;
    if (changed)
        SetFreq(m_nFreq, true);
    if ((m_nType == FILTER_LOW_SHELF && m_nFreq > SHELF_TURN_HZ) ||
        (m_nType == FILTER_HIGH_SHELF && m_nFreq < SHELF_TURN_HZ))
        SetFreq(SHELF_TURN_HZ, true);
    m_dGain = GainOfPos(GetGainPos());  // onto the 0.1 dB grid
    if (m_pSlider != nullptr)
        m_pSlider->SetPos(GetGainPos());
    UpdateNodeGeometry();
    UpdateResponse();
    return changed;
}

bool CFilter::DragBandwidth(Point pt)
{
    const double f = StepToFreq(pt.x - PLOT_LEFT, m_nPlotWidth);
    const double centre = DrawnFreq(m_nFreq);
    if (m_bDragLeft)
        m_dBandwidth = 2 * std::log10(centre / f) / std::log10(2.0);
    else if (m_bDragRight)
        m_dBandwidth = 2 * std::log10(f / centre) / std::log10(2.0);
    else
        return true;
    // A handle dragged across the node gives the narrowest band.
    m_dBandwidth = std::clamp<double>(m_dBandwidth, MIN_BANDWIDTH, MAX_BANDWIDTH);
    m_dBandwidth = GetBandwidthIndex() * 0.01 + 0.05;
    UpdateHandleGeometry();
    UpdateResponse();
    Mark();
    return true;
}

// Range ids 10 and 11 let a high-pass reach 20 Hz only through the frequency scale; 11 also keeps
// the frequency at 1000 Hz or above (tweeters). Every other id drags the standard way.
bool CFilter::DragCrossover(Point pt, int nLimit)
{
    if (pt.x == m_nDragStartX && m_nFreq == m_nDragStartFreq)
        return false;  // a crossover moves only sideways
    int x = pt.x - m_ptDragOffset.x - PLOT_LEFT;
    const bool scaleOnly = m_nRangeId == 10 || m_nRangeId == 11;
    if (x <= 0 && !scaleOnly) {
        x = 0;
        if (m_nType == FILTER_HPF) {
            SetFreq(20, true);  // at 20 Hz the high-pass draws nothing
            return true;
        }
    }
    x = std::min(x, m_nPlotWidth);
    int f = pt.x == m_nDragStartX ? m_nDragStartFreq : StepToFreq(x, m_nPlotWidth);
    if (f == m_nFreq)
        return false;
    if (m_nRangeId == 11)
        f = std::clamp(f, 1000, 20000);
    if (m_nType == FILTER_HPF) {
        if (f > nLimit)
            f = m_nRangeId == 11 && f == 20000 ? 20000 : nLimit;
        SetFreq(f, true);
        return true;
    }
    if (m_nType == FILTER_LPF) {
        SetFreq(std::max(f, nLimit), true);  // at 20 kHz the low-pass draws nothing
        return true;
    }
    return false;
}

// type, set and device frequency, gain, bypass, flat, bandwidth, alignment, slope, group: 48 bytes.
void CFilter::Serialize(CArchive& ar)
{
    static_assert(std::is_same_v<int, std::int32_t>, "the fields are stored as 32-bit ints");
    if (ar.IsStoring())
        ar << m_nType << m_nFreq << m_nDevFreq << m_dGain << m_bBypass << m_bFlat << m_dBandwidth << m_nAlign
           << m_nSlope << m_nGroup;
    else
        ar >> m_nType >> m_nFreq >> m_nDevFreq >> m_dGain >> m_bBypass >> m_bFlat >> m_dBandwidth >> m_nAlign
           >> m_nSlope >> m_nGroup;
    UpdateGeometry();
    UpdateResponse();
}
