#include "pages/LevelRules.h"

#include "model/DataDefine.h"
#include "pages/Level_Delay_DlgIds.h"

using namespace Level_Delay_DlgIds;

const std::array<int, LEVEL_TAB_COUNT>& LevelTabIds()
{
    static const std::array<int, LEVEL_TAB_COUNT> ids = [] {
        std::array<int, LEVEL_TAB_COUNT> a{};
        std::size_t i = 0;
        a[i++] = IDC_MASTER_EDIT;
        for (int k = 0; k < MUSIC_CHANNELS; ++k)
            a[i++] = IDC_INPUT_EDIT + k;
        for (int f = 0; f < 15; ++f)
            a[i++] = IDC_DELAY_EDIT + f;
        for (int n = 0; n < OUTPUT_CHANNELS; ++n)
            a[i++] = IDC_OUT_EDIT + n;
        return a;
    }();
    return ids;
}

int NextLevelField(int nFromId, bool bForward, const std::function<bool(int nId)>& isShown)
{
    const auto& ids = LevelTabIds();
    int p = 0;
    for (int i = 0; i < LEVEL_TAB_COUNT; ++i)
        if (ids[static_cast<std::size_t>(i)] == nFromId)
            p = i;
    auto shown = [&](int i) { return isShown(ids[static_cast<std::size_t>(i)]); };
    if (!bForward) {
        for (int i = (p == 0 ? LEVEL_TAB_COUNT : p) - 1; i >= 0; --i)
            if (shown(i))
                return ids[static_cast<std::size_t>(i)];
        return 0;
    }
    for (int i = p + 1; i < LEVEL_TAB_COUNT; ++i)
        if (shown(i))
            return ids[static_cast<std::size_t>(i)];
    return IDC_MASTER_EDIT;
}

std::optional<std::vector<int>> InputColumnOrder(int nOptInputs)
{
    constexpr int kSpdif = 0, kHiLevel = 1, kPhone = 2, kAux1 = 3, kAux2 = 4, kAux3 = 5;
    if (nOptInputs < 0 || nOptInputs > 3)
        return std::nullopt;
    std::vector<int> order;
    if (nOptInputs & 2)
        order.push_back(kSpdif);
    order.push_back(kHiLevel);
    if (nOptInputs & 1)
        order.push_back(kPhone);
    for (const int k : {kAux1, kAux2, kAux3})
        order.push_back(k);
    return order;
}
