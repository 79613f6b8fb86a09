#pragma once
// Ids of the music input page (page 0 of the main view): its template, its faces and its
// controls, shared by the template's rows (InPutDlgTemplate.cpp) and the page's code.
struct DlgTemplate;

namespace InPutDlgIds {
enum : int {
    IDD_INPUT = 382,
    IDB_BACK_EN = 383,
    IDB_BACK_CN = 389,
};
}  // namespace InPutDlgIds

extern const DlgTemplate g_tplInPutDlg;
