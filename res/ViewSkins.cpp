// Faces of the main view's top bar and the page grounds. The bar is a flat navy strip, so each
// face paints its corners in the bar's colour and sits on it seamlessly.
#include "res/ViewSkins.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <algorithm>
#include <array>
#include <memory>

#include "res/InputNames.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using skin::Face;

const wxColour& BarGround()
{
    return skin::kPageTop;
}

enum LabelIndex { kInputPage, kOutputPage, kLevelPage, kPreset, kTools, kConnect, kDisconnect, kSystem };

constexpr LangName kLabels[] = {
    {"Music Input", "音乐输入"}, {"Output", "输出"},       {"Level & Delay", "电平与延时"}, {"Preset", "场景"},
    {"Tools", "工具"},           {"Connect", "连接"},     {"Disconnect", "断开"},         {"System", "系统"},
};

// The language of a face: fixed by its id, or the one asked for.
enum Lang { kEnglish, kChinese, kAsked };

bool Chinese(int nLang, bool bAsked)
{
    return nLang == kAsked ? bAsked : nLang == kChinese;
}

template <int nLabel, Face face, int nLang>
void PaintBarButton(wxDC& dc, const wxSize& size, bool bChinese)
{
    const bool bCn = Chinese(nLang, bChinese);
    dc.SetBackground(wxBrush(BarGround()));
    dc.Clear();
    const LangName& label = kLabels[nLabel];
    skin::PaintButtonFace(dc, wxRect(size), face, wxString::FromUTF8(bCn ? label.szChinese : label.szEnglish), bCn);
}

template <int nMode, Face face>
void PaintModeButton(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(BarGround()));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, wxString::Format(wxS("%d"), nMode + 1), bChinese, 15);
}

// The view's ground: the top bar with thin rules between its groups, a rule under it, and the
// page ground below (which the pages cover).
void PaintViewBack(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(BarGround()));
    dc.Clear();
    skin::PaintPageGround(dc, wxRect(0, kTopBarHeight, size.x, size.y - kTopBarHeight));
    dc.SetPen(wxPen(skin::kPanelFrame));
    dc.DrawLine(0, kTopBarHeight - 1, size.x, kTopBarHeight - 1);
    for (int x : {196, 544, 760, 1016})
        dc.DrawLine(x, 14, x, kTopBarHeight - 14);
}

// A sound wave in a teal tile: the program's mark.
void PaintWaveTile(wxDC& dc, const wxRect& rcTile)
{
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->SetBrush(gc->CreateLinearGradientBrush(0, rcTile.y, 0, rcTile.GetBottom(), skin::kTeal.ChangeLightness(120),
                                               skin::kTeal));
    gc->DrawRoundedRectangle(rcTile.x, rcTile.y, rcTile.width, rcTile.height, rcTile.width / 7.0);
    static constexpr int kLevels[] = {6, 14, 22, 12, 18, 8};
    gc->SetPen(wxPen(*wxWHITE, std::max(2, rcTile.width / 14), wxPENSTYLE_SOLID));
    const double dStep = rcTile.width / 7.0;
    for (int i = 0; i < 6; ++i) {
        const double x = rcTile.x + dStep * (i + 1);
        const double h = kLevels[i] * rcTile.height / 32.0;
        gc->StrokeLine(x, rcTile.y + (rcTile.height - h) / 2, x, rcTile.y + (rcTile.height + h) / 2);
    }
}

// The program's icon.
void PaintAppIcon(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(BarGround()));
    dc.Clear();
    PaintWaveTile(dc, wxRect(size));
}

// The logo: a sound wave in a teal tile, the program's name and a line under it.
template <int nLang>
void PaintLogo(wxDC& dc, const wxSize& size, bool bChinese)
{
    const bool bCn = Chinese(nLang, bChinese);
    dc.SetBackground(wxBrush(BarGround()));
    dc.Clear();
    const int nTile = size.y - 12;
    PaintWaveTile(dc, wxRect(0, 6, nTile, nTile));
    const int x = nTile + 10;
    skin::PaintLabel(dc, wxRect(x, 4, size.x - x, 26), wxS("Tarvi"), *wxWHITE, false, 24, true, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    skin::PaintLabel(dc, wxRect(x, 30, size.x - x, 18), wxString::FromUTF8(bCn ? "音频处理器调试" : "Audio Processor"),
                     skin::kLabelDim, bCn, 12, false, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

// The preset-name field: a panel whose left part holds its caption; the name is the button's
// text, drawn from x 55. Checked while a name is shown: the caption turns teal.
template <bool bChecked>
void PaintPresetName(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(BarGround()));
    dc.Clear();
    skin::PaintPanel(dc, wxRect(size));
    const wxRect rcCaption(0, 0, 50, size.y);
    skin::PaintLabel(dc, rcCaption, wxString::FromUTF8(bChinese ? "名称" : "Name"), bChecked ? skin::kTeal.ChangeLightness(150) : skin::kLabelDim,
                     bChinese, 12, bChecked);
    dc.SetPen(wxPen(skin::kPanelFrame));
    dc.DrawLine(50, 5, 50, size.y - 5);
}

// Minimise and close: a bare glyph; hovered, on a face (red for close).
template <bool bClose, bool bHover>
void PaintWindowButton(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(BarGround()));
    dc.Clear();
    if (bHover) {
        std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
        if (bClose && gc) {
            gc->SetPen(*wxTRANSPARENT_PEN);
            gc->SetBrush(wxBrush(skin::kWarning));
            gc->DrawRoundedRectangle(0, 0, size.x, size.y, 4);
        } else {
            skin::PaintButtonFace(dc, wxRect(size), Face::Hover, {}, bChinese);
        }
    }
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    gc->SetPen(wxPen(bHover ? *wxWHITE : skin::kLabel, 2));
    const double c = size.x / 2.0;
    const double m = size.y / 2.0;
    if (bClose) {
        gc->StrokeLine(c - 6, m - 6, c + 6, m + 6);
        gc->StrokeLine(c - 6, m + 6, c + 6, m - 6);
    } else {
        gc->StrokeLine(c - 6, m + 5, c + 6, m + 5);
    }
}


constexpr int kSelW = 108, kSelH = 32;
constexpr int kBarH = 28;
constexpr int kPopW = 68, kConW = 108, kModeW = 44;

// The six faces of mode button nMode: normal, hover, pressed, then the same as the current mode.
template <int nMode>
constexpr std::array<SkinArt, kModeFacesPerMode> ModeFaces()
{
    constexpr int nBase = kModeFaceBase + nMode * kModeFacesPerMode;
    return {{
        {nBase, kModeW, kBarH, PaintModeButton<nMode, Face::Normal>},
        {nBase + 1, kModeW, kBarH, PaintModeButton<nMode, Face::Hover>},
        {nBase + 2, kModeW, kBarH, PaintModeButton<nMode, Face::Pressed>},
        {nBase + 3, kModeW, kBarH, PaintModeButton<nMode, Face::Checked>},
        {nBase + 4, kModeW, kBarH, PaintModeButton<nMode, Face::CheckedHover>},
        {nBase + 5, kModeW, kBarH, PaintModeButton<nMode, Face::CheckedPressed>},
    }};
}

constexpr auto kMode1Faces = ModeFaces<0>();
constexpr auto kMode2Faces = ModeFaces<1>();
constexpr auto kMode3Faces = ModeFaces<2>();
constexpr auto kMode4Faces = ModeFaces<3>();

constexpr SkinArt kViewSkins[] = {
    {IDB_APP_ICON, 32, 32, PaintAppIcon},
    {IDB_VIEW_BACK, kViewWidth, kViewHeight, PaintViewBack},
    {IDB_LOGO_EN, 176, 56, PaintLogo<kEnglish>},
    {IDB_LOGO_CN, 176, 56, PaintLogo<kChinese>},
    // Page selectors: output, music input, level and delay.
    {IDB_PAGE_OUTPUT_EN, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Normal, kEnglish>},
    {IDB_PAGE_OUTPUT_EN + 1, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Hover, kEnglish>},
    {IDB_PAGE_OUTPUT_EN + 2, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Checked, kEnglish>},
    {IDB_PAGE_INPUT_EN, kSelW, kSelH, PaintBarButton<kInputPage, Face::Normal, kEnglish>},
    {IDB_PAGE_INPUT_EN + 1, kSelW, kSelH, PaintBarButton<kInputPage, Face::Hover, kEnglish>},
    {IDB_PAGE_INPUT_EN + 2, kSelW, kSelH, PaintBarButton<kInputPage, Face::Checked, kEnglish>},
    {IDB_PAGE_LEVEL_EN, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Normal, kEnglish>},
    {IDB_PAGE_LEVEL_EN + 1, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Hover, kEnglish>},
    {IDB_PAGE_LEVEL_EN + 2, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Checked, kEnglish>},
    {IDB_PAGE_OUTPUT_CN, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Normal, kChinese>},
    {IDB_PAGE_OUTPUT_CN + 1, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Hover, kChinese>},
    {IDB_PAGE_OUTPUT_CN + 2, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Checked, kChinese>},
    {IDB_PAGE_INPUT_CN, kSelW, kSelH, PaintBarButton<kInputPage, Face::Normal, kChinese>},
    {IDB_PAGE_INPUT_CN + 1, kSelW, kSelH, PaintBarButton<kInputPage, Face::Hover, kChinese>},
    {IDB_PAGE_INPUT_CN + 2, kSelW, kSelH, PaintBarButton<kInputPage, Face::Checked, kChinese>},
    {IDB_PAGE_LEVEL_CN, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Normal, kChinese>},
    {IDB_PAGE_LEVEL_CN + 1, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Hover, kChinese>},
    {IDB_PAGE_LEVEL_CN + 2, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Checked, kChinese>},
    // The quick input select buttons have the music input page's input select faces
    // (res/SharedSkins.cpp).
    {IDB_PRESET_MENU_CN, kPopW, kBarH, PaintBarButton<kPreset, Face::Normal, kChinese>},
    {IDB_PRESET_MENU_HOVER_CN, kPopW, kBarH, PaintBarButton<kPreset, Face::Hover, kChinese>},
    {IDB_TOOLS_MENU_CN, kPopW, kBarH, PaintBarButton<kTools, Face::Normal, kChinese>},
    {IDB_TOOLS_MENU_HOVER_CN, kPopW, kBarH, PaintBarButton<kTools, Face::Hover, kChinese>},
    {IDB_PRESET_MENU_EN, kPopW, kBarH, PaintBarButton<kPreset, Face::Normal, kEnglish>},
    {IDB_PRESET_MENU_HOVER_EN, kPopW, kBarH, PaintBarButton<kPreset, Face::Hover, kEnglish>},
    {IDB_TOOLS_MENU_EN, kPopW, kBarH, PaintBarButton<kTools, Face::Normal, kEnglish>},
    {IDB_TOOLS_MENU_HOVER_EN, kPopW, kBarH, PaintBarButton<kTools, Face::Hover, kEnglish>},
    // Connect button: "Connect" while not connected, "Disconnect" (teal) while connected.
    {IDB_CONNECT_CN, kConW, kBarH, PaintBarButton<kConnect, Face::Normal, kChinese>},
    {IDB_CONNECT_HOVER_CN, kConW, kBarH, PaintBarButton<kConnect, Face::Hover, kChinese>},
    {IDB_CONNECTED_CN, kConW, kBarH, PaintBarButton<kDisconnect, Face::Checked, kChinese>},
    {IDB_CONNECTED_HOVER_CN, kConW, kBarH, PaintBarButton<kDisconnect, Face::CheckedHover, kChinese>},
    {IDB_CONNECT_EN, kConW, kBarH, PaintBarButton<kConnect, Face::Normal, kEnglish>},
    {IDB_CONNECT_HOVER_EN, kConW, kBarH, PaintBarButton<kConnect, Face::Hover, kEnglish>},
    {IDB_CONNECTED_EN, kConW, kBarH, PaintBarButton<kDisconnect, Face::Checked, kEnglish>},
    {IDB_CONNECTED_HOVER_EN, kConW, kBarH, PaintBarButton<kDisconnect, Face::CheckedHover, kEnglish>},
    // Preset name: disabled faces, unchecked and checked.
    {IDB_PRESET_NAME, 240, kBarH, PaintPresetName<false>},
    {IDB_PRESET_NAME_CHECKED, 240, kBarH, PaintPresetName<true>},
    // Minimise and close.
    {IDB_MINIMIZE, 28, kBarH, PaintWindowButton<false, false>},
    {IDB_MINIMIZE + 1, 28, kBarH, PaintWindowButton<false, true>},
    {IDB_CLOSE, 28, kBarH, PaintWindowButton<true, false>},
    {IDB_CLOSE + 1, 28, kBarH, PaintWindowButton<true, true>},
    // "System".
    {kSystemFaceBase, kPopW, kBarH, PaintBarButton<kSystem, Face::Normal, kAsked>},
    {kSystemFaceBase + 1, kPopW, kBarH, PaintBarButton<kSystem, Face::Hover, kAsked>},
    {kSystemFaceBase + 2, kPopW, kBarH, PaintBarButton<kSystem, Face::Pressed, kAsked>},
    // Page grounds: each page draws its own (res/InputSkins.cpp, res/OutputSkins.cpp,
    // res/LevelSkins.cpp).
};
}  // namespace

void ViewSkinTables(const SkinTableSink& take)
{
    take(kViewSkins);
    for (const auto& faces : {kMode1Faces, kMode2Faces, kMode3Faces, kMode4Faces})
        take(faces);
}
