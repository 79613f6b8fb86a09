#include "controls/EnTabCtrl.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include <algorithm>

#include "controls/WinText.h"
#include "res/Dpi.h"
#include "res/Fonts.h"
#include "res/WinStyles.h"

namespace {
unsigned g_nLookFlags = 0;

// Every device answers 96 bits per pixel in this program, so the gradient look is always
// available (more than 15 bits per pixel).
constexpr int kBitsPerPixel = kScreenDpi;

wxColour ButtonFace()
{
    return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
}
}  // namespace

CEnTabCtrl::CEnTabCtrl() : CBaseTabCtrl(kSystem), m_font(MakeFont("Microsoft Verdana", 20, 400)) {}

// Tabs are measured in the font they are drawn in.
void CEnTabCtrl::PreSubclassWindow()
{
    SetFont(m_font);
}

void CEnTabCtrl::EnableCustomLook(bool bEnable, unsigned nFlags)
{
    g_nLookFlags = bEnable ? nFlags : 0;
}

unsigned CEnTabCtrl::GetLookFlags()
{
    return g_nLookFlags;
}

wxColour CEnTabCtrl::Darker(const wxColour& c, double f)
{
    f = std::clamp(f, 0.0, 1.0);
    return {static_cast<unsigned char>(c.Red() * f), static_cast<unsigned char>(c.Green() * f),
            static_cast<unsigned char>(c.Blue() * f)};
}

wxColour CEnTabCtrl::Lighter(const wxColour& c, double f)
{
    f = std::max(f, 1.0);
    auto channel = [f](int v) { return static_cast<unsigned char>(std::min(255.0, v * f)); };
    return {channel(c.Red()), channel(c.Green()), channel(c.Blue())};
}

wxColour CEnTabCtrl::GetTabColor(bool bSelected)
{
    const unsigned nFlags = g_nLookFlags;
    if (bSelected && (nFlags & kLightSelected))
        return (nFlags & kAltColours) ? *wxBLACK : Lighter(ButtonFace(), 1.4);
    if (bSelected)
        return ButtonFace();
    if ((nFlags & kFullBorders) || !(nFlags & kBackUnselected)) {
        if (nFlags & kAltColours)
            return m_nItemDrawn == 3 ? wxColour(227, 228, 238) : Darker(wxColour(127, 168, 222), 0.9);
        return Darker(ButtonFace(), 0.9);
    }
    return BackColour();
}

wxColour CEnTabCtrl::GetTabTextColor(bool bSelected)
{
    return bSelected ? Darker(*wxRED, 0.9) : Darker(*wxWHITE, 0.9);
}

void CEnTabCtrl::DrawItem(const TabDrawItem& item)
{
    wxDC& dc = *item.pDC;
    m_nItemDrawn = item.nItem;
    wxRect rc = item.rc;
    rc.height += item.bSelected ? -1 : 2;
    const wxColour tab = GetTabColor(item.bSelected);
    if ((g_nLookFlags & kGradient) && kBitsPerPixel > 15) {
        wxColour end = ButtonFace();
        if (!item.bSelected) {
            const wxColour base = (g_nLookFlags & kAltColours) ? BackColour() : ButtonFace();
            end = Darker(base, 0.7);
        }
        for (int y = 0; y < rc.height; y += 2) {
            auto step = [&](int a, int b) { return static_cast<unsigned char>(a + y * (b - a) / rc.height); };
            FillSolidRect(dc, wxRect(rc.x, rc.y + y, rc.width, std::min(2, rc.height - y)),
                      wxColour(step(tab.Red(), end.Red()), step(tab.Green(), end.Green()),
                               step(tab.Blue(), end.Blue())));
        }
    } else {
        FillSolidRect(dc, rc, tab);
    }
    wxRect rcText(rc.x + 3, rc.y + 3 + (item.bSelected ? 1 : 0), rc.width - 6, rc.height - 3);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(m_font);
    dc.SetTextForeground(GetTabTextColor(item.bSelected));
    DrawWinText(dc, GetItemText(item.nItem), rcText, DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void CEnTabCtrl::DrawMainBorder(const TabDrawItem& item)
{
    wxDC& dc = *item.pDC;
    const wxColour tab = GetTabColor(false);
    const wxRect& rc = item.rc;
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(Lighter(tab, 1.5)));
    dc.DrawLine(rc.GetLeft(), rc.GetBottom(), rc.GetLeft(), rc.GetTop());
    dc.DrawLine(rc.GetLeft(), rc.GetTop(), rc.GetRight(), rc.GetTop());
    dc.SetPen(wxPen(Darker(tab, 0.75)));
    dc.DrawLine(rc.GetRight(), rc.GetTop(), rc.GetRight(), rc.GetBottom());
    dc.DrawLine(rc.GetRight(), rc.GetBottom(), rc.GetLeft() - 1, rc.GetBottom());
}

void CEnTabCtrl::DrawItemBorder(const TabDrawItem& item)
{
    wxDC& dc = *item.pDC;
    wxRect rc = item.rc;
    const wxColour tab = GetTabColor(item.bSelected);
    const wxColour light = Lighter(tab, 1.5);
    const wxColour dark = Darker(tab, 0.75);
    if (!item.bSelected && !(g_nLookFlags & kFullBorders)) {
        FillSolidRect(dc, wxRect(rc.x - 6, rc.y, 6, rc.height), dark);
        FillSolidRect(dc, wxRect(rc.GetRight(), rc.y, 1, rc.height), dark);
        return;
    }
    rc.height += item.bSelected ? -1 : 1;
    auto edges = [&](int nLeft, const wxColour& left, int nTop, const wxColour& top, int nRight,
                     const wxColour& right) {
        FillSolidRect(dc, wxRect(rc.x, rc.y, nLeft, rc.height), left);
        FillSolidRect(dc, wxRect(rc.x, rc.y, rc.width, nTop), top);
        FillSolidRect(dc, wxRect(rc.GetRight() + 1 - nRight, rc.y, nRight, rc.height), right);
    };
    switch (item.nItem) {
    case 3: break;
    case 0:
    case 4: edges(4, dark, 1, dark, 3, dark); break;
    case 9: edges(3, light, 1, light, 0, light); break;
    default: edges(4, light, 1, light, 4, dark); break;
    }
}
