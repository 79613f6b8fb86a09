#include "controls/SpinBtn.h"

#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/WinText.h"
#include "res/Skins.h"
#include "res/WinStyles.h"

namespace {
constexpr int kRepeatMs = 100;
constexpr int kHoverAfterMoveMs = 1;
constexpr int kHoverAfterPressMs = 1000;
const wxColour kTextColour(255, 255, 255);
const wxColour kDisabledTextColour(155, 155, 155);

// A face stretched over the whole control, or the button-face colour for no face.
void DrawFace(wxDC& dc, const wxSize& size, int nId)
{
    const wxBitmap& bmp = nId != 0 ? LoadSkin(nId) : wxNullBitmap;
    if (!bmp.IsOk()) {
        FillSolidRect(dc, wxRect(size), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
        return;
    }
    wxMemoryDC src;
    src.SelectObjectAsSource(bmp);
    dc.StretchBlit(0, 0, size.x, size.y, &src, 0, 0, bmp.GetWidth(), bmp.GetHeight());
}
}  // namespace

CSpinBtn::CSpinBtn() : m_repeat([this] { StepOnce(); }), m_hover([this] { OnHover(); })
{
    Bind(wxEVT_MOTION, &CSpinBtn::OnMouseMove, this);
    Bind(wxEVT_LEFT_DOWN, &CSpinBtn::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CSpinBtn::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CSpinBtn::OnLeftDoubleClick, this);
    Bind(wxEVT_LEAVE_WINDOW, &CSpinBtn::OnMouseLeave, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CSpinBtn::OnCaptureLost, this);
}

CSpinBtn::~CSpinBtn()
{
    if (HasCapture())
        ReleaseMouse();
}

void CSpinBtn::PreSubclassWindow()
{
    SetCursor(wxCursor(wxCURSOR_ARROW));  // not the field's text cursor
}

void CSpinBtn::SetBitmaps(int nIdle, int nLeftHot, int nActive, int nRightHot)
{
    m_nIdle = nIdle;
    m_nLeftHot = nLeftHot;
    m_nActive = nActive;
    m_nRightHot = nRightHot;
    const wxBitmap& bmp = LoadSkin(nIdle);
    if (bmp.IsOk())
        SetSize(bmp.GetSize());
    m_zones.Layout(GetClientSize().x, GetClientSize().y);
    Refresh();
}

void CSpinBtn::SetSpin(int, CNumSpin* pSpin)
{
    m_pSpin = pSpin;
}

void CSpinBtn::SetActive(bool bActive)
{
    m_bActive = bActive;
    m_zone = bActive ? ZONE_MIDDLE : ZONE_IDLE;
    Refresh();
}

int CSpinBtn::FaceOfZone() const
{
    switch (m_zone) {
    case ZONE_LEFT: return m_nLeftHot;
    case ZONE_MIDDLE: return m_nActive;
    case ZONE_RIGHT: return m_nRightHot;
    default: return m_nIdle;
    }
}

void CSpinBtn::Draw(wxDC& dc)
{
    const wxSize size = GetClientSize();
    const bool bEnabled = IsEnabled();
    DrawFace(dc, size, bEnabled ? FaceOfZone() : m_nDisabled);
    const wxString strText = GetLabel();
    if (strText.empty())
        return;
    dc.SetFont(GetFont());
    dc.SetTextForeground(bEnabled ? kTextColour : kDisabledTextColour);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    DrawWinText(dc, strText, wxRect(size), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CSpinBtn::OnMouseMove(wxMouseEvent& event)
{
    SpinBtnZone zone = ZONE_IDLE;
    if (m_bActive) {
        zone = m_zones.HitTest(event.GetX(), event.GetY());
        // Outside every zone (the pointer pressed and dragged away): the active look, no step.
        if (zone == ZONE_IDLE)
            zone = ZONE_MIDDLE;
        m_hover.Start(kHoverAfterMoveMs);
    }
    if (zone != m_zone) {
        m_zone = zone;
        Refresh();
    }
    event.Skip();
}

void CSpinBtn::OnLeftDown(wxMouseEvent&)
{
    m_bHeld = true;
    if (m_bActive)
        m_hover.Start(kHoverAfterPressMs);
    if (!HasCapture())
        CaptureMouse();
    // The field learns of the press as of a click on itself, once this press is handled. The
    // keyboard focus stays with the field.
    if (auto* pEdit = dynamic_cast<CNumEdit*>(GetParent()))
        pEdit->CallAfter([pEdit] { pEdit->OnOverlayPress(); });
}

void CSpinBtn::OnLeftUp(wxMouseEvent&)
{
    m_bHeld = false;
    m_repeat.Stop();
    m_hover.Stop();
    if (HasCapture())
        ReleaseMouse();
}

void CSpinBtn::OnLeftDoubleClick(wxMouseEvent&)
{
    StepOnce();
    m_bHeld = true;
    if (!HasCapture())
        CaptureMouse();
}

void CSpinBtn::OnMouseLeave(wxMouseEvent&)
{
    m_bHeld = false;
    m_zone = m_bActive ? ZONE_MIDDLE : ZONE_IDLE;
    Refresh();
}

void CSpinBtn::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bHeld = false;
    m_repeat.Stop();
    m_hover.Stop();
}

void CSpinBtn::OnHover()
{
    m_hover.Stop();
    if (m_bHeld)
        m_repeat.Start(kRepeatMs);
}

void CSpinBtn::StepOnce()
{
    const int nStep = CSpinBtnZones::StepOf(m_zone);
    if (m_bActive && nStep != 0 && m_pSpin != nullptr)
        m_pSpin->Step(nStep);
}
