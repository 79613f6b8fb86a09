#include "pages/LevelRules.h"

#include <mutex>

#include "model/DataDefine.h"
#include "model/InputSourceTable.h"
#include "pages/Level_Delay_DlgIds.h"
#include "pages/PageHost.h"
#include "platform/LinkLock.h"

using namespace Level_Delay_DlgIds;

ActiveInputChoice ChooseActiveInput(int nInput, IPageHost& host)
{
    std::lock_guard lock(g_csLink);
    ActiveInputChoice choice{g_masterSettings.m_byNoInput, g_nCurInput, false, false};
    if (g_masterSettings.m_byNoInput) {
        g_masterSettings.m_byNoInput = 0;
        host.SendSystemItem(SYS_MASTER, 0);
        choice.bNoInputCleared = true;
    }
    if (nInput < 0 || nInput >= MUSIC_CHANNELS || nInput == g_nCurInput)
        return choice;
    g_nCurInput = nInput;
    g_inputSettings.m_byInput = static_cast<BYTE>(nInput);
    KeepInputSourceOffered();
    host.SendSystemItem(SYS_INPUT, 0);
    choice.bInputChanged = true;
    return choice;
}

int ActiveInputButton()
{
    return g_nCurInput >= 0 && g_nCurInput < MUSIC_CHANNELS ? g_nCurInput : -1;
}

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
