#include "pages/DelayPlanControls.h"

#include <algorithm>

#include "controls/BitButton.h"
#include "controls/BtnPng.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/ParamTable.h"
#include "model/SpeakerGroupTable.h"
#include "res/WinStyles.h"

void CDelayPlanControls::Attach(const FieldArray& fields, const SpinArray& spins, const LinkArray& links,
                                const UnitArray& units)
{
    m_editDelay = fields;
    m_spinDelay = spins;
    m_btnGroupLink = links;
    m_btnDelayUnit = units;
}

void CDelayPlanControls::Rebind(int nOutputs)
{
    for (CNumEdit* pField : m_editDelay) {
        pField->ShowWindow(SW_HIDE);
        pField->SetReadOnly(false);
    }
    std::array<BYTE, OUTPUT_CHANNELS> roles{};
    std::copy_n(g_roleStates.m_byOutRole, std::clamp(nOutputs, 0, OUTPUT_CHANNELS), roles.begin());
    m_plan.Bind(roles);
    for (int f = 0; f < DELAY_FIELDS; ++f)
        m_spinDelay[f]->SetItemData(m_plan.OutputOfField(f));
}

void CDelayPlanControls::ShowDelay(int nOutput)
{
    const int f = m_plan.FieldOfOutput(nOutput);
    if (f < 0)
        return;
    m_spinDelay[f]->SetPos(ShownDelay(nOutput));
    m_editDelay[f]->ShowWindow(SW_SHOW);
}

int CDelayPlanControls::ShownDelay(int nOutput) const
{
    return std::clamp<int>(m_data.GetOutData(nOutput)->GetDelay(), 0, DELAY_CODE_MAX);
}

void CDelayPlanControls::ShowGroupLinks()
{
    for (const DelayGroup group : kLinkableGroups) {
        for (const int b : GroupLinkButtons(group))
            m_btnGroupLink[b]->ShowWindow(SW_HIDE);
        const int nState = GroupLinkState(g_speakerGroups, group);
        if (const int b = GroupLinkButton(g_speakerGroups, group); b >= 0) {
            m_btnGroupLink[b]->SetCheck(nState == 1);
            m_btnGroupLink[b]->ShowWindow(SW_SHOW);
        }
        if (nState == 1)
            SetGroupDelaysReadOnly(group, true);
    }
}

void CDelayPlanControls::SetGroupDelaysReadOnly(DelayGroup group, bool bReadOnly)
{
    for (const int m : GroupMembers(g_speakerGroups, group))
        if (const int f = m_plan.FieldOfOutput(m); f >= 0)
            m_editDelay[f]->SetReadOnly(bReadOnly);
}

void CDelayPlanControls::SetDelayUnit(int nUnit)
{
    g_nDelayUnit = nUnit >= 1 && nUnit <= 3 ? nUnit : 1;
    for (int u = 0; u < 3; ++u)
        m_btnDelayUnit[u]->SetCheck(u + 1 == g_nDelayUnit);
    const int nType = DelayDisplayType(g_nDelayUnit);
    for (CNumEdit* pField : m_editDelay)
        if (pField->GetType() != nType)
            pField->SetType(nType, wxString());
}

bool CDelayPlanControls::ChooseDelayUnit(int nUnit)
{
    if (nUnit == g_nDelayUnit && m_btnDelayUnit[nUnit - 1]->GetCheck())
        return false;
    SetDelayUnit(nUnit);
    return true;
}

bool CDelayPlanControls::FlipGroupLink(int nButton)
{
    const DelayGroup group = GroupOfLinkButton(nButton);
    const int nState = ToggleGroupLink(g_speakerGroups, group);
    if (nState != 0 && nState != 1)
        return false;
    SetGroupDelaysReadOnly(group, nState == 1);
    if (const int b = GroupLinkButton(g_speakerGroups, group); b >= 0)
        m_btnGroupLink[b]->SetCheck(nState == 1);
    return true;
}

void CDelayPlanControls::ApplyDelay(int nOutput, int nCode)
{
    WriteParam(ParamRowOf(ParamId::OutDelayMs), ParamTarget{&m_data, nOutput}, nCode);
    if (const int f = m_plan.FieldOfOutput(nOutput); f >= 0)
        m_spinDelay[f]->SetPos(ShownDelay(nOutput));
}

// As the binder does: a spin's step, typed text or a value other than the one shown is an edit,
// written when it differs from the delay the model holds, so an edit to the end a field shows for
// a delay held beyond 0-259 is written; a click on the field is no edit and keeps that delay.
int CDelayPlanControls::CommitDelay(int nField, bool bFromSpin)
{
    const int n = m_plan.OutputOfField(nField);
    if (n < 0)
        return -1;
    const bool bTyped = m_editDelay[nField]->IsEdited();  // read before the spin takes the text
    const int nCode = m_spinDelay[nField]->GetPos();
    const bool bEdit = bFromSpin || bTyped || nCode != ShownDelay(n);
    const bool bChanged = bEdit && nCode != m_data.GetOutData(n)->GetDelay();
    if (bChanged)
        ApplyDelay(n, nCode);
    if (bFromSpin)
        m_plan.NoteStep(n, bChanged);
    return n;
}

void CDelayPlanControls::FollowStep(int nField, int nStep)
{
    const int n = m_plan.OutputOfField(nField);
    if (n < 0)
        return;
    std::array<int, OUTPUT_CHANNELS> delays{};
    for (int i = 0; i < OUTPUT_CHANNELS; ++i)
        delays[i] = m_data.GetOutData(i)->GetDelay();
    const int nUnit = m_editDelay[nField]->GetType() + 1;
    for (const DelayChange& change : m_plan.FollowStep(g_speakerGroups, n, nStep, nUnit, delays))
        ApplyDelay(change.nOutput, change.nCode);
}
