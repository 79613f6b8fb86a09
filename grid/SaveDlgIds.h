#pragma once
// Ids of the preset name dialog: its template and its controls, shared by the template's rows
// (SaveDlgTemplate.cpp) and the dialog.
struct DlgTemplate;

namespace SaveDlgIds {
enum : int {
    IDD_SAVE = 666,
    IDC_OK = 1,
    IDC_CANCEL = 2,
    IDC_NUMBER = 2725,  // "No." and the stored preset's number
    IDC_NAME = 2726,
};
}  // namespace SaveDlgIds

extern const DlgTemplate g_tplSaveDlg;
