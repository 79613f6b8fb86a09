// Faces of the output page: its ground with the panels and captions, the band faders and type
// buttons, the crossover lists, the output-map commands, polarity, master block, input indicator.
// Sizes are the controls' sizes on the page (pages/OutputLayout.h); every face sits on a panel.
// The whole-EQ commands, the work lamps and the gain row plate are shared (res/SharedSkins.cpp).
#include "res/OutputSkins.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <cmath>
#include <memory>

#include "pages/OutputDlgIds.h"
#include "pages/OutputLayout.h"
#include "res/InputNames.h"
#include "res/SkinPaint.h"
#include "res/Skins.h"
#include "res/ViewSkins.h"

namespace {
using namespace OutputLayout;
using namespace OutputDlgIds;
using skin::Face;

// The language of a face: fixed by its id, or the one asked for.
enum Lang { kEnglish, kChinese, kAsked };

constexpr bool Chinese(int nLang, bool bAsked)
{
    return nLang == kAsked ? bAsked : nLang == kChinese;
}

wxString Text(bool bChinese, const char* szEnglish, const char* szChinese)
{
    return wxString::FromUTF8(bChinese ? szChinese : szEnglish);
}

wxRect Wx(const PxRect& rc)
{
    return {rc.x, rc.y, rc.w, rc.h};
}

void PaintCaption(wxDC& dc, const PxRect& rc, const wxString& strText, bool bChinese, int nAlign = wxALIGN_LEFT)
{
    skin::PaintLabel(dc, Wx(rc), strText, skin::kLabelDim, bChinese, 12, false, nAlign | wxALIGN_CENTER_VERTICAL);
}

// Thumb travel of a fader: the centre's top and bottom pixel (margins top and bottom).
struct Travel {
    int yTop, yBottom;
};
constexpr Travel TravelOf(int y, int h, int nThumbH, int nMarginTop, int nMarginBottom)
{
    return {y + nMarginTop + nThumbH / 2, y + h - nMarginBottom - nThumbH / 2};
}

// The car seen from above, front at the top: body, windscreen, rear window and wheels.
void PaintCar(wxDC& dc, const PxRect& rc, bool bChinese)
{
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    const wxColour body = skin::kPanel.ChangeLightness(125);
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->SetBrush(wxBrush(skin::kPanelFrame.ChangeLightness(80)));
    for (const int y : {rc.y + 48, rc.y + rc.h - 78})
        for (const int x : {rc.x - 6, rc.Right() - 6})
            gc->DrawRoundedRectangle(x, y, 12, 40, 4);
    gc->SetPen(wxPen(skin::kPanelFrame.ChangeLightness(130), 2));
    gc->SetBrush(wxBrush(body));
    gc->DrawRoundedRectangle(rc.x, rc.y, rc.w, rc.h, 34);
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->SetBrush(wxBrush(skin::kPageTop));
    wxGraphicsPath screen = gc->CreatePath();
    screen.MoveToPoint(rc.x + 14, rc.y + 96);
    screen.AddLineToPoint(rc.Right() - 14, rc.y + 96);
    screen.AddLineToPoint(rc.Right() - 24, rc.y + 120);
    screen.AddLineToPoint(rc.x + 24, rc.y + 120);
    screen.CloseSubpath();
    gc->FillPath(screen);
    wxGraphicsPath rear = gc->CreatePath();
    rear.MoveToPoint(rc.x + 24, rc.y + rc.h - 96);
    rear.AddLineToPoint(rc.Right() - 24, rc.y + rc.h - 96);
    rear.AddLineToPoint(rc.Right() - 16, rc.y + rc.h - 78);
    rear.AddLineToPoint(rc.x + 16, rc.y + rc.h - 78);
    rear.CloseSubpath();
    gc->FillPath(rear);
    skin::PaintLabel(dc, wxRect(rc.x, rc.y + 128, rc.w, 16), Text(bChinese, "FRONT", "前"), skin::kLabelDim, bChinese, 10);
    skin::PaintLabel(dc, wxRect(rc.x, rc.y + rc.h - 114, rc.w, 16), Text(bChinese, "REAR", "后"), skin::kLabelDim,
                     bChinese, 10);
}

// The page ground: the car plan, the EQ and the master block as panels with their captions.
template <int nLang>
void PaintBack(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    skin::PaintPageGround(dc, wxRect(size));
    for (const PxRect& rc : {kPlanPanel, kEqPanel, kMasterPanel})
        skin::PaintPanel(dc, Wx(rc));

    // Car plan.
    skin::PaintLabel(dc, Wx(kPlanTitle), Text(bCn, "Speaker Positions", "扬声器位置"), skin::kLabel, bCn, 13, true,
                     wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    PaintCar(dc, kCar, bCn);
    PaintCaption(dc, kUnitCaption, Text(bCn, "Delay unit", "延时单位"), bCn);

    // EQ: captions of the column rows, the gain scale of the faders, crossover and polarity. The
    // graphic layout covers the rows it hides with the gain row plate (res/SharedSkins.cpp).
    const auto row = [&](int y, int h, const char* szEn, const char* szCn) {
        skin::PaintRowCaption(dc, wxRect(kCaptionX, y, kCaptionW, h), Text(bCn, szEn, szCn), bCn);
    };
    row(kTypeRowY, 20, "Type", "类型");
    row(kNumberRowY, kFieldH, "Band", "频段");
    row(kFreqRowY, kFieldH, "Freq", "频率");
    row(kWidthRowY, kFieldH, "Q", "Q值");
    row(kPeqGainY, kFieldH, "Gain", "增益");
    row(kBypassRowY + 1, SharedFaceIds::kLampH, "EQ", "均衡");
    const Travel t = TravelOf(kPeqFaderY, kPeqFaderH, kBandThumbH, 1, 1);
    skin::PaintGainScale(dc, kCaptionX + kCaptionW - 4, t.yTop, t.yBottom, bCn);
    dc.SetPen(wxPen(skin::kPanelFrame));
    const int xRule = ColumnX(kColumnCount) + 2;
    dc.DrawLine(xRule, kTypeRowY, xRule, kBypassRowY + 20);
    dc.DrawLine(kGraph.x, kTypeRowY - 3, xRule - 4, kTypeRowY - 3);
    for (const PxRect& rc : {kHpfCaption, kLpfCaption})
        skin::PaintLabel(dc, Wx(rc), Text(bCn, rc.x == kHpfX ? "High-pass" : "Low-pass", rc.x == kHpfX ? "高通" : "低通"),
                         skin::kLabel, bCn, 12, true);
    PaintCaption(dc, kPolarityCaption, Text(bCn, "Polarity", "相位"), bCn);

    // Master and output map.
    skin::PaintLabel(dc, Wx(kMasterCaption), Text(bCn, "Master", "主音量"), skin::kLabel, bCn, 13, true);
    PaintCaption(dc, kMapCaption, Text(bCn, "Output map", "输出配置"), bCn);
    dc.SetPen(wxPen(skin::kPanelFrame));
    dc.DrawLine(kInputShow.x - 6, kMasterPanel.y + 6, kInputShow.x - 6, kMasterPanel.Bottom() - 6);
}

// A band fader's channel: the track and ticks at +12, 0 and -12 dB; column 1's ticks reach the
// scale on its left.
template <bool bGraphic, bool bFirst>
void PaintBandChannel(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintFaderChannel(dc, wxRect(size), false);
    const Travel t = TravelOf(0, size.y, kBandThumbH, 1, 1);
    dc.SetPen(wxPen(skin::kLabelDim));
    const int xTrack = size.x / 2;
    for (const int y : {t.yTop, (t.yTop + t.yBottom) / 2, t.yBottom}) {
        dc.DrawLine(bFirst ? 0 : xTrack - 7, y, xTrack - 3, y);
        dc.DrawLine(xTrack + 3, y, xTrack + 7, y);
    }
}

template <Face face>
void PaintThumb(wxDC& dc, const wxSize& size, bool)
{
    skin::PaintFaderThumb(dc, wxRect(size), face);
}

// A button face on the panel ground with a word: nWord picks the word pair.
struct Word {
    const char* szEnglish;
    const char* szChinese;
};

template <const Word& word, Face face, int nLang, int nPixels = 12>
void PaintWordButton(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintButtonFace(dc, wxRect(size), face, Text(bCn, word.szEnglish, word.szChinese), bCn, nPixels);
}

constexpr Word kOn{"ON", "开"}, kOff{"OFF", "关"};
constexpr Word kPeq{"PEQ", "参量"}, kLowShelf{"LS", "低架"}, kHighShelf{"HS", "高架"};
constexpr Word kPolNormal{"Pol+", "正相"}, kPolInverted{"Pol-", "反相"};
constexpr Word kLock{"Lock", "锁定"}, kLocked{"Locked", "已锁定"};
constexpr Word kLinkLR{"L/R Link", "左右联调"}, kLinkedLR{"L/R Linked", "已联调"};
constexpr Word kResetMap{"Reset", "重置"}, kLoadMap{"Load", "加载"}, kSaveMap{"Save", "保存"};
constexpr Word kLevelPageWord{"Level & Delay  >", "电平与延时  >"};

// A drop-down list's face: a field with a small arrow on the right (the button draws the text).
template <bool bHover, bool bDisabled>
void PaintListFace(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    const wxColour ground = bDisabled ? wxColour(48, 56, 72) : bHover ? wxColour(70, 86, 114) : wxColour(56, 68, 92);
    gc->SetPen(wxPen(bDisabled ? skin::kPanelFrame : skin::kPanelFrame.ChangeLightness(130)));
    gc->SetBrush(wxBrush(ground));
    gc->DrawRoundedRectangle(0.5, 0.5, size.x - 1, size.y - 1, 3);
    const double s = size.y / 5.0;
    const double cx = size.x - 2 - s * 1.6;
    const double cy = size.y / 2.0 - s / 2;
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->SetBrush(wxBrush(bDisabled ? skin::kPanelFrame : skin::kLabelDim));
    wxGraphicsPath arrow = gc->CreatePath();
    arrow.MoveToPoint(cx - s, cy);
    arrow.AddLineToPoint(cx + s, cy);
    arrow.AddLineToPoint(cx, cy + s);
    arrow.CloseSubpath();
    gc->FillPath(arrow);
}

// Polarity pictures: one period of a sine, starting up (normal) or down (inverted).
template <bool bInverted>
void PaintPolarityPicture(wxDC& dc, const wxSize& size, bool)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(dc));
    if (!gc)
        return;
    const double yMid = size.y / 2.0;
    gc->SetPen(wxPen(skin::kPanelFrame.ChangeLightness(130)));
    gc->StrokeLine(4, yMid, size.x - 4, yMid);
    wxGraphicsPath wave = gc->CreatePath();
    const double amplitude = (size.y - 8) / 2.0 * (bInverted ? -1 : 1);
    for (int x = 4; x <= size.x - 4; ++x) {
        const double y = yMid - amplitude * std::sin(2 * M_PI * (x - 4) / (size.x - 8));
        if (x == 4)
            wave.MoveToPoint(x, y);
        else
            wave.AddLineToPoint(x, y);
    }
    gc->SetPen(wxPen(bInverted ? skin::kTeal.ChangeLightness(150) : skin::kLabel, 2));
    gc->StrokePath(wave);
}

// The input indicator: which music input the processor plays.
template <int nInput, int nLang>
void PaintInputShow(wxDC& dc, const wxSize& size, bool bAsked)
{
    const bool bCn = Chinese(nLang, bAsked);
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintPanel(dc, wxRect(size));
    const int nSplit = size.x / 2;
    skin::PaintLabel(dc, wxRect(8, 0, nSplit - 8, size.y), Text(bCn, "Input", "输入"), skin::kLabelDim, bCn, 12, false,
                     wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    const LangName& name = kInputNames[nInput];
    skin::PaintLabel(dc, wxRect(nSplit, 0, nSplit - 8, size.y), Text(bCn, name.szEnglish, name.szChinese),
                     skin::kTeal.ChangeLightness(160), bCn, 13, true, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
}

// Master fader: a dB scale in the left 25 pixels (where the thumb's margin starts), the track
// under the thumb's centre. The fader spans 0..66, shown as -60..+6 dB.
constexpr int kMasterThumbW = 26, kMasterThumbH = 13;
constexpr int kScaleW = 25;

void PaintMasterChannel(wxDC& dc, const wxSize& size, bool bChinese)
{
    dc.SetBackground(wxBrush(skin::kPanel));
    dc.Clear();
    skin::PaintFaderChannel(dc, wxRect(kScaleW, 0, kMasterThumbW, size.y), false);
    const Travel t = TravelOf(0, size.y, kMasterThumbH, 0, 2);
    dc.SetPen(wxPen(skin::kLabelDim));
    for (const int dB : {6, 0, -10, -20, -30, -40, -50, -60}) {
        const int y = t.yTop + (t.yBottom - t.yTop) * (6 - dB) / 66;
        dc.DrawLine(kScaleW - 5, y, kScaleW - 1, y);
        skin::PaintLabel(dc, wxRect(0, y - 6, kScaleW - 6, 12), wxString::Format(wxS("%d"), dB), skin::kLabelDim,
                         bChinese, 9, false, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    }
}

constexpr int kOnW = kMasterOn.w, kOnH = kMasterOn.h;
constexpr int kTypeW = 29, kTypeH = 20;
constexpr int kMapW = kMapLock.w, kMapH = kMapLock.h;

constexpr SkinArt kOutputSkins[] = {
    {IDB_BACK_EN, 1248, 652, PaintBack<kEnglish>},
    {IDB_BACK_CN, 1248, 652, PaintBack<kChinese>},
    // Master block; its on/off faces are the strips' too.
    {IDB_MASTER_CHANNEL, kMasterFader.w, kMasterFader.h, PaintMasterChannel},
    {IDB_MASTER_THUMB, kMasterThumbW, kMasterThumbH, PaintThumb<Face::Normal>},
    {IDB_THUMB_ACTIVE, kMasterThumbW, kMasterThumbH, PaintThumb<Face::Checked>},
    {IDB_MASTER_ON, kOnW, kOnH, PaintWordButton<kOn, Face::Checked, kAsked>},
    {IDB_MASTER_ON + 1, kOnW, kOnH, PaintWordButton<kOn, Face::CheckedHover, kAsked>},
    {IDB_MASTER_ON + 2, kOnW, kOnH, PaintWordButton<kOn, Face::CheckedPressed, kAsked>},
    {IDB_MASTER_OFF, kOnW, kOnH, PaintWordButton<kOff, Face::Normal, kAsked>},
    {IDB_MASTER_OFF + 1, kOnW, kOnH, PaintWordButton<kOff, Face::Hover, kAsked>},
    {IDB_MASTER_OFF + 2, kOnW, kOnH, PaintWordButton<kOff, Face::Pressed, kAsked>},
    // Band columns.
    {IDB_BAND_CHANNEL, kFaderW, kPeqFaderH, PaintBandChannel<false, false>},
    {IDB_BAND_CHANNEL_1, kFaderW, kPeqFaderH, PaintBandChannel<false, true>},
    {IDB_GEQ_CHANNEL, kFaderW, kGeqFaderH, PaintBandChannel<true, false>},
    {IDB_GEQ_CHANNEL_1, kFaderW, kGeqFaderH, PaintBandChannel<true, true>},
    {IDB_BAND_THUMB, kBandThumbW, kBandThumbH, PaintThumb<Face::Normal>},
    {IDB_BAND_THUMB_ACTIVE, kBandThumbW, kBandThumbH, PaintThumb<Face::Checked>},
    {IDB_BAND_THUMB_DIM, kBandThumbW, kBandThumbH, PaintThumb<Face::Disabled>},
    {IDB_PEQ_TYPE, kTypeW, kTypeH, PaintWordButton<kPeq, Face::Normal, kAsked, 10>},
    {IDB_PEQ_TYPE + 1, kTypeW, kTypeH, PaintWordButton<kPeq, Face::Hover, kAsked, 10>},
    {IDB_PEQ_TYPE + 2, kTypeW, kTypeH, PaintWordButton<kPeq, Face::Checked, kAsked, 10>},
    {IDB_LOW_SHELF, kTypeW, kTypeH, PaintWordButton<kLowShelf, Face::Normal, kAsked, 10>},
    {IDB_LOW_SHELF + 1, kTypeW, kTypeH, PaintWordButton<kLowShelf, Face::Hover, kAsked, 10>},
    {IDB_LOW_SHELF + 2, kTypeW, kTypeH, PaintWordButton<kLowShelf, Face::Checked, kAsked, 10>},
    {IDB_HIGH_SHELF, kTypeW, kTypeH, PaintWordButton<kHighShelf, Face::Normal, kAsked, 10>},
    {IDB_HIGH_SHELF + 1, kTypeW, kTypeH, PaintWordButton<kHighShelf, Face::Hover, kAsked, 10>},
    {IDB_HIGH_SHELF + 2, kTypeW, kTypeH, PaintWordButton<kHighShelf, Face::Checked, kAsked, 10>},
    {IDB_SHELF_SLOPE, kFieldW, 18, PaintListFace<false, false>},
    {IDB_SHELF_SLOPE + 1, kFieldW, 18, PaintListFace<true, false>},
    // Crossover lists.
    {IDB_XOVER_LIST, kXoverW, 22, PaintListFace<false, false>},
    {IDB_XOVER_LIST + 1, kXoverW, 22, PaintListFace<true, false>},
    {IDB_XOVER_LIST_DISABLED, kXoverW, 22, PaintListFace<false, true>},
    // Polarity of the shown output, and its pictures.
    {IDB_POLARITY_EN, kPolarity.w, kPolarity.h, PaintWordButton<kPolNormal, Face::Normal, kEnglish>},
    {IDB_POLARITY_EN + 1, kPolarity.w, kPolarity.h, PaintWordButton<kPolNormal, Face::Hover, kEnglish>},
    {IDB_POLARITY_EN + 2, kPolarity.w, kPolarity.h, PaintWordButton<kPolNormal, Face::Pressed, kEnglish>},
    {IDB_POLARITY_EN + 3, kPolarity.w, kPolarity.h, PaintWordButton<kPolInverted, Face::Checked, kEnglish>},
    {IDB_POLARITY_EN + 4, kPolarity.w, kPolarity.h, PaintWordButton<kPolInverted, Face::CheckedHover, kEnglish>},
    {IDB_POLARITY_EN + 5, kPolarity.w, kPolarity.h, PaintWordButton<kPolInverted, Face::CheckedPressed, kEnglish>},
    {IDB_POLARITY_CN, kPolarity.w, kPolarity.h, PaintWordButton<kPolNormal, Face::Normal, kChinese>},
    {IDB_POLARITY_CN + 1, kPolarity.w, kPolarity.h, PaintWordButton<kPolNormal, Face::Hover, kChinese>},
    {IDB_POLARITY_CN + 2, kPolarity.w, kPolarity.h, PaintWordButton<kPolNormal, Face::Pressed, kChinese>},
    {IDB_POLARITY_CN + 3, kPolarity.w, kPolarity.h, PaintWordButton<kPolInverted, Face::Checked, kChinese>},
    {IDB_POLARITY_CN + 4, kPolarity.w, kPolarity.h, PaintWordButton<kPolInverted, Face::CheckedHover, kChinese>},
    {IDB_POLARITY_CN + 5, kPolarity.w, kPolarity.h, PaintWordButton<kPolInverted, Face::CheckedPressed, kChinese>},
    {IDB_POLARITY_NORMAL, kPolarityPicture.w, kPolarityPicture.h, PaintPolarityPicture<false>},
    {IDB_POLARITY_INVERTED, kPolarityPicture.w, kPolarityPicture.h, PaintPolarityPicture<true>},
    // Output map commands.
    {IDB_LOCK_EN, kMapW, kMapH, PaintWordButton<kLock, Face::Normal, kEnglish>},
    {IDB_LOCK_HOVER_EN, kMapW, kMapH, PaintWordButton<kLock, Face::Hover, kEnglish>},
    {IDB_LOCK_PRESSED_EN, kMapW, kMapH, PaintWordButton<kLock, Face::Pressed, kEnglish>},
    {IDB_LOCKED_EN, kMapW, kMapH, PaintWordButton<kLocked, Face::Checked, kEnglish>},
    {IDB_LOCKED_HOVER_EN, kMapW, kMapH, PaintWordButton<kLocked, Face::CheckedHover, kEnglish>},
    {IDB_LOCK_CN, kMapW, kMapH, PaintWordButton<kLock, Face::Normal, kChinese>},
    {IDB_LOCK_HOVER_CN, kMapW, kMapH, PaintWordButton<kLock, Face::Hover, kChinese>},
    {IDB_LOCK_PRESSED_CN, kMapW, kMapH, PaintWordButton<kLock, Face::Pressed, kChinese>},
    {IDB_LOCKED_CN, kMapW, kMapH, PaintWordButton<kLocked, Face::Checked, kChinese>},
    {IDB_LOCKED_HOVER_CN, kMapW, kMapH, PaintWordButton<kLocked, Face::CheckedHover, kChinese>},
    {IDB_LINK_LR_EN, kMapW, kMapH, PaintWordButton<kLinkLR, Face::Normal, kEnglish>},
    {IDB_LINK_LR_HOVER_EN, kMapW, kMapH, PaintWordButton<kLinkLR, Face::Hover, kEnglish>},
    {IDB_LINK_LR_PRESSED_EN, kMapW, kMapH, PaintWordButton<kLinkLR, Face::Pressed, kEnglish>},
    {IDB_LINKED_LR_EN, kMapW, kMapH, PaintWordButton<kLinkedLR, Face::Checked, kEnglish>},
    {IDB_LINKED_LR_HOVER_EN, kMapW, kMapH, PaintWordButton<kLinkedLR, Face::CheckedHover, kEnglish>},
    {IDB_LINK_LR_CN, kMapW, kMapH, PaintWordButton<kLinkLR, Face::Normal, kChinese>},
    {IDB_LINK_LR_HOVER_CN, kMapW, kMapH, PaintWordButton<kLinkLR, Face::Hover, kChinese>},
    {IDB_LINK_LR_PRESSED_CN, kMapW, kMapH, PaintWordButton<kLinkLR, Face::Pressed, kChinese>},
    {IDB_LINKED_LR_CN, kMapW, kMapH, PaintWordButton<kLinkedLR, Face::Checked, kChinese>},
    {IDB_LINKED_LR_HOVER_CN, kMapW, kMapH, PaintWordButton<kLinkedLR, Face::CheckedHover, kChinese>},
    {IDB_RESET_MAP_EN, kMapW, kMapH, PaintWordButton<kResetMap, Face::Normal, kEnglish>},
    {IDB_RESET_MAP_HOVER_EN, kMapW, kMapH, PaintWordButton<kResetMap, Face::Hover, kEnglish>},
    {IDB_RESET_MAP_CN, kMapW, kMapH, PaintWordButton<kResetMap, Face::Normal, kChinese>},
    {IDB_RESET_MAP_HOVER_CN, kMapW, kMapH, PaintWordButton<kResetMap, Face::Hover, kChinese>},
    {IDB_LOAD_MAP_EN, kMapW, kMapH, PaintWordButton<kLoadMap, Face::Normal, kEnglish>},
    {IDB_LOAD_MAP_EN + 1, kMapW, kMapH, PaintWordButton<kLoadMap, Face::Hover, kEnglish>},
    {IDB_LOAD_MAP_EN + 2, kMapW, kMapH, PaintWordButton<kLoadMap, Face::Pressed, kEnglish>},
    {IDB_LOAD_MAP_CN, kMapW, kMapH, PaintWordButton<kLoadMap, Face::Normal, kChinese>},
    {IDB_LOAD_MAP_CN + 1, kMapW, kMapH, PaintWordButton<kLoadMap, Face::Hover, kChinese>},
    {IDB_LOAD_MAP_CN + 2, kMapW, kMapH, PaintWordButton<kLoadMap, Face::Pressed, kChinese>},
    {IDB_SAVE_MAP_EN, kMapW, kMapH, PaintWordButton<kSaveMap, Face::Normal, kEnglish>},
    {IDB_SAVE_MAP_EN + 1, kMapW, kMapH, PaintWordButton<kSaveMap, Face::Hover, kEnglish>},
    {IDB_SAVE_MAP_EN + 2, kMapW, kMapH, PaintWordButton<kSaveMap, Face::Pressed, kEnglish>},
    {IDB_SAVE_MAP_CN, kMapW, kMapH, PaintWordButton<kSaveMap, Face::Normal, kChinese>},
    {IDB_SAVE_MAP_CN + 1, kMapW, kMapH, PaintWordButton<kSaveMap, Face::Hover, kChinese>},
    {IDB_SAVE_MAP_CN + 2, kMapW, kMapH, PaintWordButton<kSaveMap, Face::Pressed, kChinese>},
    // The level page button and the input indicator.
    {IDB_LEVEL_PAGE_EN, kLevelPage.w, kLevelPage.h, PaintWordButton<kLevelPageWord, Face::Normal, kEnglish, 13>},
    {IDB_LEVEL_PAGE_EN + 1, kLevelPage.w, kLevelPage.h, PaintWordButton<kLevelPageWord, Face::Hover, kEnglish, 13>},
    {IDB_LEVEL_PAGE_EN + 2, kLevelPage.w, kLevelPage.h, PaintWordButton<kLevelPageWord, Face::Pressed, kEnglish, 13>},
    {IDB_LEVEL_PAGE_CN, kLevelPage.w, kLevelPage.h, PaintWordButton<kLevelPageWord, Face::Normal, kChinese, 13>},
    {IDB_LEVEL_PAGE_CN + 1, kLevelPage.w, kLevelPage.h, PaintWordButton<kLevelPageWord, Face::Hover, kChinese, 13>},
    {IDB_LEVEL_PAGE_CN + 2, kLevelPage.w, kLevelPage.h, PaintWordButton<kLevelPageWord, Face::Pressed, kChinese, 13>},
    {IDB_INPUT_EN, kInputShow.w, kInputShow.h, PaintInputShow<0, kEnglish>},
    {IDB_INPUT_EN + 1, kInputShow.w, kInputShow.h, PaintInputShow<1, kEnglish>},
    {IDB_INPUT_EN + 2, kInputShow.w, kInputShow.h, PaintInputShow<2, kEnglish>},
    {IDB_INPUT_EN + 3, kInputShow.w, kInputShow.h, PaintInputShow<3, kEnglish>},
    {IDB_INPUT_EN + 4, kInputShow.w, kInputShow.h, PaintInputShow<4, kEnglish>},
    {IDB_INPUT_EN + 5, kInputShow.w, kInputShow.h, PaintInputShow<5, kEnglish>},
    {IDB_INPUT_CN, kInputShow.w, kInputShow.h, PaintInputShow<0, kChinese>},
    {IDB_INPUT_CN + 1, kInputShow.w, kInputShow.h, PaintInputShow<1, kChinese>},
    {IDB_INPUT_CN + 2, kInputShow.w, kInputShow.h, PaintInputShow<2, kChinese>},
    {IDB_INPUT_CN + 3, kInputShow.w, kInputShow.h, PaintInputShow<3, kChinese>},
    {IDB_INPUT_CN + 4, kInputShow.w, kInputShow.h, PaintInputShow<4, kChinese>},
    {IDB_INPUT_CN + 5, kInputShow.w, kInputShow.h, PaintInputShow<5, kChinese>},
};
}  // namespace

void OutputSkinTables(const SkinTableSink& take)
{
    take(kOutputSkins);
    OutputStripSkinTables(take);
    OutputPlanSkinTables(take);
}
