// Template of the input selector strip, in dialog units of Arial 7 (5 x 11 pixels per 4 x 8
// units at 96 dpi); the strip takes the size of its panel picture. The rows follow the strip's
// pixel plan (InModeLayout), in the order of the connectors.
#include <array>

#include "pages/InMode_DlgIds.h"
#include "res/DialogTemplate.h"

namespace {
using namespace InMode_DlgIds;
using namespace InModeLayout;

constexpr int X(int px)
{
    return (px * 4 + 2) / 5;
}
constexpr int Y(int px)
{
    return (px * 8 + 5) / 11;
}

constexpr int kIds[] = {IDC_HILEVEL,  IDC_SPDIF,   IDC_PHONE,   IDC_AUX_PAIR, IDC_AUX_PAIR + 1, IDC_AUX_PAIR + 2,
                        IDC_AUX_4CH, IDC_AUX_2CH, IDC_AUX_6CH, IDC_AUX_4ALT, IDC_AUX_5ALT};
static_assert(std::size(kIds) == std::size(kPlaces));

constexpr std::array<DlgItem, std::size(kIds)> MakeItems()
{
    std::array<DlgItem, std::size(kIds)> items{};
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = DlgItem{kIds[i], DlgClass::Button, X(kPlaces[i].x), Y(kConnectorY), X(kPlaces[i].cx), Y(kConnectorH)};
    return items;
}

constexpr auto kItems = MakeItems();
}  // namespace

constexpr DlgTemplate g_tplInMode_Dlg{IDD_INMODE, 601, 112, "", "Arial", 7, kItems};
