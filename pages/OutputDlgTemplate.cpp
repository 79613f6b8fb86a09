// Template of the output page, in dialog units of Arial 7 (5 x 11 pixels per 4 x 8 units at
// 96 dpi): the page area shows 998 x 474 units.
#include "pages/OutputDlgIds.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace OutputDlgIds;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    // Master block, right of the EQ: master on over the fader, the field under it.
    {IDC_MASTER_ON, Button, 920, 12, 60, 16},
    {IDC_MASTER_SLIDER, Static, 924, 34, 42, 150},
    {IDC_MASTER_EDIT, Edit, 922, 190, 56, 12},
    {IDC_MASTER_SPIN, Static, 980, 190, 8, 12, "", UDS_ARROWKEYS},
};
}  // namespace

constexpr DlgTemplate g_tplOutputDlg{IDD_OUTPUT, 1263, 641, "", "Arial", 7, kItems};
