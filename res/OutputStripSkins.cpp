// Faces of the output strips: the strip's ground, its select button per output, polarity, role
// button and level fader. The on/off faces are the master block's (OutputSkins.cpp).
#include <wx/dc.h>
#include <wx/graphics.h>

#include <array>
#include <memory>

#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputLayout.h"
#include "res/OutputSkins.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using namespace OutputLayout;
using namespace OutRoute_DlgIds;
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
        {IDB_NUMBER + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Normal>},
        {IDB_NUMBER_CHECKED + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Checked>},
        {IDB_NUMBER_HOVER + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Hover>},
        {IDB_NUMBER_DISABLED + nOutput, kNumW, kNumH, PaintNumber<nOutput, Face::Disabled>},
    }};
}

constexpr std::array<std::array<SkinArt, 4>, 8> kNumberFaces = {NumberFaces<0>(), NumberFaces<1>(), NumberFaces<2>(),
                                                                 NumberFaces<3>(), NumberFaces<4>(), NumberFaces<5>(),
                                                                 NumberFaces<6>(), NumberFaces<7>()};

constexpr SkinArt kStripSkins[] = {
    {IDB_STRIP, kStripW, kStripH, PaintStrip},
    {IDB_ON_DISABLED, Strip::kOnOff.w, Strip::kOnOff.h, PaintOnOffDisabled<false>},
    {IDB_ON_DISABLED + 1, Strip::kOnOff.w, Strip::kOnOff.h, PaintOnOffDisabled<true>},
    {IDB_POLARITY_EN, kPolW, kPolH, PaintPolarity<false, Face::Normal, false>},
    {IDB_POLARITY_EN + 1, kPolW, kPolH, PaintPolarity<false, Face::Hover, false>},
    {IDB_POLARITY_EN + 2, kPolW, kPolH, PaintPolarity<false, Face::Pressed, false>},
    {IDB_POLARITY_EN + 3, kPolW, kPolH, PaintPolarity<true, Face::Checked, false>},
    {IDB_POLARITY_EN + 4, kPolW, kPolH, PaintPolarity<true, Face::CheckedHover, false>},
    {IDB_POLARITY_EN + 5, kPolW, kPolH, PaintPolarity<true, Face::CheckedPressed, false>},
    {IDB_POLARITY_EN_DISABLED, kPolW, kPolH, PaintPolarity<false, Face::Disabled, false>},
    {IDB_POLARITY_EN_DISABLED + 1, kPolW, kPolH, PaintPolarity<true, Face::DisabledChecked, false>},
    {IDB_POLARITY_CN, kPolW, kPolH, PaintPolarity<false, Face::Normal, true>},
    {IDB_POLARITY_CN + 1, kPolW, kPolH, PaintPolarity<false, Face::Hover, true>},
    {IDB_POLARITY_CN + 2, kPolW, kPolH, PaintPolarity<false, Face::Pressed, true>},
    {IDB_POLARITY_CN + 3, kPolW, kPolH, PaintPolarity<true, Face::Checked, true>},
    {IDB_POLARITY_CN + 4, kPolW, kPolH, PaintPolarity<true, Face::CheckedHover, true>},
    {IDB_POLARITY_CN + 5, kPolW, kPolH, PaintPolarity<true, Face::CheckedPressed, true>},
    {IDB_POLARITY_CN_DISABLED, kPolW, kPolH, PaintPolarity<false, Face::Disabled, true>},
    {IDB_POLARITY_CN_DISABLED + 1, kPolW, kPolH, PaintPolarity<true, Face::DisabledChecked, true>},
    {IDB_ROLE, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Normal>},
    {IDB_ROLE + 1, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Hover>},
    {IDB_ROLE + 2, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Pressed>},
    {IDB_ROLE_DISABLED, Strip::kRole.w, Strip::kRole.h, PaintRole<Face::Disabled>},
    {IDB_LEVEL_CHANNEL, Strip::kFader.w, Strip::kFader.h, PaintLevelChannel},
    {IDB_LEVEL_THUMB, kThumbW, kThumbH, PaintThumb<Face::Normal>},
    {IDB_LEVEL_THUMB_DISABLED, kThumbW, kThumbH, PaintThumb<Face::Disabled>},
};
}  // namespace

void OutputStripSkinTables(const SkinTableSink& take)
{
    take(kStripSkins);
    for (const auto& faces : kNumberFaces)
        take(faces);
}
