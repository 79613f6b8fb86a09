#include "tests/ui/TestSkins.h"

#include <wx/dc.h>

#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
template <skin::Face kFace>
void PaintFace(wxDC& dc, const wxSize& size, bool bChinese)
{
    skin::PaintButtonFace(dc, wxRect(size), kFace, "", bChinese);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(FaceMarker(kFaceNormal + int(kFace))));
    dc.DrawRectangle(4, size.y / 2 - 2, 5, 5);  // a marker the tests look for
}

void PaintToggle(wxDC& dc, const wxSize& size, bool bOn, bool bChinese)
{
    skin::PaintButtonFace(dc, wxRect(size), bOn ? skin::Face::Checked : skin::Face::Normal,
                          wxString::FromUTF8(bChinese ? (bOn ? "开" : "关") : (bOn ? "ON" : "OFF")), bChinese);
}

// A disc on white: white is outside the button.
void PaintRoundMask(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawEllipse(0, 0, size.x, size.y);
}

template <skin::Face kFace>
void PaintThumb(wxDC& dc, const wxSize& size, bool)
{
    skin::PaintFaderThumb(dc, wxRect(size), kFace);
}

template <int kZone>
void PaintKnob(wxDC& dc, const wxSize& size, bool)
{
    skin::PaintKnobFace(dc, wxRect(size), kZone);
}

constexpr SkinArt kTestSkins[] = {
    {kFaceNormal, kFaceWidth, kFaceHeight, PaintFace<skin::Face::Normal>},
    {kFaceHover, kFaceWidth, kFaceHeight, PaintFace<skin::Face::Hover>},
    {kFacePressed, kFaceWidth, kFaceHeight, PaintFace<skin::Face::Pressed>},
    {kFaceChecked, kFaceWidth, kFaceHeight, PaintFace<skin::Face::Checked>},
    {kFaceCheckedHover, kFaceWidth, kFaceHeight, PaintFace<skin::Face::CheckedHover>},
    {kFaceCheckedPressed, kFaceWidth, kFaceHeight, PaintFace<skin::Face::CheckedPressed>},
    {kFaceDisabled, kFaceWidth, kFaceHeight, PaintFace<skin::Face::Disabled>},
    {kFaceDisabledChecked, kFaceWidth, kFaceHeight, PaintFace<skin::Face::DisabledChecked>},
    {kToggleOn, 60, 28, [](wxDC& dc, const wxSize& size, bool bChinese) { PaintToggle(dc, size, true, bChinese); }},
    {kToggleOff, 60, 28, [](wxDC& dc, const wxSize& size, bool bChinese) { PaintToggle(dc, size, false, bChinese); }},
    {kFaceSmall, 40, 20, PaintFace<skin::Face::Normal>},
    {kMaskRound, 40, 40, PaintRoundMask},
    {kFaderChannel, 24, 160, [](wxDC& dc, const wxSize& size, bool) { skin::PaintFaderChannel(dc, wxRect(size), true); }},
    {kFaderThumb, 24, 12, PaintThumb<skin::Face::Normal>},
    {kFaderThumbActive, 24, 12, PaintThumb<skin::Face::Checked>},
    {kFaderThumbDisabled, 24, 12, PaintThumb<skin::Face::Disabled>},
    {kKnobIdle, 88, 22, PaintKnob<0>},
    {kKnobLeft, 88, 22, PaintKnob<1>},
    {kKnobActive, 88, 22, PaintKnob<2>},
    {kKnobRight, 88, 22, PaintKnob<3>},
};
}  // namespace

void RegisterTestSkins()
{
    RegisterSkins(kTestSkins);
}

wxColour FaceMarker(int nFace)
{
    const int i = nFace - kFaceNormal;
    return {static_cast<unsigned char>(10 + i * 30), static_cast<unsigned char>(200 - i * 20), 77};
}
