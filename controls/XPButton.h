#pragma once
// A two-set toggle button: an "on" and an "off" set of normal, hover and pressed faces, chosen by
// its check flag, which only its owner changes. It draws no text. It can tell its parent when
// the mouse enters (WM_BUTTON_HOVER) and, with auto-repeat, post WM_BUTTON_REPEAT while held.
#include <optional>

#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"

class CFontStatic;

class CXPButton : public CDrawnControl {
public:
    CXPButton();

    void SetBitmaps(int nOnNormal, int nOnHover, int nOnPressed, int nOffNormal, int nOffHover, int nOffPressed);
    void SetCheck(bool bOn);
    bool GetCheck() const { return m_bOn; }
    void SetHoverNotify(bool bOn) { m_bHoverNotify = bOn; }
    void SetTextColor(const wxColour& colour);
    void SetSecondTextColor(const wxColour& colour);
    void SetHoverTextColor(const wxColour& colour);
    wxColour GetTextColor() const { return m_clrText; }
    wxColour GetSecondTextColor() const { return m_clrSecond; }
    wxColour GetHoverTextColor() const { return m_clrHoverText; }
    void SetDisabled(bool bOn);
    void SetDisabledBitmaps(int nOn, int nOff);
    void SetAltBitmaps(int nOn, int nOff);
    void UseAltBitmaps(bool bOn);
    void SetSound(const wxString& strName, bool bOn);
    void SetSoundOnHover(bool bOn) { m_bSoundOnHover = bOn; }
    void SetAutoRepeat(bool bOn) { m_bAutoRepeat = bOn; }
    void SetLinkedStatic(CFontStatic* pStatic) { m_pLinkedStatic = pStatic; }
    void SetHandCursor(bool bOn);

    void Draw(wxDC& dc) override;
    // The face id the button shows now (0 draws nothing).
    int CurrentBitmap() const;

private:
    void Redraw();
    void PlayClick();
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnRepeat();
    void Leave();
    void StopRepeat();

    wxColour m_clrText = *wxBLACK;
    wxColour m_clrSecond{255, 0, 0};
    wxColour m_clrHoverText{255, 0, 0};
    int m_nOffNormal = 0, m_nOffHover = 0, m_nOffPressed = 0;
    int m_nOnNormal = 0, m_nOnHover = 0, m_nOnPressed = 0;
    int m_nDisabledOn = 0, m_nDisabledOff = 0;
    int m_nAltOff = 0, m_nAltOn = 0;
    bool m_bSoundOnHover = false;
    bool m_bOn = true;
    bool m_bAlt = false;
    wxFont m_font;
    bool m_bHandCursor = true;
    bool m_bHover = false;
    bool m_bPressed = false;
    wxString m_strSound;
    bool m_bSound = false;
    bool m_bDisabledLook = false;
    bool m_bAutoRepeat = false;
    CFontStatic* m_pLinkedStatic = nullptr;
    int m_nRepeat = 0;
    bool m_bHoverNotify = false;
    std::optional<wxPoint> m_lastNotified;
    CControlTimer m_repeatTimer;
};
