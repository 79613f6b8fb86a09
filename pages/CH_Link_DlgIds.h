#pragma once
// Ids of the channel pair link dialog: its template and its controls, shared by the template's
// rows (CH_Link_DlgTemplate.cpp) and the dialog.
struct DlgTemplate;

namespace CH_Link_DlgIds {
enum : int {
    IDD_CH_LINK = 370,
    IDC_FIRST = 2259,   // the first output of the pair gives its data (m_nApply 0)
    IDC_SECOND = 2258,  // the second one does (m_nApply 1)
};
}  // namespace CH_Link_DlgIds

extern const DlgTemplate g_tplCH_Link_Dlg;
