#include "controls/FontStatic.h"

#include <wx/dc.h>
#include <wx/utils.h>

#include "controls/SkinBackground.h"
#include "controls/WinText.h"
#include "res/Fonts.h"
#include "res/WinStyles.h"

namespace {
constexpr int kBlinkPeriodMs = 1000;

// Text-drawing flags of a static from its style bits.
unsigned StaticTextFormat(unsigned nStyle)
{
    unsigned nFormat = 0;
    const unsigned nType = nStyle & SS_TYPEMASK;
    if (nType == SS_RIGHT)
        nFormat |= DT_RIGHT;
    else if (nType == SS_CENTER)
        nFormat |= DT_CENTER;
    if (nStyle & SS_CENTERIMAGE)
        nFormat |= DT_VCENTER | DT_SINGLELINE;
    if (nStyle & SS_NOPREFIX)
        nFormat |= DT_NOPREFIX;
    const unsigned nEllipsis = nStyle & SS_ELLIPSISMASK;
    if (nEllipsis == SS_ENDELLIPSIS)
        nFormat |= DT_END_ELLIPSIS | DT_WORD_ELLIPSIS;
    else if (nEllipsis == SS_PATHELLIPSIS)
        nFormat |= DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS;
    else if (nEllipsis == SS_WORDELLIPSIS)
        nFormat |= DT_WORD_ELLIPSIS;
    if (nEllipsis == 0 && !(nStyle & SS_CENTERIMAGE) && nType != SS_LEFTNOWORDWRAP && nType != SS_SIMPLE)
        nFormat |= DT_WORDBREAK;
    return nFormat;
}
}  // namespace

// ---- CFontStatic ----

CFontStatic::CFontStatic() : m_timer([this] { OnTimer(); }) {}

void CFontStatic::SetFontStyle(const wxString& strFace, int nHeight, const wxColour& clrText, unsigned nStyleFlags)
{
    m_strStored = strFace;
    m_nFontHeight = nHeight;
    if (clrText == m_clrText)
        return;
    m_clrText = clrText;
    ApplyStyleFlags(nStyleFlags);
    InvalidateParentArea();
}

void CFontStatic::ApplyStyleFlags(unsigned nStyleFlags)
{
    if (nStyleFlags & 0x1)
        m_bBold = false;
    if (nStyleFlags & 0x2)
        m_bItalic = true;
    if (nStyleFlags & 0x4)
        m_bUnderline = true;
    if (nStyleFlags & 0x8)
        m_bStrikeOut = true;
    if (nStyleFlags & 0x10)
        m_bSpare = true;
    m_bCenter = m_bLeft = m_bRight = false;
    if (nStyleFlags & 0x20)
        m_bCenter = true;
    else if (nStyleFlags & 0x80)
        m_bRight = true;
    else if (nStyleFlags & 0x40)
        m_bLeft = true;
}

void CFontStatic::SetTextColor(const wxColour& colour)
{
    m_clrText = colour;
    InvalidateParentArea();
}

void CFontStatic::SetBkColor(const wxColour& colour)
{
    m_clrBack = colour;
    m_bBackFill = true;
    Refresh();
}

void CFontStatic::SetText(const wxString& strText)
{
    m_strStored = strText;
    SetLabel(strText);
    InvalidateParentArea();
}

void CFontStatic::SetFontSize(int nHeight)
{
    m_nFontHeight = nHeight;
    InvalidateParentArea();
}

void CFontStatic::SetAlignLeft(bool bOn)
{
    m_bLeft = bOn;
}

void CFontStatic::SetAlignRight(bool bOn)
{
    m_bRight = bOn;
}

void CFontStatic::SetValueFormat(int, int, int nOffset, const wxString& strSuffix)
{
    m_nValueOffset = nOffset;
    m_strSuffix = strSuffix;
}

void CFontStatic::SetValue(int nValue)
{
    SetText(wxString::Format(wxS("%d"), nValue - m_nValueOffset) + m_strSuffix);
}

void CFontStatic::StartBlink()
{
    m_bBlink = true;
    m_nPhase = 0;
    m_timer.Start(kBlinkPeriodMs);
}

void CFontStatic::StopBlink()
{
    m_bBlink = false;
    m_nPhase = 0;
    m_timer.Stop();
    Refresh();
}

void CFontStatic::OnTimer()
{
    m_nPhase ^= 1;
    Refresh();
}

// Fonts are made once per height, never while painting, and a font that cannot be made falls
// back to the normal GUI font without a message.
const wxFont& CFontStatic::FontOfHeight(int nHeight)
{
    auto it = m_fonts.find(nHeight);
    if (it == m_fonts.end())
        it = m_fonts.emplace(nHeight, MakeFont("Arial", nHeight, 400)).first;
    return it->second;
}

void CFontStatic::Draw(wxDC& dc)
{
    const wxRect rc(GetClientSize());
    PaintParentBackground(this, dc);
    dc.SetTextForeground(!m_bBlink ? m_clrText : m_nPhase == 1 ? wxColour(250, 250, 250) : wxColour(255, 0, 0));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    if (m_bBackFill) {
        FillSolidRect(dc, rc, m_clrBack);
    }
    dc.SetFont(FontOfHeight(m_nFontHeight));
    unsigned nFormat = m_bWordWrap ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    if (!m_bWordWrap)
        nFormat |= m_bLeft ? DT_LEFT : m_bRight ? DT_RIGHT : DT_CENTER;
    DrawWinText(dc, GetLabel(), rc, nFormat);
}

// ---- CTransparentStatic ----

void CTransparentStatic::SetTextColor(const wxColour& colour)
{
    m_clrText = colour;
    Refresh();
}

void CTransparentStatic::SetText(const wxString& strText)
{
    if (strText == m_strText)
        return;
    m_strText = strText;
    SetLabel(strText);
}

void CTransparentStatic::SetLabel(const wxString& strLabel)
{
    CDrawnControl::SetLabel(strLabel);
    InvalidateParentArea();
}

void CTransparentStatic::Draw(wxDC& dc)
{
    PaintParentBackground(this, dc);
    dc.SetFont(GetFont());
    dc.SetTextForeground(m_clrText);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    DrawWinText(dc, GetLabel(), wxRect(GetClientSize()), StaticTextFormat(GetStyle()));
}

// ---- CHyLink ----

CHyLink::CHyLink()
{
    Bind(wxEVT_MOTION, &CHyLink::OnMouseMove, this);
    Bind(wxEVT_LEFT_UP, &CHyLink::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CHyLink::OnCaptureLost, this);
}

void CHyLink::PreSubclassWindow()
{
    SetCursor(HandCursor());
}

void CHyLink::OnMouseMove(wxMouseEvent& event)
{
    event.Skip();
    if (!m_bHover) {
        m_bHover = true;
        TakeMouse();
    } else if (!wxRect(GetClientSize()).Contains(event.GetPosition())) {
        m_bHover = false;
        FreeMouse();
    }
    Refresh();
}

void CHyLink::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bHover = false;
    Refresh();
}

void CHyLink::OnLeftUp(wxMouseEvent&)
{
    FreeMouse();
    Refresh();
    const wxString strTarget = GetLabel().Strip(wxString::both);
    if (!strTarget.empty())  // an empty link opens nothing
        OpenLink(strTarget);
}

void CHyLink::OpenLink(const wxString& strTarget)
{
    wxLaunchDefaultBrowser(strTarget);
}

void CHyLink::Draw(wxDC& dc)
{
    const wxRect rc(GetClientSize());
    FillSolidRect(dc, rc, m_clrBack);
    dc.SetFont(GetFont());
    dc.SetTextForeground(m_bHover ? m_clrHover : m_clrNormal);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    DrawWinText(dc, GetLabel(), rc, StaticTextFormat(GetStyle()));
}

// ---- CMuteStatic ----

CMuteStatic::CMuteStatic() : m_font(MakeFont("Arial", 16, 900)) {}

void CMuteStatic::PreSubclassWindow()
{
    SetCursor(HandCursor());
}

void CMuteStatic::SetBkColors(const wxColour& on, const wxColour& off)
{
    m_clrBackOn = on;
    m_clrBackOff = off;
    Refresh();
}

void CMuteStatic::SetTextColors(const wxColour& on, const wxColour& off)
{
    m_clrTextOn = on;
    m_clrTextOff = off;
    Refresh();
}

void CMuteStatic::SetTexts(const wxString& strOn, const wxString& strOff)
{
    m_strOn = strOn;
    m_strOff = strOff;
    Refresh();
}

void CMuteStatic::SetState(bool bOn)
{
    m_bOn = bOn;
    Refresh();
}

void CMuteStatic::SetFont(int nHeight, int nWeight)
{
    m_nFontHeight = nHeight;
    m_nFontWeight = nWeight;
    m_font = MakeFont("Arial", nHeight, nWeight);
    Refresh();
}

void CMuteStatic::ResetTexts(int nValue)
{
    m_nValue = nValue;
    m_strOn = wxS("On");
    m_strOff = wxS("OFF");
}

void CMuteStatic::Draw(wxDC& dc)
{
    const wxRect rc(GetClientSize());
    FillSolidRect(dc, rc, m_bOn ? m_clrBackOn : m_clrBackOff);
    dc.SetFont(m_font);
    dc.SetTextForeground(m_bOn ? m_clrTextOn : m_clrTextOff);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    DrawWinText(dc, m_bOn ? m_strOn : m_strOff, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
