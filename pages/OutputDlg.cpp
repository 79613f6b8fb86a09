#include "pages/OutputDlg.h"

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/ControlIds.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "model/DataDefine.h"
#include "model/SpeakerRole.h"
#include "pages/OutputDlgIds.h"
#include "pages/PageHost.h"

using namespace OutputDlgIds;

COutputDlg::COutputDlg(IPageHost& host, CKTV_Data& data) : CPage(IDD_OUTPUT, host, data)
{
    SetBackgroundSkins(IDB_BACK_EN, IDB_BACK_CN);
}

void COutputDlg::CreateControls()
{
    m_sliderMaster = CreateItem<CBitmapSlider>(IDC_MASTER_SLIDER);
    m_editMaster = CreateItem<CNumEdit>(IDC_MASTER_EDIT);
    m_spinMaster = CreateItem<CNumSpin>(IDC_MASTER_SPIN);
    m_btnMasterOn = CreateItem<CBitButton>(IDC_MASTER_ON);
}

bool COutputDlg::OnInitDialog()
{
    InitMasterControls();
    return true;
}

void COutputDlg::InitMasterControls()
{
    m_sliderMaster->SetBitmapChannel(IDB_MASTER_CHANNEL, 0);
    m_sliderMaster->SetBitmapThumb(IDB_MASTER_THUMB, IDB_THUMB_ACTIVE, true);
    m_sliderMaster->SetRange(0, ParamRowOf(ParamId::MasterVolume).nMax);
    m_sliderMaster->SetMargin(25, 0, 1, 2);
    m_sliderMaster->SetHoverNotify(true);
    m_spinMaster->Hide();
    m_btnMasterOn->SetBitmaps(IDB_MASTER_OFF, IDB_MASTER_OFF + 1, IDB_MASTER_OFF + 2, IDB_MASTER_ON,
                              IDB_MASTER_ON + 1, IDB_MASTER_ON + 2);
    m_btnMasterOn->SetHoverNotify(true);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnMasterOn(); }, WxId(IDC_MASTER_ON));

    // A new volume switches the master on (the row's setter does), which the button shows.
    m_nMasterBinding = m_binder.Bind(ParamId::MasterVolume, m_editMaster, m_spinMaster, m_sliderMaster,
                                     [] { return ParamTarget{}; },
                                     [this](int) { m_btnMasterOn->SetCheck(g_masterSettings.m_byMasterOn != 0); });
    m_binder.SetSliderHandler([this](int nCtrlId, bool bDone) {
        if (bDone && nCtrlId == IDC_MASTER_SLIDER)
            m_editMaster->SetFocus();
    });
}

// The button never toggles itself: the state shown is inverted, stored and sent.
void COutputDlg::OnMasterOn()
{
    const bool bOn = !m_btnMasterOn->GetCheck();
    g_masterSettings.m_byMasterOn = bOn ? 1 : 0;
    m_pView->SetMasterItemPending(1);
    m_btnMasterOn->SetCheck(bOn);
}

void COutputDlg::ShowWindow(int nCmdShow)
{
    Show(nCmdShow != 0);
}

void COutputDlg::RefreshPage()
{
    RefreshChannel();
    ShowMasterVolume();
}

void COutputDlg::RefreshChannel()
{
    Refresh();
}

void COutputDlg::ShowMasterVolume()
{
    m_binder.Load(m_nMasterBinding);
    m_btnMasterOn->SetCheck(g_masterSettings.m_byMasterOn != 0);
}

void COutputDlg::SetLanguage()
{
    CPage::SetLanguage();
}

void COutputDlg::FocusFirstEdit()
{
    SetFocus();
}

void COutputDlg::RefreshBands()
{
    Refresh();
}

void COutputDlg::ShowInputChannel(int)
{
    Refresh();
}

void COutputDlg::ApplyOutputMapLock()
{
    if (!g_bOutMapLocked)
        m_pView->UnlinkAllOutputs();
    Refresh();
}

void COutputDlg::CheckOutputMapLock()
{
    if (!g_bOutMapLocked)
        return;
    if (!IsAnyRoleAssigned()) {
        g_bOutMapLocked = 0;
        ApplyOutputMapLock();
        return;
    }
    auto hasRole = [](int nOutput) { return g_roleStates.m_byOutRole[nOutput] != ROLE_NONE; };
    if (hasRole(g_nCurOutput))
        return;
    for (int nOutput = 0; nOutput < OUTPUT_CHANNELS; ++nOutput) {
        if (hasRole(nOutput)) {
            ClearLinkedHighlights(g_nCurOutput);
            g_nCurOutput = nOutput;
            RefreshChannel();
            return;
        }
    }
}

void COutputDlg::ClearLinkedHighlights(int)
{
    Refresh();
}

void COutputDlg::ShowOutputsUnlinked()
{
    Refresh();
}
