#pragma once
// Ids of the stored-preset manager: its template and its controls, shared by the template's rows
// (ProgramDlgTemplate.cpp) and the dialog.
struct DlgTemplate;

namespace ProgramDlgIds {
enum : int {
    IDD_PROGRAM = 170,
    IDC_QUIT = 2,            // the template's cancel button
    IDC_PRESET_GRID = 2724,  // "No." and "Preset" of the six stored presets
    IDC_ACTION = 2727,       // load, save or delete, as the mode says
    // The commands of the grid's right-button menu.
    ID_MENU_SAVE_AS = 713,
    ID_MENU_LOAD = 714,
    ID_MENU_DELETE = 715,
};
}  // namespace ProgramDlgIds

extern const DlgTemplate g_tplProgramDlg;
