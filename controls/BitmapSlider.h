#pragma once
// The skinned vertical fader of the pages (band gains, levels): a channel picture with a thumb
// picture on it, an active thumb while dragged or highlighted and a disabled thumb. The top end
// is the maximum value. It takes clicks (one step toward the pointer), drags, keys and the
// wheel, and posts WM_SLIDER_MOVING (while dragging and when it takes the focus) and
// WM_SLIDER_MOVED (at the release, after keys and wheel notches) to its parent, with its control
// id and the raw position (max - value). A numeric field (CNumEdit) can share its focus look.
#include <wx/bitmap.h>
#include <wx/weakref.h>

#include <optional>

#include "controls/BitmapSliderModel.h"
#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"
#include "model/BandSlider.h"

class CNumEdit;

// clrTransparent of the bitmap setters: a Windows colour (0x00BBGGRR), or the colour of the
// picture's pixel (x, y).
constexpr unsigned kClrFromPixel = 0xFF000000;

class CBitmapSlider : public CDrawnControl, public IBandSlider {
public:
    CBitmapSlider();
    ~CBitmapSlider() override;

    // Skin ids of the channel and of the channel while active (0: none); the fader takes the
    // channel's size. Id 0 frees the channel. False when a picture is missing.
    bool SetBitmapChannel(int nId, int nActiveId, bool bTransparent = false, unsigned clrTransparent = kClrFromPixel,
                          int x = 0, int y = 0);
    // The same for the thumb; the id already loaded changes nothing.
    bool SetBitmapThumb(int nId, int nActiveId, bool bTransparent = false, unsigned clrTransparent = kClrFromPixel,
                        int x = 0, int y = 0);
    // Thumb of a disabled fader, its top-left colour see-through.
    bool SetBitmapThumbDisabled(int nId);

    void SetRange(int nMin, int nMax, bool bRedraw = false);
    void SetRangeMax(int nMax, bool bRedraw = false);
    // The raw range always starts at 0.
    void SetRangeMin(int nMin, bool bRedraw = false);
    int GetRangeMax() const { return m_model.GetRangeMax(); }
    void SetMargin(int nLeft, int nTop, int nRight, int nBottom) { m_model.SetMargin(nLeft, nTop, nRight, nBottom); }
    void SetType(int nType) { m_model.SetType(nType); }
    // The value (not clamped); repaints at once.
    void SetPos(int nValue) override;
    int GetPos() const { return m_model.GetPos(); }
    // The grid point nearest to a frequency (types 1 and 2), clamped to the range.
    void SetFreq(int nHz) override;
    double GetFreq() const { return m_model.GetFreq(); }
    void SetValue(int nValue);
    int GetValue() const { return m_model.GetValue(); }
    int SetPageSize(int nSize) { return m_model.SetPageSize(nSize); }
    int GetRaw() const { return m_model.GetRaw(); }

    // Input on or off: off ends a drag and shows the disabled thumb. The window itself stays
    // enabled.
    bool Enable(bool bEnable = true) override;
    void SetHighlight(bool bHighlight);
    bool GetHighlight() const { return m_bHighlight; }
    void SetBuddyEdit(CNumEdit* pEdit);
    void SetHoverNotify(bool bOn) { m_bHoverNotify = bOn; }
    void SetDrawFocusRect(bool bOn, bool bRedraw);

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    struct Picture {
        wxBitmap bmp;
        bool bLoaded = false;
    };
    // A skin, with its see-through colour as a mask when transparent.
    static bool LoadPicture(Picture& pic, int nId, bool bTransparent, unsigned clrTransparent, int x, int y);

    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnDragTimer();
    void Post(unsigned nMsg);
    void EndDrag();

    CBitmapSliderModel m_model;
    wxWeakRef<CNumEdit> m_pBuddyEdit;
    bool m_bHandCursor = true;
    bool m_bHoverNotify = false;
    std::optional<wxPoint> m_lastHover;
    bool m_bMoved = false;
    Picture m_channel, m_activeChannel, m_thumb, m_activeThumb, m_disabledThumb;
    bool m_bChannelTransparent = false;
    bool m_bThumbTransparent = false;
    int m_nThumbId = -1;
    bool m_bDragging = false;
    bool m_bHighlight = false;
    bool m_bFocusRect = true;
    bool m_bInputEnabled = true;
    CControlTimer m_dragTimer;
};
