// The output page's commands on the output map and the links: a role chosen in a strip's menu,
// lock, left/right link, reset, load and save of the map, and the paste of one output into
// another. COutputMapCommand decides and changes the data; the page shows what changed.
#include "controls/BitButton.h"
#include "controls/ControlIds.h"
#include "controls/EqCurveStatic.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "pages/All_Link_Dlg.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "pages/OutputMapCommand.h"
#include "pages/PageHost.h"
#include "pages/ReMap_Dlg.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "res/WinStyles.h"

using namespace OutputDlgIds;

void COutputDlg::BindMapHandlers()
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnLockOutputMap(); }, WxId(IDC_LOCK_MAP));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnLinkLR(); }, WxId(IDC_LINK_LR));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnResetOutputMap(); }, WxId(IDC_RESET_MAP));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnLoadOutputMap(); }, WxId(IDC_LOAD_MAP));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSaveOutputMap(); }, WxId(IDC_SAVE_MAP));
    BindMessage(this, WM_SET_SPEAKER_ROLE, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        OnSetSpeakerRole(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    });
    BindMessage(this, WM_COPY_CHANNEL, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        OnCopyChannel(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    });
}

void COutputDlg::RefreshCrossoverControls()
{
    ShowCrossover();
    m_graph->Redraw(-1);
}

void COutputDlg::ShowRoleMap()
{
    for (COutRoute_Dlg* pStrip : m_strip)
        pStrip->ShowSpeakerRole();
    RefreshCrossoverControls();
    GetDlgItem(IDC_LINK_ICON)->Hide();
    RefreshDiagram();
}

void COutputDlg::ShowOutputMapLock()
{
    m_btnLockMap->SetCheck(g_bOutMapLocked != 0);
    ApplyOutputMapLock();
}

void COutputDlg::OnSetSpeakerRole(int nOutput, int nRole)
{
    if (COutputMapCommand(*m_pData, *m_pView).SetRole(nOutput, nRole))
        ShowRoleMap();
}

void COutputDlg::OnLockOutputMap()
{
    if (COutputMapCommand(*m_pData, *m_pView).ToggleLock())
        ShowOutputMapLock();
}

void COutputDlg::OnResetOutputMap()
{
    CReMap_Dlg prompt;
    prompt.DoModal(this);
    const int bWasLocked = g_bOutMapLocked;
    if (!COutputMapCommand(*m_pData, *m_pView).Reset(prompt.m_nChoice))
        return;
    ShowRoleMap();
    if (bWasLocked != g_bOutMapLocked)
        ShowOutputMapLock();
}

void COutputDlg::OnLoadOutputMap()
{
    const int bWasLocked = g_bOutMapLocked;
    if (!COutputMapCommand(*m_pData, *m_pView).Load())
        return;
    ShowRoleMap();
    if (bWasLocked != g_bOutMapLocked)
        ShowOutputMapLock();
}

void COutputDlg::OnSaveOutputMap()
{
    COutputMapCommand(*m_pData, *m_pView).Save();
}

void COutputDlg::OnLinkLR()
{
    COutputMapCommand command(*m_pData, *m_pView);
    if (command.StartLink() != COutputMapCommand::LinkStep::Ask) {
        m_btnLinkLR->SetCheck(g_bLinkLR != 0);
        return;
    }
    CAll_Link_Dlg dlg;
    if (dlg.DoModal(this) != IDOK)
        return;
    if (command.LockForLink())
        ShowOutputMapLock();
    // Every target took its partner's values: the strips show them, the shown output's columns too
    // when it was a target.
    if (command.LinkPairs(dlg.m_nDirection))
        RefreshChannel();
    else
        LoadStrips();
    m_btnLinkLR->SetCheck(true);
    SetLinkedHighlights(g_nCurOutput);
}

void COutputDlg::OnCopyChannel(int nSource, int nTarget)
{
    if (nSource < 0 || nSource >= OUTPUT_CHANNELS || nTarget < 0 || nTarget >= OUTPUT_CHANNELS || nSource == nTarget)
        return;
    m_pView->PasteOutputChannel(nSource, nTarget);
    RefreshChannel();
}
