// The program's faces, by area. An area adds its table here.
#include <wx/dc.h>

#include "pages/OutputDlgIds.h"
#include "res/AdvSkins.h"
#include "res/InputSkins.h"
#include "res/LevelSkins.h"
#include "res/OutputSkins.h"
#include "res/PngImages.h"
#include "res/SharedSkins.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"
#include "res/ViewSkins.h"

namespace {
// About box logo: a sound wave over the program's name.
void PaintAboutLogo(wxDC& dc, const wxSize& size, bool bChinese)
{
    const wxRect rc(size);
    skin::PaintPageGround(dc, rc);
    dc.SetPen(wxPen(skin::kTeal, 3));
    const int nMid = size.y * 2 / 5;
    wxPoint points[9];
    for (int i = 0; i < 9; ++i) {
        static constexpr int kAmplitude[9] = {0, -6, 10, -14, 16, -12, 8, -4, 0};
        points[i] = wxPoint(6 + i * (size.x - 12) / 8, nMid + kAmplitude[i] * size.y / 64);
    }
    dc.DrawSpline(9, points);
    skin::PaintLabel(dc, wxRect(0, size.y * 5 / 8, size.x, size.y * 3 / 8), wxS("Tarvi"), skin::kLabel, bChinese, 12, true);
}

// Link icon of the output EQ graph (and the output page's link picture): two chain links on the
// graph's black ground.
void PaintLinkIcon(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(skin::kTeal, 2));
    const int w = size.x * 5 / 8;
    const int h = size.y - 4;
    dc.DrawRoundedRectangle(2, 2, w, h, h / 2.0);
    dc.SetPen(wxPen(skin::kLabel, 2));
    dc.DrawRoundedRectangle(size.x - 2 - w, 2, w, h, h / 2.0);
}

constexpr SkinArt kCommonSkins[] = {
    {275, 48, 48, PaintAboutLogo},
};

constexpr SkinArt kEqGraphSkins[] = {
    {OutputDlgIds::IDB_LINK, 28, 16, PaintLinkIcon},
};
}  // namespace

void ForEachProgramSkinTable(const SkinTableSink& take)
{
    take(kCommonSkins);
    take(kEqGraphSkins);
    SharedSkinTables(take);
    ViewSkinTables(take);
    OutputSkinTables(take);
    InputSkinTables(take);
    AdvSkinTables(take);
    LevelSkinTables(take);
}

void ForEachProgramPngTable(const PngTableSink& take)
{
    InputPngTables(take);
    OutputPngTables(take);
    LevelPngTables(take);
}
