#include "pages/Adv_Seting.h"

#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "controls/BitButton.h"
#include "controls/COM_EXT_LIMStatic.h"
#include "controls/FontStatic.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/VirtualKeys.h"
#include "controls/WndMessages.h"
#include "grid/ListCtrlCl.h"
#include "model/DataDefine.h"
#include "model/InputSourceTable.h"
#include "model/StdAfx.h"
#include "pages/Adv_ComBox.h"
#include "pages/Adv_SetingIds.h"
#include "pages/PageHost.h"
#include "platform/MessageBox.h"
#include "platform/MessageIds.h"
#include "res/Menus.h"
#include "res/SharedGdi.h"
#include "res/SkinPaint.h"
#include "res/UiText.h"

using namespace Adv_SetingIds;

namespace {
constexpr int kMaxPort = 65535;
const wxColour kListBack{128, 128, 128};
const wxColour kLinkBack{255, 0, 0};

constexpr char kRangeCn[] = "请输入由四个0到255的数字组成的IP地址, 以及1到65535之间的端口。";
constexpr char kRangeEn[] = "Enter an IP address of four numbers from 0 to 255 and a port between 1 and 65535.";

// Template items made as the list of outputs and as the address field.
class COutputList : public CListCtrlCl {
public:
    bool Create(wxWindow* pParent, int nId, const wxRect& rc, unsigned, const wxString&, unsigned)
    {
        return CListCtrlCl::Create(pParent, nId, rc);
    }
};

class CAddressItem : public wxTextCtrl {
public:
    bool Create(wxWindow* pParent, int nId, const wxRect& rc, unsigned, const wxString& strText, unsigned)
    {
        return wxTextCtrl::Create(pParent, WxId(nId), strText, rc.GetPosition(), rc.GetSize(), wxBORDER_NONE);
    }
};

// The fields of the device-state items, in the order the dialog sets them up.
struct DeviceField {
    ParamId id;
    int nEdit;
    int nSpin;
};
constexpr DeviceField kDeviceFields[] = {
    {ParamId::MixThreshold, IDC_MIX_THRESHOLD, IDC_MIX_THRESHOLD_SPIN},
    {ParamId::MixAtten, IDC_MIX_ATTEN, IDC_MIX_ATTEN_SPIN},
    {ParamId::GroupDelay, IDC_GROUP_DELAY, IDC_GROUP_DELAY_SPIN},
    {ParamId::MixRelease, IDC_MIX_RELEASE, IDC_MIX_RELEASE_SPIN},
    {ParamId::NoiseThreshold, IDC_NOISE, IDC_NOISE_SPIN},
};

// Normal, hover, pressed, and the same three checked, then the disabled face.
struct ButtonFaces {
    int n[7];
};
void SetFaces(CBitButton& button, const ButtonFaces& f)
{
    button.SetBitmaps(f.n[0], f.n[1], f.n[2], f.n[3], f.n[4], f.n[5]);
    if (f.n[6] != 0)
        button.SetDisabledBitmaps(f.n[6], f.n[6]);
}
}  // namespace

CAdv_Seting::CAdv_Seting(IPageHost& host, CKTV_Data& data)
    : CTemplateDialog(IDD_ADV_SETING), m_pView(&host), m_pData(&data), m_binder(*this, host), m_logic(host)
{
    SetBackgroundSkins(IDB_BACK_EN, IDB_BACK_CN);
}

CAdv_Seting::~CAdv_Seting()
{
    if (g_pAdvDlg == this)
        g_pAdvDlg = nullptr;
}

void CAdv_Seting::CreateControls()
{
    m_stcDescription = CreateItem<CFontStatic>(IDC_DESCRIPTION);
    m_btnLineSet = CreateItem<CBitButton>(IDC_LINE_SET);
    m_comboOffscreen = CreateItem<CAdv_ComBox>(IDC_OFFSCREEN_COMBO);
    m_btnLoadDefault = CreateItem<CBitButton>(IDC_LOAD_DEFAULT);
    m_graph = CreateItem<CCOM_EXT_LIMStatic>(IDC_LIM_GRAPH);
    m_listOutputs = CreateItem<COutputList>(IDC_OUTPUT_LIST);
    m_btnApply = CreateItem<CBitButton>(IDC_APPLY);
    m_editPort = CreateItem<CNumEdit>(IDC_PORT);
    m_editAddress = CreateItem<CAddressItem>(IDC_ADDRESS);
    m_btnQuit = CreateItem<CBitButton>(IDC_QUIT);
    m_btnSource = CreateItem<CBitButton>(IDC_SOURCE);
    for (const int nId : {IDC_MIX_THRESHOLD, IDC_MIX_ATTEN, IDC_MIX_RELEASE, IDC_GROUP_DELAY, IDC_NOISE, IDC_LIM_DBU,
                          IDC_LIM_VOLT, IDC_LIM_ATTACK, IDC_LIM_RELEASE})
        CreateItem<CNumEdit>(nId);
    for (const int nId : {IDC_MIX_THRESHOLD_SPIN, IDC_MIX_ATTEN_SPIN, IDC_MIX_RELEASE_SPIN, IDC_GROUP_DELAY_SPIN,
                          IDC_NOISE_SPIN, IDC_LIM_DBU_SPIN, IDC_LIM_VOLT_SPIN, IDC_LIM_ATTACK_SPIN,
                          IDC_LIM_RELEASE_SPIN})
        CreateItem<CNumSpin>(nId)->Hide();
    m_editDbu = static_cast<CNumEdit*>(GetDlgItem(IDC_LIM_DBU));
    m_spinDbu = static_cast<CNumSpin*>(GetDlgItem(IDC_LIM_DBU_SPIN));
    m_editVolt = static_cast<CNumEdit*>(GetDlgItem(IDC_LIM_VOLT));
    m_spinVolt = static_cast<CNumSpin*>(GetDlgItem(IDC_LIM_VOLT_SPIN));

    auto onButton = [this](int nId, void (CAdv_Seting::*pfn)()) {
        Bind(wxEVT_BUTTON, [this, pfn](wxCommandEvent&) { (this->*pfn)(); }, WxId(nId));
    };
    onButton(IDC_SOURCE, &CAdv_Seting::OnSourceButton);
    onButton(IDC_APPLY, &CAdv_Seting::OnApply);
    onButton(IDC_LOAD_DEFAULT, &CAdv_Seting::OnLoadDefault);
    onButton(IDC_LINE_SET, &CAdv_Seting::OnLineSet);
    Bind(wxEVT_MENU, [this](wxCommandEvent& event) { OnSourceMenu(CtrlId(event.GetId())); }, WxId(ID_SOURCE_FIRST),
         WxId(ID_SOURCE_OFF));
    m_listOutputs->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& event) { OnListItem(event.GetIndex()); });
    m_editAddress->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnAddressChanged(); });
    BindMessage(this, WM_NUMEDIT_KEY, [this](WPARAM wParam, LPARAM lParam) {
        OnFieldKey(static_cast<int>(wParam), static_cast<int>(lParam));
        return LRESULT(0);
    });
}

bool CAdv_Seting::OnInitDialog()
{
    g_pAdvDlg = this;
    // The ground carries every frame and label; the dialog is its size.
    if (const wxBitmap& bmp = GetSkinBackground(); bmp.IsOk())
        SetClientSize(bmp.GetSize());
    InitFields();
    InitOutputList();
    InitLimiter();
    m_btnLoadDefault->Enable(g_bSynced != 0);
    m_stcDescription->SetFontSize(14);
    m_stcDescription->SetText(LangString("高级", "Advanced Setting"));
    m_stcDescription->Hide();
    m_menuSource.reset(LoadMenu(IDR_SOURCE_MENU));
    SelectLimitChannel(-1);
    ApplyLanguage();
    FillRoles();
    LoadControls();
    return true;
}

void CAdv_Seting::InitFields()
{
    const auto device = [] { return ParamTarget{}; };
    for (const DeviceField& field : kDeviceFields) {
        const int nBinding = m_binder.Bind(field.id, static_cast<CNumEdit*>(GetDlgItem(field.nEdit)),
                                           static_cast<CNumSpin*>(GetDlgItem(field.nSpin)), nullptr, device);
        if (m_nBindFirstDevice < 0)
            m_nBindFirstDevice = nBinding;
        m_nBindLastDevice = nBinding;
    }
    // The port is no parameter of the processor: Apply takes it, with the address.
    // The address is typed in a native field: it takes the look of the numeric fields' wells.
    m_editAddress->SetBackgroundColour(skin::kPanel);
    m_editAddress->SetForegroundColour(*wxWHITE);
    m_editPort->SetScale(1.0);
    m_editPort->SetType(20);
    m_editPort->SetRange(1, kMaxPort);
}

void CAdv_Seting::InitOutputList()
{
    m_listOutputs->SetRowHeight(18);
    m_listOutputs->SetBkColor(kListBack);
    m_listOutputs->SetTextColor(*wxWHITE);
    m_listOutputs->SetTextBkColor(wxColour(247, 247, 255));
    const bool bChinese = g_bChinese != 0;
    m_strLink = bChinese ? "联调" : "Link";
    m_strEdit = bChinese ? "编辑" : "Edit";
    const char* szTitles[4] = {bChinese ? "通道" : "Channel", bChinese ? "通道设置" : "Channel Map", m_strEdit.c_str(), ""};
    const int nWidths[4] = {45, 90, 30, 30};
    for (int i = 0; i < 4; ++i)
        m_listOutputs->InsertColumn(i, Utf8(szTitles[i]), LVCFMT_CENTER, nWidths[i]);
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        m_listOutputs->InsertItem(k, Utf8(g_strChannelNames[static_cast<std::size_t>(k)].c_str()));
}

void CAdv_Seting::InitLimiter()
{
    const auto selected = [this] { return ParamTarget{m_pData, m_nSelRow, 0}; };
    m_nBindDbu = m_binder.Bind(ParamId::AdvLimLevelDbu, m_editDbu, m_spinDbu, nullptr, selected, [this](int) {
        m_binder.Load(m_nBindVolt);
        m_editVolt->SetHighlight(false);
        m_graph->Redraw();
    });
    m_nBindVolt = m_binder.Bind(ParamId::AdvLimLevelVolt, m_editVolt, m_spinVolt, nullptr, selected, [this](int) {
        m_binder.Load(m_nBindDbu);
        m_editDbu->SetHighlight(false);
        m_graph->Redraw();
    });
    m_nBindAttack = m_binder.Bind(ParamId::LimAttack, static_cast<CNumEdit*>(GetDlgItem(IDC_LIM_ATTACK)),
                                  static_cast<CNumSpin*>(GetDlgItem(IDC_LIM_ATTACK_SPIN)), nullptr, selected,
                                  [this](int) { RemoveLevelHighlights(); });
    m_nBindRelease = m_binder.Bind(ParamId::AdvLimRelease, static_cast<CNumEdit*>(GetDlgItem(IDC_LIM_RELEASE)),
                                   static_cast<CNumSpin*>(GetDlgItem(IDC_LIM_RELEASE_SPIN)), nullptr, selected,
                                   [this](int) { RemoveLevelHighlights(); });
    if (g_fontEdit.IsOk())
        for (const int nId : {IDC_LIM_DBU, IDC_LIM_VOLT, IDC_LIM_ATTACK, IDC_LIM_RELEASE})
            GetDlgItem(nId)->SetFont(g_fontEdit);

    m_graph->LayoutPlot();
    m_graph->SetGraphMode(LIM_GRAPH_MODE);
    m_graph->SetDbuControls(m_spinDbu, m_editDbu);
    m_graph->SetLevelControls(m_spinVolt, m_editVolt);
    m_graph->AttachData(m_pData);
    // A drag of the knee writes the level and shows it in both fields past the bindings: once
    // it ends, they take the stored level as the one they show.
    const auto reloadLevels = [this] {
        CallAfter([this] {
            m_binder.Load(m_nBindDbu);
            m_binder.Load(m_nBindVolt);
        });
    };
    m_graph->Bind(wxEVT_LEFT_UP, [reloadLevels](wxMouseEvent& event) {
        event.Skip();
        reloadLevels();
    });
    m_graph->Bind(wxEVT_MOUSE_CAPTURE_LOST, [reloadLevels](wxMouseCaptureLostEvent& event) {
        event.Skip();
        reloadLevels();
    });
}

void CAdv_Seting::ApplyLanguage()
{
    const bool bChinese = g_bChinese != 0;
    SetTitle(LangString("高级", "Advanced Setting"));
    const int a = bChinese ? IDB_APPLY_CN : IDB_APPLY_EN;
    SetFaces(*m_btnApply, {{a, a + 1, a + 2, a, a + 1, a + 2, a + 3}});
    const int d = bChinese ? IDB_DEFAULT_CN : IDB_DEFAULT_EN;
    SetFaces(*m_btnLoadDefault, {{d, d + 1, d + 2, d + 2, d + 2, d + 2, d + 3}});
    const int q = bChinese ? IDB_QUIT_CN : IDB_QUIT_EN;
    SetFaces(*m_btnQuit, {{q, q + 2, q + 1, q, q + 2, q + 1, 0}});
    const int nOff = bChinese ? IDB_LINE_OFF_CN : IDB_LINE_OFF_EN;
    const int nOn = bChinese ? IDB_LINE_ON_CN : IDB_LINE_ON_EN;
    SetFaces(*m_btnLineSet, {{nOff, nOff, nOn, nOn, nOn, nOff, 0}});
    UpdateSourceButton();
}

void CAdv_Seting::LoadControls()
{
    UpdateSourceButton();
    m_binder.Load();
    ReloadNetwork();
    m_btnLineSet->SetCheck(g_nLineSet != 0);
}

void CAdv_Seting::ReloadFromDevice()
{
    UpdateSourceButton();
    for (int i = m_nBindFirstDevice; i <= m_nBindLastDevice; ++i)
        m_binder.Load(i);
    const bool bApply = m_btnApply->IsEnabled();
    ReloadNetwork();
    m_btnApply->Enable(bApply);
    SelectLimitChannel(-1);
    FillRoles();
}

void CAdv_Seting::UpdateSourceButton()
{
    const bool bChinese = g_bChinese != 0;
    const int nSource = CAdvSetingLogic::ShownSource();
    const int nNormal = CAdvSetingLogic::SourceFace(nSource, false, bChinese);
    const int nHot = CAdvSetingLogic::SourceFace(nSource, true, bChinese);
    m_btnSource->SetBitmaps(nNormal, nHot, nHot, nNormal, nHot, nHot);
}

void CAdv_Seting::EnableLoadDefault(int bEnable)
{
    m_btnLoadDefault->Enable(bEnable != 0);
}

void CAdv_Seting::ReloadNetwork()
{
    const DeviceEndpoint endpoint = CurrentEndpoint();
    m_editAddress->ChangeValue(wxString::FromUTF8(endpoint.strAddress));
    m_btnApply->Enable(false);
    m_nPort = endpoint.nPort;
    // A port outside the field's range is shown as the field's nearest.
    m_editPort->SetValue(std::clamp(m_nPort, 1, kMaxPort));
    m_editPort->SetEdited(false);
}

void CAdv_Seting::SelectLimitChannel(int nRow)
{
    m_nSelRow = nRow >= 0 && nRow < OUTPUT_CHANNELS ? nRow : 0;
    ShowListMarks();
    m_listOutputs->SetSelectionMark(m_nSelRow);
    LoadLimitChannel();
}

void CAdv_Seting::LoadLimitChannel()
{
    for (const int nBinding : {m_nBindDbu, m_nBindVolt, m_nBindAttack, m_nBindRelease})
        m_binder.Load(nBinding);
    m_graph->LoadChannel(m_nSelRow);
}

void CAdv_Seting::ShowListMarks()
{
    const wxString strEdit = Utf8(m_strEdit.c_str());
    for (int k = 0; k < OUTPUT_CHANNELS; ++k) {
        m_listOutputs->SetItemText(k, 2, wxString());
        m_listOutputs->SetItemText(k, 3, wxString());
    }
    const std::vector<int> linked = CAdvSetingLogic::LinkedRows(m_nSelRow);
    for (const int k : linked) {
        m_listOutputs->SetItemText(k, 2, strEdit);
        m_listOutputs->SetItemText(k, 3, Utf8(m_strLink.c_str()));
    }
    // Every linked row's mark is red; the marks of the rows linked before go.
    m_listOutputs->SetCellsBkColor(3, linked, kLinkBack);
    m_listOutputs->SetItemText(m_nSelRow, 2, strEdit);
    m_listOutputs->Refresh();
}

void CAdv_Seting::FillRoles()
{
    for (int k = 0; k < OUTPUT_CHANNELS; ++k)
        m_listOutputs->SetItemText(k, 1, Utf8(CAdvSetingLogic::RoleText(k).c_str()));
}

void CAdv_Seting::RemoveLevelHighlights()
{
    m_editDbu->SetHighlight(false);
    m_editVolt->SetHighlight(false);
}

void CAdv_Seting::OnListItem(int nItem)
{
    if (nItem >= 0 && nItem != m_nSelRow)
        SelectLimitChannel(nItem);
    RemoveLevelHighlights();
}

void CAdv_Seting::OnSourceButton()
{
    wxMenu* pPopup = m_menuSource.get();
    if (pPopup == nullptr)
        return;
    for (int k = 0; k < SOURCE_COUNT; ++k)
        pPopup->Enable(WxId(ID_SOURCE_FIRST + k), g_inputSourceTable.m_bAvail[k] != 0);
    const wxRect rc = m_btnSource->GetRect();
    const wxPoint pt(rc.GetLeft(), rc.GetBottom() + 1 + 2);
    if (m_fnPopup)
        m_fnPopup(*pPopup, pt);
    else
        PopupMenu(pPopup, pt);
}

void CAdv_Seting::OnSourceMenu(int nCommand)
{
    if (m_logic.SelectMixSource(nCommand - ID_SOURCE_FIRST))
        UpdateSourceButton();
}

void CAdv_Seting::OnAddressChanged()
{
    if (m_editAddress->GetValue().utf8_string() != CurrentEndpoint().strAddress)
        m_btnApply->Enable(true);
    RemoveLevelHighlights();
}

// While the port is typed: a number beyond the last port shows as the last port at once, and a
// number other than the port in use makes Apply available.
void CAdv_Seting::OnPortKey()
{
    if (!m_editPort->IsEdited())
        return;
    const std::string strText = m_editPort->GetText().utf8_string();
    long nTyped = std::strtol(strText.c_str(), nullptr, 10);
    if (nTyped > kMaxPort) {
        nTyped = kMaxPort;
        m_editPort->SetValue(kMaxPort);
    }
    if (nTyped != m_nPort)
        m_btnApply->Enable(true);
}

// Only a dotted address and a port in range become the endpoint; anything else is told and the
// endpoint in use stays, with the fields as typed.
void CAdv_Seting::OnApply()
{
    const std::optional<DeviceEndpoint> endpoint =
        ParseEndpoint(m_editAddress->GetValue().utf8_string(), m_editPort->GetText().utf8_string());
    if (!endpoint) {
        AfxMessageBox(LangText(kRangeCn, kRangeEn), MB_OK, g_bChinese ? CAPTION_WARNING_CN : CAPTION_WARNING_EN);
        return;
    }
    SetCurrentEndpoint(*endpoint);
    m_nPort = endpoint->nPort;
    m_editAddress->ChangeValue(wxString::FromUTF8(endpoint->strAddress));
    m_editPort->SetValue(m_nPort);
    m_editPort->SetEdited(false);
}

// The factory reset goes at once: it is this dialog's own deliberate button.
void CAdv_Seting::OnLoadDefault()
{
    m_pView->SendSystemItem(SYS_FACTORY_RESET, 0);
}

// The button never toggles itself: the option shown is inverted, stored and drawn.
void CAdv_Seting::OnLineSet()
{
    g_nLineSet = m_btnLineSet->GetCheck() ? 0 : 1;
    m_btnLineSet->SetCheck(g_nLineSet != 0);
    m_pView->SaveLineSetting();
}

void CAdv_Seting::OnFieldKey(int nCtrlId, int nKey)
{
    if (nCtrlId == IDC_PORT)
        OnPortKey();
    if (nKey == VK_LEFT)
        FocusField(CAdvSetingLogic::RingStep(nCtrlId, -1));
    else if (nKey == VK_RIGHT)
        FocusField(CAdvSetingLogic::RingStep(nCtrlId, +1));
}

void CAdv_Seting::FocusField(int nCtrlId)
{
    if (wxWindow* pField = GetDlgItem(nCtrlId))
        pField->SetFocus();
}

// Enter and Tab go along the fields (from the noise threshold to the address, from the address
// to the port); Escape ends an edit without closing the dialog. The close box and Quit close it.
bool CAdv_Seting::PreTranslateKey(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    if (nKey == WXK_ESCAPE) {
        SetFocusIgnoringChildren();
        return true;
    }
    if (nKey != WXK_RETURN && nKey != WXK_NUMPAD_ENTER && nKey != WXK_TAB)
        return false;
    wxWindow* pFocus = FindFocus();
    auto* pEdit = dynamic_cast<CNumEdit*>(pFocus);
    if (pEdit != nullptr && pEdit->GetParent() == this) {
        if (pEdit->GetCtrlId() == IDC_NOISE)
            m_editAddress->SetFocus();
        else
            PostMessage(this, WM_NUMEDIT_KEY, WPARAM(pEdit->GetCtrlId()), LPARAM(VK_RIGHT));
    } else if (pFocus == m_editAddress) {
        PostMessage(this, WM_NUMEDIT_KEY, WPARAM(IDC_NOISE), LPARAM(VK_RIGHT));
    } else {
        FocusField(IDC_MIX_THRESHOLD);
    }
    return true;
}
