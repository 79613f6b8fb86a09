#pragma once
// Ids of the level and delay page (page 2 of the main view): its template, its faces and its
// controls, shared by the template's rows (Level_Delay_DlgTemplate.cpp) and the page's code.
struct DlgTemplate;

namespace Level_Delay_DlgIds {
enum : int {
    IDD_LEVEL_DELAY = 522,
    IDB_BACK_EN = 523,
    IDB_BACK_CN = 7030,
};
}  // namespace Level_Delay_DlgIds

extern const DlgTemplate g_tplLevel_Delay_Dlg;
