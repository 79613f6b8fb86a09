// Template of the preset name dialog, in dialog units of Arial 9 (7 x 14 pixels per 4 x 8 units
// at 96 dpi): the number label and the name field over OK and Cancel. The caption and the texts
// are set when the dialog opens.
#include "grid/SaveDlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace SaveDlgIds;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    {IDC_NAME, Edit, 43, 7, 79, 13, "", WS_TABSTOP},
    {IDC_NUMBER, Static, 4, 10, 38, 8, "", SS_LEFT},
    {IDC_OK, Button, 10, 31, 50, 14, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_CANCEL, Button, 75, 31, 50, 14, "Cancel", WS_TABSTOP},
};
}  // namespace

constexpr DlgTemplate g_tplSaveDlg{IDD_SAVE, 135, 51, "", "Arial", 9, kItems};
