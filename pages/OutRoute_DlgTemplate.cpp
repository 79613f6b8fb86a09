// Template of the output strip, in dialog units of Arial 7, placed by the strip's pixel layout
// (OutputLayout.h).
#include "pages/OutRoute_DlgIds.h"
#include "pages/TemplatePx.h"
#include "res/WinStyles.h"

namespace {
using namespace OutRoute_DlgIds;
using namespace OutputLayout;
using enum DlgClass;

constexpr DlgItem kItems[] = {
    Px(IDC_SELECT, Button, Strip::kSelect),
    Px(IDC_ROLE, Button, Strip::kRole),
    Px(IDC_ON_OFF, Button, Strip::kOnOff),
    Px(IDC_POLARITY, Button, Strip::kPolarity),
    Px(IDC_LEVEL_SLIDER, Static, Strip::kFader),
    Px(IDC_LEVEL_EDIT, Edit, Strip::kLevel),
    Px(IDC_LEVEL_SPIN, Static, SpinBeside(Strip::kLevel), "", UDS_ARROWKEYS),
};
}  // namespace

constexpr DlgTemplate g_tplOutRoute_Dlg{IDD_OUT_ROUTE, (kStripW * 4 + 2) / 5, (kStripH * 8 + 5) / 11, "", "Arial", 7,
                                        kItems};
