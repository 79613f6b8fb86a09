#include "controls/BitmapSlider.h"

#include <wx/dc.h>
#include <wx/dcmemory.h>

#include <algorithm>

#include "controls/BitButton.h"
#include "controls/NumEdit.h"
#include "controls/SkinBackground.h"
#include "controls/WinKeys.h"
#include "controls/WndMessages.h"
#include "platform/MessageIds.h"
#include "res/Skins.h"

namespace {
constexpr int kDragTickMs = 50;
// Gives the fader the focus and its focus look (sent by nothing in the program).
constexpr unsigned WM_SLIDER_TAKE_FOCUS = WM_USER + 201;

// Copies rows [y0, y1) of a picture to the same rows of dc.
void BlitRows(wxDC& dc, const wxBitmap& bmp, int y0, int y1, bool bMask)
{
    if (y1 <= y0)
        return;
    wxMemoryDC src;
    src.SelectObjectAsSource(bmp);
    dc.Blit(0, y0, bmp.GetWidth(), y1 - y0, &src, 0, y0, wxCOPY, bMask);
}
}  // namespace

CBitmapSlider::CBitmapSlider() : m_dragTimer([this] { OnDragTimer(); })
{
    Bind(wxEVT_LEFT_DOWN, &CBitmapSlider::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CBitmapSlider::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CBitmapSlider::OnLeftUp, this);
    Bind(wxEVT_MOTION, &CBitmapSlider::OnMouseMove, this);
    Bind(wxEVT_MOUSEWHEEL, &CBitmapSlider::OnMouseWheel, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CBitmapSlider::OnCaptureLost, this);
    Bind(wxEVT_KEY_DOWN, &CBitmapSlider::OnKeyDown, this);
    Bind(wxEVT_SET_FOCUS, &CBitmapSlider::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CBitmapSlider::OnKillFocus, this);
}

CBitmapSlider::~CBitmapSlider()
{
    if (HasCapture())
        ReleaseMouse();
}

void CBitmapSlider::PreSubclassWindow()
{
    // The fader wants every key but Tab, which moves the focus on.
    SetWindowStyleFlag(GetWindowStyleFlag() | wxWANTS_CHARS);
    if (m_bHandCursor)
        SetCursor(wxCursor(wxCURSOR_HAND));
    BindMessage(this, WM_SLIDER_TAKE_FOCUS, [this](WPARAM, LPARAM) {
        SetFocus();
        m_bHighlight = true;
        Refresh();
        return LRESULT(0);
    });
    m_model.SetChannelSize(GetClientSize().x, GetClientSize().y);
}

bool CBitmapSlider::LoadPicture(Picture& pic, int nId, bool bTransparent, unsigned clrTransparent, int x, int y)
{
    pic = Picture{};
    const wxBitmap& skin = LoadSkin(nId);
    if (!skin.IsOk())
        return false;
    // A copy of its own, so that the mask stays off the shared skin.
    pic.bmp = skin.GetSubBitmap(wxRect(skin.GetSize()));
    if (bTransparent) {
        wxColour colour(clrTransparent & 0xFF, (clrTransparent >> 8) & 0xFF, (clrTransparent >> 16) & 0xFF);
        if (clrTransparent == kClrFromPixel) {
            const wxImage image = pic.bmp.ConvertToImage();
            const int px = std::clamp(x, 0, image.GetWidth() - 1);
            const int py = std::clamp(y, 0, image.GetHeight() - 1);
            colour.Set(image.GetRed(px, py), image.GetGreen(px, py), image.GetBlue(px, py));
        }
        pic.bmp.SetMask(new wxMask(pic.bmp, colour));
    }
    pic.bLoaded = true;
    return true;
}

bool CBitmapSlider::SetBitmapChannel(int nId, int nActiveId, bool bTransparent, unsigned clrTransparent, int x, int y)
{
    if (nId == 0) {
        m_channel = m_activeChannel = Picture{};
        return true;
    }
    if (!LoadPicture(m_channel, nId, bTransparent, clrTransparent, x, y))
        return false;
    m_activeChannel = Picture{};
    if (nActiveId != 0 && !LoadPicture(m_activeChannel, nActiveId, bTransparent, clrTransparent, x, y)) {
        m_channel = Picture{};
        return false;
    }
    SetSize(m_channel.bmp.GetSize());
    m_model.SetChannelSize(m_channel.bmp.GetWidth(), m_channel.bmp.GetHeight());
    m_bChannelTransparent = bTransparent;
    InvalidateParentArea();
    return true;
}

bool CBitmapSlider::SetBitmapThumb(int nId, int nActiveId, bool bTransparent, unsigned clrTransparent, int x, int y)
{
    if (nId == m_nThumbId)
        return true;
    if (nId == 0) {
        m_thumb = m_activeThumb = Picture{};
        m_nThumbId = -1;
        return true;
    }
    if (!LoadPicture(m_thumb, nId, bTransparent, clrTransparent, x, y))
        return false;
    m_activeThumb = Picture{};
    if (nActiveId != 0 && !LoadPicture(m_activeThumb, nActiveId, bTransparent, clrTransparent, x, y)) {
        m_thumb = Picture{};
        return false;
    }
    m_model.SetThumbSize(m_thumb.bmp.GetWidth(), m_thumb.bmp.GetHeight());
    if (!m_channel.bLoaded)
        m_model.SetChannelSize(GetClientSize().x, GetClientSize().y);
    m_bThumbTransparent = bTransparent;
    m_nThumbId = nId;
    InvalidateParentArea();
    return true;
}

bool CBitmapSlider::SetBitmapThumbDisabled(int nId)
{
    return LoadPicture(m_disabledThumb, nId, true, kClrFromPixel, 0, 0);
}

void CBitmapSlider::SetRange(int nMin, int nMax, bool bRedraw)
{
    SetRangeMin(nMin, false);
    SetRangeMax(nMax, bRedraw);
}

void CBitmapSlider::SetRangeMax(int nMax, bool bRedraw)
{
    m_model.SetRangeMax(nMax);
    if (bRedraw)
        Refresh();
}

void CBitmapSlider::SetRangeMin(int, bool bRedraw)
{
    if (bRedraw)
        Refresh();
}

void CBitmapSlider::SetPos(int nValue)
{
    m_model.SetPos(nValue);
    Refresh();
}

void CBitmapSlider::SetFreq(int nHz)
{
    m_model.SetFreq(nHz);
    Refresh();
}

void CBitmapSlider::SetValue(int nValue)
{
    m_model.SetValue(nValue);
    Refresh();
}

bool CBitmapSlider::Enable(bool bEnable)
{
    m_bInputEnabled = bEnable;
    if (!bEnable && m_bDragging)
        EndDrag();
    Refresh();
    return true;
}

void CBitmapSlider::SetHighlight(bool bHighlight)
{
    if (m_bHighlight == bHighlight)
        return;
    m_bHighlight = bHighlight;
    Refresh();
}

void CBitmapSlider::SetBuddyEdit(CNumEdit* pEdit)
{
    m_pBuddyEdit = pEdit;
}

void CBitmapSlider::SetDrawFocusRect(bool bOn, bool bRedraw)
{
    m_bFocusRect = bOn;
    if (bRedraw)
        Refresh();
}

void CBitmapSlider::Draw(wxDC& dc)
{
    const wxSize size = GetClientSize();
    const bool bSeeThrough = !m_channel.bLoaded || m_bChannelTransparent;
    if (bSeeThrough)
        PaintParentBackground(this, dc);
    if (m_channel.bLoaded) {
        const int nHeight = m_channel.bmp.GetHeight();
        if (m_activeChannel.bLoaded && m_bInputEnabled) {
            const int row = std::clamp(m_model.PixelOfRaw(m_model.GetRaw()), 0, nHeight);
            BlitRows(dc, m_channel.bmp, row, nHeight, m_bChannelTransparent);
            BlitRows(dc, m_activeChannel.bmp, 0, row, m_bChannelTransparent);
        } else {
            BlitRows(dc, m_channel.bmp, 0, nHeight, m_bChannelTransparent);
        }
    }
    const wxPoint at(m_model.GetMarginLeft(), m_model.ThumbTop());
    if (m_thumb.bLoaded && m_bInputEnabled) {
        const bool bActive = m_activeThumb.bLoaded && (m_bDragging || m_bHighlight);
        dc.DrawBitmap(bActive ? m_activeThumb.bmp : m_thumb.bmp, at, m_bThumbTransparent);
    } else if (m_disabledThumb.bLoaded) {
        dc.DrawBitmap(m_disabledThumb.bmp, at, true);
    }
    if (m_bFocusRect && m_bHighlight && m_bInputEnabled && bSeeThrough) {
        dc.SetPen(wxPen(*wxWHITE, 1, wxPENSTYLE_DOT));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(wxPoint(0, 0), size);
    }
}

void CBitmapSlider::Post(unsigned nMsg)
{
    if (GetParent() != nullptr)
        PostMessage(GetParent(), nMsg, static_cast<WPARAM>(GetCtrlId()), m_model.GetRaw());
}

void CBitmapSlider::OnLeftDown(wxMouseEvent& event)
{
    if (!m_bInputEnabled)
        return;
    if (!HasCapture())
        CaptureMouse();
    SetFocus();
    m_bDragging = true;
    // A press off the thumb steps once toward the pointer and drags nothing.
    if (m_model.Press(event.GetY())) {
        m_bDragging = false;
        m_bMoved = true;
    }
    m_dragTimer.Start(kDragTickMs);
    Refresh();
}

void CBitmapSlider::OnMouseMove(wxMouseEvent& event)
{
    if (m_bDragging) {
        if (m_bInputEnabled && m_model.DragTo(event.GetY())) {
            m_bMoved = true;
            Refresh();
        }
        return;
    }
    if (m_bHoverNotify)
        NotifyHover(*this, event, m_lastHover);
}

void CBitmapSlider::OnLeftUp(wxMouseEvent&)
{
    if (!m_bInputEnabled)
        return;
    if (HasCapture())
        ReleaseMouse();
    m_bDragging = false;
    Refresh();
    Post(WM_SLIDER_MOVED);
    m_bMoved = false;
    m_dragTimer.Stop();
}

void CBitmapSlider::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_bDragging = false;
    m_dragTimer.Stop();
    Refresh();
}

void CBitmapSlider::EndDrag()
{
    m_bDragging = false;
    if (HasCapture())
        ReleaseMouse();
}

void CBitmapSlider::OnDragTimer()
{
    if (m_bMoved) {
        Post(WM_SLIDER_MOVING);
        m_bMoved = false;
    }
}

void CBitmapSlider::OnMouseWheel(wxMouseEvent& event)
{
    // A disabled fader keeps its value: the wheel is input like any other.
    if (!m_bInputEnabled || event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL)
        return;
    m_model.Wheel(event.GetWheelRotation());
    Refresh();
    Post(WM_SLIDER_MOVED);
}

void CBitmapSlider::OnKeyDown(wxKeyEvent& event)
{
    const int nKey = WinKeyCode(event);
    if (nKey == VK_TAB) {
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        return;
    }
    if (m_bInputEnabled && m_model.Key(nKey)) {
        Refresh();
        Post(WM_SLIDER_MOVED);
    }
    event.Skip();
}

void CBitmapSlider::OnSetFocus(wxFocusEvent& event)
{
    event.Skip();
    if (m_pBuddyEdit)
        m_pBuddyEdit->SetHighlight(true);
    m_bHighlight = true;
    Post(WM_SLIDER_MOVING);
    Refresh();
}

void CBitmapSlider::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    m_bHighlight = false;
    if (m_pBuddyEdit)
        m_pBuddyEdit->SetHighlight(false);
    Refresh();
}
