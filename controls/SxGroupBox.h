#pragma once
// A group box that draws its own etched frame (or a double or flat line) and its caption in its
// own font, left, right or centred on the top line.
#include <wx/colour.h>
#include <wx/font.h>

#include "controls/DrawnControl.h"

struct CSxLogFont;

class CSxGroupBox : public CDrawnControl {
public:
    enum Align { kLeft = 256, kRight = 512, kCentre = 768 };
    enum BoxStyle { kEtched = 11, kDouble = 12, kFlat = 0x8000 };

    CSxGroupBox();

    void SetText(const wxString& strText, bool bRedraw = true);
    // A colour that is not set (wxNullColour) takes the default.
    void SetLineColors(const wxColour& first, const wxColour& second, bool bRedraw = true);
    void GetLineColors(wxColour& first, wxColour& second) const;
    void SetTextColor(const wxColour& colour, bool bRedraw = true);
    // The caption font; nullptr: 8 point MS Sans Serif. (wx's own SetFont sets the measuring font.)
    void SetLogFont(const CSxLogFont* pLogFont);
    void SetAlignment(int nAlign);
    int GetAlignment() const { return m_nAlign; }
    void SetTextOffsets(int x, int y);
    void SetBoxStyle(int nStyle);
    int GetBoxStyle() const { return m_nBoxStyle; }
    void Reset();
    const wxRect& GetBoxRect() const { return m_rcBox; }

    void Draw(wxDC& dc) override;

protected:
    void PreSubclassWindow() override;

private:
    wxColour m_clrFirst;
    wxColour m_clrSecond;
    wxColour m_clrDefFirst;
    wxColour m_clrDefSecond;
    bool m_bNoCaption = false;
    int m_nLineWidth = 1;
    wxColour m_clrText = *wxBLACK;
    wxFont m_font;
    wxString m_strCaption;
    int m_nAlign = kLeft;
    int m_nOffsetX = 8;
    int m_nOffsetY = 0;
    int m_nBoxStyle = kEtched;
    wxRect m_rcBox;
    wxColour m_clrFill{167, 198, 239};
    bool m_bFill = false;
};
