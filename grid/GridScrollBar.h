#pragma once
// One scroll bar's state, kept as the window system keeps a scroll bar: a range 0..max, a page
// and a position that never passes max - page + 1 (nor goes below 0). The grid's scroll
// handlers rely on that clamp: a step at the end leaves the position where it was, and End or
// Page Down ask for the maximum and land on the last page. The wx window mirrors this state
// into its scroll bars.
#include <algorithm>

class CGridScrollBar {
public:
    int GetPos() const { return m_nPos; }
    int GetMax() const { return m_nMax; }
    int GetPage() const { return m_nPage; }
    // The largest position the clamp allows.
    int GetLimit() const { return std::max(0, m_nMax - std::max(m_nPage - 1, 0)); }

    // Sets the position, clamped; returns the position that holds.
    int SetPos(int nPos)
    {
        m_nPos = std::clamp(nPos, 0, GetLimit());
        return m_nPos;
    }
    void SetPage(int nPage)
    {
        m_nPage = std::max(0, nPage);
        SetPos(m_nPos);
    }
    // The range 0..nMax; a maximum of 0 leaves nothing to scroll.
    void SetRange(int nMax)
    {
        m_nMax = std::max(0, nMax);
        SetPos(m_nPos);
    }

private:
    int m_nPos = 0;
    int m_nMax = 0;
    int m_nPage = 0;
};
