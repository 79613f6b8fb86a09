#include "pages/Level_Delay_Dlg.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <vector>

#include <wx/event.h>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/BtnPng.h"
#include "controls/ControlIds.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/PictureStatic.h"
#include "controls/SLamp.h"
#include "controls/VirtualKeys.h"
#include "controls/WndMessages.h"
#include "model/ActiveInput.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/ParamTable.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "pages/LevelRules.h"
#include "pages/Level_Delay_DlgIds.h"
#include "pages/PageHost.h"
#include "platform/LinkLock.h"
#include "platform/MessageIds.h"
#include "platform/Trace.h"
#include "res/WinStyles.h"

using namespace Level_Delay_DlgIds;

CLevel_Delay_Dlg* g_pLevelPage = nullptr;

namespace {

// AUX2, the first input an AUX mode joins to another.
constexpr int kFirstJoinedInput = 4;

// The kind of speaker a role drives, which picks its position icon: tweeter, midrange, woofer,
// mid-tweeter, mid-woofer, full range, subwoofer.
int IconKindOfRole(int nRole)
{
    constexpr int kKinds[DELAY_POSITIONS] = {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0, 2, 5, 0, 2, 5, 0, 2, 5, 6, 6, 6};
    return nRole >= 1 && nRole <= DELAY_POSITIONS ? kKinds[nRole - 1] : 0;
}

}  // namespace

CLevel_Delay_Dlg::CLevel_Delay_Dlg(IPageHost& host, CKTV_Data& data)
    : CPage(IDD_LEVEL_DELAY, host, data), m_planControls(data)
{
    SetBackgroundSkins(IDB_BACK_EN, IDB_BACK_CN);
    g_pLevelPage = this;
}

CLevel_Delay_Dlg::~CLevel_Delay_Dlg()
{
    if (g_pLevelPage == this)
        g_pLevelPage = nullptr;
}

void CLevel_Delay_Dlg::CreateControls()
{
    m_btnMasterOn = CreateItem<CBitButton>(IDC_MASTER_ON);
    m_sliderMaster = CreateItem<CBitmapSlider>(IDC_MASTER_SLIDER);
    m_editMaster = CreateItem<CNumEdit>(IDC_MASTER_EDIT);
    m_spinMaster = CreateItem<CNumSpin>(IDC_MASTER_SPIN);
    m_picLinkLR = CreateItem<CPictureStatic>(IDC_LINK_LR);
    for (int k = 0; k < kInputs; ++k) {
        m_btnInput[k] = CreateItem<CBitButton>(IDC_INPUT_BUTTON + k);
        m_sliderInput[k] = CreateItem<CBitmapSlider>(IDC_INPUT_SLIDER + k);
        m_editInput[k] = CreateItem<CNumEdit>(IDC_INPUT_EDIT + k);
        m_spinInput[k] = CreateItem<CNumSpin>(IDC_INPUT_SPIN + k);
    }
    for (int n = 0; n < kOutputs; ++n) {
        m_btnRole[n] = CreateItem<CBitButton>(IDC_ROLE_FACE + n);
        m_meter[n] = CreateItem<CSLamp>(IDC_METER + n);
        m_btnNoRole[n] = CreateItem<CBitButton>(IDC_NO_ROLE + n);
        m_sliderOut[n] = CreateItem<CBitmapSlider>(IDC_OUT_SLIDER + n);
        m_editOut[n] = CreateItem<CNumEdit>(IDC_OUT_EDIT + n);
        m_spinOut[n] = CreateItem<CNumSpin>(IDC_OUT_SPIN + n);
        m_btnOn[n] = CreateItem<CBitButton>(IDC_OUT_ON + n);
        m_btnPolarity[n] = CreateItem<CBitButton>(IDC_OUT_POLARITY + n);
    }
    CDelayPlanControls::FieldArray fields{};
    CDelayPlanControls::SpinArray spins{};
    for (int f = 0; f < DELAY_FIELDS; ++f) {
        fields[f] = CreateItem<CNumEdit>(IDC_DELAY_EDIT + f);
        spins[f] = CreateItem<CNumSpin>(IDC_DELAY_SPIN + f);
    }
    for (int p = 0; p < DELAY_POSITIONS; ++p)
        m_btnPosition[p] = CreateItem<CBtnPng>(IDC_POSITION + p);
    CDelayPlanControls::UnitArray units{};
    for (int u = 0; u < 3; ++u)
        units[u] = CreateItem<CBitButton>(IDC_UNIT_MS + u);
    CDelayPlanControls::LinkArray links{};
    for (int b = 0; b < DELAY_LINK_BUTTONS; ++b)
        links[b] = CreateItem<CBtnPng>(IDC_GROUP_LINK + b);
    m_planControls.Attach(fields, spins, links, units);
}

bool CLevel_Delay_Dlg::OnInitDialog()
{
    InitLevelControls();
    InitDelayControls();
    BindEvents();
    SetLanguage();
    ClearOutputMeters();
    m_editMaster->SetFocus();
    return true;
}

void CLevel_Delay_Dlg::InitLevelControls()
{
    m_picLinkLR->SetBitmap(IDB_LINK_LR);
    m_picLinkLR->Hide();

    auto setUpSlider = [](CBitmapSlider* pSlider, int nChannel, int nThumb) {
        pSlider->SetBitmapChannel(nChannel, 0);
        pSlider->SetBitmapThumb(nThumb, IDB_THUMB_ACTIVE, true);
        pSlider->SetHoverNotify(true);
    };
    setUpSlider(m_sliderMaster, IDB_MASTER_CHANNEL, IDB_MASTER_THUMB);
    m_sliderMaster->SetMargin(25, 0, 1, 2);
    m_spinMaster->Hide();
    m_btnMasterOn->SetHoverNotify(true);
    m_nMasterBinding = m_binder.Bind(ParamId::MasterVolume, m_editMaster, m_spinMaster, m_sliderMaster,
                                     [] { return ParamTarget{}; },
                                     [this](int) { m_btnMasterOn->SetCheck(g_masterSettings.Get().m_byMasterOn != 0); });

    for (int k = 0; k < kInputs; ++k) {
        setUpSlider(m_sliderInput[k], IDB_INPUT_CHANNEL, IDB_INPUT_THUMB);
        m_sliderInput[k]->SetMargin(38, 0, 1, 2);
        m_spinInput[k]->Hide();
        m_btnInput[k]->SetHoverNotify(true);
        m_binder.Bind(ParamId::MusicLevel, m_editInput[k], m_spinInput[k], m_sliderInput[k],
                      [this, k] { return ParamTarget{m_pData, k}; });
        m_rcInputCol[k] = {m_sliderInput[k]->GetRect(), m_editInput[k]->GetRect(), m_btnInput[k]->GetRect()};
    }

    for (int n = 0; n < kOutputs; ++n) {
        setUpSlider(m_sliderOut[n], IDB_OUT_CHANNEL, IDB_OUT_THUMB);
        m_sliderOut[n]->SetMargin(35, 4, 1, 4);
        m_spinOut[n]->Hide();
        m_nOutBinding[n] = m_binder.Bind(ParamId::OutLevel, m_editOut[n], m_spinOut[n], m_sliderOut[n],
                                         [this, n] { return ParamTarget{m_pData, n}; },
                                         [this, n](int) { OnOutputLevelChanged(n); });
        m_btnOn[n]->SetBitmaps(IDB_OUT_OFF, IDB_OUT_OFF + 1, IDB_OUT_OFF + 2, IDB_OUT_ON, IDB_OUT_ON + 1, IDB_OUT_ON + 2);
        m_btnOn[n]->SetDisabledBitmaps(IDB_OUT_DISABLED_OFF, IDB_OUT_DISABLED_ON);
        m_btnOn[n]->SetHoverNotify(true);
        m_btnPolarity[n]->SetHoverNotify(true);
        m_btnRole[n]->Enable(false);
        m_btnNoRole[n]->SetDisabledBitmaps(IDB_NO_ROLE, IDB_NO_ROLE);
        m_btnNoRole[n]->Enable(false);
        m_meter[n]->Layout();
    }
    m_binder.SetSliderHandler([this](int nCtrlId, bool bDone) { OnSliderDone(nCtrlId, bDone); });
    m_binder.SetCommitHandler([this](int nCtrlId) { OnLevelCommitted(nCtrlId); });
}

void CLevel_Delay_Dlg::InitDelayControls()
{
    for (int p = 0; p < DELAY_POSITIONS; ++p) {
        const int nFace = IDP_POSITION + 3 * IconKindOfRole(p + 1);
        m_btnPosition[p]->SetImages(nFace, nFace + 1, nFace + 2);
        m_btnPosition[p]->SetCheckedImages(nFace + 2, nFace + 2, nFace + 2);
        m_btnPosition[p]->SetHoverNotify(true);
    }
    for (CBtnPng* pLink : m_planControls.LinkToggles()) {
        pLink->SetImages(IDP_LINK, IDP_LINK + 1, IDP_LINK + 2);
        pLink->SetCheckedImages(IDP_LINK + 3, IDP_LINK + 4, IDP_LINK + 5);
    }
    const ParamRow& row = ParamRowOf(DelayParamOfUnit(g_nDelayUnit));
    for (int f = 0; f < DELAY_FIELDS; ++f) {
        CNumEdit* pEdit = m_planControls.DelayFields()[f];
        CNumSpin* pSpin = m_planControls.DelaySpins()[f];
        pEdit->CreateSpinOverlay(IDC_DELAY_OVERLAY + f);
        pEdit->GetSpinOverlay().SetBitmaps(IDB_KNOB_IDLE, IDB_KNOB_LEFT, IDB_KNOB_ACTIVE, IDB_KNOB_RIGHT);
        pEdit->SetOverlaySpin(IDC_DELAY_SPIN + f, pSpin);
        pEdit->SetType(row.nType, wxString());
        pSpin->SetBuddy(pEdit);
        pSpin->SetRange(row.nMin, row.nMax);
        pSpin->SetType(row.nSpinType);
        pSpin->Hide();
        pEdit->SetValue(0);
    }
}

void CLevel_Delay_Dlg::BindEvents()
{
    // One handler for the page's own commands: every event the page gets (each paint, each idle
    // turn) is looked up in its table of handlers, which one entry per control would make long.
    Bind(wxEVT_BUTTON, &CLevel_Delay_Dlg::OnCommand, this);
    BindMessage(this, WM_BUTTON_HOVER, [this](WPARAM, LPARAM lParam) {
        OnButtonHover(static_cast<int>(lParam));
        return LRESULT(0);
    });
    BindMessage(this, WM_DEVICE_INPUT_CHANGED, [this](WPARAM, LPARAM lParam) {
        OnDeviceInputChanged(static_cast<int>(lParam));
        return LRESULT(0);
    });
    BindMessage(this, WM_INPUT_SELECTED, [this](WPARAM wParam, LPARAM lParam) {
        OnInputSelected(static_cast<int>(wParam), static_cast<int>(lParam));
        return LRESULT(0);
    });
    BindMessage(this, WM_NUMEDIT_KEY, [this](WPARAM wParam, LPARAM lParam) {
        OnNumEditKey(static_cast<int>(wParam), static_cast<int>(lParam));
        return LRESULT(0);
    });
    // Posted by a delay spin after its own step.
    BindMessage(this, WM_NUMSPIN_DELTA, [this](WPARAM wParam, LPARAM lParam) {
        m_planControls.FollowStep(static_cast<int>(wParam) - IDC_DELAY_SPIN, static_cast<int>(lParam));
        return LRESULT(0);
    });
    Bind(wxEVT_CHAR_HOOK, &CLevel_Delay_Dlg::OnCharHook, this);
}

void CLevel_Delay_Dlg::OnCommand(wxCommandEvent& event)
{
    const int nId = CtrlId(event.GetId());
    auto indexIn = [nId](int nFirst, int nCount) { return nId >= nFirst && nId < nFirst + nCount ? nId - nFirst : -1; };
    if (nId == IDC_MASTER_ON)
        OnMasterOn();
    else if (const int k = indexIn(IDC_INPUT_BUTTON, kInputs); k >= 0)
        OnInputButton(k);
    else if (const int n = indexIn(IDC_OUT_ON, kOutputs); n >= 0)
        OnOutputOn(n);
    else if (const int m = indexIn(IDC_OUT_POLARITY, kOutputs); m >= 0)
        OnOutputPolarity(m);
    else if (const int f = indexIn(IDC_DELAY_EDIT, DELAY_FIELDS); f >= 0)
        OnDelayEdit(f, false);
    else if (const int g = indexIn(IDC_DELAY_SPIN, DELAY_FIELDS); g >= 0)
        OnDelayEdit(g, true);
    else if (const int p = indexIn(IDC_POSITION, DELAY_POSITIONS); p >= 0)
        OnPositionButton(p);
    else if (const int u = indexIn(IDC_UNIT_MS, 3); u >= 0)
        OnDelayUnit(u + 1);
    else if (const int b = indexIn(IDC_GROUP_LINK, DELAY_LINK_BUTTONS); b >= 0)
        OnGroupLink(b);
    else
        event.Skip();  // the level fields' commands go to their bindings
}

void CLevel_Delay_Dlg::SetLanguage()
{
    const bool bCn = g_bChinese != 0;
    ShowInputButtonFaces();
    const int nMaster = bCn ? IDB_MASTER_ON_CN : IDB_MASTER_ON_EN;
    m_btnMasterOn->SetBitmaps(nMaster, nMaster + 1, nMaster + 2, nMaster + 3, nMaster + 4, nMaster + 5);
    const int nPolarity = bCn ? IDB_POLARITY_CN : IDB_POLARITY_EN;
    for (int n = 0; n < kOutputs; ++n) {
        m_btnPolarity[n]->SetBitmaps(nPolarity, nPolarity + 1, nPolarity + 2, nPolarity + 3, nPolarity + 4,
                                     nPolarity + 5);
        m_btnPolarity[n]->SetDisabledBitmaps(nPolarity + 8, nPolarity + 9);
        const int nRole = (bCn ? IDB_ROLE_CN : IDB_ROLE_EN) + ValidRole(g_roleStates.m_byOutRole[n]);
        m_btnRole[n]->SetDisabledBitmaps(nRole, nRole);
    }
    for (int u = 0; u < 3; ++u) {
        const int nFace = (bCn ? IDB_UNIT_CN : IDB_UNIT_EN) + 3 * u;
        m_planControls.UnitButtons()[u]->SetBitmaps(nFace, nFace + 1, nFace + 2, nFace + 2, nFace + 2, nFace + 2);
    }
    for (CNumEdit* pEdit : m_planControls.DelayFields())
        pEdit->RefreshLanguage();
    CPage::SetLanguage();
}

void CLevel_Delay_Dlg::ShowInputButtonFaces()
{
    const bool bCn = g_bChinese != 0;
    const int nBase = bCn ? IDB_INPUT_CN : IDB_INPUT_EN;
    const int nChecked = g_masterSettings.Get().m_byNoInput ? 30 : 20;
    for (int k = 0; k < kInputs; ++k)
        m_btnInput[k]->SetBitmaps(nBase + k, nBase + 10 + k, nBase + 20 + k, nBase + nChecked + k,
                                  nBase + nChecked + k, nBase + nChecked + k);
}

// An active input outside 0-5 (a byte from a file) checks no button.
void CLevel_Delay_Dlg::ShowActiveInput()
{
    for (int k = 0; k < kInputs; ++k)
        m_btnInput[k]->SetCheck(k == g_nCurInput);
}

void CLevel_Delay_Dlg::UpdateAllControls()
{
    m_btnMasterOn->SetCheck(g_masterSettings.Get().m_byMasterOn != 0);
    m_picLinkLR->Show(g_bLinkLR != 0);

    for (int k = 0; k < kInputs; ++k) {
        m_sliderInput[k]->Enable(true);
        m_editInput[k]->EnableWindow(true);
    }
    m_binder.Load();
    for (int k = kFirstJoinedInput; k < kInputs; ++k)
        if (const std::optional<bool> bShow = AuxModeShows(k))
            ShowInputColumn(k, *bShow);
    ShowInputButtonFaces();
    ShowActiveInput();

    for (int n = 0; n < kOutputs; ++n)
        ShowOutput(n);
    BindDelayControls();
    m_planControls.SetDelayUnit(g_nDelayUnit);
    // The view is told of no status while the meters are hidden: a page shown takes the last
    // reply's codes itself.
    if (m_pView->IsOnline())
        UpdateOutputMeters();
    Refresh();
}

void CLevel_Delay_Dlg::ShowInputColumn(int k, bool bShow)
{
    m_sliderInput[k]->Show(bShow);
    m_editInput[k]->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    m_btnInput[k]->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

// The AUX mode hides the inputs it joins: AUX3 in 4CH 2CH, AUX2 and AUX3 in 6 CH.
std::optional<bool> CLevel_Delay_Dlg::AuxModeShows(int k)
{
    if (g_nInputMode < 0 || g_nInputMode > 2)
        return std::nullopt;
    return k < kFirstJoinedInput || k - kFirstJoinedInput < 2 - g_nInputMode;
}

void CLevel_Delay_Dlg::RefreshInputColumns()
{
    LayoutInputColumns();
    ShowInputButtonFaces();
    ShowActiveInput();
}

// The columns of the inputs present close up from the left; the AUX mode still hides what it
// joins.
void CLevel_Delay_Dlg::LayoutInputColumns()
{
    const std::optional<std::vector<int>> order = InputColumnOrder(g_inputSettings.Get().m_byOptInputs);
    if (!order)
        return;
    std::array<bool, kInputs> placed{};
    for (std::size_t nPlace = 0; nPlace < order->size(); ++nPlace) {
        const int k = (*order)[nPlace];
        const InputColumnPlace& place = m_rcInputCol[nPlace];
        m_sliderInput[k]->SetSize(place.rcSlider);
        m_editInput[k]->SetSize(place.rcEdit);
        m_btnInput[k]->SetSize(place.rcButton);
        ShowInputColumn(k, AuxModeShows(k).value_or(true));
        placed[k] = true;
    }
    for (int k = 0; k < kInputs; ++k)
        if (!placed[k])
            ShowInputColumn(k, false);
    Refresh();
}

// A role byte beyond 24 (from the processor or a file) is shown and bound as no role.
void CLevel_Delay_Dlg::ShowOutput(int n)
{
    const CKTV_OutData& out = *m_pData->GetOutData(n);
    const int nRole = ValidRole(g_roleStates.m_byOutRole[n]);
    const bool bRole = nRole != ROLE_NONE;
    m_btnOn[n]->SetCheck(out.GetOn() != 0);
    m_btnPolarity[n]->SetCheck(out.GetPolarity() != 0);
    const int nFace = (g_bChinese ? IDB_ROLE_CN : IDB_ROLE_EN) + nRole;
    m_btnRole[n]->SetDisabledBitmaps(nFace, nFace);
    m_editOut[n]->ShowWindow(bRole ? SW_SHOW : SW_HIDE);
    m_sliderOut[n]->Show(bRole);
    m_btnOn[n]->ShowWindow(bRole ? SW_SHOW : SW_HIDE);
    m_btnPolarity[n]->ShowWindow(bRole ? SW_SHOW : SW_HIDE);
    m_meter[n]->Show(bRole);
    m_btnNoRole[n]->ShowWindow(bRole ? SW_HIDE : SW_SHOW);
}

void CLevel_Delay_Dlg::UpdateOutputMeters()
{
    std::array<int, kOutputs> nCodes{};
    {
        std::lock_guard lock(g_csLink);
        std::copy_n(g_nDevStatus + STATUS_FIRST_METER, kOutputs, nCodes.begin());
    }
    for (int n = 0; n < kOutputs; ++n)
        m_meter[n]->SetLevel(nCodes[n]);
}

void CLevel_Delay_Dlg::ClearOutputMeters()
{
    for (CSLamp* pMeter : m_meter)
        pMeter->Clear();
}

// ---- Master, levels, switches ----

void CLevel_Delay_Dlg::OnMasterOn()
{
    const bool bOn = !m_btnMasterOn->GetCheck();
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, bOn ? 1 : 0);
    m_pView->SetMasterItemPending(1);
    m_btnMasterOn->SetCheck(bOn);
    SelectOutputChannel(-1);
}

// A new level switches a switched-off output on.
void CLevel_Delay_Dlg::OnOutputLevelChanged(int n)
{
    CKTV_OutData& out = *m_pData->GetOutData(n);
    if (out.GetOn() == 0) {
        out.SetOn(1);
        m_btnOn[n]->SetCheck(true);
    }
}

// Whether or not the value changed: the master's and the inputs' fields take the marks away; an
// output's field shows its linked outputs' levels (they took a new level too) and marks it.
void CLevel_Delay_Dlg::OnLevelCommitted(int nCtrlId)
{
    auto indexIn = [nCtrlId](int nFirst, int nCount) {
        return nCtrlId >= nFirst && nCtrlId < nFirst + nCount ? nCtrlId - nFirst : -1;
    };
    const int n = std::max(indexIn(IDC_OUT_EDIT, kOutputs), indexIn(IDC_OUT_SPIN, kOutputs));
    if (n < 0) {
        SelectOutputChannel(-1);
        return;
    }
    RefreshLinkedLevels(n);
    SelectOutputIfChanged(n);
}

void CLevel_Delay_Dlg::CopyOnToLinked(int n, bool bNoMark)
{
    const BYTE byOn = m_pData->GetOutData(n)->GetOn();
    for (const int i : LinkedOutputs(n)) {
        m_pData->GetOutData(i)->SetOn(byOn);
        m_btnOn[i]->SetCheck(byOn != 0);
        if (!bNoMark)
            MarkOutputPosition(i, true);
    }
}

void CLevel_Delay_Dlg::RefreshLinkedLevels(int n)
{
    for (const int i : LinkedOutputs(n)) {
        m_binder.Load(m_nOutBinding[i]);
        MarkOutputPosition(i, true);
    }
}

void CLevel_Delay_Dlg::OnOutputOn(int n)
{
    const bool bOn = !m_btnOn[n]->GetCheck();
    m_pData->GetOutData(n)->SetOn(bOn ? 1 : 0);
    m_btnOn[n]->SetCheck(bOn);
    SelectOutputChannel(n);
}

void CLevel_Delay_Dlg::OnOutputPolarity(int n)
{
    const bool bInverted = !m_btnPolarity[n]->GetCheck();
    m_pData->GetOutData(n)->SetPolarity(bInverted ? 1 : 0);
    m_btnPolarity[n]->SetCheck(bInverted);
    SelectOutputChannel(n);
}

void CLevel_Delay_Dlg::OnButtonHover(int nCtrlId)
{
    for (int n = 0; n < kOutputs; ++n) {
        for (CBitButton* pButton : {m_btnOn[n], m_btnPolarity[n]}) {
            if (pButton->GetCtrlId() == nCtrlId) {
                SelectOutputChannel(n);
                pButton->SetFocus();
                return;
            }
        }
    }
}

// A fader's move has been written by the binder; the page clears or moves the marks, and the
// field of a fader whose drag has ended takes the focus.
void CLevel_Delay_Dlg::OnSliderDone(int nCtrlId, bool bDone)
{
    CNumEdit* pEdit = nullptr;
    if (nCtrlId == IDC_MASTER_SLIDER) {
        pEdit = m_editMaster;
        SelectOutputChannel(-1);
    } else if (nCtrlId >= IDC_INPUT_SLIDER && nCtrlId < IDC_INPUT_SLIDER + kInputs) {
        pEdit = m_editInput[nCtrlId - IDC_INPUT_SLIDER];
        SelectOutputChannel(-1);
    } else if (nCtrlId >= IDC_OUT_SLIDER && nCtrlId < IDC_OUT_SLIDER + kOutputs) {
        const int n = nCtrlId - IDC_OUT_SLIDER;
        pEdit = m_editOut[n];
        RefreshLinkedLevels(n);
        SelectOutputIfChanged(n);
    }
    if (bDone && pEdit != nullptr)
        pEdit->SetFocus();
}

// ---- The active input ----

// The view's routine clears a no-input report (item 5), makes the input active (item 2) and tells
// the music input page what was active before (WM_INPUT_SELECTED).
void CLevel_Delay_Dlg::OnInputButton(int k)
{
    const InputChange change = m_pView->SelectActiveInput(k, InputChangeBy::LevelPage);
    if (change.bSendMaster)
        ShowInputButtonFaces();
    ShowActiveInput();
    SelectOutputChannel(-1);
}

// The processor reports another active input; the music input page has taken it already.
void CLevel_Delay_Dlg::OnDeviceInputChanged(int nInput)
{
    if (nInput == g_nCurInput)
        ShowActiveInput();
}

// The music input page chose an input (its values from before the choice).
void CLevel_Delay_Dlg::OnInputSelected(int nNoInputBefore, int nInputBefore)
{
    if (nNoInputBefore != g_masterSettings.Get().m_byNoInput)
        ShowInputButtonFaces();
    if (nInputBefore != g_nCurInput)
        ShowActiveInput();
}

// ---- Keyboard ----

// Tab and Enter in a field move on as Right does; Left and Right move through the fields. Escape
// takes the focus to the page, out of any field (an edit in progress ends).
void CLevel_Delay_Dlg::OnCharHook(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    if (nKey == WXK_ESCAPE && !event.HasAnyModifiers()) {
        SetFocusIgnoringChildren();
        return;
    }
    const bool bMoveOn = nKey == WXK_TAB || nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER;
    auto* pEdit = dynamic_cast<CNumEdit*>(FindFocus());
    if (!bMoveOn || pEdit == nullptr || pEdit->GetParent() != this || event.HasAnyModifiers()) {
        event.Skip();
        return;
    }
    PostMessage(this, WM_NUMEDIT_KEY, WPARAM(pEdit->GetCtrlId()), LPARAM(VK_RIGHT));
}

void CLevel_Delay_Dlg::OnNumEditKey(int nCtrlId, int nKey)
{
    if (nKey != VK_LEFT && nKey != VK_RIGHT)
        return;
    const int nNext = NextLevelField(nCtrlId, nKey == VK_RIGHT, [this](int nId) {
        const wxWindow* pWnd = GetDlgItem(nId);
        return pWnd != nullptr && pWnd->IsShown();
    });
    if (nNext == 0)
        return;
    GetDlgItem(nNext)->SetFocus();
    FollowFocus(nNext);
}

void CLevel_Delay_Dlg::FocusMasterIfNoEdit()
{
    if (dynamic_cast<CNumEdit*>(FindFocus()) != nullptr)
        return;
    m_editMaster->SetFocus();
    SelectOutputChannel(-1);
}

void CLevel_Delay_Dlg::FollowFocus(int nCtrlId)
{
    if (nCtrlId >= IDC_OUT_EDIT && nCtrlId < IDC_OUT_EDIT + kOutputs) {
        const int n = nCtrlId - IDC_OUT_EDIT;
        RefreshLinkedLevels(n);
        SelectOutputIfChanged(n);
        MarkOutputPosition(n, true);
    } else if (nCtrlId >= IDC_DELAY_EDIT && nCtrlId < IDC_DELAY_EDIT + DELAY_FIELDS) {
        SelectOutputChannel(m_planControls.Plan().OutputOfField(nCtrlId - IDC_DELAY_EDIT));
    } else {
        SelectOutputChannel(-1);
    }
}

// ---- Position marks ----

void CLevel_Delay_Dlg::MarkOutputPosition(int n, bool bMark)
{
    const int p = m_planControls.Plan().PositionOfOutput(n);
    if (p >= 0)
        m_btnPosition[p]->SetCheck(bMark);
}

void CLevel_Delay_Dlg::SelectOutputChannel(int n)
{
    if (m_nSelOutput >= 0 && m_nSelOutput < kOutputs) {
        MarkOutputPosition(m_nSelOutput, false);
        for (const int i : LinkedOutputs(m_nSelOutput))
            MarkOutputPosition(i, false);
    }
    if (n >= 0 && n < kOutputs) {
        m_nSelOutput = n;
        MarkOutputPosition(n, true);
    }
}

void CLevel_Delay_Dlg::SelectOutputIfChanged(int n)
{
    if (n != m_nSelOutput)
        SelectOutputChannel(n);
}

// ---- The car plan ----

// The roles bind the outputs again, every icon is unchecked and hidden, and each bound output
// shows its delay field and icon.
void CLevel_Delay_Dlg::BindDelayControls()
{
    m_planControls.Rebind(kOutputs);
    for (CBtnPng* pIcon : m_btnPosition) {
        pIcon->SetCheck(false);
        pIcon->ShowWindow(SW_HIDE);
    }
    m_nSelOutput = -1;
    const CDelayPlan& plan = m_planControls.Plan();
    for (int n = 0; n < kOutputs; ++n) {
        if (plan.FieldOfOutput(n) < 0)
            continue;
        const int nStored = m_pData->GetOutData(n)->GetDelay();
        if (nStored != m_planControls.ShownDelay(n))
            Trace("output %d delay %d shown as %d\n", n, nStored, m_planControls.ShownDelay(n));
        m_planControls.ShowDelay(n);
        m_btnPosition[plan.PositionOfOutput(n)]->ShowWindow(SW_SHOW);
    }
    m_planControls.ShowGroupLinks();
}

void CLevel_Delay_Dlg::OnDelayUnit(int nUnit)
{
    if (m_planControls.ChooseDelayUnit(nUnit))
        SelectOutputChannel(-1);
}

void CLevel_Delay_Dlg::OnDelayEdit(int f, bool bFromSpin)
{
    if (const int n = m_planControls.CommitDelay(f, bFromSpin); n >= 0)
        SelectOutputChannel(n);
}

void CLevel_Delay_Dlg::OnPositionButton(int p)
{
    const CDelayPlan& plan = m_planControls.Plan();
    const int n = plan.OutputOfPosition(p);
    if (n < 0)
        return;
    SelectOutputChannel(n);
    m_planControls.DelayFields()[plan.FieldOfOutput(n)]->SetFocus();
}

void CLevel_Delay_Dlg::OnGroupLink(int b)
{
    if (m_planControls.FlipGroupLink(b))
        SelectOutputChannel(-1);
}
