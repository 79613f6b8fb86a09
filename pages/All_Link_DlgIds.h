#pragma once
// Ids of the left/right link dialog: its template and its controls.
struct DlgTemplate;

namespace All_Link_DlgIds {
enum : int {
    IDD_ALL_LINK = 369,
    IDC_NOTE = 2754,
    IDC_LEFT_TO_RIGHT = 2251,  // first of the radio group
    IDC_RIGHT_TO_LEFT = 2252,
};
}  // namespace All_Link_DlgIds

extern const DlgTemplate g_tplAll_Link_Dlg;
