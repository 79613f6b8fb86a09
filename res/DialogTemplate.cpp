#include "res/DialogTemplate.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

#include "res/Fonts.h"

namespace {
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product + (product >= 0 ? c / 2 : -c / 2)) / c);
}
}  // namespace

wxFont TemplateFont(const DlgTemplate& tpl)
{
    return MakePointFont(tpl.szFace, tpl.nPointSize * 10, 400);
}

// The average character width of the 52 letters, rounded as the dialog manager rounds it, and the
// font's cell height.
DialogUnits::DialogUnits(const wxFont& font)
{
    wxBitmap bmp(8, 8);
    wxMemoryDC dc(bmp);
    dc.SetFont(font);
    const wxSize size = dc.GetTextExtent(wxS("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_cx = (size.x / 26 + 1) / 2;
    m_cy = dc.GetCharHeight();
}

wxRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return {MulDiv(x, m_cx, 4), MulDiv(y, m_cy, 8), MulDiv(cx, m_cx, 4), MulDiv(cy, m_cy, 8)};
}

wxSize DialogUnits::ToPixels(int cx, int cy) const
{
    return {MulDiv(cx, m_cx, 4), MulDiv(cy, m_cy, 8)};
}
