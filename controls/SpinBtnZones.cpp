#include "controls/SpinBtnZones.h"

void CSpinBtnZones::Layout(int nWidth, int nHeight)
{
    const double arrow = nWidth / 5.5;
    const int leftEnd = static_cast<int>(arrow);
    const int rightStart = static_cast<int>(nWidth - arrow);
    m_left = {0, leftEnd};
    m_middle = {leftEnd, rightStart};
    m_right = {rightStart, nWidth};
    m_nHeight = nHeight;
}

SpinBtnZone CSpinBtnZones::HitTest(int x, int y) const
{
    if (y < 0 || y >= m_nHeight)
        return ZONE_IDLE;
    const auto in = [x](Span s) { return x >= s.nLeft && x < s.nRight; };
    if (in(m_middle))
        return ZONE_MIDDLE;
    if (in(m_left))
        return ZONE_LEFT;
    if (in(m_right))
        return ZONE_RIGHT;
    return ZONE_IDLE;
}

int CSpinBtnZones::StepOf(SpinBtnZone zone)
{
    return zone == ZONE_LEFT ? -1 : (zone == ZONE_RIGHT ? 1 : 0);
}
