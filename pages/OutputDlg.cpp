// The output page: set-up, language, the refreshes the view asks for, the master block, the
// strips and the car plan. The band, crossover and graph handlers are in OutputDlgBands.cpp.
#include "pages/OutputDlg.h"

#include <wx/eventfilter.h>

#include <algorithm>

#include "controls/BitButton.h"
#include "controls/BitmapSlider.h"
#include "controls/BtnPng.h"
#include "controls/ComBoxBtn.h"
#include "controls/EqCurveStatic.h"
#include "controls/FontStatic.h"
#include "controls/NumEdit.h"
#include "controls/NumSpin.h"
#include "controls/VirtualKeys.h"
#include "controls/WndMessages.h"
#include "controls/XPButton.h"
#include "model/DataDefine.h"
#include "model/KTV_Data.h"
#include "model/Conversions.h"
#include "model/Filter.h"
#include "model/KTV_OutData.h"
#include "model/SpeakerGroupTable.h"
#include "model/SpeakerRole.h"
#include "model/StdAfx.h"
#include "pages/OutRoute_Dlg.h"
#include "pages/OutRoute_DlgIds.h"
#include "pages/OutputDlgIds.h"
#include "pages/OutputLayout.h"
#include "pages/PageHost.h"
#include "pages/SharedFaceIds.h"
#include "platform/MessageIds.h"
#include "res/SharedGdi.h"
#include "res/SkinPaint.h"
#include "res/WinStyles.h"

using namespace OutputDlgIds;
using namespace SharedFaceIds;

namespace {
constexpr int kShownStrips = 6;
constexpr int kInputs = 6;

// Faces of the buttons that change with the language: normal, hover, pressed, then the checked
// (or "on") state's three; Chinese first.
struct LangFaces {
    int cn[6];
    int en[6];
};
constexpr LangFaces kPolarityFaces{
    {IDB_POLARITY_CN, IDB_POLARITY_CN + 1, IDB_POLARITY_CN + 2, IDB_POLARITY_CN + 3, IDB_POLARITY_CN + 4, IDB_POLARITY_CN + 5},
    {IDB_POLARITY_EN, IDB_POLARITY_EN + 1, IDB_POLARITY_EN + 2, IDB_POLARITY_EN + 3, IDB_POLARITY_EN + 4, IDB_POLARITY_EN + 5}};
constexpr LangFaces kResetEqFaces{
    {IDB_RESET_EQ_CN, IDB_RESET_EQ_HOVER_CN, IDB_RESET_EQ_HOVER_CN, IDB_RESET_EQ_CN, IDB_RESET_EQ_HOVER_CN, IDB_RESET_EQ_HOVER_CN},
    {IDB_RESET_EQ_EN, IDB_RESET_EQ_HOVER_EN, IDB_RESET_EQ_HOVER_EN, IDB_RESET_EQ_EN, IDB_RESET_EQ_HOVER_EN, IDB_RESET_EQ_HOVER_EN}};
constexpr LangFaces kAllBypassFaces{
    {IDB_RESTORE_EQ_CN, IDB_RESTORE_EQ_HOVER_CN, IDB_RESTORE_EQ_HOVER_CN, IDB_BYPASS_EQ_CN, IDB_BYPASS_EQ_HOVER_CN,
     IDB_BYPASS_EQ_HOVER_CN},
    {IDB_RESTORE_EQ_EN, IDB_RESTORE_EQ_EN + 1, IDB_RESTORE_EQ_EN + 1, IDB_BYPASS_EQ_EN, IDB_BYPASS_EQ_EN + 1,
     IDB_BYPASS_EQ_EN + 1}};
// Hovering the English parametric mode shows the graphic face it leads to.
constexpr LangFaces kEqModeFaces{
    {IDB_GEQ_MODE_CN, IDB_GEQ_MODE_HOVER_CN, IDB_GEQ_MODE_HOVER_CN, IDB_PEQ_MODE_CN, IDB_PEQ_MODE_HOVER_CN, IDB_PEQ_MODE_HOVER_CN},
    {IDB_GEQ_MODE_EN, IDB_GEQ_MODE_HOVER_EN, IDB_GEQ_MODE_HOVER_EN, IDB_PEQ_MODE_EN, IDB_GEQ_MODE_EN, IDB_PEQ_MODE_HOVER_EN}};
constexpr LangFaces kLockFaces{
    {IDB_LOCK_CN, IDB_LOCK_HOVER_CN, IDB_LOCK_PRESSED_CN, IDB_LOCKED_CN, IDB_LOCKED_HOVER_CN, IDB_LOCKED_HOVER_CN},
    {IDB_LOCK_EN, IDB_LOCK_HOVER_EN, IDB_LOCK_PRESSED_EN, IDB_LOCKED_EN, IDB_LOCKED_HOVER_EN, IDB_LOCKED_HOVER_EN}};
constexpr LangFaces kLinkFaces{
    {IDB_LINK_LR_CN, IDB_LINK_LR_HOVER_CN, IDB_LINK_LR_PRESSED_CN, IDB_LINKED_LR_CN, IDB_LINKED_LR_HOVER_CN, IDB_LINKED_LR_HOVER_CN},
    {IDB_LINK_LR_EN, IDB_LINK_LR_HOVER_EN, IDB_LINK_LR_PRESSED_EN, IDB_LINKED_LR_EN, IDB_LINKED_LR_HOVER_EN, IDB_LINKED_LR_HOVER_EN}};
constexpr LangFaces kResetMapFaces{{IDB_RESET_MAP_CN, IDB_RESET_MAP_HOVER_CN, IDB_RESET_MAP_HOVER_CN},
                                   {IDB_RESET_MAP_EN, IDB_RESET_MAP_HOVER_EN, IDB_RESET_MAP_HOVER_EN}};
constexpr LangFaces kLoadMapFaces{{IDB_LOAD_MAP_CN, IDB_LOAD_MAP_CN + 1, IDB_LOAD_MAP_CN + 2},
                                  {IDB_LOAD_MAP_EN, IDB_LOAD_MAP_EN + 1, IDB_LOAD_MAP_EN + 2}};
constexpr LangFaces kSaveMapFaces{{IDB_SAVE_MAP_CN, IDB_SAVE_MAP_CN + 1, IDB_SAVE_MAP_CN + 2},
                                  {IDB_SAVE_MAP_EN, IDB_SAVE_MAP_EN + 1, IDB_SAVE_MAP_EN + 2}};
constexpr LangFaces kLevelPageFaces{{IDB_LEVEL_PAGE_CN, IDB_LEVEL_PAGE_CN + 1, IDB_LEVEL_PAGE_CN + 2},
                                    {IDB_LEVEL_PAGE_EN, IDB_LEVEL_PAGE_EN + 1, IDB_LEVEL_PAGE_EN + 2}};

const int* Faces(const LangFaces& faces)
{
    return g_bChinese ? faces.cn : faces.en;
}

void SetFaces(CBitButton& button, const LangFaces& faces)
{
    const int* n = Faces(faces);
    button.SetBitmaps(n[0], n[1], n[2], n[3], n[4], n[5]);
}

void SetFaces(CXPButton& button, const LangFaces& faces)
{
    const int* n = Faces(faces);
    button.SetBitmaps(n[0], n[1], n[2], n[3], n[4], n[5]);
}

// Position button images (normal, hover, pressed; checked shows the pressed one) of each button.
constexpr int kPositionImages[kPositions] = {
    IDP_CENTRE_WOOFER,  IDP_CENTRE_TWEETER, IDP_CENTRE_WOOFER,  IDP_LEFT_WOOFER,    IDP_LEFT_MIDRANGE, IDP_LEFT_TWEETER,
    IDP_LEFT_MIDRANGE,  IDP_LEFT_MIDRANGE,  IDP_LEFT_MIDRANGE,  IDP_RIGHT_WOOFER,   IDP_RIGHT_MIDRANGE, IDP_RIGHT_TWEETER,
    IDP_RIGHT_MIDRANGE, IDP_RIGHT_MIDRANGE, IDP_RIGHT_MIDRANGE, IDP_LEFT_WOOFER,    IDP_LEFT_TWEETER,  IDP_RIGHT_WOOFER,
    IDP_RIGHT_TWEETER,  IDP_LEFT_WOOFER,    IDP_RIGHT_WOOFER,   IDP_SUB_LEFT,       IDP_SUB_RIGHT,     IDP_SUB};

bool IsInside(const wxWindow* pWnd, const wxWindow* pAncestor)
{
    for (; pWnd != nullptr; pWnd = pWnd->GetParent())
        if (pWnd == pAncestor)
            return true;
    return false;
}

// The page itself takes the keyboard focus. GTK gives none to a panel whose children can take it
// unless it is told the panel may have it too.
void TakeFocus(wxPanel& page)
{
    page.SetCanFocus(true);
    page.SetFocusIgnoringChildren();
}

// A press of the left button anywhere on the page first takes the focus to the page, so that a
// field being typed in commits its text before the press acts (a field pressed while it has the
// focus keeps it).
class CPageClickFilter : public wxEventFilter {
public:
    explicit CPageClickFilter(wxPanel& page) : m_page(page) { wxEvtHandler::AddFilter(this); }
    ~CPageClickFilter() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() != wxEVT_LEFT_DOWN)
            return Event_Skip;
        auto* pWnd = dynamic_cast<wxWindow*>(event.GetEventObject());
        wxWindow* pFocus = wxWindow::FindFocus();
        if (pWnd != nullptr && pFocus != nullptr && pFocus != &m_page && !IsInside(pWnd, pFocus) &&
            IsInside(pWnd, &m_page) && IsInside(pFocus, &m_page))
            TakeFocus(m_page);
        return Event_Skip;
    }

private:
    wxPanel& m_page;
};
}  // namespace

COutputDlg::COutputDlg(IPageHost& host, CKTV_Data& data) : CPage(IDD_OUTPUT, host, data), m_planControls(data)
{
    SetBackgroundSkins(IDB_BACK_EN, IDB_BACK_CN);
}

COutputDlg::~COutputDlg()
{
    delete m_pClickFilter;
}

void COutputDlg::CreateControls()
{
    m_sliderMaster = CreateItem<CBitmapSlider>(IDC_MASTER_SLIDER);
    m_editMaster = CreateItem<CNumEdit>(IDC_MASTER_EDIT);
    m_spinMaster = CreateItem<CNumSpin>(IDC_MASTER_SPIN);
    m_btnMasterOn = CreateItem<CBitButton>(IDC_MASTER_ON);

    m_graph = CreateItem<CEqCurveStatic>(IDC_GRAPH);
    for (int k = 0; k < kBandColumns; ++k) {
        m_stBandNo[k] = CreateItem<CFontStatic>(IDC_BAND_NO + k);
        m_editFreq[k] = CreateItem<CNumEdit>(IDC_FREQ_EDIT + k);
        m_spinFreq[k] = CreateItem<CNumSpin>(IDC_FREQ_SPIN + k);
        m_editWidth[k] = CreateItem<CNumEdit>(IDC_WIDTH_EDIT + k);
        m_spinWidth[k] = CreateItem<CNumSpin>(IDC_WIDTH_SPIN + k);
        m_sliderGain[k] = CreateItem<CBitmapSlider>(IDC_GAIN_SLIDER + k);
        m_editGain[k] = CreateItem<CNumEdit>(IDC_GAIN_EDIT + k);
        m_spinGain[k] = CreateItem<CNumSpin>(IDC_GAIN_SPIN + k);
        m_btnBypass[k] = CreateItem<CXPButton>(IDC_BYPASS + k);
    }
    m_btnBand1Peq = CreateItem<CBitButton>(IDC_BAND1_PEQ);
    m_btnLowShelf = CreateItem<CBitButton>(IDC_LOW_SHELF);
    m_btnBand10Peq = CreateItem<CBitButton>(IDC_BAND10_PEQ);
    m_btnHighShelf = CreateItem<CBitButton>(IDC_HIGH_SHELF);
    m_cbLowShelfSlope = CreateItem<CComBoxBtn>(IDC_LOW_SHELF_SLOPE);
    m_cbHighShelfSlope = CreateItem<CComBoxBtn>(IDC_HIGH_SHELF_SLOPE);

    m_editHpfFreq = CreateItem<CNumEdit>(IDC_HPF_FREQ);
    m_spinHpfFreq = CreateItem<CNumSpin>(IDC_HPF_SPIN);
    m_editLpfFreq = CreateItem<CNumEdit>(IDC_LPF_FREQ);
    m_spinLpfFreq = CreateItem<CNumSpin>(IDC_LPF_SPIN);
    m_cbHpfAlign = CreateItem<CComBoxBtn>(IDC_HPF_ALIGN);
    m_cbHpfSlope = CreateItem<CComBoxBtn>(IDC_HPF_SLOPE);
    m_cbLpfAlign = CreateItem<CComBoxBtn>(IDC_LPF_ALIGN);
    m_cbLpfSlope = CreateItem<CComBoxBtn>(IDC_LPF_SLOPE);

    m_btnAllBypass = CreateItem<CXPButton>(IDC_ALL_BYPASS);
    m_btnEqMode = CreateItem<CXPButton>(IDC_EQ_MODE);
    m_btnResetEq = CreateItem<CXPButton>(IDC_RESET_EQ);
    m_btnGeqLabel = CreateItem<CBitButton>(IDC_GEQ_LABEL);
    m_btnPolarity = CreateItem<CBitButton>(IDC_POLARITY);
    m_btnInputShow = CreateItem<CBitButton>(IDC_INPUT_SHOW);
    m_btnLevelPage = CreateItem<CBitButton>(IDC_LEVEL_PAGE);
    m_btnLockMap = CreateItem<CBitButton>(IDC_LOCK_MAP);
    m_btnLinkLR = CreateItem<CBitButton>(IDC_LINK_LR);
    m_btnResetMap = CreateItem<CBitButton>(IDC_RESET_MAP);
    m_btnLoadMap = CreateItem<CBitButton>(IDC_LOAD_MAP);
    m_btnSaveMap = CreateItem<CBitButton>(IDC_SAVE_MAP);

    for (int i = 0; i < kPositions; ++i)
        m_btnPosition[i] = CreateItem<CBtnPng>(IDC_POSITION + i);
    CDelayPlanControls::FieldArray fields{};
    CDelayPlanControls::SpinArray spins{};
    for (int i = 0; i < kDelayFields; ++i) {
        fields[i] = CreateItem<CNumEdit>(IDC_DELAY_EDIT + i);
        spins[i] = CreateItem<CNumSpin>(IDC_DELAY_SPIN + i);
    }
    CDelayPlanControls::LinkArray links{};
    for (int i = 0; i < kGroupLinks; ++i)
        links[i] = CreateItem<CBtnPng>(IDC_GROUP_LINK + i);
    m_planControls.Attach(fields, spins, links,
                          {CreateItem<CBitButton>(IDC_UNIT_MS), CreateItem<CBitButton>(IDC_UNIT_CM),
                           CreateItem<CBitButton>(IDC_UNIT_INCH)});
}

bool COutputDlg::OnInitDialog()
{
    // The commands of the page's controls end here, never in the view. Bound first, this
    // handler is asked last, after the handlers of each control (and the binder's).
    Bind(wxEVT_BUTTON, [](wxCommandEvent&) {});
    m_nHotLabel = -1;
    m_pHotEdit = nullptr;
    InitMasterControls();
    InitCrossoverControls();
    InitBandControls();
    InitCommandButtons();
    InitPlanControls();
    InitStrips();
    m_graph->SetNotifyWnd(this);
    m_graph->SetLinkBitmap(IDB_LINK, 3990);
    m_graph->AttachData(m_pData, EQ_MODE_OUTPUT);
    m_graph->ShowOutputCurve(0);
    m_graph->SetCurveMode(EQ_MODE_OUTPUT);
    BindHandlers();
    m_pClickFilter = new CPageClickFilter(*this);
    // Only now may a refresh run: the lock below can make another output current.
    m_bReady = true;
    if (g_bOutMapLocked) {
        m_btnLockMap->SetCheck(true);
        ApplyOutputMapLock();
    }
    return true;
}

void COutputDlg::InitMasterControls()
{
    m_btnLockMap->SetBitmaps(IDB_LOCK_EN, IDB_LOCK_HOVER_EN, IDB_LOCK_PRESSED_EN);
    m_btnLinkLR->SetBitmaps(IDB_LINK_LR_EN, IDB_LINK_LR_HOVER_EN, IDB_LINK_LR_PRESSED_EN);
    m_editMaster->SetFont(g_fontEdit);
    m_sliderMaster->SetBitmapChannel(IDB_MASTER_CHANNEL, 0);
    m_sliderMaster->SetBitmapThumb(IDB_MASTER_THUMB, IDB_THUMB_ACTIVE, true);
    m_sliderMaster->SetMargin(25, 0, 1, 2);
    m_sliderMaster->SetHoverNotify(true);
    m_spinMaster->Hide();
    m_btnMasterOn->SetBitmaps(IDB_MASTER_OFF, IDB_MASTER_OFF + 1, IDB_MASTER_OFF + 2, IDB_MASTER_ON,
                              IDB_MASTER_ON + 1, IDB_MASTER_ON + 2);
    m_btnMasterOn->SetHoverNotify(true);

    // A new volume switches the master on (the row's setter does), which the button shows.
    m_nMasterBinding = m_binder.Bind(ParamId::MasterVolume, m_editMaster, m_spinMaster, m_sliderMaster,
                                     [] { return ParamTarget{}; },
                                     [this](int) {
                                         m_btnMasterOn->SetCheck(g_masterSettings.Get().m_byMasterOn != 0);
                                     });
}

void COutputDlg::InitCrossoverControls()
{
    static const ComboTextLayout kLayout{5, 20, DT_CENTER};
    for (const bool bLpf : {false, true}) {
        CNumEdit& edit = bLpf ? *m_editLpfFreq : *m_editHpfFreq;
        CNumSpin& spin = bLpf ? *m_spinLpfFreq : *m_spinHpfFreq;
        const ParamRow& row = ParamRowOf(bLpf ? ParamId::OutLpfFreq : ParamId::OutHpfFreq);
        edit.SetFont(g_fontEdit);
        edit.SetType(row.nType);
        spin.SetBuddy(&edit);
        spin.SetRange(row.nMin, row.nMax);
        spin.Hide();
        CComBoxBtn& align = bLpf ? *m_cbLpfAlign : *m_cbHpfAlign;
        CComBoxBtn& slope = bLpf ? *m_cbLpfSlope : *m_cbHpfSlope;
        for (CComBoxBtn* pList : {&align, &slope}) {
            pList->SetBitmaps(IDB_XOVER_LIST, IDB_XOVER_LIST + 1);
            pList->SetTextLayout(&kLayout);
            pList->SetHoverNotify(true);
        }
        align.SetDisabledBitmap(IDB_XOVER_LIST_DISABLED);
        align.SetNullWhenDisabled(true);
        align.CreateDropList(this, bLpf ? IDL_LPF_ALIGN : IDL_HPF_ALIGN);
        slope.CreateDropList(this, bLpf ? IDL_LPF_SLOPE : IDL_HPF_SLOPE);
        FillAlignList(align);
        FillSlopeList(slope);
    }
}

void COutputDlg::InitBandControls()
{
    using namespace OutputLayout;
    static const ComboTextLayout kShelfLayout{2, 10, DT_CENTER};
    m_btnBand1Peq->SetBitmaps(IDB_PEQ_TYPE, IDB_PEQ_TYPE + 1, IDB_PEQ_TYPE + 2, IDB_PEQ_TYPE + 2, IDB_PEQ_TYPE + 2,
                              IDB_PEQ_TYPE + 2);
    m_btnBand10Peq->SetBitmaps(IDB_PEQ_TYPE, IDB_PEQ_TYPE + 1, IDB_PEQ_TYPE + 2, IDB_PEQ_TYPE + 2, IDB_PEQ_TYPE + 2,
                               IDB_PEQ_TYPE + 2);
    m_btnLowShelf->SetBitmaps(IDB_LOW_SHELF, IDB_LOW_SHELF + 1, IDB_LOW_SHELF + 2, IDB_LOW_SHELF + 2,
                              IDB_LOW_SHELF + 2, IDB_LOW_SHELF + 2);
    m_btnHighShelf->SetBitmaps(IDB_HIGH_SHELF, IDB_HIGH_SHELF + 1, IDB_HIGH_SHELF + 2, IDB_HIGH_SHELF + 2,
                               IDB_HIGH_SHELF + 2, IDB_HIGH_SHELF + 2);
    for (const int b : {0, 9}) {
        CComBoxBtn& list = b == 0 ? *m_cbLowShelfSlope : *m_cbHighShelfSlope;
        list.SetBitmaps(IDB_SHELF_SLOPE, IDB_SHELF_SLOPE + 1);
        list.SetTextLayout(&kShelfLayout);
        list.SetHoverNotify(true);
        list.CreateDropList(this, b == 0 ? IDL_LOW_SHELF_SLOPE : IDL_HIGH_SHELF_SLOPE);
        list.AddString(wxS("6dB"));
        list.AddString(wxS("12dB"));
        list.Hide();
    }
    for (int k = 0; k < kBandColumns; ++k) {
        for (CNumEdit* pEdit : {m_editFreq[k], m_editWidth[k], m_editGain[k]})
            pEdit->SetFont(g_fontOutput);
        for (CNumSpin* pSpin : {m_spinFreq[k], m_spinWidth[k], m_spinGain[k]})
            pSpin->Hide();
        CBitmapSlider& fader = *m_sliderGain[k];
        fader.SetBitmapChannel(k == 0 ? IDB_BAND_CHANNEL_1 : IDB_BAND_CHANNEL, 0);
        fader.SetBitmapThumb(IDB_BAND_THUMB, IDB_BAND_THUMB_ACTIVE, true);
        fader.SetMargin(4, 1, 1, 1);
        fader.SetHoverNotify(true);
        auto target = [this, k] { return ParamTarget{m_pData, g_nCurOutput, k}; };
        m_nFreqBinding[k] = m_binder.Bind(ParamId::OutBandFreq, m_editFreq[k], m_spinFreq[k], nullptr, target);
        m_nWidthBinding[k] = m_binder.Bind(ParamId::OutBandWidth, m_editWidth[k], m_spinWidth[k], nullptr, target);
        m_nGainBinding[k] = m_binder.Bind(ParamId::OutBandGain, m_editGain[k], m_spinGain[k], m_sliderGain[k], target,
                                          [this, k](int) {
                                              ShowBandBypass(Out().GetBand(k)->IsBypassOrFlat() != 0, k);
                                              UpdateAllBypassButton();
                                          });
        m_stBandNo[k]->SetText(wxString::Format(wxS("%d"), k + 1));
        m_stBandNo[k]->SetFontStyle(wxString(), 18, skin::kLabel, 1);
        m_btnBypass[k]->SetBitmaps(IDB_BAND_BYPASSED, IDB_BAND_BYPASSED + 1, IDB_BAND_BYPASSED + 1, IDB_BAND_WORKS,
                                   IDB_BAND_WORKS + 1, IDB_BAND_WORKS + 1);
        m_btnBypass[k]->SetHoverNotify(true);
    }
    m_btnGeqLabel->SetDisabledBitmaps(IDB_GAIN_ROW_EN, IDB_GAIN_ROW_CN);
    m_btnGeqLabel->Hide();
}

void COutputDlg::InitCommandButtons()
{
    for (CXPButton* pButton : {m_btnAllBypass, m_btnEqMode, m_btnResetEq})
        pButton->SetHoverNotify(true);
    m_btnPolarity->SetHoverNotify(true);
    for (const int nId : {int(IDC_LINK_ICON), IDC_LINK_MARKER + 0, IDC_LINK_MARKER + 1, IDC_LINK_MARKER + 2})
        GetDlgItem(nId)->Hide();
}

void COutputDlg::InitPlanControls()
{
    for (int i = 0; i < kPositions; ++i) {
        const int n = kPositionImages[i];
        m_btnPosition[i]->SetImages(n, n + 1, n + 2);
        m_btnPosition[i]->SetCheckedImages(n + 2, n + 2, n + 2);
        m_btnPosition[i]->Hide();
    }
    for (int i = 0; i < kGroupLinks; ++i) {
        CBtnPng& link = *m_planControls.LinkToggles()[i];
        const int n = kGroupLinkImages[i];
        link.SetImages(n, n + 1, n + 2);
        link.SetCheckedImages(n + 3, n + 4, n + 5);
        link.Hide();
    }
    const ParamRow& row = ParamRowOf(DelayParamOfUnit(g_nDelayUnit));
    for (int k = 0; k < kDelayFields; ++k) {
        CNumEdit& field = *m_planControls.DelayFields()[k];
        CNumSpin& spin = *m_planControls.DelaySpins()[k];
        field.SetFont(g_fontOutput);
        field.CreateSpinOverlay(IDC_DELAY_OVERLAY + k);
        field.SetOverlaySpin(IDC_DELAY_SPIN + k, &spin);
        field.GetSpinOverlay().SetBitmaps(IDB_KNOB, IDB_KNOB + 1, IDB_KNOB + 2, IDB_KNOB + 3);
        field.SetType(row.nType);
        spin.SetBuddy(&field);
        spin.SetRange(row.nMin, row.nMax);
        spin.SetType(row.nSpinType);
        spin.Hide();
        field.SetValue(0);
        field.ShowWindow(SW_HIDE);
    }
    for (CBitButton* pButton : m_planControls.UnitButtons()) {
        pButton->SetBitmaps(IDB_UNIT + 1, IDB_UNIT, IDB_UNIT + 2, IDB_UNIT + 2, IDB_UNIT + 2, IDB_UNIT + 2);
        pButton->SetFonts(&g_fontEdit, &g_fontEdit, &g_fontEdit, &g_fontEdit, &g_fontEdit, &g_fontEdit);
        pButton->SetTextColors(skin::kLabel, *wxWHITE, *wxWHITE, *wxWHITE, *wxWHITE, *wxWHITE);
    }
    m_planControls.SetDelayUnit(g_nDelayUnit);
}

void COutputDlg::InitStrips()
{
    using namespace OutRoute_DlgIds;
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        auto* pStrip = new COutRoute_Dlg(*this, *m_pView, *m_pData);
        pStrip->SetOutput(i);
        pStrip->Create(this);
        pStrip->SetBitmaps(IDB_STRIP, IDB_STRIP, IDB_STRIP, IDB_STRIP);
        pStrip->SetDisabledBitmap(IDB_STRIP);
        pStrip->SetNumberBitmaps(IDB_NUMBER + i, IDB_NUMBER_HOVER + i, IDB_NUMBER_CHECKED + i,
                                 IDB_NUMBER_DISABLED + i);
        const Point at = OutputLayout::StripOrigin(i, pStrip->GetBitmapWidth());
        pStrip->Move(at.x, at.y);
        pStrip->Show(i < kShownStrips);
        m_strip[i] = pStrip;
    }
}

void COutputDlg::BindHandlers()
{
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnMasterOn(); }, WxId(IDC_MASTER_ON));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnPolarity(); }, WxId(IDC_POLARITY));
    for (int k = 0; k < kBandColumns; ++k)
        Bind(wxEVT_BUTTON, [this, k](wxCommandEvent&) { OnBandBypass(k); }, WxId(IDC_BYPASS + k));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SetShelfType(0, FILTER_PEQ); }, WxId(IDC_BAND1_PEQ));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SetShelfType(0, FILTER_LOW_SHELF); }, WxId(IDC_LOW_SHELF));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SetShelfType(9, FILTER_PEQ); }, WxId(IDC_BAND10_PEQ));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { SetShelfType(9, FILTER_HIGH_SHELF); }, WxId(IDC_HIGH_SHELF));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnAllBypass(); }, WxId(IDC_ALL_BYPASS));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnEqModeConvert(); }, WxId(IDC_EQ_MODE));
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnResetAllEq(); }, WxId(IDC_RESET_EQ));
    for (const int nId : {IDC_HPF_FREQ, IDC_HPF_SPIN})
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnXoverFreq(false); }, WxId(nId));
    for (const int nId : {IDC_LPF_FREQ, IDC_LPF_SPIN})
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnXoverFreq(true); }, WxId(nId));
    m_binder.SetCommitHandler([this](int nCtrlId) { OnBandFieldCommitted(nCtrlId); });
    m_binder.SetSliderHandler([this](int nCtrlId, bool bDone) {
        if (nCtrlId == IDC_MASTER_SLIDER) {
            if (bDone)
                m_editMaster->SetFocus();
        } else if (nCtrlId >= IDC_GAIN_SLIDER && nCtrlId < IDC_GAIN_SLIDER + kBandColumns) {
            OnBandFader(nCtrlId - IDC_GAIN_SLIDER, bDone);
        }
    });
    BindMessage(this, WM_SELECT_OUTPUT, [this](WPARAM wParam, LPARAM) -> LRESULT {
        OnSelectChannel(static_cast<int>(wParam));
        return 0;
    });
    BindMessage(this, WM_DROPLIST_SELECT, [this](WPARAM wParam, LPARAM) -> LRESULT {
        OnDropListSelect(static_cast<int>(wParam));
        return 0;
    });
    BindMessage(this, WM_EQCURVE_CHANGED, [this](WPARAM wParam, LPARAM) -> LRESULT {
        LoadBandFromCurve(static_cast<int>(wParam));
        return 0;
    });
    BindMessage(this, WM_FOCUS_BAND_EDIT, [this](WPARAM wParam, LPARAM) -> LRESULT {
        OnFocusBandEdit(static_cast<int>(wParam));
        return 0;
    });
    Bind(wxEVT_CHAR_HOOK, &COutputDlg::OnCharHook, this);
    BindPlanHandlers();
    BindMapHandlers();
    BindMessage(this, WM_NUMEDIT_KEY, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        OnNumEditKey(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    });
    BindMessage(this, WM_EDIT_NEXT_ROW, [this](WPARAM wParam, LPARAM) -> LRESULT {
        OnEditNextRow(static_cast<int>(wParam));
        return 0;
    });
}

CKTV_OutData& COutputDlg::Out() const
{
    return *m_pData->GetOutData(g_nCurOutput);
}

COutRoute_Dlg* COutputDlg::GetStrip(int nOutput) const
{
    return nOutput >= 0 && nOutput < OUTPUT_CHANNELS ? m_strip[nOutput] : nullptr;
}

// The button never toggles itself: the state shown is inverted, stored and sent.
void COutputDlg::OnMasterOn()
{
    const bool bOn = !m_btnMasterOn->GetCheck();
    g_masterSettings.SetField(&MasterSettings::m_byMasterOn, bOn ? 1 : 0);
    m_pView->SetMasterItemPending(1);
    m_btnMasterOn->SetCheck(bOn);
}

// The shown output's polarity is inverted from what the output has (its strip may have changed
// it); the linked outputs keep theirs.
void COutputDlg::OnPolarity()
{
    Out().SetPolarity(Out().GetPolarity() ? 0 : 1);
    ShowPolarity();
    m_strip[g_nCurOutput]->LoadPolarity();
}

void COutputDlg::ShowPolarity()
{
    const bool bInverted = Out().GetPolarity() != 0;
    m_btnPolarity->SetCheck(bInverted);
    GetDlgItem(IDC_POLARITY_INVERTED)->Show(bInverted);
    GetDlgItem(IDC_POLARITY_NORMAL)->Show(!bInverted);
}

void COutputDlg::ShowWindow(int nCmdShow)
{
    Show(nCmdShow != 0);
}

// Everything another page or a load may have changed: the level page shares the delays, the
// links of the speaker groups, the delay unit and the master volume.
void COutputDlg::RefreshPage()
{
    RefreshChannel();
    if (m_bReady)
        m_planControls.SetDelayUnit(g_nDelayUnit);
    RefreshDiagram();
    m_btnLinkLR->SetCheck(g_bLinkLR != 0);
    m_btnLockMap->SetCheck(g_bOutMapLocked != 0);
    ShowMasterVolume();
}

void COutputDlg::RefreshChannel()
{
    if (!m_bReady)
        return;
    if (g_nCurOutput < 0 || g_nCurOutput >= OUTPUT_CHANNELS)
        g_nCurOutput = 0;
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        const bool bCurrent = i == g_nCurOutput;
        if (m_strip[i]->IsCurrent() != bCurrent)
            m_strip[i]->SetCurrent(bCurrent);
        m_strip[i]->ShowSpeakerRole();
    }
    SetLinkedHighlights(g_nCurOutput);
    ShowBands();
    ShowCrossover();
    HighlightBandLabel(0, false);
    HighlightEdit(0, kFreq, false);
    ShowPolarity();
    m_graph->ShowOutputCurve(g_nCurOutput);
    ShowCurrentInput();
    LoadStrips();
}

void COutputDlg::RefreshBands()
{
    if (!m_bReady)
        return;
    ShowBands();
    HighlightBandLabel(0, false);
    HighlightEdit(0, kFreq, false);
}

void COutputDlg::ShowMasterVolume()
{
    m_binder.Load(m_nMasterBinding);
    m_btnMasterOn->SetCheck(g_masterSettings.Get().m_byMasterOn != 0);
}

void COutputDlg::OnSelectChannel(int nOutput)
{
    if (nOutput == g_nCurOutput || nOutput < 0 || nOutput >= OUTPUT_CHANNELS)
        return;
    SetPositionCheck(g_nCurOutput, false);
    ClearLinkedHighlights(g_nCurOutput);
    g_nCurOutput = nOutput;
    SetPositionCheck(nOutput, true);
    RefreshChannel();
    // Every control set above only marked itself; one paint pass draws them all now. A strip's
    // click arrives posted, after the frame that showed the heading's release, and waiting for
    // the next frame would cost a frame's time.
    Update();
}

void COutputDlg::SetLanguage()
{
    m_btnMasterOn->SetBitmaps(IDB_MASTER_OFF, IDB_MASTER_OFF + 1, IDB_MASTER_OFF + 2, IDB_MASTER_ON,
                              IDB_MASTER_ON + 1, IDB_MASTER_ON + 2);
    for (CComBoxBtn* pList : {m_cbHpfAlign, m_cbLpfAlign})
        FillAlignList(*pList);
    for (CComBoxBtn* pList : {m_cbHpfSlope, m_cbLpfSlope})
        FillSlopeList(*pList);
    LoadSpeakerMenu(g_bChinese != 0);
    SetFaces(*m_btnPolarity, kPolarityFaces);
    SetFaces(*m_btnResetEq, kResetEqFaces);
    SetFaces(*m_btnAllBypass, kAllBypassFaces);
    SetFaces(*m_btnEqMode, kEqModeFaces);
    SetFaces(*m_btnLockMap, kLockFaces);
    SetFaces(*m_btnLinkLR, kLinkFaces);
    SetFaces(*m_btnResetMap, kResetMapFaces);
    SetFaces(*m_btnLoadMap, kLoadMapFaces);
    SetFaces(*m_btnSaveMap, kSaveMapFaces);
    SetFaces(*m_btnLevelPage, kLevelPageFaces);
    m_btnGeqLabel->SetCheck(g_bChinese != 0);
    static const char* const kUnits[3][2] = {{"ms", "毫秒"}, {"cm", "厘米"}, {"inch", "英寸"}};
    for (int i = 0; i < 3; ++i)
        m_planControls.UnitButtons()[i]->SetLabel(wxString::FromUTF8(kUnits[i][g_bChinese ? 1 : 0]));
    ShowCurrentInput();
    for (COutRoute_Dlg* pStrip : m_strip) {
        pStrip->ShowSpeakerRole();
        pStrip->SetLanguage();
    }
    CPage::SetLanguage();
}

void COutputDlg::ShowCurrentInput()
{
    if (g_nCurInput < 0 || g_nCurInput >= kInputs)
        return;
    const int nFace = (g_bChinese ? IDB_INPUT_CN : IDB_INPUT_EN) + g_nCurInput;
    m_btnInputShow->SetDisabledBitmaps(nFace, nFace);
}

void COutputDlg::LoadStrips()
{
    for (COutRoute_Dlg* pStrip : m_strip)
        pStrip->LoadChannel();
}

void COutputDlg::ApplyOutputMapLock()
{
    if (!g_bOutMapLocked) {
        for (COutRoute_Dlg* pStrip : m_strip)
            pStrip->EnableStrip(true);
        m_pView->UnlinkAllOutputs();
        return;
    }
    for (COutRoute_Dlg* pStrip : m_strip)
        pStrip->EnableStrip(false);
    auto hasRole = [](int nOutput) { return ValidRole(g_roleStates.m_byOutRole[nOutput]) != ROLE_NONE; };
    if (hasRole(g_nCurOutput))
        return;
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        if (hasRole(i)) {
            OnSelectChannel(i);
            return;
        }
    }
}

void COutputDlg::CheckOutputMapLock()
{
    if (!g_bOutMapLocked)
        return;
    if (!IsAnyRoleAssigned()) {
        g_bOutMapLocked = 0;
        m_btnLockMap->SetCheck(false);
        ApplyOutputMapLock();
        return;
    }
    auto hasRole = [](int nOutput) { return ValidRole(g_roleStates.m_byOutRole[nOutput]) != ROLE_NONE; };
    if (hasRole(g_nCurOutput))
        return;
    for (int i = 0; i < OUTPUT_CHANNELS; ++i) {
        if (hasRole(i)) {
            OnSelectChannel(i);
            return;
        }
    }
}

void COutputDlg::SetLinkedHighlights(int nOutput)
{
    const std::vector<int> linked = LinkedOutputs(nOutput);
    for (const int i : linked) {
        m_strip[i]->SetCurrent(true);
        SetPositionCheck(i, true);
    }
    for (int i = 0; i < kLinkMarkers; ++i)
        GetDlgItem(IDC_LINK_MARKER + i)->Show(!linked.empty());
    m_graph->Redraw(-1);
}

void COutputDlg::ClearLinkedHighlights(int nOutput)
{
    for (const int i : LinkedOutputs(nOutput)) {
        m_strip[i]->SetCurrent(false);
        SetPositionCheck(i, false);
    }
    for (int i = 0; i < kLinkMarkers; ++i)
        GetDlgItem(IDC_LINK_MARKER + i)->Hide();
    m_graph->Redraw(-1);
}

void COutputDlg::ShowOutputsUnlinked()
{
    m_btnLinkLR->SetCheck(false);
    m_graph->Redraw(-1);
}

void COutputDlg::RefreshLinkedLevels(int nOutput)
{
    for (const int i : LinkedOutputs(nOutput))
        m_strip[i]->LoadLevel();
}

// Enter and Tab in a field of the page move on through its fields (the page's handlers of
// WM_EDIT_NEXT_ROW and WM_NUMEDIT_KEY), never through the dialog's own navigation; the view
// then sees them too. Escape takes the focus from the field to the page.
void COutputDlg::OnCharHook(wxKeyEvent& event)
{
    const int nKey = event.GetKeyCode();
    if (nKey == WXK_ESCAPE) {
        TakeFocus(*this);
        return;
    }
    if (nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER || nKey == WXK_TAB) {
        if (auto* pEdit = dynamic_cast<CNumEdit*>(wxWindow::FindFocus()); pEdit != nullptr && IsInside(pEdit, this))
            PostMessage(this, nKey == WXK_TAB ? WM_NUMEDIT_KEY : WM_EDIT_NEXT_ROW,
                        static_cast<WPARAM>(pEdit->GetCtrlId()), nKey == WXK_TAB ? VK_RIGHT : 0);
    }
    event.Skip();
}
