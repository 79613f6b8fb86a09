// CGridCore: scroll bars, scroll requests, the wheel and bringing a cell into view.
#include "grid/GridCore.h"

void CGridCore::SetScrollPosition(int nBar, int nPos)
{
    (nBar == SB_HORZ ? m_hBar : m_vBar).SetPos(nPos);
    Host().ScrollBarsChanged();
}

void CGridCore::UpdateScrollBars()
{
    if (!CanPaint())
        return;
    const GridSize client = Host().GetClientSize();
    const int nFixedWidth = GetFixedColumnWidth();
    const int nFixedHeight = GetFixedRowHeight();
    const int nWidthLeft = client.cx - nFixedWidth;
    const int nHeightLeft = client.cy - nFixedHeight;
    if (nWidthLeft <= 0 || nHeightLeft <= 0)
        return;
    if (!IsValid(GetFullyVisibleCellRange()))
        return;
    m_hBar.SetPage(nWidthLeft);
    m_vBar.SetPage(nHeightLeft);
    const int nScrollHeight = GetTotalHeight() - nFixedHeight;
    const int nScrollWidth = GetTotalWidth() - nFixedWidth;
    m_vBar.SetRange(nScrollHeight > nHeightLeft ? nScrollHeight - 1 : 0);
    m_hBar.SetRange(nScrollWidth > nWidthLeft ? nScrollWidth - 1 : 0);
    Host().ScrollBarsChanged();
}

void CGridCore::OnVScroll(int nCode, int nTrackPos)
{
    OnScroll(SB_VERT, nCode, nTrackPos);
}

void CGridCore::OnHScroll(int nCode, int nTrackPos)
{
    OnScroll(SB_HORZ, nCode, nTrackPos);
}

// The vertical handler and its horizontal twin: rows, heights and the fixed row height become
// columns, widths and the fixed column width.
void CGridCore::OnScroll(int nBar, int nCode, int nTrackPos)
{
    const bool bVert = nBar == SB_VERT;
    if (!Host().HasFocus())
        Host().TakeFocus();

    CGridScrollBar& bar = bVert ? m_vBar : m_hBar;
    const int nPos = bar.GetPos();
    const CGridCellPos topLeft = GetTopLeftScrollCell();
    const int nTopLeft = bVert ? topLeft.row : topLeft.col;
    const GridSize client = Host().GetClientSize();
    const int nFixed = bVert ? GetFixedRowHeight() : GetFixedColumnWidth();
    const int nFixedCount = bVert ? GetFixedRowCount() : GetFixedColumnCount();
    auto size = [&](int n) { return bVert ? GetRowHeight(n) : GetColumnWidth(n); };
    // The area that scrolls: below the fixed rows, or right of the fixed columns.
    const Rect rcArea = bVert ? Rect{0, nFixed, client.cx, client.cy} : Rect{nFixed, 0, client.cx, client.cy};
    const int nAreaSize = bVert ? client.cy - nFixed : client.cx - nFixed;
    auto setPos = [&](int nNew) {
        const int nSet = bar.SetPos(nNew);
        Host().ScrollBarsChanged();
        return nSet;
    };

    switch (nCode) {
    case SB_LINEDOWN: {
        if (nPos >= bar.GetMax())
            break;
        const int nMoved = setPos(nPos + size(nTopLeft)) - nPos;
        if (nMoved == 0)
            break;
        Rect rcSource = rcArea;
        (bVert ? rcSource.top : rcSource.left) += nMoved;
        Host().ScrollArea(rcSource, bVert ? 0 : -nMoved, bVert ? -nMoved : 0);
        Rect rcStrip = rcArea;
        (bVert ? rcStrip.top : rcStrip.left) = (bVert ? client.cy : client.cx) - nMoved;
        Host().Invalidate(&rcStrip);
        break;
    }
    case SB_LINEUP: {
        if (nPos <= 0 || nTopLeft <= nFixedCount)
            break;
        const int nMoved = nPos - setPos(std::max(0, nPos - size(nTopLeft - 1)));
        if (nMoved == 0)
            break;
        Rect rcSource = rcArea;
        (bVert ? rcSource.bottom : rcSource.right) -= nMoved;
        Host().ScrollArea(rcSource, bVert ? 0 : nMoved, bVert ? nMoved : 0);
        Rect rcStrip = rcArea;
        (bVert ? rcStrip.bottom : rcStrip.right) = nFixed + nMoved;
        Host().Invalidate(&rcStrip);
        break;
    }
    case SB_PAGEDOWN:
        if (nPos < bar.GetMax()) {
            setPos(std::min(bar.GetMax(), nPos + nAreaSize));
            Host().Invalidate(&rcArea);
        }
        break;
    case SB_PAGEUP:
        if (nPos > 0) {
            setPos(std::max(0, nPos - nAreaSize));
            Host().Invalidate(&rcArea);
        }
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        setPos(nTrackPos);
        const CGridCellPos newTopLeft = GetTopLeftScrollCell();
        if (newTopLeft != topLeft)
            Host().Invalidate(&rcArea);
        break;
    }
    case SB_TOP:
        if (nPos > 0) {
            setPos(0);
            Host().Invalidate(nullptr);
        }
        break;
    case SB_BOTTOM:
        if (nPos < bar.GetMax()) {
            setPos(bar.GetMax());
            Host().Invalidate(nullptr);
        }
        break;
    default:
        break;
    }
}

void CGridCore::OnMouseWheel(int nDelta)
{
    const int nLines = m_nRowsPerWheelNotch;
    if (nLines == -1) {
        const int nPages = nDelta / 120;
        for (int i = 0; i < std::abs(nPages); ++i)
            OnVScroll(nPages > 0 ? SB_PAGEUP : SB_PAGEDOWN);
        return;
    }
    const int nSteps = nDelta * nLines / 120;
    for (int i = 0; i < std::abs(nSteps); ++i)
        OnVScroll(nSteps > 0 ? SB_LINEUP : SB_LINEDOWN);
}

void CGridCore::EnsureVisible(int nRow, int nCol)
{
    const CGridCellRange visible = GetVisibleCellRange();
    for (int i = 0; i < nCol - visible.GetMaxCol(); ++i)
        OnHScroll(SB_LINEDOWN);
    for (int i = 0; i < visible.GetMinCol() - nCol; ++i)
        OnHScroll(SB_LINEUP);
    for (int i = 0; i < nRow - visible.GetMaxRow(); ++i)
        OnVScroll(SB_LINEDOWN);
    for (int i = 0; i < visible.GetMinRow() - nRow; ++i)
        OnVScroll(SB_LINEUP);
    Rect rc;
    if (!GetCellRect(nRow, nCol, rc))
        rc = {};
    const GridSize client = Host().GetClientSize();
    if (rc.right > client.cx)
        OnHScroll(SB_LINEDOWN);
    if (rc.bottom > client.cy)
        OnVScroll(SB_LINEDOWN);
}
