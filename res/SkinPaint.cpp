#include "res/SkinPaint.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "res/Fonts.h"

namespace skin {
namespace {
wxColour Shade(const wxColour& c, int nPercent)
{
    return c.ChangeLightness(nPercent);
}

struct FaceColours {
    wxColour top, bottom, border, text;
};

FaceColours ColoursOf(Face face)
{
    const wxColour base{70, 86, 114};
    switch (face) {
    case Face::Normal: return {Shade(base, 112), base, Shade(base, 70), kLabel};
    case Face::Hover: return {Shade(base, 125), Shade(base, 110), Shade(base, 75), *wxWHITE};
    case Face::Pressed: return {Shade(base, 90), Shade(base, 112), Shade(base, 65), *wxWHITE};
    case Face::Checked: return {Shade(kTeal, 115), kTeal, Shade(kTeal, 70), *wxWHITE};
    case Face::CheckedHover: return {Shade(kTeal, 130), Shade(kTeal, 110), Shade(kTeal, 75), *wxWHITE};
    case Face::CheckedPressed: return {Shade(kTeal, 90), Shade(kTeal, 115), Shade(kTeal, 65), *wxWHITE};
    case Face::Disabled: return {{52, 60, 76}, {48, 56, 72}, {60, 68, 84}, {98, 106, 120}};
    case Face::DisabledChecked: return {{40, 80, 86}, {36, 72, 78}, {48, 88, 94}, {98, 120, 124}};
    }
    return {base, base, base, kLabel};
}
}  // namespace

void PaintPageGround(wxDC& dc, const wxRect& rc)
{
    dc.GradientFillLinear(rc, kPageTop, kPageBottom, wxSOUTH);
}

void PaintPanel(wxDC& dc, const wxRect& rc)
{
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc) {
        dc.SetPen(wxPen(kPanelFrame));
        dc.SetBrush(wxBrush(kPanel));
        dc.DrawRoundedRectangle(rc, 4);
        return;
    }
    gc->SetPen(wxPen(kPanelFrame));
    gc->SetBrush(wxBrush(kPanel));
    gc->DrawRoundedRectangle(rc.x + 0.5, rc.y + 0.5, rc.width - 1, rc.height - 1, 4);
}

void PaintButtonFace(wxDC& dc, const wxRect& rc, Face face, const wxString& strLabel, bool bChinese,
                     int nFontPixels)
{
    const FaceColours colours = ColoursOf(face);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (gc) {
        gc->SetPen(wxPen(colours.border));
        gc->SetBrush(gc->CreateLinearGradientBrush(0, rc.y, 0, rc.GetBottom(), colours.top, colours.bottom));
        gc->DrawRoundedRectangle(rc.x + 0.5, rc.y + 0.5, rc.width - 1, rc.height - 1, 3.5);
    } else {
        dc.GradientFillLinear(rc, colours.top, colours.bottom, wxSOUTH);
    }
    if (strLabel.empty())
        return;
    wxRect rcText = rc;
    if (face == Face::Pressed || face == Face::CheckedPressed)
        rcText.Offset(1, 1);
    PaintLabel(dc, rcText, strLabel, colours.text, bChinese, nFontPixels, false);
}

void PaintFaderChannel(wxDC& dc, const wxRect& rc, bool bLit)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kPanel));
    dc.DrawRectangle(rc);
    const wxRect track(rc.x + (rc.width - 4) / 2, rc.y + 2, 4, rc.height - 4);
    dc.SetBrush(wxBrush(bLit ? kTeal : Shade(kPanel, 60)));
    dc.DrawRectangle(track);
    dc.SetPen(wxPen(Shade(kPanel, 40)));
    dc.DrawLine(track.GetLeft(), track.GetTop(), track.GetRight() + 1, track.GetTop());
    dc.DrawLine(track.GetLeft(), track.GetTop(), track.GetLeft(), track.GetBottom() + 1);
}

void PaintFaderThumb(wxDC& dc, const wxRect& rc, Face face)
{
    // Only whole-pixel fills: a blended edge would mix the key colour into the face.
    const FaceColours colours = ColoursOf(face);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(kSeeThrough));
    dc.DrawRectangle(rc);
    dc.SetBrush(wxBrush(colours.border));
    dc.DrawRectangle(rc.x + 1, rc.y, rc.width - 2, rc.height);
    dc.DrawRectangle(rc.x, rc.y + 1, rc.width, rc.height - 2);
    dc.GradientFillLinear(wxRect(rc).Deflate(1), colours.top, colours.bottom, wxSOUTH);
    dc.SetBrush(wxBrush(colours.text));
    dc.DrawRectangle(rc.x + 3, rc.y + rc.height / 2, rc.width - 6, 1);
}

void PaintKnobFace(wxDC& dc, const wxRect& rc, int nHotZone)
{
    PaintButtonFace(dc, rc, nHotZone == 0 ? Face::Normal : Face::Hover, wxString(), false);
    const int nArrow = static_cast<int>(rc.width / 5.5);
    const int cy = rc.y + rc.height / 2;
    const int s = std::max(2, rc.height / 5);
    for (const bool bLeft : {true, false}) {
        const bool bHot = nHotZone == 2 || nHotZone == (bLeft ? 1 : 3);
        const int cx = bLeft ? rc.x + nArrow / 2 : rc.GetRight() - nArrow / 2;
        const int d = bLeft ? -1 : 1;
        const wxPoint points[3] = {{cx + d * s, cy}, {cx - d * s, cy - s}, {cx - d * s, cy + s}};
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(bHot ? kTeal : kLabelDim));
        dc.DrawPolygon(3, points);
    }
}

void PaintRowCaption(wxDC& dc, const wxRect& rc, const wxString& strCaption, bool bChinese)
{
    PaintLabel(dc, rc, strCaption, kLabel, bChinese, 12, true);
}

void PaintGainScale(wxDC& dc, int xRight, int yTop, int yBottom, bool bChinese)
{
    dc.SetPen(wxPen(kLabelDim));
    for (const auto& [y, szText] : {std::pair{yTop, "+12"}, std::pair{(yTop + yBottom) / 2, "0"}, std::pair{yBottom, "-12"}}) {
        dc.DrawLine(xRight - 4, y, xRight, y);
        PaintLabel(dc, wxRect(xRight - 40, y - 7, 34, 14), wxString::FromUTF8(szText), kLabelDim, bChinese, 10, false,
                   wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    }
}

void PaintLabel(wxDC& dc, const wxRect& rc, const wxString& strLabel, const wxColour& colour, bool bChinese,
                int nFontPixels, bool bBold, int nAlign)
{
    dc.SetFont(LabelFont(nFontPixels, bBold, bChinese));
    dc.SetTextForeground(colour);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawLabel(strLabel, rc, nAlign);
}
}  // namespace skin
