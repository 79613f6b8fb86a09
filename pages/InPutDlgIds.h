#pragma once
// Ids of the music input page (page 0 of the main view): its template, its faces, its menu and
// its controls, shared by the template's rows (InPutDlgTemplate.cpp), the faces
// (res/InputSkins.cpp) and the page's code.
struct DlgTemplate;

namespace InPutDlgIds {
enum : int {
    IDD_INPUT = 382,

    // Controls. A band column k (0-14) has a number, frequency, Q and gain edits with their
    // spins, a fader and a work lamp at base + k.
    IDC_BAND_LABEL = 3500,
    IDC_FREQ_EDIT = 3550,
    IDC_Q_EDIT = 3600,
    IDC_GAIN_EDIT = 3650,
    IDC_FREQ_SPIN = 3700,
    IDC_Q_SPIN = 3750,
    IDC_GAIN_SPIN = 3800,
    IDC_FADER = 3850,
    IDC_GAIN_ROW = 3881,  // "dB" over the frequency row's label in the graphic layout
    IDC_BAND_WORK = 3900,
    IDC_EQ_MODE = 3940,
    IDC_BYPASS_ALL = 3950,
    IDC_RESET_EQ = 3951,
    IDC_CURVE = 3952,
    IDC_SEL_INPUT = 3953,
    IDC_AUX_MODE = 3956,  // 2 CH, 4CH 2CH, 6 CH: 3956-3958
    IDC_INPUT = 3960,     // input select buttons 3960-3965
    IDC_MIXER = 3967,
    IDC_ONE_WAY = 3980,
    IDC_TWO_WAY = 3981,

    // The mixer source pop-up: item 174 + source (6 off).
    IDR_MIXER_MENU = 173,
    ID_MIXER_SOURCE = 174,

    // Faces. The whole-EQ commands, the work lamps, the gain row plate and the input select
    // buttons have the faces the page shares with the output page and the main view
    // (SharedFaceIds.h).
    IDB_BACK_EN = 383,
    IDB_BACK_CN = 389,
    IDB_FADER_GEQ = 620,        // graphic layout: 620 inner columns, 621 the first, 622 the last
    IDB_FADER_PEQ = 623,        // parametric layout: 623 inner columns, 624 the first, 625 the last
    IDB_THUMB = 626,
    IDB_THUMB_ACTIVE = 627,
    IDB_THUMB_DISABLED = 628,
    IDB_MIXER_START = 722,      // normal, hover (723) until the source is first shown
    // + input. Faces of their own: the output page's input indicator, of another size, has 452
    // and 459.
    IDB_SEL_INPUT_EN = 8840,
    IDB_SEL_INPUT_CN = 8850,
    IDB_MIXER_CN = 3100,        // + source: normal; + 10 hover and pressed
    IDB_MIXER_EN = 3120,
    IDB_AUX_MODE_EN = 679,      // + 3 x mode: normal, hover, pressed
    IDB_AUX_MODE_CN = 4420,
    IDB_ONE_WAY_EN = 3150,      // normal, hover, pressed; 2-Way 3153-3155
    IDB_ONE_WAY_CN = 3140,      // 2-Way 3143-3145
};
}  // namespace InPutDlgIds

extern const DlgTemplate g_tplInPutDlg;
