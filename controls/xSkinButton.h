#pragma once
// A skinned push, check or radio button whose shape can be cut from a mask bitmap (white is
// outside). A radio button that becomes checked clears the other skinned buttons of its group
// with WM_SKIN_UNCHECK. Faces are drawn plain, stretched or tiled.
#include <wx/region.h>

#include "controls/DrawnControl.h"

class wxImage;

class CxSkinButton : public CDrawnControl {
public:
    enum DrawMode { kNormal = 0, kStretch = 1, kTile = 2 };

    CxSkinButton();

    void SetSkin(int nNormal, int nDown, int nOver, int nDisabled, int nFocus, int nMask, int nDrawMode = kStretch,
                 int nValue = 0, int nFocusInset = 0);
    void SetCheck(bool bChecked);
    bool GetCheck() const { return m_bChecked; }
    void SetTextColors(const wxColour& normal, const wxColour& hover);
    void SetToolTipText(const wxString& strText);
    int GetDrawMode() const { return m_nDrawMode; }
    // The shape cut from the mask; empty while there is no mask.
    const wxRegion& GetShape() const { return m_region; }

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    enum Kind { kPush = 0, kCheck = 2, kRadio = 4 };

    bool IsOnButton(const wxPoint& pt) const;
    void DrawFace(wxDC& dc, int nBitmap);
    void Press();
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void UncheckGroup();

    bool m_bChecked = false;
    int m_nKind = kPush;
    bool m_bHover = false;
    bool m_bHeld = false;
    bool m_bCursorOver = false;
    int m_nNormal = 0, m_nDown = 0, m_nDisabled = 0, m_nMask = 0, m_nOver = 0, m_nFocus = 0;
    int m_nFocusInset = 0;
    wxColour m_clrText = *wxBLACK;
    wxColour m_clrHoverText{255, 0, 0};
    wxRegion m_region;
    int m_nValue = 0;
    int m_nDrawMode = kStretch;
    wxFont m_font;
};

// The shape of a mask: its non-white pixels, as rows of runs.
wxRegion RegionFromMask(const wxImage& mask);
