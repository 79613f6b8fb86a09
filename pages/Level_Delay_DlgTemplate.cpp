// Template of the level and delay page, in dialog units of Arial 8 (6 x 13 pixels per 4 x 8
// units at 96 dpi): the page area shows 832 x 401 units.
#include "pages/Level_Delay_DlgIds.h"
#include "res/DialogTemplate.h"

constexpr DlgTemplate g_tplLevel_Delay_Dlg{Level_Delay_DlgIds::IDD_LEVEL_DELAY, 855, 382, "", "Arial", 8, {}};
