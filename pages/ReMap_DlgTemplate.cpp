// Template of the output map reset prompt, in dialog units of Arial 9: the question, then the two
// answers and Cancel.
#include "pages/ReMap_DlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace ReMap_DlgIds;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    {IDC_QUESTION, Static, 7, 10, 169, 30, "", SS_CENTER},
    {1, Button, 12, 52, 50, 15, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_DEFAULT, Button, 67, 52, 50, 15, "Default", WS_TABSTOP},
    {2, Button, 122, 52, 50, 15, "Cancel", WS_TABSTOP},
};
}  // namespace

constexpr DlgTemplate g_tplReMap_Dlg{IDD_REMAP, 183, 78, "ReSet", "Arial", 9, kItems};
