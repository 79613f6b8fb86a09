// The output page's car plan: outputs 0-5 (those with a shown strip) at the positions of their
// roles, their delays in ms, cm or inch (the unit of both pages), the links of the speaker groups
// whose delays step together, and the choice of the current output by its position. Which output
// a field or position serves is CDelayPlan's; the buttons' order is OutputPlan's.
#include <algorithm>

#include "controls/BitButton.h"
#include "controls/ControlIds.h"
#include "controls/BtnPng.h"
#include "controls/EqCurveStatic.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/WndMessages.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/ParamTable.h"
#include "model/SpeakerGroupTable.h"
#include "model/StdAfx.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "pages/OutputEqEdit.h"
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
            OnDelayEdit(f, false);
        else if (const int g = IndexIn(nId, IDC_DELAY_SPIN, kDelayFields); g >= 0)
            OnDelayEdit(g, true);
        else if (const int b = IndexIn(nId, IDC_POSITION, kPositions); b >= 0)
            OnPositionButton(b);
        else if (const int t = IndexIn(nId, IDC_GROUP_LINK, kGroupLinks); t >= 0)
            OnGroupLink(t);
        else if (const int u = IndexIn(nId, IDC_UNIT_MS, 3); u >= 0)
            OnDelayUnit(u + 1);
        else if (nId == IDC_LEVEL_PAGE)
            PostMessage(GetParent(), WM_SHOW_LEVEL_PAGE, 0, 0);
        else
            event.Skip();
    });
    BindMessage(this, WM_NUMSPIN_DELTA, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        OnNumSpinDelta(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    });
}

// Every field, spin and button is reset before the roles bind them again, so a field that serves
// no output any more names none.
void COutputDlg::RefreshDiagram()
{
    if (!m_bReady)
        return;
    for (CNumEdit* pField : m_editDelay) {
        pField->ShowWindow(SW_HIDE);
        pField->SetReadOnly(false);
    }
    for (CBtnPng* pButton : m_btnPosition) {
        pButton->SetCheck(false);
        pButton->ShowWindow(SW_HIDE);
    }
    std::array<BYTE, OUTPUT_CHANNELS> roles{};
    std::copy_n(g_roleStates.m_byOutRole, kPlanOutputs, roles.begin());
    m_delayPlan.Bind(roles);
    for (int f = 0; f < kDelayFields; ++f)
        m_spinDelay[f]->SetItemData(m_delayPlan.OutputOfField(f));
    for (int n = 0; n < kPlanOutputs; ++n)
        ShowPosition(n);
    RefreshGroupToggles();
    if (!COutputEqEdit::LinkedOutputs(g_nCurOutput).empty())
        SetLinkedHighlights(g_nCurOutput);
}

// The output's button (checked for the current output) and delay field; nothing for an output
// without a place.
void COutputDlg::ShowPosition(int nOutput)
{
    const int f = m_delayPlan.FieldOfOutput(nOutput);
    const int b = OutputPlan::PositionButtonOfRole(m_delayPlan.RoleOfOutput(nOutput));
    if (f < 0 || b < 0)
        return;
    CBtnPng& button = *m_btnPosition[b];
    button.SetCheck(nOutput == g_nCurOutput);
    button.SetItemData(nOutput);
    button.SetPartners(nullptr, nullptr);
    button.ShowWindow(SW_SHOW);
    m_spinDelay[f]->SetPos(std::clamp<int>(m_pData->GetOutData(nOutput)->GetDelay(), 0, DELAY_CODE_MAX));
    m_editDelay[f]->ShowWindow(SW_SHOW);
}

void COutputDlg::SetPositionCheck(int nOutput, bool bChecked)
{
    const int b = OutputPlan::PositionButtonOfRole(m_delayPlan.RoleOfOutput(nOutput));
    if (b >= 0)
        m_btnPosition[b]->SetCheck(bChecked);
}

void COutputDlg::RefreshGroupToggles()
{
    for (CNumEdit* pField : m_editDelay)
        pField->SetReadOnly(false);
    for (const DelayGroup group : kLinkableGroups) {
        for (const int b : GroupLinkButtons(group))
            m_btnGroupLink[b]->ShowWindow(SW_HIDE);
        const int nState = GroupLinkState(g_speakerGroups, group);
        if (const int b = GroupLinkButton(g_speakerGroups, group); b >= 0) {
            m_btnGroupLink[b]->SetCheck(nState == 1);
            m_btnGroupLink[b]->ShowWindow(SW_SHOW);
        }
        if (nState == 1)
            SetGroupDelayReadOnly(group, true);
    }
}

void COutputDlg::SetGroupDelayReadOnly(DelayGroup group, bool bReadOnly)
{
    for (const int m : GroupMembers(g_speakerGroups, group))
        if (const int f = m_delayPlan.FieldOfOutput(m); f >= 0)
            m_editDelay[f]->SetReadOnly(bReadOnly);
}

void COutputDlg::OnGroupLink(int nButton)
{
    const DelayGroup group = GroupOfLinkButton(nButton);
    const int nState = ToggleGroupLink(g_speakerGroups, group);
    if (nState != 0 && nState != 1)
        return;
    SetGroupDelayReadOnly(group, nState == 1);
    if (const int b = GroupLinkButton(g_speakerGroups, group); b >= 0)
        m_btnGroupLink[b]->SetCheck(nState == 1);
}

// Only the unit's button is checked; every field shows its code in the unit (codes stay).
void COutputDlg::SetDelayUnit(int nUnit)
{
    g_nDelayUnit = nUnit >= 1 && nUnit <= 3 ? nUnit : 1;
    for (int u = 0; u < 3; ++u)
        m_btnDelayUnit[u]->SetCheck(u + 1 == g_nDelayUnit);
    const int nType = DelayDisplayType(g_nDelayUnit);
    for (CNumEdit* pField : m_editDelay)
        if (pField->GetType() != nType)
            pField->SetType(nType, wxString());
}

void COutputDlg::OnDelayUnit(int nUnit)
{
    if (nUnit == g_nDelayUnit && m_btnDelayUnit[nUnit - 1]->GetCheck())
        return;
    SetDelayUnit(nUnit);
}

// A position's output becomes the current one, unless it is already.
void COutputDlg::OnPositionButton(int nButton)
{
    const int n = m_delayPlan.OutputOfPosition(OutputPlan::PositionOfButton(nButton));
    if (n < 0 || (n == g_nCurOutput && m_btnPosition[nButton]->GetCheck()))
        return;
    OnSelectChannel(n);
    SetPositionCheck(n, true);
}

void COutputDlg::ApplyDelay(int nOutput, int nCode)
{
    WriteParam(ParamRowOf(ParamId::OutDelayMs), ParamTarget{m_pData, nOutput}, nCode);
    if (const int f = m_delayPlan.FieldOfOutput(nOutput); f >= 0)
        m_spinDelay[f]->SetPos(std::clamp<int>(m_pData->GetOutData(nOutput)->GetDelay(), 0, DELAY_CODE_MAX));
}

// A field's commit or a step of its spin. A delay the field shows already is not written, so a
// delay held beyond the range stays until the user changes it.
void COutputDlg::OnDelayEdit(int nField, bool bFromSpin)
{
    const int n = m_delayPlan.OutputOfField(nField);
    if (n < 0)
        return;
    const int nCode = m_spinDelay[nField]->GetPos();
    const bool bChanged = nCode != std::clamp<int>(m_pData->GetOutData(n)->GetDelay(), 0, DELAY_CODE_MAX);
    if (bChanged)
        ApplyDelay(n, nCode);
    if (bFromSpin)
        m_delayPlan.NoteStep(n, bChanged);
}

// Posted by a delay spin after its own step: the outputs linked with it follow by one unit.
void COutputDlg::OnNumSpinDelta(int nSpinId, int nStep)
{
    const int f = nSpinId - IDC_DELAY_SPIN;
    const int n = m_delayPlan.OutputOfField(f);
    if (n < 0)
        return;
    std::array<int, OUTPUT_CHANNELS> delays{};
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        delays[i] = m_pData->GetOutData(i)->GetDelay();
    const int nUnit = m_editDelay[f]->GetType() + 1;
    for (const DelayChange& change : m_delayPlan.FollowStep(g_speakerGroups, n, nStep, nUnit, delays))
        ApplyDelay(change.nOutput, change.nCode);
}
