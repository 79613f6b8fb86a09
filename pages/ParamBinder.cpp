#include "pages/ParamBinder.h"

#include <algorithm>

#include <wx/event.h>
#include <wx/window.h>

#include "controls/BitmapSlider.h"
#include "controls/ControlIds.h"
#include "controls/NumEdit.h"
#include "controls/NumEditTypes.h"
#include "controls/NumSpin.h"
#include "controls/WndMessages.h"
#include "pages/PageHost.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"

CParamBinder::CParamBinder(wxWindow& owner, IPageHost& host) : m_owner(owner), m_host(host)
{
    for (const bool bDone : {false, true}) {
        BindMessage(&m_owner, bDone ? WM_SLIDER_MOVED : WM_SLIDER_MOVING, [this, bDone](WPARAM wParam, LPARAM) {
            OnSliderMessage(static_cast<int>(wParam), bDone);
            return LRESULT(0);
        });
    }
}

int CParamBinder::Bind(ParamId id, CNumEdit* pEdit, CNumSpin* pSpin, CBitmapSlider* pSlider, TargetFn fnTarget,
                       ChangedFn fnChanged)
{
    Binding& b = m_bindings.emplace_back(
        Binding{&ParamRowOf(id), pEdit, pSpin, pSlider, std::move(fnTarget), std::move(fnChanged)});
    SetUpControls(b);
    for (CDrawnControl* pCtrl : {static_cast<CDrawnControl*>(pEdit), static_cast<CDrawnControl*>(pSpin)}) {
        if (pCtrl == nullptr)
            continue;
        const int nCtrlId = pCtrl->GetCtrlId();
        m_owner.Bind(wxEVT_BUTTON, [this, nCtrlId](wxCommandEvent&) { Commit(nCtrlId); }, WxId(nCtrlId));
    }
    return Count() - 1;
}

void CParamBinder::SetRow(int nBinding, ParamId id)
{
    Binding& b = m_bindings.at(static_cast<size_t>(nBinding));
    b.pRow = &ParamRowOf(id);
    SetUpControls(b);
    Load(nBinding);
}

// The field first, so that the spin takes its stepping type from the field's display type when it
// gets its range; a row with a stepping of its own sets it afterwards.
void CParamBinder::SetUpControls(const Binding& b)
{
    const ParamRow& row = *b.pRow;
    if (b.pEdit) {
        b.pEdit->SetScale(row.dScale);
        b.pEdit->SetOffset(row.dOffset);
        b.pEdit->SetType(row.nType, wxString::FromUTF8(row.szUnit));
        b.pEdit->SetRange(row.nMin, row.nMax);
    }
    if (b.pSpin) {
        b.pSpin->SetBuddy(b.pEdit);
        b.pSpin->SetRange(row.nMin, row.nMax);
        if (row.nSpinType >= 0)
            b.pSpin->SetType(row.nSpinType);
    }
    if (b.pSlider) {
        b.pSlider->SetType(row.nFaderType);
        b.pSlider->SetRange(0, FaderRange(row));
    }
    if (b.pEdit && b.pSlider) {
        b.pEdit->SetBuddySlider(b.pSlider);
        b.pSlider->SetBuddyEdit(b.pEdit);
    }
}

void CParamBinder::Load()
{
    for (int i = 0; i < Count(); ++i)
        Load(i);
}

void CParamBinder::Load(int nBinding)
{
    Binding& b = m_bindings.at(static_cast<size_t>(nBinding));
    const ParamTarget target = b.fnTarget();
    const int nStored = ReadParam(*b.pRow, target);
    const int nShown = ShownParam(*b.pRow, target);
    if (nShown != nStored)
        Trace("%s %d shown as %d\n", b.pRow->szName, nStored, nShown);
    ShowValue(b, nShown);
}

void CParamBinder::RefreshLanguage()
{
    for (const Binding& b : m_bindings)
        if (b.pEdit)
            b.pEdit->RefreshLanguage();
}

// The value is within the row's range here, so neither the field nor the spin has a complaint.
void CParamBinder::ShowValue(Binding& b, int v)
{
    b.nShown = v;
    if (b.pSpin)
        b.pSpin->SetPos(v);
    else if (b.pEdit)
        b.pEdit->SetValue(v);
    if (b.pSlider)
        b.pSlider->SetPos(v);
}

void CParamBinder::Write(Binding& b, int v)
{
    v = std::clamp(v, b.pRow->nMin, b.pRow->nMax);
    const ParamTarget target = b.fnTarget();
    if (v == ReadParam(*b.pRow, target))
        return;
    WriteParam(*b.pRow, target, v);
    ShowValue(b, v);
    switch (b.pRow->pending) {
    case ParamPending::Master: m_host.SetMasterItemPending(1); break;
    case ParamPending::Input: m_host.SetSourceItemPending(1); break;
    case ParamPending::None: break;
    }
    if (b.fnChanged)
        b.fnChanged(v);
}

CParamBinder::Binding* CParamBinder::Find(int nCtrlId)
{
    auto isCtrl = [nCtrlId](const CDrawnControl* p) { return p != nullptr && p->GetCtrlId() == nCtrlId; };
    for (Binding& b : m_bindings)
        if (isCtrl(b.pEdit) || isCtrl(b.pSpin) || isCtrl(b.pSlider))
            return &b;
    return nullptr;
}

bool CParamBinder::Commit(int nCtrlId)
{
    Binding* pBinding = Find(nCtrlId);
    if (pBinding == nullptr || (pBinding->pSlider && pBinding->pSlider->GetCtrlId() == nCtrlId))
        return pBinding != nullptr && CommitSlider(nCtrlId, true);
    // A spin only speaks of a step; the field also of a click, which leaves its text untyped and
    // its value as shown.
    const bool bFromSpin = pBinding->pSpin != nullptr && pBinding->pSpin->GetCtrlId() == nCtrlId;
    const bool bTyped = pBinding->pEdit != nullptr && pBinding->pEdit->IsEdited();
    const int v = pBinding->pSpin ? pBinding->pSpin->GetPos() : pBinding->pEdit->GetValue();
    if (bFromSpin || bTyped || v != pBinding->nShown)
        Write(*pBinding, v);
    if (m_fnCommit)
        m_fnCommit(nCtrlId);
    return true;
}

bool CParamBinder::CommitSlider(int nCtrlId, bool bDone)
{
    Binding* pBinding = Find(nCtrlId);
    if (pBinding == nullptr || pBinding->pSlider == nullptr || pBinding->pSlider->GetCtrlId() != nCtrlId)
        return false;
    const int v = pBinding->pSlider->GetPos();
    if (bDone || v != pBinding->nShown)
        Write(*pBinding, v);
    return true;
}

void CParamBinder::OnSliderMessage(int nCtrlId, bool bDone)
{
    CommitSlider(nCtrlId, bDone);
    if (m_fnSlider)
        m_fnSlider(nCtrlId, bDone);
}
