#include "controls/xSkinButton.h"

#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/settings.h>
#include <wx/tooltip.h>

#include <algorithm>

#include "controls/SkinBackground.h"
#include "controls/WinText.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/Fonts.h"
#include "res/Skins.h"
#include "res/WinStyles.h"

namespace {
// A raised or sunken two-pixel edge.
void DrawEdge(wxDC& dc, const wxRect& rc, bool bSunken)
{
    const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT);
    const wxColour dark = wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW);
    const wxColour& topLeft = bSunken ? dark : light;
    const wxColour& bottomRight = bSunken ? light : dark;
    dc.SetPen(wxPen(topLeft));
    dc.DrawLine(rc.GetLeft(), rc.GetBottom(), rc.GetLeft(), rc.GetTop());
    dc.DrawLine(rc.GetLeft(), rc.GetTop(), rc.GetRight(), rc.GetTop());
    dc.SetPen(wxPen(bottomRight));
    dc.DrawLine(rc.GetRight(), rc.GetTop(), rc.GetRight(), rc.GetBottom());
    dc.DrawLine(rc.GetRight(), rc.GetBottom(), rc.GetLeft() - 1, rc.GetBottom());
    dc.SetPen(wxPen(shadow));
    dc.DrawLine(rc.GetRight() - 1, rc.GetTop() + 1, rc.GetRight() - 1, rc.GetBottom() - 1);
    dc.DrawLine(rc.GetRight() - 1, rc.GetBottom() - 1, rc.GetLeft(), rc.GetBottom() - 1);
}
}  // namespace

wxRegion RegionFromMask(const wxImage& mask)
{
    wxRegion region;
    for (int y = mask.GetHeight() - 1; y >= 0; --y) {
        int x = 0;
        while (x < mask.GetWidth()) {
            while (x < mask.GetWidth() && mask.GetRed(x, y) == 255 && mask.GetGreen(x, y) == 255 &&
                   mask.GetBlue(x, y) == 255)
                ++x;
            const int nStart = x;
            while (x < mask.GetWidth() &&
                   !(mask.GetRed(x, y) == 255 && mask.GetGreen(x, y) == 255 && mask.GetBlue(x, y) == 255))
                ++x;
            if (x > nStart)
                region.Union(nStart, y, x - nStart, 1);
        }
    }
    return region;
}

CxSkinButton::CxSkinButton() : m_font(MakeFont("Arial", 18, 500))
{
    Bind(wxEVT_MOTION, &CxSkinButton::OnMouseMove, this);
    Bind(wxEVT_LEAVE_WINDOW, &CxSkinButton::OnMouseLeave, this);
    Bind(wxEVT_LEFT_DOWN, &CxSkinButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CxSkinButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CxSkinButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CxSkinButton::OnCaptureLost, this);
    Bind(wxEVT_KEY_UP, &CxSkinButton::OnKeyUp, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) { Refresh(); event.Skip(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) { Refresh(); event.Skip(); });
}

void CxSkinButton::PreSubclassWindow()
{
    const unsigned nType = GetStyle() & BS_TYPEMASK;
    m_nKind = (nType & 3) == 3 ? kCheck : (nType & 9) == 9 ? kRadio : kPush;
    SetCursor(HandCursor());
    BindMessage(this, WM_SKIN_UNCHECK, [this](WPARAM, LPARAM) {
        m_bChecked = false;
        Refresh();
        return LRESULT(0);
    });
}

void CxSkinButton::SetSkin(int nNormal, int nDown, int nOver, int nDisabled, int nFocus, int nMask, int nDrawMode,
                           int nValue, int nFocusInset)
{
    m_nNormal = nNormal;
    m_nDown = nDown;
    m_nOver = nOver;
    m_nDisabled = nDisabled != 0 ? nDisabled : nNormal;
    m_nFocus = nFocus;
    m_nMask = nMask;
    m_nDrawMode = nDrawMode > 1 ? kTile : nDrawMode < 0 ? kNormal : nDrawMode;
    m_nValue = nValue;
    m_nFocusInset = std::max(0, nFocusInset);
    m_region = wxRegion();
    const wxBitmap& mask = LoadSkin(nMask);
    if (mask.IsOk()) {
        m_region = RegionFromMask(mask.ConvertToImage());
        if (m_nDrawMode == kNormal)
            SetSize(mask.GetSize());
    }
    if (GetParent() != nullptr)
        GetParent()->Refresh();
}

void CxSkinButton::SetCheck(bool bChecked)
{
    if (m_nKind == kPush)
        bChecked = false;
    const bool bBecameChecked = bChecked && !m_bChecked;
    m_bChecked = bChecked;
    Refresh();
    if (bBecameChecked && m_nKind == kRadio)
        UncheckGroup();
}

// The dialog group: the siblings from the nearest one at or before this button that starts a
// group (WS_GROUP) up to the next one that starts another.
void CxSkinButton::UncheckGroup()
{
    const wxWindowList& siblings = GetParent()->GetChildren();
    auto StartsGroup = [](wxWindow* pWnd) {
        auto* pCtrl = dynamic_cast<CDrawnControl*>(pWnd);
        return pCtrl != nullptr && (pCtrl->GetStyle() & WS_GROUP);
    };
    auto it = siblings.begin();
    auto groupStart = siblings.begin();
    for (; it != siblings.end() && *it != this; ++it)
        if (StartsGroup(*it))
            groupStart = it;
    for (auto member = groupStart; member != siblings.end(); ++member) {
        if (member != groupStart && StartsGroup(*member))
            break;
        if (*member != this)
            PostMessage(*member, WM_SKIN_UNCHECK, 0, 0);
    }
}

void CxSkinButton::SetTextColors(const wxColour& normal, const wxColour& hover)
{
    m_clrText = normal;
    m_clrHoverText = hover;
}

void CxSkinButton::SetToolTipText(const wxString& strText)
{
    SetToolTip(strText);
}

bool CxSkinButton::IsOnButton(const wxPoint& pt) const
{
    if (!wxRect(GetClientSize()).Contains(pt))
        return false;
    return m_region.IsEmpty() || m_region.Contains(pt) == wxInRegion;
}

void CxSkinButton::DrawFace(wxDC& dc, int nBitmap)
{
    const wxRect rc(GetClientSize());
    const wxBitmap& bmp = LoadSkin(nBitmap);
    if (!bmp.IsOk()) {
        FillSolidRect(dc, rc, wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
        return;
    }
    wxBitmap face = bmp;
    if (m_nDrawMode == kStretch && bmp.GetSize() != rc.GetSize())
        face = wxBitmap(bmp.ConvertToImage().Scale(rc.width, rc.height));
    const wxBitmap& mask = LoadSkin(m_nMask);
    if (mask.IsOk() && m_nDrawMode != kTile) {
        wxBitmap maskShape = mask.GetSize() == face.GetSize()
                                 ? mask
                                 : wxBitmap(mask.ConvertToImage().Scale(face.GetWidth(), face.GetHeight()));
        face = wxBitmap(face.ConvertToImage());
        face.SetMask(new wxMask(maskShape, *wxWHITE));
    }
    if (m_nDrawMode == kTile) {
        for (int y = 0; y < rc.height; y += face.GetHeight())
            for (int x = 0; x < rc.width; x += face.GetWidth())
                dc.DrawBitmap(face, x, y, true);
    } else {
        dc.DrawBitmap(face, 0, 0, true);
    }
}

void CxSkinButton::Draw(wxDC& dc)
{
    PaintParentBackground(this, dc);
    const wxRect rc(GetClientSize());
    const bool bEnabled = IsThisEnabled();
    bool bSunken = false;
    int nBitmap = m_nNormal;
    if (m_bHeld) {
        bSunken = m_bCursorOver;
        nBitmap = bSunken ? m_nDown : m_nNormal;
    } else if (!bEnabled) {
        nBitmap = m_nDisabled;
    } else if (m_bChecked) {
        bSunken = true;
        nBitmap = m_nDown;
    } else if (m_bHover) {
        nBitmap = m_nOver;
    } else if (HasFocus()) {
        nBitmap = m_nFocus;
    }
    DrawFace(dc, nBitmap);
    DrawEdge(dc, rc, bSunken);
    if (HasFocus() && m_nFocusInset > 0) {
        dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(wxRect(rc).Deflate(m_nFocusInset));
    }
    const wxString strText = GetLabel();
    if (strText.empty())
        return;
    wxRect rcText = wxRect(rc).Deflate(m_nFocusInset + 2);
    dc.SetFont(m_font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    constexpr unsigned kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (!bEnabled) {
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT));
        DrawWinText(dc, strText, wxRect(rcText.x + 1, rcText.y + 1, rcText.width, rcText.height), kFormat);
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        DrawWinText(dc, strText, rcText, kFormat);
        return;
    }
    if (bSunken)
        rcText.Offset(1, 1);
    dc.SetTextForeground(m_bHover || m_bHeld ? m_clrHoverText : m_clrText);
    DrawWinText(dc, strText, rcText, kFormat);
}

void CxSkinButton::Press()
{
    if (m_nKind == kRadio)
        SetCheck(true);
    else if (m_nKind == kCheck)
        SetCheck(!m_bChecked);
    SendCommandToParent(this);
}

void CxSkinButton::OnMouseMove(wxMouseEvent& event)
{
    const bool bOver = IsOnButton(event.GetPosition());
    if (m_bHeld) {
        if (bOver != m_bCursorOver) {
            m_bCursorOver = bOver;
            Refresh();
        }
        return;
    }
    if (bOver != m_bHover) {
        m_bHover = bOver;
        Refresh();
    }
    event.Skip();
}

void CxSkinButton::OnMouseLeave(wxMouseEvent& event)
{
    if (!m_bHeld && m_bHover) {
        m_bHover = false;
        Refresh();
    }
    event.Skip();
}

void CxSkinButton::OnLeftDown(wxMouseEvent& event)
{
    if (!IsOnButton(event.GetPosition())) {
        event.Skip();
        return;
    }
    m_bHeld = true;
    m_bCursorOver = true;
    TakeMouse();
    SetFocus();
    Refresh();
}

void CxSkinButton::OnLeftUp(wxMouseEvent& event)
{
    if (!m_bHeld)
        return;
    m_bHeld = false;
    FreeMouse();
    m_bHover = IsOnButton(event.GetPosition());
    Refresh();
    if (m_bHover)
        Press();
}

void CxSkinButton::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bHeld = false;
    Refresh();
}

void CxSkinButton::OnKeyUp(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_SPACE)
        Press();
    else
        event.Skip();
}
