// Faces of the music input page (sizes from the page's pixel plan, pages/InputPageLayout.h) and
// of its connector strip (pages/InMode_DlgIds.h). Every button sits on a panel, so its corners are
// painted in the panel's colour; faces whose id names a language are drawn in that language. The
// whole-EQ commands, the work lamps, the gain row plate and the input select buttons are shared
// with the other pages (res/SharedSkins.cpp).
#include "res/InputSkins.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <algorithm>
#include <array>
#include <memory>

#include "pages/InMode_DlgIds.h"
#include "pages/InPutDlgIds.h"
#include "pages/InputPageLayout.h"
#include "res/Fonts.h"
#include "res/InputNames.h"
#include "res/PngImages.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"

namespace {
using skin::Face;
using namespace InPutDlgIds;
using namespace InputPageLayout;

using Words = LangName;

wxString Text(const Words& words, bool bChinese)
{
    return wxString::FromUTF8(bChinese ? words.szChinese : words.szEnglish);
}

// The language of a face: fixed by its id, or the one asked for.
enum Lang { kEnglish, kChinese, kAsked };

constexpr bool Chinese(int nLang, bool bAsked)
{
    return nLang == kAsked ? bAsked : nLang == kChinese;
}

// Every text a button or label of the page carries (the shared faces have theirs in
// res/SharedSkins.cpp).
enum TextId {
    kTextTwoCh, kTextFourTwoCh, kTextSixCh, kTextOneWay, kTextTwoWay, kTextRowId, kTextRowFreq, kTextRowQ, kTextRowGain,
    kTextRowWork, kTextInputSelect, kTextMixer, kTextHiLevelMode, kTextAuxMode, kTextSelectedInput, kTextEqPanel,
};
constexpr Words kTexts[] = {
    {"2 CH", "2声道"},     {"4CH 2CH", "4+2声道"},   {"6 CH", "6声道"},      {"1-Way", "一分频"},
    {"2-Way", "二分频"},   {"ID", "序号"},           {"Fre", "频率"},        {"Q", "Q值"},
    {"dB", "增益"},        {"Work", "工作"},         {"Input Select", "输入选择"}, {"Mixer", "混音"},
    {"Hi.Level Mode", "高电平模式"}, {"AUX Mode", "AUX模式"}, {"Selected Input", "当前输入"}, {"EQ", "均衡"},
};

// The centre of a band fader's thumb at a gain in dB, from the fader's top (its channel nHeight
// high, gains -12..+12 dB over the raw range 0..240).
int ThumbCentreY(int nHeight, int nDb)
{
    const int nTop = SharedFaceIds::ThumbTopEnd(kThumbH);
    return nTop + (SharedFaceIds::ThumbBottomEnd(nHeight, kThumbH) - nTop) * (12 - nDb) / 24;
}

wxRect RectOf(const Box& box)
{
    return {box.x, box.y, box.cx, box.cy};
}

// A panel with its caption in its top-left corner.
void PaintCaptionedPanel(wxDC& dc, const Box& box, int nCaption, bool bChinese)
{
    skin::PaintPanel(dc, RectOf(box));
    skin::PaintLabel(dc, wxRect(box.x + 12, box.y + 4, box.cx - 24, 20), Text(kTexts[nCaption], bChinese),
                     skin::kLabelDim, bChinese, 13, true, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

// The page's ground: the band panel with its row labels and fader scale, a frame round the graph,
// the right-hand panels and the two panels below.
template <int nLang>
void PaintInputBack(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bChinese = Chinese(nLang, bAsked);
    skin::PaintPageGround(dc, wxRect(size));
    skin::PaintPanel(dc, RectOf(kGraph).Inflate(3));
    skin::PaintPanel(dc, RectOf(kBandPanel));
    const std::pair<int, int> rows[] = {{kLabelRowY, kTextRowId}, {kFreqRowY, kTextRowFreq}, {kQRowY, kTextRowQ},
                                        {kGainRowY, kTextRowGain}, {kLampRowY, kTextRowWork}};
    for (const auto& [y, nText] : rows)
        skin::PaintRowCaption(dc, wxRect(kRowLabelX, y, kRowLabelW, kRowH), Text(kTexts[nText], bChinese), bChinese);
    skin::PaintGainScale(dc, kGainScaleRight, kFaderY + ThumbCentreY(kFaderPeqH, 12), kFaderY + ThumbCentreY(kFaderPeqH, -12),
                         bChinese);
    const int nCaptions[] = {kTextInputSelect, kTextMixer, kTextHiLevelMode, kTextAuxMode};
    for (int n = 0; n < 4; ++n)
        PaintCaptionedPanel(dc, {kPanelX, PanelY(n), kPanelW, kPanelH}, nCaptions[n], bChinese);
    PaintCaptionedPanel(dc, kSelInputPanel, kTextSelectedInput, bChinese);
    PaintCaptionedPanel(dc, kEqPanel, kTextEqPanel, bChinese);
}

// A fader's channel: the track under the thumb's column and, on every fader but the first, ticks
// at +12, 0 and -12 dB in its left margin.
template <bool bFirst>
void PaintFaderChannel(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    const int x = bFirst ? 0 : kFaderMargin;
    skin::PaintFaderChannel(dc, wxRect(x, 0, kThumbW, size.y), false);
    if (bFirst)
        return;
    dc.SetPen(wxPen(skin::kLabelDim));
    for (const int nDb : {12, 0, -12}) {
        const int y = ThumbCentreY(size.y, nDb);
        dc.DrawLine(nDb == 0 ? 4 : 8, y, kFaderMargin - 3, y);
    }
}

template <Face face>
void PaintThumb(wxDC& dc, const wxSize& size, bool)
{
    skin::PaintFaderThumb(dc, wxRect(size), face);
}

// A button with one of the page's texts on the panel ground.
template <int nText, Face face, int nLang>
void PaintTextButton(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bChinese = Chinese(nLang, bAsked);
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, Text(kTexts[nText], bChinese), bChinese, 13);
}

// The mixer source: its name and a drop-down arrow.
template <int nSource, Face face, int nLang>
void PaintMixerButton(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bChinese = Chinese(nLang, bAsked);
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, {}, bChinese);
    constexpr int kArrowW = 24;
    const wxColour text = face == Face::Normal ? skin::kLabel : *wxWHITE;
    skin::PaintLabel(dc, wxRect(0, 0, size.x - kArrowW, size.y), Text(kSourceNames[nSource], bChinese), text, bChinese, 14,
                     true);
    const int cx = size.x - kArrowW / 2 - 4;
    const int cy = size.y / 2;
    const wxPoint arrow[3] = {{cx - 5, cy - 3}, {cx + 5, cy - 3}, {cx, cy + 3}};
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(text));
    dc.DrawPolygon(3, arrow);
}

// The selected input: its name, large, on a dark display.
template <int nInput, int nLang>
void PaintSelectedInput(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bChinese = Chinese(nLang, bAsked);
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (gc) {
        gc->SetPen(wxPen(skin::kPanelFrame));
        gc->SetBrush(wxBrush(wxColour(14, 18, 28)));
        gc->DrawRoundedRectangle(0.5, 0.5, size.x - 1, size.y - 1, 4);
    }
    skin::PaintLabel(dc, wxRect(size), Text(InputButtonName(nInput), bChinese), skin::kTeal.ChangeLightness(150), bChinese, 24,
                     true);
}

constexpr int kFaderW = kFaderMargin + kThumbW;

// The three faces (normal, hover, pressed) of a text button in both languages' ids.
template <int nText>
constexpr std::array<SkinArt, 6> TextButtonFaces(int nEnglish, int nChinese, int cx, int cy)
{
    return {{
        {nEnglish, cx, cy, PaintTextButton<nText, Face::Normal, kEnglish>},
        {nEnglish + 1, cx, cy, PaintTextButton<nText, Face::Hover, kEnglish>},
        {nEnglish + 2, cx, cy, PaintTextButton<nText, Face::Checked, kEnglish>},
        {nChinese, cx, cy, PaintTextButton<nText, Face::Normal, kChinese>},
        {nChinese + 1, cx, cy, PaintTextButton<nText, Face::Hover, kChinese>},
        {nChinese + 2, cx, cy, PaintTextButton<nText, Face::Checked, kChinese>},
    }};
}

constexpr auto kTwoChFaces = TextButtonFaces<kTextTwoCh>(IDB_AUX_MODE_EN, IDB_AUX_MODE_CN, kModeButtonW, kModeButtonH);
constexpr auto kFourTwoChFaces =
    TextButtonFaces<kTextFourTwoCh>(IDB_AUX_MODE_EN + 3, IDB_AUX_MODE_CN + 3, kModeButtonW, kModeButtonH);
constexpr auto kSixChFaces = TextButtonFaces<kTextSixCh>(IDB_AUX_MODE_EN + 6, IDB_AUX_MODE_CN + 6, kModeButtonW, kModeButtonH);
constexpr auto kOneWayFaces = TextButtonFaces<kTextOneWay>(IDB_ONE_WAY_EN, IDB_ONE_WAY_CN, kModeButtonW, kModeButtonH);
constexpr auto kTwoWayFaces = TextButtonFaces<kTextTwoWay>(IDB_ONE_WAY_EN + 3, IDB_ONE_WAY_CN + 3, kModeButtonW, kModeButtonH);

// Mixer source s: normal and hover in both languages.
template <int s>
constexpr std::array<SkinArt, 4> MixerFaces()
{
    return {{
        {IDB_MIXER_EN + s, kMixer.cx, kMixer.cy, PaintMixerButton<s, Face::Normal, kEnglish>},
        {IDB_MIXER_EN + 10 + s, kMixer.cx, kMixer.cy, PaintMixerButton<s, Face::Hover, kEnglish>},
        {IDB_MIXER_CN + s, kMixer.cx, kMixer.cy, PaintMixerButton<s, Face::Normal, kChinese>},
        {IDB_MIXER_CN + 10 + s, kMixer.cx, kMixer.cy, PaintMixerButton<s, Face::Hover, kChinese>},
    }};
}

template <int k>
constexpr std::array<SkinArt, 2> SelectedInputFaces()
{
    return {{
        {IDB_SEL_INPUT_EN + k, kSelInput.cx, kSelInput.cy, PaintSelectedInput<k, kEnglish>},
        {IDB_SEL_INPUT_CN + k, kSelInput.cx, kSelInput.cy, PaintSelectedInput<k, kChinese>},
    }};
}

constexpr auto kMixerFaces = JoinSkinTables(MixerFaces<0>(), MixerFaces<1>(), MixerFaces<2>(), MixerFaces<3>(),
                                            MixerFaces<4>(), MixerFaces<5>(), MixerFaces<6>());
constexpr auto kSelectedInputFaces =
    JoinSkinTables(SelectedInputFaces<0>(), SelectedInputFaces<1>(), SelectedInputFaces<2>(), SelectedInputFaces<3>(),
                   SelectedInputFaces<4>(), SelectedInputFaces<5>());

constexpr SkinArt kInputSkins[] = {
    {IDB_BACK_EN, 1248, 652, PaintInputBack<kEnglish>},
    {IDB_BACK_CN, 1248, 652, PaintInputBack<kChinese>},
    {IDB_FADER_GEQ, kFaderW, kFaderGeqH, PaintFaderChannel<false>},
    {IDB_FADER_GEQ + 1, kThumbW, kFaderGeqH, PaintFaderChannel<true>},
    {IDB_FADER_GEQ + 2, kFaderW, kFaderGeqH, PaintFaderChannel<false>},
    {IDB_FADER_PEQ, kFaderW, kFaderPeqH, PaintFaderChannel<false>},
    {IDB_FADER_PEQ + 1, kThumbW, kFaderPeqH, PaintFaderChannel<true>},
    {IDB_FADER_PEQ + 2, kFaderW, kFaderPeqH, PaintFaderChannel<false>},
    {IDB_THUMB, kThumbW, kThumbH, PaintThumb<Face::Normal>},
    {IDB_THUMB_ACTIVE, kThumbW, kThumbH, PaintThumb<Face::Checked>},
    {IDB_THUMB_DISABLED, kThumbW, kThumbH, PaintThumb<Face::Disabled>},
    {IDB_MIXER_START, kMixer.cx, kMixer.cy, PaintMixerButton<6, Face::Normal, kAsked>},
    {IDB_MIXER_START + 1, kMixer.cx, kMixer.cy, PaintMixerButton<6, Face::Hover, kAsked>},
};

// ---- The connector strip ----

enum class Jack { HiLevel, Spdif, Phone, Rca };

struct Connector {
    Jack jack;
    int nJacks;  // RCA jacks
    Words label;
};

// In the order of InputConnector; the four-jack, pair and six-jack groups name their channels.
constexpr Connector kConnectors[] = {
    {Jack::HiLevel, 0, kInputNames[1]}, {Jack::Spdif, 0, kInputNames[0]}, {Jack::Phone, 0, kPhoneHandset},
    {Jack::Rca, 2, kInputNames[3]},     {Jack::Rca, 2, kInputNames[4]},  {Jack::Rca, 2, kInputNames[5]},
    {Jack::Rca, 4, {"AUX1+2  4CH", "AUX1+2  四声道"}},  {Jack::Rca, 2, {"AUX3  2CH", "AUX3  双声道"}},
    {Jack::Rca, 6, {"AUX1-3  6CH", "AUX1-3  六声道"}},  {Jack::Rca, 2, kInputNames[4]},
    {Jack::Rca, 2, kInputNames[5]},
};

constexpr int kJackAreaH = 72;

void PaintRcaJacks(wxGraphicsContext& gc, const wxSize& size, int nJacks)
{
    const double dPitch = (size.x - 16.0) / nJacks;
    const double r = std::min(dPitch / 2 - 5, 20.0);
    const double cy = 8 + kJackAreaH / 2.0;
    for (int i = 0; i < nJacks; ++i) {
        const double cx = 8 + dPitch * (i + 0.5);
        // Left channels white, right channels red, as the jacks are marked.
        const wxColour ring = i % 2 == 0 ? wxColour(225, 228, 232) : wxColour(210, 40, 40);
        gc.SetPen(wxPen(ring.ChangeLightness(70), 1));
        gc.SetBrush(wxBrush(ring));
        gc.DrawEllipse(cx - r, cy - r, 2 * r, 2 * r);
        gc.SetBrush(wxBrush(wxColour(40, 40, 44)));
        gc.DrawEllipse(cx - r * 0.62, cy - r * 0.62, r * 1.24, r * 1.24);
        gc.SetBrush(wxBrush(wxColour(200, 170, 90)));
        gc.DrawEllipse(cx - r * 0.18, cy - r * 0.18, r * 0.36, r * 0.36);
    }
}

void PaintJack(wxGraphicsContext& gc, const wxSize& size, const Connector& c)
{
    const double cx = size.x / 2.0;
    const double cy = 8 + kJackAreaH / 2.0;
    switch (c.jack) {
    case Jack::Rca: PaintRcaJacks(gc, size, c.nJacks); break;
    case Jack::HiLevel: {
        // A wire-to-board plug: two rows of four pins.
        const double w = size.x - 34.0;
        const double h = 40;
        gc.SetPen(wxPen(wxColour(150, 150, 150)));
        gc.SetBrush(wxBrush(wxColour(232, 232, 226)));
        gc.DrawRoundedRectangle(cx - w / 2, cy - h / 2, w, h, 3);
        gc.SetBrush(wxBrush(wxColour(60, 60, 60)));
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < 4; ++i)
                gc.DrawRectangle(cx - w / 2 + 8 + i * (w - 16) / 4 + 3, cy - h / 2 + 7 + row * 15, (w - 16) / 4 - 6, 10);
        break;
    }
    case Jack::Spdif: {
        // An optical jack: a square socket with its shutter.
        gc.SetPen(wxPen(wxColour(20, 20, 20)));
        gc.SetBrush(wxBrush(wxColour(50, 52, 58)));
        gc.DrawRoundedRectangle(cx - 20, cy - 20, 40, 40, 5);
        gc.SetBrush(wxBrush(wxColour(20, 20, 24)));
        gc.DrawRectangle(cx - 10, cy - 10, 20, 20);
        gc.SetBrush(wxBrush(wxColour(200, 40, 40)));
        gc.DrawEllipse(cx - 3, cy - 3, 6, 6);
        break;
    }
    case Jack::Phone: {
        // A phone: body, screen and button.
        gc.SetPen(wxPen(wxColour(200, 205, 212), 2));
        gc.SetBrush(wxBrush(wxColour(32, 36, 44)));
        gc.DrawRoundedRectangle(cx - 15, cy - 26, 30, 52, 5);
        gc.SetPen(*wxTRANSPARENT_PEN);
        gc.SetBrush(wxBrush(skin::kTeal.ChangeLightness(130)));
        gc.DrawRectangle(cx - 11, cy - 19, 22, 32);
        gc.SetBrush(wxBrush(wxColour(200, 205, 212)));
        gc.DrawEllipse(cx - 3, cy + 16, 6, 6);
        break;
    }
    }
}

// A connector: the socket frame (teal while pressed or checked, lighter while hovered), its jacks,
// and its name underneath.
template <int nConnector, int nState, bool bChinese>
void PaintConnector(wxGraphicsContext& gc, const wxSize& size)
{
    const Connector& c = kConnectors[nConnector];
    const bool bOn = nState == 2;
    gc.SetPen(wxPen(bOn ? skin::kTeal.ChangeLightness(140) : nState == 1 ? skin::kLabelDim : skin::kPanelFrame, bOn ? 2 : 1));
    gc.SetBrush(wxBrush(bOn ? wxColour(16, 64, 70) : wxColour(18, 24, 36)));
    gc.DrawRoundedRectangle(2, 2, size.x - 4, size.y - 4, 6);
    PaintJack(gc, size, c);
    const wxRect rcLabel(4, 8 + kJackAreaH, size.x - 8, size.y - kJackAreaH - 12);
    if (bOn) {
        gc.SetPen(*wxTRANSPARENT_PEN);
        gc.SetBrush(wxBrush(skin::kTeal));
        gc.DrawRoundedRectangle(rcLabel.x, rcLabel.y, rcLabel.width, rcLabel.height, 3);
    }
    const wxString strLabel = Text(c.label, bChinese);
    gc.SetFont(LabelFont(13, bOn, bChinese), bOn || nState == 1 ? *wxWHITE : skin::kLabel);
    double w = 0;
    double h = 0;
    gc.GetTextExtent(strLabel, &w, &h);
    gc.DrawText(strLabel, rcLabel.x + (rcLabel.width - w) / 2, rcLabel.y + (rcLabel.height - h) / 2);
}

// The strip's panel: a plate with screws and grooves between the connector groups.
void PaintPanelPicture(wxGraphicsContext& gc, const wxSize& size)
{
    gc.SetPen(wxPen(skin::kPanelFrame));
    gc.SetBrush(gc.CreateLinearGradientBrush(0, 0, 0, size.y, wxColour(52, 62, 84), wxColour(32, 40, 56)));
    gc.DrawRoundedRectangle(0.5, 0.5, size.x - 1, size.y - 1, 10);
    gc.SetBrush(wxBrush(wxColour(90, 100, 118)));
    for (const double x : {10.0, size.x - 16.0})
        for (const double y : {8.0, size.y - 14.0})
            gc.DrawEllipse(x, y, 6, 6);
    gc.SetPen(wxPen(wxColour(24, 30, 44)));
    for (const int x : {143, 237, 337})
        gc.StrokeLine(x, 30, x, size.y - 10);
    gc.StrokeLine(20, 24, size.x - 20, 24);
}

using namespace InMode_DlgIds;
using namespace InModeLayout;

// Images of connector nConnector: normal, hover, pressed at nEnglish, and at nChinese when it has
// a Chinese set.
template <int nConnector>
constexpr std::array<PngArt, 6> ConnectorImages(int nEnglish, int nChinese)
{
    const int cx = kPlaces[nConnector].cx;
    return {{
        {nEnglish, cx, kConnectorH, PaintConnector<nConnector, 0, false>},
        {nEnglish + 1, cx, kConnectorH, PaintConnector<nConnector, 1, false>},
        {nEnglish + 2, cx, kConnectorH, PaintConnector<nConnector, 2, false>},
        {nChinese, cx, kConnectorH, PaintConnector<nConnector, 0, true>},
        {nChinese + 1, cx, kConnectorH, PaintConnector<nConnector, 1, true>},
        {nChinese + 2, cx, kConnectorH, PaintConnector<nConnector, 2, true>},
    }};
}

template <std::size_t... n>
constexpr auto JoinPng(const std::array<PngArt, n>&... parts)
{
    std::array<PngArt, (n + ...)> all{};
    std::size_t i = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(i)), i += n), ...);
    return all;
}

// The spare pairs have no Chinese set: their second half lies on ids nothing asks for.
constexpr auto kConnectorImages = JoinPng(
    ConnectorImages<0>(IDP_HILEVEL, IDP_HILEVEL_CN), ConnectorImages<1>(IDP_SPDIF, IDP_SPDIF_CN),
    ConnectorImages<2>(IDP_PHONE, IDP_PHONE_CN), ConnectorImages<3>(IDP_AUX_PAIR, IDP_AUX_PAIR_CN),
    ConnectorImages<4>(IDP_AUX_PAIR + 3, IDP_AUX_PAIR_CN + 3), ConnectorImages<5>(IDP_AUX_PAIR + 6, IDP_AUX_PAIR_CN + 6),
    ConnectorImages<6>(IDP_AUX_4CH, IDP_AUX_4CH_CN), ConnectorImages<7>(IDP_AUX_2CH, IDP_AUX_2CH_CN),
    ConnectorImages<8>(IDP_AUX_6CH, IDP_AUX_6CH_CN));
constexpr PngArt kStripImages[] = {
    {IDP_PANEL, InModeLayout::kPanelW, InModeLayout::kPanelH, PaintPanelPicture},
    {IDP_AUX_4ALT, kPlaces[9].cx, kConnectorH, PaintConnector<9, 0, false>},
    {IDP_AUX_4ALT + 1, kPlaces[9].cx, kConnectorH, PaintConnector<9, 1, false>},
    {IDP_AUX_4ALT + 2, kPlaces[9].cx, kConnectorH, PaintConnector<9, 2, false>},
    {IDP_AUX_5ALT, kPlaces[10].cx, kConnectorH, PaintConnector<10, 0, false>},
    {IDP_AUX_5ALT + 1, kPlaces[10].cx, kConnectorH, PaintConnector<10, 1, false>},
    {IDP_AUX_5ALT + 2, kPlaces[10].cx, kConnectorH, PaintConnector<10, 2, false>},
};
}  // namespace

void InputSkinTables(const SkinTableSink& take)
{
    take(kInputSkins);
    for (const auto& faces : {kTwoChFaces, kFourTwoChFaces, kSixChFaces, kOneWayFaces, kTwoWayFaces})
        take(faces);
    take(kMixerFaces);
    take(kSelectedInputFaces);
}

void InputPngTables(const PngTableSink& take)
{
    take(kConnectorImages);
    take(kStripImages);
}
