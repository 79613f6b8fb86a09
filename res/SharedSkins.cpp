// Faces that more than one page shows under one id, each drawn once at the one size every page
// that names it places it at (pages/SharedFaceIds.h). The whole-EQ commands, the lamps and the
// plate stand on a panel on both EQ pages; the input select buttons on the music input page's
// panel and, for inputs 1-3, on the main view's top bar.
#include "res/SharedSkins.h"

#include <wx/dc.h>

#include <algorithm>
#include <array>

#include "pages/SharedFaceIds.h"
#include "res/InputNames.h"
#include "res/SkinPaint.h"

namespace {
using namespace SharedFaceIds;
using skin::Face;

// The language of a face, fixed by its id.
enum Lang { kEnglish, kChinese };

wxString Text(const LangName& words, bool bChinese)
{
    return wxString::FromUTF8(bChinese ? words.szChinese : words.szEnglish);
}

enum TextId { kResetEq, kBypassEq, kRestoreEq, kPeqMode, kGeqMode, kWorks, kBypassed, kGain };
constexpr LangName kTexts[] = {
    {"Reset EQ", "重置均衡"}, {"ByPass EQ", "直通均衡"}, {"Restore EQ", "恢复均衡"}, {"PEQMode", "参量均衡模式"},
    {"GEQMode", "图示均衡模式"}, {"ON", "ON"},           {"BY", "BY"},             {"dB", "增益"},
};

// A button with one of the texts, on the panel ground.
template <int nText, Face face, int nLang, int nPixels = 13>
void PaintPanelButton(wxDC& dc, const wxSize& size, bool)
{
    const bool bChinese = nLang == kChinese;
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, Text(kTexts[nText], bChinese), bChinese, nPixels);
}

// The plate over the row captions in the graphic layout: the gain's name beside the gain fields,
// then the scale of the taller faders.
template <int nLang>
void PaintGainRowPlate(wxDC& dc, const wxSize& size, bool)
{
    const bool bChinese = nLang == kChinese;
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintRowCaption(dc, wxRect(0, 0, size.x, kGainRowCaptionH), Text(kTexts[kGain], bChinese), bChinese);
    skin::PaintGainScale(dc, size.x - 4, kGainScaleTop, kGainScaleBottom, bChinese);
}

// The two grounds an input select button stands on: the top bar's and the panel's. Its corners
// take the colour halfway between them, which shows as an edge on neither.
wxColour InputButtonGround()
{
    const wxColour& bar = skin::kPageTop;
    const wxColour& panel = skin::kPanel;
    return {static_cast<unsigned char>((bar.Red() + panel.Red()) / 2),
            static_cast<unsigned char>((bar.Green() + panel.Green()) / 2),
            static_cast<unsigned char>((bar.Blue() + panel.Blue()) / 2)};
}

// An input select button; while the processor reports no input, the checked one carries a red
// bar under its name.
template <int nInput, Face face, int nLang, bool bNoInput = false>
void PaintInputButton(wxDC& dc, const wxSize& size, bool)
{
    const bool bChinese = nLang == kChinese;
    dc.SetBackground(wxBrush(InputButtonGround()));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, Text(InputButtonName(nInput), bChinese), bChinese, 13);
    if (!bNoInput)
        return;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(skin::kWarning));
    dc.DrawRectangle(8, size.y - 6, size.x - 16, 3);
}

template <int n>
constexpr std::array<SkinArt, 8> InputButtonFaces()
{
    constexpr int w = kInputButtonW, h = kInputButtonH;
    return {{
        {IDB_INPUT_BUTTON_EN + n, w, h, PaintInputButton<n, Face::Normal, kEnglish>},
        {IDB_INPUT_BUTTON_EN + 10 + n, w, h, PaintInputButton<n, Face::Hover, kEnglish>},
        {IDB_INPUT_BUTTON_EN + 20 + n, w, h, PaintInputButton<n, Face::Checked, kEnglish>},
        {IDB_INPUT_BUTTON_CN + n, w, h, PaintInputButton<n, Face::Normal, kChinese>},
        {IDB_INPUT_BUTTON_CN + 10 + n, w, h, PaintInputButton<n, Face::Hover, kChinese>},
        {IDB_INPUT_BUTTON_CN + 20 + n, w, h, PaintInputButton<n, Face::Checked, kChinese>},
        {IDB_NO_INPUT_EN + n, w, h, PaintInputButton<n, Face::Checked, kEnglish, true>},
        {IDB_NO_INPUT_CN + n, w, h, PaintInputButton<n, Face::Checked, kChinese, true>},
    }};
}

constexpr auto kInputButtons = JoinSkinTables(InputButtonFaces<0>(), InputButtonFaces<1>(), InputButtonFaces<2>(),
                                              InputButtonFaces<3>(), InputButtonFaces<4>(), InputButtonFaces<5>());

constexpr int kCmdW = kEqCommandW, kCmdH = kEqCommandH;

constexpr SkinArt kSharedSkins[] = {
    // Reset.
    {IDB_RESET_EQ_EN, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Normal, kEnglish>},
    {IDB_RESET_EQ_HOVER_EN, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Hover, kEnglish>},
    {IDB_RESET_EQ_CN, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Normal, kChinese>},
    {IDB_RESET_EQ_HOVER_CN, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Hover, kChinese>},
    {IDB_RESET_EQ_OFF_EN, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Disabled, kEnglish>},
    {IDB_RESET_EQ_OFF_EN + 1, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Disabled, kEnglish>},
    {IDB_RESET_EQ_OFF_CN, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Disabled, kChinese>},
    {IDB_RESET_EQ_OFF_CN + 1, kCmdW, kCmdH, PaintPanelButton<kResetEq, Face::Disabled, kChinese>},
    // Bypass all; checked, restore.
    {IDB_BYPASS_EQ_EN, kCmdW, kCmdH, PaintPanelButton<kBypassEq, Face::Normal, kEnglish>},
    {IDB_BYPASS_EQ_EN + 1, kCmdW, kCmdH, PaintPanelButton<kBypassEq, Face::Hover, kEnglish>},
    {IDB_RESTORE_EQ_EN, kCmdW, kCmdH, PaintPanelButton<kRestoreEq, Face::Checked, kEnglish>},
    {IDB_RESTORE_EQ_EN + 1, kCmdW, kCmdH, PaintPanelButton<kRestoreEq, Face::CheckedHover, kEnglish>},
    {IDB_BYPASS_EQ_CN, kCmdW, kCmdH, PaintPanelButton<kBypassEq, Face::Normal, kChinese>},
    {IDB_BYPASS_EQ_HOVER_CN, kCmdW, kCmdH, PaintPanelButton<kBypassEq, Face::Hover, kChinese>},
    {IDB_RESTORE_EQ_CN, kCmdW, kCmdH, PaintPanelButton<kRestoreEq, Face::Checked, kChinese>},
    {IDB_RESTORE_EQ_HOVER_CN, kCmdW, kCmdH, PaintPanelButton<kRestoreEq, Face::CheckedHover, kChinese>},
    {IDB_BYPASS_EQ_OFF_EN, kCmdW, kCmdH, PaintPanelButton<kBypassEq, Face::Disabled, kEnglish>},
    {IDB_BYPASS_EQ_OFF_EN + 1, kCmdW, kCmdH, PaintPanelButton<kRestoreEq, Face::DisabledChecked, kEnglish>},
    {IDB_BYPASS_EQ_OFF_CN, kCmdW, kCmdH, PaintPanelButton<kBypassEq, Face::Disabled, kChinese>},
    {IDB_BYPASS_EQ_OFF_CN + 1, kCmdW, kCmdH, PaintPanelButton<kRestoreEq, Face::DisabledChecked, kChinese>},
    // EQ mode: parametric; checked, graphic.
    {IDB_PEQ_MODE_EN, kCmdW, kCmdH, PaintPanelButton<kPeqMode, Face::Normal, kEnglish>},
    {IDB_PEQ_MODE_HOVER_EN, kCmdW, kCmdH, PaintPanelButton<kPeqMode, Face::Hover, kEnglish>},
    {IDB_GEQ_MODE_EN, kCmdW, kCmdH, PaintPanelButton<kGeqMode, Face::Checked, kEnglish>},
    {IDB_GEQ_MODE_HOVER_EN, kCmdW, kCmdH, PaintPanelButton<kGeqMode, Face::CheckedHover, kEnglish>},
    {IDB_PEQ_MODE_CN, kCmdW, kCmdH, PaintPanelButton<kPeqMode, Face::Normal, kChinese>},
    {IDB_PEQ_MODE_HOVER_CN, kCmdW, kCmdH, PaintPanelButton<kPeqMode, Face::Hover, kChinese>},
    {IDB_GEQ_MODE_CN, kCmdW, kCmdH, PaintPanelButton<kGeqMode, Face::Checked, kChinese>},
    {IDB_GEQ_MODE_HOVER_CN, kCmdW, kCmdH, PaintPanelButton<kGeqMode, Face::CheckedHover, kChinese>},
    {IDB_PEQ_MODE_OFF_EN, kCmdW, kCmdH, PaintPanelButton<kPeqMode, Face::Disabled, kEnglish>},
    {IDB_GEQ_MODE_OFF_EN, kCmdW, kCmdH, PaintPanelButton<kGeqMode, Face::DisabledChecked, kEnglish>},
    {IDB_PEQ_MODE_OFF_CN, kCmdW, kCmdH, PaintPanelButton<kPeqMode, Face::Disabled, kChinese>},
    {IDB_GEQ_MODE_OFF_CN, kCmdW, kCmdH, PaintPanelButton<kGeqMode, Face::DisabledChecked, kChinese>},
    // Work lamps: a working band's lamp is lit. One picture in both languages, as the pages name
    // no Chinese faces for them.
    {IDB_BAND_WORKS, kLampW, kLampH, PaintPanelButton<kWorks, Face::Checked, kEnglish, 11>},
    {IDB_BAND_WORKS + 1, kLampW, kLampH, PaintPanelButton<kWorks, Face::CheckedHover, kEnglish, 11>},
    {IDB_BAND_BYPASSED, kLampW, kLampH, PaintPanelButton<kBypassed, Face::Normal, kEnglish, 11>},
    {IDB_BAND_BYPASSED + 1, kLampW, kLampH, PaintPanelButton<kBypassed, Face::Hover, kEnglish, 11>},
    // The gain row plate.
    {IDB_GAIN_ROW_EN, kGainRowW, kGainRowH, PaintGainRowPlate<kEnglish>},
    {IDB_GAIN_ROW_CN, kGainRowW, kGainRowH, PaintGainRowPlate<kChinese>},
};
}  // namespace

void SharedSkinTables(const SkinTableSink& take)
{
    take(kSharedSkins);
    take(kInputButtons);
}
