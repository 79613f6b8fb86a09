#pragma once
// Where things sit on the output page, in pixels of the 1248 x 652 page area: the panels and
// captions of the page's artwork, the places of the band columns' controls in the parametric
// and the graphic layout, and the output strips. The template (OutputDlgTemplate.cpp), the
// artwork (res/OutputSkins.cpp) and the page's layout switch read the same numbers, so a
// caption stays beside its control. The faces the page shares with the music input page have
// their one size (SharedFaceIds.h), which the plan places. Toolkit-free.
#include "model/GdiTypes.h"
#include "pages/SharedFaceIds.h"

namespace OutputLayout {
struct PxRect {
    int x, y, w, h;
    constexpr int Right() const { return x + w; }
    constexpr int Bottom() const { return y + h; }
    constexpr bool operator==(const PxRect&) const = default;
};

// Panels of the artwork: the car plan, the EQ, the master and output-map block.
inline constexpr PxRect kPlanPanel{4, 4, 330, 412};
inline constexpr PxRect kEqPanel{340, 4, 904, 412};
inline constexpr PxRect kMasterPanel{942, 423, 302, 225};

// The EQ graph, and the caption column left of the ten band columns.
inline constexpr PxRect kGraph{348, 12, 694, 168};
inline constexpr int kCaptionX = 348;
inline constexpr int kCaptionW = SharedFaceIds::kGainRowW;

// Band columns k = 0..9, 64 pixels wide, side by side right of the captions.
inline constexpr int kColumnCount = 10;
inline constexpr int kColumnW = 64;
constexpr int ColumnX(int k)
{
    return 402 + kColumnW * k;
}

// Rows of a column (the parametric layout), top to bottom.
inline constexpr int kTypeRowY = 186;
inline constexpr int kNumberRowY = 208;
inline constexpr int kFreqRowY = 226;
inline constexpr int kWidthRowY = 244;
inline constexpr int kPeqFaderY = 264;
inline constexpr int kPeqGainY = 372;
inline constexpr int kBypassRowY = 392;
// The graphic layout: no frequency or bandwidth row; the gain field moves to the top and the
// fader, taller, takes the rows below it.
inline constexpr int kGeqGainY = kFreqRowY;
inline constexpr int kGeqFaderY = 248;

inline constexpr int kFieldW = 56, kFieldH = 16;
inline constexpr int kFaderW = 28;
inline constexpr int kPeqFaderH = 104;
inline constexpr int kGeqFaderH = 140;
inline constexpr int kBandThumbW = 20, kBandThumbH = 10;

// Band column k's controls.
constexpr PxRect BandNumber(int k)
{
    return {ColumnX(k), kNumberRowY, kColumnW, 16};
}
constexpr PxRect FreqField(int k)
{
    return {ColumnX(k) + 4, kFreqRowY, kFieldW, kFieldH};
}
constexpr PxRect WidthField(int k)
{
    return {ColumnX(k) + 4, kWidthRowY, kFieldW, kFieldH};
}
// A hidden spin beside each field: its arrows are the field's Up and Down keys.
constexpr PxRect SpinBeside(const PxRect& field)
{
    return {field.Right(), field.y, 4, field.h};
}
constexpr PxRect GainField(int k, bool bGraphic)
{
    return {ColumnX(k) + 4, bGraphic ? kGeqGainY : kPeqGainY, kFieldW, kFieldH};
}
constexpr PxRect GainFader(int k, bool bGraphic)
{
    return {ColumnX(k) + (kColumnW - kFaderW) / 2, bGraphic ? kGeqFaderY : kPeqFaderY, kFaderW,
            bGraphic ? kGeqFaderH : kPeqFaderH};
}
constexpr PxRect BypassButton(int k)
{
    return {ColumnX(k) + (kColumnW - SharedFaceIds::kLampW) / 2, kBypassRowY + 1, SharedFaceIds::kLampW,
            SharedFaceIds::kLampH};
}
// Band 1 and band 10: the parametric and the shelf type buttons, and the shelf slope list in
// the bandwidth row.
constexpr PxRect TypeButton(int k, bool bShelf)
{
    return {ColumnX(k) + (bShelf ? 33 : 2), kTypeRowY, 29, 20};
}
constexpr PxRect ShelfSlopeList(int k)
{
    return {ColumnX(k) + 4, kWidthRowY - 1, kFieldW, 18};
}
// The gain row plate over the caption column in the graphic layout: its caption row beside the
// gain fields, its scale at the ends of the graphic faders' thumb travel, down to the bypass row.
inline constexpr PxRect kGeqLabel{kCaptionX, kGeqGainY - (SharedFaceIds::kGainRowCaptionH - kFieldH) / 2,
                                  SharedFaceIds::kGainRowW, SharedFaceIds::kGainRowH};
static_assert(kGeqFaderY + SharedFaceIds::ThumbTopEnd(kBandThumbH) == kGeqLabel.y + SharedFaceIds::kGainScaleTop &&
                  kGeqFaderY + SharedFaceIds::ThumbBottomEnd(kGeqFaderH, kBandThumbH) ==
                      kGeqLabel.y + SharedFaceIds::kGainScaleBottom,
              "the plate's scale meets the graphic faders' thumbs");
static_assert(kGeqLabel.y <= kFreqRowY && kGeqLabel.Bottom() >= kPeqGainY + kFieldH && kGeqLabel.Bottom() <= kBypassRowY,
              "the plate covers the captions of the parametric rows and leaves the bypass row's");

// Right of the graph: the whole-EQ commands. Right of the columns: the crossover, then the
// polarity of the shown output.
inline constexpr PxRect kAllBypass{1048, 14, SharedFaceIds::kEqCommandW, SharedFaceIds::kEqCommandH};
inline constexpr PxRect kEqMode{1048, 46, SharedFaceIds::kEqCommandW, SharedFaceIds::kEqCommandH};
inline constexpr PxRect kResetEq{1048, 78, SharedFaceIds::kEqCommandW, SharedFaceIds::kEqCommandH};
inline constexpr PxRect kLinkPicture{1048, 112, 28, 16};
inline constexpr int kHpfX = 1048, kLpfX = 1144, kXoverW = 90;
inline constexpr PxRect kHpfCaption{kHpfX, 186, kXoverW, 16};
inline constexpr PxRect kLpfCaption{kLpfX, 186, kXoverW, 16};
constexpr PxRect XoverFreqField(bool bLpf)
{
    return {(bLpf ? kLpfX : kHpfX) + 4, 206, kXoverW - 8, 18};
}
constexpr PxRect XoverAlignList(bool bLpf)
{
    return {bLpf ? kLpfX : kHpfX, 230, kXoverW, 22};
}
constexpr PxRect XoverSlopeList(bool bLpf)
{
    return {bLpf ? kLpfX : kHpfX, 258, kXoverW, 22};
}
inline constexpr PxRect kPolarityCaption{1048, 292, 188, 14};
inline constexpr PxRect kPolarity{1048, 310, 120, 26};
inline constexpr PxRect kPolarityPicture{1174, 310, 62, 26};

// The master and output-map block under the EQ.
inline constexpr PxRect kMasterCaption{948, 427, 68, 16};
inline constexpr PxRect kMasterOn{948, 446, 68, 22};
inline constexpr PxRect kMasterFader{956, 472, 52, 150};
inline constexpr PxRect kMasterField{948, 626, 64, 18};
inline constexpr PxRect kInputShow{1026, 428, 212, 24};
inline constexpr PxRect kLevelPage{1026, 458, 212, 26};
inline constexpr PxRect kMapCaption{1026, 492, 212, 16};
inline constexpr PxRect kMapLock{1026, 512, 104, 26};
inline constexpr PxRect kMapLinkLR{1134, 512, 104, 26};
inline constexpr PxRect kMapLoad{1026, 544, 104, 26};
inline constexpr PxRect kMapSave{1134, 544, 104, 26};
inline constexpr PxRect kMapReset{1026, 576, 104, 26};

// The car plan: speaker positions as seen from above, front at the top.
inline constexpr PxRect kPlanTitle{12, 8, 180, 18};
inline constexpr PxRect kCar{110, 30, 118, 300};
inline constexpr int kPlanFieldW = 60, kPlanFieldH = 18;
// The 24 position buttons (ids 4600 + i; buttons of roles that exclude one another share a place),
// the 15 delay fields (6000 + i) and the 12 group link toggles (6800 + i).
inline constexpr PxRect kPositionRects[24] = {
    {170, 32, 30, 30},  {142, 36, 22, 22},  {170, 32, 30, 30},  {98, 132, 34, 34},  {101, 88, 28, 28},
    {100, 46, 22, 22},  {101, 88, 28, 28},  {101, 88, 28, 28},  {101, 88, 28, 28},  {206, 132, 34, 34},
    {209, 88, 28, 28},  {216, 46, 22, 22},  {209, 88, 28, 28},  {209, 88, 28, 28},  {209, 88, 28, 28},
    {98, 232, 34, 34},  {100, 198, 22, 22}, {206, 232, 34, 34}, {216, 198, 22, 22}, {98, 232, 34, 34},
    {206, 232, 34, 34}, {114, 278, 36, 36}, {188, 278, 36, 36}, {151, 278, 36, 36},
};
inline constexpr PxRect kDelayFieldRects[15] = {
    {32, 48, 60, 18},  {32, 93, 60, 18},  {32, 140, 60, 18},  {244, 48, 60, 18}, {244, 93, 60, 18},
    {244, 140, 60, 18}, {108, 68, 60, 18}, {170, 68, 60, 18}, {32, 200, 60, 18}, {32, 240, 60, 18},
    {244, 200, 60, 18}, {244, 240, 60, 18}, {32, 287, 60, 18}, {244, 287, 60, 18}, {139, 318, 60, 18},
};
// The four toggles of a front group share a place; each draws the bracket of its members.
inline constexpr PxRect kToggleRects[12] = {
    {8, 46, 18, 122},   {8, 46, 18, 122},   {8, 46, 18, 122},   {8, 46, 18, 122},
    {312, 46, 18, 122}, {312, 46, 18, 122}, {312, 46, 18, 122}, {312, 46, 18, 122},
    {8, 198, 18, 70},   {312, 198, 18, 70}, {140, 90, 58, 16},  {126, 340, 86, 14},
};
// Link markers beside the title, shown while the current output is linked.
constexpr PxRect LinkMarker(int i)
{
    return {240 + 30 * i, 8, 28, 16};
}
inline constexpr PxRect kUnitCaption{12, 372, 96, 22};
constexpr PxRect UnitButton(int i)
{
    return {110 + 72 * i, 370, 68, 24};
}

// The output strips along the bottom edge: strip 0 a little apart at (3, 423), strip i >= 1 at
// (6 + i x (w + 6), 425), w the strip's width.
inline constexpr int kStripW = 150, kStripH = 222;
Point StripOrigin(int nStrip, int nWidth);
}  // namespace OutputLayout

// Inside a strip, in the strip's pixels.
namespace OutputLayout::Strip {
inline constexpr PxRect kSelect{0, 0, kStripW, 26};
inline constexpr PxRect kRole{6, 32, 138, 24};
inline constexpr PxRect kOnOff{6, 62, 68, 22};
inline constexpr PxRect kPolarity{76, 62, 68, 22};
inline constexpr PxRect kFader{49, 90, 52, 104};
inline constexpr PxRect kLevel{39, 198, 72, 18};
}  // namespace OutputLayout::Strip
