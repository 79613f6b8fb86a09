// Faces of the main view's top bar and the page grounds. The bar is a flat navy strip, so each
// face paints its corners in the bar's colour and sits on it seamlessly.
#include "res/ViewSkins.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <algorithm>
#include <array>
#include <memory>

#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using skin::Face;

const wxColour& BarGround()
{
    return skin::kPageTop;
}

struct BarLabel {
    const char* szEnglish;
    const char* szChinese;
};

enum LabelIndex { kInputPage, kOutputPage, kLevelPage, kHiLevel, kPhone, kAux1, kPreset, kTools, kConnect, kDisconnect, kSystem };

constexpr BarLabel kLabels[] = {
    {"Music Input", "音乐输入"}, {"Output", "输出"}, {"Level & Delay", "电平与延时"}, {"Hi.Level", "高电平"},
    {"Phone", "手机"},           {"AUX1", "AUX1"},  {"Preset", "场景"},              {"Tools", "工具"},
    {"Connect", "连接"},         {"Disconnect", "断开"}, {"System", "系统"},
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
    const BarLabel& label = kLabels[nLabel];
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
constexpr int kInW = 64, kBarH = 28;
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
    {273, 32, 32, PaintAppIcon},
    {285, kViewWidth, kViewHeight, PaintViewBack},
    {756, 176, 56, PaintLogo<kEnglish>},
    {757, 176, 56, PaintLogo<kChinese>},
    // Page selectors: output 2561, music input 2562, level and delay 2563.
    {4300, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Normal, kEnglish>},
    {4301, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Hover, kEnglish>},
    {4302, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Checked, kEnglish>},
    {4303, kSelW, kSelH, PaintBarButton<kInputPage, Face::Normal, kEnglish>},
    {4304, kSelW, kSelH, PaintBarButton<kInputPage, Face::Hover, kEnglish>},
    {4305, kSelW, kSelH, PaintBarButton<kInputPage, Face::Checked, kEnglish>},
    {4306, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Normal, kEnglish>},
    {4307, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Hover, kEnglish>},
    {4308, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Checked, kEnglish>},
    {4310, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Normal, kChinese>},
    {4311, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Hover, kChinese>},
    {4312, kSelW, kSelH, PaintBarButton<kOutputPage, Face::Checked, kChinese>},
    {4313, kSelW, kSelH, PaintBarButton<kInputPage, Face::Normal, kChinese>},
    {4314, kSelW, kSelH, PaintBarButton<kInputPage, Face::Hover, kChinese>},
    {4315, kSelW, kSelH, PaintBarButton<kInputPage, Face::Checked, kChinese>},
    {4316, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Normal, kChinese>},
    {4317, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Hover, kChinese>},
    {4318, kSelW, kSelH, PaintBarButton<kLevelPage, Face::Checked, kChinese>},
    // Quick input select: Hi.Level 2826 (1), Phone 2827 (2), AUX1 2818 (3).
    {8101, kInW, kBarH, PaintBarButton<kHiLevel, Face::Normal, kEnglish>},
    {8111, kInW, kBarH, PaintBarButton<kHiLevel, Face::Hover, kEnglish>},
    {8121, kInW, kBarH, PaintBarButton<kHiLevel, Face::Checked, kEnglish>},
    {8102, kInW, kBarH, PaintBarButton<kPhone, Face::Normal, kEnglish>},
    {8112, kInW, kBarH, PaintBarButton<kPhone, Face::Hover, kEnglish>},
    {8122, kInW, kBarH, PaintBarButton<kPhone, Face::Checked, kEnglish>},
    {8103, kInW, kBarH, PaintBarButton<kAux1, Face::Normal, kEnglish>},
    {8113, kInW, kBarH, PaintBarButton<kAux1, Face::Hover, kEnglish>},
    {8123, kInW, kBarH, PaintBarButton<kAux1, Face::Checked, kEnglish>},
    {8131, kInW, kBarH, PaintBarButton<kHiLevel, Face::Normal, kChinese>},
    {8141, kInW, kBarH, PaintBarButton<kHiLevel, Face::Hover, kChinese>},
    {8151, kInW, kBarH, PaintBarButton<kHiLevel, Face::Checked, kChinese>},
    {8132, kInW, kBarH, PaintBarButton<kPhone, Face::Normal, kChinese>},
    {8142, kInW, kBarH, PaintBarButton<kPhone, Face::Hover, kChinese>},
    {8152, kInW, kBarH, PaintBarButton<kPhone, Face::Checked, kChinese>},
    {8133, kInW, kBarH, PaintBarButton<kAux1, Face::Normal, kChinese>},
    {8143, kInW, kBarH, PaintBarButton<kAux1, Face::Hover, kChinese>},
    {8153, kInW, kBarH, PaintBarButton<kAux1, Face::Checked, kChinese>},
    // Pop-up buttons: preset 8801, tools 8802 (normal; every other state).
    {8701, kPopW, kBarH, PaintBarButton<kPreset, Face::Normal, kChinese>},
    {8710, kPopW, kBarH, PaintBarButton<kPreset, Face::Hover, kChinese>},
    {8702, kPopW, kBarH, PaintBarButton<kTools, Face::Normal, kChinese>},
    {8711, kPopW, kBarH, PaintBarButton<kTools, Face::Hover, kChinese>},
    {8720, kPopW, kBarH, PaintBarButton<kPreset, Face::Normal, kEnglish>},
    {8730, kPopW, kBarH, PaintBarButton<kPreset, Face::Hover, kEnglish>},
    {8721, kPopW, kBarH, PaintBarButton<kTools, Face::Normal, kEnglish>},
    {8731, kPopW, kBarH, PaintBarButton<kTools, Face::Hover, kEnglish>},
    // Connect button 1413: "Connect" while not connected, "Disconnect" (teal) while connected.
    {8751, kConW, kBarH, PaintBarButton<kConnect, Face::Normal, kChinese>},
    {8740, kConW, kBarH, PaintBarButton<kConnect, Face::Hover, kChinese>},
    {8741, kConW, kBarH, PaintBarButton<kDisconnect, Face::Checked, kChinese>},
    {8750, kConW, kBarH, PaintBarButton<kDisconnect, Face::CheckedHover, kChinese>},
    {8753, kConW, kBarH, PaintBarButton<kConnect, Face::Normal, kEnglish>},
    {8742, kConW, kBarH, PaintBarButton<kConnect, Face::Hover, kEnglish>},
    {8743, kConW, kBarH, PaintBarButton<kDisconnect, Face::Checked, kEnglish>},
    {8752, kConW, kBarH, PaintBarButton<kDisconnect, Face::CheckedHover, kEnglish>},
    // Preset name 2770: disabled faces, unchecked and checked.
    {718, 240, kBarH, PaintPresetName<false>},
    {716, 240, kBarH, PaintPresetName<true>},
    // Minimise 2772 and close 2773.
    {4946, 28, kBarH, PaintWindowButton<false, false>},
    {4947, 28, kBarH, PaintWindowButton<false, true>},
    {4948, 28, kBarH, PaintWindowButton<true, false>},
    {4949, 28, kBarH, PaintWindowButton<true, true>},
    // "System" 8803.
    {kSystemFaceBase, kPopW, kBarH, PaintBarButton<kSystem, Face::Normal, kAsked>},
    {kSystemFaceBase + 1, kPopW, kBarH, PaintBarButton<kSystem, Face::Hover, kAsked>},
    {kSystemFaceBase + 2, kPopW, kBarH, PaintBarButton<kSystem, Face::Pressed, kAsked>},
    // Page grounds: each page draws its own (res/InputSkins.cpp, res/OutputSkins.cpp,
    // res/LevelSkins.cpp).
};
}  // namespace

void RegisterViewSkins()
{
    RegisterSkins(kViewSkins);
    for (const auto& faces : {kMode1Faces, kMode2Faces, kMode3Faces, kMode4Faces})
        RegisterSkins(faces);
}
