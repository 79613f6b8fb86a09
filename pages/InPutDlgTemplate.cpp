// Template of the music input page, in dialog units of Arial 7 (5 x 11 pixels per 4 x 8 units
// at 96 dpi): the page area shows 998 x 474 units.
#include "pages/InPutDlgIds.h"
#include "res/DialogTemplate.h"

constexpr DlgTemplate g_tplInPutDlg{InPutDlgIds::IDD_INPUT, 1024, 431, "", "Arial", 7, {}};
