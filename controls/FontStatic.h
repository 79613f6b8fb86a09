#pragma once
// Text statics that paint their own text: CFontStatic (a label with its own Arial height, colours
// and alignment), CTransparentStatic (a label on the parent's ground in a chosen colour), CHyLink
// (a link label that turns red under the mouse and opens its text), CMuteStatic (an On/OFF
// indicator).
#include <wx/colour.h>

#include <map>

#include "controls/ControlTimer.h"
#include "controls/DrawnControl.h"

class CFontStatic : public CDrawnControl {
public:
    CFontStatic();

    // Stores face and height; only a new text colour also applies the style flags (alignment:
    // 0x20 centred, else 0x80 right, else 0x40 left) and repaints.
    void SetFontStyle(const wxString& strFace, int nHeight, const wxColour& clrText, unsigned nStyleFlags);
    void SetTextColor(const wxColour& colour);
    void SetBkColor(const wxColour& colour);
    void SetText(const wxString& strText);
    void SetFontSize(int nHeight);
    void SetAlignLeft(bool bOn);
    void SetAlignRight(bool bOn);
    void SetValueFormat(int nValue, int nSpare, int nOffset, const wxString& strSuffix);
    void SetValue(int nValue);
    void StartBlink();
    void StopBlink();

    wxColour GetTextColor() const { return m_clrText; }
    int GetFontSize() const { return m_nFontHeight; }
    bool IsCentred() const { return m_bCenter; }
    bool IsLeftAligned() const { return m_bLeft; }
    bool IsRightAligned() const { return m_bRight; }

    void Draw(wxDC& dc) override;

private:
    void ApplyStyleFlags(unsigned nStyleFlags);
    const wxFont& FontOfHeight(int nHeight);
    void OnTimer();

    bool m_bBold = true;
    bool m_bItalic = false;
    bool m_bUnderline = false;
    bool m_bStrikeOut = false;
    bool m_bSpare = false;
    bool m_bBackFill = false;
    bool m_bCenter = true;
    bool m_bLeft = false;
    bool m_bRight = false;
    wxString m_strStored = wxS("Arial");
    wxColour m_clrText = *wxBLACK;
    wxColour m_clrBack = *wxWHITE;
    int m_nFontHeight = 14;
    int m_nValueOffset = 0;
    wxString m_strSuffix;
    bool m_bBlink = false;
    int m_nPhase = 0;
    bool m_bWordWrap = false;
    std::map<int, wxFont> m_fonts;  // made once per height
    CControlTimer m_timer;
};

class CTransparentStatic : public CDrawnControl {
public:
    void SetTextColor(const wxColour& colour);
    // Sets the window text only when the text differs from the last one set here.
    virtual void SetText(const wxString& strText);
    void SetLabel(const wxString& strLabel) override;

    void Draw(wxDC& dc) override;

private:
    wxColour m_clrText = *wxBLACK;
    wxString m_strText;
};

class CHyLink : public CDrawnControl {
public:
    CHyLink();

    bool IsHovering() const { return m_bHover; }
    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;
    // Opens the target with the desktop's handler for it.
    virtual void OpenLink(const wxString& strTarget);

private:
    void OnMouseMove(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    bool m_bHover = false;
    wxColour m_clrNormal = *wxBLACK;
    wxColour m_clrHover{255, 0, 0};
    wxColour m_clrBack{229, 229, 229};
};

class CMuteStatic : public CDrawnControl {
public:
    CMuteStatic();

    void SetBkColors(const wxColour& on, const wxColour& off);
    void SetTextColors(const wxColour& on, const wxColour& off);
    void SetTexts(const wxString& strOn, const wxString& strOff);
    void SetState(bool bOn);
    bool GetState() const { return m_bOn; }
    void SetFont(int nHeight, int nWeight);
    void ResetTexts(int nValue);

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    wxColour m_clrBackOn{100, 105, 109};
    wxColour m_clrBackOff{200, 202, 205};
    wxColour m_clrTextOn = *wxWHITE;
    wxColour m_clrTextOff{255, 0, 0};
    wxString m_strOn = wxS("On");
    wxString m_strOff = wxS("OFF");
    bool m_bOn = true;
    int m_nFontHeight = 16;
    int m_nFontWeight = 900;
    int m_nValue = 0;
    wxFont m_font;
};
