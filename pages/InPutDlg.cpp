#include "pages/InPutDlg.h"

#include "pages/InPutDlgIds.h"

using namespace InPutDlgIds;

CInPutDlg* g_pInputPage = nullptr;

CInPutDlg::CInPutDlg(IPageHost& host, CKTV_Data& data) : CPage(IDD_INPUT, host, data)
{
    SetBackgroundSkins(IDB_BACK_EN, IDB_BACK_CN);
    g_pInputPage = this;
}

CInPutDlg::~CInPutDlg()
{
    if (g_pInputPage == this)
        g_pInputPage = nullptr;
}

void CInPutDlg::ShowChannel()
{
    Refresh();
}

void CInPutDlg::UpdateSourceButtons()
{
    Refresh();
}

void CInPutDlg::RefreshInputControls()
{
    UpdateSourceButtons();
}
