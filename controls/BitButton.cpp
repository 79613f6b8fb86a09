#include "controls/BitButton.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include "controls/SkinBackground.h"
#include "controls/WinText.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/Skins.h"
#include "res/WinStyles.h"

namespace {
constexpr int kRightMargin = 19;
}

ButtonDraw ButtonDrawOf(unsigned nStyle)
{
    const unsigned nType = nStyle & BS_TYPEMASK;
    if ((nType & 3) == 3)
        return ButtonDraw::System;
    if ((nType & 9) == 9)
        return ButtonDraw::None;
    return ButtonDraw::Custom;
}

void DrawSystemButton(wxDC& dc, const CDrawnControl& ctrl, unsigned nAlign)
{
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.DrawRectangle(ctrl.GetClientSize());
    dc.SetFont(ctrl.GetFont());
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    DrawWinText(dc, ctrl.GetLabel(), ctrl.GetClientSize(), nAlign | DT_VCENTER | DT_SINGLELINE);
}

void NotifyHover(CDrawnControl& ctrl, const wxMouseEvent& event, std::optional<wxPoint>& lastNotified)
{
    if (lastNotified == event.GetPosition())
        return;
    lastNotified = event.GetPosition();
    SendMessage(ctrl.GetParent(), WM_BUTTON_HOVER, MouseKeyFlags(event), ctrl.GetCtrlId());
}

unsigned MouseKeyFlags(const wxMouseEvent& event)
{
    unsigned nFlags = 0;
    if (event.LeftIsDown())
        nFlags |= MK_LBUTTON;
    if (event.RightIsDown())
        nFlags |= MK_RBUTTON;
    if (event.ShiftDown())
        nFlags |= MK_SHIFT;
    if (event.ControlDown())
        nFlags |= MK_CONTROL;
    if (event.MiddleIsDown())
        nFlags |= MK_MBUTTON;
    return nFlags;
}

CBitButton::CBitButton() : m_nDisabledFormat(DT_CENTER), m_nAlign(DT_CENTER)
{
    Bind(wxEVT_MOTION, &CBitButton::OnMouseMove, this);
    Bind(wxEVT_LEAVE_WINDOW, &CBitButton::OnMouseLeave, this);
    Bind(wxEVT_LEFT_DOWN, &CBitButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CBitButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CBitButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CBitButton::OnCaptureLost, this);
}

void CBitButton::PreSubclassWindow()
{
    switch (GetStyle() & BS_HORZMASK) {
    case BS_LEFT: m_nAlign = DT_LEFT; break;
    case BS_RIGHT: m_nAlign = DT_RIGHT; break;
    default: m_nAlign = DT_CENTER; break;
    }
    switch (ButtonDrawOf(GetStyle())) {
    case ButtonDraw::System: m_nKind = kSystem; break;
    case ButtonDraw::None: m_nKind = kNone; break;
    case ButtonDraw::Custom:
        m_nKind = kCustom;
        ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
        break;
    }
    if (m_bHandCursor)
        SetCursor(HandCursor());
}

void CBitButton::SetBitmaps(int nNormal, int nHover, int nPressed, int nCheckedNormal, int nCheckedHover,
                            int nCheckedPressed)
{
    m_normal.nBitmap = nNormal;
    m_hover.nBitmap = nHover;
    m_pressed.nBitmap = nPressed;
    m_checkedNormal.nBitmap = nCheckedNormal != 0 ? nCheckedNormal : nNormal;
    m_checkedHover.nBitmap = nCheckedHover != 0 ? nCheckedHover : nHover;
    m_checkedPressed.nBitmap = nCheckedPressed != 0 ? nCheckedPressed : nPressed;
    Redraw();
}

void CBitButton::SetDisabledBitmaps(int nUnchecked, int nChecked)
{
    m_nDisabledUnchecked = nUnchecked;
    m_nDisabledChecked = nChecked;
    Redraw();
}

void CBitButton::SetAltBitmaps(int nAltNormal, int nAltCheckedNormal)
{
    m_nAltNormal = nAltNormal;
    m_nAltCheckedNormal = nAltCheckedNormal;
}

void CBitButton::UseAltBitmaps(bool bOn)
{
    if (m_bAlt == bOn)
        return;
    m_bAlt = bOn;
    Redraw();
}

void CBitButton::SetTextColors(const wxColour& normal, const wxColour& hover, const wxColour& pressed,
                               const wxColour& checkedNormal, const wxColour& checkedHover,
                               const wxColour& checkedPressed)
{
    m_normal.colour = normal;
    m_hover.colour = hover;
    m_pressed.colour = pressed;
    m_checkedNormal.colour = checkedNormal;
    m_checkedHover.colour = checkedHover;
    m_checkedPressed.colour = checkedPressed;
}

void CBitButton::SetFonts(const wxFont* pNormal, const wxFont* pHover, const wxFont* pPressed,
                          const wxFont* pCheckedNormal, const wxFont* pCheckedHover, const wxFont* pCheckedPressed)
{
    m_normal.pFont = pNormal;
    m_hover.pFont = pHover;
    m_pressed.pFont = pPressed;
    m_checkedNormal.pFont = pCheckedNormal != nullptr ? pCheckedNormal : pNormal;
    m_checkedHover.pFont = pCheckedHover != nullptr ? pCheckedHover : pHover;
    m_checkedPressed.pFont = pCheckedPressed != nullptr ? pCheckedPressed : pPressed;
}

void CBitButton::SetTextOffset(bool bOn, int dy)
{
    m_bTextOffset = bOn;
    m_nTextOffset = dy;
}

void CBitButton::SetCheck(bool bChecked)
{
    m_bChecked = bChecked;
    if (!bChecked)
        for (CBitButton* pPartner : {m_pPartner1, m_pPartner2})
            if (pPartner != nullptr)
                pPartner->SetHover(false);
    Redraw();
}

void CBitButton::SetHover(bool bHover)
{
    m_bHover = bHover;
    Redraw();
}

void CBitButton::SetPartners(CBitButton* pFirst, CBitButton* pSecond)
{
    m_pPartner1 = pFirst;
    m_pPartner2 = pSecond;
}

void CBitButton::RedrawParentArea()
{
    InvalidateParentArea();
}

void CBitButton::ShowWindow(int nCmdShow)
{
    Show(nCmdShow != 0);
}

bool CBitButton::Show(bool bShow)
{
    if (!bShow) {
        m_pPartner1 = nullptr;
        m_pPartner2 = nullptr;
    }
    return CDrawnControl::Show(bShow);
}

bool CBitButton::Enable(bool bEnable)
{
    const bool bChanged = CDrawnControl::Enable(bEnable);
    FitToFace();
    return bChanged;
}

CBitButton::StateLook CBitButton::CurrentLook() const
{
    if (!IsThisEnabled()) {
        StateLook look;
        look.nBitmap = m_bChecked ? m_nDisabledChecked : m_nDisabledUnchecked;
        look.colour = m_clrDisabled;
        look.pFont = m_pDisabledFont;
        return look;
    }
    if (!m_bChecked) {
        if (!m_bHover) {
            StateLook look = m_normal;
            if (m_bAlt)
                look.nBitmap = m_nAltNormal;
            return look;
        }
        return m_bPressed ? m_pressed : m_hover;
    }
    if (!m_bHover) {
        StateLook look = m_checkedNormal;
        if (m_bAlt)
            look.nBitmap = m_nAltCheckedNormal;
        return look;
    }
    return m_bPressed ? m_checkedPressed : m_checkedHover;
}

// The button takes the size of the face it shows (a face id that draws nothing keeps the size).
void CBitButton::FitToFace()
{
    if (m_nKind != kCustom)
        return;
    const wxBitmap& bmp = LoadSkin(CurrentLook().nBitmap);
    if (bmp.IsOk() && GetSize() != bmp.GetSize())
        SetSize(bmp.GetSize());
}

void CBitButton::Redraw()
{
    FitToFace();
    Refresh();
}

void CBitButton::Draw(wxDC& dc)
{
    switch (m_nKind) {
    case kCustom: DrawButton(dc); break;
    case kSystem: DrawSystemButton(dc, *this, m_nAlign); break;
    default: PaintParentBackground(this, dc); break;
    }
}

void CBitButton::DrawButton(wxDC& dc)
{
    const wxRect rcClient(GetClientSize());
    const StateLook look = CurrentLook();
    const wxBitmap& bmp = LoadSkin(look.nBitmap);
    if (bmp.IsOk()) {
        dc.DrawBitmap(bmp, 0, 0);
    } else {
        FillSolidRect(dc, rcClient, wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    }
    const wxString strText = GetLabel();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(look.pFont != nullptr && look.pFont->IsOk() ? *look.pFont : GetFont());
    dc.SetTextForeground(look.colour);
    if (!IsThisEnabled()) {
        if (m_bRightMargin) {
            wxRect rc = rcClient;
            rc.width -= kRightMargin;
            DrawWinText(dc, strText, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        } else {
            wxRect rc = rcClient;
            rc.x += m_nDisabledDx;
            rc.width -= m_nDisabledDx;
            rc.y += m_nDisabledDy;
            rc.height -= m_nDisabledDy;
            DrawWinText(dc, strText, rc, m_nDisabledFormat | DT_VCENTER | DT_SINGLELINE);
        }
        return;
    }
    if (strText.empty())
        return;
    wxRect rc = rcClient;
    if (m_bTextOffset) {
        rc.y += m_nTextOffset;
        rc.height -= m_nTextOffset;
        DrawWinText(dc, strText, rc, m_nAlign | DT_CENTER | DT_VCENTER);
    } else if (m_bRightMargin) {
        rc.width -= kRightMargin;
        DrawWinText(dc, strText, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else {
        DrawWinText(dc, strText, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void CBitButton::UpdatePartnersHover(bool bHover)
{
    if (m_bChecked)
        return;
    for (CBitButton* pPartner : {m_pPartner1, m_pPartner2})
        if (pPartner != nullptr)
            pPartner->SetHover(bHover);
}

void CBitButton::OnMouseMove(wxMouseEvent& event)
{
    // While the mouse is captured the button sees moves outside itself: that is leaving.
    if (!wxRect(GetClientSize()).Contains(event.GetPosition())) {
        Leave();
        return;
    }
    if (!m_bHover) {
        m_bHover = true;
        UpdatePartnersHover(true);
        Redraw();
    }
    if (m_bHoverNotify)
        NotifyHover(*this, event, m_lastNotified);
    event.Skip();
}

void CBitButton::OnMouseLeave(wxMouseEvent& event)
{
    if (!HasCapture())
        Leave();
    event.Skip();
}

void CBitButton::Leave()
{
    if (!m_bHover)
        return;
    m_bHover = false;
    Redraw();
    UpdatePartnersHover(false);
}

void CBitButton::OnLeftDown(wxMouseEvent&)
{
    m_bPressed = true;
    TakeMouse();
    Redraw();
}

void CBitButton::OnLeftUp(wxMouseEvent& event)
{
    const bool bClick = EndPress(m_bPressed, event.GetPosition());
    Redraw();
    if (bClick)
        SendCommandToParent(this);
}

void CBitButton::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bPressed = false;
    Redraw();
}
