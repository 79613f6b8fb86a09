#pragma once
// The skinned push button of every page, dialog and strip: one face bitmap per state (normal,
// hover, pressed, each unchecked and checked, plus disabled faces), its text drawn over the face
// in a colour and font per state, a checked flag that only the owner sets, a hover look, an
// optional WM_BUTTON_HOVER notice to the parent, and the hand cursor. A click reaches the parent
// as a wxEVT_BUTTON command event with the button's id.
#include <wx/colour.h>
#include <wx/font.h>

#include <optional>

#include "controls/DrawnControl.h"

class CBitButton : public CDrawnControl {
public:
    CBitButton();

    void SetBitmaps(int nNormal, int nHover, int nPressed, int nCheckedNormal = 0, int nCheckedHover = 0,
                    int nCheckedPressed = 0);
    void SetDisabledBitmaps(int nUnchecked, int nChecked);
    void SetAltBitmaps(int nAltNormal, int nAltCheckedNormal);
    void UseAltBitmaps(bool bOn);
    void SetTextColors(const wxColour& normal, const wxColour& hover, const wxColour& pressed,
                       const wxColour& checkedNormal, const wxColour& checkedHover, const wxColour& checkedPressed);
    void SetFonts(const wxFont* pNormal, const wxFont* pHover, const wxFont* pPressed, const wxFont* pCheckedNormal,
                  const wxFont* pCheckedHover, const wxFont* pCheckedPressed);
    void SetDisabledTextColor(const wxColour& colour) { m_clrDisabled = colour; }
    void SetDisabledFont(const wxFont* pFont) { m_pDisabledFont = pFont; }
    void SetDisabledTextFormat(unsigned nFormat) { m_nDisabledFormat = nFormat; }
    void SetDisabledTextOffsetX(int dx) { m_nDisabledDx = dx; }
    void SetDisabledTextOffsetY(int dy) { m_nDisabledDy = dy; }
    void SetTextOffset(bool bOn, int dy);
    // Keeps the text 19 pixels clear of the right edge.
    void SetRightMargin(bool bOn) { m_bRightMargin = bOn; }
    void SetCheck(bool bChecked);
    bool GetCheck() const { return m_bChecked; }
    void SetHover(bool bHover);
    bool GetHover() const { return m_bHover; }
    void SetHoverNotify(bool bOn) { m_bHoverNotify = bOn; }
    void SetPartners(CBitButton* pFirst, CBitButton* pSecond);
    void SetItemData(int n) { m_nItemData = n; }
    int GetItemData() const { return m_nItemData; }
    void RedrawParentArea();
    // Hiding the button forgets its partners for good.
    void ShowWindow(int nCmdShow);
    bool Show(bool bShow = true) override;
    bool Enable(bool bEnable = true) override;

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    enum { kCustom = 0, kSystem = 2, kNone = 4 };
    struct StateLook {
        int nBitmap = 0;
        wxColour colour = *wxBLACK;
        const wxFont* pFont = nullptr;
    };

    StateLook CurrentLook() const;
    void DrawButton(wxDC& dc);
    void UpdatePartnersHover(bool bHover);
    void FitToFace();
    void Redraw();
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void Leave();

    int m_nKind = kCustom;
    StateLook m_normal, m_hover, m_pressed, m_checkedNormal, m_checkedHover, m_checkedPressed;
    int m_nAltNormal = 0;
    int m_nAltCheckedNormal = 0;
    const wxFont* m_pDisabledFont = nullptr;
    int m_nDisabledChecked = 0;
    int m_nDisabledUnchecked = 0;
    wxColour m_clrDisabled = *wxBLACK;
    unsigned m_nDisabledFormat;
    bool m_bChecked = false;
    bool m_bHover = false;
    bool m_bAlt = false;
    bool m_bPressed = false;
    unsigned m_nAlign;
    bool m_bTextOffset = false;
    int m_nTextOffset = 4;
    bool m_bHandCursor = true;
    bool m_bRightMargin = false;
    int m_nDisabledDx = 0;
    int m_nDisabledDy = 0;
    int m_nItemData = -1;
    bool m_bHoverNotify = false;
    std::optional<wxPoint> m_lastNotified;
    CBitButton* m_pPartner1 = nullptr;
    CBitButton* m_pPartner2 = nullptr;
};

// How a button with these style bits is drawn: like the system's own (an auto check box, or a
// style that is already owner-drawn), not at all (an auto radio button), or by its own code.
enum class ButtonDraw { Custom, System, None };
ButtonDraw ButtonDrawOf(unsigned nStyle);
// The system's own button look: a plain face with the control's text in the button-text colour.
void DrawSystemButton(wxDC& dc, const CDrawnControl& ctrl, unsigned nAlign);
// Sends WM_BUTTON_HOVER to the parent of ctrl when the mouse is at a point not yet reported.
void NotifyHover(CDrawnControl& ctrl, const wxMouseEvent& event, std::optional<wxPoint>& lastNotified);

// The Windows mouse key-state flags (MK_*) of a mouse event.
unsigned MouseKeyFlags(const wxMouseEvent& event);
