#include "pages/Level_Delay_Dlg.h"

#include "pages/Level_Delay_DlgIds.h"

using namespace Level_Delay_DlgIds;

CLevel_Delay_Dlg* g_pLevelPage = nullptr;

CLevel_Delay_Dlg::CLevel_Delay_Dlg(IPageHost& host, CKTV_Data& data) : CPage(IDD_LEVEL_DELAY, host, data)
{
    SetBackgroundSkins(IDB_BACK_EN, IDB_BACK_CN);
    g_pLevelPage = this;
}

CLevel_Delay_Dlg::~CLevel_Delay_Dlg()
{
    if (g_pLevelPage == this)
        g_pLevelPage = nullptr;
}

void CLevel_Delay_Dlg::UpdateAllControls()
{
    Refresh();
}

void CLevel_Delay_Dlg::UpdateOutputMeters()
{
}

void CLevel_Delay_Dlg::ClearOutputMeters()
{
    Refresh();
}
