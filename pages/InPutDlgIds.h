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

    // Faces. The page's buttons and lamps have faces of their own size and words, apart from
    // the output page's and the main view's.
    IDB_BACK_EN = 383,
    IDB_BACK_CN = 389,
    IDB_FADER_GEQ = 620,        // graphic layout: 620 inner columns, 621 the first, 622 the last
    IDB_FADER_PEQ = 623,        // parametric layout: 623 inner columns, 624 the first, 625 the last
    IDB_THUMB = 626,
    IDB_THUMB_ACTIVE = 627,
    IDB_THUMB_DISABLED = 628,
    IDB_WORK_OFF = 9370,        // band works: normal, hover (9371)
    IDB_WORK_ON = 9372,         // band off: normal, hover (9373)
    IDB_GAIN_ROW_CN = 9380,
    IDB_GAIN_ROW_EN = 9381,
    IDB_MIXER_START = 722,      // normal, hover (723) until the source is first shown
    // + input. Faces of their own: the output page's input indicator, of another size, has 452
    // and 459.
    IDB_SEL_INPUT_EN = 8840,
    IDB_SEL_INPUT_CN = 8850,
    IDB_INPUT_EN = 9400,        // + input: normal; + 10 hover, + 20 pressed and checked
    IDB_INPUT_CN = 9430,
    IDB_NO_INPUT_CN = 8200,     // + input: checked while the processor reports no input
    IDB_NO_INPUT_EN = 8210,
    IDB_MIXER_CN = 3100,        // + source: normal; + 10 hover and pressed
    IDB_MIXER_EN = 3120,
    IDB_RESET_EN = 9300,        // normal, hover (9301)
    IDB_RESET_CN = 9303,        // normal; hover 9302
    IDB_RESET_OFF_EN = 7022,    // disabled: unchecked, checked (7023)
    IDB_RESET_OFF_CN = 7012,
    IDB_BYPASS_EN = 9310,       // ByPass EQ normal, hover (9311); Restore EQ 9312, 9313
    IDB_BYPASS_CN = 9320,       // normal 9320, hover 9325; checked 9322, 9321
    IDB_BYPASS_OFF_EN = 7020,
    IDB_BYPASS_OFF_CN = 7010,
    IDB_EQ_MODE_EN = 9330,      // PEQ normal 9330, hover 9333; GEQ 9332, 9331; disabled 9339, 9341
    IDB_EQ_MODE_CN = 9350,      // PEQ normal 9350, hover 9353; GEQ 9352, 9351; disabled 9359, 9361
    IDB_AUX_MODE_EN = 679,      // + 3 x mode: normal, hover, pressed
    IDB_AUX_MODE_CN = 4420,
    IDB_ONE_WAY_EN = 3150,      // normal, hover, pressed; 2-Way 3153-3155
    IDB_ONE_WAY_CN = 3140,      // 2-Way 3143-3145
};
}  // namespace InPutDlgIds

extern const DlgTemplate g_tplInPutDlg;
