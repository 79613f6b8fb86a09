#include "controls/TextLayout.h"

#include <pango/pangocairo.h>
#include <wx/dcclient.h>
#include <wx/font.h>
#include <wx/fontutil.h>
#include <wx/graphics.h>

CTextLayout::CTextLayout(wxDC& dc, const wxString& strText) : m_dc(dc), m_strText(strText)
{
    wxGraphicsContext* pContext = dc.GetGraphicsContext();
    // A DC draws several lines, or a text background, its own way: those go through it.
    if (pContext == nullptr || pContext->GetRenderer() != wxGraphicsRenderer::GetCairoRenderer() ||
        !dc.GetFont().IsOk() || dc.GetBackgroundMode() != wxBRUSHSTYLE_TRANSPARENT ||
        strText.find('\n') != wxString::npos)
        return;
    m_pContext = pContext;
    m_pCairo = static_cast<cairo_t*>(pContext->GetNativeContext());
    // The layout the context's own DrawText and GetTextExtent make.
    const wxFont& font = dc.GetFont();
    m_pLayout = pango_cairo_create_layout(m_pCairo);
    pango_layout_set_font_description(m_pLayout, font.GetNativeFontInfo()->description);
    const wxScopedCharBuffer utf8 = strText.utf8_str();
    pango_layout_set_text(m_pLayout, utf8.data(), static_cast<int>(utf8.length()));
    font.GTKSetPangoAttrs(m_pLayout);
}

CTextLayout::~CTextLayout()
{
    if (m_pLayout != nullptr)
        g_object_unref(m_pLayout);
}

wxSize CTextLayout::GetSize()
{
    if (m_pLayout == nullptr)
        return m_dc.GetTextExtent(m_strText);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(m_pLayout, &w, &h);
    return {w, h};
}

void CTextLayout::Draw(int x, int y)
{
    if (m_pLayout == nullptr) {
        m_dc.DrawText(m_strText, x, y);
        return;
    }
    m_pContext->PushState();
    Show(x, y);
    m_pContext->PopState();
}

void CTextLayout::Draw(const wxRect& rcClip, int x, int y)
{
    if (m_pLayout == nullptr) {
        wxDCClipper clipper(m_dc, rcClip);
        m_dc.DrawText(m_strText, x, y);
        return;
    }
    m_pContext->PushState();
    m_pContext->Clip(rcClip.x, rcClip.y, rcClip.width, rcClip.height);
    Show(x, y);
    m_pContext->PopState();
}

void CTextLayout::Show(int x, int y)
{
    const wxColour colour = m_dc.GetTextForeground();
    cairo_set_source_rgba(m_pCairo, colour.Red() / 255.0, colour.Green() / 255.0, colour.Blue() / 255.0,
                          colour.Alpha() / 255.0);
    cairo_move_to(m_pCairo, x, y);
    pango_cairo_show_layout(m_pCairo, m_pLayout);
}
