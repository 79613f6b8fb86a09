// The music input page: construction, layouts, loading, language and keyboard. The band handlers
// are in InPutDlgBands.cpp, the choice of input, mode and mixer source in InPutDlgInput.cpp.
#include "pages/InPutDlg.h"

#include <algorithm>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/ControlIds.h"
#include "controls/EqCurveStatic.h"
#include "controls/FontStatic.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/VirtualKeys.h"
#include "controls/WndMessages.h"
#include "controls/XPButton.h"
#include "model/DataDefine.h"
#include "model/InputSourceTable.h"
#include "model/KTV_Data.h"
#include "model/Music_InData.h"
#include "model/StdAfx.h"
#include "pages/InMode_Dlg.h"
#include "pages/InPutDlgIds.h"
#include "pages/InputPageRules.h"
#include "pages/SharedFaceIds.h"
#include "platform/MessageIds.h"
#include "res/SharedGdi.h"
#include "res/SkinPaint.h"
#include "res/WinStyles.h"

using namespace InPutDlgIds;
using namespace InputPageLayout;
using namespace SharedFaceIds;

CInPutDlg* g_pInputPage = nullptr;

CInPutDlg::CInPutDlg(IPageHost& host, CKTV_Data& data)
    : CPage(IDD_INPUT, host, data), m_eqCommands(data, host)
{
    SetBackgroundSkins(IDB_BACK_EN, IDB_BACK_CN);
    g_pInputPage = this;
}

CInPutDlg::~CInPutDlg()
{
    if (g_pInputPage == this)
        g_pInputPage = nullptr;
}

void CInPutDlg::CreateControls()
{
    m_btnOneWay = CreateItem<CBitButton>(IDC_ONE_WAY);
    m_btnTwoWay = CreateItem<CBitButton>(IDC_TWO_WAY);
    m_btnGainRow = CreateItem<CBitButton>(IDC_GAIN_ROW);
    for (int i = 0; i < 3; ++i)
        m_btnAuxMode[i] = CreateItem<CBitButton>(IDC_AUX_MODE + i);
    m_btnEqMode = CreateItem<CBitButton>(IDC_EQ_MODE);
    m_btnResetEq = CreateItem<CBitButton>(IDC_RESET_EQ);
    m_btnBypassAll = CreateItem<CBitButton>(IDC_BYPASS_ALL);
    for (int k = 0; k < MUSIC_INPUTS; ++k)
        m_btnInput[k] = CreateItem<CBitButton>(IDC_INPUT + k);
    m_btnMixer = CreateItem<CBitButton>(IDC_MIXER);
    m_btnSelInput = CreateItem<CBitButton>(IDC_SEL_INPUT);
    m_wndCurve = CreateItem<CEqCurveStatic>(IDC_CURVE);
    for (int k = 0; k < kBands; ++k) {
        m_lblBand[k] = CreateItem<CFontStatic>(IDC_BAND_LABEL + k);
        m_btnBandWork[k] = CreateItem<CXPButton>(IDC_BAND_WORK + k);
        m_sldGain[k] = CreateItem<CBitmapSlider>(IDC_FADER + k);
        m_editGain[k] = CreateItem<CNumEdit>(IDC_GAIN_EDIT + k);
        m_spinGain[k] = CreateItem<CNumSpin>(IDC_GAIN_SPIN + k);
        m_editQ[k] = CreateItem<CNumEdit>(IDC_Q_EDIT + k);
        m_spinQ[k] = CreateItem<CNumSpin>(IDC_Q_SPIN + k);
        m_editFreq[k] = CreateItem<CNumEdit>(IDC_FREQ_EDIT + k);
        m_spinFreq[k] = CreateItem<CNumSpin>(IDC_FREQ_SPIN + k);
    }
}

bool CInPutDlg::OnInitDialog()
{
    InitBandControls();
    m_btnGainRow->SetDisabledBitmaps(IDB_GAIN_ROW_EN, IDB_GAIN_ROW_CN);
    m_btnMixer->SetBitmaps(IDB_MIXER_START, IDB_MIXER_START + 1, IDB_MIXER_START + 1);
    m_btnMixer->SetFonts(&g_fontInput, &g_fontInput, &g_fontInput, &g_fontInput, &g_fontInput, &g_fontInput);
    m_btnSelInput->SetDisabledBitmaps(IDB_SEL_INPUT_EN, IDB_SEL_INPUT_EN);
    for (int k = 0; k < MUSIC_INPUTS; ++k)
        m_rcInputBtn[k] = m_btnInput[k]->GetRect();

    m_wndCurve->SetNotifyWnd(this);
    m_wndCurve->AttachData(m_pData, EQ_MODE_MUSIC);
    m_wndCurve->ShowMusicCurve(0);
    m_wndCurve->SetCurveMode(EQ_MODE_MUSIC);

    m_dlgInMode = new CInMode_Dlg;
    m_dlgInMode->Create(this);
    m_dlgInMode->m_pParent = this;
    m_dlgInMode->Move(kStripX, kStripY);
    m_dlgInMode->Show();
    LayoutInputButtons();
    BindHandlers();
    return true;
}

// Every column's fields and gain fader are bound to the band of the active input.
void CInPutDlg::InitBandControls()
{
    for (int k = 0; k < kBands; ++k) {
        auto target = [this, k] { return ParamTarget{m_pData, g_nCurInput, k}; };
        m_nFreqBinding[k] = m_binder.Bind(ParamId::MusicBandFreq, m_editFreq[k], m_spinFreq[k], nullptr, target);
        m_nQBinding[k] = m_binder.Bind(ParamId::MusicBandWidth, m_editQ[k], m_spinQ[k], nullptr, target);
        CBitmapSlider& fader = *m_sldGain[k];
        fader.SetBitmapChannel(IDB_FADER_PEQ, 0);
        fader.SetBitmapThumb(IDB_THUMB, IDB_THUMB_ACTIVE, true);
        fader.SetBitmapThumbDisabled(IDB_THUMB_DISABLED);
        fader.SetHoverNotify(true);
        fader.SetMargin(k == 0 ? 0 : kFaderMargin, 1, 1, 1);
        m_nGainBinding[k] = m_binder.Bind(ParamId::MusicBandGain, m_editGain[k], m_spinGain[k], m_sldGain[k], target,
                                          [this, k](int) {
                                              ShowBandBypass(k);
                                              RefreshBypassAllButton();
                                          });
        for (CNumSpin* pSpin : {m_spinFreq[k], m_spinQ[k], m_spinGain[k]})
            pSpin->Hide();
        for (CNumEdit* pEdit : {m_editFreq[k], m_editQ[k], m_editGain[k]})
            pEdit->SetFont(g_fontOutput);
        m_lblBand[k]->SetFontStyle(wxString(), 18, skin::kLabel, 1);
        m_lblBand[k]->SetText(wxString::Format(wxS("%d"), k + 1));
        m_btnBandWork[k]->SetBitmaps(IDB_BAND_BYPASSED, IDB_BAND_BYPASSED + 1, IDB_BAND_BYPASSED + 1, IDB_BAND_WORKS,
                                     IDB_BAND_WORKS + 1, IDB_BAND_WORKS + 1);
        m_btnBandWork[k]->SetHoverNotify(true);
        m_rcFaderPeq[k] = fader.GetRect();
        m_rcGainPeq[k] = m_editGain[k]->GetRect();
        m_rcFreqEdit[k] = m_editFreq[k]->GetRect();
        m_rcFaderGeq[k] = m_rcFaderPeq[k];
        m_rcFaderGeq[k].SetTop(m_editQ[k]->GetRect().GetTop());
    }
    m_binder.SetSliderHandler([this](int nCtrlId, bool bDone) { OnFaderMoved(nCtrlId, bDone); });
}

void CInPutDlg::BindHandlers()
{
    // A band field's or spin's commit: this handler is bound after the binder's own and so runs
    // first; it commits through the binder itself, then selects the band even when the value did
    // not change.
    for (const int nFirst : {IDC_FREQ_EDIT, IDC_Q_EDIT, IDC_GAIN_EDIT, IDC_FREQ_SPIN, IDC_Q_SPIN, IDC_GAIN_SPIN})
        for (int k = 0; k < kBands; ++k)
            Bind(wxEVT_BUTTON, [this, nId = nFirst + k](wxCommandEvent&) { OnBandCommand(nId); }, WxId(nFirst + k));
    for (int k = 0; k < kBands; ++k)
        Bind(wxEVT_BUTTON, [this, k](wxCommandEvent&) { OnBandWork(k); }, WxId(IDC_BAND_WORK + k));
    for (int k = 0; k < MUSIC_INPUTS; ++k)
        Bind(wxEVT_BUTTON, [this, k](wxCommandEvent&) { OnInputButton(k); }, WxId(IDC_INPUT + k));
    for (int i = 0; i < 3; ++i)
        Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { OnAuxMode(i); }, WxId(IDC_AUX_MODE + i));
    for (int s = 0; s <= SOURCE_OFF; ++s)
        Bind(wxEVT_MENU, [this, s](wxCommandEvent&) { SetMixerSource(s); }, WxId(ID_MIXER_SOURCE + s));
    auto onButton = [this](int nId, void (CInPutDlg::*pfn)()) {
        Bind(wxEVT_BUTTON, [this, pfn](wxCommandEvent&) { (this->*pfn)(); }, WxId(nId));
    };
    onButton(IDC_BYPASS_ALL, &CInPutDlg::OnBypassAll);
    onButton(IDC_RESET_EQ, &CInPutDlg::OnResetEq);
    onButton(IDC_EQ_MODE, &CInPutDlg::OnEqMode);
    onButton(IDC_MIXER, &CInPutDlg::OnMixerButton);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnHiLevelMode(0); }, WxId(IDC_ONE_WAY));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnHiLevelMode(1); }, WxId(IDC_TWO_WAY));
    Bind(wxEVT_CHAR_HOOK, &CInPutDlg::OnCharHook, this);

    auto onMessage = [this](unsigned nMsg, std::function<void(WPARAM, LPARAM)> fn) {
        BindMessage(this, nMsg, [fn = std::move(fn)](WPARAM wParam, LPARAM lParam) -> LRESULT {
            fn(wParam, lParam);
            return 0;
        });
    };
    onMessage(WM_SELECT_INPUT, [this](WPARAM, LPARAM lParam) { OnSelectInput(static_cast<int>(lParam)); });
    onMessage(WM_DEVICE_INPUT_CHANGED, [this](WPARAM, LPARAM lParam) { OnDeviceInputChanged(static_cast<int>(lParam)); });
    onMessage(WM_INPUT_SELECTED, [this](WPARAM wParam, LPARAM lParam) {
        OnInputSelected(static_cast<int>(wParam), static_cast<int>(lParam));
    });
    onMessage(WM_EQCURVE_CHANGED, [this](WPARAM wParam, LPARAM lParam) {
        OnEqCurveChanged(static_cast<int>(wParam), static_cast<int>(lParam));
    });
    onMessage(WM_FOCUS_BAND_EDIT, [this](WPARAM wParam, LPARAM lParam) {
        OnFocusBandEdit(static_cast<int>(wParam), static_cast<int>(lParam));
    });
    onMessage(WM_NUMEDIT_KEY, [this](WPARAM wParam, LPARAM lParam) {
        OnNumEditKey(static_cast<int>(wParam), static_cast<int>(lParam));
    });
    onMessage(WM_EDIT_NEXT_ROW, [this](WPARAM wParam, LPARAM) { OnEditNextRow(static_cast<int>(wParam)); });
}

// Columns 0-14 only; a fader takes the size of its channel picture, the other controls keep
// theirs. Every call places every control, whatever the layout before.
void CInPutDlg::SetEqLayout(bool bGraphic)
{
    for (int k = 0; k < kBands; ++k) {
        const int nChannel = (bGraphic ? IDB_FADER_GEQ : IDB_FADER_PEQ) + (k == 0 ? 1 : k == kBands - 1 ? 2 : 0);
        m_editFreq[k]->ShowWindow(bGraphic ? SW_HIDE : SW_SHOW);
        m_editQ[k]->ShowWindow(bGraphic ? SW_HIDE : SW_SHOW);
        m_editGain[k]->Move((bGraphic ? m_rcFreqEdit[k] : m_rcGainPeq[k]).GetTopLeft());
        m_sldGain[k]->Move((bGraphic ? m_rcFaderGeq[k] : m_rcFaderPeq[k]).GetTopLeft());
        if (bGraphic)
            m_sldGain[k]->SetBitmapThumb(IDB_THUMB, IDB_THUMB_ACTIVE, true);
        m_sldGain[k]->SetBitmapChannel(nChannel, 0);
    }
    m_btnGainRow->Show(bGraphic);
    Refresh();
}

void CInPutDlg::LayoutInputButtons()
{
    const BYTE byOptInputs = g_inputSettings.Get().m_byOptInputs;
    if (const auto slots = InputButtonSlots(byOptInputs)) {
        m_nLaidOutOpt = byOptInputs;
        for (int k = 0; k < MUSIC_INPUTS; ++k)
            if ((*slots)[k] >= 0)
                m_btnInput[k]->Move(m_rcInputBtn[(*slots)[k]].GetTopLeft());
    }
    for (int k = 0; k < MUSIC_INPUTS; ++k) {
        const bool bShown = IsInputButtonShown(k, m_nLaidOutOpt, g_nInputMode);
        if (m_btnInput[k]->IsShown() != bShown)
            m_btnInput[k]->ShowWindow(bShown ? SW_SHOW : SW_HIDE);
    }
    m_dlgInMode->ShowConnectors(m_nLaidOutOpt);
}

void CInPutDlg::ShowChannel()
{
    const int nInput = std::clamp(g_nCurInput, 0, MUSIC_CHANNELS - 1);
    // Only the shown input's bands move the faders when the graph drags them.
    if (m_pMusic != nullptr)
        for (int k = 0; k < kBands; ++k)
            m_pMusic->GetBand(k)->SetSlider(nullptr);
    m_pMusic = m_pData->GetMusicData(nInput);
    RefreshBypassAllButton();
    m_bGraphicEQ = m_pMusic->GetGraphicEQ() != 0 ? 1 : 0;
    m_btnEqMode->SetCheck(m_bGraphicEQ != 0);
    SetEqLayout(m_bGraphicEQ != 0);
    for (int k = 0; k < kBands; ++k) {
        m_binder.Load(m_nFreqBinding[k]);
        m_binder.Load(m_nQBinding[k]);
        m_pMusic->GetBand(k)->SetSlider(m_sldGain[k]);
        ShowBandBypass(k);
    }
    HighlightBandLabel(0, false);
    HighlightEdit(0, 0, false);
    ShowSelectedInput();
    UpdateSourceButtons();
    m_wndCurve->ShowMusicCurve(nInput);
    m_wndCurve->SetCurveMode(EQ_MODE_MUSIC);
}

void CInPutDlg::RefreshChannelButtons()
{
    ShowSelectedInput();
    for (int i = 0; i < 3; ++i)
        m_btnAuxMode[i]->SetCheck(i == g_nInputMode);
    LayoutInputButtons();
    for (int k = 0; k < MUSIC_INPUTS; ++k)
        m_btnInput[k]->SetCheck(k == g_nCurInput);
    m_dlgInMode->CheckCurrent();
    ApplyNoInputState();
    ShowChannel();
}

void CInPutDlg::RefreshInputControls()
{
    UpdateSourceButtons();
    LayoutInputButtons();
}

void CInPutDlg::ShowSelectedInput()
{
    const int nFace = (g_bChinese ? IDB_SEL_INPUT_CN : IDB_SEL_INPUT_EN) + std::clamp(g_nCurInput, 0, MUSIC_CHANNELS - 1);
    m_btnSelInput->SetDisabledBitmaps(nFace, nFace);
}

// The checked face is the pressed one, or while the processor reports no input the no-input face.
void CInPutDlg::SetInputButtonFaces()
{
    const bool bChinese = g_bChinese != 0;
    const bool bNoInput = g_masterSettings.Get().m_byNoInput != 0;
    for (int k = 0; k < MUSIC_INPUTS; ++k) {
        const int nBase = (bChinese ? IDB_INPUT_BUTTON_CN : IDB_INPUT_BUTTON_EN) + k;
        const int nChecked = bNoInput ? (bChinese ? IDB_NO_INPUT_CN : IDB_NO_INPUT_EN) + k : nBase + 20;
        m_btnInput[k]->SetBitmaps(nBase, nBase + 10, nBase + 20, nChecked, nChecked, nChecked);
    }
}

// While the processor reports no active input the EQ cannot be edited.
void CInPutDlg::ApplyNoInputState()
{
    m_pMusic = m_pData->GetMusicData(std::clamp(g_nCurInput, 0, MUSIC_CHANNELS - 1));
    m_bGraphicEQ = m_pMusic->GetGraphicEQ() != 0 ? 1 : 0;
    const bool bEnable = g_masterSettings.Get().m_byNoInput == 0;
    for (CBitButton* pBtn : {m_btnBypassAll, m_btnEqMode, m_btnResetEq})
        pBtn->Enable(bEnable);
    for (int k = 0; k < kBands; ++k) {
        for (CNumEdit* pEdit : {m_editFreq[k], m_editQ[k], m_editGain[k]})
            pEdit->EnableWindow(bEnable);
        m_sldGain[k]->Enable(bEnable);
        m_btnBandWork[k]->Enable(bEnable);
    }
    SetInputButtonFaces();
    if (!bEnable) {
        HighlightBandLabel(0, false);
        HighlightEdit(0, 0, false);
    }
    m_wndCurve->Enable(bEnable);
}

void CInPutDlg::SetLanguage()
{
    CPage::SetLanguage();
    const bool bChinese = g_bChinese != 0;
    if (bChinese) {
        m_btnResetEq->SetBitmaps(IDB_RESET_EQ_CN, IDB_RESET_EQ_HOVER_CN, IDB_RESET_EQ_HOVER_CN, IDB_RESET_EQ_CN,
                                 IDB_RESET_EQ_HOVER_CN, IDB_RESET_EQ_HOVER_CN);
        m_btnResetEq->SetDisabledBitmaps(IDB_RESET_EQ_OFF_CN, IDB_RESET_EQ_OFF_CN + 1);
        m_btnBypassAll->SetBitmaps(IDB_BYPASS_EQ_CN, IDB_BYPASS_EQ_HOVER_CN, IDB_BYPASS_EQ_HOVER_CN, IDB_RESTORE_EQ_CN,
                                   IDB_RESTORE_EQ_HOVER_CN, IDB_RESTORE_EQ_HOVER_CN);
        m_btnBypassAll->SetDisabledBitmaps(IDB_BYPASS_EQ_OFF_CN, IDB_BYPASS_EQ_OFF_CN + 1);
        m_btnEqMode->SetBitmaps(IDB_PEQ_MODE_CN, IDB_PEQ_MODE_HOVER_CN, IDB_PEQ_MODE_HOVER_CN, IDB_GEQ_MODE_CN,
                                IDB_GEQ_MODE_HOVER_CN, IDB_GEQ_MODE_HOVER_CN);
        m_btnEqMode->SetDisabledBitmaps(IDB_PEQ_MODE_OFF_CN, IDB_GEQ_MODE_OFF_CN);
    } else {
        m_btnResetEq->SetBitmaps(IDB_RESET_EQ_EN, IDB_RESET_EQ_HOVER_EN, IDB_RESET_EQ_HOVER_EN, IDB_RESET_EQ_EN,
                                 IDB_RESET_EQ_HOVER_EN, IDB_RESET_EQ_HOVER_EN);
        m_btnResetEq->SetDisabledBitmaps(IDB_RESET_EQ_OFF_EN, IDB_RESET_EQ_OFF_EN + 1);
        m_btnBypassAll->SetBitmaps(IDB_BYPASS_EQ_EN, IDB_BYPASS_EQ_EN + 1, IDB_BYPASS_EQ_EN + 1, IDB_RESTORE_EQ_EN,
                                   IDB_RESTORE_EQ_EN + 1, IDB_RESTORE_EQ_EN + 1);
        m_btnBypassAll->SetDisabledBitmaps(IDB_BYPASS_EQ_OFF_EN, IDB_BYPASS_EQ_OFF_EN + 1);
        m_btnEqMode->SetBitmaps(IDB_PEQ_MODE_EN, IDB_PEQ_MODE_HOVER_EN, IDB_PEQ_MODE_HOVER_EN, IDB_GEQ_MODE_EN,
                                IDB_GEQ_MODE_HOVER_EN, IDB_GEQ_MODE_HOVER_EN);
        m_btnEqMode->SetDisabledBitmaps(IDB_PEQ_MODE_OFF_EN, IDB_GEQ_MODE_OFF_EN);
    }
    const int nAux = bChinese ? IDB_AUX_MODE_CN : IDB_AUX_MODE_EN;
    for (int i = 0; i < 3; ++i) {
        const int n = nAux + 3 * i;
        m_btnAuxMode[i]->SetBitmaps(n, n + 1, n + 2, n + 2, n + 2, n + 2);
    }
    const int nWay = bChinese ? IDB_ONE_WAY_CN : IDB_ONE_WAY_EN;
    m_btnOneWay->SetBitmaps(nWay, nWay + 1, nWay + 2, nWay + 2, nWay + 2, nWay + 2);
    m_btnTwoWay->SetBitmaps(nWay + 3, nWay + 4, nWay + 5, nWay + 5, nWay + 5, nWay + 5);
    SetInputButtonFaces();
    UpdateSourceButtons();
    m_btnGainRow->SetCheck(bChinese);
    ShowSelectedInput();
    m_dlgInMode->RedrawButtons();
}

// Enter, Tab and Escape in a band edit: Tab (and Enter in the graphic layout) walks to the next
// edit, Enter in the parametric layout down the column, Escape leaves the edit. None of them
// reaches a default button or the view.
void CInPutDlg::OnCharHook(wxKeyEvent& event)
{
    auto* pEdit = dynamic_cast<CNumEdit*>(wxWindow::FindFocus());
    if (pEdit == nullptr || pEdit->GetParent() != this) {
        event.Skip();
        return;
    }
    const WPARAM nId = static_cast<WPARAM>(pEdit->GetCtrlId());
    switch (event.GetKeyCode()) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        if (m_btnEqMode->GetCheck())
            PostMessage(this, WM_NUMEDIT_KEY, nId, VK_RIGHT);
        else
            PostMessage(this, WM_EDIT_NEXT_ROW, nId, 0);
        break;
    case WXK_TAB: PostMessage(this, WM_NUMEDIT_KEY, nId, VK_RIGHT); break;
    case WXK_ESCAPE: SetFocusIgnoringChildren(); break;
    default: event.Skip(); break;
    }
}

void CInPutDlg::OnNumEditKey(int nId, int nKey)
{
    const bool bGraphic = m_btnEqMode->GetCheck();
    if (nKey == VK_LEFT)
        FocusEdit(PrevBandEdit(nId, bGraphic));
    else if (nKey == VK_RIGHT)
        FocusEdit(NextBandEdit(nId, bGraphic));
    m_wndCurve->ParkPointerBelow();
}

// The Right key from the last gain field goes round to the first field in either layout.
void CInPutDlg::FocusFirstEdit()
{
    if (dynamic_cast<CNumEdit*>(wxWindow::FindFocus()) == nullptr)
        PostMessage(this, WM_NUMEDIT_KEY, WPARAM(IDC_GAIN_EDIT + kBands - 1), VK_RIGHT);
}

void CInPutDlg::OnEditNextRow(int nId)
{
    FocusEdit(NextRowBandEdit(nId));
}

void CInPutDlg::FocusEdit(int nId)
{
    const int k = BandOfEdit(nId);
    if (k < 0)
        return;
    if (wxWindow* pEdit = GetDlgItem(nId))
        pEdit->SetFocus();
    HighlightBandLabel(k, true);
    m_wndCurve->Redraw(k);
}

