#include "controls/BitmapSliderModel.h"

#include <algorithm>
#include <utility>

#include "controls/VirtualKeys.h"
#include "model/Conversions.h"
#include "model/Filter.h"

namespace {
constexpr int kMin = 0;                         // the raw range always starts here
constexpr int kHighBandsStart = 192;            // type 2 indexes the grid from this entry
constexpr int kGainOffset = GAIN_POS_EDIT_MIN;  // type 10: a band gain's lowest edited position
}  // namespace

void CBitmapSliderModel::SetMargin(int nLeft, int nTop, int nRight, int nBottom)
{
    m_nMarginLeft = nLeft;
    m_nMarginTop = nTop;
    m_nMarginRight = nRight;
    m_nMarginBottom = nBottom;
}

int CBitmapSliderModel::SetPageSize(int nSize)
{
    return std::exchange(m_nPage, nSize);
}

void CBitmapSliderModel::SetChannelSize(int nWidth, int nHeight)
{
    m_nChannelWidth = nWidth;
    m_nChannelHeight = nHeight;
}

void CBitmapSliderModel::SetThumbSize(int nWidth, int nHeight)
{
    m_nThumbWidth = nWidth;
    m_nThumbHeight = nHeight;
}

void CBitmapSliderModel::SetPos(int nValue)
{
    m_nRaw = m_nMax - nValue + (m_nType == 10 ? kGainOffset : 0);
}

int CBitmapSliderModel::GetPos() const
{
    return m_nMax - m_nRaw + (m_nType == 10 ? kGainOffset : 0);
}

void CBitmapSliderModel::SetFreq(double hz)
{
    int p = m_nRaw;
    if (m_nType == 1)
        p = m_nMax - FreqToIndex(hz);
    else if (m_nType == 2)
        p = m_nMax - FreqToIndex(hz) + kHighBandsStart;
    ClampedSet(p);
}

double CBitmapSliderModel::GetFreq() const
{
    const int i = (m_nType == 2 ? kHighBandsStart : 0) + m_nMax - m_nRaw;
    return g_dFreqTable[std::clamp(i, 0, FREQ_POINTS - 1)];
}

int CBitmapSliderModel::PixelOfRaw(int p) const
{
    const int span = m_nChannelHeight - m_nMarginTop - m_nMarginBottom - m_nThumbHeight;
    const int range = m_nMax - kMin;
    const int offset = range == 0 ? 0 : static_cast<int>(static_cast<double>(span) * (p - kMin) / range);
    return m_nThumbHeight / 2 + m_nMarginTop + offset;
}

int CBitmapSliderModel::RawAtPixel(int y) const
{
    const int span = m_nChannelHeight - m_nMarginTop - m_nMarginBottom - m_nThumbHeight;
    if (span == 0)
        return kMin;
    // Scaled before dividing, so that the pixel of a raw position maps back to it exactly.
    const double d = static_cast<double>(y - m_nMarginTop - m_nThumbHeight / 2) * (m_nMax - kMin) / span;
    return static_cast<int>(kMin + d);
}

int CBitmapSliderModel::ClampGrab(int y) const
{
    const int hi = m_nChannelHeight - m_nMarginBottom - m_nThumbHeight / 2;
    const int lo = m_nMarginTop + m_nThumbHeight / 2;
    y = y > hi ? hi : y;
    return y < lo ? lo : y;
}

bool CBitmapSliderModel::ClampedSet(int p)
{
    p = p > m_nMax ? m_nMax : p;
    p = p < kMin ? kMin : p;
    return std::exchange(m_nRaw, p) != p;
}

bool CBitmapSliderModel::Press(int y)
{
    const int pixel = PixelOfRaw(m_nRaw);
    const int distance = y - pixel;
    m_nDragOffset = (distance < 0 ? -distance : distance) <= m_nThumbHeight / 2 ? distance : 0;
    const int grab = ClampGrab(y - m_nDragOffset);
    if (grab == pixel)
        return false;
    ClampedSet(grab < pixel ? m_nRaw - 1 : m_nRaw + 1);
    return true;
}

bool CBitmapSliderModel::DragTo(int y)
{
    const int grab = ClampGrab(y - m_nDragOffset);
    if (grab == PixelOfRaw(m_nRaw))
        return false;
    ClampedSet(RawAtPixel(grab));
    return true;
}

bool CBitmapSliderModel::Key(int nVirtualKey)
{
    switch (nVirtualKey) {
    case VK_PRIOR:
        ClampedSet(m_nRaw - m_nPage);
        return true;
    case VK_NEXT:
        ClampedSet(m_nRaw + m_nPage);
        return true;
    case VK_END:
        ClampedSet(m_nMax);
        return true;
    case VK_HOME:
        ClampedSet(kMin);
        return true;
    case VK_LEFT:
    case VK_UP:
        ClampedSet(m_nRaw - 1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        ClampedSet(m_nRaw + 1);
        return true;
    default:
        return false;
    }
}

void CBitmapSliderModel::Wheel(int nDelta)
{
    if (nDelta == -120)
        ClampedSet(m_nRaw + 1);
    else if (nDelta == 120)
        ClampedSet(m_nRaw - 1);
}
