#include "controls/BaseTabCtrl.h"

#include <wx/notebook.h>
#include <wx/dc.h>
#include <wx/settings.h>

#include <algorithm>

#include "controls/SkinBackground.h"
#include "controls/WinText.h"
#include "res/WinStyles.h"

namespace {
constexpr int kTabPadding = 12;
constexpr int kMinTabWidth = 40;
}  // namespace

CBaseTabCtrl::CBaseTabCtrl(int nMode)
{
    SetDrawMode(nMode);
    Bind(wxEVT_MOTION, &CBaseTabCtrl::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CBaseTabCtrl::OnLeftDown, this);
}

void CBaseTabCtrl::SetBkColor(const wxColour& colour)
{
    m_clrBack = colour;
    Refresh();
}

bool CBaseTabCtrl::SetDrawMode(int nMode)
{
    if (nMode < kSystem || nMode > kFull)
        return false;
    m_nDrawMode = nMode;
    Refresh();
    return true;
}

wxColour CBaseTabCtrl::BackColour() const
{
    return m_clrBack.IsOk() ? m_clrBack : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
}

int CBaseTabCtrl::InsertItem(int nIndex, const wxString& strText)
{
    nIndex = std::clamp(nIndex, 0, GetItemCount());
    m_items.insert(m_items.begin() + nIndex, strText);
    if (m_nCurSel < 0)
        m_nCurSel = 0;
    else if (nIndex <= m_nCurSel)
        ++m_nCurSel;
    Refresh();
    return nIndex;
}

wxString CBaseTabCtrl::GetItemText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_items[nIndex] : wxString();
}

int CBaseTabCtrl::SetCurSel(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return -1;
    const int nOld = m_nCurSel;
    m_nCurSel = nIndex;
    Refresh();
    return nOld;
}

// Measuring a line of text asks the font system each time, and the tabs are drawn whenever a
// control on a page repaints over them: the height is measured again only for another font.
int CBaseTabCtrl::TabHeight() const
{
    const wxFont font = GetFont();
    if (!m_fontMeasured.IsOk() || font != m_fontMeasured) {
        m_fontMeasured = font;
        m_nCharHeight = GetCharHeight();
    }
    return m_nCharHeight + 8;
}

wxRect CBaseTabCtrl::GetItemRect(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return {};
    int x = 2;
    for (int i = 0;; ++i) {
        const int nWidth = std::max(kMinTabWidth, GetTextExtent(m_items[i]).x + kTabPadding);
        if (i == nIndex)
            return {x, 2, nWidth, TabHeight()};
        x += nWidth;
    }
}

wxRect CBaseTabCtrl::GetDisplayRect() const
{
    const wxSize size = GetClientSize();
    const int nTop = 2 + TabHeight() + 2;
    return {4, nTop, std::max(0, size.x - 8), std::max(0, size.y - nTop - 4)};
}

int CBaseTabCtrl::HitTest(const wxPoint& pt) const
{
    for (int i = GetItemCount() - 1; i >= 0; --i)
        if (GetItemRect(i).Contains(pt))
            return i;
    return -1;
}

wxColour CBaseTabCtrl::GetTabColor(bool)
{
    return {255, 0, 0};
}

wxColour CBaseTabCtrl::GetTabTextColor(bool)
{
    return wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
}

// The ground first (the parent's), then the band above the tab row and the strips beside it in
// the control's own background colour.
void CBaseTabCtrl::EraseBackground(wxDC& dc)
{
    PaintParentBackground(this, dc);
    const wxRect rcClient(GetClientSize());
    wxRect rcUnion;
    for (int i = 0; i < GetItemCount(); ++i)
        rcUnion = i == 0 ? GetItemRect(i) : rcUnion.Union(GetItemRect(i));
    const int h = rcUnion.height;
    rcUnion.Inflate(2, 3);
    dc.SetBrush(wxBrush(BackColour()));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(rcClient.x, rcClient.y, rcClient.width, std::max(0, rcUnion.y + 3 - rcClient.y));
    dc.DrawRectangle(rcClient.x, rcClient.y, 2, h + 2);
    const int nRightStart = rcClient.x + rcUnion.width - 2;
    dc.DrawRectangle(nRightStart, rcClient.y, std::max(0, rcClient.GetRight() + 1 - nRightStart), h + 2);
}

void CBaseTabCtrl::PaintItems(wxDC& dc)
{
    TabDrawItem item;
    item.pDC = &dc;
    item.rc = wxRect(GetClientSize());
    const int nTop = GetDisplayRect().y - 2;
    item.rc.height -= nTop;
    item.rc.y = nTop;
    DrawMainBorder(item);
    for (int i = GetItemCount() - 1; i >= 0; --i) {
        if (i == m_nCurSel)
            continue;
        item.nItem = i;
        item.bSelected = false;
        item.rc = GetItemRect(i);
        item.rc.height -= 2;
        DrawItem(item);
        DrawItemBorder(item);
    }
    if (m_nCurSel >= 0) {
        item.nItem = m_nCurSel;
        item.bSelected = true;
        item.rc = GetItemRect(m_nCurSel).Inflate(0, 2);
        DrawItem(item);
        DrawItemBorder(item);
    }
}

// Modes 0 and 1: the plain look of a common tab control.
void CBaseTabCtrl::PaintPlain(wxDC& dc)
{
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    dc.SetPen(wxPen(shadow));
    dc.SetBrush(wxBrush(face));
    wxRect rcFrame = GetDisplayRect().Inflate(2);
    dc.DrawRectangle(rcFrame);
    for (int i = 0; i < GetItemCount(); ++i) {
        TabDrawItem item{i, i == m_nCurSel, GetItemRect(i), &dc};
        if (m_nDrawMode == kOwnerDrawItems) {
            DrawItem(item);
            continue;
        }
        dc.SetBrush(wxBrush(item.bSelected ? face : face.ChangeLightness(92)));
        dc.DrawRectangle(item.rc);
        dc.SetFont(GetFont());
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
        DrawWinText(dc, m_items[i], item.rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void CBaseTabCtrl::Draw(wxDC& dc)
{
    EraseBackground(dc);
    if (m_nDrawMode == kFull) {
        dc.SetFont(GetFont());
        PaintItems(dc);
    } else {
        PaintPlain(dc);
    }
}

// The hand shows over a tab that can be selected: not the selected one, and not item 3.
void CBaseTabCtrl::OnMouseMove(wxMouseEvent& event)
{
    const int nHit = HitTest(event.GetPosition());
    m_bHover = nHit >= 0 && nHit != 3 && nHit != m_nCurSel;
    SetCursor(m_bHover ? HandCursor() : wxCursor(wxCURSOR_ARROW));
    if (nHit < 0)
        event.Skip();
}

void CBaseTabCtrl::OnLeftDown(wxMouseEvent& event)
{
    const int nHit = HitTest(event.GetPosition());
    if (nHit < 0 || nHit == m_nCurSel) {
        event.Skip();
        return;
    }
    const int nOld = SetCurSel(nHit);
    wxBookCtrlEvent changed(wxEVT_NOTEBOOK_PAGE_CHANGED, GetId(), nHit, nOld);
    changed.SetEventObject(this);
    ProcessWindowEvent(changed);
}
