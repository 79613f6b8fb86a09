#pragma once
// Ids of the output strip (one per output along the bottom of the output page): its template,
// its controls, its faces and its menus.
struct DlgTemplate;

namespace OutRoute_DlgIds {
enum : int {
    IDD_OUT_ROUTE = 110,
    IDC_ON_OFF = 1001,
    IDC_POLARITY = 4001,
    IDC_ROLE = 2636,
    IDC_SELECT = 2815,
    IDC_LEVEL_EDIT = 4002,
    IDC_LEVEL_SPIN = 4003,
    IDC_LEVEL_SLIDER = 4005,

    IDB_STRIP = 390,            // the strip's ground in every state
    IDB_NUMBER = 400,           // select button of strip i: 400 + i normal
    IDB_NUMBER_CHECKED = 410,   // 410 + i: the current output's strip
    IDB_NUMBER_HOVER = 420,     // 420 + i: hover and pressed
    IDB_NUMBER_DISABLED = 633,  // 633 + i
    IDB_ON_DISABLED = 4376,     // off 4376, on 4377
    IDB_POLARITY_EN = 4370,     // normal, hover, pressed, then inverted (4370-4375)
    IDB_POLARITY_EN_DISABLED = 4378,  // normal 4378, inverted 4379
    IDB_POLARITY_CN = 4380,
    IDB_POLARITY_CN_DISABLED = 4388,
    IDB_LEVEL_CHANNEL = 539,
    IDB_LEVEL_THUMB = 538,
    IDB_LEVEL_THUMB_DISABLED = 4410,
    IDB_ROLE = 594,  // normal, hover, pressed (594-596)
    IDB_ROLE_DISABLED = 641,

    IDM_STRIP = 171,  // copy and paste
    ID_COPY = 200,
    ID_PASTE = 201,
    ID_ROLE_FIRST = 4100,  // role k: 4100 + k
};
}  // namespace OutRoute_DlgIds

extern const DlgTemplate g_tplOutRoute_Dlg;
