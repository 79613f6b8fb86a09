#include "pages/OutRoute_Dlg.h"

#include <wx/menu.h>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/VirtualKeys.h"
#include "controls/WndMessages.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutStripRules.h"
#include "pages/OutputDlg.h"
#include "pages/OutputDlgIds.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "res/Menus.h"
#include "res/SharedGdi.h"
#include "res/Skins.h"

using namespace OutRoute_DlgIds;

namespace {
// While any strip's role menu is open every strip shows its normal ground.
bool s_bMenuOpen = false;

const wxColour kRoleText{220, 220, 220};
const wxColour kRoleHot{255, 102, 0};
const wxColour kRoleDisabled{210, 210, 210};

// The id of the control that has the focus when it is a numeric field inside pWnd, else 0.
int FocusedFieldIn(wxWindow* pWnd)
{
    auto* pEdit = dynamic_cast<CNumEdit*>(wxWindow::FindFocus());
    if (pEdit == nullptr)
        return 0;
    for (wxWindow* p = pEdit; p != nullptr; p = p->GetParent())
        if (p == pWnd)
            return pEdit->GetCtrlId();
    return 0;
}
}  // namespace

COutRoute_Dlg::COutRoute_Dlg(COutputDlg& page, IPageHost& host, CKTV_Data& data)
    : CTemplateForm(IDD_OUT_ROUTE), m_page(page), m_host(host), m_data(data), m_binder(*this, host)
{
}

CKTV_OutData& COutRoute_Dlg::Out() const
{
    return *m_data.GetOutData(m_nOutput);
}

void COutRoute_Dlg::CreateControls()
{
    m_btnSelect = CreateItem<CBitButton>(IDC_SELECT);
    m_btnRole = CreateItem<CBitButton>(IDC_ROLE);
    m_btnOnOff = CreateItem<CBitButton>(IDC_ON_OFF);
    m_btnPolarity = CreateItem<CBitButton>(IDC_POLARITY);
    m_sliderLevel = CreateItem<CBitmapSlider>(IDC_LEVEL_SLIDER);
    m_editLevel = CreateItem<CNumEdit>(IDC_LEVEL_EDIT);
    m_spinLevel = CreateItem<CNumSpin>(IDC_LEVEL_SPIN);
}

bool COutRoute_Dlg::OnInitDialog()
{
    m_bCurrent = false;
    m_btnOnOff->SetBitmaps(OutputDlgIds::IDB_MASTER_OFF, OutputDlgIds::IDB_MASTER_OFF + 1, OutputDlgIds::IDB_MASTER_OFF + 2,
                           OutputDlgIds::IDB_MASTER_ON, OutputDlgIds::IDB_MASTER_ON + 1, OutputDlgIds::IDB_MASTER_ON + 2);
    m_btnOnOff->SetDisabledBitmaps(IDB_ON_DISABLED, IDB_ON_DISABLED + 1);

    m_sliderLevel->SetBitmapChannel(IDB_LEVEL_CHANNEL, 0);
    m_sliderLevel->SetBitmapThumb(IDB_LEVEL_THUMB, OutputDlgIds::IDB_THUMB_ACTIVE, true);
    m_sliderLevel->SetBitmapThumbDisabled(IDB_LEVEL_THUMB_DISABLED);
    m_sliderLevel->SetMargin(25, 0, 1, 2);
    m_sliderLevel->SetHoverNotify(true);
    m_spinLevel->Hide();
    m_editLevel->SetFont(g_fontEdit);
    m_nLevelBinding = m_binder.Bind(ParamId::OutLevel, m_editLevel, m_spinLevel, m_sliderLevel,
                                    [this] { return ParamTarget{&m_data, m_nOutput, 0}; },
                                    [this](int) { OnLevelChanged(); });
    m_binder.SetSliderHandler([this](int nCtrlId, bool bDone) {
        if (bDone && nCtrlId == IDC_LEVEL_SLIDER)
            m_editLevel->SetFocus();
    });

    m_btnRole->SetBitmaps(IDB_ROLE, IDB_ROLE + 1, IDB_ROLE + 2, IDB_ROLE + 2, IDB_ROLE + 2, IDB_ROLE + 2);
    m_btnRole->SetRightMargin(true);
    m_btnRole->SetTextColors(kRoleText, kRoleHot, kRoleHot, kRoleText, kRoleHot, kRoleHot);
    m_btnRole->SetDisabledBitmaps(IDB_ROLE_DISABLED, IDB_ROLE_DISABLED);
    m_btnRole->SetDisabledTextColor(kRoleDisabled);
    for (CBitButton* pButton : {m_btnRole, m_btnSelect})
        pButton->SetFonts(&g_fontEdit, &g_fontEdit, &g_fontEdit, &g_fontEdit, &g_fontEdit, &g_fontEdit);
    m_btnRole->SetDisabledFont(&g_fontEdit);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnSelect(); }, WxId(IDC_SELECT));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOnOff(); }, WxId(IDC_ON_OFF));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnPolarity(); }, WxId(IDC_POLARITY));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnRoleMenu(); }, WxId(IDC_ROLE));
    for (int k = 0; k < SPEAKER_ROLES; ++k)
        Bind(wxEVT_MENU, [this, k](wxCommandEvent&) { OnRoleItem(k); }, WxId(ID_ROLE_FIRST + k));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Copy(); }, WxId(ID_COPY));
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Paste(true); }, WxId(ID_PASTE));
    Bind(wxEVT_RIGHT_DOWN, &COutRoute_Dlg::OnRightDown, this);
    Bind(wxEVT_CHAR_HOOK, &COutRoute_Dlg::OnCharHook, this);
    BindMessage(this, WM_STRIP_COPY, [this](WPARAM, LPARAM) -> LRESULT {
        Copy();
        return 0;
    });
    BindMessage(this, WM_STRIP_PASTE, [this](WPARAM, LPARAM) -> LRESULT {
        Paste(false);
        return 0;
    });
    BindMessage(this, WM_NUMEDIT_KEY, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        PostMessage(&m_page, WM_NUMEDIT_KEY, wParam, lParam);
        return 0;
    });
    SetLanguage();
    return true;
}

void COutRoute_Dlg::SetBitmaps(int nNormal, int, int, int nPressed)
{
    m_nNormalFace = nNormal;
    m_nPressedFace = nPressed;
    const wxBitmap& face = LoadSkin(nPressed);
    if (face.IsOk()) {
        m_size = face.GetSize();
        SetSize(m_size);
    }
    Refresh();
}

void COutRoute_Dlg::SetNumberBitmaps(int nNormal, int nHover, int nChecked, int nDisabled)
{
    m_btnSelect->SetBitmaps(nNormal, nHover, nHover, nChecked, nChecked, nChecked);
    m_btnSelect->SetDisabledBitmaps(nDisabled, nDisabled);
}

const wxBitmap& COutRoute_Dlg::GetSkinBackground() const
{
    if (!IsThisEnabled())
        return LoadSkin(m_nDisabledFace);
    return LoadSkin(m_bCurrent && !s_bMenuOpen ? m_nPressedFace : m_nNormalFace);
}

void COutRoute_Dlg::SetCurrent(bool bCurrent)
{
    m_bCurrent = bCurrent;
    m_btnSelect->SetCheck(bCurrent);
    Refresh();
}

void COutRoute_Dlg::LoadChannel()
{
    m_btnOnOff->SetCheck(Out().GetOn() != 0);
    LoadPolarity();
    LoadLevel();
}

void COutRoute_Dlg::LoadPolarity()
{
    m_btnPolarity->SetCheck(Out().GetPolarity() != 0);
}

void COutRoute_Dlg::LoadLevel()
{
    m_binder.Load(m_nLevelBinding);
}

void COutRoute_Dlg::ShowSpeakerRole()
{
    m_btnRole->SetLabel(wxString::FromUTF8(SpeakerRoleName(g_roleStates.m_byOutRole[m_nOutput])));
    m_btnRole->Refresh();
}

void COutRoute_Dlg::SetLanguage()
{
    const int nFaces = g_bChinese ? IDB_POLARITY_CN : IDB_POLARITY_EN;
    const int nDisabled = g_bChinese ? IDB_POLARITY_CN_DISABLED : IDB_POLARITY_EN_DISABLED;
    m_btnPolarity->SetBitmaps(nFaces, nFaces + 1, nFaces + 2, nFaces + 3, nFaces + 4, nFaces + 5);
    m_btnPolarity->SetDisabledBitmaps(nDisabled, nDisabled + 1);
    m_binder.RefreshLanguage();
}

void COutRoute_Dlg::EnableStrip(bool bEnable)
{
    const bool bRole = ValidRole(g_roleStates.m_byOutRole[m_nOutput]) != ROLE_NONE;
    auto enableControls = [this](bool b) {
        for (CBitButton* pButton : {m_btnOnOff, m_btnPolarity, m_btnSelect})
            pButton->Enable(b);
        m_editLevel->EnableWindow(b);
        m_sliderLevel->Enable(b);
    };
    if (!bRole) {
        m_btnRole->Enable(bEnable);
        enableControls(bEnable);
        Enable(bEnable);
        Refresh();
        return;
    }
    if (!bEnable) {
        m_btnRole->Enable(false);
        return;
    }
    if (!m_btnOnOff->IsThisEnabled())
        enableControls(true);
    m_btnRole->Enable(true);
    Enable(true);
    Refresh();
}

void COutRoute_Dlg::OnSelect()
{
    if (!(m_bCurrent && m_nOutput == g_nCurOutput))
        PostMessage(&m_page, WM_SELECT_OUTPUT, static_cast<WPARAM>(m_nOutput), 0);
}

// The buttons never toggle themselves: the state is inverted in the model and shown.
void COutRoute_Dlg::OnOnOff()
{
    Out().SetOn(Out().GetOn() ? 0 : 1);
    m_btnOnOff->SetCheck(Out().GetOn() != 0);
}

void COutRoute_Dlg::OnPolarity()
{
    Out().SetPolarity(Out().GetPolarity() ? 0 : 1);
    LoadPolarity();
    m_page.ShowPolarity();
}

void COutRoute_Dlg::OnLevelChanged()
{
    if (OutStripRules::SwitchOnAfterLevel(Out()))
        m_btnOnOff->SetCheck(true);
    m_page.RefreshLinkedLevels(m_nOutput);
}

void COutRoute_Dlg::Popup(wxMenu& menu, const wxPoint& pt)
{
    if (m_fnPopup)
        m_fnPopup(menu, pt);
    else
        PopupMenu(&menu, pt);
}

// The shared role menu's items are marked, then a copy of it pops up (a pop-up of a menu cannot
// be shown on its own).
void COutRoute_Dlg::OnRoleMenu()
{
    wxMenu* pMenu = SpeakerRoleMenu();
    if (pMenu == nullptr)
        return;
    const auto marks = OutStripRules::RoleMenuMarks(m_nOutput);
    for (int k = 0; k < SPEAKER_ROLES; ++k) {
        wxMenuItem* pItem = pMenu->FindItem(WxId(ID_ROLE_FIRST + k));
        if (pItem == nullptr)
            continue;
        pItem->Check(marks[static_cast<size_t>(k)].bChecked);
        pItem->Enable(marks[static_cast<size_t>(k)].bEnabled);
    }
    const wxRect rc = m_btnRole->GetRect();
    const std::unique_ptr<wxMenu> pShown = CloneMenu(*pMenu);
    s_bMenuOpen = true;
    Refresh();
    Popup(*pShown, wxPoint(rc.GetLeft(), rc.GetBottom() + 1 + 2));
    s_bMenuOpen = false;
    Refresh();
}

void COutRoute_Dlg::OnRoleItem(int nRole)
{
    if (ValidRole(g_roleStates.m_byOutRole[m_nOutput]) != nRole)
        PostMessage(&m_page, WM_SET_SPEAKER_ROLE, static_cast<WPARAM>(m_nOutput), nRole);
}

void COutRoute_Dlg::OnRightDown(wxMouseEvent& event)
{
    std::unique_ptr<wxMenu> pMenu(LoadMenu(IDM_STRIP));
    if (wxMenuItem* pPaste = pMenu->FindItem(WxId(ID_PASTE)))
        pPaste->Enable(g_copySource.m_nSource >= 0);
    Popup(*pMenu, event.GetPosition());
    event.Skip();
}

void COutRoute_Dlg::Copy()
{
    g_copySource.Select(m_nOutput);
}

void COutRoute_Dlg::Paste(bool bFromMenu)
{
    const auto decision = OutStripRules::Paste(m_nOutput, m_btnRole->GetLabel().utf8_string());
    switch (decision.step) {
    case OutStripRules::PasteStep::Nothing: return;
    case OutStripRules::PasteStep::Refused: AfxMessageBox(decision.strText, MB_OK, 0); return;
    case OutStripRules::PasteStep::Ask: break;
    }
    if (AfxMessageBox(decision.strText, MB_YESNO, g_bChinese ? CAPTION_PROMPT_CN : CAPTION_PROMPT_EN) != IDYES)
        return;
    PostMessage(&m_page, WM_COPY_CHANNEL, static_cast<WPARAM>(g_copySource.m_nSource), m_nOutput);
    if (bFromMenu && !(m_bCurrent && m_nOutput == g_nCurOutput))
        PostMessage(&m_page, WM_SELECT_OUTPUT, static_cast<WPARAM>(m_nOutput), 0);
}

// Ctrl+C and Ctrl+V copy and paste (the key goes on); Enter and Tab in the level field move on
// through the page's fields and end here; Escape takes the focus from the field.
void COutRoute_Dlg::OnCharHook(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    if (event.ControlDown() && (nKey == 'C' || nKey == 'V')) {
        PostMessage(this, nKey == 'C' ? WM_STRIP_COPY : WM_STRIP_PASTE, 0, 0);
        event.Skip();
        return;
    }
    if (nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER || nKey == WXK_TAB) {
        if (const int nField = FocusedFieldIn(this))
            PostMessage(&m_page, nKey == WXK_TAB ? WM_NUMEDIT_KEY : WM_EDIT_NEXT_ROW, static_cast<WPARAM>(nField),
                        nKey == WXK_TAB ? VK_RIGHT : 0);
        return;
    }
    if (nKey == WXK_ESCAPE)
        SetFocusIgnoringChildren();
    event.Skip();
}
