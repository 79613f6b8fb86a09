#pragma once
// Ids of the level and delay page (page 2 of the main view): its template, its faces and its
// controls, shared by the template's rows (Level_Delay_DlgTemplate.cpp), the page's code and its
// faces (res/LevelSkins.cpp). A control of input k, output n, delay field f, position p or link
// button b has the id of its first one plus k, n, f, p or b.
struct DlgTemplate;

namespace Level_Delay_DlgIds {
enum : int {
    IDD_LEVEL_DELAY = 522,
    IDB_BACK_EN = 523,
    IDB_BACK_CN = 7030,

    // Master: volume field, spin and fader, the master switch, the left/right link indicator.
    IDC_MASTER_EDIT = 2568,
    IDC_MASTER_SPIN = 2569,
    IDC_MASTER_SLIDER = 2570,
    IDC_MASTER_ON = 2755,
    IDC_LINK_LR = 2771,

    // Music inputs 0-5 (S/PDIF, Hi.Level, Phone, AUX1, AUX2, AUX3).
    IDC_INPUT_EDIT = 3000,
    IDC_INPUT_SPIN = 3010,
    IDC_INPUT_SLIDER = 3020,
    IDC_INPUT_BUTTON = 4460,

    // Outputs 0-7.
    IDC_OUT_EDIT = 3030,
    IDC_OUT_SPIN = 3040,
    IDC_OUT_SLIDER = 3050,
    IDC_OUT_ON = 3060,
    IDC_OUT_POLARITY = 3070,
    IDC_ROLE_FACE = 2696,
    IDC_NO_ROLE = 2791,
    IDC_METER = 4800,

    // The car plan: delay fields 0-14 with their spins and knob overlays, positions 0-23, the
    // unit buttons and the twelve link buttons.
    IDC_DELAY_EDIT = 6000,
    IDC_DELAY_SPIN = 6020,
    IDC_DELAY_OVERLAY = 5980,
    IDC_POSITION = 6040,
    IDC_UNIT_MS = 2683,
    IDC_UNIT_CM = 2684,
    IDC_UNIT_INCH = 2685,
    IDC_GROUP_LINK = 6800,

    // Faces (bitmaps). Faders: channel and thumb; the thumb of a focused fader is shared.
    IDB_MASTER_CHANNEL = 357,
    IDB_MASTER_THUMB = 358,
    IDB_THUMB_ACTIVE = 282,
    IDB_INPUT_CHANNEL = 388,
    IDB_INPUT_THUMB = 387,
    // The output faders' channel has a face of its own: the strips' face 539 places the thumb
    // differently.
    IDB_OUT_CHANNEL = 8860,
    IDB_OUT_THUMB = 538,
    // Output switch: off normal, hover, pressed (529-531), on (526-528), disabled off and on.
    IDB_OUT_OFF = 529,
    IDB_OUT_ON = 526,
    IDB_OUT_DISABLED_OFF = 4376,
    IDB_OUT_DISABLED_ON = 4377,
    // Polarity: normal, hover, pressed, inverted normal, hover, pressed; disabled normal and
    // inverted at + 8 and + 9.
    IDB_POLARITY_EN = 4370,
    IDB_POLARITY_CN = 4380,
    // Role names: + role (0-24).
    IDB_ROLE_EN = 4200,
    IDB_ROLE_CN = 4230,
    IDB_NO_ROLE = 4200,
    // Unit buttons ms, cm, inch: normal, hover, pressed (the checked face is the pressed one).
    IDB_UNIT_EN = 4320,
    IDB_UNIT_CN = 4330,
    // Input buttons: + k normal, + 10 + k hover, + 20 + k pressed (the checked face), + 30 + k
    // checked while the processor reports no input.
    IDB_INPUT_EN = 4810,
    IDB_INPUT_CN = 4850,
    // Master switch: normal, hover, pressed, on normal, hover, pressed.
    IDB_MASTER_ON_EN = 4890,
    IDB_MASTER_ON_CN = 4900,
    // Knob overlay of a delay field: idle, left hot, active, right hot.
    IDB_KNOB_IDLE = 800,
    IDB_KNOB_LEFT = 801,
    IDB_KNOB_ACTIVE = 802,
    IDB_KNOB_RIGHT = 803,
    IDB_LINK_LR = 4910,

    // PNG faces of the car plan. Positions by speaker kind (tweeter, midrange, woofer,
    // mid-tweeter, mid-woofer, full range, subwoofer): kind x 3 + normal, hover, pressed.
    IDP_POSITION = 6100,
    // Link buttons: normal, hover, pressed, linked normal, hover, pressed.
    IDP_LINK = 6130,
};
}  // namespace Level_Delay_DlgIds

extern const DlgTemplate g_tplLevel_Delay_Dlg;
