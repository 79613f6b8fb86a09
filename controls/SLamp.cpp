#include "controls/SLamp.h"

#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/region.h>

namespace {
const wxColour kUnlit{102, 102, 102};
const wxColour kGround{127, 127, 127};

wxColour LitColour(int nLamp)
{
    switch (nLamp) {
    case 9: return {255, 204, 74};
    case 10: return {255, 128, 39};
    case 11: return {237, 0, 0};
    default: return {0, 200, 51};
    }
}
}  // namespace

CSLamp::CSLamp()
{
    m_current.fill(1);
    m_drawn.fill(1);
}

void CSLamp::PreSubclassWindow()
{
    Layout();
}

bool CSLamp::Layout()
{
    m_rcClient = wxRect(GetClientSize());
    m_nLampWidth = m_rcClient.width / 13;
    m_nLampHeight = m_rcClient.GetBottom() + 1;
    m_rcLamp = wxRect(m_rcClient.x, m_rcClient.y, m_nLampWidth, m_nLampHeight);
    return true;
}

void CSLamp::SetLevel(int nCode)
{
    m_current[11] = (nCode & 0x10) ? 1 : 0;
    m_current[10] = (nCode & 0x20) ? 1 : 0;
    m_current[9] = (nCode & 0x40) ? 1 : 0;
    const int n = nCode & 0x0F;
    if (n <= 9)
        for (int i = 0; i < 9; ++i)
            m_current[i] = i < n ? 1 : 0;
    for (int i = 0; i < kLamps; ++i) {
        if (m_current[i] != m_drawn[i]) {
            m_bRepaint = true;
            m_drawn[i] = m_current[i];
            m_changed[i] = true;
        }
    }
    if (m_bRepaint) {
        DrawNow();
        m_bRepaint = false;
    }
}

void CSLamp::Clear()
{
    m_current.fill(0);
    m_drawn.fill(0);
    m_changed.fill(true);
    m_bRepaint = true;
    DrawNow();
}

// The changed lamps are drawn straight onto the window. Under GTK 3 an invalidated rectangle is
// painted from the top-level window down, every parent's paint handler included (the page's
// skin, the tab control's ground, the view), with a round trip to the X server for each paint:
// a meter frame would cost more than the lamps. The lamps cover their rectangles, so the window's
// own paints draw the same pixels; off the screen nothing is drawn until the window is painted.
void CSLamp::DrawNow()
{
    wxRegion changed;
    for (int i = 0; i < kLamps; ++i) {
        if (m_changed[i])
            changed.Union(wxRect(m_rcLamp.x + i * (m_nLampWidth + 1), m_rcLamp.y, m_nLampWidth, m_rcLamp.height));
    }
    m_changed.fill(false);
    if (changed.IsEmpty() || !IsShownOnScreen())
        return;
    wxClientDC dc(this);
    dc.SetDeviceClippingRegion(changed);
    Draw(dc);
}

void CSLamp::Draw(wxDC& dc)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kGround));
    dc.DrawRectangle(m_rcClient);
    wxRect rc = m_rcLamp;
    for (int i = 0; i < kLamps; ++i) {
        dc.SetBrush(wxBrush(m_current[i] ? LitColour(i) : kUnlit));
        dc.DrawRectangle(rc.x, rc.y + 1, rc.width, rc.height - 1);
        rc.x += m_nLampWidth + 1;
    }
}
