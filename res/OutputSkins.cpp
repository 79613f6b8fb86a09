// Faces of the output page. Sizes are the controls' sizes on the page; every face sits on the
// page's panel ground.
#include "res/OutputSkins.h"

#include <wx/dc.h>

#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using skin::Face;

// Master fader: a dB scale in the left 25 pixels (where the thumb's margin starts), the track
// under the thumb's centre. The fader spans 0..66, shown as -60..+6 dB.
constexpr int kMasterChannelW = 52, kMasterChannelH = 206;
constexpr int kMasterThumbW = 26, kMasterThumbH = 13;
constexpr int kScaleW = 25;

void PaintMasterChannel(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintFaderChannel(dc, wxRect(kScaleW, 0, kMasterThumbW, size.y), false);
    // The thumb's centre runs from half a thumb below the top to half a thumb above the bottom.
    const int yTop = kMasterThumbH / 2;
    const int yBottom = size.y - 2 - kMasterThumbH / 2;
    dc.SetPen(wxPen(skin::kLabelDim));
    for (const int dB : {6, 0, -10, -20, -30, -40, -50, -60}) {
        const int y = yTop + (yBottom - yTop) * (6 - dB) / 66;
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

// Master on: the state in a word, on a teal face while the master is on.
template <bool bOn, Face face>
void PaintMasterOn(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    const char* szWord = bOn ? (bChinese ? "开" : "ON") : (bChinese ? "关" : "OFF");
    skin::PaintButtonFace(dc, wxRect(size), face, wxString::FromUTF8(szWord), bChinese);
}

constexpr int kOnW = 75, kOnH = 22;

constexpr SkinArt kOutputSkins[] = {
    {357, kMasterChannelW, kMasterChannelH, PaintMasterChannel},
    {358, kMasterThumbW, kMasterThumbH, PaintThumb<Face::Normal>},
    {282, kMasterThumbW, kMasterThumbH, PaintThumb<Face::Checked>},
    {526, kOnW, kOnH, PaintMasterOn<true, Face::Checked>},
    {527, kOnW, kOnH, PaintMasterOn<true, Face::CheckedHover>},
    {528, kOnW, kOnH, PaintMasterOn<true, Face::CheckedPressed>},
    {529, kOnW, kOnH, PaintMasterOn<false, Face::Normal>},
    {530, kOnW, kOnH, PaintMasterOn<false, Face::Hover>},
    {531, kOnW, kOnH, PaintMasterOn<false, Face::Pressed>},
};
}  // namespace

void RegisterOutputSkins()
{
    RegisterSkins(kOutputSkins);
}
