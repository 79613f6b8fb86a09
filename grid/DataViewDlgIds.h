#pragma once
// Ids of the parameter report dialog: its template and its controls, shared by the template's rows
// (DataViewDlgTemplate.cpp) and the dialog's code.
struct DlgTemplate;

namespace DataViewDlgIds {
enum : int {
    IDD_DATA_VIEW = 102,
    IDC_PRINT = 1366,
    IDC_PARAM_LIST = 1367,
    IDC_EXPORT = 1369,
};
}  // namespace DataViewDlgIds

extern const DlgTemplate g_tplDataViewDlg;
