#pragma once
// Faces that more than one page shows under one id, and the one size each has: the whole-EQ
// command buttons, the band work lamps and the graphic layout's gain row plate of the music input
// and output pages, and the input select buttons of the music input page, whose inputs 1-3 are
// the main view's quick select buttons too. A button takes the size of its face, so each page
// places these at the sizes below. Drawn once, in res/SharedSkins.cpp. Toolkit-free.
namespace SharedFaceIds {
enum : int {
    // Whole-EQ commands: normal, then hover (also pressed).
    IDB_RESET_EQ_EN = 359,
    IDB_RESET_EQ_HOVER_EN = 360,
    IDB_RESET_EQ_CN = 7004,
    IDB_RESET_EQ_HOVER_CN = 7003,
    IDB_RESET_EQ_OFF_EN = 7022,  // disabled: unchecked, checked (7023)
    IDB_RESET_EQ_OFF_CN = 7012,  // (7013)
    // Bypass all: "ByPass EQ", checked "Restore EQ".
    IDB_BYPASS_EQ_EN = 8820,  // normal, hover (8821)
    IDB_RESTORE_EQ_EN = 8822,  // normal, hover (8823)
    IDB_BYPASS_EQ_CN = 7000,
    IDB_BYPASS_EQ_HOVER_CN = 7005,
    IDB_RESTORE_EQ_CN = 7002,
    IDB_RESTORE_EQ_HOVER_CN = 7001,
    IDB_BYPASS_EQ_OFF_EN = 7020,  // disabled: unchecked, checked (7021)
    IDB_BYPASS_EQ_OFF_CN = 7010,  // (7011)
    // EQ mode: "PEQMode", checked "GEQMode".
    IDB_PEQ_MODE_EN = 740,
    IDB_PEQ_MODE_HOVER_EN = 743,
    IDB_GEQ_MODE_EN = 742,
    IDB_GEQ_MODE_HOVER_EN = 741,
    IDB_PEQ_MODE_CN = 744,
    IDB_PEQ_MODE_HOVER_CN = 747,
    IDB_GEQ_MODE_CN = 746,
    IDB_GEQ_MODE_HOVER_CN = 745,
    IDB_PEQ_MODE_OFF_EN = 749,  // disabled
    IDB_GEQ_MODE_OFF_EN = 751,
    IDB_PEQ_MODE_OFF_CN = 753,
    IDB_GEQ_MODE_OFF_CN = 755,
    // A band's work lamp: the band works ("ON"), or is bypassed or flat ("BY"); normal, hover.
    IDB_BAND_WORKS = 8830,
    IDB_BAND_BYPASSED = 8832,
    // The graphic layout's gain row plate.
    IDB_GAIN_ROW_EN = 797,
    IDB_GAIN_ROW_CN = 796,
    // Input select button of music input n: + n normal, + 10 + n hover, + 20 + n pressed and
    // checked; the checked face while the processor reports no input.
    IDB_INPUT_BUTTON_EN = 8100,
    IDB_INPUT_BUTTON_CN = 8130,
    IDB_NO_INPUT_EN = 8210,
    IDB_NO_INPUT_CN = 8200,
};

inline constexpr int kEqCommandW = 188, kEqCommandH = 26;
inline constexpr int kLampW = 40, kLampH = 18;
inline constexpr int kInputButtonW = 64, kInputButtonH = 28;

// The gain row plate covers the row captions of the rows the graphic layout hides and the
// parametric faders' scale. It names the gain on its first kGainRowCaptionH rows, beside the
// gain fields, and carries the graphic faders' scale: +12 dB kGainScaleTop and -12 dB
// kGainScaleBottom pixels below its top, where each page's graphic faders have their thumb's
// centre line at the ends of their travel.
inline constexpr int kGainRowW = 52, kGainRowH = 165;
inline constexpr int kGainRowCaptionH = 18;
inline constexpr int kGainScaleTop = 29, kGainScaleBottom = 157;

// The thumb's centre line at the top and the bottom end of a band fader nHeight high, from its
// top, with the one-pixel margins the pages give their band faders.
constexpr int ThumbTopEnd(int nThumbH)
{
    return 1 + nThumbH / 2;
}
constexpr int ThumbBottomEnd(int nHeight, int nThumbH)
{
    return nHeight - 1 - nThumbH + nThumbH / 2;
}
}  // namespace SharedFaceIds
