#include "grid/ListCtrlCl.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include "controls/WinText.h"
#include "model/StdAfx.h"
#include "res/SharedGdi.h"
#include "res/WinStyles.h"

namespace {
bool FindFirst(const std::vector<ListColorEntry>& list, int nColumn, int nRow, bool bCell, wxColour& colour)
{
    for (const auto& entry : list)
        if (entry.nColumn == nColumn && (!bCell || entry.nRow == nRow)) {
            colour = entry.colour;
            return true;
        }
    return false;
}
}  // namespace

bool CListCtrlCl::Create(wxWindow* pParent, int nCtrlId, const wxRect& rc, long nStyle)
{
    if (!CReportList::Create(pParent, nCtrlId, rc, nStyle))
        return false;
    m_nOwnRowHeight = GetRowHeight();
    m_nOwnHeaderHeight = GetHeaderHeight();
    return true;
}

int CListCtrlCl::InsertColumn(int nCol, const wxString& strHeading, int nFormat, int nWidth, int nSubItem)
{
    m_header.m_astrTitles.Add(strHeading);
    m_header.m_strAlign += nFormat == LVCFMT_LEFT ? '0' : nFormat == LVCFMT_RIGHT ? '2' : '1';
    return CReportList::InsertColumn(nCol, strHeading, nFormat, nWidth, nSubItem);
}

void CListCtrlCl::MeasureItems()
{
    SetRowHeightPixels(m_nRowHeight > 0 ? m_nRowHeight : m_nOwnRowHeight);
}

void CListCtrlCl::SetRowHeight(int nHeight)
{
    m_nRowHeight = nHeight;
    MeasureItems();
}

bool CListCtrlCl::SetTextColor(const wxColour& colour)
{
    m_crText = colour;
    return true;
}

void CListCtrlCl::SetColumnBkColor(int nColumn, const wxColour& colour)
{
    m_lstColumnBk.push_back({0, nColumn, colour});
}

void CListCtrlCl::SetCellBkColor(int nColumn, int nRow, const wxColour& colour)
{
    m_lstCellBk.clear();
    m_lstCellBk.push_back({nRow, nColumn, colour});
}

void CListCtrlCl::SetCellsBkColor(int nColumn, const std::vector<int>& rows, const wxColour& colour)
{
    m_lstCellBk.clear();
    for (const int nRow : rows)
        m_lstCellBk.push_back({nRow, nColumn, colour});
}

void CListCtrlCl::SetRowBkColor(int nRow, const wxColour& colour)
{
    for (int i = 0; i < GetColumnCount(); ++i)
        m_lstCellBk.push_back({nRow, i, colour});
}

void CListCtrlCl::SetColumnTextColor(int nColumn, const wxColour& colour)
{
    m_lstColumnText.push_back({0, nColumn, colour});
}

void CListCtrlCl::SetCellTextColor(int nColumn, int nRow, const wxColour& colour)
{
    m_lstCellText.clear();
    m_lstCellText.push_back({nRow, nColumn, colour});
}

void CListCtrlCl::SetRowTextColor(int nRow, const wxColour& colour)
{
    for (int i = 0; i < GetColumnCount(); ++i)
        m_lstCellText.push_back({nRow, i, colour});
}

void CListCtrlCl::SetHeaderGradient(int nRed, int nGreen, int nBlue, int nStep)
{
    m_header.m_nStartRed = nRed;
    m_header.m_nStartGreen = nGreen;
    m_header.m_nStartBlue = nBlue;
    m_header.m_nColorStep = nStep;
}

void CListCtrlCl::SetHeaderHeightScale(float fScale)
{
    m_header.m_fHeightScale = fScale;
    SetHeaderHeightPixels(m_header.OnLayout(m_nOwnHeaderHeight));
}

void CListCtrlCl::SetHeaderTextColor(const wxColour& colour)
{
    m_header.m_crText = colour;
}

bool CListCtrlCl::ClearHeaderTitles()
{
    m_header.m_astrTitles.clear();
    return true;
}

bool CListCtrlCl::FindColumnBkColor(int nColumn, wxColour& colour) const
{
    return FindFirst(m_lstColumnBk, nColumn, 0, false, colour);
}

bool CListCtrlCl::FindColumnTextColor(int nColumn, wxColour& colour) const
{
    return FindFirst(m_lstColumnText, nColumn, 0, false, colour);
}

bool CListCtrlCl::FindCellBkColor(int nColumn, int nRow, wxColour& colour) const
{
    return FindFirst(m_lstCellBk, nColumn, nRow, true, colour);
}

bool CListCtrlCl::FindCellTextColor(int nColumn, int nRow, wxColour& colour) const
{
    return FindFirst(m_lstCellText, nColumn, nRow, true, colour);
}

void CListCtrlCl::DrawHeader(wxDC& dc)
{
    m_header.OnPaint(dc, *this);
}

void CListCtrlCl::DrawRow(wxDC& dc, int nItem)
{
    const bool bSelected = nItem == GetSelectionMark();
    const wxFont guiFont = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    dc.SetFont(guiFont);
    const int nGuiFontHeight = dc.GetCharHeight();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (int i = 0; i < GetColumnCount(); ++i) {
        wxRect rc = GetCellRect(nItem, i);
        if (rc.IsEmpty())
            continue;
        wxRect fill = rc;
        if (i == 0) {
            fill.x -= 2;
            fill.width += 2;
        }
        wxColour colour;
        if (bSelected) {
            dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT)));
            dc.DrawRectangle(fill);
        } else {
            dc.SetBrush(wxBrush(GetBkColor()));
            dc.DrawRectangle(fill);
            if (FindColumnBkColor(i, colour)) {
                dc.SetBrush(wxBrush(colour));
                dc.DrawRectangle(fill);
            }
            if (FindCellBkColor(i, nItem, colour)) {
                dc.SetBrush(wxBrush(colour));
                dc.DrawRectangle(fill);
            }
        }
        const unsigned nAlign = m_header.ColumnAlign(i);
        // The offset comes from the default GUI font although the list font draws the text.
        rc.y += (rc.height - nGuiFontHeight) / 2;
        wxColour text = m_crText;
        if (bSelected) {
            text = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
        } else {
            if (FindColumnTextColor(i, colour))
                text = colour;
            if (FindCellTextColor(i, nItem, colour))
                text = colour;
        }
        dc.SetTextForeground(text);
        dc.SetFont(g_bChinese != 0 ? g_fontList : g_fontListHeader);
        DrawWinText(dc, GetItemText(nItem, i), rc, nAlign);
        dc.SetFont(guiFont);
    }
}

void CListCtrlCl::OnKeyDown(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_TAB: case WXK_PAGEDOWN: case WXK_END: case WXK_HOME: case WXK_LEFT: case WXK_UP: case WXK_RIGHT:
    case WXK_DOWN: case WXK_DELETE:
        break;
    default: CReportList::OnKeyDown(event); break;
    }
}
