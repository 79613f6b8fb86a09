// Template of the left/right link dialog, in dialog units of Arial 9: the note, the two copy
// directions, OK and Cancel.
#include "pages/All_Link_DlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace All_Link_DlgIds;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    {IDC_NOTE, Static, 7, 5, 169, 20, "Need to synchronize the data transfer, \nplease select sync mode", SS_CENTER},
    {IDC_LEFT_TO_RIGHT, Button, 40, 28, 120, 10, "Copy from left to right", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {IDC_RIGHT_TO_LEFT, Button, 40, 41, 120, 10, "Copy from right to left ", BS_AUTORADIOBUTTON},
    {1, Button, 35, 57, 50, 15, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {2, Button, 98, 57, 50, 15, "Cancel", WS_TABSTOP},
};
}  // namespace

constexpr DlgTemplate g_tplAll_Link_Dlg{IDD_ALL_LINK, 183, 78, "L/R Link", "Arial", 9, kItems};
