// Template of the channel pair link dialog, in dialog units of Arial 9 (7 x 14 pixels per 4 x 8
// units at 96 dpi): the question, the two channels of the pair, OK and Cancel.
#include "pages/CH_Link_DlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace CH_Link_DlgIds;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    {-1, Static, 10, 8, 146, 10, "Which channel data should be applied? "},
    {IDC_FIRST, Button, 24, 26, 120, 12, "", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {IDC_SECOND, Button, 24, 44, 120, 12, "", BS_AUTORADIOBUTTON},
    {1, Button, 20, 72, 50, 14, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
    {2, Button, 96, 72, 50, 14, "Cancel", WS_TABSTOP},
};
}  // namespace

constexpr DlgTemplate g_tplCH_Link_Dlg{IDD_CH_LINK, 166, 96, "Link", "Arial", 9, kItems};
