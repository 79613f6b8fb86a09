// Template of the level and delay page, in dialog units of Arial 8 (6 x 13 pixels per 4 x 8
// units at 96 dpi): the page area shows 832 x 401 units. The rows are made from the pixel places
// of Level_Delay_DlgLayout.h, which the page's ground is drawn around.
#include <array>

#include "pages/Level_Delay_DlgIds.h"
#include "pages/Level_Delay_DlgLayout.h"
#include "res/DialogTemplate.h"
#include "res/WinStyles.h"

namespace {
using namespace Level_Delay_DlgIds;
using namespace Level_Delay_DlgLayout;
using enum DlgClass;

// Pixels to dialog units of the template font, to the nearest unit.
constexpr int Ux(int px)
{
    return (px * 4 + 3) / 6;
}
constexpr int Uy(int px)
{
    return (px * 8 + 6) / 13;
}
constexpr DlgItem Item(int nId, DlgClass cls, int x, int y, int cx, int cy, unsigned nStyle = 0)
{
    return {nId, cls, Ux(x), Uy(y), Ux(cx), Uy(cy), "", nStyle};
}

constexpr int kInputs = 6, kOutputs = 8, kFields = 15, kPositions = 24, kLinkButtons = 12;
constexpr int kItemCount = 5 + 4 * kInputs + 8 * kOutputs + 2 * kFields + kPositions + 3 + kLinkButtons;

constexpr std::array<DlgItem, kItemCount> MakeItems()
{
    std::array<DlgItem, kItemCount> items{};
    int i = 0;
    const int xMaster = kMasterColX + kMasterColW / 2;
    items[i++] = Item(IDC_MASTER_ON, Button, xMaster - kMasterOnW / 2, kInputButtonY, kMasterOnW, kInputButtonH);
    items[i++] = Item(IDC_MASTER_SLIDER, Static, xMaster - kMasterThumbX - 13, kInputSliderY, kMasterSliderW,
                      kMasterSliderH);
    items[i++] = Item(IDC_MASTER_EDIT, Edit, xMaster - kInputEditW / 2, kMasterEditY, kInputEditW, kEditH, ES_CENTER);
    items[i++] = Item(IDC_MASTER_SPIN, Static, xMaster + kInputEditW / 2, kMasterEditY, 8, kEditH, UDS_ARROWKEYS);
    items[i++] = Item(IDC_LINK_LR, Static, kLinkLr.x, kLinkLr.y, kLinkLr.cx, kLinkLr.cy, SS_BITMAP);
    for (int k = 0; k < kInputs; ++k) {
        const int x = kInputColX + k * kInputColW + kInputColW / 2;
        items[i++] = Item(IDC_INPUT_BUTTON + k, Button, x - kInputButtonW / 2, kInputButtonY, kInputButtonW,
                          kInputButtonH);
        items[i++] = Item(IDC_INPUT_SLIDER + k, Static, x - kInputThumbX - 13, kInputSliderY, kInputSliderW,
                          kInputSliderH);
        items[i++] = Item(IDC_INPUT_EDIT + k, Edit, x - kInputEditW / 2, kInputEditY, kInputEditW, kEditH, ES_CENTER);
        items[i++] = Item(IDC_INPUT_SPIN + k, Static, x + kInputEditW / 2, kInputEditY, 8, kEditH, UDS_ARROWKEYS);
    }
    for (int n = 0; n < kOutputs; ++n) {
        const int x = kOutColX + n * kOutColW + kOutColW / 2;
        items[i++] = Item(IDC_ROLE_FACE + n, Button, x - kRoleFaceW / 2, kRoleFaceY, kRoleFaceW, kRoleFaceH,
                          WS_DISABLED);
        items[i++] = Item(IDC_METER + n, Static, x - kMeterW / 2, kMeterY, kMeterW, kMeterH);
        items[i++] = Item(IDC_NO_ROLE + n, Button, x - kRoleFaceW / 2, kNoRoleY, kRoleFaceW, kRoleFaceH, WS_DISABLED);
        items[i++] = Item(IDC_OUT_SLIDER + n, Static, x - kOutThumbX - 13, kOutSliderY, kOutSliderW, kOutSliderH);
        items[i++] = Item(IDC_OUT_EDIT + n, Edit, x - kOutEditW / 2, kOutEditY, kOutEditW, kEditH, ES_CENTER);
        items[i++] = Item(IDC_OUT_SPIN + n, Static, x + kOutEditW / 2, kOutEditY, 8, kEditH, UDS_ARROWKEYS);
        items[i++] = Item(IDC_OUT_ON + n, Button, x - kOutButtonW / 2, kOutOnY, kOutButtonW, kOutButtonH);
        items[i++] = Item(IDC_OUT_POLARITY + n, Button, x - kOutButtonW / 2, kOutPolarityY, kOutButtonW, kOutButtonH);
    }
    for (int f = 0; f < kFields; ++f) {
        const Point at = Level_Delay_DlgLayout::kFields[f];
        items[i++] = Item(IDC_DELAY_EDIT + f, Edit, at.x, at.y, kFieldW, kFieldH, ES_CENTER);
        items[i++] = Item(IDC_DELAY_SPIN + f, Static, at.x + kFieldW, at.y, 8, kFieldH, UDS_ARROWKEYS);
    }
    for (int p = 0; p < kPositions; ++p)
        items[i++] = Item(IDC_POSITION + p, Button, kIcons[p].x, kIcons[p].y, kIconSize, kIconSize);
    for (int u = 0; u < 3; ++u)
        items[i++] = Item(IDC_UNIT_MS + u, Button, kUnitX[u], kUnitY, kUnitW, kUnitH);
    for (int b = 0; b < kLinkButtons; ++b)
        items[i++] = Item(IDC_GROUP_LINK + b, Button, kLinks[b].x, kLinks[b].y, kLinkSize, kLinkSize);
    return items;
}

constexpr std::array<DlgItem, kItemCount> kItems = MakeItems();
}  // namespace

constexpr DlgTemplate g_tplLevel_Delay_Dlg{Level_Delay_DlgIds::IDD_LEVEL_DELAY, 855, 382, "", "Arial", 8, kItems};
