#pragma once
// Ids of the output page (page 1 of the main view): its template, its faces and its controls,
// shared by the template's rows (OutputDlgTemplate.cpp) and the page's code.
struct DlgTemplate;

namespace OutputDlgIds {
enum : int {
    IDD_OUTPUT = 136,
    IDB_BACK_EN = 286,
    IDB_BACK_CN = 287,

    // Master block: volume fader, field and spin, and the master-on switch.
    IDC_MASTER_SLIDER = 2571,
    IDC_MASTER_EDIT = 2572,
    IDC_MASTER_SPIN = 2573,
    IDC_MASTER_ON = 2574,
    IDB_MASTER_CHANNEL = 357,
    IDB_MASTER_THUMB = 358,
    IDB_THUMB_ACTIVE = 282,
    IDB_MASTER_OFF = 529,  // master off: normal, hover, pressed (529-531)
    IDB_MASTER_ON = 526,   // master on, the button checked (526-528)
};
}  // namespace OutputDlgIds

extern const DlgTemplate g_tplOutputDlg;
