#pragma once
// Ids of the dynamics ("System") dialog: its template, its ground and its controls, shared by
// the template's rows (CurSYSDlgTemplate.cpp), the dialog and its ground (res/AdvSkins.cpp).
// Output i (0-7) has the controls at the first id of each family + i.
struct DlgTemplate;

namespace CurSYSDlgIds {
enum : int {
    IDD_CURSYS = 108,
    // The ground: the panels of the eight outputs on the dialog's light ground.
    IDB_BACK = 7260,

    IDC_LIM_LEVEL = 5620,
    IDC_LIM_LEVEL_SPIN = 5650,
    IDC_LIM_ATTACK = 5630,
    IDC_LIM_ATTACK_SPIN = 5660,
    IDC_LIM_RELEASE = 5700,
    IDC_LIM_RELEASE_SPIN = 5710,
    IDC_COMP_LEVEL = 9500,
    IDC_COMP_LEVEL_SPIN = 9540,
    IDC_COMP_RATIO = 9510,
    IDC_COMP_RATIO_SPIN = 9550,
    IDC_COMP_ATTACK = 9520,
    IDC_COMP_ATTACK_SPIN = 9560,
    IDC_COMP_RELEASE = 9530,
    IDC_COMP_RELEASE_SPIN = 9570,
    IDC_GRAPH = 2513,
    IDC_BOX = 5610,

    // Row labels: level, attack, release of the upper row (5600-5602) and the lower (5603-5605),
    // and "Ratio" of each row.
    IDC_ROW_LABEL = 5600,
    IDC_RATIO_LABEL_UP = 9136,
    IDC_RATIO_LABEL_DOWN = 9137,
    IDC_SOURCE_LABEL = 2061,
    IDC_GATE_LABEL = 2062,
    IDC_SOURCE_LIST = 2063,
    IDC_GATE = 2059,
    IDC_GATE_SPIN = 2060,
};
}  // namespace CurSYSDlgIds

extern const DlgTemplate g_tplCurSYSDlg;
