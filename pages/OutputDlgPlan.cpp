// The output page's car plan: outputs 0-5 (those with a shown strip) at the positions of their
// roles, their delays in ms, cm or inch (the unit of both pages), the links of the speaker groups
// whose delays step together, and the choice of the current output by its position. Which output
// a field or position serves is CDelayPlan's; the fields, links and units work as on the level
// page (CDelayPlanControls); the buttons' order is OutputPlan's.

#include "controls/ControlIds.h"
#include "controls/BtnPng.h"
#include "controls/EqCurveStatic.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/StdAfx.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "pages/OutputPlan.h"
#include "platform/MessageIds.h"
#include "res/WinStyles.h"

using namespace OutputDlgIds;

namespace {
constexpr int kPlanOutputs = 6;

int IndexIn(int nId, int nFirst, int nCount)
{
    return nId >= nFirst && nId < nFirst + nCount ? nId - nFirst : -1;
}
}  // namespace

void COutputDlg::BindPlanHandlers()
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
        const int nId = CtrlId(event.GetId());
        if (const int f = IndexIn(nId, IDC_DELAY_EDIT, kDelayFields); f >= 0)
            m_planControls.CommitDelay(f, false);
        else if (const int g = IndexIn(nId, IDC_DELAY_SPIN, kDelayFields); g >= 0)
            m_planControls.CommitDelay(g, true);
        else if (const int b = IndexIn(nId, IDC_POSITION, kPositions); b >= 0)
            OnPositionButton(b);
        else if (const int t = IndexIn(nId, IDC_GROUP_LINK, kGroupLinks); t >= 0)
            m_planControls.FlipGroupLink(t);
        else if (const int u = IndexIn(nId, IDC_UNIT_MS, 3); u >= 0)
            m_planControls.ChooseDelayUnit(u + 1);
        else if (nId == IDC_LEVEL_PAGE)
            PostMessage(g_pNotifyWnd.load(), WM_SHOW_LEVEL_PAGE, 0, 0);  // to the view: the parent is the tab control
        else
            event.Skip();
    });
    // Posted by a delay spin after its own step.
    BindMessage(this, WM_NUMSPIN_DELTA, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        m_planControls.FollowStep(static_cast<int>(wParam) - IDC_DELAY_SPIN, static_cast<int>(lParam));
        return 0;
    });
}

// The roles bind the outputs again, every position is unchecked and hidden, and each bound
// output shows its button and delay field.
void COutputDlg::RefreshDiagram()
{
    if (!m_bReady)
        return;
    m_planControls.Rebind(kPlanOutputs);
    for (CBtnPng* pButton : m_btnPosition) {
        pButton->SetCheck(false);
        pButton->ShowWindow(SW_HIDE);
    }
    for (int n = 0; n < kPlanOutputs; ++n)
        ShowPosition(n);
    m_planControls.ShowGroupLinks();
    if (!LinkedOutputs(g_nCurOutput).empty())
        SetLinkedHighlights(g_nCurOutput);
}

// The output's button (checked for the current output) and delay field; nothing for an output
// without a place.
void COutputDlg::ShowPosition(int nOutput)
{
    const CDelayPlan& plan = m_planControls.Plan();
    const int b = OutputPlan::PositionButtonOfRole(plan.RoleOfOutput(nOutput));
    if (plan.FieldOfOutput(nOutput) < 0 || b < 0)
        return;
    CBtnPng& button = *m_btnPosition[b];
    button.SetCheck(nOutput == g_nCurOutput);
    button.SetItemData(nOutput);
    button.SetPartners(nullptr, nullptr);
    button.ShowWindow(SW_SHOW);
    m_planControls.ShowDelay(nOutput);
}

void COutputDlg::SetPositionCheck(int nOutput, bool bChecked)
{
    const int b = OutputPlan::PositionButtonOfRole(m_planControls.Plan().RoleOfOutput(nOutput));
    if (b >= 0)
        m_btnPosition[b]->SetCheck(bChecked);
}

// A position's output becomes the current one, unless it is already.
void COutputDlg::OnPositionButton(int nButton)
{
    const int n = m_planControls.Plan().OutputOfPosition(OutputPlan::PositionOfButton(nButton));
    if (n < 0 || (n == g_nCurOutput && m_btnPosition[nButton]->GetCheck()))
        return;
    OnSelectChannel(n);
    SetPositionCheck(n, true);
}
