#include "controls/NumSpin.h"

#include <wx/dc.h>

#include <algorithm>

#include "controls/NumEdit.h"
#include "controls/NumSpinStep.h"
#include "controls/WndMessages.h"
#include "model/StdAfx.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "res/SkinPaint.h"
#include "res/WinStyles.h"

namespace {
// A held arrow steps on its own after this delay, then at this period, like the system's
// up-down control.
constexpr int kRepeatDelayMs = 500;
constexpr int kRepeatPeriodMs = 50;

int Limit(int v, int nMin, int nMax)
{
    return v < nMin ? nMin : (v > nMax ? nMax : v);
}

bool IsFrequencyType(int nType)
{
    return nType == 4 || nType == 8 || nType == 9;
}

void DrawArrow(wxDC& dc, const wxRect& rc, bool bUp, bool bHorizontal, const wxColour& colour)
{
    const int s = std::max(2, std::min(rc.width, rc.height) / 4);
    const wxPoint c(rc.x + rc.width / 2, rc.y + rc.height / 2);
    wxPoint points[3];
    if (bHorizontal) {
        const int d = bUp ? 1 : -1;
        points[0] = {c.x + d * s, c.y};
        points[1] = {c.x - d * s, c.y - s};
        points[2] = {c.x - d * s, c.y + s};
    } else {
        const int d = bUp ? -1 : 1;
        points[0] = {c.x, c.y + d * s};
        points[1] = {c.x - s, c.y - d * s};
        points[2] = {c.x + s, c.y - d * s};
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(colour));
    dc.DrawPolygon(3, points);
}
}  // namespace

CNumSpin::CNumSpin() : m_notifyTimer([this] { OnNotifyTimer(); }), m_repeatTimer([this] { OnRepeatTimer(); })
{
    Bind(wxEVT_LEFT_DOWN, &CNumSpin::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CNumSpin::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CNumSpin::OnLeftUp, this);
    Bind(wxEVT_MOTION, &CNumSpin::OnMouseMove, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CNumSpin::OnCaptureLost, this);
}

CNumSpin::~CNumSpin()
{
    if (HasCapture())
        ReleaseMouse();
}

void CNumSpin::PreSubclassWindow()
{
    if (GetStyle() & UDS_AUTOBUDDY)
        if (auto* pEdit = dynamic_cast<CNumEdit*>(GetPrevSibling()))
            SetBuddy(pEdit);
}

void CNumSpin::SetBuddy(CNumEdit* pBuddy)
{
    if (m_pBuddy && (GetStyle() & UDS_ARROWKEYS))
        m_pBuddy->SetArrowKeySpin(nullptr);
    m_pBuddy = pBuddy;
    if (m_pBuddy && (GetStyle() & UDS_ARROWKEYS))
        m_pBuddy->SetArrowKeySpin(this);
}

CNumEdit* CNumSpin::GetBuddy() const
{
    return m_pBuddy.get();
}

void CNumSpin::GetRange32(int& nMin, int& nMax) const
{
    nMin = m_nMin;
    nMax = m_nMax;
}

void CNumSpin::SetRange(int nMin, int nMax)
{
    m_nMin = nMin;
    m_nMax = nMax;
    if (m_pBuddy) {
        m_pBuddy->SetRange(nMin, nMax);
        m_nType = m_pBuddy->GetType();
    }
}

int CNumSpin::GetPos()
{
    if (m_pBuddy)
        m_nPos = m_pBuddy->GetValue();
    return m_nPos;
}

void CNumSpin::SetPos(int v)
{
    if (v < m_nMin || v > m_nMax) {
        AfxMessageBox(g_bChinese ? "设定Pos错误!" : "Set Pos Error!", MB_OK, g_bChinese ? -2 : -3);
        v = Limit(v, m_nMin, m_nMax);
    }
    m_nPos = v;
    if (m_pBuddy)
        m_pBuddy->SetValue(v);
}

bool CNumSpin::IsBuddyEdited() const
{
    return m_pBuddy && m_pBuddy->IsEdited();
}

int CNumSpin::GetBuddyType() const
{
    return m_pBuddy ? m_pBuddy->GetType() : 0;
}

int CNumSpin::GetCommittedPos()
{
    if (m_pBuddy)
        m_nPos = m_pBuddy->GetCommittedValue();
    return m_nPos;
}

void CNumSpin::TellParent()
{
    if (GetParent() != nullptr)
        SendCommandToParent(this);
}

void CNumSpin::OnDeltaPos(int delta)
{
    if (!m_pBuddy || !m_pBuddy->IsEnabledFlag())
        return;
    const int a = IsBuddyEdited() ? GetPos() : m_nPos;
    MoveTo(Limit(m_nType == 40 ? RatioStep(a, delta) : a + delta, m_nMin, m_nMax));
    if (IsFrequencyType(m_nType))
        StepFrequency();
    if (m_bPressed) {  // the timer and the release tell the parent
        m_pBuddy->SetValue(m_nPos);
        return;
    }
    FinishStep(a, delta);
}

void CNumSpin::MoveTo(int b)
{
    if (b != m_nPos) {
        m_nPos = b;
        m_bPending = true;
    }
}

void CNumSpin::FinishStep(int a, int delta)
{
    if (m_nType != 2) {
        m_pBuddy->SetValue(m_nPos);
        TellParent();
        return;
    }
    // A delay: the field's unit decides the new value; the page also steps the linked delays.
    if (const auto v = DelayStep(m_pBuddy->GetType(), m_nPos, a, delta)) {
        m_nPos = *v;
        m_pBuddy->SetValue(m_nPos);
    }
    TellParent();
    if (GetParent() != nullptr)
        PostMessage(GetParent(), WM_NUMSPIN_DELTA, static_cast<WPARAM>(GetCtrlId()), delta);
}

void CNumSpin::StepFrequency()
{
    if (const auto f = FrequencyStep(m_nPos, m_pBuddy->GetValue(), m_nMin, m_nMax))
        SetPos(*f);
}

void CNumSpin::Step(int delta)
{
    const int a = GetPos();
    MoveTo(Limit(a + delta, m_nMin, m_nMax));
    if (!m_bPressed && m_pBuddy)
        FinishStep(a, delta);
}

int CNumSpin::ArrowAt(const wxPoint& pt) const
{
    const wxSize size = GetClientSize();
    if (GetStyle() & UDS_HORZ)
        return pt.x >= size.x / 2 ? 1 : -1;
    return pt.y < size.y / 2 ? 1 : -1;
}

void CNumSpin::OnLeftDown(wxMouseEvent& event)
{
    m_notifyTimer.Start(m_nRepeatMs);
    m_bPressed = true;
    if (!HasCapture())
        CaptureMouse();
    m_nHeldArrow = ArrowAt(event.GetPosition());
    m_bOverHeld = true;
    m_bRepeating = false;
    Refresh();
    OnDeltaPos(m_nHeldArrow);
    m_repeatTimer.Start(kRepeatDelayMs);
}

void CNumSpin::OnMouseMove(wxMouseEvent& event)
{
    if (m_nHeldArrow == 0)
        return;
    const bool bOver = wxRect(GetClientSize()).Contains(event.GetPosition()) && ArrowAt(event.GetPosition()) == m_nHeldArrow;
    if (bOver != m_bOverHeld) {
        m_bOverHeld = bOver;
        Refresh();
    }
}

void CNumSpin::OnRepeatTimer()
{
    if (!m_bRepeating) {
        m_bRepeating = true;
        m_repeatTimer.Start(kRepeatPeriodMs);
    }
    if (m_bOverHeld)
        OnDeltaPos(m_nHeldArrow);
}

void CNumSpin::OnNotifyTimer()
{
    if (m_bPending && GetParent() != nullptr) {
        m_bPending = false;
        TellParent();
    }
}

void CNumSpin::OnLeftUp(wxMouseEvent&)
{
    EndHold();
}

// A capture taken away mid-hold ends it as a release does, so the page hears of every step the
// field already shows.
void CNumSpin::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    EndHold();
}

void CNumSpin::EndHold()
{
    m_bPressed = false;
    m_notifyTimer.Stop();
    if (m_bPending) {
        m_bPending = false;
        TellParent();
    }
    Release();
}

void CNumSpin::Release()
{
    m_repeatTimer.Stop();
    m_nHeldArrow = 0;
    if (HasCapture())
        ReleaseMouse();
    Refresh();
}

void CNumSpin::Draw(wxDC& dc)
{
    const wxSize size = GetClientSize();
    const bool bHorizontal = (GetStyle() & UDS_HORZ) != 0;
    const bool bEnabled = IsEnabled() && (!m_pBuddy || m_pBuddy->IsEnabledFlag());
    for (const int nArrow : {1, -1}) {
        const bool bFirst = bHorizontal ? nArrow < 0 : nArrow > 0;  // left or top half
        const wxRect rc = bHorizontal ? wxRect(bFirst ? 0 : size.x / 2, 0, bFirst ? size.x / 2 : size.x - size.x / 2, size.y)
                                      : wxRect(0, bFirst ? 0 : size.y / 2, size.x, bFirst ? size.y / 2 : size.y - size.y / 2);
        const bool bPressed = m_nHeldArrow == nArrow && m_bOverHeld;
        const skin::Face face = !bEnabled ? skin::Face::Disabled : (bPressed ? skin::Face::Pressed : skin::Face::Normal);
        skin::PaintButtonFace(dc, rc, face, wxString(), g_bChinese != 0);
        wxRect arrow = rc;
        if (bPressed)
            arrow.Offset(1, 1);
        DrawArrow(dc, arrow, nArrow > 0, bHorizontal, bEnabled ? skin::kLabel : skin::kLabelDim);
    }
}
