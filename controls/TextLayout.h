#pragma once
// A line of text laid out once, for its size and then its drawing. A window's or a bitmap's DC
// on GTK draws text through Cairo and Pango, and each of its measures and draws lays the text out
// anew (a draw even measures it a second time, for a bounding box nothing here reads); this class
// makes one Pango layout on the DC's Cairo context and draws that, with the DC's font and text
// colour, so the same glyphs land on the same pixels at a third of the work. On a DC without such
// a context (a printer's), for text of several lines or with a background of its own, it
// measures and draws through the DC.
#include <wx/dc.h>
#include <wx/string.h>

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;
class wxGraphicsContext;

class CTextLayout {
public:
    CTextLayout(wxDC& dc, const wxString& strText);
    ~CTextLayout();
    CTextLayout(const CTextLayout&) = delete;
    CTextLayout& operator=(const CTextLayout&) = delete;

    // The text's extent, as the DC's GetTextExtent gives it.
    wxSize GetSize();
    // Draws the text with its top left at (x, y), within the DC's clipping.
    void Draw(int x, int y);
    // The same, clipped to rcClip as well.
    void Draw(const wxRect& rcClip, int x, int y);

private:
    void Show(int x, int y);

    wxDC& m_dc;
    wxString m_strText;
    wxGraphicsContext* m_pContext = nullptr;
    cairo_t* m_pCairo = nullptr;
    PangoLayout* m_pLayout = nullptr;
};
