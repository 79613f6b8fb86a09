#include "grid/HeaderCtrlCl.h"

#include <wx/dc.h>

#include <algorithm>

#include "controls/ReportList.h"
#include "controls/WinText.h"
#include "model/StdAfx.h"
#include "res/SharedGdi.h"
#include "res/WinStyles.h"

namespace {
constexpr int kTitleInset = 3;
}  // namespace

void CHeaderCtrlCl::PaintGradient(wxDC& dc, int nLeft, int nRight, int nTop, int nBottom) const
{
    int r = m_nStartRed, g = m_nStartGreen, b = m_nStartBlue;
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (int y = nTop; y <= nBottom; ++y) {
        dc.SetBrush(wxBrush(wxColour(static_cast<unsigned char>(std::clamp(r, 0, 255)),
                                     static_cast<unsigned char>(std::clamp(g, 0, 255)),
                                     static_cast<unsigned char>(std::clamp(b, 0, 255)))));
        dc.DrawRectangle(nLeft + 1, y, nRight - nLeft, 1);
        r = std::max(r - m_nColorStep, 0);
        g = std::max(g - m_nColorStep, 0);
        b = std::max(b - m_nColorStep, 0);
    }
}

unsigned CHeaderCtrlCl::ColumnAlign(int nColumn) const
{
    const auto i = static_cast<std::size_t>(nColumn);
    switch (i < m_strAlign.length() ? static_cast<char>(m_strAlign[i].GetValue()) : '1') {
    case '0': return DT_LEFT;
    case '2': return DT_RIGHT;
    default: return DT_CENTER;
    }
}

void CHeaderCtrlCl::OnPaint(wxDC& dc, const CReportList& list) const
{
    const int nWidth = list.GetClientSize().GetWidth();
    const int nBottom = list.GetHeaderHeight() - 1;
    if (list.GetColumnCount() == 0) {  // no column: the whole header is the space to the right
        PaintGradient(dc, -1, nWidth - 1, 0, nBottom);
        return;
    }
    dc.SetFont(g_bChinese != 0 ? g_fontList : g_fontListHeader);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(m_crText);
    const int nFontHeight = dc.GetCharHeight();
    int nRight = 0;
    for (int i = 0; i < list.GetColumnCount(); ++i) {
        const wxRect rc = list.GetHeaderItemRect(i);
        PaintGradient(dc, rc.x, rc.GetRight(), rc.y, rc.GetBottom());
        nRight = rc.GetRight();
        if (static_cast<std::size_t>(i) >= m_astrTitles.size())
            continue;
        wxRect text = rc;
        const unsigned nAlign = ColumnAlign(i);
        if (nAlign == DT_LEFT) {
            text.x += kTitleInset;
            text.width -= kTitleInset;
        } else if (nAlign == DT_RIGHT) {
            text.width -= kTitleInset;
        }
        text.y += (rc.height - nFontHeight) / 2;
        DrawWinText(dc, m_astrTitles[static_cast<std::size_t>(i)], text, nAlign);
    }
    PaintGradient(dc, nRight + 1, nWidth - 1, 0, nBottom);
}
