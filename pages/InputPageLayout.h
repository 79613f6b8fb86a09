#pragma once
// The pixel plan of the music input page (1248 x 652): where its controls stand, shared by its
// template (InPutDlgTemplate.cpp) and its background, whose panels and labels frame them
// (res/InputSkins.cpp). Left: the EQ graph over fifteen band columns with their row labels;
// right: the input select, mixer, Hi.Level mode and AUX mode panels; below: the selected input,
// the connector strip and the whole-EQ commands. The faces this page shares with the output page
// and the main view have their one size (SharedFaceIds.h), which the plan places.
#include "pages/SharedFaceIds.h"

namespace InputPageLayout {
struct Box {
    int x, y, cx, cy;
};

constexpr int MUSIC_INPUTS = 6;
constexpr int kBands = 15;

constexpr Box kGraph{16, 12, 880, 220};

// Band columns: a label column, then fifteen columns of kColumnPitch.
constexpr int kRowLabelX = 16;
constexpr int kRowLabelW = 52;
constexpr int kFirstColumnX = 70;
constexpr int kColumnPitch = 55;
constexpr int ColumnX(int k)
{
    return kFirstColumnX + k * kColumnPitch;
}
constexpr int kRowH = 18;
constexpr int kLabelRowY = 242;
constexpr int kFreqRowY = 264;
constexpr int kQRowY = 286;
constexpr int kGainRowY = 308;
constexpr int kFaderY = 330;
constexpr int kFaderPeqH = 99;
// The graphic layout's fader starts at the Q row and ends where the parametric one does.
constexpr int kFaderGeqH = kFaderY + kFaderPeqH - kQRowY;
constexpr int kLampRowY = 436;
constexpr int kEditDx = 5;
constexpr int kEditW = 45;
// Faders: the thumb's column kFaderMargin pixels into every channel but the first.
constexpr int kThumbW = 25;
constexpr int kThumbH = 13;
constexpr int kFaderMargin = 15;
constexpr int FaderWidth(int k)
{
    return k == 0 ? kThumbW : kFaderMargin + kThumbW;
}
constexpr int FaderDx(int k)
{
    return k == 0 ? kFaderMargin : 0;
}
// The work lamp under the column's fields.
constexpr int kLampDx = kEditDx + (kEditW - SharedFaceIds::kLampW) / 2;
// The graphic layout's gain row plate: "dB" on the frequency row, beside the gain fields there,
// and the taller faders' scale over the captions and the scale of the parametric rows.
constexpr Box kGainRowLabel{kRowLabelX, kFreqRowY, SharedFaceIds::kGainRowW, SharedFaceIds::kGainRowH};
static_assert(kRowLabelW <= SharedFaceIds::kGainRowW && kFreqRowY + SharedFaceIds::kGainRowH >= kFaderY + kFaderPeqH,
              "the plate covers the captions and the scale of the parametric rows");
static_assert(SharedFaceIds::kGainRowCaptionH == kRowH, "the plate names the frequency row");
static_assert(kQRowY + SharedFaceIds::ThumbTopEnd(kThumbH) == kFreqRowY + SharedFaceIds::kGainScaleTop &&
                  kQRowY + SharedFaceIds::ThumbBottomEnd(kFaderGeqH, kThumbH) == kFreqRowY + SharedFaceIds::kGainScaleBottom,
              "the plate's scale meets the graphic faders' thumbs");
// The parametric faders' scale, drawn on the ground where the plate draws the graphic one.
constexpr int kGainScaleRight = kRowLabelX + SharedFaceIds::kGainRowW - 4;
// The band panel around the row labels and the columns.
constexpr Box kBandPanel{10, 238, 890, 220};

// Right column: four panels.
constexpr int kPanelX = 905;
constexpr int kPanelW = 327;
constexpr int kPanelH = 104;
constexpr int kPanelPitch = 112;
constexpr int kPanelTop = 12;
constexpr int PanelY(int n)
{
    return kPanelTop + n * kPanelPitch;
}
constexpr int kPanelLabelH = 26;

// The six slots of the input select buttons: two rows of three.
constexpr Box InputSlot(int n)
{
    return {940 + (n % 3) * 95, PanelY(0) + 40 + (n / 3) * 36, SharedFaceIds::kInputButtonW, SharedFaceIds::kInputButtonH};
}
constexpr Box kMixer{990, PanelY(1) + 52, 160, 28};
constexpr int kModeButtonW = 100;
constexpr int kModeButtonH = 28;
constexpr int kModeButtonGap = 10;
constexpr Box kOneWay{960, PanelY(2) + 52, kModeButtonW, kModeButtonH};
constexpr Box kAuxMode{910, PanelY(3) + 52, kModeButtonW, kModeButtonH};

// Below: the selected input, the strip between, the whole-EQ commands.
constexpr Box kSelInputPanel{10, 466, 200, 146};
constexpr Box kSelInput{25, 519, 170, 64};
constexpr int kStripX = 221;
constexpr int kStripY = 462;
constexpr Box kEqPanel{990, 466, 242, 146};
constexpr Box kEqCommands{kEqPanel.x + (kEqPanel.cx - SharedFaceIds::kEqCommandW) / 2, 500, SharedFaceIds::kEqCommandW,
                          SharedFaceIds::kEqCommandH};
constexpr int kEqCommandPitch = 36;
}  // namespace InputPageLayout
