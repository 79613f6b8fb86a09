// Faces of the level and delay page. Sizes are the controls' sizes on the page
// (pages/Level_Delay_DlgLayout.h); every face sits on the page's panel ground.
#include "res/LevelSkins.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <array>
#include <memory>
#include <string>

#include "model/SpeakerRole.h"
#include "pages/Level_Delay_DlgIds.h"
#include "pages/Level_Delay_DlgLayout.h"
#include "res/Fonts.h"
#include "res/InputNames.h"
#include "res/PngImages.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"
#include "res/ViewSkins.h"

namespace {
using skin::Face;
using namespace Level_Delay_DlgIds;
namespace L = Level_Delay_DlgLayout;

// The language of a face: fixed by its id, or the one asked for.
enum Lang { kEnglish, kChinese, kAsked };

bool Chinese(int nLang, bool bAsked)
{
    return nLang == kAsked ? bAsked : nLang == kChinese;
}

wxString Text(bool bChinese, const char* szEnglish, const char* szChinese)
{
    return wxString::FromUTF8(bChinese ? szChinese : szEnglish);
}

wxRect RectOf(const L::Box& b)
{
    return {b.x, b.y, b.cx, b.cy};
}

// ---- The ground ----

void PaintPanelTitle(wxDC& dc, const wxRect& rc, const wxString& strTitle, bool bChinese)
{
    skin::PaintLabel(dc, rc, strTitle, skin::kLabel, bChinese, 13, true, wxALIGN_CENTER);
}

// The car seen from above, front at the top: body, wheels, windscreen, seats, rear window.
void PaintCar(wxDC& dc, bool bChinese)
{
    const wxRect rcBody = RectOf(L::kCarBody);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    const wxColour body = skin::kPanel.ChangeLightness(112);
    const wxColour line = skin::kPanelFrame.ChangeLightness(115);
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->SetBrush(wxBrush(skin::kPageTop));
    for (const int y : {104, 440})
        for (const int x : {rcBody.x - 8, rcBody.GetRight() - 1})
            gc->DrawRoundedRectangle(x, y, 10, 64, 3);
    gc->SetPen(wxPen(line, 2));
    gc->SetBrush(wxBrush(body));
    gc->DrawRoundedRectangle(rcBody.x, rcBody.y, rcBody.width, rcBody.height, 56);

    gc->SetPen(wxPen(line, 1));
    gc->SetBrush(*wxTRANSPARENT_BRUSH);
    const double xl = rcBody.x + 40, xr = rcBody.GetRight() - 40;
    // Windscreen and rear window: gentle arcs across the body.
    wxGraphicsPath front = gc->CreatePath();
    front.MoveToPoint(xl, 236);
    front.AddQuadCurveToPoint((xl + xr) / 2, 206, xr, 236);
    gc->StrokePath(front);
    wxGraphicsPath rear = gc->CreatePath();
    rear.MoveToPoint(xl, 500);
    rear.AddQuadCurveToPoint((xl + xr) / 2, 520, xr, 500);
    gc->StrokePath(rear);
    // Front seats and the rear bench.
    gc->SetBrush(wxBrush(skin::kPanel));
    gc->DrawRoundedRectangle(160, 262, 78, 86, 10);
    gc->DrawRoundedRectangle(298, 262, 78, 86, 10);
    gc->DrawRoundedRectangle(160, 372, 216, 58, 10);

    skin::PaintLabel(dc, wxRect(rcBody.x, rcBody.y + 4, rcBody.width, 14), Text(bChinese, "FRONT", "前"),
                     skin::kLabelDim, bChinese, 10);
    skin::PaintLabel(dc, wxRect(rcBody.x, rcBody.GetBottom() - 17, rcBody.width, 14), Text(bChinese, "REAR", "后"),
                     skin::kLabelDim, bChinese, 10);
}

template <int nLang>
void PaintLevelBack(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    skin::PaintPageGround(dc, wxRect(size));
    for (const L::Box& box : {L::kPlanPanel, L::kInputPanel, L::kOutputPanel})
        skin::PaintPanel(dc, RectOf(box));

    // The car plan.
    PaintPanelTitle(dc, wxRect(L::kPlanPanel.x, L::kTitleY, L::kPlanPanel.cx, 18),
                    Text(bCn, "Speaker Positions and Delays", "扬声器位置与延时"), bCn);
    PaintCar(dc, bCn);
    skin::PaintLabel(dc, RectOf(L::kUnitLabel), Text(bCn, "Delay unit", "延时单位"), skin::kLabelDim, bCn, 12, false,
                     wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);

    // Master and music inputs, a rule between them.
    PaintPanelTitle(dc, wxRect(L::kMasterColX, L::kTitleY, L::kMasterColW, 18), Text(bCn, "Master", "总音量"), bCn);
    PaintPanelTitle(dc, wxRect(L::kInputColX, L::kTitleY, 6 * L::kInputColW, 18),
                    Text(bCn, "Music Input Levels", "音乐输入电平"), bCn);
    dc.SetPen(wxPen(skin::kPanelFrame));
    const int xRule = (L::kMasterColX + L::kMasterColW + L::kInputColX) / 2;
    dc.DrawLine(xRule, L::kInputPanel.y + 10, xRule, L::kInputPanel.y + L::kInputPanel.cy - 10);

    // Outputs: a label over each column.
    for (int n = 0; n < 8; ++n) {
        const wxRect rc(L::kOutColX + n * L::kOutColW, L::kOutLabelY, L::kOutColW, 18);
        const wxString strLabel = bCn ? wxString::FromUTF8("输出") + wxString::Format(wxS("%d"), n + 1)
                                      : wxString::Format(wxS("CH%d"), n + 1);
        skin::PaintLabel(dc, rc, strLabel, skin::kLabel, bCn, 13, true);
    }
}

// ---- Faders: a dB scale left of the thumb's travel ----

// An input's or an output's fader: 0..600 shown as -60..0 dB, the thumb's centre nMarginTop +
// half a thumb below the top at 0 dB.
template <int nScaleW, int nMarginTop, int nMarginBottom>
void PaintLevelChannel(wxDC& dc, const wxSize& size, bool bChinese)
{
    constexpr int kThumbW = 26, kThumbH = 13;
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintFaderChannel(dc, wxRect(nScaleW, 0, kThumbW, size.y), false);
    const int yTop = nMarginTop + kThumbH / 2;
    const int nSpan = size.y - nMarginTop - nMarginBottom - kThumbH;
    dc.SetPen(wxPen(skin::kLabelDim));
    for (const int dB : {0, -10, -20, -30, -40, -50, -60}) {
        const int y = yTop + nSpan * (0 - dB) / 60;
        dc.DrawLine(nScaleW - 5, y, nScaleW - 1, y);
        skin::PaintLabel(dc, wxRect(0, y - 6, nScaleW - 6, 12), wxString::Format(wxS("%d"), dB), skin::kLabelDim,
                         bChinese, 9, false, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    }
}

template <Face face>
void PaintThumb(wxDC& dc, const wxSize& size, bool)
{
    skin::PaintFaderThumb(dc, wxRect(size), face);
}

// ---- Buttons ----

void PaintWordButton(wxDC& dc, const wxSize& size, Face face, const wxString& strWord, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, strWord, bChinese);
}

// The master switch: "ON" on teal while the sound is on.
template <int nLang, Face face>
void PaintMasterSwitch(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    const bool bOn = face == Face::Checked || face == Face::CheckedHover || face == Face::CheckedPressed;
    PaintWordButton(dc, size, face, bOn ? Text(bCn, "ON", "开") : Text(bCn, "OFF", "关"), bCn);
}

constexpr const char* kUnitWords[3][2] = {{"ms", "毫秒"}, {"cm", "厘米"}, {"inch", "英寸"}};

template <int nLang, int nUnit, Face face>
void PaintUnit(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    PaintWordButton(dc, size, face, Text(bCn, kUnitWords[nUnit][0], kUnitWords[nUnit][1]), bCn);
}

// An input button; the checked face while the processor reports no input carries a red frame.
template <int nLang, int nInput, Face face, bool bNoInput>
void PaintInput(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    const LangName& name = kInputNames[nInput];
    PaintWordButton(dc, size, face, Text(bCn, name.szEnglish, name.szChinese), bCn);
    if (!bNoInput)
        return;
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    gc->SetPen(wxPen(skin::kWarning, 2));
    gc->SetBrush(*wxTRANSPARENT_BRUSH);
    gc->DrawRoundedRectangle(1, 1, size.x - 2, size.y - 2, 3.5);
}

// A role's name on the role face (a disabled button: it only shows).
template <int nLang, int nRole>
void PaintRole(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    std::string strName = SpeakerRoleName(nRole, bCn);
    if (const auto at = strName.find("&&"); at != std::string::npos)
        strName.erase(at, 1);  // a menu's escaped ampersand
    const wxRect rc(size);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (gc) {
        gc->SetPen(wxPen(nRole == 0 ? skin::kPanelFrame : skin::kTeal));
        gc->SetBrush(wxBrush(skin::kPanel.ChangeLightness(nRole == 0 ? 100 : 115)));
        gc->DrawRoundedRectangle(0.5, 0.5, size.x - 1, size.y - 1, 3);
    }
    skin::PaintLabel(dc, rc, wxString::FromUTF8(strName), nRole == 0 ? skin::kLabelDim : skin::kLabel, bCn,
                     bCn ? 12 : 11);
}

void PaintLinkLr(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), Face::Checked, Text(bChinese, "L/R linked", "左右联调"), bChinese, 12);
}

// ---- The tables ----

constexpr int kThumbW = 26, kThumbH = 13;

template <int nLang, int nBase>
constexpr std::array<SkinArt, 6> MasterFaces()
{
    constexpr int w = L::kMasterOnW, h = L::kInputButtonH;
    return {{
        {nBase, w, h, PaintMasterSwitch<nLang, Face::Normal>},
        {nBase + 1, w, h, PaintMasterSwitch<nLang, Face::Hover>},
        {nBase + 2, w, h, PaintMasterSwitch<nLang, Face::Pressed>},
        {nBase + 3, w, h, PaintMasterSwitch<nLang, Face::Checked>},
        {nBase + 4, w, h, PaintMasterSwitch<nLang, Face::CheckedHover>},
        {nBase + 5, w, h, PaintMasterSwitch<nLang, Face::CheckedPressed>},
    }};
}

template <int nLang, int nBase, int... nUnits>
constexpr std::array<SkinArt, 9> UnitFaces(std::integer_sequence<int, nUnits...>)
{
    constexpr int w = L::kUnitW, h = L::kUnitH;
    return {{
        {nBase + 3 * nUnits, w, h, PaintUnit<nLang, nUnits, Face::Normal>}...,
        {nBase + 3 * nUnits + 1, w, h, PaintUnit<nLang, nUnits, Face::Hover>}...,
        {nBase + 3 * nUnits + 2, w, h, PaintUnit<nLang, nUnits, Face::Checked>}...,
    }};
}

template <int nLang, int nBase, int... nInputs>
constexpr std::array<SkinArt, 24> InputFaces(std::integer_sequence<int, nInputs...>)
{
    constexpr int w = L::kInputButtonW, h = L::kInputButtonH;
    return {{
        {nBase + nInputs, w, h, PaintInput<nLang, nInputs, Face::Normal, false>}...,
        {nBase + 10 + nInputs, w, h, PaintInput<nLang, nInputs, Face::Hover, false>}...,
        {nBase + 20 + nInputs, w, h, PaintInput<nLang, nInputs, Face::Checked, false>}...,
        {nBase + 30 + nInputs, w, h, PaintInput<nLang, nInputs, Face::Checked, true>}...,
    }};
}

// Role 0 of the English set is also the no-role face, so it is drawn in the language asked for.
template <int nLang, int nBase, int... nRoles>
constexpr std::array<SkinArt, 25> RoleFaces(std::integer_sequence<int, nRoles...>)
{
    constexpr int w = L::kRoleFaceW, h = L::kRoleFaceH;
    return {{{nBase + nRoles, w, h, PaintRole<(nRoles == 0 ? kAsked : nLang), nRoles>}...}};
}

constexpr auto kMasterEn = MasterFaces<kEnglish, IDB_MASTER_ON_EN>();
constexpr auto kMasterCn = MasterFaces<kChinese, IDB_MASTER_ON_CN>();
constexpr auto kUnitEn = UnitFaces<kEnglish, IDB_UNIT_EN>(std::make_integer_sequence<int, 3>());
constexpr auto kUnitCn = UnitFaces<kChinese, IDB_UNIT_CN>(std::make_integer_sequence<int, 3>());
constexpr auto kInputEn = InputFaces<kEnglish, IDB_INPUT_EN>(std::make_integer_sequence<int, 6>());
constexpr auto kInputCn = InputFaces<kChinese, IDB_INPUT_CN>(std::make_integer_sequence<int, 6>());
constexpr auto kRoleEn = RoleFaces<kEnglish, IDB_ROLE_EN>(std::make_integer_sequence<int, 25>());
constexpr auto kRoleCn = RoleFaces<kChinese, IDB_ROLE_CN>(std::make_integer_sequence<int, 25>());

constexpr SkinArt kLevelSkins[] = {
    {IDB_BACK_EN, kPageWidth, kPageHeight, PaintLevelBack<kEnglish>},
    {IDB_BACK_CN, kPageWidth, kPageHeight, PaintLevelBack<kChinese>},
    {IDB_INPUT_CHANNEL, L::kInputSliderW, L::kInputSliderH, PaintLevelChannel<L::kInputThumbX, 0, 2>},
    {IDB_INPUT_THUMB, kThumbW, kThumbH, PaintThumb<Face::Normal>},
    {IDB_OUT_CHANNEL, L::kOutSliderW, L::kOutSliderH, PaintLevelChannel<L::kOutThumbX, L::kOutThumbEnds, L::kOutThumbEnds>},
    {IDB_LINK_LR, L::kLinkLr.cx, L::kLinkLr.cy, PaintLinkLr},
};

// ---- PNG faces: positions and links, see-through around a round badge ----

constexpr const char* kKindLetters[7] = {"T", "M", "W", "MT", "MW", "F", "S"};

void PaintBadge(wxGraphicsContext& gc, const wxSize& size, int nState, const wxString& strText)
{
    const wxColour base{70, 86, 114};
    const wxColour fill = nState == 2 ? skin::kTeal : (nState == 1 ? base.ChangeLightness(130) : base);
    gc.SetPen(wxPen(nState == 2 ? *wxWHITE : skin::kLabelDim, 1));
    gc.SetBrush(wxBrush(fill));
    gc.DrawEllipse(1, 1, size.x - 2, size.y - 2);
    gc.SetFont(LabelFont(strText.length() > 1 ? 10 : 12, true, false), nState == 0 ? skin::kLabel : *wxWHITE);
    double w = 0, h = 0;
    gc.GetTextExtent(strText, &w, &h);
    gc.DrawText(strText, (size.x - w) / 2, (size.y - h) / 2);
}

template <int nKind, int nState>
void PaintPosition(wxGraphicsContext& gc, const wxSize& size)
{
    PaintBadge(gc, size, nState, wxString::FromUTF8(kKindLetters[nKind]));
}

// Two chain links; linked: white links on teal.
template <bool bLinked, int nState>
void PaintLink(wxGraphicsContext& gc, const wxSize& size)
{
    const wxColour base{70, 86, 114};
    wxColour fill = bLinked ? skin::kTeal : base;
    if (nState == 1)
        fill = fill.ChangeLightness(125);
    if (nState == 2)
        fill = fill.ChangeLightness(85);
    gc.SetPen(wxPen(skin::kPanelFrame, 1));
    gc.SetBrush(wxBrush(fill));
    gc.DrawEllipse(0.5, 0.5, size.x - 1, size.y - 1);
    gc.SetPen(wxPen(bLinked ? *wxWHITE : skin::kLabelDim, 2));
    gc.SetBrush(*wxTRANSPARENT_BRUSH);
    const double w = size.x * 0.42, h = size.y * 0.26;
    const double y = (size.y - h) / 2;
    gc.DrawRoundedRectangle(size.x * 0.16, y, w, h, h / 2);
    gc.DrawRoundedRectangle(size.x * 0.84 - w, y, w, h, h / 2);
}

template <int... nKinds>
constexpr std::array<PngArt, 21> PositionFaces(std::integer_sequence<int, nKinds...>)
{
    constexpr int s = L::kIconSize;
    return {{
        {IDP_POSITION + 3 * nKinds, s, s, PaintPosition<nKinds, 0>}...,
        {IDP_POSITION + 3 * nKinds + 1, s, s, PaintPosition<nKinds, 1>}...,
        {IDP_POSITION + 3 * nKinds + 2, s, s, PaintPosition<nKinds, 2>}...,
    }};
}

constexpr auto kPositionPngs = PositionFaces(std::make_integer_sequence<int, 7>());
constexpr int kLink = L::kLinkSize;
constexpr PngArt kLinkPngs[] = {
    {IDP_LINK, kLink, kLink, PaintLink<false, 0>},     {IDP_LINK + 1, kLink, kLink, PaintLink<false, 1>},
    {IDP_LINK + 2, kLink, kLink, PaintLink<false, 2>}, {IDP_LINK + 3, kLink, kLink, PaintLink<true, 0>},
    {IDP_LINK + 4, kLink, kLink, PaintLink<true, 1>},  {IDP_LINK + 5, kLink, kLink, PaintLink<true, 2>},
};
}  // namespace

void LevelSkinTables(const SkinTableSink& take)
{
    take(kLevelSkins);
    for (const std::span<const SkinArt> faces :
         {std::span<const SkinArt>(kMasterEn),
          std::span<const SkinArt>(kMasterCn), std::span<const SkinArt>(kUnitEn), std::span<const SkinArt>(kUnitCn),
          std::span<const SkinArt>(kInputEn), std::span<const SkinArt>(kInputCn), std::span<const SkinArt>(kRoleEn),
          std::span<const SkinArt>(kRoleCn)})
        take(faces);
}

void LevelPngTables(const PngTableSink& take)
{
    take(kPositionPngs);
    take(kLinkPngs);
}
