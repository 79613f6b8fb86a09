// Faces of the output strips: the strip's ground, its select button per output, polarity, role
// button and level fader. The on/off faces are the master block's (OutputSkins.cpp).
#include <wx/dc.h>
#include <wx/graphics.h>

#include <array>
#include <memory>

#include "pages/OutputLayout.h"
#include "res/OutputSkins.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using namespace OutputLayout;
using skin::Face;

void PaintStrip(wxDC& dc, const wxSize& size, bool)
{
    skin::PaintPageGround(dc, wxRect(size));
    skin::PaintPanel(dc, wxRect(size));
}

// The select button along the strip's top: the output's number.
template <int nOutput, Face face>
void PaintNumber(wxDC& dc, const wxSize& size, bool bChinese)
{
    skin::PaintPageGround(dc, wxRect(size));
    const wxString strName = bChinese ? wxString::FromUTF8("通道") + wxString::Format(wxS("%d"), nOutput + 1)
                                      : wxString::Format(wxS("CH%d"), nOutput + 1);
    skin::PaintButtonFace(dc, wxRect(size), face, strName, bChinese, 13);
}

template <bool bInverted, Face face, bool bChinese>
void PaintPolarity(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    const char* szWord = bInverted ? (bChinese ? "反相" : "Pol-") : (bChinese ? "正相" : "Pol+");
    skin::PaintButtonFace(dc, wxRect(size), face, wxString::FromUTF8(szWord), bChinese, 12);
}

template <bool bOn>
void PaintOnOffDisabled(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    const char* szWord = bOn ? (bChinese ? "开" : "ON") : (bChinese ? "关" : "OFF");
    skin::PaintButtonFace(dc, wxRect(size), bOn ? Face::DisabledChecked : Face::Disabled, wxString::FromUTF8(szWord),
                          bChinese, 12);
}

// The role button: a field with a drop-down arrow in its right 19 pixels (the button keeps its
// text clear of them).
template <Face face>
void PaintRole(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, wxString(), bChinese);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    const double cx = size.x - 10.5;
    const double cy = size.y / 2.0 - 2;
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->SetBrush(wxBrush(face == Face::Disabled ? skin::kPanelFrame : skin::kLabel));
    wxGraphicsPath arrow = gc->CreatePath();
    arrow.MoveToPoint(cx - 4, cy);
    arrow.AddLineToPoint(cx + 4, cy);
    arrow.AddLineToPoint(cx, cy + 5);
    arrow.CloseSubpath();
    gc->FillPath(arrow);
    gc->SetPen(wxPen(skin::kPanelFrame.ChangeLightness(140)));
    gc->StrokeLine(size.x - 20, 4, size.x - 20, size.y - 4);
}

// The level fader: a dB scale in the left 25 pixels, the track under the thumb's centre; the
// fader spans 0..600, shown as -60..0 dB.
constexpr int kThumbW = 26, kThumbH = 13, kScaleW = 25;

void PaintLevelChannel(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintFaderChannel(dc, wxRect(kScaleW, 0, kThumbW, size.y), false);
    const int yTop = kThumbH / 2;
    const int yBottom = size.y - 2 - kThumbH / 2;
    dc.SetPen(wxPen(skin::kLabelDim));
    for (int dB = 0; dB >= -60; dB -= 10) {
        const int y = yTop + (yBottom - yTop) * -dB / 60;
        dc.DrawLine(kScaleW - 5, y, kScaleW - 1, y);
        skin::PaintLabel(dc, wxRect(0, y - 6, kScaleW - 6, 12), wxString::Format(wxS("%d"), dB), skin::kLabelDim,
                         bChinese, 9, false, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    }
}

template <Face face>
void PaintThumb(wxDC& dc, const wxSize& size, bool)
{
    skin::PaintFaderThumb(dc, wxRect(size), face);
}

constexpr int kNumW = Strip::kSelect.w, kNumH = Strip::kSelect.h;
constexpr int kPolW = Strip::kPolarity.w, kPolH = Strip::kPolarity.h;

template <int nOutput>
constexpr std::array<SkinArt, 4> NumberFaces()
{
    return {{
        {400 + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Normal>},
        {410 + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Checked>},
        {420 + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Hover>},
        {633 + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Disabled>},
    }};
}

constexpr std::array<std::array<SkinArt, 4>, 8> kNumberFaces = {NumberFaces<0>(), NumberFaces<1>(), NumberFaces<2>(),
                                                                 NumberFaces<3>(), NumberFaces<4>(), NumberFaces<5>(),
                                                                 NumberFaces<6>(), NumberFaces<7>()};

constexpr SkinArt kStripSkins[] = {
    {390, kStripW, kStripH, PaintStrip},
    {4376, Strip::kOnOff.w, Strip::kOnOff.h, PaintOnOffDisabled<false>},
    {4377, Strip::kOnOff.w, Strip::kOnOff.h, PaintOnOffDisabled<true>},
    {4370, kPolW, kPolH, PaintPolarity<false, Face::Normal, false>},
    {4371, kPolW, kPolH, PaintPolarity<false, Face::Hover, false>},
    {4372, kPolW, kPolH, PaintPolarity<false, Face::Pressed, false>},
    {4373, kPolW, kPolH, PaintPolarity<true, Face::Checked, false>},
    {4374, kPolW, kPolH, PaintPolarity<true, Face::CheckedHover, false>},
    {4375, kPolW, kPolH, PaintPolarity<true, Face::CheckedPressed, false>},
    {4378, kPolW, kPolH, PaintPolarity<false, Face::Disabled, false>},
    {4379, kPolW, kPolH, PaintPolarity<true, Face::DisabledChecked, false>},
    {4380, kPolW, kPolH, PaintPolarity<false, Face::Normal, true>},
    {4381, kPolW, kPolH, PaintPolarity<false, Face::Hover, true>},
    {4382, kPolW, kPolH, PaintPolarity<false, Face::Pressed, true>},
    {4383, kPolW, kPolH, PaintPolarity<true, Face::Checked, true>},
    {4384, kPolW, kPolH, PaintPolarity<true, Face::CheckedHover, true>},
    {4385, kPolW, kPolH, PaintPolarity<true, Face::CheckedPressed, true>},
    {4388, kPolW, kPolH, PaintPolarity<false, Face::Disabled, true>},
    {4389, kPolW, kPolH, PaintPolarity<true, Face::DisabledChecked, true>},
    {594, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Normal>},
    {595, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Hover>},
    {596, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Pressed>},
    {641, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Disabled>},
    {539, Strip::kFader.w, Strip::kFader.h, PaintLevelChannel},
    {538, kThumbW, kThumbH, PaintThumb<Face::Normal>},
    {4410, kThumbW, kThumbH, PaintThumb<Face::Disabled>},
};
}  // namespace

void RegisterOutputStripSkins()
{
    RegisterSkins(kStripSkins);
    for (const auto& faces : kNumberFaces)
        RegisterSkins(faces);
}
