#include "controls/SxGroupBox.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include "controls/SkinBackground.h"
#include "controls/SxLogFont.h"
#include "controls/WinText.h"
#include "res/Fonts.h"
#include "res/WinStyles.h"

namespace {
constexpr int kEdge = 2;    // the system's edge size
constexpr int kBorder = 1;  // the system's border size
}  // namespace

CSxGroupBox::CSxGroupBox()
    : m_clrFirst(wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW)),
      m_clrSecond(wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT)),
      m_clrDefFirst(m_clrFirst),
      m_clrDefSecond(m_clrSecond)
{
    const CSxLogFont logFont(100, 700, false, "Arial");
    SetLogFont(&logFont);
}

void CSxGroupBox::PreSubclassWindow()
{
    m_strCaption = GetLabel();
    switch (GetStyle() & BS_HORZMASK) {
    case BS_RIGHT: m_nAlign = kRight; break;
    case BS_CENTER: m_nAlign = kCentre; break;
    default: m_nAlign = kLeft; break;
    }
    m_rcBox = wxRect(GetSize());
    const unsigned nEx = GetExStyle();
    if (nEx & WS_EX_DLGMODALFRAME) {
        m_rcBox.Deflate(2 * kEdge, 2 * kEdge);
        m_rcBox.x -= 1;
        m_rcBox.width += 1;
    }
    if (nEx & WS_EX_CLIENTEDGE) {
        m_rcBox.Deflate(kEdge + 1, kEdge + 1);
        m_rcBox.x -= 1;
        m_rcBox.width += 1;
        if (nEx & WS_EX_DLGMODALFRAME)
            m_rcBox.width += 1;
    }
    if (nEx & WS_EX_STATICEDGE) {
        m_rcBox.Deflate(2 * kBorder, 2 * kBorder);
        m_rcBox.x -= 1;
        m_rcBox.width += 1;
    }
    m_nBoxStyle = kEtched;
    m_bNoCaption = (nEx & 0xC0) != 0;
}

void CSxGroupBox::SetText(const wxString& strText, bool bRedraw)
{
    m_strCaption = strText;
    SetLabel(strText);
    if (bRedraw)
        Refresh();
}

void CSxGroupBox::SetLineColors(const wxColour& first, const wxColour& second, bool bRedraw)
{
    m_clrFirst = first.IsOk() ? first : m_clrDefFirst;
    m_clrSecond = second.IsOk() ? second : m_clrDefSecond;
    if (bRedraw)
        Refresh();
}

void CSxGroupBox::GetLineColors(wxColour& first, wxColour& second) const
{
    first = m_clrFirst;
    second = m_clrSecond;
}

void CSxGroupBox::SetTextColor(const wxColour& colour, bool bRedraw)
{
    m_clrText = colour;
    if (bRedraw)
        Refresh();
}

void CSxGroupBox::SetLogFont(const CSxLogFont* pLogFont)
{
    m_font = pLogFont != nullptr ? MakePointFont(pLogFont->strFace.c_str(), pLogFont->nHeight, pLogFont->nWeight,
                                                 pLogFont->bItalic)
                                 : MakePointFont("MS Sans Serif", 80, 400);
}

void CSxGroupBox::SetAlignment(int nAlign)
{
    m_nAlign = (nAlign == kRight || nAlign == kCentre) ? nAlign : kLeft;
}

void CSxGroupBox::SetTextOffsets(int x, int y)
{
    m_nOffsetX = x;
    m_nOffsetY = y;
}

void CSxGroupBox::SetBoxStyle(int nStyle)
{
    m_nBoxStyle = (nStyle == kDouble || nStyle == kFlat) ? nStyle : kEtched;
}

void CSxGroupBox::Reset()
{
    PreSubclassWindow();
    Refresh();
}

void CSxGroupBox::Draw(wxDC& dc)
{
    PaintParentBackground(this, dc);
    const wxString strCaption = m_strCaption;
    dc.SetFont(GetFont());
    const int h = dc.GetCharHeight();
    dc.SetFont(m_font);
    const int nWidth = strCaption.empty() ? 0 : dc.GetTextExtent(strCaption).x;
    const wxRect& rc = m_rcBox;
    if (m_bFill) {
        FillSolidRect(dc, rc, m_clrFill);
    }
    // Right and bottom lie just outside the box, as the line ends do.
    const int left = rc.x, right = rc.x + rc.width, bottom = rc.y + rc.height;
    const int T = rc.y + h / 2 - 1;
    int xS, xE;
    if (m_nAlign == kRight) {
        xE = right - m_nOffsetX;
        xS = xE - nWidth;
    } else if (m_nAlign == kCentre) {
        xS = (rc.width - nWidth) / 2;
        xE = xS + nWidth;
    } else {
        xS = left + m_nOffsetX;
        xE = xS + nWidth;
    }
    const bool bEnabled = IsThisEnabled();
    const int w = m_nLineWidth;
    const wxPen first(bEnabled ? m_clrFirst : m_clrDefFirst, w, wxPENSTYLE_SOLID);
    const wxPen second(bEnabled ? m_clrSecond : m_clrDefSecond, w, wxPENSTYLE_SOLID);
    auto polyline = [&](const wxPen& pen, std::initializer_list<wxPoint> points) {
        dc.SetPen(pen);
        const wxPoint* pPrev = nullptr;
        for (const wxPoint& pt : points) {
            if (pPrev != nullptr)
                dc.DrawLine(*pPrev, pt);
            pPrev = &pt;
        }
    };
    if (m_nBoxStyle == kEtched) {
        polyline(first, {{xS, T}, {left, T}, {left, bottom - w}, {right - w, bottom - w}, {right - w, T}, {xE, T}});
        polyline(second, {{xS, T + w}, {left + w, T + w}, {left + w, bottom - 2 * w}});
        polyline(second, {{left + w, bottom}, {right, bottom}, {right, T + w}});
        polyline(second, {{right - 2 * w, T + w}, {xE, T + w}});
    } else {
        polyline(first, {{xS, T}, {left, T}, {left, bottom}, {right, bottom}, {right, T}, {xE, T}});
        if (m_nBoxStyle == kDouble)
            polyline(second, {{xS, T - w}, {left - w, T - w}, {left - w, bottom + w}, {right + w, bottom + w},
                              {right + w, T - w}, {xE, T - w}});
    }
    if (strCaption.empty() || m_bNoCaption || !bEnabled)
        return;
    dc.SetTextForeground(m_clrText);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const int nTextHeight = dc.GetCharHeight();
    DrawWinText(dc, strCaption, wxRect(xS, T - nTextHeight / 2 - m_nOffsetY, xE - xS, nTextHeight),
                DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
}
