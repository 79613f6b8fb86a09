// The music input page's choices besides the EQ: the active input (select buttons and the
// strip's connectors), the AUX mode, the Hi.Level mode and the mixer source, and what the page
// does when the level page or the processor changed the input. Each choice is sent at once:
// input and mode through the view's routine (items 5 and 2), Hi.Level mode and source as item 2.
#include <wx/menu.h>

#include <algorithm>
#include <memory>

#include "controls/BitButton.h"
#include "controls/ControlIds.h"
#include "model/DataDefine.h"
#include "model/InputSourceTable.h"
#include "model/StdAfx.h"
#include "pages/InMode_Dlg.h"
#include "pages/InPutDlg.h"
#include "pages/InPutDlgIds.h"
#include "pages/PageHost.h"
#include "res/Menus.h"

using namespace InPutDlgIds;

void CInPutDlg::OnInputButton(int k)
{
    AfterInputChoice(m_pView->SelectActiveInput(k, InputChangeBy::InputButton), false);
}

// A connector sends item 2 and refreshes the page even for the input already active.
void CInPutDlg::OnSelectInput(int nInput)
{
    AfterInputChoice(m_pView->SelectActiveInput(nInput, InputChangeBy::InputConnector), true);
}

void CInPutDlg::OnAuxMode(int nMode)
{
    AfterInputChoice(m_pView->SelectInputMode(nMode), false);
}

// The view has told the level page, sent what was due and dropped the stale status reports.
void CInPutDlg::AfterInputChoice(const InputChange& change, bool bAlwaysRefresh)
{
    if (change.bSendMaster)
        m_btnMixer->SetCheck(false);
    if (change.bInputChanged || change.bModeChanged || change.bSendMaster || bAlwaysRefresh) {
        RefreshChannelButtons();
        return;
    }
    // Nothing changed: the buttons still show the active input alone.
    for (int k = 0; k < InputPageLayout::MUSIC_INPUTS; ++k)
        m_btnInput[k]->SetCheck(k == g_nCurInput);
    for (int i = 0; i < 3; ++i)
        m_btnAuxMode[i]->SetCheck(i == g_nInputMode);
    m_dlgInMode->CheckCurrent();
}

void CInPutDlg::OnHiLevelMode(int bTwoWay)
{
    if (g_inputSettings.Get().m_byTwoWay == bTwoWay)
        return;
    g_inputSettings.SetField(&InputSettings::m_byTwoWay, static_cast<BYTE>(bTwoWay));
    m_btnOneWay->SetCheck(bTwoWay == 0);
    m_btnTwoWay->SetCheck(bTwoWay == 1);
    m_pView->SendSystemItem(SYS_INPUT);
}

// The pop-up offers the sources the source table allows for the active input; the others stay
// in the list but cannot be chosen (GTK draws them greyed).
void CInPutDlg::OnMixerButton()
{
    std::unique_ptr<wxMenu> pMenu(LoadMenu(IDR_MIXER_MENU));
    if (!pMenu)
        return;
    for (int s = 0; s < SOURCE_COUNT; ++s)
        if (wxMenuItem* pItem = pMenu->FindItem(WxId(ID_MIXER_SOURCE + s)))
            pItem->Enable(g_inputSourceTable.m_bAvail[s] != 0);
    const wxRect rc = m_btnMixer->GetRect();
    const wxPoint pt(rc.GetLeft(), rc.GetBottom() + 1 + 2);
    if (m_fnPopup)
        m_fnPopup(*pMenu, pt);
    else
        PopupMenu(pMenu.get(), pt);
}

void CInPutDlg::SetMixerSource(int nSource)
{
    if (nSource < 0 || nSource >= SOURCE_COUNT || !g_inputSourceTable.m_bAvail[nSource])
        return;
    if (nSource == g_inputSourceTable.m_nSource)
        return;
    g_inputSourceTable.m_nSource = nSource;
    g_inputSettings.SetField(&InputSettings::m_bySource,
                             static_cast<BYTE>(nSource == SOURCE_OFF ? SOURCE_BYTE_OFF : nSource));
    UpdateSourceButtons();
    m_pView->SendSystemItem(SYS_INPUT);
}

// The face names the source; a source the table does not know shows as off.
void CInPutDlg::UpdateSourceButtons()
{
    int nSource = g_inputSourceTable.m_nSource;
    if (nSource < 0 || nSource >= SOURCE_COUNT)
        nSource = SOURCE_OFF;
    const int nBase = (g_bChinese ? IDB_MIXER_CN : IDB_MIXER_EN) + nSource;
    m_btnMixer->SetBitmaps(nBase, nBase + 10, nBase + 10);
    const int bTwoWay = g_inputSettings.Get().m_byTwoWay;
    if (bTwoWay == 0 || bTwoWay == 1) {
        m_btnOneWay->SetCheck(bTwoWay == 0);
        m_btnTwoWay->SetCheck(bTwoWay == 1);
    }
}

// The view took the processor's report before posting: the page shows the input it named,
// unless a later change overtook the message.
void CInPutDlg::OnDeviceInputChanged(int nInput)
{
    if (nInput == g_nCurInput)
        RefreshChannelButtons();
}

// The level page or the quick buttons chose: the globals hold the new input already.
void CInPutDlg::OnInputSelected(int bPrevNoInput, int nPrevInput)
{
    if (bPrevNoInput != 0)
        m_btnMixer->SetCheck(false);
    if (nPrevInput != g_nCurInput || bPrevNoInput != g_masterSettings.Get().m_byNoInput)
        RefreshChannelButtons();
}
