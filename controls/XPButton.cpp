#include "controls/XPButton.h"

#include <wx/dc.h>
#include <wx/utils.h>

#include "controls/BitButton.h"
#include "controls/FontStatic.h"
#include "controls/SkinBackground.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/Fonts.h"
#include "res/Skins.h"

namespace {
constexpr int kRepeatPeriodMs = 80;
}  // namespace

CXPButton::CXPButton() : m_font(MakeFont("Arial", 15, 700)), m_repeatTimer([this] { OnRepeat(); })
{
    Bind(wxEVT_MOTION, &CXPButton::OnMouseMove, this);
    Bind(wxEVT_LEAVE_WINDOW, &CXPButton::OnMouseLeave, this);
    Bind(wxEVT_LEFT_DOWN, &CXPButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CXPButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CXPButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CXPButton::OnCaptureLost, this);
    SetCursor(HandCursor());
}

void CXPButton::SetBitmaps(int nOnNormal, int nOnHover, int nOnPressed, int nOffNormal, int nOffHover,
                           int nOffPressed)
{
    m_nOnNormal = nOnNormal;
    m_nOnHover = nOnHover;
    m_nOnPressed = nOnPressed;
    m_nOffNormal = nOffNormal;
    m_nOffHover = nOffHover;
    m_nOffPressed = nOffPressed;
    Redraw();
}

void CXPButton::SetCheck(bool bOn)
{
    m_bOn = bOn;
    Redraw();
}

void CXPButton::SetTextColor(const wxColour& colour)
{
    m_clrText = colour;
    Redraw();
}

void CXPButton::SetSecondTextColor(const wxColour& colour)
{
    m_clrSecond = colour;
    Redraw();
}

void CXPButton::SetHoverTextColor(const wxColour& colour)
{
    m_clrHoverText = colour;
    Redraw();
}

void CXPButton::SetDisabled(bool bOn)
{
    m_bDisabledLook = bOn;
    Redraw();
    Enable(!bOn);
}

void CXPButton::SetDisabledBitmaps(int nOn, int nOff)
{
    m_nDisabledOn = nOn;
    m_nDisabledOff = nOff;
}

void CXPButton::SetAltBitmaps(int nOn, int nOff)
{
    m_nAltOn = nOn;
    m_nAltOff = nOff;
}

void CXPButton::UseAltBitmaps(bool bOn)
{
    m_bAlt = bOn;
    Redraw();
}

void CXPButton::SetSound(const wxString& strName, bool bOn)
{
    m_strSound = strName;
    m_bSound = bOn;
}

void CXPButton::SetHandCursor(bool bOn)
{
    m_bHandCursor = bOn;
    SetCursor(bOn ? HandCursor() : wxCursor(wxCURSOR_ARROW));
}

int CXPButton::CurrentBitmap() const
{
    if (m_bDisabledLook)
        return m_bOn ? m_nDisabledOn : m_nDisabledOff;
    if (m_bAlt)
        return m_bOn ? m_nAltOn : m_nAltOff;
    if (!m_bHover)
        return m_bOn ? m_nOnNormal : m_nOffNormal;
    if (!m_bPressed)
        return m_bOn ? m_nOnHover : m_nOffHover;
    return m_bOn ? m_nOnPressed : m_nOffPressed;
}

// Shows the new face with the window's next paint; the button takes the face's size.
void CXPButton::Redraw()
{
    const wxBitmap& bmp = LoadSkin(CurrentBitmap());
    if (bmp.IsOk() && GetSize() != bmp.GetSize())
        SetSize(bmp.GetSize());
    Refresh();
    if (!GetLabel().empty() && m_pLinkedStatic != nullptr)
        m_pLinkedStatic->InvalidateParentArea();
}

void CXPButton::Draw(wxDC& dc)
{
    const wxBitmap& bmp = LoadSkin(CurrentBitmap());
    if (bmp.IsOk())
        dc.DrawBitmap(bmp, 0, 0);
    else
        PaintParentBackground(this, dc);  // a face id of 0 draws nothing of its own
}

// The program carries no click sound of its own: only the system beep can sound.
void CXPButton::PlayClick()
{
    if (m_bSound && m_strSound.empty())
        wxBell();
}

void CXPButton::OnMouseMove(wxMouseEvent& event)
{
    if (!wxRect(GetClientSize()).Contains(event.GetPosition())) {
        Leave();
        return;
    }
    if (!m_bHover) {
        m_bHover = true;
        Redraw();
        if (m_bSoundOnHover)
            PlayClick();
        if (m_bHoverNotify)
            NotifyHover(*this, event, m_lastNotified);
    }
    event.Skip();
}

void CXPButton::OnMouseLeave(wxMouseEvent& event)
{
    if (!HasCapture())
        Leave();
    event.Skip();
}

void CXPButton::Leave()
{
    if (!m_bHover)
        return;
    m_bHover = false;
    Redraw();
}

void CXPButton::OnLeftDown(wxMouseEvent&)
{
    m_bPressed = true;
    if (m_bAutoRepeat) {
        m_nRepeat = 0;
        m_repeatTimer.Start(kRepeatPeriodMs);
    }
    TakeMouse();
    Redraw();
}

void CXPButton::StopRepeat()
{
    if (m_bAutoRepeat) {
        m_repeatTimer.Stop();
        m_nRepeat = 0;
    }
}

void CXPButton::OnLeftUp(wxMouseEvent& event)
{
    StopRepeat();
    const bool bClick = EndPress(m_bPressed, event.GetPosition());
    Redraw();
    if (bClick)
        SendCommandToParent(this);
}

void CXPButton::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bPressed = false;
    StopRepeat();
    Redraw();
}

void CXPButton::OnRepeat()
{
    ++m_nRepeat;
    PostMessage(GetParent(), WM_BUTTON_REPEAT, GetCtrlId(), m_nRepeat);
}
