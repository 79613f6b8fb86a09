// Template of the stored-preset manager, in dialog units of Arial 9 (7 x 14 pixels per 4 x 8
// units at 96 dpi): the grid of the six stored presets over the action and Quit buttons. Every
// text is set when the dialog opens.
#include "grid/ProgramDlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace ProgramDlgIds;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    {IDC_PRESET_GRID, Static, 21, 4, 201, 92, "", WS_TABSTOP},
    {IDC_ACTION, Button, 52, 101, 50, 14, "", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_QUIT, Button, 141, 101, 50, 14, "", WS_TABSTOP},
};
}  // namespace

constexpr DlgTemplate g_tplProgramDlg{IDD_PROGRAM, 245, 120, "", "Arial", 9, kItems};
