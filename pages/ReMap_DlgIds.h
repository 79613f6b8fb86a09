#pragma once
// Ids of the output map reset prompt: its template and its controls.
struct DlgTemplate;

namespace ReMap_DlgIds {
enum : int {
    IDD_REMAP = 711,
    IDC_QUESTION = 2769,
    IDC_DEFAULT = 2768,  // the second answer; button 1 is the first, button 2 cancels
};
}  // namespace ReMap_DlgIds

extern const DlgTemplate g_tplReMap_Dlg;
